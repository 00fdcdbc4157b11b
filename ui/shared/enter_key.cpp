// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "enter_key.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace korvane {

EnterPressesButton::EnterPressesButton(QObject* parent) : QObject(parent)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

void EnterPressesButton::watch(QPushButton& button)
{
    // Each popup brings a fresh OK button; the ones gone are forgotten.
    std::erase_if(buttons_, [](const QPointer<QPushButton>& watched) { return watched.isNull(); });
    buttons_.emplace_back(&button);
}

bool EnterPressesButton::isHeld(const QKeyEvent& press) const
{
    // Key events made up inside the program carry no scan code and no
    // reliable timestamp: only Qt's own flag speaks for them.
    return press.isAutoRepeat() ||
           (lastRelease_ && press.nativeScanCode() != 0 && press.nativeScanCode() == lastRelease_->scanCode &&
            press.timestamp() == lastRelease_->timestamp);
}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        lastRelease_ = Release{key->timestamp(), key->nativeScanCode()};
        return false;
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->isEnabled() ||
        std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end()) {
        return false;
    }
    if (!isHeld(*key)) {
        button->click();
    }
    return true;
}

}  // namespace korvane
