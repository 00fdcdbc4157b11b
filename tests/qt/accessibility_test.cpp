// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// What a screen reader finds in the windows: a name for every control, the
// problem and the answers as descriptions that follow the drill, the
// popup's headline and answer line, the results as text, and a clock that
// never speaks up by itself.
//
// The offscreen platform has no accessibility bridge, so Qt sends no change
// events here; these tests read the interfaces as a screen reader asks
// them. The events themselves are watched in the running program through
// AT-SPI (tests/a11y).

#include <memory>
#include <vector>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/shared/announcer.h"
#include "ui/main/app.h"
#include "ui/main/main_layout.h"
#include "ui/shared/widget_binding.h"
#include "ui/results/drawing_widget.h"

using korvane::App;
using korvane::qttest::named;
using korvane::qttest::topLevel;

namespace {

QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

QString nameOf(QWidget* widget)
{
    QAccessibleInterface* iface = accessible(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

QString descriptionOf(QWidget* widget)
{
    QAccessibleInterface* iface = accessible(widget);
    return iface != nullptr ? iface->text(QAccessible::Description) : QStringLiteral("(no interface)");
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { app_.reset(); }

    void everyControlOfTheMainWindowHasAName();
    void controlsAreNamedByCaptionOrRole_data();
    void controlsAreNamedByCaptionOrRole();
    void comboBoxesAreNamedAndLabelledByTheLabelBesideThem_data();
    void comboBoxesAreNamedAndLabelledByTheLabelBesideThem();
    void optionButtonsAreRadioButtonsThatFollowTheModel();
    void theProblemAndTheAnswersAreDescribedAsTheDrillShowsThem();
    void rightOrWrongIsTheDescriptionAtTheEndOfARun_data();
    void rightOrWrongIsTheDescriptionAtTheEndOfARun();
    void theClockHasAFixedNameAndTellsTheTimeOnlyWhenAsked();
    void thePopupSaysItsHeadlineAndAnswerLine();
    void spokenWordsLeaveOutTheMarks_data();
    void spokenWordsLeaveOutTheMarks();
    void theResultsWindowIsNamedAndItsGridReadAsLines();
    void theGridIsATableOfFactsWithHeaders();
    void arrowKeysMoveTheCurrentCellAndNothingOnScreen();
    void theProblemAndTheFeedbackAreAnnouncedWhereverTheFocusIs();
    void aWrongAnswerLeavesItsWordToThePopupAndTheProblemWaitsForIt();
    void aDrawingIsReadRowByRowLeftToRight();

private:
    QWidget& window() { return app_->mainWindow(); }
    QWidget* widget(const QString& name) { return named(window(), name); }
    void click(QWidget* target)
    {
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
    QWidget* answer(bool right)
    {
        const int slot = app_->data().rightslot;
        return widget(QStringLiteral("but(%1)").arg(right ? slot - 1 : slot % 3));
    }
    QString problemOnScreen() { return named<QLabel>(window(), QStringLiteral("cap"))->text(); }
    // One right and one wrong answer, Pause, Results; the operands of the
    // fact answered first, right.
    std::pair<int, int> playAndOpenResults()
    {
        click(widget(QStringLiteral("Start")));
        const auto& fact = app_->data().facts(app_->data().curfact);
        const std::pair<int, int> asked{fact.num1, fact.num2};
        click(answer(true));
        click(answer(false));
        click(widget(QStringLiteral("Stop")));
        click(widget(QStringLiteral("results")));
        return asked;
    }

    std::unique_ptr<App> app_;
};

void AccessibilityTest::init()
{
    app_ = std::make_unique<App>();
    app_->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void AccessibilityTest::everyControlOfTheMainWindowHasAName()
{
    int controls = 0;
    for (const korvane::layout::Place& place : korvane::layout::mainWindow()) {
        QWidget* control = widget(QString::fromLatin1(place.name.data(), static_cast<qsizetype>(place.name.size())));
        QVERIFY2(control, place.name.data());
        QVERIFY2(!nameOf(control).trimmed().isEmpty(), place.name.data());
        ++controls;
    }
    QCOMPARE(controls, static_cast<int>(korvane::layout::mainWindow().size()));
    // The text fields inside the combo boxes take the focus: they are named
    // as well.
    for (QComboBox* combo : window().findChildren<QComboBox*>()) {
        QVERIFY2(!nameOf(combo->lineEdit()).isEmpty(), qPrintable(combo->objectName()));
    }
}

void AccessibilityTest::controlsAreNamedByCaptionOrRole_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    for (int i = 0; i < 10; ++i) {
        QTest::addRow("ck(%d)", i) << QStringLiteral("ck(%1)").arg(i) << QStringLiteral("Number %1").arg(i + 1);
    }
    QTest::newRow("ck(10)") << "ck(10)" << "Plus ten";
    QTest::newRow("cap") << "cap" << "Problem";
    QTest::newRow("Timecap") << "Timecap" << "Time left";
    QTest::newRow("score") << "score" << "Score";
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("but(%d)", i) << QStringLiteral("but(%1)").arg(i) << QStringLiteral("Answer %1").arg(i + 1);
    }
    QTest::newRow("Start") << "Start" << "Start";
    QTest::newRow("Stop") << "Stop" << "Pause";
    QTest::newRow("clear") << "clear" << "Reset";
    QTest::newRow("results") << "results" << "Results";
    QTest::newRow("selectall") << "selectall" << "Select All";
    QTest::newRow("unselect") << "unselect" << "Unselect";
    QTest::newRow("Option1(0)") << "Option1(0)" << "Addition";
    QTest::newRow("Option1(1)") << "Option1(1)" << "Subtraction";
    QTest::newRow("Option1(2)") << "Option1(2)" << "Multiplication";
    QTest::newRow("setp(0)") << "setp(0)" << "Time";
    QTest::newRow("setp(3)") << "setp(3)" << "Less";
    QTest::newRow("pic(0)") << "pic(0)" << "Belquist logo";
    QTest::newRow("pic(1)") << "pic(1)" << "Three question marks";
    QTest::newRow("pic(2)") << "pic(2)" << "Smiling face";
    QTest::newRow("pic(3)") << "pic(3)" << "Surprised face";
    QTest::newRow("scor") << "scor" << "Chime";
    QTest::newRow("Value") << "Value" << "Values";
    QTest::newRow("Ftime") << "Ftime" << "Time";
}

void AccessibilityTest::controlsAreNamedByCaptionOrRole()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(nameOf(widget(control)), name);
}

void AccessibilityTest::comboBoxesAreNamedAndLabelledByTheLabelBesideThem_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::newRow("maxtime") << "maxtime" << "Lmaxtime" << "MaxTime";
    QTest::newRow("MaxNum") << "MaxNum" << "Lmaxnumber" << "MaxNumber";
    QTest::newRow("wrongnum") << "wrongnum" << "Label1" << "Wrong";
    QTest::newRow("NumRepeat") << "NumRepeat" << "Label2" << "Right";
    QTest::newRow("ShockTime") << "ShockTime" << "Label3" << "TimeLimit";
}

void AccessibilityTest::comboBoxesAreNamedAndLabelledByTheLabelBesideThem()
{
    QFETCH(QString, combo);
    QFETCH(QString, label);
    QFETCH(QString, name);
    auto* box = named<QComboBox>(window(), combo);
    auto* beside = named<QLabel>(window(), label);
    QVERIFY(box && beside);
    QCOMPARE(box->accessibleName(), name);
    QCOMPARE(nameOf(box->lineEdit()), name);
    QCOMPARE(beside->buddy(), box);
    // The relation a screen reader follows from the box to its label.
    bool labelled = false;
    for (const auto& [other, relation] : accessible(box)->relations(QAccessible::Label)) {
        labelled = labelled || other->object() == beside;
    }
    QVERIFY(labelled);
}

void AccessibilityTest::optionButtonsAreRadioButtonsThatFollowTheModel()
{
    for (const char* name : {"Option1(0)", "Option1(1)", "Option1(2)", "setp(0)", "setp(1)", "setp(2)", "setp(3)"}) {
        QAccessibleInterface* option = accessible(widget(QString::fromLatin1(name)));
        QVERIFY2(option, name);
        QCOMPARE(option->role(), QAccessible::RadioButton);
        QVERIFY2(option->state().checkable, name);
    }
    QAccessibleInterface* plus = accessible(widget(QStringLiteral("Option1(0)")));
    QAccessibleInterface* times = accessible(widget(QStringLiteral("Option1(2)")));
    QVERIFY(plus->state().checked);
    QVERIFY(!times->state().checked);

    // Pressed through the accessibility action, as a screen reader does.
    QAccessibleActionInterface* action = times->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(app_->data().optype, 3);
    QVERIFY(times->state().checked);
    QVERIFY(!plus->state().checked);

    // Chosen by the program, the state follows too.
    app_->model().Option1(1).choose();
    QVERIFY(accessible(widget(QStringLiteral("Option1(1)")))->state().checked);
    QVERIFY(!times->state().checked);

    // While a run goes on the options are locked, for the action as well.
    click(widget(QStringLiteral("Start")));
    accessible(widget(QStringLiteral("Option1(0)")))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(app_->data().optype, 2);
}

void AccessibilityTest::theProblemAndTheAnswersAreDescribedAsTheDrillShowsThem()
{
    QWidget* cap = widget(QStringLiteral("cap"));
    QCOMPARE(descriptionOf(cap), QStringLiteral("Tallyquip"));
    QCOMPARE(descriptionOf(widget(QStringLiteral("but(0)"))), QStringLiteral("1"));

    click(widget(QStringLiteral("Start")));
    const auto& fact = app_->data().facts(app_->data().curfact);
    const QString problem = QStringLiteral("%1 + %2").arg(fact.num1).arg(fact.num2);
    QCOMPARE(problemOnScreen(), problem);
    QCOMPARE(descriptionOf(cap), problem);
    QCOMPARE(nameOf(cap), QStringLiteral("Problem"));

    bool rightOneSeen = false;
    for (int i = 0; i < 3; ++i) {
        auto* button = named<QPushButton>(window(), QStringLiteral("but(%1)").arg(i));
        QCOMPARE(descriptionOf(button), button->text());
        QCOMPARE(nameOf(button), QStringLiteral("Answer %1").arg(i + 1));
        rightOneSeen = rightOneSeen || descriptionOf(button) == QString::number(fact.answer);
    }
    QVERIFY(rightOneSeen);
    QCOMPARE(descriptionOf(answer(true)), QString::number(fact.answer));

    // The next problem replaces the descriptions.
    click(answer(true));
    const auto& next = app_->data().facts(app_->data().curfact);
    QCOMPARE(descriptionOf(cap), QStringLiteral("%1 + %2").arg(next.num1).arg(next.num2));
    QCOMPARE(descriptionOf(answer(true)), QString::number(next.answer));
    QCOMPARE(descriptionOf(widget(QStringLiteral("score"))), QStringLiteral("Score:  1 / 1"));
}

void AccessibilityTest::rightOrWrongIsTheDescriptionAtTheEndOfARun_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("said");
    QTest::newRow("right") << true << "Correct!";
    QTest::newRow("wrong") << false << "Wrong!";
}

