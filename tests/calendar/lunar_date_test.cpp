#include "calendar/civil_calendar.h"
#include "calendar/lunar_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace calendar;

namespace {

// "2033 L11 1" style text of the lunar date of a civil date, or "fail".
std::string Lunar(int y, int m, int d) {
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    if (!LunarDateOf(y, m, d, ly, lm, ld, leap)) return "fail";
    return std::to_string(ly) + (leap ? " L" : " ") + std::to_string(lm) + " " + std::to_string(ld);
}

std::string Civil(int ly, int lm, int ld, bool leap) {
    int y = 0, m = 0, d = 0;
    if (!LunarToGregorian(ly, lm, ld, leap, y, m, d)) return "fail";
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
}

} // namespace

TEST(LunarDate, LeapMonthTable) {
    EXPECT_EQ(LeapMonthOf(2023), 2);
    EXPECT_EQ(LeapMonthOf(2033), 11);
    EXPECT_EQ(LeapMonthOf(2024), 0);
    EXPECT_EQ(LeapMonthOf(-849), 0);
    EXPECT_EQ(LeapMonthOf(-850), -1);
    EXPECT_EQ(LeapMonthOf(2101), -1);
    EXPECT_EQ(LeapCountThrough(-849), 0);
    EXPECT_EQ(LeapCountThrough(1900), 1011);
    EXPECT_EQ(LeapCountThrough(2100), 1084);
    EXPECT_EQ(LeapCountThrough(0), LeapCountThrough(-1));
    // The extra count of 1200 .. 1499 stays in those years' own entries.
    EXPECT_EQ(LeapCountThrough(1200) - LeapCountThrough(1199), (LeapMonthOf(1200) != 0) + 1);
    EXPECT_EQ(LeapCountThrough(1500) - LeapCountThrough(1499), (LeapMonthOf(1500) != 0) - 1);
    EXPECT_EQ(DayNumber(-849, 1, 21), -310443);
}

TEST(LunarDate, NewYearAndYearEnd) {
    EXPECT_EQ(Lunar(2024, 2, 10), "2024 1 1");
    EXPECT_EQ(Lunar(2024, 2, 9), "2023 12 30");
    EXPECT_EQ(Lunar(2000, 1, 1), "1999 11 25");
    EXPECT_EQ(Lunar(1900, 1, 31), "1900 1 1");
    EXPECT_EQ(Lunar(1900, 1, 30), "1899 12 30");
    EXPECT_EQ(Lunar(2034, 1, 20), "2033 12 1");
    EXPECT_EQ(Lunar(2034, 2, 19), "2034 1 1");
}

TEST(LunarDate, LeapMonths) {
    EXPECT_EQ(Lunar(2023, 3, 22), "2023 L2 1");
    EXPECT_EQ(Lunar(2023, 3, 21), "2023 2 30");
    EXPECT_EQ(Lunar(2023, 4, 20), "2023 3 1");
    EXPECT_EQ(Lunar(2020, 5, 23), "2020 L4 1");
    EXPECT_EQ(Lunar(2017, 7, 23), "2017 L6 1");
    EXPECT_EQ(Lunar(2033, 12, 22), "2033 L11 1");
    EXPECT_EQ(Lunar(2025, 7, 25), "2025 L6 1");
}

TEST(LunarDate, LunarNewYearsOfManyYears) {
    // Civil dates of the first day of the first month.
    const struct {
        int year, month, day;
    } newYears[] = {{1901, 2, 19}, {1912, 2, 18}, {1949, 1, 29}, {1950, 2, 17}, {1966, 1, 21},
                    {1976, 1, 31}, {1984, 2, 2},  {1990, 1, 27}, {1997, 2, 7},  {2000, 2, 5},
                    {2001, 1, 24}, {2008, 2, 7},  {2010, 2, 14}, {2015, 2, 19}, {2020, 1, 25},
                    {2021, 2, 12}, {2022, 2, 1},  {2023, 1, 22}, {2025, 1, 29}, {2026, 2, 17},
                    {2030, 2, 3},  {2050, 1, 23}, {2100, 2, 9}};
    for (const auto& n : newYears) {
        EXPECT_EQ(Civil(n.year, 1, 1, false), std::to_string(n.year) + "-" +
                                                  std::to_string(n.month) + "-" +
                                                  std::to_string(n.day));
        EXPECT_EQ(Lunar(n.year, n.month, n.day), std::to_string(n.year) + " 1 1");
    }
}

TEST(LunarDate, ConversionOutsideTheTableFailsWithoutTouchingOutputs) {
    int ly = 1, lm = 2, ld = 3;
    bool leap = true;
    EXPECT_FALSE(LunarDateOf(2101, 1, 1, ly, lm, ld, leap));
    EXPECT_FALSE(LunarDateOf(-850, 6, 1, ly, lm, ld, leap));
    EXPECT_EQ(ly * 100 + lm * 10 + ld, 123);
    EXPECT_TRUE(leap);
    EXPECT_NE(Lunar(2100, 12, 31), "fail");
    EXPECT_NE(Lunar(-849, 6, 1), "fail");
}

TEST(LunarDate, ReformDates) {
    EXPECT_EQ(Lunar(1582, 10, 4), "1582 9 18");
    EXPECT_EQ(Lunar(1582, 10, 15), "1582 9 19");
    EXPECT_EQ(Lunar(1582, 10, 10), "1582 2 -1");
}

TEST(LunarDate, ReverseConversion) {
    EXPECT_EQ(Civil(2023, 2, 1, true), "2023-3-22");
    EXPECT_EQ(Civil(2023, 3, 1, true), "fail");   // 2023 has no leap third month
    EXPECT_EQ(Civil(2024, 1, 30, false), "fail"); // a 29-day month
    EXPECT_EQ(Civil(2025, 11, 13, false), "2026-1-1");
    EXPECT_EQ(Civil(2100, 1, 1, false), "2100-2-9");
    EXPECT_EQ(Civil(INT32_MAX, 1, 1, false), "fail");
    EXPECT_EQ(Civil(INT32_MIN, 1, 1, false), "fail");
    EXPECT_EQ(Civil(2024, 0, 1, false), "fail");
}

TEST(LunarDate, EveryDayFrom1900To2100RoundTrips) {
    int failures = 0;
    for (std::int64_t a = DayNumber(1900, 1, 1); a <= DayNumber(2100, 12, 31); ++a) {
        int y = 0, m = 0, d = 0;
        ASSERT_TRUE(DayNumberToDate(a, y, m, d));
        int ly = 0, lm = 0, ld = 0;
        bool leap = false;
        ASSERT_TRUE(LunarDateOf(y, m, d, ly, lm, ld, leap)) << y << "-" << m << "-" << d;
        int by = 0, bm = 0, bd = 0;
        const bool back = LunarToGregorian(ly, lm, ld, leap, by, bm, bd);
        if (!back || by != y || bm != m || bd != d) {
            if (++failures <= 10)
                ADD_FAILURE() << y << "-" << m << "-" << d << " -> " << ly << (leap ? " L" : " ")
                              << lm << " " << ld << " -> "
                              << (back ? std::to_string(by) + "-" + std::to_string(bm) + "-" +
                                             std::to_string(bd)
                                       : "fail");
        }
    }
    EXPECT_EQ(failures, 0);
}
