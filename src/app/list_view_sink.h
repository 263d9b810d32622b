#pragma once

#include "naming/suggestion.h"

#include <Qt>

class QTableWidget;
class QTableWidgetItem;

// Where a cell keeps the plain text that describes it (name, reading, source); its tooltip
// shows the same text.
inline constexpr int kCellDescriptionRole = Qt::UserRole + 1;

// Writes a press's names into the report grid: one item per row, the caption in column 1
// and the sub-items in columns 2 to 6, each with its description as tooltip.
class ListViewSink : public naming::SuggestionSink {
public:
    explicit ListViewSink(QTableWidget& grid) : grid_(grid) {}

    void Clear() override;
    void AddRow() override;
    void SetCaption(const std::string& text) override;
    void AddSubItem(const std::string& text) override;
    void SetCellDetails(const naming::SuggestionDetails& details) override;

private:
    void SetCell(int column, const std::string& text);

    QTableWidget& grid_;
    int nextSubItem_ = 1;
    QTableWidgetItem* last_ = nullptr; // the cell just written, and its text
    std::string lastText_;
};
