// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "results_sheet.h"

#include <array>

#include "ui/shared/sheet_check.h"

namespace korvane {

namespace {

using sheet::Face;
using sheet::Role;
using sheet::Row;

// The focus goes from the first page's button to Close, the grid and the
// second page's button.
// clang-format off
constexpr std::array kRows{
    Row{.target = sheet::control<&Pf::dt>(), .box = {240, 0, 8055, 3375}, .tab = 2, .font = {Face::Courier, 9.75},
        //: Spoken only: the name of the results window's grid.
        .spoken = QT_TRANSLATE_NOOP("ResultsWindow", "Results grid"), .role = Role::Grid},
    Row{.target = sheet::control<&Pf::show10>(), .box = {360, 3480, 1935, 495}, .tab = 0, .caption = "Show 1-10"},
    Row{.target = sheet::control<&Pf::show20>(), .box = {2520, 3480, 1935, 495}, .tab = 3, .caption = "Show 11-20"},
    Row{.target = sheet::control<&Pf::okclose>(), .box = {6720, 3480, 1575, 495}, .tab = 1, .caption = "Close"},
};
// clang-format on
static_assert(sheet::wellFormed(kRows));

constexpr sheet::SheetOf<Pf> kSheet{{"ResultsWindow", "results window", {0, 0, 8580, 4035}, kRows}};

}  // namespace

const sheet::SheetOf<Pf>& resultsSheet() { return kSheet; }

}  // namespace korvane
