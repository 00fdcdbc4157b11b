// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The drawing area dt on screen: paints the model's text placements on every
// paint event, so the drawing survives hiding and covering. A later window
// takes the model over; the observer of one already gone does nothing.
//
// A screen reader reads it as a table: the results page it shows, whose
// words are made from the page when asked for. The arrow keys move a
// current cell, for screen readers only.

#include <QWidget>

#include "model/drawing_area.h"
#include "model/results_page.h"

namespace korvane {

// Q_OBJECT: tests and tools find it by type.
class DrawingWidget : public QWidget {
    Q_OBJECT

public:
    // The page is the one the drawing shows; it outlives the widget.
    DrawingWidget(DrawingArea& model, const ResultsPage& page, QWidget* parent);

    // The height of one line of the area's font, in twips.
    int lineHeightTwips() const;

    const ResultsPage& page() const { return page_; }
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The page's key and totals become the widget's accessible description.
    void describeLater();

    DrawingArea& model_;
    const ResultsPage& page_;
    bool describePending_ = false;
    int row_ = 0;
    int column_ = 0;
};

}  // namespace korvane
