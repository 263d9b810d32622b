#include "app/list_view_sink.h"

#include <QTableWidget>

void ListViewSink::Clear() {
    grid_.setRowCount(0);
}

void ListViewSink::AddRow() {
    grid_.insertRow(grid_.rowCount());
    nextSubItem_ = 1;
}

void ListViewSink::SetCaption(const std::string& text) {
    SetCell(0, text);
}

void ListViewSink::AddSubItem(const std::string& text) {
    if (nextSubItem_ < grid_.columnCount()) SetCell(nextSubItem_++, text);
}

void ListViewSink::SetCell(int column, const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid_.setItem(grid_.rowCount() - 1, column, item);
}