void AccessibilityTest::rightOrWrongIsTheDescriptionAtTheEndOfARun()
{
    QFETCH(bool, right);
    QFETCH(QString, said);
    // A run of one problem: the feedback is not replaced by a next one.
    app_->model().MaxNum.setText("1");
    click(widget(QStringLiteral("Start")));
    click(answer(right));
    QCOMPARE(app_->data().totalprobs, 1);
    QCOMPARE(problemOnScreen(), said);
    QCOMPARE(descriptionOf(widget(QStringLiteral("cap"))), said);
    QCOMPARE(descriptionOf(widget(QStringLiteral("score"))), QStringLiteral("Score:  %1 / 1").arg(right ? 1 : 0));
}

void AccessibilityTest::theClockHasAFixedNameAndTellsTheTimeOnlyWhenAsked()
{
    auto* clock = named<QLabel>(window(), QStringLiteral("Timecap"));
    click(widget(QStringLiteral("Start")));

    QStringList shown;
    for (int second = 0; second < 5; ++second) {
        app_->model().countdown_Timer();
        shown << clock->text();
        // Asked for, the description is the time of the moment.
        QCOMPARE(descriptionOf(clock), clock->text());
        QCOMPARE(nameOf(clock), QStringLiteral("Time left"));
        QCOMPARE(accessible(clock)->role(), QAccessible::StaticText);
        // Qt announces a label's new text only while the label has no name
        // of its own, and a description only when one is set: neither
        // happens as the clock runs.
        QCOMPARE(clock->accessibleName(), QStringLiteral("Time left"));
        QVERIFY2(clock->accessibleDescription().isEmpty(), qPrintable(clock->accessibleDescription()));
    }
    QCOMPARE(shown.first(), QStringLiteral("Time:  5"));
    QCOMPARE(shown.last(), QStringLiteral("Time:  1"));
    click(widget(QStringLiteral("Stop")));
    QCOMPARE(descriptionOf(clock), QStringLiteral("Time"));
    QVERIFY(clock->accessibleDescription().isEmpty());

    // The labels that are meant to be heard do set their descriptions.
    QCOMPARE(widget(QStringLiteral("cap"))->accessibleDescription(), problemOnScreen());
}

