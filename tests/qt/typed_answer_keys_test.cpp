// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Answering from the keyboard with real key events: the pupil types the
// number on an answer (main row or keypad), also while the popup of a miss
// has the focus, or steps between the answers with the arrow keys. A held
// digit types once, and the settings boxes take digits as before.

#include <memory>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "engine/number_text.h"
#include "qt_test_support.h"
#include "ui/main/app.h"

using korvane::App;
using korvane::qttest::named;
using korvane::qttest::topLevel;

namespace {

QString focusedName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(nothing)");
}

QString answer(int i) { return QStringLiteral("but(%1)").arg(i); }

// Digits typed one key at a time on whatever has the focus.
void typeDigits(const std::string& digits, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (char digit : digits) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY2(target != nullptr, "nothing has the keyboard focus");
        QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_0 + (digit - '0')), modifiers);
    }
}

}  // namespace

class TypedAnswerKeysTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { app_.reset(); }

    void typedRightAnswersBookRightAnswers_data();
    void typedRightAnswersBookRightAnswers();
    void aTypedWrongAnswerBooksAMiss();
    void digitsMoveTheFocusToTheAnswerTheyBegin();
    void digitsTypedOnTheMissPopupAnswerTheDrill();
    void arrowsStepBetweenTheAnswersWrappingRound();
    void aHeldDigitTypesOnce();
    void theSettingsBoxesTakeDigitsAsBefore();

private:
    QWidget& window() { return app_->mainWindow(); }
    const korvane::Data& data() { return app_->data(); }
    void start() { korvane::qttest::clickCentre(named(window(), QStringLiteral("Start"))); }
    std::string numberOn(int slot) { return korvane::digits(data().choices(slot)); }
    // Puts these numbers on the answer buttons, the right one in `slot`.
    void showAnswers(const std::array<const char*, 3>& numbers, int slot)
    {
        for (int i = 0; i < 3; ++i) {
            app_->model().but(i).setCaption(numbers.at(static_cast<std::size_t>(i)));
        }
        app_->data().rightslot = static_cast<std::int16_t>(slot);
    }

    std::unique_ptr<App> app_;
};

void TypedAnswerKeysTest::init()
{
    app_ = std::make_unique<App>();
    app_->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void TypedAnswerKeysTest::typedRightAnswersBookRightAnswers_data()
{
    QTest::addColumn<bool>("keypad");
    QTest::newRow("main row") << false;
    QTest::newRow("keypad") << true;
}

// The numbers the drill drew: the right one typed, then Enter when a longer
// answer began with it, as a pupil would.
void TypedAnswerKeysTest::typedRightAnswersBookRightAnswers()
{
    QFETCH(bool, keypad);
    start();
    for (int problem = 1; problem <= 12; ++problem) {
        const int slot = data().rightslot;
        typeDigits(numberOn(slot), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        if (data().totalprobs < problem) {
            QCOMPARE(focusedName(), answer(slot - 1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(data().totalprobs, problem);
        QCOMPARE(data().totalright, problem);
    }
    QVERIFY(!topLevel(QStringLiteral("tpop")));
}

void TypedAnswerKeysTest::aTypedWrongAnswerBooksAMiss()
{
    start();
    const int wrong = data().rightslot % 3 + 1;
    typeDigits(numberOn(wrong));
    if (data().totalprobs == 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(data().totalprobs, 1);
    QCOMPARE(data().totalright, 0);
    QVERIFY(topLevel(QStringLiteral("tpop")));
}

void TypedAnswerKeysTest::digitsMoveTheFocusToTheAnswerTheyBegin()
{
    start();
    showAnswers({"4", "12", "15"}, 3);
    typeDigits("1");
    QCOMPARE(focusedName(), answer(1));
    typeDigits("9");  // begins no answer: changes nothing
    QCOMPARE(focusedName(), answer(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    typeDigits("4");  // "4" on its own, not "14"
    QCOMPARE(data().totalprobs, 1);
    QCOMPARE(data().totalright, 0);
}

void TypedAnswerKeysTest::digitsTypedOnTheMissPopupAnswerTheDrill()
{
    start();
    showAnswers({"4", "12", "15"}, 3);
    typeDigits("4");
    QPointer<QWidget> popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));

    showAnswers({"16", "3", "9"}, 1);
    typeDigits("16");
    QCOMPARE(data().totalprobs, 2);
    QCOMPARE(data().totalright, 1);
    QCOMPARE(topLevel(QStringLiteral("tpop")), popup.data());

    // Enter there still presses OK.
    QTRY_COMPARE(focusedName(), QStringLiteral("kill"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(popup.isNull());
    QCOMPARE(data().totalprobs, 2);
}

void TypedAnswerKeysTest::arrowsStepBetweenTheAnswersWrappingRound()
{
    start();
    named(window(), answer(0))->setFocus();
    const std::array steps{std::pair{Qt::Key_Left, 2},  std::pair{Qt::Key_Right, 0}, std::pair{Qt::Key_Down, 1},
                           std::pair{Qt::Key_Right, 2}, std::pair{Qt::Key_Down, 0},  std::pair{Qt::Key_Up, 2}};
    for (const auto& [key, to] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(focusedName(), answer(to));
    }
    QCOMPARE(data().totalprobs, 0);
    // Tab still goes on to the next control in order.
    named(window(), answer(2))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!focusedName().startsWith(QStringLiteral("but(")));
}

// A digit held down as the X server repeats it: a release and a press that
// share one timestamp, which Qt does not always flag as a repeat. Each
// repeat would answer the next problem.
void TypedAnswerKeysTest::aHeldDigitTypesOnce()
{
    start();
    const auto send = [](QEvent::Type type, quint64 timestamp) {
        QKeyEvent key(type, Qt::Key_1, Qt::NoModifier, 10, 0x31, 0, QStringLiteral("1"));
        key.setTimestamp(timestamp);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    };
    showAnswers({"1", "5", "7"}, 1);
    send(QEvent::KeyPress, 1000);
    QCOMPARE(data().totalprobs, 1);
    for (quint64 t = 1660; t < 4000; t += 40) {
        showAnswers({"1", "5", "7"}, 1);
        send(QEvent::KeyRelease, t);
        send(QEvent::KeyPress, t);
    }
    send(QEvent::KeyRelease, 4000);
    QCOMPARE(data().totalprobs, 1);
    // Pressed again, it types again.
    send(QEvent::KeyPress, 4200);
    QCOMPARE(data().totalprobs, 2);
    QCOMPARE(data().totalright, 2);
}

// Between runs and while paused, digits and arrows in TimeLimit edit its
// text as before.
void TypedAnswerKeysTest::theSettingsBoxesTakeDigitsAsBefore()
{
    auto* box = named<QComboBox>(window(), QStringLiteral("ShockTime"));
    for (const bool paused : {false, true}) {
        if (paused) {
            start();
            korvane::qttest::clickCentre(named(window(), QStringLiteral("Stop")));
        }
        box->lineEdit()->setFocus();
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        typeDigits("12");
        QTest::keyClick(box->lineEdit(), Qt::Key_Left);
        typeDigits("3");
        QCOMPARE(box->currentText(), QStringLiteral("132"));
        QCOMPARE(QString::fromStdString(app_->model().ShockTime.Text()), QStringLiteral("132"));
        QVERIFY(box->hasFocus());
        QCOMPARE(data().totalprobs, 0);
    }
}

QTEST_MAIN(TypedAnswerKeysTest)
#include "typed_answer_keys_test.moc"
