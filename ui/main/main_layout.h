// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where every control of the main window sits, in twips within its
// container (the window's client area or its frame), and its place in the
// tab order. One pixel is 15 twips.

#include <QRect>
#include <span>
#include <string_view>

namespace korvane::layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

QRect pixels(const Twips& box);

struct Place {
    std::string_view name;
    Twips box;
    int tab;  // place in the tab order; -1 for none
};

inline constexpr int kMainClientWidth = 10410;
inline constexpr int kMainClientHeight = 6930;

std::span<const Place> mainWindow();
// The entry for one control; throws std::out_of_range for an unknown name.
const Place& mainPlace(std::string_view name);

}  // namespace korvane::layout
