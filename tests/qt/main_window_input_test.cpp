// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The pupil's input on the main window's real widgets reaches the drill,
// and what the drill does shows on the widgets.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/main/chime.h"
#include "ui/popup/model/tpop.h"

using korvane::qttest::AppFixture;
using korvane::qttest::named;

class MainWindowInputTest : public AppFixture {
    Q_OBJECT

private slots:
    void startShowsAProblemAndLocksTheSettings();
    void pauseAndResetThroughTheirButtons();
    void tickingANumberBoxRebuildsTheFactTable();
    void selectAllAndUnselectTickEveryBox();
    void anOptionChosenAgainStaysChosen();
    void operationAndEndModeAreSeparateGroups();
    void multiplicationLocksThePlusTenBox();
    void choosingAComboItemKeepsItsBlanks_data();
    void choosingAComboItemKeepsItsBlanks();
    void typedComboTextReachesTheDrillUnchanged();
    void textWrittenByTheDrillShowsInTheCombo();
    void aRightAnswerChimesAndShowsTheSmile();
    void aWrongAnswerOpensThePopupWithTheAnswerLine();
    void theLabelsFollowTheDrill();
    void focusStartsOnReset();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();
    void tabFromResetVisitsTheEnabledControlsInOrder();
    void disabledWidgetsIgnoreClicks();

private:
    void click(const char* name)
    {
        QWidget* target = widget(name);
        QVERIFY2(target, name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
};

void MainWindowInputTest::startShowsAProblemAndLocksTheSettings()
{
    click("Start");
    const QString problem = widget<QLabel>("cap")->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ \\+ \\d+$")).match(problem).hasMatch(), qPrintable(problem));
    const auto& fact = app_->data().facts(app_->data().curfact);
    QCOMPARE(problem, QStringLiteral("%1 + %2").arg(fact.num1).arg(fact.num2));
    QCOMPARE(answer(true)->text(), QString::number(fact.answer));

    for (const char* name : {"but(0)", "but(1)", "but(2)"}) {
        QVERIFY2(widget(name)->isEnabled(), name);
    }
    for (const char* name :
         {"ck(0)", "ck(10)", "Option1(0)", "setp(1)", "selectall", "unselect", "maxtime", "ShockTime", "results"}) {
        QVERIFY2(!widget(name)->isEnabled(), name);
    }
    QVERIFY(widget<QTimer>("keeptime")->isActive());
    QVERIFY(widget<QTimer>("countdown")->isActive());
    QVERIFY(widget<QTimer>("Timershock")->isActive());
    // ShockTime "   5": five seconds and the grace, in milliseconds.
    QCOMPARE(widget<QTimer>("Timershock")->interval(), 7000);
}

void MainWindowInputTest::pauseAndResetThroughTheirButtons()
{
    click("Start");
    click("Stop");
    QVERIFY(!widget<QTimer>("keeptime")->isActive());
    QVERIFY(!widget<QTimer>("countdown")->isActive());
    QVERIFY(!widget<QTimer>("Timershock")->isActive());
    QVERIFY(widget("results")->isEnabled());
    QVERIFY(!widget("but(0)")->isEnabled());
    QCOMPARE(widget<QLabel>("Timecap")->text(), QStringLiteral("Time"));

    click("Start");
    QTest::mouseClick(answer(false), Qt::LeftButton);
    QVERIFY(widget<QLabel>("score")->text() != QStringLiteral("Score"));
    click("clear");
    QCOMPARE(widget<QLabel>("score")->text(), QStringLiteral("Score"));
    QCOMPARE(app_->data().started, 0);
    QVERIFY(widget("pic(0)")->isVisibleTo(&window()));
    QVERIFY(!widget("pic(3)")->isVisibleTo(&window()));
}

void MainWindowInputTest::tickingANumberBoxRebuildsTheFactTable()
{
    auto* one = widget<QCheckBox>("ck(0)");
    QTest::mouseClick(one, Qt::LeftButton, {}, one->rect().center());
    QVERIFY(!one->isChecked());
    QCOMPARE(app_->model().ck(0).Value(), 0);
    QCOMPARE(app_->data().numsel(1), 0);
    // Addition of 2..10 with 1..10: ninety facts, none with 1 first.
    QCOMPARE(app_->data().poolcount, 90);
    for (int x = 1; x <= app_->data().poolcount; ++x) {
        QVERIFY(app_->data().facts(x).num1 != 1);
    }

    QTest::mouseClick(one, Qt::LeftButton, {}, one->rect().center());
    QVERIFY(one->isChecked());
    QCOMPARE(app_->data().poolcount, 100);
}

void MainWindowInputTest::selectAllAndUnselectTickEveryBox()
{
    click("unselect");
    for (int i = 0; i <= 10; ++i) {
        QVERIFY(!widget<QCheckBox>(qPrintable(QStringLiteral("ck(%1)").arg(i)))->isChecked());
    }
    QCOMPARE(app_->data().poolcount, 0);
    click("selectall");
    for (int i = 0; i <= 10; ++i) {
        QVERIFY(widget<QCheckBox>(qPrintable(QStringLiteral("ck(%1)").arg(i)))->isChecked());
    }
    // With +10 ticked, addition runs the other number up to 20.
    QCOMPARE(app_->data().poolcount, 200);
}

void MainWindowInputTest::anOptionChosenAgainStaysChosen()
{
    auto* plus = widget<QRadioButton>("Option1(0)");
    QTest::mouseClick(plus, Qt::LeftButton, {}, plus->rect().center());
    QVERIFY(plus->isChecked());
    QVERIFY(app_->model().Option1(0).Value());

    auto* number = widget<QRadioButton>("setp(1)");
    QTest::mouseClick(number, Qt::LeftButton, {}, number->rect().center());
    QVERIFY(number->isChecked());
    QVERIFY(app_->model().setp(1).Value());
}

void MainWindowInputTest::operationAndEndModeAreSeparateGroups()
{
    click("Option1(1)");
    QVERIFY(widget<QRadioButton>("Option1(1)")->isChecked());
    QVERIFY(!widget<QRadioButton>("Option1(0)")->isChecked());
    QVERIFY(widget<QRadioButton>("setp(1)")->isChecked());
    QCOMPARE(app_->data().optype, 2);

    click("setp(3)");
    QVERIFY(widget<QRadioButton>("setp(3)")->isChecked());
    QVERIFY(!widget<QRadioButton>("setp(1)")->isChecked());
    QVERIFY(widget<QRadioButton>("Option1(1)")->isChecked());
    QVERIFY(app_->model().setp(3).Value());
    QVERIFY(!app_->model().setp(1).Value());
}

void MainWindowInputTest::multiplicationLocksThePlusTenBox()
{
    click("ck(10)");
    QVERIFY(widget<QCheckBox>("ck(10)")->isChecked());
    click("Option1(2)");
    QVERIFY(!widget<QCheckBox>("ck(10)")->isChecked());
    QVERIFY(!widget("ck(10)")->isEnabled());
    QCOMPARE(app_->data().poolcount, 100);
    click("Option1(0)");
    QVERIFY(widget("ck(10)")->isEnabled());
}

void MainWindowInputTest::choosingAComboItemKeepsItsBlanks_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("maxtime 3 with its trailing blank") << "maxtime" << 2 << "   3 ";
    QTest::newRow("maxtime 7 with its trailing blank") << "maxtime" << 6 << "   7 ";
    QTest::newRow("MaxNum 100") << "MaxNum" << 13 << " 100";
    QTest::newRow("NumRepeat three blanks") << "NumRepeat" << 10 << "   ";
    QTest::newRow("ShockTime one blank") << "ShockTime" << 10 << " ";
}

void MainWindowInputTest::choosingAComboItemKeepsItsBlanks()
{
    QFETCH(QString, combo);
    QFETCH(int, index);
    QFETCH(QString, text);
    auto* box = named<QComboBox>(window(), combo);
    QVERIFY(box);
    box->setCurrentIndex(index);  // what choosing from the list does
    QCOMPARE(box->currentText(), text);
    const korvane::ComboBox* model = nullptr;
    for (const korvane::ComboBox* candidate : {&app_->model().maxtime, &app_->model().MaxNum, &app_->model().NumRepeat,
                                               &app_->model().ShockTime, &app_->model().wrongnum}) {
        if (QString::fromStdString(candidate->name()) == combo) {
            model = candidate;
        }
    }
    QVERIFY(model);
    QCOMPARE(QString::fromStdString(model->Text()), text);
}

void MainWindowInputTest::typedComboTextReachesTheDrillUnchanged()
{
    auto* box = widget<QComboBox>("MaxNum");
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral(" 1"));
    // No completion: " 1" stays " 1", not " 100".
    QCOMPARE(box->currentText(), QStringLiteral(" 1"));
    QCOMPARE(app_->model().MaxNum.Text(), std::string(" 1"));

    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("lots"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(app_->model().MaxNum.Text(), std::string("lots"));
    QCOMPARE(box->count(), 14);  // typed text never joins the list

    // Start reads the typed limit: "  2" problems.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("  2"));
    click("Start");
    QCOMPARE(app_->data().numlimit, 2);
}

void MainWindowInputTest::textWrittenByTheDrillShowsInTheCombo()
{
    app_->model().ShockTime.setText("  10");
    QCOMPARE(widget<QComboBox>("ShockTime")->currentText(), QStringLiteral("  10"));
    QCOMPARE(app_->model().ShockTime.Text(), std::string("  10"));
    app_->model().ShockTime.setEnabled(false);
    QVERIFY(!widget("ShockTime")->isEnabled());
}

void MainWindowInputTest::aRightAnswerChimesAndShowsTheSmile()
{
    const int before = app_->mainWindow().sounds().chimes();
    click("Start");
    QTest::mouseClick(answer(true), Qt::LeftButton);
    QCOMPARE(app_->mainWindow().sounds().chimes(), before + 1);
    QVERIFY(widget("pic(2)")->isVisibleTo(&window()));
    QVERIFY(!widget("pic(0)")->isVisibleTo(&window()));
    QCOMPARE(widget<QLabel>("score")->text(), QStringLiteral("Score:  1 / 1"));
    QVERIFY(korvane::qttest::topLevel(QStringLiteral("tpop")) == nullptr);

    QTest::mouseClick(answer(true), Qt::LeftButton);
    QCOMPARE(app_->mainWindow().sounds().chimes(), before + 2);
}

void MainWindowInputTest::aWrongAnswerOpensThePopupWithTheAnswerLine()
{
    click("Start");
    const auto fact = app_->data().facts(app_->data().curfact);
    QTest::mouseClick(answer(false), Qt::LeftButton);

    QWidget* popup = korvane::qttest::topLevel(QStringLiteral("tpop"));
    QVERIFY2(popup, "no popup on screen");
    QCOMPARE(popup->windowTitle(), QStringLiteral("Belquist:MessageBox"));
    QVERIFY(!popup->isModal());
    QCOMPARE(named<QLabel>(*popup, "Label1")->text(), QStringLiteral(" ^.^ !! Wrong Answer !! ^.^ "));
    QCOMPARE(named<QLabel>(*popup, "giveanswer")->text(),
             QStringLiteral("%1 + %2 = %3").arg(fact.num1).arg(fact.num2).arg(fact.answer));
    QVERIFY(widget("pic(3)")->isVisibleTo(&window()));
    QCOMPARE(app_->mainWindow().sounds().chimes(), 0);
    QCOMPARE(app_->mainWindow().sounds().bells(), 1);
    // The next problem is already up and can be answered.
    QVERIFY(widget("but(0)")->isEnabled());
    QVERIFY(widget<QTimer>("Timershock")->isActive());
}

void MainWindowInputTest::theLabelsFollowTheDrill()
{
    app_->model().Timecap.setCaption("Time:  3");
    QCOMPARE(widget<QLabel>("Timecap")->text(), QStringLiteral("Time:  3"));
    app_->model().countdown_Timer();
    QCOMPARE(widget<QLabel>("Timecap")->text(), QStringLiteral("Time:  0"));
    app_->model().showpic(1);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(widget(qPrintable(QStringLiteral("pic(%1)").arg(i)))->isVisibleTo(&window()), i == 1);
    }
}

