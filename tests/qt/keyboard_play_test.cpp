// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// A pupil who cannot use a mouse plays the whole drill with the keyboard:
// Tab moves through the controls in their order, Enter or Space presses the
// focused button (once, however long Return is held; Escape presses
// nothing), and every window that comes up takes the focus on the button
// that goes on.

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"

using korvane::qttest::AppFixture;
using korvane::qttest::named;
using korvane::qttest::topLevel;

namespace {

// The control that has the focus; the text field of a combo box counts as
// the combo box.
QWidget* focusedControl()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr) {
        if (auto* combo = qobject_cast<QComboBox*>(focus->parentWidget())) {
            return combo;
        }
    }
    return focus;
}

QString focusedName()
{
    const QWidget* focus = focusedControl();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(nothing)");
}

// One key pressed and released on whatever has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target != nullptr, "nothing has the keyboard focus");
    QTest::keyClick(target, key, modifiers);
}

// Presses Tab until the named control has the focus; false when a whole
// round of the focus chain never reaches it.
bool tabTo(const QString& name)
{
    for (int presses = 0; presses < 60; ++presses) {
        if (focusedName() == name) {
            return true;
        }
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) {
            return false;
        }
        QTest::keyClick(target, Qt::Key_Tab);
    }
    return focusedName() == name;
}

bool focusIsIn(const QWidget& window)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == &window;
}

}  // namespace

class KeyboardPlayTest : public AppFixture {
    Q_OBJECT

private slots:
    void aWholeRunIsPlayedWithKeysOnly();
    void theTimeOutPopupTakesTheFocusAndEnterDismissesIt();
    void aSecondMissBringsThePopupBackWithTheFocusOnOk();
    void aTimeOutOverAnOpenPopupStillGivesTheKeyboardBack();
    void aHeldReturnPressesOnce();
    void escapePressesNothing();
    void enterPressesEachWindowsButtonsWhileOthersComeAndGo();

private:
    QString answerName(bool right) { return answer(right)->objectName(); }
    QString scoreLine() { return named<QLabel>(window(), QStringLiteral("score"))->text(); }
    // Seconds to answer, typed over the text of TimeLimit.
    void typeAnswerTime(const QString& seconds)
    {
        QVERIFY2(tabTo(QStringLiteral("ShockTime")), qPrintable(focusedName()));
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), seconds);
        QCOMPARE(QString::fromStdString(app_->model().ShockTime.Text()), seconds);
    }
};

