#include "naming/suggestion.h"

#include "naming/name_query.h"
#include "naming/name_random.h"
#include "naming/reading_table.h"

namespace naming {
namespace {

// Writes the cells of one press: each is read from the record under the cursor, the name
// and, where the table has them, its reading and source.
class CellWriter {
public:
    CellWriter(const NameQuery& query, std::string_view family, std::string column,
               SuggestionSink& sink)
        : query_(query), family_(family), column_(std::move(column)), sink_(sink),
          familyReading_(FamilyNameReading(family)), hasReading_(query.HasField("pinyin")),
          hasSource_(query.HasField("source")) {}

    void Caption() {
        sink_.SetCaption(family_ + query_.FieldAsString(column_, kMaxGivenNameBytes));
        Details();
    }
    void SubItem() {
        sink_.AddSubItem(family_ + query_.FieldAsString(column_, kMaxGivenNameBytes));
        Details();
    }

private:
    void Details() {
        SuggestionDetails details;
        if (hasReading_)
            details.reading =
                JoinReadings(familyReading_, TidyReading(query_.FieldAsString("pinyin")));
        if (hasSource_) details.source = FormatSource(query_.FieldAsString("source"));
        sink_.SetCellDetails(details);
    }

    const NameQuery& query_;
    const std::string family_;
    const std::string column_;
    SuggestionSink& sink_;
    const std::string familyReading_;
    const bool hasReading_;
    const bool hasSource_;
};

} // namespace

std::optional<NameTableChoice> ChooseNameTable(std::string_view sex, std::string_view length) {
    std::string prefix;
    if (sex == "男")
        prefix = "male";
    else if (sex == "女")
        prefix = "female";
    else
        return std::nullopt;
    if (length == "三字") return NameTableChoice{prefix + "2", "shuangm", 20};
    return NameTableChoice{prefix + "1", "danm", 10};
}

bool SuggestNames(NameQuery& query, std::string_view family, std::string_view sex,
                  std::string_view length, SuggestionSink& sink) {
    sink.Clear();
    const auto choice = ChooseNameTable(sex, length);
    if (!choice) return false;

    query.SetSQL("select * from " + choice->table + ";");
    query.Open();
    CellWriter cells(query, family, choice->column, sink);
    for (int r = 0; r < kSuggestionRows; ++r) {
        sink.AddRow();
        query.MoveBy(Random(choice->bound) + r);
        cells.Caption();
        for (int k = 1; k < kSuggestionColumns; ++k) {
            query.MoveBy(Random(choice->bound) + r * k);
            cells.SubItem();
        }
    }
    query.Close();
    return true;
}

} // namespace naming
