#pragma once

#include "gdi/canvas.h"
#include "gdi/geometry.h"

#include <QWidget>

#include <functional>
#include <vector>

class QMenu;

namespace calendar_ui {

// What a cell is drawn as: the grid's current cell, and whether the grid also has the focus.
struct TGridDrawState {
    bool Selected = false;
    bool Focused = false;
};

// How a screen reader reads a grid: the block of cells it reads as a table (the cells around
// it, such as titles and margins, are left out) and what each cell says, in grid coordinates.
// The row just above the block gives the table's column headers.
struct TDayGridReading {
    int FirstCol = 0;
    int FirstRow = 0;
    int ColCount = -1; // -1: up to the last column
    int RowCount = -1; // -1: down to the last row
    std::function<QString(int c, int r)> CellText;
};

// A grid of cells without lines, scroll bars or fixed cells, drawn entirely by its owner.
// Every move of the current cell, by mouse press, drag, arrow key or wheel, is first put to
// OnSelectCell, which may refuse it; a press asks even when it lands on the current cell.
class TDayGrid : public QWidget {
    Q_OBJECT
public:
    explicit TDayGrid(QWidget* parent = nullptr);

    int colCount() const { return int(colWidths_.size()); }
    int rowCount() const { return int(rowHeights_.size()); }
    void setColCount(int n);
    void setRowCount(int n);
    int colWidth(int c) const;
    int rowHeight(int r) const;
    void setColWidth(int c, int w);
    void setRowHeight(int r, int h);

    int col() const { return col_; }
    int row() const { return row_; }
    // Moves the current cell when OnSelectCell allows it (and repaints the two cells).
    void setCol(int c) { MoveCurrent(c, row_); }
    void setRow(int r) { MoveCurrent(col_, r); }
    bool MoveCurrent(int c, int r);

    // The cell's rectangle in grid coordinates (empty for a cell outside the grid).
    gdi::TRect CellRect(int c, int r) const;
    // The cell under a point in grid coordinates; false when there is none.
    bool MouseToCell(QPoint p, int& c, int& r) const;
    // Where the mouse was last pressed, moved or released over the grid.
    QPoint lastMousePos() const { return lastMouse_; }

    QMenu* PopupMenu = nullptr;

    // Handlers (each optional).
    std::function<void(gdi::TCanvas& canvas, int c, int r, const gdi::TRect& rect,
                       TGridDrawState state)>
        OnDrawCell;
    std::function<bool(int c, int r)> OnSelectCell;
    std::function<void(QObject* sender)> OnMouseDown;
    std::function<void(QObject* sender)> OnClick;

    TDayGridReading Reading;
    // Tells a screen reader that the cells read differently now (the owner shows other data).
    void CellTextsChanged();

    // Draws every cell, as a paint of the grid does, onto canvas (bound by the caller).
    void DrawCells(gdi::TCanvas& canvas);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void InvalidateCell(int c, int r);

    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int col_ = 0;
    int row_ = 0;
    bool selecting_ = false; // left button pressed on a cell, not yet released
    QPoint lastMouse_;
    gdi::TCanvas canvas_;
};

} // namespace calendar_ui
