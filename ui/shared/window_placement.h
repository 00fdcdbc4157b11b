#pragma once
// Puts a top-level window's client area of the given size in the middle of
// the screen's available area.

#include <QSize>

class QWidget;

namespace korvane {

void placeCentred(QWidget& window, QSize client);

}  // namespace korvane
