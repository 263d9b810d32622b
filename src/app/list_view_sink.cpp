#include "app/list_view_sink.h"

#include <QTableWidget>
#include <QTextDocument>

namespace {

// A grid cell that also answers for its description. The description is asked for only
// when a tooltip shows, so setting it notifies no one.
class SuggestionItem : public QTableWidgetItem {
public:
    explicit SuggestionItem(const QString& text) : QTableWidgetItem(text) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    void setDescription(QString description) { description_ = std::move(description); }

    QVariant data(int role) const override {
        // A screen reader reads the same description as the tooltip shows, as plain text.
        if ((role == kCellDescriptionRole || role == Qt::AccessibleDescriptionRole) &&
            !description_.isEmpty())
            return description_;
        if (role != Qt::ToolTipRole || description_.isEmpty()) return QTableWidgetItem::data(role);
        // Names and sources come from the store: never let them be taken for markup.
        if (Qt::mightBeRichText(description_))
            return Qt::convertFromPlainText(description_, Qt::WhiteSpacePre);
        return description_;
    }

private:
    QString description_;
};

} // namespace

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
    auto* item = new SuggestionItem(QString::fromStdString(text));
    grid_.setItem(grid_.rowCount() - 1, column, item);
    last_ = item;
    lastText_ = text;
}

void ListViewSink::SetCellDetails(const naming::SuggestionDetails& details) {
    if (!last_) return;
    // An empty cell gets no description, so no tooltip.
    static_cast<SuggestionItem*>(last_)->setDescription(
        QString::fromStdString(naming::DescribeSuggestion(lastText_, details)));
}
