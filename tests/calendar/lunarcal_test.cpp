#include "calendar/chn_cal.h"
#include "losing_buffer.h"
#include "lunarcal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

calendar::TDateTime Today() {
    calendar::TDateTime today = 0;
    calendar::TryEncodeDate(2024, 2, 10, today);
    return today + 0.75;
}

Result Lunarcal(std::vector<std::string> args) {
    std::ostringstream out, err;
    Result result;
    result.status = lunarcal::Run(args, out, err, Today());
    result.out = out.str();
    result.err = err.str();
    return result;
}

using test_support::LosingBuffer;

Result LunarcalInto(std::streambuf& buffer, std::vector<std::string> args) {
    std::ostream out(&buffer);
    std::ostringstream err;
    Result result;
    result.status = lunarcal::Run(args, out, err, Today());
    result.err = err.str();
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
                                                       {"--month", "2101-01"},
                                                       {"-2024-01-01"}};
    for (const auto& args : bad) {
        const Result r = Lunarcal(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Lunarcal, LostOutputGivesOneLineAndItsOwnStatus) {
    // The walk over every date stops at the first piece that cannot be written.
    LosingBuffer full(1000);
    Result r = LunarcalInto(full, {"--tsv", "0001-01-01", "9999-12-31"});
    EXPECT_EQ(r.status, lunarcal::kExitOutputLost);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_LT(full.offered, std::size_t{1} << 18);

    const std::vector<std::vector<std::string>> commands = {
        {}, {"2024-02-10"}, {"--month", "2024-02"}, {"--to-solar", "2024", "1", "1"}, {"--help"}};
    for (const auto& args : commands) {
        LosingBuffer none(0);
        r = LunarcalInto(none, args);
        EXPECT_EQ(r.status, lunarcal::kExitOutputLost) << (args.empty() ? "" : args[0]);
        LosingBuffer flushFails(std::numeric_limits<std::size_t>::max(), true);
        r = LunarcalInto(flushFails, args);
        EXPECT_EQ(r.status, lunarcal::kExitOutputLost) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(Lunarcal, TheProgramFailsOnAFullDevice) {
    if (std::FILE* probe = std::fopen("/dev/full", "w"))
        std::fclose(probe);
    else
        GTEST_SKIP() << "no /dev/full here";
    const std::string command =
        std::string(BABYNAME_BUILD_DIR) + "/lunarcal --tsv 0001-01-01 9999-12-31 2>&1 >/dev/full";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string messages;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        messages += buffer;
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), lunarcal::kExitOutputLost);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << messages;
}

TEST(Lunarcal, NumbersTooLargeOrSmallAreOutOfRange) {
    const std::vector<std::vector<std::string>> outside = {
        {"99999999999-01-01"},
        {"--tsv", "2024-01-01", "99999999999-01-01"},
        {"--to-solar", "2024", "-1", "1"},
        {"--to-solar", "2024", "1", "31"},
        {"--to-solar", "99999999999", "1", "1"},
        {"--month", "2101-01"},
        {"--month", "2101-01-05"}};
    for (const auto& args : outside) {
        const Result r = Lunarcal(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("out of range"), std::string::npos) << r.err;
    }
    EXPECT_NE(Lunarcal({"2024-1-1x"}).err.find("malformed"), std::string::npos);
    EXPECT_NE(Lunarcal({"--to-solar", "a", "-1", "1"}).err.find("whole numbers"),
              std::string::npos);
    // The ends of the range --month shows.
    EXPECT_EQ(Lunarcal({"--month", "2100-12"}).status, 0);
    EXPECT_EQ(Lunarcal({"--month", "0001-01"}).status, 0);
}

TEST(Lunarcal, SummarySaysTheReformRemovedItsTenDays) {
    for (int day = 4; day <= 15; ++day) {
        const std::string date =
            "1582-10-" + std::string(day < 10 ? "0" : "") + std::to_string(day);
        const Result r = Lunarcal({date});
        EXPECT_EQ(r.status, 0);
        const bool removed = day >= 5 && day <= 14;
        EXPECT_EQ(r.out.find("改历") != std::string::npos, removed) << r.out;
        EXPECT_EQ(r.out.find("干支") != std::string::npos, !removed) << r.out;
    }
}

TEST(Lunarcal, LostOutputIsAnError) {
    std::ofstream full("/dev/full");
    ASSERT_TRUE(full);
    std::ostringstream err;
    const int status = lunarcal::Run({"--tsv", "2024-01-01", "2024-12-31"}, full, err, 0);
    EXPECT_EQ(status, lunarcal::kExitOutputLost);
    EXPECT_EQ(err.str(), "lunarcal: the output could not be written\n");
}
