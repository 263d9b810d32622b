#include "calendar/cycles.h"
#include "calendar/date_time.h"
#include "calendar/new_moon.h"
#include "calendar/solar_terms.h"

#include "calendar_dates.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calendar;

using test_support::Date;

TEST(SolarTerms, TheTermsOf2024) {
    // Month and day of the 24 terms from minor cold to the winter solstice (Beijing time).
    const int expected[24][2] = {{1, 6},  {1, 20},  {2, 4},  {2, 19},  {3, 5},  {3, 20},
                                 {4, 4},  {4, 19},  {5, 5},  {5, 20},  {6, 5},  {6, 21},
                                 {7, 6},  {7, 22},  {8, 7},  {8, 22},  {9, 7},  {9, 22},
                                 {10, 8}, {10, 23}, {11, 7}, {11, 22}, {12, 6}, {12, 21}};
    for (int i = 0; i < 24; ++i) {
        int month = 0, day = 0;
        ASSERT_TRUE(SolarTermDate(2024, i, month, day));
        EXPECT_EQ(month, expected[i][0]) << "term " << i;
        EXPECT_EQ(day, expected[i][1]) << "term " << i;
    }
    int month = 77, day = 88;
    EXPECT_FALSE(SolarTermDate(2024, 24, month, day));
    EXPECT_EQ(month, 77);
    EXPECT_EQ(day, 88);
}

TEST(SolarTerms, TermOfADateLooksAtTheMonthsOwnTwoTerms) {
    EXPECT_EQ(SolarTermOfDate(Date(2024, 2, 4)), "立春");
    EXPECT_EQ(SolarTermOfDate(Date(2025, 2, 3)), "立春");
    EXPECT_EQ(SolarTermOfDate(Date(2024, 12, 21)), "冬至");
    EXPECT_EQ(SolarTermOfDate(Date(2024, 1, 6)), "小寒");
    EXPECT_EQ(SolarTermOfDate(Date(2024, 1, 20)), "大寒");
    EXPECT_EQ(SolarTermOfDate(Date(2024, 2, 5)), "");
    EXPECT_EQ(SolarTermOfDate(std::nan("")), "");
}

TEST(SolarTerms, YearCycleChangesAtTheStartOfSpring) {
    EXPECT_EQ(YearCycleOfDate(2024, 2, 3), 39);
    EXPECT_EQ(YearCycleOfDate(2024, 2, 4), 40);
    EXPECT_EQ(CycleName(YearCycleOfDate(2024, 1, 1)), "癸卯");
}

TEST(SolarTerms, MonthCycleChangesAtTheOddTerms) {
    EXPECT_EQ(CycleName(MonthCycleOfDate(2024, 2, 3)), "乙丑");
    EXPECT_EQ(CycleName(MonthCycleOfDate(2024, 2, 4)), "丙寅");
    EXPECT_EQ(CycleName(MonthCycleOfDate(2024, 12, 5)), "乙亥");
    EXPECT_EQ(CycleName(MonthCycleOfDate(2024, 12, 6)), "丙子");
    EXPECT_EQ(CycleName(MonthCycleOfDate(2024, 12, 31)), "丙子");
}

TEST(SolarTerms, JanuaryUsesThePreviousYearsMinorCold) {
    std::int64_t year = 2024;
    int month = 1;
    SolarMonth(year, month, 5); // the 2023 term fell on day 5
    EXPECT_EQ(year, 2023);
    EXPECT_EQ(month, 12);
    year = 2025;
    month = 1;
    SolarMonth(year, month, 5); // the 2024 term fell on day 6
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 11);
    year = 2024;
    month = 3;
    SolarMonth(year, month, 5);
    EXPECT_EQ(year, 2024);
    EXPECT_EQ(month, 2);
}

TEST(NewMoons, LunarDayAroundMonthStarts) {
    EXPECT_EQ(LunarDayOf(2024, 2, 10), 1);
    EXPECT_EQ(LunarDayOf(2024, 2, 9), 30);
    EXPECT_EQ(LunarDayOf(2023, 3, 22), 1);
    EXPECT_EQ(LunarDayOf(2023, 3, 21), 30);
    EXPECT_EQ(LunarDayOf(2020, 5, 23), 1);
}

TEST(NewMoons, FixedCorrectionsOf1924And2018) {
    EXPECT_EQ(LunarDayOf(1924, 3, 5), 1);
    EXPECT_EQ(LunarDayOf(1924, 3, 4), 29);
    EXPECT_EQ(LunarDayOf(1924, 4, 3), 30);
    EXPECT_EQ(LunarDayOf(1924, 4, 4), 1);
    EXPECT_EQ(LunarDayOf(2018, 11, 7), 30);
    EXPECT_EQ(LunarDayOf(2018, 11, 8), 1);
    EXPECT_EQ(LunarDayOf(2018, 12, 6), 29);
    EXPECT_EQ(LunarDayOf(2018, 12, 7), 1);
}

TEST(NewMoons, Spring2025FollowsTheNewMoons) {
    EXPECT_EQ(LunarDayOf(2025, 4, 6), 9);
    EXPECT_EQ(LunarDayOf(2025, 4, 7), 10);
    EXPECT_EQ(LunarDayOf(2025, 4, 27), 30);
    EXPECT_EQ(LunarDayOf(2025, 4, 28), 1);
    EXPECT_EQ(LunarDayOf(2025, 5, 27), 1);
}

TEST(NewMoons, RemovedDatesHaveNoLunarDay) {
    EXPECT_EQ(LunarDayOf(1582, 10, 10), -1);
    EXPECT_EQ(LunarDayOf(1582, 10, 4), 18);
    EXPECT_EQ(LunarDayOf(1582, 10, 15), 19);
}
