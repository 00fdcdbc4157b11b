// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The windows in languages written from right to left, and the digits and
// signs of the pupil's school. A translator made here stands in for the
// catalogues: it says only the writing direction and German's times sign.

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>
#include <array>
#include <tuple>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/shared/translation.h"
#include "ui/shared/widget_binding.h"

using korvane::App;
using korvane::qttest::named;

namespace {

// The program in `language` while it lives; "en" installs nothing.
class Language final : public QTranslator {
public:
    explicit Language(const QString& language) : language_(language)
    {
        if (language != QLatin1String("en")) {
            QCoreApplication::installTranslator(this);
        }
        korvane::translation::follow(QLocale(language));
    }
    ~Language() override
    {
        QCoreApplication::removeTranslator(this);
        korvane::translation::follow(QLocale::c());
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0 && qstrcmp(context, "MainWindow") == 0) {
            return QStringList{"ar", "fa", "he", "ur"}.contains(language_.left(2)) ? "RTL" : "LTR";
        }
        return language_ == "de" && qstrcmp(context, "Drill") == 0 && qstrcmp(source, " x ") == 0 ? " · " : QString();
    }

private:
    QString language_;
};

// Where each control of the main window and its frames is, for a screen
// reader (a hidden one: where it would be), and each number of the rows
// over the boxes, from the left: twice its middle from either edge of its
// label, and the width of its ink.
struct Seen {
    QHash<QString, QRect> places;
    QList<std::array<int, 3>> numbers;
};

Seen look(QWidget& window)
{
    Seen seen;
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->parentWidget() == &window || qobject_cast<QGroupBox*>(widget->parentWidget()) != nullptr) {
            const QRect rect = QAccessible::queryAccessibleInterface(widget)->rect();
            seen.places[widget->objectName()] =
                rect.isEmpty() ? QRect(widget->mapTo(&window, QPoint()), widget->size()) : rect.translated(-origin);
        }
    }
    for (const char* name : {"L1to5", "L610"}) {
        const QImage image = named<QLabel>(window, name)->grab().toImage();
        for (int x = 0, first = -1, last = -9; x <= image.width(); ++x) {
            bool ink = false;
            for (int y = 0; x < image.width() && y < image.height(); ++y) {
                ink = ink || image.pixel(x, y) != image.pixel(0, 0);
            }
            if ((ink && x - last >= 4) || x == image.width()) {  // "10" is one number
                if (first >= 0) {
                    seen.numbers << std::array{first + last, 2 * image.width() - 2 - first - last, last - first};
                }
                first = x;
            }
            last = ink ? x : last;
        }
    }
    return seen;
}

// Types a key as the keyboard of a language does: its code and its text.
void type(QWidget* target, QChar c)
{
    const auto key = static_cast<Qt::Key>(c.unicode() < 0x80 ? Qt::Key_0 + c.digitValue() : c.unicode());
    QTest::sendKeyEvent(QTest::Press, target, key, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, target, key, QString(c), Qt::NoModifier);
}

}  // namespace

class RightToLeftTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playedInTheLanguage_data();
    void playedInTheLanguage();

private:
    Seen english_;
    int width_ = 0;
};

void RightToLeftTest::initTestCase()
{
    korvane::translation::serveCore();
    App app;
    app.show();
    QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
    english_ = look(app.mainWindow());
    width_ = app.mainWindow().width();
}

void RightToLeftTest::playedInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");  // 1, 2 (an answer of 12), then 5 into the Right box
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("one");  // written by the school
    const char* marked = "\u202D( x )\u202C";
    for (const auto& [row, language, typed, option, one] : {std::tuple{"ar", "ar", "١٢٥", marked, "١"},
                                                            {"fa", "fa", "۱۲۵", marked, "۱"},
                                                            {"fa typing 0-9", "fa", "125", marked, "۱"},
                                                            {"he", "he", "125", marked, "1"},
                                                            {"ur", "ur_PK", "125", marked, "1"},
                                                            {"de", "de", "125", "( · )", "1"},
                                                            {"en", "en", "125", "( x )", "1"}}) {
        QTest::newRow(row) << QString::fromUtf8(language) << QString::fromUtf8(typed) << QString::fromUtf8(option)
                           << QString::fromUtf8(one);
    }
}

