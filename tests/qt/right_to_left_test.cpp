// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The windows in languages written from right to left, and the signs and
// digits of a pupil's school: controls at the mirror image of their place,
// problems that still read left to right on screen, Persian and Arabic
// digits typed as answers and settings. A translator made here stands in
// for the catalogues, so only what it says changes.

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/shared/translation.h"
#include "ui/shared/widget_binding.h"

using korvane::App;
using korvane::qttest::named;

namespace {

// Says only the writing direction and, for German, the times sign.
class TestWords final : public QTranslator {
public:
    explicit TestWords(QString language) : language_(std::move(language)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        const bool rtl = QStringList{"ar", "fa", "he", "ur"}.contains(language_.left(2));
        if (qstrcmp(context, "MainWindow") == 0 && qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0) {
            return QString::fromLatin1(rtl ? "RTL" : "LTR");
        }
        if (language_ == QLatin1String("de") && qstrcmp(context, "Drill") == 0 && qstrcmp(source, " x ") == 0) {
            return QStringLiteral(" · ");
        }
        return {};
    }

private:
    QString language_;
};

// The program in `language` while it lives; English ("en") installs nothing.
class Language {
public:
    explicit Language(const QString& language)
    {
        if (language != QLatin1String("en")) {
            words_ = std::make_unique<TestWords>(language);
            QCoreApplication::installTranslator(words_.get());
        }
        korvane::translation::follow(QLocale(language));
    }
    ~Language()
    {
        if (words_) {
            QCoreApplication::removeTranslator(words_.get());
        }
        korvane::translation::follow(QLocale::c());
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

private:
    std::unique_ptr<TestWords> words_;
};

// Every control at a fixed place in the main window or one of its frames,
// by name, where a screen reader finds it (relative to the window).
QHash<QString, QRect> places(QWidget& window)
{
    QHash<QString, QRect> found;
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        if (widget->objectName().isEmpty() || (parent != &window && qobject_cast<QGroupBox*>(parent) == nullptr)) {
            continue;
        }
        // A hidden control (a picture, the frame of a paused run) has no
        // place on screen: its place in the window stands for it.
        const QRect onScreen = QAccessible::queryAccessibleInterface(widget)->rect();
        found.insert(widget->objectName(), onScreen.isEmpty()
                                               ? QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())
                                               : onScreen.translated(-origin));
    }
    return found;
}

// Each number drawn on a label, from the left, as its middle and width:
// columns of ink less than 4 pixels apart belong to one number ("10").
struct Drawn {
    int centre;
    int width;
};
QList<Drawn> numberCentres(QLabel& label)
{
    const QImage image = label.grab().toImage();
    const QRgb ground = image.pixel(0, 0);
    QList<Drawn> centres;
    int first = -1;
    int last = -10;
    for (int x = 0; x <= image.width(); ++x) {
        bool ink = false;
        for (int y = 0; x < image.width() && y < image.height() && !ink; ++y) {
            ink = image.pixel(x, y) != ground;
        }
        if (ink && x - last >= 4) {
            if (first >= 0) {
                centres << Drawn{(first + last) / 2, last - first + 1};
            }
            first = x;
        }
        if (ink) {
            last = x;
        }
    }
    if (first >= 0) {
        centres << Drawn{(first + last) / 2, last - first + 1};
    }
    return centres;
}

// `label` as a left-to-right window draws `text`.
QImage drawnLeftToRight(const QLabel& label, const QString& text)
{
    QLabel twin;
    twin.setLayoutDirection(Qt::LeftToRight);
    twin.setFont(label.font());
    twin.setPalette(label.palette());
    twin.setAutoFillBackground(label.autoFillBackground());
    twin.setAlignment(label.alignment());
    twin.setWordWrap(label.wordWrap());
    twin.setTextFormat(Qt::PlainText);
    twin.resize(label.size());
    twin.setText(text);
    return twin.grab().toImage();
}

