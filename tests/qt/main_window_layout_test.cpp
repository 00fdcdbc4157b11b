// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The main window as the pupil first sees it: every control at its place,
// with its font, colours, lists and tab order. Its start-up state (captions,
// settings, choices, timers) is in main_window_startup_test.cpp.

#include <memory>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/main/main_sheet.h"

using korvane::App;
using korvane::qttest::itemsOf;
using korvane::qttest::named;
using korvane::qttest::resolvedFamily;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { app_ = std::make_unique<App>(); }
    void cleanup() { app_.reset(); }

    void windowHasItsCaptionAndClientSizeCentredOnScreen();
    void resizingMovesAndScalesNothing();
    void controlsSitAtThePlacesOfTheDesign_data();
    void controlsSitAtThePlacesOfTheDesign();
    void everyControlLiesWithinItsContainer();
    void focusableControlsOverlapOnlyWhereTheDesignPutsThem();
    void fontsResolveToTheMetricTwinsAtTheirPixelSizes_data();
    void fontsResolveToTheMetricTwinsAtTheirPixelSizes();
    void numberDigitsStandOverTheirBoxes_data();
    void numberDigitsStandOverTheirBoxes();
    void labelsAreOpaqueWrappingAndTopAligned_data();
    void labelsAreOpaqueWrappingAndTopAligned();
    void problemLabelIsOnWhiteAndTheWindowOnButtonFace();
    void comboBoxesHoldTheirListsWithEveryBlank_data();
    void comboBoxesHoldTheirListsWithEveryBlank();
    void nothingButTheButtonsAndSettingsTakesFocus_data();
    void nothingButTheButtonsAndSettingsTakesFocus();
    void noButtonIsADefaultButton();
    void aControlLeftOutOfTheLayoutIsReportedAsTheWindowIsMade();
    void fixedCaptionsAreTranslatedIntoTheModelAsEachWindowIsMade();

private:
    QWidget& window() { return app_->mainWindow(); }
    std::unique_ptr<App> app_;
};

void MainWindowLayoutTest::windowHasItsCaptionAndClientSizeCentredOnScreen()
{
    QCOMPARE(window().objectName(), QStringLiteral("Tallyquip"));
    QCOMPARE(window().windowTitle(), QStringLiteral("Belquist:Korvane"));
    QVERIFY(window().parentWidget() == nullptr);
    QCOMPARE(window().size(), QSize(694, 462));
    const QPoint screenCentre = window().screen()->availableGeometry().center();
    QVERIFY2((window().geometry().center() - screenCentre).manhattanLength() <= 2, "window not centred");
}

void MainWindowLayoutTest::resizingMovesAndScalesNothing()
{
    auto* cap = named<QLabel>(window(), "cap");
    auto* start = named<QPushButton>(window(), "Start");
    auto* ck9 = named<QCheckBox>(window(), "ck(9)");
    QVERIFY(cap && start && ck9);
    app_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    const QRect capBefore = cap->geometry();
    const QRect startBefore = start->geometry();
    const QRect ckBefore = ck9->geometry();
    const int fontBefore = cap->font().pixelSize();
    for (const QSize size : {QSize(1000, 700), QSize(400, 300)}) {
        window().resize(size);
        QTest::qWait(20);
        QCOMPARE(cap->geometry(), capBefore);
        QCOMPARE(start->geometry(), startBefore);
        QCOMPARE(ck9->geometry(), ckBefore);
        QCOMPARE(cap->font().pixelSize(), fontBefore);
    }
}

void MainWindowLayoutTest::controlsSitAtThePlacesOfTheDesign_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    auto row = [](const char* name, const char* container, int x, int y, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(container) << QRect(x, y, w, h);
    };
    row("cap", "Tallyquip", 184, 192, 321, 89);
    row("but(1)", "Tallyquip", 248, 312, 185, 137);
    row("Start", "Tallyquip", 528, 8, 153, 65);
    row("Timecap", "Tallyquip", 536, 160, 137, 41);
    row("Option1(2)", "Tallyquip", 232, 144, 65, 17);
    row("Value", "Tallyquip", 8, 0, 201, 145);
    // Measured from their frames.
    row("ck(0)", "Value", 16, 32, 17, 25);
    row("ck(10)", "Value", 176, 56, 17, 25);
    row("ShockTime", "Ftime", 160, 80, 81, 21);
}

