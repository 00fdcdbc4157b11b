// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Drives a model Timer with a QTimer. Precise timing matters: a coarse
// QTimer may fire up to 5 % early, which would eat the pupil's one-second
// grace on the answer clock.

#include <cstdint>

#include <QObject>
#include <QTimer>

#include "engine/controls.h"

namespace korvane {

class QtTimerBinding : public QObject {
public:
    // Watches `model` from now on (becomes its observer). The QTimer is a
    // child of this object and carries the model's name.
    QtTimerBinding(Timer& model, QObject* parent);
    QtTimerBinding(const QtTimerBinding&) = delete;
    QtTimerBinding& operator=(const QtTimerBinding&) = delete;
    ~QtTimerBinding() override;

    const QTimer& timer() const { return *timer_; }

private:
    void follow();

    Timer& model_;
    QTimer* timer_;  // child of this
    std::uint64_t period_;
};

}  // namespace korvane
