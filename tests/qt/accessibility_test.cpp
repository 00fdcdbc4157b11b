// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// What a screen reader finds in the main window and the popup: a name for
// every control, the problem and the answers as descriptions that follow
// the drill, the popup's headline and answer line, and a clock that never
// speaks up by itself. The results window and the announcements have files
// of their own.
//
// The offscreen platform has no accessibility bridge, so Qt sends no change
// events here; these tests read the interfaces as a screen reader asks
// them. The events themselves are watched in the running program through
// AT-SPI (tests/a11y).

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
#include "ui/main/app.h"
#include "ui/shared/widget_binding.h"

using korvane::qttest::accessible;
using korvane::qttest::AppFixture;
using korvane::qttest::descriptionOf;
using korvane::qttest::named;
using korvane::qttest::nameOf;
using korvane::qttest::topLevel;

class AccessibilityTest : public AppFixture {
    Q_OBJECT

private slots:
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
};

void AccessibilityTest::everyControlOfTheMainWindowHasAName()
{
    // Every control of the model has its widget, and it and every other
    // widget the window names (frames, labels, the sound control) is named
    // for a screen reader too.
    for (const korvane::Control* control : app_->model().controls()) {
        QWidget* made = widget(QString::fromStdString(control->name()));
        QVERIFY2(made, control->name().c_str());
    }
    int widgets = 0;
    for (QWidget* made : window().findChildren<QWidget*>()) {
        const QString name = made->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;  // the toolkit's own parts
        }
        QVERIFY2(!nameOf(made).trimmed().isEmpty(), qPrintable(name));
        ++widgets;
    }
    QVERIFY(widgets > static_cast<int>(app_->model().controls().size()));
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
    QTest::newRow("ck(10)") << "ck(10)"
                            << "Plus ten";
    QTest::newRow("cap") << "cap"
                         << "Problem";
    QTest::newRow("Timecap") << "Timecap"
                             << "Time left";
    QTest::newRow("score") << "score"
                           << "Score";
    for (int i = 0; i < 3; ++i) {
        QTest::addRow("but(%d)", i) << QStringLiteral("but(%1)").arg(i) << QStringLiteral("Answer %1").arg(i + 1);
    }
    QTest::newRow("Start") << "Start"
                           << "Start";
    QTest::newRow("Stop") << "Stop"
                          << "Pause";
    QTest::newRow("clear") << "clear"
                           << "Reset";
    QTest::newRow("results") << "results"
                             << "Results";
    QTest::newRow("selectall") << "selectall"
                               << "Select All";
    QTest::newRow("unselect") << "unselect"
                              << "Unselect";
    QTest::newRow("Option1(0)") << "Option1(0)"
                                << "Addition";
    QTest::newRow("Option1(1)") << "Option1(1)"
                                << "Subtraction";
    QTest::newRow("Option1(2)") << "Option1(2)"
                                << "Multiplication";
    QTest::newRow("setp(0)") << "setp(0)"
                             << "Time";
    QTest::newRow("setp(3)") << "setp(3)"
                             << "Less";
    QTest::newRow("pic(0)") << "pic(0)"
                            << "Belquist logo";
    QTest::newRow("pic(1)") << "pic(1)"
                            << "Three question marks";
    QTest::newRow("pic(2)") << "pic(2)"
                            << "Smiling face";
    QTest::newRow("pic(3)") << "pic(3)"
                            << "Surprised face";
    QTest::newRow("scor") << "scor"
                          << "Chime";
    QTest::newRow("Value") << "Value"
                           << "Values";
    QTest::newRow("Ftime") << "Ftime"
                           << "Time";
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
    QTest::newRow("maxtime") << "maxtime"
                             << "Lmaxtime"
                             << "MaxTime";
    QTest::newRow("MaxNum") << "MaxNum"
                            << "Lmaxnumber"
                            << "MaxNumber";
    QTest::newRow("wrongnum") << "wrongnum"
                              << "Label1"
                              << "Wrong";
    QTest::newRow("NumRepeat") << "NumRepeat"
                               << "Label2"
                               << "Right";
    QTest::newRow("ShockTime") << "ShockTime"
                               << "Label3"
                               << "TimeLimit";
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
    accessible(widget(QStringLiteral("Option1(0)")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
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
    QTest::newRow("wrong answer") << " ^.^ !! Wrong Answer !! ^.^ "
                                  << "Wrong Answer";
    QTest::newRow("time out") << " ^_^ !!Time Out!! ^_^ "
                              << "Time Out";
    QTest::newRow("plain") << "Correct"
                           << "Correct";
    QTest::newRow("marks inside a word stay") << "don't stop"
                                              << "don't stop";
    QTest::newRow("only marks") << " ^.^ !! "
                                << "";
    QTest::newRow("empty") << ""
                           << "";
}

void AccessibilityTest::spokenWordsLeaveOutTheMarks()
{
    QFETCH(QString, caption);
    QFETCH(QString, words);
    QCOMPARE(korvane::binding::spokenWords(caption), words);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