void MainWindowLayoutTest::controlsSitAtThePlacesOfTheDesign()
{
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QWidget* widget = named(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget, "no widget of that name");
    QVERIFY(widget->parentWidget());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
}

namespace {

// The widgets the window made and named, without the toolkit's own parts.
QList<QWidget*> namedControls(QWidget& window)
{
    QList<QWidget*> found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            found << widget;
        }
    }
    return found;
}

}  // namespace

void MainWindowLayoutTest::everyControlLiesWithinItsContainer()
{
    // One widget for each row of the sheet, and none besides.
    const QList<QWidget*> controls = namedControls(window());
    QCOMPARE(controls.size(), static_cast<qsizetype>(korvane::mainSheet().rows.size()));
    for (QWidget* widget : controls) {
        const QWidget* container = widget->parentWidget();
        const bool frameOrWindow = container == &window() || qobject_cast<const QGroupBox*>(container);
        QVERIFY2(frameOrWindow, qPrintable(widget->objectName()));
        QVERIFY2(!widget->geometry().isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(container->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
    }
}

void MainWindowLayoutTest::focusableControlsOverlapOnlyWhereTheDesignPutsThem()
{
    QList<QWidget*> focusable;
    for (QWidget* widget : namedControls(window())) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            focusable << widget;
        }
    }
    QVERIFY(focusable.size() > 30);
    auto inWindow = [this](QWidget* widget) { return QRect(widget->mapTo(&window(), QPoint(0, 0)), widget->size()); };
    QStringList overlaps;
    for (qsizetype i = 0; i < focusable.size(); ++i) {
        for (qsizetype j = i + 1; j < focusable.size(); ++j) {
            if (inWindow(focusable[i]).intersects(inWindow(focusable[j]))) {
                QStringList pair{focusable[i]->objectName(), focusable[j]->objectName()};
                pair.sort();
                overlaps << pair.join(QLatin1Char('+'));
            }
        }
    }
    overlaps.sort();
    // The operation buttons stand one pixel into each other, as designed.
    QCOMPARE(overlaps, (QStringList{"Option1(0)+Option1(1)", "Option1(1)+Option1(2)"}));
}

void MainWindowLayoutTest::fontsResolveToTheMetricTwinsAtTheirPixelSizes_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    const QString sans = QStringLiteral("Liberation Sans");
    QTest::newRow("cap") << sans << 64;  // Arial 48 pt
    QTest::newRow("but(0)") << sans << 64;
    QTest::newRow("but(1)") << sans << 64;
    QTest::newRow("but(2)") << sans << 64;
    QTest::newRow("Start") << sans << 32;  // Arial 24 pt
    QTest::newRow("Stop") << sans << 32;
    QTest::newRow("results") << sans << 24;  // Arial 18 pt
    QTest::newRow("clear") << sans << 24;
    QTest::newRow("Timecap") << sans << 19;  // Arial 14.25 pt
    QTest::newRow("score") << sans << 19;
    // The small dialog font of the settings panel.
    for (const char* name : {"L1to5", "L610", "Lplusten", "ck(0)", "selectall", "unselect", "Option1(0)", "setp(1)",
                             "maxtime", "Lmaxtime", "Label3", "Value", "Ftime"}) {
        QTest::newRow(name) << sans << 11;
    }
}

void MainWindowLayoutTest::fontsResolveToTheMetricTwinsAtTheirPixelSizes()
{
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QWidget* widget = named(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget, "no widget of that name");
    QCOMPARE(resolvedFamily(*widget), family);
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().weight(), QFont::Normal);
    QVERIFY(!widget->font().italic());
    QVERIFY(!widget->font().underline());
}

void MainWindowLayoutTest::numberDigitsStandOverTheirBoxes_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("firstBox");
    QTest::newRow("L1to5") << QStringList{"1", "2", "3", "4", "5"} << 0;
    QTest::newRow("L610") << QStringList{"6", "7", "8", "9", "10"} << 5;
}

