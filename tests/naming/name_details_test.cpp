#include "naming/name_details.h"
#include "naming/reading_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

namespace {

TEST(FamilyNameReading, ReadsFamilyNamesAsFamilyNames) {
    // Compound family names and characters whose family-name reading is not the everyday one.
    const std::pair<const char*, const char*> cases[] = {
        {"单", "shàn"},      {"解", "xiè"},       {"曾", "zēng"},      {"仇", "qiú"},
        {"区", "ōu"},        {"查", "zhā"},       {"朴", "piáo"},      {"乐", "yuè"},
        {"覃", "qín"},       {"缪", "miào"},      {"盖", "gě"},        {"种", "chóng"},
        {"欧阳", "ōu yáng"}, {"尉迟", "yù chí"},  {"万俟", "mò qí"},   {"长孙", "zhǎng sūn"},
        {"诸葛", "zhū gě"},  {"令狐", "líng hú"}, {"单于", "chán yú"}, {"王", "wáng"},
    };
    for (const auto& [family, reading] : cases)
        EXPECT_EQ(naming::FamilyNameReading(family), reading) << family;
}

TEST(FamilyNameReading, ReadsOtherNamesOneCharacterAtATime) {
    // Two family names joined: each keeps its family-name reading (not pǔ lè).
    EXPECT_EQ(naming::FamilyNameReading("朴乐"), "piáo yuè");
    // A character no family-name entry has is read as in given names.
    EXPECT_EQ(naming::FamilyNameReading("博"), "bó");
    EXPECT_EQ(naming::FamilyNameReading("李博"), "lǐ bó");
    // Any character without a reading leaves the whole family name unread.
    for (const char* family : {"", "李X", " 李", "㐀", "李\xE6"})
        EXPECT_EQ(naming::FamilyNameReading(family), "") << family;
}

// A syllable in lower case with exactly one tone mark.
bool IsToneMarkedSyllable(std::string syllable) {
    int marks = 0;
    for (const char* vowel : {"ā", "á", "ǎ", "à", "ē", "é", "ě", "è", "ī", "í", "ǐ", "ì", "ō",
                              "ó", "ǒ", "ò", "ū", "ú", "ǔ", "ù", "ǖ", "ǘ", "ǚ", "ǜ", "ü"}) {
        for (auto at = syllable.find(vowel); at != std::string::npos; at = syllable.find(vowel)) {
            marks += std::string_view(vowel) != "ü";
            syllable.replace(at, std::string_view(vowel).size(), "u");
        }
    }
    return marks == 1 && std::all_of(syllable.begin(), syllable.end(),
                                     [](char c) { return c >= 'a' && c <= 'z'; });
}

TEST(SurnameTable, EveryEntryIsReadOneToneMarkedSyllableACharacter) {
    std::ifstream in(std::string(BABYNAME_SOURCE_DIR) + "/data/surnames.tsv");
    ASSERT_TRUE(in);
    std::set<std::string> families;
    int single = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string family = line.substr(0, tab), reading = line.substr(tab + 1);
        EXPECT_TRUE(families.insert(family).second) << "twice: " << family;
        const std::size_t characters = family.size() / 3; // all in the 3-byte UTF-8 range
        single += characters == 1;
        std::size_t syllables = 0;
        for (std::size_t pos = 0; pos <= reading.size(); ++syllables) {
            const auto end = std::min(reading.find(' ', pos), reading.size());
            EXPECT_TRUE(IsToneMarkedSyllable(reading.substr(pos, end - pos))) << line;
            pos = end + 1;
        }
        EXPECT_EQ(syllables, characters) << line;
    }
    EXPECT_GE(single, 300);
    for (const char* compound :
         {"欧阳", "司马", "诸葛", "上官", "尉迟", "长孙", "令狐", "东方", "皇甫", "慕容", "夏侯",
          "公孙", "轩辕", "宇文", "端木", "西门", "南宫", "独孤", "万俟"})
        EXPECT_TRUE(families.count(compound)) << compound;
}

TEST(StoredDetails, SourcesReadLineFirstAndEverythingFitsOneLine) {
    EXPECT_EQ(naming::FormatSource("《周敦颐·爱莲说》予独爱莲之出淤泥而不染"),
              "予独爱莲之出淤泥而不染（《周敦颐·爱莲说》）");
    EXPECT_EQ(naming::FormatSource("知其白，守其黑（《道德经》）"), "知其白，守其黑（《道德经》）");
    EXPECT_EQ(naming::FormatSource("《诗经》"), "《诗经》");
    EXPECT_EQ(naming::FormatSource("《诗经》\t白露\r\n为霜 "), "白露 为霜（《诗经》）");
    EXPECT_EQ(naming::FormatSource(std::string(naming::kMaxSourceBytes + 1, 'a')), "");
    EXPECT_EQ(naming::TidyReading(" Zhī\tBái\n"), "zhī bái");
    EXPECT_EQ(naming::JoinReadings("wáng", "zhī bái"), "wáng zhī bái");
    EXPECT_EQ(naming::JoinReadings("", "zhī bái"), "zhī bái");
    EXPECT_EQ(naming::JoinReadings("wáng", ""), "");
    EXPECT_EQ(naming::DescribeSuggestion("王知白", {"wáng zhī bái", "知其白（《道德经》）"}),
              "王知白\nwáng zhī bái\n知其白（《道德经》）");
    EXPECT_EQ(naming::DescribeSuggestion("", {"wáng", ""}), "");
}

} // namespace
