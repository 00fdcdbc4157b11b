// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "main_layout.h"

#include <array>

namespace korvane::layout {

namespace {

constexpr std::array kMainWindow{
    // Problem display, on the window.
    Place{"cap", {2760, 2880, 4815, 1335}, 6},
    Place{"pic(0)", {360, 2520, 1800, 1800}, -1},
    Place{"pic(1)", {360, 2520, 1800, 1800}, -1},
    Place{"pic(2)", {360, 2520, 1800, 1800}, -1},
    Place{"pic(3)", {360, 2520, 1800, 1800}, -1},
    Place{"scor", {3960, 4320, 615, 255}, 45},
    // Answer buttons, on the window.
    Place{"but(0)", {360, 4680, 2775, 2055}, 9},
    Place{"but(1)", {3720, 4680, 2775, 2055}, 10},
    Place{"but(2)", {7200, 4680, 2775, 2055}, 11},
    // Operation choice, on the window (over the lower band of Ftime).
    Place{"Option1(0)", {3480, 1680, 855, 255}, 42},
    Place{"Option1(1)", {3480, 1920, 855, 255}, 43},
    Place{"Option1(2)", {3480, 2160, 975, 255}, 44},
    // Number choice; everything after the frame lies inside it.
    Place{"Value", {120, 0, 3015, 2175}, 14},
    Place{"L1to5", {120, 240, 2415, 255}, 26},
    Place{"ck(0)", {240, 480, 255, 375}, 15},
    Place{"ck(1)", {720, 480, 255, 375}, 16},
    Place{"ck(2)", {1200, 480, 255, 375}, 17},
    Place{"ck(3)", {1680, 480, 255, 375}, 18},
    Place{"ck(4)", {2160, 480, 255, 375}, 19},
    Place{"Lplusten", {2520, 600, 375, 255}, 28},
    Place{"ck(10)", {2640, 840, 255, 375}, 25},
    Place{"L610", {120, 960, 2295, 255}, 27},
    Place{"ck(5)", {240, 1200, 255, 375}, 21},
    Place{"ck(6)", {720, 1200, 255, 375}, 22},
    Place{"ck(7)", {1200, 1200, 255, 375}, 23},
    Place{"ck(8)", {1680, 1200, 255, 375}, 24},
    Place{"ck(9)", {2160, 1200, 255, 375}, 20},
    Place{"selectall", {240, 1680, 1095, 255}, 29},
    Place{"unselect", {1680, 1680, 1095, 255}, 30},
    // Run settings; everything after the frame lies inside it.
    Place{"Ftime", {3240, 120, 4575, 2415}, 3},
    Place{"Lmaxtime", {360, 240, 855, 255}, 12},
    Place{"maxtime", {120, 480, 1215, 315}, 4},
    Place{"Lmaxnumber", {240, 960, 975, 255}, 13},
    Place{"MaxNum", {120, 1200, 1215, 315}, 5},
    Place{"setp(0)", {1440, 240, 855, 255}, 34},
    Place{"setp(1)", {1440, 600, 855, 255}, 35},
    Place{"setp(2)", {1440, 960, 855, 255}, 36},
    Place{"setp(3)", {1440, 1320, 855, 255}, 37},
    Place{"wrongnum", {2400, 240, 1215, 315}, 38},
    Place{"Label1", {3720, 240, 735, 255}, 39},
    Place{"NumRepeat", {2400, 720, 1215, 315}, 32},
    Place{"Label2", {3720, 720, 735, 255}, 40},
    Place{"ShockTime", {2400, 1200, 1215, 315}, 33},
    Place{"Label3", {3720, 1200, 735, 255}, 41},
    // Score and clock display, on the window.
    Place{"Timecap", {8040, 2400, 2055, 615}, 7},
    Place{"score", {8040, 3360, 2055, 855}, 8},
    // Commands, on the window.
    Place{"Start", {7920, 120, 2295, 975}, 2},
    Place{"Stop", {7920, 1200, 2295, 975}, 1},
    Place{"results", {4560, 1800, 1455, 495}, 31},
    Place{"clear", {6120, 1800, 1455, 495}, 0},
};

}  // namespace

std::span<const Place> mainWindow() { return kMainWindow; }

const Place* mainPlace(std::string_view name)
{
    for (const Place& place : kMainWindow) {
        if (place.name == name) {
            return &place;
        }
    }
    return nullptr;
}

}  // namespace korvane::layout
