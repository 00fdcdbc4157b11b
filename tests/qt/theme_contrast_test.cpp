// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Every text of the three windows stays readable in the desktop's light
// scheme, in a dark one and in a high-contrast one: its colour against its
// ground, as the palette says and as the pixels show. The problem, the
// answer line and the results grid stand out from their window as boxes in
// each. When the desktop asks for a dark style while handing over a light
// palette (GNOME's dark switch under Qt's gtk3 theme), the windows turn
// dark as in the dark theme, and light again exactly as before.

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>
#include <QStyleOptionButton>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/shared/dark_switch.h"
#include "ui/shared/system_colours.h"

using korvane::App;
using korvane::qttest::contrastRatio;
using korvane::qttest::drawnText;
using korvane::qttest::named;

namespace {

// What Qt 6.4's gtk3 platform theme hands the program for
// GTK_THEME=Adwaita:dark, as the program itself keeps it for GNOME's dark
// switch.
using korvane::colours::adwaitaDark;

QPalette adwaitaDarkFieldsAsWindows()
{
    QPalette palette = adwaitaDark();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    return palette;
}

// Black ground, white text, yellow highlight; grey only for what is disabled.
QPalette highContrast()
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    QPalette palette(white, black, white, white, white, white, white, black, black);
    palette.setColor(QPalette::ButtonText, white);
    palette.setColor(QPalette::AlternateBase, black);
    palette.setColor(QPalette::Highlight, QColor(255, 255, 0));
    palette.setColor(QPalette::HighlightedText, black);
    palette.setColor(QPalette::Link, QColor(255, 255, 0));
    palette.setColor(QPalette::PlaceholderText, white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    return palette;
}

// The schemes every text and box is checked in; "light" is the one the
// program starts with.
struct Scheme {
    const char* name;
    QPalette palette;
};
std::vector<Scheme> schemes()
{
    return {{"light", QApplication::palette()},
            {"dark", adwaitaDark()},
            {"dark, fields as windows", adwaitaDarkFieldsAsWindows()},
            {"high contrast", highContrast()}};
}

// The colour the nearest filled ancestor (or the widget itself) paints as
// its ground.
QColor groundUnder(const QWidget& widget)
{
    const QWidget* filled = &widget;
    while (!filled->isWindow() && !filled->autoFillBackground()) {
        filled = filled->parentWidget();
    }
    return filled->palette().color(QPalette::Window);
}

// The area of the window where the widget draws its text, and the roles it
// draws the text and its ground with.
struct TextPlace {
    QRect area;  // in the widget's coordinates
    QColor ground;
    QColor ink;
    // The desktop's colour for this kind of text.
    QPalette::ColorRole desktopInk = QPalette::WindowText;
    // Where the ground shows, when not all around the text: a button's face
    // around its caption.
    QRegion groundArea = {};
};

QRect centredText(const QWidget& widget, const QString& text)
{
    QRect box = QFontMetrics(widget.font()).boundingRect(text);
    box.moveCenter(widget.rect().center());
    return box.adjusted(-1, -1, 1, 1).intersected(widget.rect().adjusted(3, 3, -3, -3));
}

TextPlace placeOf(QWidget& widget)
{
    const QPalette& palette = widget.palette();
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        QLineEdit* edit = combo->lineEdit();
        const QRect area(edit->mapTo(&widget, QPoint(1, 1)), edit->size() - QSize(2, 2));
        return {area, edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Text), QPalette::Text};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        const QRect area = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        return {area, groundUnder(widget), palette.color(QPalette::WindowText)};
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        const QRect caption = centredText(widget, button->text());
        const QRect face = widget.rect().adjusted(4, 4, -4, -4);
        return {caption, palette.color(QPalette::Button), palette.color(QPalette::ButtonText), QPalette::ButtonText,
                QRegion(face).subtracted(caption)};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        const QFontMetrics metrics(frame->font());
        const QRect title(8, 0, metrics.horizontalAdvance(frame->title()) + 4, metrics.height());
        return {title, groundUnder(widget), palette.color(QPalette::WindowText)};
    }
    if (widget.isWindow()) {
        // The face itself, with the desktop's text colour.
        return {QRect(1, 1, 6, 6), groundUnder(widget), QApplication::palette(&widget).color(QPalette::WindowText)};
    }
    // Labels and the drawing area fill their ground and write in WindowText.
    return {widget.rect(), groundUnder(widget), palette.color(QPalette::WindowText)};
}

// A text's contrast with its ground as the palette says it is drawn, and
// as the window's pixels show it.
struct Reading {
    double byRoles;
    double drawn;
    bool groundAsPainted;  // the pixels' ground is the palette's
    // The ground against the desktop's own colour for such text: a ground
    // of the desktop's scheme, not one left from another, reads with it.
    double inScheme;
    QString measured;
};