void KeyboardPlayTest::aWholeRunIsPlayedWithKeysOnly()
{
    QCOMPARE(focusedName(), QStringLiteral("clear"));

    // A minute to answer, typed into TimeLimit: no time-out comes between
    // the keys below, not even while a failing check waits.
    typeAnswerTime(QStringLiteral("60"));

    // Round to Start; Space starts the run.
    QVERIFY2(tabTo(QStringLiteral("Start")), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QCOMPARE(app_->data().started, 1);
    QVERIFY(named<QTimer>(window(), QStringLiteral("keeptime"))->isActive());
    QCOMPARE(app_->data().totalprobs, 0);

    // The settings are locked now: Tab goes from Start to the answers.
    press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("but(0)"));

    // The right answer, with Enter.
    QVERIFY2(tabTo(answerName(true)), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QCOMPARE(app_->data().totalright, 1);
    QCOMPARE(app_->data().totalprobs, 1);
    QCOMPARE(scoreLine(), QStringLiteral("Score:  1 / 1"));

    // A wrong answer, with Space: the popup comes up with OK focused, and
    // Enter dismisses it. The focus then goes back to the main window.
    QVERIFY2(tabTo(answerName(false)), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QCOMPARE(app_->data().totalprobs, 2);
    QPointer<QWidget> popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));
    press(Qt::Key_Return);
    QTRY_VERIFY(popup.isNull());
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));

    // Pause with Space: the clocks stop and the score stays.
    QVERIFY2(tabTo(QStringLiteral("Stop")), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QVERIFY(!named<QTimer>(window(), QStringLiteral("keeptime"))->isActive());
    QVERIFY(!named<QTimer>(window(), QStringLiteral("Timershock"))->isActive());
    QCOMPARE(scoreLine(), QStringLiteral("Score:  1 / 2"));
    QCOMPARE(app_->data().totalright, 1);
    QCOMPARE(app_->data().totalprobs, 2);

    // Results with Enter; the window takes the focus and Close, reached
    // with Tab, closes it with Enter.
    QVERIFY2(tabTo(QStringLiteral("results")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QPointer<QWidget> results = topLevel(QStringLiteral("pf"));
    QVERIFY(results);
    QTRY_VERIFY2(focusIsIn(*results), qPrintable(focusedName()));
    const auto& lines = app_->pf().dt.items();
    QVERIFY(!lines.empty());
    QCOMPARE(QString::fromStdString(lines.back().text), QStringLiteral("Total Right= 1     Total Problems= 2 "));
    QVERIFY2(tabTo(QStringLiteral("okclose")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QVERIFY(!app_->pf().IsLoaded());
    QTRY_VERIFY(results.isNull());
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));

    // Reset with Enter clears the score for the next pupil.
    QVERIFY2(tabTo(QStringLiteral("clear")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QCOMPARE(scoreLine(), QStringLiteral("Score"));
    QCOMPARE(app_->data().started, 0);
    QCOMPARE(app_->data().totalprobs, 0);
}

void KeyboardPlayTest::theTimeOutPopupTakesTheFocusAndEnterDismissesIt()
{
    typeAnswerTime(QStringLiteral("1"));
    QVERIFY2(tabTo(QStringLiteral("Start")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    const int missed = app_->data().curfact;
    QVERIFY(missed > 0);

    // The popup waits modal: the pupil acts from inside that wait, on
    // whatever has the focus, for every time-out that comes.
    QStringList focusInPopups;
    QString firstSaid;
    bool blocked = false;
    QTimer pupil;
    pupil.setInterval(20);
    connect(&pupil, &QTimer::timeout, &pupil, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->objectName() != QStringLiteral("tpop") || !focusIsIn(*modal)) {
            return;
        }
        if (focusInPopups.isEmpty()) {
            firstSaid = QApplication::focusWidget()->accessibleDescription();
        }
        focusInPopups << focusedName();
        blocked = app_->model().inputBlocked();
        press(Qt::Key_Return);
    });
    pupil.start();
    QTRY_VERIFY_WITH_TIMEOUT(app_->data().totalprobs >= 1, 30000);

    QCOMPARE(focusInPopups.value(0), QStringLiteral("kill"));
    // What a screen reader says with the focused OK.
    const auto& fact = app_->data().facts(missed);
    QCOMPARE(firstSaid, QStringLiteral("Time Out. %1 + %2 = %3").arg(fact.num1).arg(fact.num2).arg(fact.answer));
    QVERIFY(blocked);
    QCOMPARE(app_->data().totalright, 0);
    QCOMPARE(app_->data().facts(missed).timeswrong, 1);
    // The run goes on, and so does the keyboard.
    QVERIFY(!app_->model().inputBlocked());
    QVERIFY(named<QTimer>(window(), QStringLiteral("Timershock"))->isActive());
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));
    QVERIFY2(tabTo(answerName(true)), qPrintable(focusedName()));
    press(Qt::Key_Space);
    pupil.stop();
    // Every problem was either missed by the clock or answered right.
    QCOMPARE(app_->data().totalright, 1);
    QCOMPARE(app_->data().totalprobs, focusInPopups.size() + 1);
    QCOMPARE(scoreLine(), QStringLiteral("Score:  1 / %1").arg(focusInPopups.size() + 1));
}

void KeyboardPlayTest::aSecondMissBringsThePopupBackWithTheFocusOnOk()
{
    typeAnswerTime(QStringLiteral("60"));
    QVERIFY2(tabTo(QStringLiteral("Start")), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QVERIFY2(tabTo(answerName(false)), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QPointer<QWidget> popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));

    // The popup stays open while the pupil switches back to the main window
    // (a key of the desktop's, not the program's) and misses again.
    window().activateWindow();
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));
    QVERIFY2(tabTo(answerName(false)), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QCOMPARE(app_->data().totalprobs, 2);
    QCOMPARE(topLevel(QStringLiteral("tpop")), popup.data());
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));
    press(Qt::Key_Return);
    QTRY_VERIFY(popup.isNull());
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));
}

