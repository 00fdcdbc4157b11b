// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Booking a problem and moving its fact along: stackadd, organize (book,
// then goeson decides whether the run goes on).

#include "counters.h"
#include "number_text.h"
#include "tallyquip.h"

namespace korvane {

namespace {

// Position of value in list(1..count), or 0 when it is not there.
template <typename List>
int positionOf(const List& list, int count, int value)
{
    for (int x = 1; x <= count; ++x) {
        if (list(x) == value) {
            return x;
        }
    }
    return 0;
}

// Takes out entry p, the entries behind it moving up one place.
template <typename List>
void removeAt(List& list, std::int16_t& count, int p)
{
    --count;
    for (int x = p; x <= count; ++x) {
        list(x) = list(x + 1);
    }
}

}  // namespace

void Tallyquip::stackadd()
{
    Fact& fact = data_.facts(data_.curfact);
    // A fact is on the stack at most once, so it never holds more than the
    // table's 200 facts.
    if (positionOf(data_.reviewstack, data_.stackcount, data_.curfact) != 0) {
        return;
    }
    fact.review = data_.wrongrepeat;
    ++data_.stackcount;
    data_.reviewstack(data_.stackcount) = data_.curfact;
}

void Tallyquip::organize()
{
    book();
    if (goeson()) {
        generate();
    } else {
        Stop_Click();
    }
}

void Tallyquip::book()
{
    Fact& fact = data_.facts(data_.curfact);
    if (data_.lastright == 1) {
        countUp(fact.timesright);
        countUp(data_.totalright);
    } else {
        countUp(fact.timeswrong);
    }
    countUp(data_.totalprobs);
    //: Main window: the score line, right answers (%1) over problems (%2); 14-point type, 137 pixels, two lines at most.
    score.setCaption(filled(say(QT_TRANSLATE_NOOP("MainWindow", "Score:  %1 / %2")),
                            {digits(data_.totalright), digits(data_.totalprobs)}));

    if (fact.review != -1) {
        --fact.review;
    }

    if ((fact.timesright >= data_.retireat && fact.review == -1) || fact.review == 0) {
        // Through the pool draw the entry is at pickslot; through the review
        // path it is found by its value.
        int p = 0;
        if (data_.pickslot >= 1 && data_.pickslot <= data_.poolcount && data_.pool(data_.pickslot) == data_.curfact) {
            p = data_.pickslot;
        } else {
            p = positionOf(data_.pool, data_.poolcount, data_.curfact);
        }
        if (p != 0) {
            removeAt(data_.pool, data_.poolcount, p);
        }
    }

    if (fact.review == 0) {
        if (const int q = positionOf(data_.reviewstack, data_.stackcount, data_.curfact); q != 0) {
            removeAt(data_.reviewstack, data_.stackcount, q);
        }
    }

    data_.lastright = 0;
}

bool Tallyquip::goeson() const
{
    switch (data_.endmode) {
    case endmode::kTimeReached:
        return data_.elapsed < data_.timelimit;
    case endmode::kCountReached:
        return data_.totalprobs < data_.numlimit;
    case endmode::kBothReached:
        return data_.totalprobs < data_.numlimit || data_.elapsed < data_.timelimit;
    case endmode::kEitherReached:
        return data_.totalprobs < data_.numlimit && data_.elapsed < data_.timelimit;
    default:
        return false;
    }
}

}  // namespace korvane
