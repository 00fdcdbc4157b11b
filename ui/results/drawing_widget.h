// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The drawing area dt on screen: paints the model's text placements on every
// paint event, so the drawing survives hiding and covering. A later window
// takes the model over; the observer of one already gone does nothing.

#include <vector>

#include <QWidget>

#include "drawing_area.h"

namespace korvane {

// The drawing as a screen reader reads it: one line for each row of text,
// left to right, blanks collapsed.
QString readOut(const std::vector<TextPlacement>& items);

class DrawingWidget : public QWidget {
public:
    DrawingWidget(DrawingArea& model, QWidget* parent);

    // The height of one line of the area's font, in twips.
    int lineHeightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text of the drawing becomes the widget's accessible description.
    void describeLater();

    DrawingArea& model_;
    bool describePending_ = false;
};

}  // namespace korvane