void AccessibilityTest::thePopupSaysItsHeadlineAndAnswerLine()
{
    click(widget(QStringLiteral("Start")));
    const auto first = app_->data().facts(app_->data().curfact);
    click(answer(false));
    QWidget* popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    const QString line = QStringLiteral("%1 + %2 = %3").arg(first.num1).arg(first.num2).arg(first.answer);
    QCOMPARE(nameOf(named(*popup, QStringLiteral("Label1"))), QStringLiteral("Wrong Answer"));
    // The line is said once, with OK: the label's name is two words, which
    // a screen reader does not read out among the window's loose labels.
    QCOMPARE(nameOf(named(*popup, QStringLiteral("giveanswer"))), QStringLiteral("Right answer"));
    QCOMPARE(descriptionOf(named(*popup, QStringLiteral("giveanswer"))), line);
    QWidget* ok = named(*popup, QStringLiteral("kill"));
    QCOMPARE(nameOf(ok), QStringLiteral("OK"));
    QCOMPARE(descriptionOf(ok), QStringLiteral("Wrong Answer. ") + line);

    // A second miss while the popup is open: the same OK tells the new line.
    const auto second = app_->data().facts(app_->data().curfact);
    click(answer(false));
    QCOMPARE(topLevel(QStringLiteral("tpop")), popup);
    const QString secondLine = QStringLiteral("%1 + %2 = %3").arg(second.num1).arg(second.num2).arg(second.answer);
    QCOMPARE(descriptionOf(ok), QStringLiteral("Wrong Answer. ") + secondLine);
    QCOMPARE(ok->accessibleDescription(), QStringLiteral("Wrong Answer. ") + secondLine);
}

