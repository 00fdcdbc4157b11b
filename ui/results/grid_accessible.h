// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results grid as a screen reader gets it: the drawing area is a table
// whose rows are the ticked numbers and whose columns are the page's
// numbers, with row and column headers, each cell read as the fact with its
// counts ("7 + 5: 1 right of 2"). The arrow keys move a current cell that
// exists for screen readers only: the drawing stays exactly as it is.

#include <QAccessibleWidget>

namespace korvane {

class DrawingWidget;

// Makes Qt use the table below for every drawing area that reads as a grid;
// idempotent.
void useGridAccessibility(DrawingWidget& widget);

// Tells screen readers that the current cell moved (the focus, as far as
// they are concerned, is on it while the drawing area has the focus).
void reportCurrentCell(DrawingWidget& widget);

class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(DrawingWidget* widget);
    ~GridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    // The name says the totals too: a screen reader reads a table's name,
    // not its description, as it enters it.
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // A header has row -1 (column headers) or column -1 (row headers).
    QAccessibleInterface* cell(int row, int column) const;
    DrawingWidget* grid() const;

private:
    class Cell;
    mutable QHash<QPair<int, int>, QAccessible::Id> cells_;
};

}  // namespace korvane
