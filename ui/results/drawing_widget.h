// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The drawing area dt on screen: paints the model's text placements on every
// paint event, so the drawing survives hiding and covering. A later window
// takes the model over; the observer of one already gone does nothing.

#include <functional>

#include <vector>

#include <QWidget>

#include "drawing_area.h"
#include "pf.h"

namespace korvane {

// The drawing as a screen reader reads it: one line for each row of text,
// left to right, blanks collapsed.
QString readOut(const std::vector<TextPlacement>& items);

class DrawingWidget : public QWidget {
public:
    DrawingWidget(DrawingArea& model, QWidget* parent);

    // The height of one line of the area's font, in twips.
    int lineHeightTwips() const;

    // The drawing read as a table (null: read as lines of text). The arrow
    // keys then move a current cell, for screen readers only.
    // The words come from the model each time, made when first asked for.
    void readAsGrid(std::function<const GridReading&()> words);
    const GridReading* reading() const { return reading_ ? &reading_() : nullptr; }
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The text of the drawing becomes the widget's accessible description.
    void describeLater();

    DrawingArea& model_;
    bool describePending_ = false;
    std::function<const GridReading&()> reading_;
    int row_ = 0;
    int column_ = 0;
};

}  // namespace korvane
