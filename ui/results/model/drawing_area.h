// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results window's drawing area dt, toolkit-free: text written at a pen
// position and kept as a list, so the view can paint it again whenever the
// window is shown or uncovered.

#include <string>
#include <vector>

#include "engine/controls.h"

namespace korvane {

struct TextPlacement {
    int left;  // twips within the area
    int top;
    std::string text;
    bool operator==(const TextPlacement&) const = default;
};

class DrawingArea : public Control {
public:
    using Control::Control;

    void Clear();
    void MoveTo(int left, int top);
    // Writes at the pen, then puts the pen at the left edge one line lower.
    void WriteLine(const std::string& text);

    const std::vector<TextPlacement>& items() const { return items_; }
    int penLeft() const { return penLeft_; }
    int penTop() const { return penTop_; }
    // Height of one line of the area's font, in twips; the view sets it
    // from the font it paints with.
    int lineHeight() const { return lineHeight_; }
    void setLineHeight(int twips) { lineHeight_ = twips; }

private:
    std::vector<TextPlacement> items_;
    int penLeft_ = 0;
    int penTop_ = 0;
    int lineHeight_ = 195;  // a 13-pixel line
};

}  // namespace korvane