// Types one key as a keyboard of the language does: its code and its text.
void type(QWidget* target, QChar character)
{
    const auto key = static_cast<Qt::Key>(
        character.isDigit() && character.unicode() < 0x80 ? Qt::Key_0 + character.digitValue() : character.unicode());
    QTest::sendKeyEvent(QTest::Press, target, key, QString(character), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, target, key, QString(character), Qt::NoModifier);
}

}  // namespace

class RightToLeftTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korvane::translation::serveCore(); }

    void controlsSitAtTheMirrorOfTheirEnglishPlace_data();
    void controlsSitAtTheMirrorOfTheirEnglishPlace();
    void problemsReadLeftToRight_data();
    void problemsReadLeftToRight();
    void schoolDigitsAnswerAndSet_data();
    void schoolDigitsAnswerAndSet();
    void signsComeFromTheCatalogue_data();
    void signsComeFromTheCatalogue();
    void theGridReadsFromTheRight_data();
    void theGridReadsFromTheRight();
};

void RightToLeftTest::controlsSitAtTheMirrorOfTheirEnglishPlace_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    for (const char* language : {"ar", "fa", "he", "ur"}) {
        QTest::newRow(language) << QString::fromLatin1(language) << true;
    }
    QTest::newRow("de") << QStringLiteral("de") << false;
}

void RightToLeftTest::controlsSitAtTheMirrorOfTheirEnglishPlace()
{
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    QHash<QString, QRect> english;
    int width = 0;
    const QStringList numberLabels{"L1to5", "L610"};
    QList<QList<Drawn>> englishNumbers;
    {
        App app;
        app.show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
        english = places(app.mainWindow());
        width = app.mainWindow().width();
        for (const QString& name : numberLabels) {
            englishNumbers << numberCentres(*named<QLabel>(app.mainWindow(), name));
        }
    }
    QVERIFY(english.size() > 40);
    const Language chosen(language);
    App app;
    app.show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
    QCOMPARE(app.mainWindow().layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    const QHash<QString, QRect> shown = places(app.mainWindow());
    QCOMPARE(shown.keys().size(), english.keys().size());
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const QRect& was = it.value();
        const QRect& is = shown.value(it.key());
        // Inside a frame the mirror is taken in the frame, which is itself
        // mirrored in the window: the same as mirroring in the window.
        const int x = mirrored ? width - was.x() - was.width() : was.x();
        QVERIFY2(
            std::abs(is.x() - x) <= (mirrored ? 3 : 0) && is.y() == was.y() && is.size() == was.size(),
            qPrintable(
                QStringLiteral("%1 at %2,%3, not %4,%5").arg(it.key()).arg(is.x()).arg(is.y()).arg(x).arg(was.y())));
    }
    // Each number over its own box: the numbers drawn where the English
    // ones are, mirrored within their label.
    for (qsizetype i = 0; i < numberLabels.size(); ++i) {
        auto* label = named<QLabel>(app.mainWindow(), numberLabels.at(i));
        const QList<Drawn> centres = numberCentres(*label);
        QCOMPARE(centres.size(), 5);
        for (qsizetype k = 0; k < centres.size(); ++k) {
            const Drawn& was = englishNumbers.at(i).at(k);
            const Drawn& is = centres.at(mirrored ? 4 - k : k);
            const int expected = mirrored ? label->width() - 1 - was.centre : was.centre;
            // The width tells the numbers apart: "1" is narrower than "5".
            QVERIFY2(std::abs(is.centre - expected) <= 2 && std::abs(is.width - was.width) <= 1,
                     qPrintable(QStringLiteral("%1: number %2 at %3, %4 wide, not %5, %6 wide")
                                    .arg(numberLabels.at(i))
                                    .arg(k + 1)
                                    .arg(is.centre)
                                    .arg(is.width)
                                    .arg(expected)
                                    .arg(was.width)));
        }
    }
}

