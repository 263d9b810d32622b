#include "calendar_ui/day_grid.h"

#include "calendar_ui/day_grid_accessible.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace calendar_ui {

TDayGrid::TDayGrid(QWidget* parent) : QWidget(parent) {
    InstallDayGridAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setColCount(5);
    setRowCount(5);
}

void TDayGrid::setColCount(int n) {
    colWidths_.resize(std::max(0, n), 64);
    col_ = std::min(col_, std::max(0, n - 1));
    update();
}

void TDayGrid::setRowCount(int n) {
    rowHeights_.resize(std::max(0, n), 24);
    row_ = std::min(row_, std::max(0, n - 1));
    update();
}

int TDayGrid::colWidth(int c) const {
    return c >= 0 && c < colCount() ? colWidths_[size_t(c)] : 0;
}

int TDayGrid::rowHeight(int r) const {
    return r >= 0 && r < rowCount() ? rowHeights_[size_t(r)] : 0;
}

void TDayGrid::setColWidth(int c, int w) {
    if (c < 0 || c >= colCount()) return;
    colWidths_[size_t(c)] = std::max(0, w);
    update();
}

void TDayGrid::setRowHeight(int r, int h) {
    if (r < 0 || r >= rowCount()) return;
    rowHeights_[size_t(r)] = std::max(0, h);
    update();
}

gdi::TRect TDayGrid::CellRect(int c, int r) const {
    if (c < 0 || c >= colCount() || r < 0 || r >= rowCount()) return {};
    int x = 0, y = 0;
    for (int i = 0; i < c; ++i)
        x += colWidths_[size_t(i)];
    for (int i = 0; i < r; ++i)
        y += rowHeights_[size_t(i)];
    return {x, y, x + colWidths_[size_t(c)], y + rowHeights_[size_t(r)]};
}

bool TDayGrid::MouseToCell(QPoint p, int& c, int& r) const {
    if (!rect().contains(p)) return false;
    int x = 0;
    int col = -1;
    for (int i = 0; i < colCount(); ++i) {
        if (p.x() >= x && p.x() < x + colWidths_[size_t(i)]) {
            col = i;
            break;
        }
        x += colWidths_[size_t(i)];
    }
    int y = 0;
    int row = -1;
    for (int i = 0; i < rowCount(); ++i) {
        if (p.y() >= y && p.y() < y + rowHeights_[size_t(i)]) {
            row = i;
            break;
        }
        y += rowHeights_[size_t(i)];
    }
    if (col < 0 || row < 0) return false;
    c = col;
    r = row;
    return true;
}

bool TDayGrid::MoveCurrent(int c, int r) {
    if (c < 0 || c >= colCount() || r < 0 || r >= rowCount()) return false;
    if (OnSelectCell && !OnSelectCell(c, r)) return false;
    if (c == col_ && r == row_) return true;
    InvalidateCell(col_, row_);
    col_ = c;
    row_ = r;
    InvalidateCell(col_, row_);
    NotifyCurrentCellMoved(this);
    return true;
}

void TDayGrid::CellTextsChanged() {
    NotifyCellTextsChanged(this);
}

void TDayGrid::InvalidateCell(int c, int r) {
    update(CellRect(c, r).ToQRect());
}

void TDayGrid::DrawCells(gdi::TCanvas& canvas) {
    int y = 0;
    for (int r = 0; r < rowCount(); ++r) {
        int x = 0;
        const int h = rowHeights_[size_t(r)];
        for (int c = 0; c < colCount(); ++c) {
            const int w = colWidths_[size_t(c)];
            if (w > 0 && h > 0 && OnDrawCell) {
                TGridDrawState state;
                state.Selected = c == col_ && r == row_;
                state.Focused = state.Selected && hasFocus();
                OnDrawCell(canvas, c, r, {x, y, x + w, y + h}, state);
            }
            x += w;
        }
        y += h;
    }
}

void TDayGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Whatever the cells leave uncovered shows the grid's window-coloured ground.
    painter.fillRect(rect(), Qt::white);
    canvas_.Begin(&painter);
    DrawCells(canvas_);
    canvas_.End();
}

void TDayGrid::mousePressEvent(QMouseEvent* e) {
    lastMouse_ = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        int c = 0, r = 0;
        if (MouseToCell(lastMouse_, c, r)) {
            selecting_ = true;
            MoveCurrent(c, r);
        }
    }
    // The press is reported after the current cell has moved for it.
    if (OnMouseDown) OnMouseDown(this);
}

void TDayGrid::mouseMoveEvent(QMouseEvent* e) {
    lastMouse_ = e->position().toPoint();
    if (!selecting_ || !(e->buttons() & Qt::LeftButton)) return;
    int c = 0, r = 0;
    if (MouseToCell(lastMouse_, c, r) && (c != col_ || r != row_)) MoveCurrent(c, r);
}

void TDayGrid::mouseReleaseEvent(QMouseEvent* e) {
    lastMouse_ = e->position().toPoint();
    if (e->button() != Qt::LeftButton || !selecting_) return;
    selecting_ = false;
    if (OnClick) OnClick(this);
}

void TDayGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    // A double click reports its press but leaves the current cell where it is, and its
    // release is no click.
    lastMouse_ = e->position().toPoint();
    selecting_ = false;
    if (OnMouseDown) OnMouseDown(this);
}

void TDayGrid::wheelEvent(QWheelEvent* e) {
    const int dy = e->angleDelta().y();
    if (dy < 0 && row_ < rowCount() - 1)
        setRow(row_ + 1);
    else if (dy > 0 && row_ > 0)
        setRow(row_ - 1);
    e->accept();
}

void TDayGrid::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
        MoveCurrent(col_ - 1, row_);
        break;
    case Qt::Key_Right:
        MoveCurrent(col_ + 1, row_);
        break;
    case Qt::Key_Up:
        MoveCurrent(col_, row_ - 1);
        break;
    case Qt::Key_Down:
        MoveCurrent(col_, row_ + 1);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TDayGrid::contextMenuEvent(QContextMenuEvent* e) {
    if (!PopupMenu) {
        QWidget::contextMenuEvent(e);
        return;
    }
    PopupMenu->popup(e->globalPos());
    e->accept();
}

void TDayGrid::focusInEvent(QFocusEvent* e) {
    InvalidateCell(col_, row_);
    QWidget::focusInEvent(e);
    // The reader's focus goes on to the current cell, as in any table.
    NotifyCurrentCellMoved(this);
}

void TDayGrid::focusOutEvent(QFocusEvent* e) {
    InvalidateCell(col_, row_);
    QWidget::focusOutEvent(e);
}

} // namespace calendar_ui