void MainWindowLayoutTest::numberDigitsStandOverTheirBoxes()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, firstBox);
    auto* label = named<QLabel>(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label);
    const QString text = label->text();
    const QFontMetricsF metrics(label->font());
    qsizetype from = 0;
    for (int k = 0; k < numbers.size(); ++k) {
        const qsizetype at = text.indexOf(numbers[k], from);
        QVERIFY(at >= 0);
        from = at + numbers[k].size();
        const qreal numberCentre =
            label->x() + metrics.horizontalAdvance(text.left(at)) + metrics.horizontalAdvance(numbers[k]) / 2;

        auto* box = named<QCheckBox>(window(), QStringLiteral("ck(%1)").arg(firstBox + k));
        QVERIFY(box);
        QCOMPARE(box->parentWidget(), label->parentWidget());
        QStyleOptionButton option;
        option.initFrom(box);
        const QRectF indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const qreal boxCentre = box->x() + indicator.center().x();
        QVERIFY2(
            qAbs(numberCentre - boxCentre) <= 3.0,
            qPrintable(QStringLiteral("%1 at %2, its box at %3").arg(numbers[k]).arg(numberCentre).arg(boxCentre)));
    }
}

void MainWindowLayoutTest::labelsAreOpaqueWrappingAndTopAligned_data()
{
    QTest::addColumn<int>("horizontal");
    for (const char* name : {"cap", "Timecap", "score"}) {
        QTest::newRow(name) << int(Qt::AlignHCenter);
    }
    for (const char* name : {"L1to5", "L610", "Lplusten", "Lmaxtime", "Lmaxnumber", "Label1", "Label2", "Label3"}) {
        QTest::newRow(name) << int(Qt::AlignLeft);
    }
}

void MainWindowLayoutTest::labelsAreOpaqueWrappingAndTopAligned()
{
    QFETCH(int, horizontal);
    auto* label = named<QLabel>(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(label, "no label of that name");
    QVERIFY(label->autoFillBackground());
    QVERIFY(label->wordWrap());
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), horizontal);
    QCOMPARE(int(label->alignment() & Qt::AlignVertical_Mask), int(Qt::AlignTop));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);

    // A long caption wraps and is cut off; the label keeps its size.
    const QSize before = label->size();
    label->setText(QStringLiteral("a very long caption that cannot possibly fit on one line of this label"));
    QCOMPARE(label->size(), before);
}

void MainWindowLayoutTest::problemLabelIsOnWhiteAndTheWindowOnButtonFace()
{
    auto* cap = named<QLabel>(window(), "cap");
    QVERIFY(cap);
    QCOMPARE(cap->palette().color(QPalette::Window), QColor(Qt::white));
    const QColor buttonFace = QApplication::palette().color(QPalette::Window);
    QCOMPARE(window().palette().color(QPalette::Window), buttonFace);
    for (const char* name : {"score", "Timecap", "L1to5", "Label3"}) {
        QCOMPARE(named(window(), QString::fromLatin1(name))->palette().color(QPalette::Window), buttonFace);
    }

    // And so it is drawn: the middle of the problem label's band is white.
    app_->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    const QImage image = window().grab().toImage();
    QCOMPARE(image.pixelColor(cap->geometry().left() + 3, cap->geometry().bottom() - 3), QColor(Qt::white));
    QCOMPARE(image.pixelColor(690, 300), buttonFace);
}

void MainWindowLayoutTest::comboBoxesHoldTheirListsWithEveryBlank_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::newRow("maxtime") << QStringList{"   1", "   2", "   3 ", "   4", "   5 ", "   6", "   7 ",
                                            "   8", "   9", "  10",  "  15", "  20",  "  25", "  30"};
    QTest::newRow("MaxNum") << QStringList{"  10",  "  15",  "   20", "   25", "   30", "   35", "   40",
                                           "   45", "   50", "   60", "   70", "   80", "   90", " 100"};
    QTest::newRow("wrongnum") << QStringList{"   1", "   2", "   3", "   4", "   5", "   6", "   7",
                                             "   8", "   9", "  10", "  11", "  12", "  13", "  14",
                                             "  15", "  16", "  17", "  18", "  19", "  20"};
    QTest::newRow("NumRepeat") << QStringList{"   1", "   2", "   3", "   4", "   5", "   6",
                                              "   7", "   8", "   9", " 10",  "   "};
    QTest::newRow("ShockTime") << QStringList{"   1", "   2", "   3", "   4", "   5", "   6",
                                              "   7", "   8", "   9", "  10", " "};
}

