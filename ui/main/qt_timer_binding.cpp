// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "qt_timer_binding.h"

#include "ui/shared/widget_binding.h"

namespace korvane {

QtTimerBinding::QtTimerBinding(Timer& model, QObject* parent)
    : QObject(parent), model_(model), timer_(new QTimer(this)), period_(model.period())
{
    timer_->setObjectName(binding::toQt(model.name()));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(false);
    timer_->setInterval(model.Interval());
    connect(timer_, &QTimer::timeout, this, [this] { model_.tick(); });
    model_.setObserver([this] { follow(); });
    if (model_.Enabled()) {
        timer_->start();
    }
}

QtTimerBinding::~QtTimerBinding() { model_.clearObserver(); }

void QtTimerBinding::follow()
{
    if (!model_.Enabled()) {
        timer_->stop();
        timer_->setInterval(model_.Interval());
        return;
    }
    // A new period number means the model began a fresh period (started,
    // restarted or given a new interval): start the QTimer over.
    if (model_.period() != period_ || !timer_->isActive()) {
        period_ = model_.period();
        timer_->start(model_.Interval());
    }
}

}  // namespace korvane
