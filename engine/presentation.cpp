// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Putting the next problem on the screen: generate.

#include <cmath>
#include <cstdlib>

#include "fact_text.h"
#include "number_text.h"
#include "tallyquip.h"

namespace korvane {

bool Tallyquip::generate()
{
    // Every fact has left play (or none was built): nothing can be drawn,
    // so the run ends here the way the end test ends it; nothing is booked.
    if (data_.poolcount < 1) {
        Stop_Click();
        return false;
    }

    // 223 for every pool size: floor(rnd() * 223) mod poolcount, so the first
    // (223 mod poolcount) places come up once more in 223 than the others.
    data_.pickslot = static_cast<std::int16_t>(static_cast<int>(std::floor(rnd() * 223.0)) % data_.poolcount + 1);
    data_.rightslot = static_cast<std::int16_t>(randomDigit() % 3 + 1);
    data_.curfact = data_.pool(data_.pickslot);

    if (data_.stackcount != 0) {
        if (data_.reviewgap > 0) {
            --data_.reviewgap;
        } else {
            data_.curfact = data_.reviewstack(1);
            data_.reviewgap = static_cast<std::int16_t>(randomDigit() % 5 + 1);
        }
    }

    const Fact& fact = data_.facts(data_.curfact);
    for (int s = 1; s <= 3; ++s) {
        int candidate = 0;
        do {
            const int a = randomDigit();
            const int b = randomDigit();
            switch (data_.optype) {
            case optype::kAddition: {
                const int c = randomDigit();
                candidate = a + c + (b % 2) * data_.plusten;
                break;
            }
            case optype::kSubtraction: {
                const int c = randomDigit();
                candidate = std::abs(c - a + (b % 2) * data_.plusten);
                break;
            }
            default:
                candidate = a * b;
                break;
            }
        } while (candidate == fact.answer);
        data_.choices(s) = static_cast<std::int16_t>(candidate);
    }
    data_.choices(data_.rightslot) = fact.answer;

    cap.setCaption(leftToRight(factText(data_.optype, fact)));
    for (int k = 0; k <= 2; ++k) {
        but(k).setCaption(digits(data_.choices(k + 1)));
    }
    data_.shockleft = readShockSeconds(ShockTime.Text(), settings_);

    // Each problem gets its full answer time, also when Start replaces a
    // problem whose clocks are still running.
    Timershock.start();
    countdown.start();
    return true;
}

}  // namespace korvane
