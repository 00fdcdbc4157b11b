// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Answering from the keyboard with real key events: the pupil types the
// number on an answer (main row or keypad), also while the popup of a miss
// has the focus, or steps between the answers with the arrow keys. A held
// digit types once, and the settings boxes take digits as before.

#include <memory>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QtTest>

#include "engine/number_text.h"
#include "qt_test_support.h"
#include "ui/main/app.h"

using korvane::qttest::AppFixture;
using korvane::qttest::named;
using korvane::qttest::topLevel;

namespace {

QString focusedName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(nothing)");
}

QString buttonName(int i) { return QStringLiteral("but(%1)").arg(i); }

// Digits typed one key at a time on whatever has the focus.
void typeDigits(const std::string& digits, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (char digit : digits) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY2(target != nullptr, "nothing has the keyboard focus");
        QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_0 + (digit - '0')), modifiers);
    }
}

// Stands where Qt's accessibility bridge stands while a screen reader
// listens to the keyboard: first among the program's filters once it is
// there, it holds back every key the window system sends and later sends
// a copy on, made as the bridge makes it, without the timestamp.
class ScreenReaderRelay : public QObject {
public:
    ScreenReaderRelay() { qApp->installEventFilter(this); }
    ScreenReaderRelay(const ScreenReaderRelay&) = delete;
    ScreenReaderRelay& operator=(const ScreenReaderRelay&) = delete;
    ~ScreenReaderRelay() override { qApp->removeEventFilter(this); }

    // Sends on what was held back, as the screen reader's answers come.
    void passOn()
    {
        for (auto& [target, copy] : held_) {
            if (target) {
                QCoreApplication::postEvent(target, copy.release());
            }
        }
        held_.clear();
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        held_.emplace_back(target,
                           std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                                                       key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                                                       key->isAutoRepeat(), key->count()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> held_;
};

// A key as the window system sends it to the focused window: with its
// scan code and the X server's timestamp.
void sendFromWindowSystem(QEvent::Type type, Qt::Key key, quint64 timestamp)
{
    const auto digit = static_cast<char>('0' + (key - Qt::Key_0));
    QKeyEvent event(type, key, Qt::NoModifier, static_cast<quint32>(digit - '0' + 9), static_cast<quint32>(key), 0,
                    QString(QChar(digit)));
    event.setTimestamp(timestamp);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(QApplication::focusWindow(), &event);  // sendEvent() would take "spontaneous" away
}

}  // namespace

class TypedAnswerKeysTest : public AppFixture {
    Q_OBJECT

private slots:
    void typedRightAnswersBookRightAnswers_data();
    void typedRightAnswersBookRightAnswers();
    void aTypedWrongAnswerBooksAMiss();
    void digitsMoveTheFocusToTheAnswerTheyBegin();
    void digitsTypedOnTheMissPopupAnswerTheDrill();
    void arrowsStepBetweenTheAnswersWrappingRound();
    void aHeldDigitTypesOnce();
    void keysPassedOnByAScreenReaderTypeAsTheyWereTyped_data();
    void keysPassedOnByAScreenReaderTypeAsTheyWereTyped();
    void theSettingsBoxesTakeDigitsAsBefore();

private:
    const korvane::Data& data() { return app_->data(); }
    std::string numberOn(int slot) { return korvane::digits(data().choices(slot)); }
    // Puts these numbers on the answer buttons, the right one in `slot`.
    void showAnswers(const std::array<const char*, 3>& numbers, int slot)
    {
        for (int i = 0; i < 3; ++i) {
            app_->model().but(i).setCaption(numbers.at(static_cast<std::size_t>(i)));
        }
        app_->data().rightslot = static_cast<std::int16_t>(slot);
    }
};

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
            QCOMPARE(focusedName(), buttonName(slot - 1));
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
    QCOMPARE(focusedName(), buttonName(1));
    typeDigits("9");  // begins no answer: changes nothing
    QCOMPARE(focusedName(), buttonName(1));
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
    named(window(), buttonName(0))->setFocus();
    const std::array steps{std::pair{Qt::Key_Left, 2},  std::pair{Qt::Key_Right, 0}, std::pair{Qt::Key_Down, 1},
                           std::pair{Qt::Key_Right, 2}, std::pair{Qt::Key_Down, 0},  std::pair{Qt::Key_Up, 2}};
    for (const auto& [key, to] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(focusedName(), buttonName(to));
    }
    QCOMPARE(data().totalprobs, 0);
    // Tab still goes on to the next control in order.
    named(window(), buttonName(2))->setFocus();
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

using KeyScript = std::vector<std::pair<QEvent::Type, quint64>>;
Q_DECLARE_METATYPE(KeyScript)

void TypedAnswerKeysTest::keysPassedOnByAScreenReaderTypeAsTheyWereTyped_data()
{
    QTest::addColumn<bool>("relayed");
    QTest::addColumn<bool>("late");
    QTest::addColumn<KeyScript>("script");
    QTest::addColumn<int>("booked");  // right answers booked for 11

    const auto press = QEvent::KeyPress;
    const auto release = QEvent::KeyRelease;
    const KeyScript typedTwice{{press, 1000}, {release, 1080}, {press, 1230}, {release, 1300}};
    KeyScript held{{press, 1000}};
    for (quint64 t = 1500; t < 2000; t += 40) {
        held.insert(held.end(), {{release, t}, {press, t}});
    }
    held.push_back({release, 2000});
    KeyScript heldThenAgain = held;
    heldThenAgain.insert(heldThenAgain.end(), {{press, 2300}, {release, 2380}});

    const std::array ways{std::tuple{"straight", false, false}, std::tuple{"relayed", true, false},
                          std::tuple{"relayed late", true, true}};
    for (const auto& [way, relayed, late] : ways) {
        QTest::addRow("1 1, %s", way) << relayed << late << typedTwice << 1;
        QTest::addRow("1 held, %s", way) << relayed << late << held << 0;
        QTest::addRow("1 held, then 1, %s", way) << relayed << late << heldThenAgain << 1;
    }
}

// Two presses of one key are two digits, a held key is one, whether the
// keys come straight from the window system or by way of a screen reader
// that holds them back and passes them on (at once, or many at a time
// when it is busy speaking).
void TypedAnswerKeysTest::keysPassedOnByAScreenReaderTypeAsTheyWereTyped()
{
    QFETCH(bool, relayed);
    QFETCH(bool, late);
    QFETCH(KeyScript, script);
    QFETCH(int, booked);

    start();
    showAnswers({"11", "12", "10"}, 1);
    std::unique_ptr<ScreenReaderRelay> relay;
    if (relayed) {
        // The screen reader comes after the program; a first key (one that
        // begins no answer) goes through it before the pupil's.
        relay = std::make_unique<ScreenReaderRelay>();
        sendFromWindowSystem(QEvent::KeyPress, Qt::Key_9, 500);
        sendFromWindowSystem(QEvent::KeyRelease, Qt::Key_9, 560);
        relay->passOn();
    }
    for (const auto& [type, timestamp] : script) {
        sendFromWindowSystem(type, Qt::Key_1, timestamp);
        if (relay && !late) {
            relay->passOn();
        }
    }
    if (relay) {
        relay->passOn();
    }
    QCOMPARE(data().totalright, booked);
    QCOMPARE(data().totalprobs, booked);
    QCOMPARE(app_->model().typed.typed(), booked == 1 ? std::string() : std::string("1"));
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