Reading readingOf(QWidget& window, QWidget& widget)
{
    const TextPlace place = placeOf(widget);
    const QImage image = window.grab().toImage();
    const QPoint offset = widget.mapTo(&window, QPoint(0, 0));
    const QRegion groundArea = place.groundArea.isEmpty() ? QRegion(place.area) : place.groundArea;
    korvane::qttest::DrawnText drawn = drawnText(image, place.area.translated(offset), groundArea.translated(offset));
    if (&widget == &window) {
        // No text on the face: the desktop's text colour is what it would be.
        drawn = {drawn.ground, place.ink};
    }
    Reading reading;
    reading.byRoles = contrastRatio(place.ink, place.ground);
    reading.drawn = drawn.contrast();
    // A button's face is shaded, lighter under the mouse: near the palette's.
    reading.groundAsPainted =
        place.groundArea.isEmpty() ? drawn.ground == place.ground : contrastRatio(drawn.ground, place.ground) < 1.5;
    const QColor desktopInk = QApplication::palette(&widget).color(place.desktopInk);
    reading.inScheme = contrastRatio(drawn.ground, desktopInk);
    reading.measured = QStringLiteral("%1 on %2: %3 : 1; drawn %4 on %5: %6 : 1; desktop's %7 on it: %8 : 1")
                           .arg(place.ink.name(), place.ground.name())
                           .arg(reading.byRoles, 0, 'f', 2)
                           .arg(drawn.ink.name(), drawn.ground.name())
                           .arg(reading.drawn, 0, 'f', 2)
                           .arg(desktopInk.name())
                           .arg(reading.inScheme, 0, 'f', 2);
    return reading;
}

}  // namespace

class ThemeContrastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { light_ = QApplication::palette(); }
    void cleanup()
    {
        app_.reset();
        QApplication::setPalette(light_);
    }

    void everyTextReadsOnItsGround_data();
    void everyTextReadsOnItsGround();
    void aThemeSwitchIsFollowedByOpenWindows();
    void textBoxesStandOutFromTheirWindow_data();
    void textBoxesStandOutFromTheirWindow();
    void theDesktopsDarkWishTurnsTheWindowsDark_data();
    void theDesktopsDarkWishTurnsTheWindowsDark();

private:
    QWidget& mainWindow() { return app_->mainWindow(); }
    void click(QWidget& window, const char* name)
    {
        auto* button = named<QAbstractButton>(window, QString::fromLatin1(name));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The window of a state: the main window idle or during a run, the popup
    // after a miss, the results window with both pages available.
    QWidget* windowIn(const QString& state);

    QPalette light_;
    std::unique_ptr<App> app_;
};

QWidget* ThemeContrastTest::windowIn(const QString& state)
{
    app_ = std::make_unique<App>();
    app_->show();
    if (!QTest::qWaitForWindowExposed(&mainWindow())) {
        return nullptr;
    }
    if (state == QStringLiteral("results")) {
        app_->model().ck(10).setValue(1);
        click(mainWindow(), "results");
        return korvane::qttest::topLevel(QStringLiteral("pf"));
    }
    if (state == QStringLiteral("main")) {
        return &mainWindow();
    }
    click(mainWindow(), "Start");
    if (state == QStringLiteral("run")) {
        return &mainWindow();
    }
    korvane::qttest::clickCentre(korvane::qttest::answerButton(mainWindow(), app_->data().rightslot, false));
    return korvane::qttest::topLevel(QStringLiteral("tpop"));
}

void ThemeContrastTest::everyTextReadsOnItsGround_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("minimum");

    // The headline keeps its pure red: it must read at least as well as on
    // the light scheme's button face.
    const double red = contrastRatio(QColor(255, 0, 0), QApplication::palette().color(QPalette::Window));
    const struct {
        const char* state;
        const char* control;
    } texts[] = {
        {"main", "cap"},       {"main", "score"},      {"main", "Timecap"},   {"main", "L1to5"},
        {"main", "Lmaxtime"},  {"main", "Value"},      {"main", "Ftime"},     {"main", "Start"},
        {"main", "clear"},     {"main", "results"},    {"main", "selectall"}, {"main", "Option1(0)"},
        {"main", "setp(1)"},   {"main", "maxtime"},    {"run", "cap"},        {"run", "but(0)"},
        {"run", "Stop"},       {"run", "score"},       {"popup", "Label1"},   {"popup", "giveanswer"},
        {"popup", "kill"},     {"popup", "tpop"},      {"results", "dt"},     {"results", "show10"},
        {"results", "show20"}, {"results", "okclose"}, {"results", "pf"},
    };
    for (const auto& scheme : schemes()) {
        for (const auto& text : texts) {
            const bool headline = QByteArray(text.control) == "Label1";
            QTest::addRow("%s, %s: %s", scheme.name, text.state, text.control)
                << scheme.palette << QString::fromLatin1(text.state) << QString::fromLatin1(text.control)
                << (headline ? red : 4.5);
        }
    }
}

