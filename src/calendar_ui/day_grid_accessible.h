#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <utility>

namespace calendar_ui {

class TDayGrid;

// What a screen reader sees of a day grid: a table over the grid's reading block, whose cells
// read what the grid's owner says of them, the current cell being the selected and, while
// the grid has the focus, the focused one.
class TDayGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TDayGridAccessible(TDayGrid* grid);
    ~TDayGridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The table, in block coordinates (row 0 is the block's first row).
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Only the grid's own moves select a cell.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    TDayGrid* grid() const;
    // The current cell's interface; null when it lies outside the reading block.
    QAccessibleInterface* currentCell() const;

private:
    // Cells by block row and column, made when first asked for.
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

// Lets Qt's accessibility find TDayGridAccessible for every day grid; run once.
void InstallDayGridAccessibility();
// Tells a screen reader that the grid's current cell moved: it is the selected cell, and the
// focused one while the grid has the focus.
void NotifyCurrentCellMoved(TDayGrid* grid);
// Tells a screen reader that the texts of the grid's cells changed.
void NotifyCellTextsChanged(TDayGrid* grid);

} // namespace calendar_ui
