#include "drawing_widget.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPointer>

#include "ui/main/main_layout.h"
#include "ui/main/widget_binding.h"

namespace korvane {

DrawingWidget::DrawingWidget(DrawingArea& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(binding::toQt(model.name()));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // A picture box takes the focus in its turn, though it does nothing with it.
    setFocusPolicy(Qt::TabFocus);
    model_.setObserver([view = QPointer<DrawingWidget>(this)] {
        if (view) {
            view->update();
        }
    });
}

int DrawingWidget::lineHeightTwips() const { return QFontMetrics(font()).height() * layout::kTwipsPerPixel; }

void DrawingWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = QFontMetrics(font()).ascent();
    for (const TextPlacement& item : model_.items()) {
        // The pen is the top-left corner of the text; drawText wants the
        // baseline. No background is painted behind the characters.
        const int x = item.left / layout::kTwipsPerPixel;
        const int y = item.top / layout::kTwipsPerPixel + ascent;
        painter.drawText(QPoint(x, y), binding::toQt(item.text));
    }
}

}  // namespace korvane