void ThemeContrastTest::everyTextReadsOnItsGround()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, state);
    QFETCH(QString, control);
    QFETCH(double, minimum);

    QApplication::setPalette(palette);
    QWidget* window = windowIn(state);
    QVERIFY2(window, "the window is not on screen");
    QWidget* widget = window->objectName() == control ? window : named(*window, control);
    QVERIFY2(widget, "no control of that name");
    QVERIFY2(widget->isEnabled(), "a disabled control proves nothing here");

    const Reading reading = readingOf(*window, *widget);
    qInfo("%s; wanted %.2f : 1", qPrintable(reading.measured), minimum);
    QVERIFY2(reading.byRoles >= minimum, qPrintable(reading.measured));
    QVERIFY2(reading.drawn >= minimum, qPrintable(reading.measured));
    QVERIFY2(reading.groundAsPainted, qPrintable(reading.measured));
    QVERIFY2(reading.inScheme >= 4.5, qPrintable(reading.measured));
}

// The desktop turns dark, high-contrast and light again while all three
// windows are open: each text follows at once.
void ThemeContrastTest::aThemeSwitchIsFollowedByOpenWindows()
{
    QWidget* results = windowIn(QStringLiteral("results"));
    QVERIFY(results);
    click(mainWindow(), "Start");
    korvane::qttest::clickCentre(korvane::qttest::answerButton(mainWindow(), app_->data().rightslot, false));
    QWidget* popup = korvane::qttest::topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);

    const double red = contrastRatio(QColor(255, 0, 0), light_.color(QPalette::Window));
    const struct {
        QWidget* window;
        const char* control;
        double minimum;
    } texts[] = {{&mainWindow(), "cap", 4.5}, {popup, "Label1", red}, {popup, "giveanswer", 4.5},
                 {popup, "tpop", 4.5},        {results, "dt", 4.5},   {results, "pf", 4.5}};
    for (const QPalette& palette : {adwaitaDark(), highContrast(), light_}) {
        QApplication::setPalette(palette);
        // The windows hear of it from the event loop, as from a desktop.
        QCoreApplication::processEvents();
        for (const auto& text : texts) {
            const QString control = QString::fromLatin1(text.control);
            QWidget* widget = text.window->objectName() == control ? text.window : named(*text.window, control);
            QVERIFY2(widget, text.control);
            const Reading reading = readingOf(*text.window, *widget);
            const QString where = control + QStringLiteral(": ") + reading.measured;
            QVERIFY2(reading.byRoles >= text.minimum, qPrintable(where));
            QVERIFY2(reading.drawn >= text.minimum, qPrintable(where));
            QVERIFY2(reading.groundAsPainted, qPrintable(where));
            QVERIFY2(reading.inScheme >= 4.5, qPrintable(where));
        }
    }
    // Back in the light scheme, exactly its colours.
    QCOMPARE(named(mainWindow(), "cap")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(named(*results, "dt")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(named(*popup, "giveanswer")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(popup->palette().color(QPalette::Window), QColor(212, 208, 200));
    QCOMPARE(results->palette().color(QPalette::Window), QColor(212, 208, 200));
    QCOMPARE(named(*popup, "Label1")->palette().color(QPalette::Window), light_.color(QPalette::Window));
}

void ThemeContrastTest::textBoxesStandOutFromTheirWindow_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("box");
    for (const auto& scheme : schemes()) {
        for (const auto& [state, box] : {std::pair{"run", "cap"}, {"popup", "giveanswer"}, {"results", "dt"}}) {
            QTest::addRow("%s: %s", scheme.name, box)
                << scheme.palette << QString::fromLatin1(state) << QString::fromLatin1(box);
        }
    }
}

// On the pixels, the ground of the box against the window's face around
// it: at least the step of the light scheme's white box on its grey face.
void ThemeContrastTest::textBoxesStandOutFromTheirWindow()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, state);
    QFETCH(QString, box);

    QApplication::setPalette(palette);
    QWidget* window = windowIn(state);
    QVERIFY2(window, "the window is not on screen");
    QWidget* widget = named(*window, box);
    QVERIFY2(widget, "no control of that name");
    const QImage image = window->grab().toImage();
    const QRect inside(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const QRegion around = QRegion(inside.adjusted(-4, -4, 4, 4)).subtracted(inside).intersected(window->rect());
    const QColor ground = drawnText(image, inside, inside).ground;
    const QColor face = drawnText(image, inside, around).ground;
    const double step = contrastRatio(ground, face);
    qInfo("%s on %s: %.2f : 1", qPrintable(ground.name()), qPrintable(face.name()), step);
    QVERIFY2(step >= korvane::colours::boxStep() - 0.005,
             qPrintable(QStringLiteral("%1 on %2: %3 : 1").arg(ground.name(), face.name()).arg(step, 0, 'f', 2)));
}