void RightToLeftTest::playedInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, option);
    const Language chosen(language);
    const bool mirrored = option.startsWith(QChar(0x202D));
    QFETCH(QString, one);
    App app;
    app.show();
    QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));

    // Every control at the mirror of its English place, each number over its own box.
    const Seen seen = look(app.mainWindow());
    QCOMPARE(seen.places.size(), english_.places.size());
    for (auto [name, was] : english_.places.asKeyValueRange()) {
        const QRect is = seen.places.value(name);
        const int x = mirrored ? width_ - was.x() - was.width() : was.x();
        QVERIFY2(std::abs(is.x() - x) <= 3 && is.y() == was.y() && is.size() == was.size(), qPrintable(name));
    }
    QCOMPARE(seen.numbers.size(), 10);
    for (int k = 0; k < 10; ++k) {  // the width of the ink tells 1 from 5
        const auto& was = english_.numbers.at(k);
        const auto& is = seen.numbers.at(mirrored ? k / 5 * 5 + 4 - k % 5 : k);
        QVERIFY2(std::abs(is[mirrored ? 1 : 0] - was[0]) <= 4 && std::abs(is[2] - was[2]) <= 1,
                 qPrintable(QString::number(k + 1)));
    }

    // The times sign of the catalogue, never said with its marks; 5 read
    // in the school's digits.
    auto* times = named<QAbstractButton>(app.mainWindow(), "Option1(2)");
    QCOMPARE(times->text(), option);
    QCOMPARE(korvane::qttest::nameOf(times), QStringLiteral("Multiplication"));
    QLineEdit* right = named<QComboBox>(app.mainWindow(), "NumRepeat")->lineEdit();
    right->setFocus();
    right->selectAll();
    type(right, typed.at(2));
    QTest::mouseClick(times, Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(app.mainWindow(), "Start"), Qt::LeftButton);
    QCOMPARE(app.data().retireat, 5);
    auto* problem = named<QLabel>(app.mainWindow(), "cap");
    // The problem in the school's digits with the catalogue's sign.
    const QString asked = korvane::binding::spokenText(problem->text());
    const QRegularExpression shape("^\\d+ " + QString(option.at(option.size() / 2)) + " \\d+$",
                                   QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(shape.match(asked).hasMatch(), qPrintable(asked));
    QCOMPARE(asked.at(0).unicode() - asked.at(0).digitValue(), one.at(0).unicode() - 1);

    // The problem and the popup's answer line read left to right: drawn as
    // the same text in a left-to-right label, left to right by force.
    app.data().curfact = 1;
    app.data().facts(1).num1 = 7;
    app.data().facts(1).num2 = 5;
    app.data().facts(1).answer = 12;
    app.tpop().Load();
    QLabel* line = named<QLabel>(*app.popupHost().window(), "giveanswer");
    for (QLabel* label : {problem, line}) {
        const QString plain = korvane::binding::spokenText(label->text());
        QCOMPARE(label->text() != plain, mirrored);  // English keeps its texts
        QLabel twin(QChar(0x202D) + plain + QChar(0x202C));
        twin.setLayoutDirection(Qt::LeftToRight);
        twin.setFont(label->font());
        twin.setPalette(label->palette());
        twin.setAutoFillBackground(true);
        twin.setAlignment(label->alignment());
        twin.setWordWrap(label->wordWrap());
        twin.resize(label->size());
        QCOMPARE(label->grab().toImage(), twin.grab().toImage());
    }
    // Without the marks, digits of the Arabic set would run right to left.
    const QImage shown = line->grab().toImage();
    line->setText(korvane::binding::spokenText(line->text()));
    QCOMPARE(line->grab().toImage() == shown, one != QStringLiteral("١"));

    // Typing 12 in the school's digits (or 0-9) answers 12.
    for (int i = 0; i < 3; ++i) {
        app.model().but(i).setCaption((i == 1 ? one + QChar(one.at(0).unicode() + 1) : one).toStdString());
    }
    app.data().rightslot = 2;
    type(QApplication::focusWidget(), typed.at(0));
    type(QApplication::focusWidget(), typed.at(1));
    QCOMPARE(app.data().totalright, 1);
}

QTEST_MAIN(RightToLeftTest)
#include "right_to_left_test.moc"
