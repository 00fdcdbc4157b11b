// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "drawing_widget.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

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
    colours::paint(*this, colours::System::TitleText);
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
        // Read as a table, the cells speak for themselves: the description
        // is the footer, the key and the totals.
        QString text = readOut(model_.items());
        if (reading() != nullptr) {
            QStringList footer;
            for (const std::string& line : reading()->footer) {
                footer << binding::toQt(line).simplified();
            }
            text = footer.join(QLatin1Char('\n'));
            row_ = std::clamp(row_, 0, std::max(0, static_cast<int>(reading()->rowHeaders.size()) - 1));
        }
        if (text != accessibleDescription()) {
            setAccessibleDescription(text);
        }
    });
}

void DrawingWidget::readAsGrid(std::function<const GridReading&()> words)
{
    reading_ = std::move(words);
    useGridAccessibility(*this);
    describeLater();
}

void DrawingWidget::keyPressEvent(QKeyEvent* event)
{
    const int rows = reading() != nullptr ? static_cast<int>(reading()->cells.size()) : 0;
    const int columns = reading() != nullptr ? static_cast<int>(reading()->columnHeaders.size()) : 0;
    int row = row_;
    int column = column_;
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (reading() == nullptr) {
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
    if (reading() != nullptr) {
        // After Qt has reported the focus on the table itself.
        QTimer::singleShot(0, this, [this] {
            if (hasFocus()) {
                reportCurrentCell(*this);
            }
        });
    }
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
