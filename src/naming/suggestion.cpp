#include "naming/suggestion.h"

#include "naming/name_query.h"
#include "naming/name_random.h"

namespace naming {

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
    const std::string familyName(family);
    sink.Clear();
    const auto choice = ChooseNameTable(sex, length);
    if (!choice) return false;

    query.SetSQL("select * from " + choice->table + ";");
    query.Open();
    for (int r = 0; r < kSuggestionRows; ++r) {
        sink.AddRow();
        query.MoveBy(Random(choice->bound) + r);
        sink.SetCaption(familyName + query.FieldAsString(choice->column, kMaxGivenNameBytes));
        for (int k = 1; k < kSuggestionColumns; ++k) {
            query.MoveBy(Random(choice->bound) + r * k);
            sink.AddSubItem(familyName + query.FieldAsString(choice->column, kMaxGivenNameBytes));
        }
    }
    query.Close();
    return true;
}

} // namespace naming
