// Checks of the curated name lists in data/names/: a bad edit (a typo in a column, a
// duplicate, a traditional or rare character, one the font cannot draw, an unfit character, a
// lost or stale reading, a struck name that came back) fails here before it reaches the store.
#include "list_sources.h"
#include "name_list_file.h"
#include "utf8_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct NameListInfo {
    const char* table;
    const char* nameColumn;
    size_t nameLength;
    size_t minimumRows;
    size_t maxSameReading;
};

// A press's last cell lands on record 881 plus the sum of its 66 draws: with draws below 10
// that stays below record 1,300, with draws below 20 below 1,750, in all but a vanishing share
// of presses. Rows further on are never shown, so only variety of sound matters beyond size.
const NameListInfo kLists[] = {
    {"male1", "danm", 1, 1300, 10},
    {"female1", "danm", 1, 1300, 10},
    {"male2", "shuangm", 2, 1750, 3},
    {"female2", "shuangm", 2, 1750, 3},
};

// The face the grid draws Chinese text with.
const char kCjkFont[] = "WenQuanYi Zen Hei";

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

const std::set<char32_t>& FontChars() {
    static const auto chars = FontCharset(kCjkFont);
    return chars;
}

// GBK's hanzi are the unified ideographs U+4E00..U+9FA5.
bool IsGbkHanzi(char32_t c) {
    return c >= 0x4E00 && c <= 0x9FA5;
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

// Whether one phrase of a quoted line (the text between its punctuation marks) holds every
// character of a name: a name whose two characters come from different phrases is not taken
// from the line.
bool OnePhraseHoldsEvery(const std::vector<char32_t>& line, const std::vector<char32_t>& name) {
    const std::u32string ends = U"，。；？！：";
    std::set<char32_t> phrase;
    auto holdsAll = [&] {
        for (char32_t c : name)
            if (!phrase.count(c)) return false;
        return true;
    };
    for (char32_t c : line) {
        if (ends.find(c) == std::u32string::npos) {
            phrase.insert(c);
            continue;
        }
        if (holdsAll()) return true;
        phrase.clear();
    }
    return holdsAll();
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
    // The font covers the common hanzi; a charset that came back cut short or unparsed fails.
    EXPECT_GE(FontChars().size(), 20000u) << "fontconfig has no " << kCjkFont;
    for (char32_t c : Gb2312Hanzi())
        EXPECT_TRUE(FontChars().count(c)) << Utf8(c);
    EXPECT_FALSE(FontChars().count(0x20000)); // beyond the basic plane
}

TEST_P(NameListTest, HeaderNamesTheColumns) {
    const std::vector<std::string> expected = {GetParam().nameColumn, "pinyin", "source"};
    EXPECT_EQ(table_.columns, expected);
}

TEST_P(NameListTest, HasEnoughDistinctNames) {
    const size_t name = Column(GetParam().nameColumn);
    ASSERT_LT(name, table_.columns.size());
    std::map<std::string, size_t> seen;
    for (const auto& row : table_.rows)
        ++seen[row[name]];
    EXPECT_GE(table_.rows.size(), GetParam().minimumRows);
    // A one-character table short of fitting characters holds some of them two or three times,
    // never more, and only as many rows as its minimum takes; two-character names never repeat,
    // nor does a one-character name in a table with enough distinct names.
    const bool shortOfNames = GetParam().nameLength == 1 && seen.size() < GetParam().minimumRows;
    const size_t allowed = shortOfNames ? 3 : 1;
    for (const auto& [text, count] : seen)
        EXPECT_LE(count, allowed) << "repeated " << text;
    EXPECT_LE(table_.rows.size(), std::max(seen.size(), GetParam().minimumRows));
}

TEST_P(NameListTest, FewNamesShareAReading) {
    const size_t pinyin = Column("pinyin");
    ASSERT_LT(pinyin, table_.columns.size());
    const size_t name = Column(GetParam().nameColumn);
    std::map<std::string, std::set<std::string>> names;
    for (const auto& row : table_.rows)
        names[row[pinyin]].insert(row[name]);
    for (const auto& [reading, held] : names)
        EXPECT_LE(held.size(), GetParam().maxSameReading) << reading;
}

TEST_P(NameListTest, StruckNamesStayOut) {
    const auto denied = ReadWords(SourceDir() + "/tools/names/deny/" + GetParam().table + ".txt");
    const size_t name = Column(GetParam().nameColumn);
    ASSERT_LT(name, table_.columns.size());
    for (const auto& row : table_.rows)
        EXPECT_FALSE(denied.count(row[name])) << row[name];
}

TEST_P(NameListTest, NamesAreFitDrawableHanzi) {
    const size_t name = Column(GetParam().nameColumn);
    ASSERT_LT(name, table_.columns.size());
    std::set<std::string> names, beyondGb2312;
    for (const auto& row : table_.rows) {
        names.insert(row[name]);
        const auto chars = DecodeUtf8(row[name]);
        EXPECT_EQ(chars.size(), GetParam().nameLength) << row[name];
        bool common = true;
        for (char32_t c : chars) {
            EXPECT_TRUE(IsGbkHanzi(c)) << row[name] << ": " << Utf8(c);
            EXPECT_TRUE(FontChars().count(c)) << row[name] << ": " << Utf8(c) << " not in font";
            EXPECT_FALSE(UnfitChars().count(c)) << row[name] << ": " << Utf8(c);
            common = common && Gb2312Hanzi().count(c);
        }
        if (!common) beyondGb2312.insert(row[name]);
    }
    // Characters beyond GB 2312 stand only where they are common in names (玥, 珺).
    EXPECT_LE(beyondGb2312.size() * 100, names.size() * 8);
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

TEST_P(NameListTest, ReadingsFollowTheCuratedReadings) {
    // A name listed in name_readings.txt takes that reading; any other reads character by
    // character as pinyin.txt says. A list not written again after an edit there fails.
    const auto chars = ReadTabPairs(SourceDir() + "/tools/names/pinyin.txt");
    const auto names = ReadTabPairs(SourceDir() + "/tools/names/name_readings.txt");
    const size_t name = Column(GetParam().nameColumn);
    const size_t pinyin = Column("pinyin");
    ASSERT_LT(pinyin, table_.columns.size());
    for (const auto& row : table_.rows) {
        std::string expected;
        if (const auto it = names.find(row[name]); it != names.end()) {
            expected = it->second;
        } else {
            for (char32_t c : DecodeUtf8(row[name])) {
                const auto reading = chars.find(Utf8(c));
                ASSERT_NE(reading, chars.end()) << row[name] << ": no reading for " << Utf8(c);
                expected += (expected.empty() ? "" : " ") + reading->second;
            }
        }
        EXPECT_EQ(row[pinyin], expected) << row[name];
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
        EXPECT_TRUE(OnePhraseHoldsEvery(text, DecodeUtf8(row[name])))
            << row[name] << " not drawn from one phrase of " << row[source];
    }
    // A line is quoted only where it gives the name in one phrase, so fewer names carry
    // one; a share this low would mean the sources were lost, not weeded.
    if (GetParam().nameLength == 2) {
        EXPECT_GE(sourced * 100, table_.rows.size() * 6);
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, NameListTest, testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.table); });

} // namespace
