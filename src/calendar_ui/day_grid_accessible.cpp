#include "calendar_ui/day_grid_accessible.h"

#include "calendar_ui/day_grid.h"

#include <algorithm>

namespace calendar_ui {
namespace {

// The reading block of a grid, clamped to the grid's cells.
struct TBlock {
    int Col = 0, Row = 0, Cols = 0, Rows = 0;
    bool Contains(int c, int r) const {
        return c >= Col && c < Col + Cols && r >= Row && r < Row + Rows;
    }
};

TBlock BlockOf(const TDayGrid& grid) {
    const TDayGridReading& reading = grid.Reading;
    TBlock b;
    b.Col = std::clamp(reading.FirstCol, 0, grid.colCount());
    b.Row = std::clamp(reading.FirstRow, 0, grid.rowCount());
    const int maxCols = grid.colCount() - b.Col, maxRows = grid.rowCount() - b.Row;
    b.Cols = reading.ColCount < 0 ? maxCols : std::min(reading.ColCount, maxCols);
    b.Rows = reading.RowCount < 0 ? maxRows : std::min(reading.RowCount, maxRows);
    return b;
}

QString CellTextOf(const TDayGrid& grid, int c, int r) {
    return grid.Reading.CellText ? grid.Reading.CellText(c, r) : QString();
}

// One cell of the reading block, at block row and column. It keeps no text of its own: what
// it reads is asked of the grid each time, so a new month needs no new cells.
class TDayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TDayCellAccessible(TDayGrid* grid, int row, int column)
        : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override { return grid_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table() ? table()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !grid_) return {};
        const TBlock b = BlockOf(*grid_);
        return CellTextOf(*grid_, b.Col + column_, b.Row + row_);
    }

    QRect rect() const override {
        if (!grid_) return {};
        const TBlock b = BlockOf(*grid_);
        const QRect r = grid_->CellRect(b.Col + column_, b.Row + row_).ToQRect();
        return QRect(grid_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!grid_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.selected = isSelected();
        s.focused = s.selected && grid_->hasFocus();
        if (!grid_->isVisible()) s.invisible = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        if (!grid_) return false;
        const TBlock b = BlockOf(*grid_);
        return grid_->col() == b.Col + column_ && grid_->row() == b.Row + row_;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }

private:
    QPointer<TDayGrid> grid_;
    int row_;
    int column_;
};

QAccessibleInterface* DayGridFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(TDayGrid::staticMetaObject.className())) return nullptr;
    auto* grid = qobject_cast<TDayGrid*>(object);
    return grid ? new TDayGridAccessible(grid) : nullptr;
}

TDayGridAccessible* GridInterface(TDayGrid* grid) {
    if (!QAccessible::isActive()) return nullptr;
    return dynamic_cast<TDayGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
}

} // namespace

TDayGridAccessible::TDayGridAccessible(TDayGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

TDayGridAccessible::~TDayGridAccessible() {
    for (const auto& [cell, id] : cells_)
        QAccessible::deleteAccessibleInterface(id);
}

TDayGrid* TDayGridAccessible::grid() const {
    return static_cast<TDayGrid*>(widget());
}

void* TDayGridAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int TDayGridAccessible::columnCount() const {
    return BlockOf(*grid()).Cols;
}

int TDayGridAccessible::rowCount() const {
    return BlockOf(*grid()).Rows;
}

int TDayGridAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* TDayGridAccessible::cellAt(int row, int column) const {
    const TBlock b = BlockOf(*grid());
    if (row < 0 || row >= b.Rows || column < 0 || column >= b.Cols) return nullptr;
    const auto key = std::make_pair(row, column);
    if (auto found = cells_.find(key); found != cells_.end())
        return QAccessible::accessibleInterface(found->second);
    auto* cell = new TDayCellAccessible(grid(), row, column);
    cells_[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

QAccessibleInterface* TDayGridAccessible::child(int index) const {
    const int cols = columnCount();
    if (index < 0 || index >= childCount() || cols == 0) return nullptr;
    return cellAt(index / cols, index % cols);
}

int TDayGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this) return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TDayGridAccessible::childAt(int x, int y) const {
    int c = 0, r = 0;
    if (!grid()->MouseToCell(grid()->mapFromGlobal(QPoint(x, y)), c, r)) return nullptr;
    const TBlock b = BlockOf(*grid());
    return b.Contains(c, r) ? cellAt(r - b.Row, c - b.Col) : nullptr;
}

QAccessibleInterface* TDayGridAccessible::currentCell() const {
    const TBlock b = BlockOf(*grid());
    const int c = grid()->col(), r = grid()->row();
    return b.Contains(c, r) ? cellAt(r - b.Row, c - b.Col) : nullptr;
}

QAccessibleInterface* TDayGridAccessible::focusChild() const {
    return grid()->hasFocus() ? currentCell() : nullptr;
}

int TDayGridAccessible::selectedCellCount() const {
    return currentCell() ? 1 : 0;
}

QList<QAccessibleInterface*> TDayGridAccessible::selectedCells() const {
    QAccessibleInterface* cell = currentCell();
    return cell ? QList<QAccessibleInterface*>{cell} : QList<QAccessibleInterface*>{};
}

QString TDayGridAccessible::columnDescription(int column) const {
    const TBlock b = BlockOf(*grid());
    if (column < 0 || column >= b.Cols || b.Row == 0) return {};
    return CellTextOf(*grid(), b.Col + column, b.Row - 1);
}

void InstallDayGridAccessibility() {
    static const bool installed = (QAccessible::installFactory(&DayGridFactory), true);
    (void)installed;
}

void NotifyCurrentCellMoved(TDayGrid* grid) {
    TDayGridAccessible* table = GridInterface(grid);
    QAccessibleInterface* cell = table ? table->currentCell() : nullptr;
    if (!cell) return;
    QAccessibleEvent selection(cell, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
    if (!grid->hasFocus()) return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void NotifyCellTextsChanged(TDayGrid* grid) {
    TDayGridAccessible* table = GridInterface(grid);
    if (!table || table->childCount() == 0) return;
    QAccessibleTableModelChangeEvent change(grid, QAccessibleTableModelChangeEvent::DataChanged);
    change.setFirstRow(0);
    change.setLastRow(table->rowCount() - 1);
    change.setFirstColumn(0);
    change.setLastColumn(table->columnCount() - 1);
    QAccessible::updateAccessibility(&change);
}

} // namespace calendar_ui
