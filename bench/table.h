// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Rows of the benchmark table, in markdown:
//   | what | n | min | median | max | target | result |
// Every program of the benchmark prints its rows on stdout; the script
// gathers them under one header.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace korvane::bench {

struct Summary {
    std::size_t n = 0;
    double min = 0;
    double median = 0;
    double max = 0;
};

inline Summary summarize(std::vector<double> values)
{
    Summary s;
    s.n = values.size();
    if (values.empty()) {
        return s;
    }
    std::sort(values.begin(), values.end());
    s.min = values.front();
    s.max = values.back();
    const std::size_t mid = values.size() / 2;
    s.median = values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    return s;
}

inline std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

inline void printRow(const std::string& what, const Summary& s, int decimals, const std::string& target,
                     const std::string& result)
{
    if (s.n == 0) {
        std::printf("| %s | 0 | - | - | - | %s | no samples |\n", what.c_str(), target.c_str());
    } else {
        std::printf("| %s | %zu | %s | %s | %s | %s | %s |\n", what.c_str(), s.n, fixed(s.min, decimals).c_str(),
                    fixed(s.median, decimals).c_str(), fixed(s.max, decimals).c_str(), target.c_str(), result.c_str());
    }
    std::fflush(stdout);
}

inline std::string verdict(bool met, const std::string& detail = {})
{
    std::string text = met ? "met" : "**missed**";
    if (!detail.empty()) {
        text += " (" + detail + ")";
    }
    return text;
}

}  // namespace korvane::bench
