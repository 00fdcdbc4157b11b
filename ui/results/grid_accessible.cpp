// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "grid_accessible.h"

#include <QAccessible>

#include "drawing_widget.h"
#include "ui/shared/own_accessible.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"

namespace korvane {

namespace {

QAccessibleInterface* gridFactory(const QString& /*className*/, QObject* object)
{
    auto* widget = dynamic_cast<DrawingWidget*>(object);
    return widget != nullptr ? new GridAccessible(widget) : nullptr;
}

}  // namespace

// One cell or header, made when a screen reader first asks for it and read
// from the page drawn last, so it never shows stale words.
class GridAccessible::Cell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    Cell(const GridAccessible& table, int row, int column) : table_(table), row_(row), column_(column) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }
    bool isValid() const override
    {
        const ResultsPage& page = table_.grid()->page();
        return row_ < page.rowCount() && column_ < page.columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_.window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<GridAccessible*>(&table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid()) {
            return {};
        }
        const ResultsPage& page = table_.grid()->page();
        if (row_ < 0) {
            return binding::toQt(page.columnWords(column_));
        }
        if (column_ < 0) {
            return binding::toQt(page.rowWords(row_));
        }
        return binding::toQt(page.cellWords(row_, column_));
    }

    QAccessible::Role role() const override
    {
        return row_ < 0 ? QAccessible::ColumnHeader : column_ < 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const DrawingWidget* grid = table_.grid();
        if (row_ >= 0 && column_ >= 0) {
            state.focusable = true;
            state.focused = grid->hasFocus() && grid->currentRow() == row_ && grid->currentColumn() == column_;
        }
        state.invisible = !grid->isVisible();
        return state;
    }

    // Where the cell's numbers are drawn: slot k at 700·k twips, row j at
    // 200·j + 100; the headers to the left of and above them.
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const int left = column_ < 0 ? 0 : 700 * (column_ + 1);
        const int top = row_ < 0 ? 0 : 200 * table_.grid()->page().row(row_) + 100;
        const DrawingWidget* grid = table_.grid();
        QRect box = layout::pixels({left, top, column_ < 0 ? 600 : 700, 200});
        if (grid->layoutDirection() == Qt::RightToLeft) {
            box = rtl::mirrored(box, grid->width());  // drawn at the mirror image
        }
        return QRect(grid->mapToGlobal(box.topLeft()), box.size());
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        return row_ < 0 || column_ < 0 ? QList<QAccessibleInterface*>{} : QList{table_.cell(-1, column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        return row_ < 0 || column_ < 0 ? QList<QAccessibleInterface*>{} : QList{table_.cell(row_, -1)};
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return const_cast<GridAccessible*>(&table_); }

private:
    const GridAccessible& table_;
    int row_;
    int column_;
};

void useGridAccessibility(DrawingWidget& widget) { accessibility::useOwn<GridAccessible>(widget, &gridFactory); }

void reportCurrentCell(DrawingWidget& widget)
{
    auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(&widget));
    QAccessibleInterface* cell =
        table != nullptr ? table->cellAt(widget.currentRow(), widget.currentColumn()) : nullptr;
    if (cell == nullptr) {
        return;  // no rows drawn
    }
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

GridAccessible::GridAccessible(DrawingWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}

GridAccessible::~GridAccessible()
{
    for (const QAccessible::Id id : std::as_const(cells_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

DrawingWidget* GridAccessible::grid() const { return static_cast<DrawingWidget*>(widget()); }

void* GridAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QString GridAccessible::text(QAccessible::Text t) const
{
    const QString text = QAccessibleWidget::text(t);
    const ResultsPage& page = grid()->page();
    if (t != QAccessible::Name || page.number() == 0) {
        return text;
    }
    return text + QStringLiteral(". ") + binding::toQt(page.totals()).simplified();
}

int GridAccessible::columnCount() const { return grid()->page().columnCount(); }

int GridAccessible::rowCount() const { return grid()->page().rowCount(); }

QString GridAccessible::columnDescription(int column) const
{
    const QAccessibleInterface* header = cell(-1, column);
    return header != nullptr ? header->text(QAccessible::Name) : QString();
}

QString GridAccessible::rowDescription(int row) const
{
    const QAccessibleInterface* header = cell(row, -1);
    return header != nullptr ? header->text(QAccessible::Name) : QString();
}

QAccessibleInterface* GridAccessible::cell(int row, int column) const
{
    if (row < -1 || column < -1 || row >= rowCount() || column >= columnCount() || (row < 0 && column < 0)) {
        return nullptr;
    }
    const QPair<int, int> key(row, column);
    if (const auto found = cells_.constFind(key); found != cells_.constEnd()) {
        return QAccessible::accessibleInterface(*found);
    }
    // Owned by Qt's accessibility cache; given back in the destructor.
    auto* made = new Cell(*this, row, column);
    cells_.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const
{
    return row >= 0 && column >= 0 ? cell(row, column) : nullptr;
}

// Children in reading order: the column headers, then each row's header
// followed by its cells.
int GridAccessible::childCount() const { return columnCount() + rowCount() * (columnCount() + 1); }

QAccessibleInterface* GridAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    if (index < columns) {
        return cell(-1, index);
    }
    const int rest = index - columns;
    return cell(rest / (columns + 1), rest % (columns + 1) - 1);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessibleTableCellInterface* found =
        child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (found == nullptr || child->parent() != this) {
        return -1;
    }
    const int columns = columnCount();
    if (found->rowIndex() < 0) {
        return found->columnIndex();
    }
    return columns + found->rowIndex() * (columns + 1) + found->columnIndex() + 1;
}

QAccessibleInterface* GridAccessible::focusChild() const
{
    const DrawingWidget* widget = grid();
    return widget->hasFocus() ? cellAt(widget->currentRow(), widget->currentColumn()) : nullptr;
}

}  // namespace korvane
