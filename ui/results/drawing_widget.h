#pragma once
// The drawing area dt on screen: paints the model's text placements on every
// paint event, so the drawing survives hiding and covering. A later window
// takes the model over; the observer of one already gone does nothing.

#include <QWidget>

#include "drawing_area.h"

namespace korvane {

class DrawingWidget : public QWidget {
public:
    DrawingWidget(DrawingArea& model, QWidget* parent);

    // The height of one line of the area's font, in twips.
    int lineHeightTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingArea& model_;
};

}  // namespace korvane
