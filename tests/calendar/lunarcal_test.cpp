#include "calendar/chn_cal.h"
#include "lunarcal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

std::string ReadBack(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

Result Lunarcal(std::vector<std::string> args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Result result;
    calendar::TDateTime today = 0;
    calendar::TryEncodeDate(2024, 2, 10, today);
    result.status = lunarcal::Run(args, out, err, today + 0.75);
    result.out = ReadBack(out);
    result.err = ReadBack(err);
    return result;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

} // namespace

TEST(Lunarcal, TsvLineHoldsWhatAFreshRecordHolds) {
    const Result r = Lunarcal({"--tsv", "1900-01-01", "1900-01-03"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::stringstream lines(r.out);
    std::string line;
    int count = 0;
    for (int day = 1; std::getline(lines, line); ++day, ++count) {
        const std::vector<std::string> f = Fields(line);
        ASSERT_EQ(f.size(), 17u) << line;
        calendar::TChnCal cal;
        calendar::TDateTime t = 0;
        calendar::TryEncodeDate(1900, 1, day, t);
        cal.Update(t);
        EXPECT_EQ(f[0], "1900-01-0" + std::to_string(day));
        EXPECT_EQ(f[1], std::to_string(cal.LunarYear));
        EXPECT_EQ(f[3], "0");
        EXPECT_EQ(f[4], std::to_string(cal.LunarDay()));
        EXPECT_EQ(f[6], cal.CnMonth);
        EXPECT_EQ(f[7], cal.CnDay);
        EXPECT_EQ(f[16], cal.Era);
    }
    EXPECT_EQ(count, 3);
}

TEST(Lunarcal, TsvMarksLeapMonthsAndUnconvertibleDates) {
    Result r = Lunarcal({"--tsv", "2023-03-22"});
    std::vector<std::string> f = Fields(r.out.substr(0, r.out.size() - 1));
    ASSERT_EQ(f.size(), 17u);
    EXPECT_EQ(f[2], "2");
    EXPECT_EQ(f[3], "1");
    EXPECT_EQ(f[6], "闰二");
    r = Lunarcal({"--tsv", "1582-10-10"});
    f = Fields(r.out.substr(0, r.out.size() - 1));
    ASSERT_EQ(f.size(), 17u);
    EXPECT_EQ(f[4], "-1");
    EXPECT_EQ(f[7], "");
    r = Lunarcal({"--tsv", "2100-12-31", "2101-01-01"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\n2101-01-01\tFAIL\n"), std::string::npos) << r.out;
}

TEST(Lunarcal, ToSolar) {
    Result r = Lunarcal({"--to-solar", "2025", "11", "13"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2026-01-01\n");
    r = Lunarcal({"--to-solar", "2023", "2", "1", "--leap"});
    EXPECT_EQ(r.out, "2023-03-22\n");
    r = Lunarcal({"--to-solar", "2023", "3", "1", "--leap"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST(Lunarcal, SummaryAndMonth) {
    Result r = Lunarcal({});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("2024-02-10 星期六"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("正月初一"), std::string::npos);
    EXPECT_NE(r.out.find("春节"), std::string::npos);
    EXPECT_EQ(r.out.find("纪年"), std::string::npos);
    r = Lunarcal({"1900-01-01"});
    EXPECT_NE(r.out.find("光绪26年"), std::string::npos) << r.out;

    r = Lunarcal({"--month", "2009-02"});
    EXPECT_EQ(r.status, 0);
    // Week numbers 5..9 in rows 1..5; the lunar festival on 02-09 and the solar term on 02-04.
    EXPECT_NE(r.out.find("\n5   1*"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n9\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("元宵节"), std::string::npos);
    EXPECT_NE(r.out.find("立春"), std::string::npos);
    EXPECT_NE(r.out.find("宝瓶  戊子  牛年"), std::string::npos);
}

TEST(Lunarcal, BadInputGetsOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {{"2024-13-01"},
                                                       {"2023-02-30"},
                                                       {"0000-01-01"},
                                                       {"2024-1-1x"},
                                                       {"99999999999-01-01"},
                                                       {"--frobnicate"},
                                                       {""},
                                                       {"2024-01-01", "x"},
                                                       {"--tsv"},
                                                       {"--tsv", "2024-01-02", "2024-01-01"},
                                                       {"--tsv", "10000-01-01"},
                                                       {"--to-solar", "2024", "13", "1"},
                                                       {"--to-solar", "2024", "1"},
                                                       {"--to-solar", "99999999999", "1", "1"},
                                                       {"--to-solar", "a", "1", "1"},
                                                       {"--month", "2024"},
                                                       {"--month", "2024-00"},
                                                       {"-2024-01-01"}};
    for (const auto& args : bad) {
        const Result r = Lunarcal(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Lunarcal, LostOutputIsAnError) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_TRUE(full);
    std::FILE* err = std::tmpfile();
    const int status = lunarcal::Run({"--tsv", "2024-01-01", "2024-12-31"}, full, err, 0);
    std::fclose(full);
    EXPECT_EQ(status, lunarcal::kExitOutputLost);
    EXPECT_EQ(ReadBack(err), "lunarcal: the output could not be written\n");
}