void KeyboardPlayTest::aTimeOutOverAnOpenPopupStillGivesTheKeyboardBack()
{
    typeAnswerTime(QStringLiteral("1"));
    QVERIFY2(tabTo(QStringLiteral("Start")), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QVERIFY2(tabTo(answerName(false)), qPrintable(focusedName()));
    press(Qt::Key_Space);
    QPointer<QWidget> missed = topLevel(QStringLiteral("tpop"));
    QVERIFY(missed);
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));

    // The pupil leaves the popup open; the next problem's clock runs out,
    // and the time-out's popup takes its place, modal.
    QString focusInPopup;
    QTimer pupil;
    pupil.setInterval(20);
    connect(&pupil, &QTimer::timeout, &pupil, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !focusIsIn(*modal)) {
            return;
        }
        if (focusInPopup.isEmpty()) {
            focusInPopup = focusedName();
        }
        press(Qt::Key_Return);
    });
    pupil.start();
    QTRY_VERIFY_WITH_TIMEOUT(app_->data().totalprobs >= 2, 30000);
    QCOMPARE(focusInPopup, QStringLiteral("kill"));
    QTRY_VERIFY(missed.isNull());
    // Dismissed, it hands the keyboard back to the main window.
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));
    pupil.stop();
}

// Return held down as the X server repeats it: a release and a press that
// share one timestamp, which Qt does not always flag as a repeat.
void KeyboardPlayTest::aHeldReturnPressesOnce()
{
    const auto send = [](QEvent::Type type, quint64 timestamp) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, 36, 0xff0d, 0, QStringLiteral("\r"));
        key.setTimestamp(timestamp);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    };
    auto* start = named<QPushButton>(window(), QStringLiteral("Start"));
    start->setFocus();
    QSignalSpy presses(start, &QPushButton::clicked);
    send(QEvent::KeyPress, 1000);
    for (quint64 t = 1660; t < 4000; t += 40) {
        send(QEvent::KeyRelease, t);
        send(QEvent::KeyPress, t);
    }
    send(QEvent::KeyRelease, 4000);
    QCOMPARE(presses.count(), 1);
    // Pressed again, it presses again.
    send(QEvent::KeyPress, 4200);
    QCOMPARE(presses.count(), 2);
}

void KeyboardPlayTest::escapePressesNothing()
{
    QTest::mouseClick(named(window(), QStringLiteral("Start")), Qt::LeftButton);
    const QString problem = named<QLabel>(window(), QStringLiteral("cap"))->text();
    for (const char* name : {"clear", "Stop", "Start", "but(0)"}) {
        named(window(), QString::fromLatin1(name))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    QTest::keyClick(&window(), Qt::Key_Escape);
    QCOMPARE(app_->data().started, 1);
    QVERIFY(named<QTimer>(window(), QStringLiteral("keeptime"))->isActive());
    QCOMPARE(named<QLabel>(window(), QStringLiteral("cap"))->text(), problem);
    QCOMPARE(app_->data().totalprobs, 0);
    QVERIFY(window().isVisible());
}

// The three windows share the program's keys: a popup made and dismissed
// while the results window is open leaves Enter pressing the buttons of the
// results window and of the main window.
void KeyboardPlayTest::enterPressesEachWindowsButtonsWhileOthersComeAndGo()
{
    typeAnswerTime(QStringLiteral("60"));
    QVERIFY2(tabTo(QStringLiteral("results")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QPointer<QWidget> results = topLevel(QStringLiteral("pf"));
    QVERIFY(results);
    QTRY_VERIFY2(focusIsIn(*results), qPrintable(focusedName()));

    window().activateWindow();
    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));
    QVERIFY2(tabTo(QStringLiteral("Start")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QCOMPARE(app_->data().started, 1);
    QVERIFY2(tabTo(answerName(false)), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QPointer<QWidget> popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));
    press(Qt::Key_Return);
    QTRY_VERIFY(popup.isNull());

    QVERIFY(results);
    results->activateWindow();
    QTRY_VERIFY2(focusIsIn(*results), qPrintable(focusedName()));
    QVERIFY2(tabTo(QStringLiteral("okclose")), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QVERIFY(!app_->pf().IsLoaded());
    QTRY_VERIFY(results.isNull());

    QTRY_VERIFY2(focusIsIn(window()), qPrintable(focusedName()));
    QVERIFY2(tabTo(answerName(true)), qPrintable(focusedName()));
    press(Qt::Key_Return);
    QCOMPARE(app_->data().totalright, 1);
    QCOMPARE(app_->data().totalprobs, 2);
}

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
