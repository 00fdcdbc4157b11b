// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Building the fact table: prepc, zerotable, preptable.

#include "tallyquip.h"

namespace korvane {

void Tallyquip::prepc()
{
    for (int i = 1; i <= 11; ++i) {
        data_.numsel(i) = static_cast<std::int16_t>(ck(i - 1).Value());
    }
}

void Tallyquip::zerotable()
{
    for (int x = 1; x <= kMaxFacts; ++x) {
        data_.facts(x) = Fact{0, 0, 0, -1, 0, 0};
    }
}

void Tallyquip::preptable()
{
    prepc();
    zerotable();
    data_.plusten = static_cast<std::int16_t>(data_.numsel(11) * 10);
    // Only a box value of exactly 1 selects its number, and plus-ten counts
    // only when it is 0 or 10: the table can then never pass 200 entries.
    const int reach = 10 + (data_.plusten == 10 ? 10 : 0);

    int base = 0;
    auto add = [&](int num1, int num2, int answer) {
        ++base;
        Fact& f = data_.facts(base);
        f.num1 = static_cast<std::int16_t>(num1);
        f.num2 = static_cast<std::int16_t>(num2);
        f.answer = static_cast<std::int16_t>(answer);
    };
    for (int i = 1; i <= 10; ++i) {
        if (data_.numsel(i) != 1) {
            continue;
        }
        switch (data_.optype) {
        case optype::kAddition:
            for (int j = 1; j <= reach; ++j) {
                add(i, j, i + j);
            }
            break;
        case optype::kSubtraction:
            for (int j = i + 1; j <= reach; ++j) {
                add(j, i, j - i);
            }
            break;
        case optype::kMultiplication:
            for (int j = 1; j <= 10; ++j) {
                add(i, j, i * j);
            }
            break;
        default:
            break;
        }
    }

    data_.poolcount = static_cast<std::int16_t>(base);
    for (int x = 1; x <= base; ++x) {
        data_.pool(x) = static_cast<std::int16_t>(x);
    }
    data_.stackcount = 0;
}

}  // namespace korvane
