#include "app/list_view_sink.h"

#include <QTableWidget>
#include <QTextDocument>

void ListViewSink::Clear() {
    grid_.setRowCount(0);
    last_ = nullptr;
}

void ListViewSink::AddRow() {
    grid_.insertRow(grid_.rowCount());
    nextSubItem_ = 1;
    last_ = nullptr;
}

void ListViewSink::SetCaption(const std::string& text) {
    SetCell(0, text);
}

void ListViewSink::AddSubItem(const std::string& text) {
    if (nextSubItem_ < grid_.columnCount())
        SetCell(nextSubItem_++, text);
    else
        last_ = nullptr;
}

void ListViewSink::SetCell(int column, const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid_.setItem(grid_.rowCount() - 1, column, item);
    last_ = item;
}

void ListViewSink::SetCellDetails(const naming::SuggestionDetails& details) {
    if (!last_) return;
    const QString description =
        QString::fromStdString(naming::DescribeSuggestion(last_->text().toStdString(), details));
    if (description.isEmpty()) return; // an empty cell has no tooltip
    last_->setData(kCellDescriptionRole, description);
    // Names and sources come from the store: never let them be taken for markup.
    last_->setData(Qt::ToolTipRole, Qt::mightBeRichText(description)
                                        ? Qt::convertFromPlainText(description, Qt::WhiteSpacePre)
                                        : description);
}