void RightToLeftTest::problemsReadLeftToRight_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("digit");  // the school's 1
    QTest::newRow("ar") << QStringLiteral("ar") << QStringLiteral("١");
    QTest::newRow("fa") << QStringLiteral("fa") << QStringLiteral("۱");
    QTest::newRow("he") << QStringLiteral("he") << QStringLiteral("1");
    QTest::newRow("ur") << QStringLiteral("ur_PK") << QStringLiteral("1");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("1");
}

void RightToLeftTest::problemsReadLeftToRight()
{
    QFETCH(QString, language);
    QFETCH(QString, digit);
    const Language chosen(language);
    App app;
    app.show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
    QTest::mouseClick(named<QPushButton>(app.mainWindow(), "Start"), Qt::LeftButton);
    app.data().curfact = 1;
    app.tpop().Load();
    app.tpop().ShowModeless();
    auto* problem = named<QLabel>(app.mainWindow(), "cap");
    auto* line = named<QLabel>(*app.popupHost().window(), "giveanswer");
    QVERIFY(line->text().contains(digit));
    for (QLabel* label : {problem, line}) {
        const QString plain = korvane::binding::spokenText(label->text());
        QVERIFY(plain.contains(QLatin1Char('=')) || plain.contains(QLatin1String(" + ")));
        const QImage shown = label->grab().toImage();
        // Left to right by force: the override leaves nothing to the
        // direction the digits or the window have.
        QCOMPARE(shown, drawnLeftToRight(*label, QChar(0x202D) + plain + QChar(0x202C)));
        if (digit != QStringLiteral("١")) {
            // Latin and Persian digits read left to right by themselves.
            QCOMPARE(shown, drawnLeftToRight(*label, plain));
        }
        if (digit == QStringLiteral("١")) {
            // Without the marks these digits would run right to left.
            const QString kept = label->text();
            label->setText(plain);
            QVERIFY(label->grab().toImage() != shown);
            label->setText(kept);
        }
        if (language == QLatin1String("en")) {
            QCOMPARE(label->text(), plain);  // English holds no marks
        }
    }
    app.tpop().Unload();
}

void RightToLeftTest::schoolDigitsAnswerAndSet_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QChar>("five");  // typed into the Right box
    const QStringList persian{"۷", "۱۲", "۱۵"};
    QTest::newRow("fa") << QStringLiteral("fa") << persian << QStringLiteral("۱۲") << QChar(u'۵');
    QTest::newRow("ar") << QStringLiteral("ar") << QStringList{"٧", "١٢", "١٥"} << QStringLiteral("١٢") << QChar(u'٥');
    QTest::newRow("fa typed 0-9") << QStringLiteral("fa") << persian << QStringLiteral("12") << QChar(u'5');
    QTest::newRow("en") << QStringLiteral("en") << QStringList{"7", "12", "15"} << QStringLiteral("12") << QChar(u'5');
}

void RightToLeftTest::schoolDigitsAnswerAndSet()
{
    QFETCH(QString, language);
    QFETCH(QStringList, captions);
    QFETCH(QString, typed);
    QFETCH(QChar, five);
    const Language chosen(language);
    App app;
    app.show();
    QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));

    // The Right box read as 5 in the school's digits, typed as the pupil would.
    auto* right = named<QComboBox>(app.mainWindow(), "NumRepeat");
    right->lineEdit()->setFocus();
    right->lineEdit()->selectAll();
    type(right->lineEdit(), five);
    QTest::mouseClick(named<QPushButton>(app.mainWindow(), "Start"), Qt::LeftButton);
    QCOMPARE(app.data().retireat, 5);

    // The buttons show the school's digits; typing 12 answers the middle one.
    const QString drawn = named<QPushButton>(app.mainWindow(), "but(0)")->text();
    const auto zeroOf = [](QChar digit) { return digit.unicode() - digit.digitValue(); };
    QCOMPARE(zeroOf(drawn.at(0)), zeroOf(captions.at(0).at(0)));
    for (int i = 0; i < 3; ++i) {
        app.model().but(i).setCaption(captions.at(i).toStdString());
    }
    app.data().rightslot = 2;
    QVERIFY(QApplication::focusWidget() != nullptr);
    for (const QChar character : typed) {
        type(QApplication::focusWidget(), character);
    }
    QCOMPARE(app.data().totalprobs, 1);
    QCOMPARE(app.data().totalright, 1);
}