void AccessibilityTest::spokenWordsLeaveOutTheMarks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("words");
    QTest::newRow("wrong answer") << " ^.^ !! Wrong Answer !! ^.^ " << "Wrong Answer";
    QTest::newRow("time out") << " ^_^ !!Time Out!! ^_^ " << "Time Out";
    QTest::newRow("plain") << "Correct" << "Correct";
    QTest::newRow("marks inside a word stay") << "don't stop" << "don't stop";
    QTest::newRow("only marks") << " ^.^ !! " << "";
    QTest::newRow("empty") << "" << "";
}

void AccessibilityTest::spokenWordsLeaveOutTheMarks()
{
    QFETCH(QString, caption);
    QFETCH(QString, words);
    QCOMPARE(korvane::binding::spokenWords(caption), words);
}

void AccessibilityTest::theResultsWindowIsNamedAndItsGridReadAsLines()
{
    const auto asked = playAndOpenResults();
    QWidget* pf = topLevel(QStringLiteral("pf"));
    QVERIFY(pf);
    for (const char* name : {"show10", "show20", "okclose"}) {
        QVERIFY2(!nameOf(named(*pf, QString::fromLatin1(name))).isEmpty(), name);
    }
    QWidget* grid = named(*pf, QStringLiteral("dt"));
    // Entering the table, a screen reader says its name: the totals with it.
    QCOMPARE(nameOf(grid), QStringLiteral("Results grid. Total Right= 1 Total Problems= 2"));
    QTRY_COMPARE(descriptionOf(grid).split(QLatin1Char('\n')),
                 QStringList({"Numbers 1 thru 10 Key:Correct / Total", "Total Right= 1 Total Problems= 2"}));
    QCOMPARE(accessible(grid)->role(), QAccessible::Table);
    (void)asked;
}

