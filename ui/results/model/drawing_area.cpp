// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "drawing_area.h"

namespace korvane {

void DrawingArea::Clear()
{
    items_.clear();
    penLeft_ = 0;
    penTop_ = 0;
    notify();
}

void DrawingArea::MoveTo(int left, int top)
{
    penLeft_ = left;
    penTop_ = top;
}

void DrawingArea::WriteLine(const std::string& text)
{
    items_.push_back(TextPlacement{penLeft_, penTop_, text});
    penLeft_ = 0;
    penTop_ += lineHeight_;
    notify();
}

}  // namespace korvane