void RightToLeftTest::signsComeFromTheCatalogue_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("problem");  // a pattern
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("( x )") << QStringLiteral("^\\d+ x \\d+$");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("( · )") << QStringLiteral("^\\d+ · \\d+$");
    QTest::newRow("fa") << QStringLiteral("fa") << QStringLiteral("\u202D( x )\u202C")
                        << QStringLiteral("^\u202D[۰-۹]+ x [۰-۹]+\u202C$");
}

void RightToLeftTest::signsComeFromTheCatalogue()
{
    QFETCH(QString, language);
    QFETCH(QString, option);
    QFETCH(QString, problem);
    const Language chosen(language);
    App app;
    auto* times = named<QAbstractButton>(app.mainWindow(), "Option1(2)");
    QCOMPARE(times->text(), option);
    QCOMPARE(korvane::qttest::nameOf(times), QStringLiteral("Multiplication"));  // no marks spoken
    QTest::mouseClick(times, Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(app.mainWindow(), "Start"), Qt::LeftButton);
    const QString shown = named<QLabel>(app.mainWindow(), "cap")->text();
    QVERIFY2(QRegularExpression(problem).match(shown).hasMatch(), qPrintable(shown));
}

void RightToLeftTest::theGridReadsFromTheRight_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("ar") << QStringLiteral("ar") << true;
    QTest::newRow("fa") << QStringLiteral("fa") << true;
    QTest::newRow("en") << QStringLiteral("en") << false;
}

void RightToLeftTest::theGridReadsFromTheRight()
{
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    const Language chosen(language);
    App app;
    app.data().numsel(1) = 1;
    app.data().numsel(2) = 1;
    app.pf().showResults();
    QWidget* pf = app.resultsHost().window();
    QVERIFY(pf != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(pf));
    auto* grid = named<QWidget>(*pf, QStringLiteral("dt"));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    const QPoint origin = grid->mapToGlobal(QPoint(0, 0));
    const QImage drawn = grid->grab().toImage();
    const QColor ground = drawn.pixelColor(drawn.width() / 2, drawn.height() - 2);
    // The headers of columns 1 to 10 in reading order, each over its own
    // numbers: where a screen reader says it is, something is drawn.
    QList<int> lefts;
    for (int k = 0; k < 10; ++k) {
        QAccessibleInterface* header = table->child(k);
        QCOMPARE(header->role(), QAccessible::ColumnHeader);
        const QRect box = header->rect().translated(-origin);
        QVERIFY2(korvane::qttest::hasInk(drawn, box, ground), qPrintable(header->text(QAccessible::Name)));
        lefts << box.x();
    }
    for (int k = 1; k < 10; ++k) {
        QCOMPARE(lefts.at(k) < lefts.at(k - 1), mirrored);
    }
    QAccessibleInterface* rowHeader = table->tableInterface()->cellAt(0, 0)->tableCellInterface()->rowHeaderCells()[0];
    QCOMPARE(rowHeader->rect().x() > table->tableInterface()->cellAt(0, 9)->rect().x(), mirrored);
    // The arrow keys go where they point.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(table->focusChild(), table->tableInterface()->cellAt(0, mirrored ? 1 : 0));
    app.pf().Unload();
}

QTEST_MAIN(RightToLeftTest)
#include "right_to_left_test.moc"