void MainWindowLayoutTest::comboBoxesHoldTheirListsWithEveryBlank()
{
    QFETCH(QStringList, items);
    auto* combo = named<QComboBox>(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(combo, "no combo box of that name");
    QCOMPARE(itemsOf(*combo), items);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    QVERIFY2(combo->completer() == nullptr, "typed text must not be completed from the list");
}

void MainWindowLayoutTest::nothingButTheButtonsAndSettingsTakesFocus_data()
{
    QTest::addColumn<bool>("focusable");
    for (const char* name : {"cap", "score", "Timecap", "L1to5", "L610", "Lplusten", "Lmaxtime", "Lmaxnumber", "Label1",
                             "Label2", "Label3", "Value", "Ftime", "pic(0)", "pic(1)", "pic(2)", "pic(3)", "scor"}) {
        QTest::newRow(name) << false;
    }
    for (const char* name : {"clear", "but(0)", "ck(10)", "Option1(1)", "setp(3)", "maxtime"}) {
        QTest::newRow(name) << true;
    }
}

void MainWindowLayoutTest::nothingButTheButtonsAndSettingsTakesFocus()
{
    QFETCH(bool, focusable);
    QWidget* widget = named(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget, "no widget of that name");
    QCOMPARE(bool(widget->focusPolicy() & Qt::TabFocus), focusable);
}

void MainWindowLayoutTest::noButtonIsADefaultButton()
{
    for (QPushButton* button : window().findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
    }
}

void MainWindowLayoutTest::aControlLeftOutOfTheLayoutIsReportedAsTheWindowIsMade()
{
    QVERIFY(app_->mainWindow().unplaced().empty());

    korvane::Data data;
    korvane::SeededRandom random;
    korvane::Tpop tpop{data};
    korvane::Pf pf{data};
    korvane::Tallyquip model{data, random, tpop, pf};
    // A control added to the model that the window does not lay out.
    const korvane::Label extra{model, "extra", "Extra"};
    QTest::ignoreMessage(QtCriticalMsg, "Controls left out of the main window's layout: extra");
    korvane::ProgramKeys keys;
    const korvane::MainWindow window(model, keys);
    QCOMPARE(window.unplaced(), std::vector<std::string>{"extra"});
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("extra")));
}

namespace {

// Marks every word it is asked for, so a word translated twice shows.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        return QStringLiteral("<%1:%2>").arg(QLatin1String(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void MainWindowLayoutTest::fixedCaptionsAreTranslatedIntoTheModelAsEachWindowIsMade()
{
    korvane::Data data;
    korvane::SeededRandom random;
    korvane::Tpop tpop{data};
    korvane::Pf pf{data};
    korvane::Tallyquip model{data, random, tpop, pf};
    // Made before any translator: the models hold the English words.
    QCOMPARE(model.Start.Caption(), std::string("Start"));
    QCOMPARE(tpop.kill.Caption(), std::string("OK"));

    MarkingTranslator marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    korvane::ProgramKeys keys;
    {
        const korvane::MainWindow window(model, keys);
        // Written into the model, which the drill reads, and shown.
        QCOMPARE(model.Stop.Caption(), std::string("<MainWindow:Pause>"));
        QCOMPARE(model.setp(1).Caption(), std::string("<MainWindow:Number>"));
        QCOMPARE(named<QPushButton>(window, "Stop")->text(), QStringLiteral("<MainWindow:Pause>"));
        QCOMPARE(named<QGroupBox>(window, "Value")->title(), QStringLiteral("<MainWindow:Values>"));
        // Spoken names in the same context; a label names its combo box.
        QCOMPARE(named(window, "but(1)")->accessibleName(), QStringLiteral("<MainWindow:Answer %1>").arg(2));
        QCOMPARE(named(window, "MaxNum")->accessibleName(), QStringLiteral("<MainWindow:MaxNumber>"));
        // Signs and digits stay as they are.
        QCOMPARE(model.Option1(0).Caption(), std::string("( + )"));
        QCOMPARE(named<QLabel>(window, "Lplusten")->text(), QStringLiteral(" +10"));
    }
    // The popup is made afresh on each showing: its words are translated
    // once, from the English, however often it is made.
    korvane::Tpop& popup = app_->tpop();
    app_->data().curfact = 1;  // the fact whose answer it shows
    for (int made = 1; made <= 2; ++made) {
        popup.Load();
        popup.ShowModeless();
        QCOMPARE(popup.kill.Caption(), std::string("<PopupWindow:OK>"));
        QWidget* window = korvane::qttest::topLevel(QStringLiteral("tpop"));
        QVERIFY(window);
        QCOMPARE(named(*window, "giveanswer")->accessibleName(), QStringLiteral("<PopupWindow:Right answer>"));
        popup.Unload();
    }
    QCoreApplication::removeTranslator(&marking);
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