void AccessibilityTest::theGridIsATableOfFactsWithHeaders()
{
    const auto [num1, num2] = playAndOpenResults();
    QWidget* grid = named(*topLevel(QStringLiteral("pf")), QStringLiteral("dt"));
    QAccessibleTableInterface* table = accessible(grid)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 10);
    QAccessibleInterface* cell = table->cellAt(num1 - 1, num2 - 1);
    QVERIFY(cell && cell->tableCellInterface());
    // The same fact may have come up again for the wrong answer.
    int asked = 1;
    while (app_->data().facts(asked).num1 != num1 || app_->data().facts(asked).num2 != num2) {
        ++asked;
    }
    const auto& fact = app_->data().facts(asked);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("%1 + %2: %3 right of %4")
                                                .arg(num1).arg(num2).arg(fact.timesright)
                                                .arg(fact.timesright + fact.timeswrong));
    QVERIFY(fact.timesright == 1);
    QCOMPARE(cell->role(), QAccessible::Cell);
    const auto columnHeaders = cell->tableCellInterface()->columnHeaderCells();
    const auto rowHeaders = cell->tableCellInterface()->rowHeaderCells();
    QCOMPARE(columnHeaders.size(), 1);
    QCOMPARE(rowHeaders.size(), 1);
    QCOMPARE(columnHeaders.first()->text(QAccessible::Name), QString::number(num2));
    QCOMPARE(rowHeaders.first()->role(), QAccessible::RowHeader);
    QCOMPARE(rowHeaders.first()->text(QAccessible::Name), QString::number(num1));
    // Children in reading order, as AT-SPI indexes them.
    QCOMPARE(accessible(grid)->child(accessible(grid)->indexOfChild(cell)), cell);
    QCOMPARE(accessible(grid)->child(0)->role(), QAccessible::ColumnHeader);
}

void AccessibilityTest::arrowKeysMoveTheCurrentCellAndNothingOnScreen()
{
    playAndOpenResults();
    auto* grid = named<korvane::DrawingWidget>(*topLevel(QStringLiteral("pf")), QStringLiteral("dt"));
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    const QImage before = grid->grab().toImage();
    QCOMPARE(accessible(grid)->focusChild(), accessible(grid)->tableInterface()->cellAt(0, 0));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}) {
        QTest::keyClick(grid, key);
    }
    // Left at the edge stays in the first column.
    QCOMPARE(accessible(grid)->focusChild(), accessible(grid)->tableInterface()->cellAt(1, 0));
    QVERIFY(accessible(grid)->focusChild()->state().focused);
    QCOMPARE(grid->grab().toImage(), before);
    QVERIFY(grid->hasFocus());
}

