// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Helpers shared by the window tests: the program started afresh for each
// test, finding widgets by their control's name, reading what a widget
// shows, and looking at rendered pixels.

#include <memory>

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPushButton>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAccessibleInterface;
class QComboBox;

namespace korvane {
class App;
}

namespace korvane::qttest {

template <typename T = QWidget>
T* named(const QObject& root, const QString& name)
{
    return root.findChild<T*>(name);
}

// The visible top-level widget with this object name, or null.
QWidget* topLevel(const QString& name);

// A widget as a screen reader asks it: its interface, name and description.
QAccessibleInterface* accessible(QWidget* widget);
QString nameOf(QWidget* widget);
QString descriptionOf(QWidget* widget);

QStringList itemsOf(const QComboBox& combo);

// A pupil's click in the middle of a widget.
void clickCentre(QWidget* target);
// The main window's answer button holding the right answer, or one holding
// a wrong one, for the answer slot the drill chose.
QWidget* answerButton(QWidget& mainWindow, int rightslot, bool right);

// Qt keeps the font engines it has made, keyed by a font's first family
// alone, with the faces that family fell back to at the time: a test that
// changes the script face of the program's fonts (another language) drops
// them first. Returns false when it could not.
bool forgetFontEngines();
// The family Qt actually uses for the widget's font.
QString resolvedFamily(const QWidget& widget);

// True when some pixel inside `area` differs clearly from `background`.
bool hasInk(const QImage& image, const QRect& area, const QColor& background);

// The contrast of two colours as WCAG 2 defines it, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Text as drawn: the ground is the commonest colour in `ground`, the ink
// the pixel inside `text` that stands out most from it.
struct DrawnText {
    QColor ground;
    QColor ink;
    double contrast() const { return contrastRatio(ground, ink); }
};
DrawnText drawnText(const QImage& image, const QRect& text, const QRegion& ground);

// Counts the mouse presses that reach a widget.
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget& watched) { watched.installEventFilter(this); }
    int presses() const { return presses_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int presses_ = 0;
};

// Names of the widgets that take the focus by Tab, in the order of the
// window's focus chain (a combo box's line edit counts as the combo box).
QStringList tabChain(QWidget& window);

// Each test function gets a fresh program whose main window is on screen
// and active; QtTest finds init() and cleanup() in this base class.
class AppFixture : public QObject {
    Q_OBJECT

public:
    AppFixture();
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;
    ~AppFixture() override;

protected:
    App& app() { return *app_; }
    QWidget& window();
    template <typename T = QWidget>
    T* widget(const QString& name)
    {
        return named<T>(window(), name);
    }
    // The answer button holding the right answer, or one holding a wrong one.
    QPushButton* answer(bool right);
    void click(QWidget* target) { clickCentre(target); }
    void start();
    QString problemOnScreen();

    std::unique_ptr<App> app_;  // made afresh for each test function

private slots:
    void init();
    void cleanup();
};

}  // namespace korvane::qttest
