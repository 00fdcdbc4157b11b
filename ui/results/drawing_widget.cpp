// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "drawing_widget.h"

#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "grid_accessible.h"
#include "ui/shared/system_colours.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"

namespace korvane {

DrawingWidget::DrawingWidget(DrawingArea& model, const ResultsPage& page, QWidget* parent)
    : QWidget(parent), model_(model), page_(page)
{
    setObjectName(binding::toQt(model.name()));
    setAutoFillBackground(true);
    colours::paint(*this, colours::System::TitleText);
    // A picture box takes the focus in its turn, though it does nothing with it.
    setFocusPolicy(Qt::TabFocus);
    model_.setObserver([view = QPointer<DrawingWidget>(this)] {
        if (view) {
            view->update();
            view->describeLater();
        }
    });
    useGridAccessibility(*this);
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
        // The cells speak for themselves: the description is the footer,
        // the key and the totals.
        QStringList footer;
        if (page_.number() != 0) {
            footer << binding::toQt(page_.key()).simplified() << binding::toQt(page_.totals()).simplified();
        }
        row_ = std::clamp(row_, 0, std::max(0, page_.rowCount() - 1));
        if (const QString text = footer.join(QLatin1Char('\n')); text != accessibleDescription()) {
            setAccessibleDescription(text);
        }
    });
}

void DrawingWidget::keyPressEvent(QKeyEvent* event)
{
    const int rows = page_.rowCount();
    const int columns = page_.columnCount();
    int row = row_;
    int column = column_;
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    // Right to left, the next column lies to the left.
    case Qt::Key_Left:
        column += layoutDirection() == Qt::RightToLeft ? 1 : -1;
        break;
    case Qt::Key_Right:
        column += layoutDirection() == Qt::RightToLeft ? -1 : 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (rows == 0 || row < 0 || row >= rows || column < 0 || column >= columns) {
        return;  // at the edge: stays, as in any table
    }
    row_ = row;
    column_ = column;
    reportCurrentCell(*this);
}

void DrawingWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // After Qt has reported the focus on the table itself.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            reportCurrentCell(*this);
        }
    });
}

int DrawingWidget::lineHeightTwips() const { return QFontMetrics(font()).height() * layout::kTwipsPerPixel; }

void DrawingWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());  // of the fixed-pitch face
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    for (const TextPlacement& item : model_.items()) {
        // The pen is the top-left corner of the text; drawText wants the
        // baseline. No background is painted behind the characters. Right
        // to left, each text stands at the mirror image of its place, so
        // the grid reads from the right.
        const QString text = binding::toQt(item.text);
        const int left = item.left / layout::kTwipsPerPixel;
        const int top = item.top / layout::kTwipsPerPixel;
        if (mirrored) {
            // Ending where the text would begin left to right, as laid out
            // with its shaping and fallback faces.
            painter.drawText(QRect(0, top, width() - left, metrics.height()),
                             Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextDontClip, text);
        } else {
            painter.drawText(QPoint(left, top + metrics.ascent()), text);
        }
    }
}

}  // namespace korvane
