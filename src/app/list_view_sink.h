#pragma once

#include "naming/suggestion.h"

class QTableWidget;

// Writes a press's names into the report grid: one item per row, the caption in column 1
// and the sub-items in columns 2 to 6.
class ListViewSink : public naming::SuggestionSink {
public:
    explicit ListViewSink(QTableWidget& grid) : grid_(grid) {}

    void Clear() override;
    void AddRow() override;
    void SetCaption(const std::string& text) override;
    void AddSubItem(const std::string& text) override;

private:
    void SetCell(int column, const std::string& text);

    QTableWidget& grid_;
    int nextSubItem_ = 1;
};
