// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Window geometry in twips, the unit every layout table of the program is
// written in: 1440 to the inch, so 15 to the pixel at 96 dots per inch. Qt
// scales whole windows on high-DPI screens, so the pixel figure holds.

#include <QRect>

namespace korvane::layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

inline QRect pixels(const Twips& box)
{
    return {box.left / kTwipsPerPixel, box.top / kTwipsPerPixel, box.width / kTwipsPerPixel,
            box.height / kTwipsPerPixel};
}

}  // namespace korvane::layout