void ThemeContrastTest::theDesktopsDarkWishTurnsTheWindowsDark_data()
{
    QTest::addColumn<bool>("byHint");
    QTest::newRow("the switch told") << false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QTest::newRow("the style hint changed") << true;
#endif
}

// A dark wish on a light palette: every text reads as in the dark theme;
// the wish withdrawn: the windows are exactly as before, pixel for pixel.
// A dark wish on a palette that is dark already leaves it alone.
void ThemeContrastTest::theDesktopsDarkWishTurnsTheWindowsDark()
{
    QFETCH(bool, byHint);
    QWidget* results = windowIn(QStringLiteral("results"));
    QVERIFY(results);
    click(mainWindow(), "Start");
    korvane::qttest::clickCentre(korvane::qttest::answerButton(mainWindow(), app_->data().rightslot, false));
    QWidget* popup = korvane::qttest::topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    const std::array<QWidget*, 3> windows{&mainWindow(), popup, results};
    std::vector<QImage> before;
    for (QWidget* window : windows) {
        before.push_back(window->grab().toImage());
    }
    auto wish = [&](bool dark) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        if (byHint) {
            emit QGuiApplication::styleHints()->colorSchemeChanged(dark ? Qt::ColorScheme::Dark
                                                                        : Qt::ColorScheme::Light);
            QCoreApplication::processEvents();
            return;
        }
#endif
        QVERIFY(!byHint);
        app_->darkSwitch().follow(dark);
        QCoreApplication::processEvents();
    };

    wish(true);
    QVERIFY(korvane::colours::isDark(QApplication::palette()));
    const double red = contrastRatio(QColor(255, 0, 0), light_.color(QPalette::Window));
    const struct {
        QWidget* window;
        const char* control;
        double minimum;
    } texts[] = {{&mainWindow(), "cap", 4.5},   {&mainWindow(), "score", 4.5}, {&mainWindow(), "Start", 4.5},
                 {&mainWindow(), "Ftime", 4.5}, {popup, "Label1", red},        {popup, "giveanswer", 4.5},
                 {popup, "kill", 4.5},          {results, "dt", 4.5},          {results, "okclose", 4.5}};
    for (const auto& text : texts) {
        QWidget* widget = named(*text.window, QString::fromLatin1(text.control));
        QVERIFY2(widget, text.control);
        const Reading reading = readingOf(*text.window, *widget);
        const QString where = QString::fromLatin1(text.control) + QStringLiteral(": ") + reading.measured;
        QVERIFY2(reading.drawn >= text.minimum, qPrintable(where));
        QVERIFY2(reading.inScheme >= 4.5, qPrintable(where));
    }
    QVERIFY2(contrastRatio(mainWindow().grab().toImage().pixelColor(2, 300), QColor(Qt::white)) >= 5,
             "the main window's face is not dark");

    wish(false);
    QCOMPARE(QApplication::palette(), light_);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        QVERIFY2(windows.at(i)->grab().toImage() == before.at(i), qPrintable(windows.at(i)->objectName()));
    }

    // The settings, which a run disables, once the run is paused.
    click(mainWindow(), "Stop");
    wish(true);
    for (const char* control : {"Option1(0)", "setp(1)", "Lmaxtime", "maxtime", "selectall"}) {
        QWidget* widget = named(mainWindow(), QString::fromLatin1(control));
        QVERIFY2(widget && widget->isEnabled(), control);
        const Reading reading = readingOf(mainWindow(), *widget);
        const QString where = QString::fromLatin1(control) + QStringLiteral(": ") + reading.measured;
        QVERIFY2(reading.drawn >= 4.5, qPrintable(where));
        QVERIFY2(reading.inScheme >= 4.5, qPrintable(where));
    }
    wish(false);

    // A desktop whose own palette is dark keeps it.
    QApplication::setPalette(highContrast());
    QCoreApplication::processEvents();
    wish(true);
    QCOMPARE(QApplication::palette(), highContrast());
    wish(false);
    QCOMPARE(QApplication::palette(), highContrast());
}

QTEST_MAIN(ThemeContrastTest)
#include "theme_contrast_test.moc"
