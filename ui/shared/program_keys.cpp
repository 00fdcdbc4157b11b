// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "program_keys.h"

#include <algorithm>

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
// modifier; 0 for any other key.
char digitOf(const QKeyEvent& key)
{
    if (key.key() < Qt::Key_0 || key.key() > Qt::Key_9 || (key.modifiers() & ~Qt::KeypadModifier) != 0) {
        return 0;
    }
    return static_cast<char>('0' + (key.key() - Qt::Key_0));
}

// Left and Up step back, Right and Down on; 0 for any other key.
int stepOf(const QKeyEvent& key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != 0) {
        return 0;
    }
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Right:
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
    // reliable timestamp: only Qt's own flag speaks for them.
    return press.isAutoRepeat() ||
           (lastRelease_ && press.nativeScanCode() != 0 && press.nativeScanCode() == lastRelease_->scanCode &&
            press.timestamp() == lastRelease_->timestamp);
}

bool ProgramKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
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
    if (const int step = stepOf(key); step != 0) {
        const auto from = std::find(answers_.begin(), answers_.end(), watched);
        if (from == answers_.end() || watched == nullptr) {
            return false;
        }
        return typed_->step(static_cast<int>(from - answers_.begin()), step);
    }
    return false;
}

}  // namespace korvane
