// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "program_keys.h"

#include <algorithm>
#include <iterator>

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "engine/typed_answer.h"

namespace korvane {

namespace {

// '0' to '9' for a digit key on the main row or the keypad, with no other
// modifier, or for a key that types a digit of another script (a Persian
// or Arabic keyboard's); 0 for any other key.
char digitOf(const QKeyEvent& key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != 0) {
        return 0;
    }
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) {
        return static_cast<char>('0' + (key.key() - Qt::Key_0));
    }
    const QString text = key.text();
    if (text.size() == 1 && text.at(0).isDigit()) {
        return static_cast<char>('0' + text.at(0).digitValue());
    }
    return 0;
}

// Up steps back, Down on; Left and Right step towards their side, which is
// back in a left-to-right window and on in a mirrored one, where the first
// answer is on the right. 0 for any other key.
int stepOf(const QKeyEvent& key, Qt::LayoutDirection direction)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != 0) {
        return 0;
    }
    const int towardsRight = direction == Qt::RightToLeft ? -1 : 1;
    switch (key.key()) {
    case Qt::Key_Left:
        return -towardsRight;
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Right:
        return towardsRight;
    case Qt::Key_Down:
        return 1;
    default:
        return 0;
    }
}

}  // namespace

ProgramKeys::ProgramKeys(QObject* parent) : QObject(parent)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

void ProgramKeys::watch(QPushButton& button)
{
    // Windows come and go (each popup brings a fresh OK): the buttons of
    // those gone are forgotten.
    std::erase_if(buttons_, [](const QPointer<QPushButton>& watched) { return watched.isNull(); });
    buttons_.emplace_back(&button);
}

void ProgramKeys::answerWith(TypedAnswer& typed, const std::array<QPushButton*, 3>& answers)
{
    typed_ = &typed;
    std::copy(answers.begin(), answers.end(), answers_.begin());
}

bool ProgramKeys::isHeld(const QKeyEvent& press) const
{
    // Key events made up inside the program carry no scan code and no
    // reliable timestamp, nor does a copy whose first sending was missed:
    // only Qt's own flag speaks for them.
    return press.isAutoRepeat() ||
           (lastRelease_ && press.nativeScanCode() != 0 && press.timestamp() != 0 &&
            press.nativeScanCode() == lastRelease_->scanCode && press.timestamp() == lastRelease_->timestamp);
}

void ProgramKeys::noteSent(const QKeyEvent& key)
{
    // Enough for every key a slow screen reader may hold back at once.
    constexpr std::size_t kKept = 64;
    sent_.push_back(Sent{key.type(), key.key(), key.nativeScanCode(), key.timestamp()});
    if (sent_.size() > kKept) {
        sent_.pop_front();
    }
}

void ProgramKeys::restoreTime(QKeyEvent& copy)
{
    if (copy.timestamp() != 0 || copy.nativeScanCode() == 0) {
        return;  // not a copy from the bridge, or a key made up in the program
    }
    // The bridge keeps the order; keys the screen reader kept for itself
    // never come back, and are passed over.
    const auto sent = std::find_if(sent_.begin(), sent_.end(), [&copy](const Sent& one) {
        return one.type == copy.type() && one.key == copy.key() && one.scanCode == copy.nativeScanCode();
    });
    if (sent == sent_.end()) {
        // The bridge took the key before this filter saw it (the screen
        // reader came after the program): stand in front from now on.
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->installEventFilter(this);
        }
        return;
    }
    copy.setTimestamp(sent->timestamp);
    sent_.erase(sent_.begin(), std::next(sent));
}

bool ProgramKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (!watched->isWidgetType()) {
        // On its way to a window: as the window system sent it, or as the
        // accessibility bridge sends it on. The window hands it to a widget.
        if (event->spontaneous()) {
            noteSent(*key);
        } else {
            restoreTime(*key);
        }
        return false;
    }
    if (event->spontaneous()) {
        sent_.clear();  // it came straight through: nothing is held back
    }
    if (event->type() == QEvent::KeyRelease) {
        lastRelease_ = Release{key->timestamp(), key->nativeScanCode()};
        return false;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        return pressEnter(watched, *key);
    }
    return typed_ != nullptr && answerKey(watched, *key);
}

bool ProgramKeys::pressEnter(QObject* watched, const QKeyEvent& key) const
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->isEnabled() ||
        std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end()) {
        return false;
    }
    if (!isHeld(key)) {
        button->click();
    }
    return true;
}

bool ProgramKeys::answerKey(QObject* watched, const QKeyEvent& key)
{
    // A field that takes typed text, or a list, keeps its digits and arrows.
    if (qobject_cast<QLineEdit*>(watched) != nullptr || qobject_cast<QComboBox*>(watched) != nullptr ||
        qobject_cast<QAbstractSpinBox*>(watched) != nullptr) {
        return false;
    }
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Escape) {
        typed_->forget();
        return false;  // whatever else these keys do stays as it was
    }
    if (const char digit = digitOf(key); digit != 0) {
        if (!typed_->active()) {
            return false;
        }
        if (!isHeld(key)) {
            typed_->type(digit);
        }
        return true;
    }
    const auto* widget = static_cast<const QWidget*>(watched);
    if (const int step = stepOf(key, widget->layoutDirection()); step != 0) {
        const auto from = std::find(answers_.begin(), answers_.end(), watched);
        if (from == answers_.end() || watched == nullptr) {
            return false;
        }
        return typed_->step(static_cast<int>(from - answers_.begin()), step);
    }
    return false;
}

}  // namespace korvane
