#include "drawing_widget.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"

namespace korvane {

QString readOut(const std::vector<TextPlacement>& items)
{
    std::map<int, std::vector<std::pair<int, QString>>> rows;
    for (const TextPlacement& item : items) {
        rows[item.top].emplace_back(item.left, binding::toQt(item.text));
    }
    QStringList lines;
    for (auto& [top, row] : rows) {
        std::stable_sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList words;
        for (const auto& [left, text] : row) {
            words << text;
        }
        if (const QString line = words.join(QLatin1Char(' ')).simplified(); !line.isEmpty()) {
            lines << line;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

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
            view->describeLater();
        }
    });
    describeLater();
}

void DrawingWidget::describeLater()
{
    // A page is drawn a number at a time: it is read out once, when done.
    if (describePending_) {
        return;
    }
    describePending_ = true;
    QTimer::singleShot(0, this, [this] {
        describePending_ = false;
        if (const QString text = readOut(model_.items()); text != accessibleDescription()) {
            setAccessibleDescription(text);
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