void AccessibilityTest::theProblemAndTheFeedbackAreAnnouncedWhereverTheFocusIs()
{
    const korvane::Announcer& announcer = app_->mainWindow().announcer();
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    app_->model().Start.click();  // as Space on Start does, without a mouse
    QTRY_COMPARE(announcer.sent(), QStringList{problemOnScreen()});
    const QString first = problemOnScreen();

    // The clock ticks silently.
    app_->model().countdown_Timer();
    app_->model().countdown_Timer();
    app_->model().but(app_->data().rightslot - 1).click();
    QTRY_COMPARE(announcer.sent(), QStringList({first, "Correct!", problemOnScreen()}));
    QCOMPARE(QApplication::focusWidget(), focus);

    // What a screen reader finds: notifications inside a status bar of the
    // main window, which it reads by their names alone.
    QAccessibleInterface* status = announcer.statusBar();
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QCOMPARE(status->parent(), accessible(&window()));
    QStringList names;
    for (int i = 0; i < status->childCount(); ++i) {
        QCOMPARE(status->child(i)->role(), QAccessible::Notification);
        QCOMPARE(status->child(i)->parent(), status);
        names << status->child(i)->text(QAccessible::Name);
    }
    QVERIFY(names.contains(problemOnScreen()));
    QVERIFY(names.contains(QStringLiteral("Correct!")));

    // T says the time left, and changes nothing on screen.
    app_->model().countdown_Timer();
    const QImage before = window().grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
    QTRY_COMPARE(announcer.sent().last(), named<QLabel>(window(), QStringLiteral("Timecap"))->text());
    QVERIFY(announcer.sent().last().startsWith(QStringLiteral("Time:")));
    QCOMPARE(window().grab().toImage(), before);
    QCOMPARE(QApplication::focusWidget(), focus);
}

void AccessibilityTest::aWrongAnswerLeavesItsWordToThePopupAndTheProblemWaitsForIt()
{
    const korvane::Announcer& announcer = app_->mainWindow().announcer();
    app_->model().Start.click();
    QTRY_COMPARE(announcer.sent().size(), 1);
    app_->model().but(app_->data().rightslot % 3).click();
    QWidget* popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    // The popup's headline says it; the next problem comes once the popup
    // has the focus, so the screen reader presents the popup first.
    QTRY_COMPARE(announcer.sent().size(), 2);
    QCOMPARE(announcer.sent().last(), problemOnScreen());
    QVERIFY(!announcer.sent().contains(QStringLiteral("Wrong!")));
    QVERIFY(popup->isActiveWindow());

    // A second miss, the popup still open behind the main window: it comes
    // to the front and speaks for itself again.
    window().activateWindow();
    QTRY_VERIFY(window().isActiveWindow());
    app_->model().but(app_->data().rightslot % 3).click();
    QTRY_COMPARE(announcer.sent().size(), 3);
    QCOMPARE(announcer.sent().last(), problemOnScreen());
    QVERIFY(!announcer.sent().contains(QStringLiteral("Wrong!")));
    QVERIFY(popup->isActiveWindow());
}

void AccessibilityTest::aDrawingIsReadRowByRowLeftToRight()
{
    const std::vector<korvane::TextPlacement> items{
        {700, 300, " 3 "}, {0, 300, " 1 "}, {1000, 300, "/"}, {0, 0, "   top  "}, {0, 900, " "}, {1300, 300, " 5 "},
    };
    QCOMPARE(korvane::readOut(items), QStringLiteral("top\n1 3 / 5"));
    QCOMPARE(korvane::readOut({}), QString());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
