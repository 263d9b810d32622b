// Checks of the curated name lists in data/names/: a bad edit (a typo in a column, a
// duplicate, a traditional or rare character, an unfit character, a lost reading) fails here
// before it reaches the store.
#include "name_list_file.h"
#include "utf8_text.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace {

struct NameListInfo {
    const char* table;
    const char* nameColumn;
    size_t nameLength;
    size_t minimumRows;
};

// The walk of a press reaches record 1,474 of a one-character table and 2,134 of a
// two-character one; these sizes keep it clear of the end.
const NameListInfo kLists[] = {
    {"male1", "danm", 1, 1500},
    {"female1", "danm", 1, 1500},
    {"male2", "shuangm", 2, 2200},
    {"female2", "shuangm", 2, 2200},
};

void PrintTo(const NameListInfo& list, std::ostream* out) {
    *out << list.table;
}

std::string ListPath(const NameListInfo& list) {
    return SourceDir() + "/data/names/" + list.table + ".tsv";
}

const std::set<char32_t>& Gb2312Hanzi() {
    static const auto chars = ReadCharacterSet(SourceDir() + "/tests/names/gb2312_hanzi.txt");
    return chars;
}

const std::set<char32_t>& UnfitChars() {
    static const auto chars = ReadCharacterSet(SourceDir() + "/tests/names/unfit_chars.txt");
    return chars;
}

std::string Utf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::vector<std::string> Syllables(const std::string& pinyin) {
    std::vector<std::string> out;
    std::istringstream in(pinyin);
    for (std::string s; in >> s;)
        out.push_back(s);
    return out;
}

// Letters a pinyin syllable may hold; the value says whether the letter carries a tone mark.
const std::map<char32_t, bool>& PinyinLetters() {
    static const auto letters = [] {
        std::map<char32_t, bool> map;
        for (char32_t c = U'a'; c <= U'z'; ++c)
            map[c] = false;
        map[U'ü'] = false;
        for (char32_t c : std::u32string(U"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ"))
            map[c] = true;
        return map;
    }();
    return letters;
}

class NameListTest : public testing::TestWithParam<NameListInfo> {
protected:
    void SetUp() override { table_ = ReadNameListFile(ListPath(GetParam())); }
    size_t Column(const std::string& name) const {
        for (size_t i = 0; i < table_.columns.size(); ++i)
            if (table_.columns[i] == name) return i;
        return table_.columns.size();
    }
    NameTable table_;
};

TEST(NameListReferenceData, TablesAreComplete) {
    // Guards the checks below against a reference file that went missing or got cut short.
    EXPECT_EQ(Gb2312Hanzi().size(), 6763u);
    EXPECT_GE(UnfitChars().size(), 150u);
    for (char32_t c : UnfitChars())
        EXPECT_TRUE(Gb2312Hanzi().count(c)) << Utf8(c);
    EXPECT_TRUE(Gb2312Hanzi().count(U'涵'));
    EXPECT_FALSE(Gb2312Hanzi().count(U'涵' + 0x10000));
    EXPECT_FALSE(Gb2312Hanzi().count(U'玥')); // in GBK but not in GB 2312
    EXPECT_FALSE(Gb2312Hanzi().count(U'龍')); // traditional form
}

TEST_P(NameListTest, HeaderNamesTheColumns) {
    const std::vector<std::string> expected = {GetParam().nameColumn, "pinyin", "source"};
    EXPECT_EQ(table_.columns, expected);
}

TEST_P(NameListTest, HasEnoughDistinctNames) {
    const size_t name = Column(GetParam().nameColumn);
    ASSERT_LT(name, table_.columns.size());
    std::set<std::string> seen;
    for (const auto& row : table_.rows)
        EXPECT_TRUE(seen.insert(row[name]).second) << "duplicate " << row[name];
    EXPECT_GE(seen.size(), GetParam().minimumRows);
}

TEST_P(NameListTest, NamesAreFitGb2312Hanzi) {
    const size_t name = Column(GetParam().nameColumn);
    ASSERT_LT(name, table_.columns.size());
    for (const auto& row : table_.rows) {
        const auto chars = DecodeUtf8(row[name]);
        EXPECT_EQ(chars.size(), GetParam().nameLength) << row[name];
        for (char32_t c : chars) {
            EXPECT_TRUE(Gb2312Hanzi().count(c)) << row[name] << ": " << Utf8(c);
            EXPECT_FALSE(UnfitChars().count(c)) << row[name] << ": " << Utf8(c);
        }
    }
}

TEST_P(NameListTest, EveryNameHasATonedReadingPerCharacter) {
    const size_t name = Column(GetParam().nameColumn);
    const size_t pinyin = Column("pinyin");
    ASSERT_LT(pinyin, table_.columns.size());
    for (const auto& row : table_.rows) {
        const auto syllables = Syllables(row[pinyin]);
        EXPECT_EQ(syllables.size(), GetParam().nameLength) << row[name] << " " << row[pinyin];
        for (const auto& syllable : syllables) {
            int marks = 0;
            for (char32_t c : DecodeUtf8(syllable)) {
                const auto letter = PinyinLetters().find(c);
                ASSERT_NE(letter, PinyinLetters().end()) << row[name] << " " << row[pinyin];
                marks += letter->second;
            }
            EXPECT_EQ(marks, 1) << row[name] << " " << row[pinyin];
        }
    }
}

TEST_P(NameListTest, SourcedNamesComeFromTheQuotedLine) {
    const size_t name = Column(GetParam().nameColumn);
    const size_t source = Column("source");
    ASSERT_LT(source, table_.columns.size());
    size_t sourced = 0;
    for (const auto& row : table_.rows) {
        if (row[source].empty()) continue;
        ++sourced;
        EXPECT_EQ(row[source].rfind("《", 0), 0u) << row[name] << ": the work comes first";
        const size_t titleEnd = row[source].find("》");
        ASSERT_NE(titleEnd, std::string::npos) << row[source];
        const auto text = DecodeUtf8(row[source].substr(titleEnd + std::string("》").size()));
        const std::set<char32_t> inLine(text.begin(), text.end());
        for (char32_t c : DecodeUtf8(row[name]))
            EXPECT_TRUE(inLine.count(c)) << row[name] << " not drawn from " << row[source];
    }
    // A fair share of the two-character names carry the line they were taken from.
    if (GetParam().nameLength == 2) {
        EXPECT_GE(sourced * 100, table_.rows.size() * 15);
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, NameListTest, testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.table); });

} // namespace
