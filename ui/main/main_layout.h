// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where every control of the main window sits, in twips within its
// container (the window's client area or its frame), and its place in the
// tab order.

#include <span>
#include <string_view>

#include "ui/shared/twips.h"

namespace korvane::layout {

struct Place {
    std::string_view name;
    Twips box;
    int tab;  // place in the tab order; -1 for none
};

inline constexpr int kMainClientWidth = 10410;
inline constexpr int kMainClientHeight = 6930;

std::span<const Place> mainWindow();
// The entry for one control, or null when the table has none: the window
// reports such a control as it is made.
const Place* mainPlace(std::string_view name);

}  // namespace korvane::layout
