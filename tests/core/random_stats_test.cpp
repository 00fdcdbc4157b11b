// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The draws of generate with the program's own seeded generator, counted
// over many problems. The seed is fixed, so the result never changes from
// one run to the next; the tolerance is five binomial standard deviations.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "draws.h"
#include "rig.h"

using namespace korvane;
using korvane::testing::buildTable;
using korvane::testing::kAllNumbers;
using korvane::testing::Rig;

namespace {

constexpr int kProblems = 100000;

void expectNear(int count, double p, const char* what, int index)
{
    const double mean = kProblems * p;
    const double sigma = std::sqrt(kProblems * p * (1.0 - p));
    EXPECT_LE(std::abs(count - mean), 5.0 * sigma) << what << " " << index << ": " << count << " against " << mean;
}

struct StatsCase {
    int optype;
    std::vector<int> numbers;
    bool plusTen;
    int size;
    int favoured;  // positions 1..favoured have one chance more out of 223
    std::uint64_t seed;
};

void PrintTo(const StatsCase& c, std::ostream* os) { *os << "pool of " << c.size << ", seed " << c.seed; }

class DrawStatistics : public ::testing::TestWithParam<StatsCase> {};

TEST_P(DrawStatistics, PoolPositionsAndAnswerButtonsComeUpAtTheirRates)
{
    const StatsCase& c = GetParam();
    Rig r;
    r.seeded.seed(c.seed);  // start-up seeded from the clock; fix it again
    buildTable(*r, c.optype, c.numbers, c.plusTen);
    ASSERT_EQ(r.data.poolcount, c.size);

    std::vector<int> positions(static_cast<std::size_t>(c.size) + 1, 0);
    std::vector<int> slots(4, 0);
    for (int n = 0; n < kProblems; ++n) {
        r->generate();
        ++positions.at(static_cast<std::size_t>(r.data.pickslot));
        ++slots.at(static_cast<std::size_t>(r.data.rightslot));
    }
    EXPECT_EQ(positions[0], 0);
    EXPECT_EQ(slots[0], 0);

    const int times = 223 / c.size;
    for (int p = 1; p <= c.size; ++p) {
        const int chances = p <= c.favoured ? times + 1 : times;
        expectNear(positions[static_cast<std::size_t>(p)], chances / 223.0, "position", p);
    }
    expectNear(slots[1], 0.4, "slot", 1);
    expectNear(slots[2], 0.3, "slot", 2);
    expectNear(slots[3], 0.3, "slot", 3);
}

INSTANTIATE_TEST_SUITE_P(Pools, DrawStatistics,
                         ::testing::Values(StatsCase{1, kAllNumbers, true, 200, 23, 20240611},
                                           StatsCase{2, {3}, false, 7, 6, 977}));

}  // namespace