void MainWindowInputTest::focusStartsOnReset() { QCOMPARE(QApplication::focusWidget(), widget("clear")); }

void MainWindowInputTest::enterAndSpacePressTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void MainWindowInputTest::enterAndSpacePressTheFocusedButton()
{
    QFETCH(int, key);
    const auto press = [key](QWidget* target) {
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    };

    // Start, then Reset from the keyboard: the focus is on Reset already.
    click("Start");
    widget("clear")->setFocus();
    QCOMPARE(QApplication::focusWidget(), widget("clear"));
    press(QApplication::focusWidget());
    QCOMPARE(app_->data().started, 0);
    QVERIFY(!widget<QTimer>("keeptime")->isActive());

    // An answer button pressed from the keyboard is judged.
    click("Start");
    QPushButton* right = answer(true);
    right->setFocus();
    press(right);
    QCOMPARE(app_->data().totalright, 1);
}

void MainWindowInputTest::tabFromResetVisitsTheEnabledControlsInOrder()
{
    // At start-up the answer buttons are disabled and Tab passes them by.
    const QStringList expected{"Stop",      "Start",      "maxtime",    "MaxNum",     "ck(0)",    "ck(1)",
                               "ck(2)",     "ck(3)",      "ck(4)",      "ck(9)",      "ck(5)",    "ck(6)",
                               "ck(7)",     "ck(8)",      "ck(10)",     "selectall",  "unselect", "results",
                               "NumRepeat", "ShockTime",  "setp(0)",    "setp(1)",    "setp(2)",  "setp(3)",
                               "wrongnum",  "Option1(0)", "Option1(1)", "Option1(2)", "clear"};
    QCOMPARE(QApplication::focusWidget(), widget("clear"));
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (auto* combo = qobject_cast<QComboBox*>(focus->parentWidget())) {
            focus = combo;
        }
        visited << focus->objectName();
    }
    QCOMPARE(visited, expected);
}

void MainWindowInputTest::disabledWidgetsIgnoreClicks()
{
    // The answer buttons are locked until Start.
    click("but(0)");
    QCOMPARE(app_->data().totalprobs, 0);
    QCOMPARE(widget<QLabel>("cap")->text(), QStringLiteral("Tallyquip"));
    // The settings are locked during a run.
    click("Start");
    click("ck(3)");
    QVERIFY(widget<QCheckBox>("ck(3)")->isChecked());
    QCOMPARE(app_->model().ck(3).Value(), 1);
}

QTEST_MAIN(MainWindowInputTest)
#include "main_window_input_test.moc"
