// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Arrays with fixed bounds, indexed with operator() so the drill code reads
// like its data model: facts(curfact).answer, pool(pickslot), ck(10).

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace korvane {

// Index range Lo..Hi inclusive; any other index throws instead of reading
// past the end.
template <typename T, int Lo, int Hi>
class FixedArray {
    static_assert(Hi >= Lo, "empty range");

public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;
    static constexpr std::size_t size = static_cast<std::size_t>(Hi - Lo + 1);

    T& operator()(int i) { return items_[slot(i)]; }
    const T& operator()(int i) const { return items_[slot(i)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    // Every read of the drill state goes through here: the message is built
    // out of line, so the check stays two inline comparisons.
    static std::size_t slot(int i)
    {
        if (i < Lo || i > Hi) [[unlikely]] {
            outOfRange(i);
        }
        return static_cast<std::size_t>(i - Lo);
    }
    [[noreturn, gnu::cold, gnu::noinline]] static void outOfRange(int i)
    {
        throw std::out_of_range("index " + std::to_string(i) + " outside " + std::to_string(Lo) + ".." +
                                std::to_string(Hi));
    }

    std::array<T, size> items_{};
};

// 1-based arrays of the drill state.
template <typename T, int N>
using Array1 = FixedArray<T, 1, N>;

}  // namespace korvane
