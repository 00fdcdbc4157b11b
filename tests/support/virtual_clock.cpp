// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "virtual_clock.h"

#include <algorithm>

namespace korvane {

void VirtualClock::attach(Timer& timer)
{
    entries_.push_back(Entry{&timer, timer.period(), 0, nextOrder_++});
    const std::size_t index = entries_.size() - 1;
    reschedule(entries_[index]);
    timer.setObserver([this, index] { reschedule(entries_[index]); });
}

void VirtualClock::reschedule(Entry& entry)
{
    // A new period number means a fresh period begins now.
    if (entry.period != entry.timer->period()) {
        entry.period = entry.timer->period();
        entry.due = now_ + std::max(1, entry.timer->Interval());
        entry.order = nextOrder_++;
    }
}

VirtualClock::Entry* VirtualClock::nextDue(std::int64_t limit)
{
    Entry* best = nullptr;
    for (auto& entry : entries_) {
        if (!entry.timer->Enabled() || entry.due > limit) {
            continue;
        }
        if (best == nullptr || entry.due < best->due || (entry.due == best->due && entry.order < best->order)) {
            best = &entry;
        }
    }
    return best;
}

void VirtualClock::advance(std::int64_t ms)
{
    const std::int64_t target = now_ + std::max<std::int64_t>(0, ms);
    while (Entry* entry = nextDue(target)) {
        now_ = std::max(now_, entry->due);
        entry->due += std::max(1, entry->timer->Interval());
        entry->order = nextOrder_++;
        entry->timer->tick();
    }
    now_ = std::max(now_, target);
}

std::int64_t VirtualClock::untilNextTick(const Timer& timer) const
{
    for (const auto& entry : entries_) {
        if (entry.timer == &timer) {
            return timer.Enabled() ? entry.due - now_ : -1;
        }
    }
    return -1;
}

}  // namespace korvane
