#include "calendar/civil_calendar.h"
#include "calendar/cycles.h"
#include "calendar/date_time.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace calendar;

TEST(CivilCalendar, ReformSwitchesCalendarsWithoutGap) {
    EXPECT_EQ(CalendarKind(1582, 10, 4), 1);
    for (int d = 5; d <= 14; ++d)
        EXPECT_EQ(CalendarKind(1582, 10, d), 0) << d;
    EXPECT_EQ(CalendarKind(1582, 10, 15), 2);
    EXPECT_EQ(CalendarKind(1582, 9, 30), 1);

    EXPECT_EQ(CycleDayNumber(1582, 10, 4), 577737);
    EXPECT_EQ(CycleDayNumber(1582, 10, 15), 577738);
    EXPECT_EQ(DayNumber(1582, 10, 4), 577735);
    EXPECT_EQ(DayNumber(1582, 10, 15), 577736);
    EXPECT_EQ(DayNumber(1582, 10, 10), 0);
    EXPECT_EQ(CycleDayNumber(1, 1, 1), 1);
    EXPECT_EQ(DayNumber(1, 1, 3), 1);
    // Day 0 of January is the last day of the previous year.
    EXPECT_EQ(DayNumber(2024, 1, 0), DayNumber(2023, 12, 31));
}

TEST(CivilCalendar, LeapYearsFollowTheCalendarOfTheirTime) {
    EXPECT_TRUE(IsLeap(1500));
    EXPECT_FALSE(IsLeap(1582));
    EXPECT_FALSE(IsLeap(1700));
    EXPECT_TRUE(IsLeap(2000));
    EXPECT_TRUE(IsLeap(0));
    EXPECT_TRUE(IsLeap(-1));
    EXPECT_TRUE(IsLeap(-5));
    EXPECT_FALSE(IsLeap(-4));
    EXPECT_EQ(DaysInMonth(1500, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(1582, 10), 31);
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
    EXPECT_EQ(DayOfYear(2024, 12, 31), 366);
}

TEST(CivilCalendar, CycleDayNumberIsDayNumberPlusTwoFromYearOne) {
    for (int year : {1, 2, 100, 1000, 1500, 1582, 1583, 1700, 1701, 1900, 2000, 2100, 9999})
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(CycleDayNumber(year, month, 15), DayNumber(year, month, 15) + 2)
                << year << "-" << month;
        }
}

TEST(CivilCalendar, GregorianDayNumbersMapBackExactly) {
    // Every day from the reform to 2400, and through the days that follow leap years.
    for (std::int64_t a = 577736; a <= DayNumber(2400, 12, 31); ++a) {
        int y = 0, m = 0, d = 0;
        ASSERT_TRUE(DayNumberToDate(a, y, m, d)) << a;
        ASSERT_EQ(DayNumber(y, m, d), a) << y << "-" << m << "-" << d;
    }
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(DayNumberToDate(DayNumber(2026, 1, 1), y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20260101);
    ASSERT_TRUE(DayNumberToDate(577735, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 15821004);
    ASSERT_TRUE(DayNumberToDate(577736, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 15821015);
    // Julian-era numbers are approximate.
    ASSERT_TRUE(DayNumberToDate(DayNumber(1500, 3, 1), y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 15000229);
}

TEST(CivilCalendar, DayNumberToDateFailsWithoutTouchingOutputs) {
    int y = 7, m = 8, d = 9;
    EXPECT_FALSE(DayNumberToDate(-1, y, m, d));
    EXPECT_FALSE(DayNumberToDate(INT64_MAX, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 70809);
}

TEST(CivilCalendar, ComparesLunarDatesWithLeapMonthAfterItsOrdinaryMonth) {
    EXPECT_EQ(CompareDates(2024, 2, 10, 2024, 2, 9), 1);
    EXPECT_EQ(CompareDates(2024, 2, 10, 2024, 2, 10), 0);
    EXPECT_EQ(CompareDates(2023, 12, 31, 2024, 1, 1), -1);
    EXPECT_EQ(CompareLunarDates(2023, 2, 1, true, 2023, 2, 30, false), 1);
    EXPECT_EQ(CompareLunarDates(2023, 2, 30, true, 2023, 3, 1, false), -1);
    EXPECT_EQ(CompareLunarDates(2023, 2, 5, true, 2023, 2, 5, true), 0);
}

TEST(Cycles, YearDayAndAnimalCycles) {
    EXPECT_EQ(YearCycle(4), 0);
    EXPECT_EQ(YearCycle(1984), 0);
    EXPECT_EQ(CycleName(YearCycle(2024)), "甲辰");
    // Years before 1 count on backwards from -1; year 0 shares the cycle of year 1.
    EXPECT_EQ(YearCycle(1), YearCycle(-1) + 1);
    EXPECT_EQ(YearCycle(0), YearCycle(1));
    EXPECT_EQ(YearCycle(-60), YearCycle(-120));
    EXPECT_EQ(AnimalName(AnimalIndex(2024)), "龙");
    EXPECT_EQ(AnimalName(AnimalIndex(2023)), "兔");
    EXPECT_EQ(DayCycleOfDate(2000, 1, 1), 54);
    EXPECT_EQ(CycleName(54), "戊午");
    // The day cycle runs on through the reform.
    EXPECT_EQ(DayCycleOfDate(1582, 10, 15), (DayCycleOfDate(1582, 10, 4) + 1) % 60);
}

TEST(Cycles, StemsAndBranchesCombineOnlyWithEqualParity) {
    for (int i = 0; i < 60; ++i) {
        int stem = 0, branch = 0;
        ASSERT_TRUE(SplitCycle(i, stem, branch));
        EXPECT_EQ(CycleOf(stem, branch), i);
        EXPECT_EQ(CycleName(i), std::string(StemName(stem)) + std::string(BranchName(branch)));
    }
    EXPECT_EQ(CycleOf(0, 1), -1);
    EXPECT_EQ(CycleOf(10, 0), -1);
    EXPECT_EQ(CycleOf(0, -1), -1);
    int stem = 0, branch = 0;
    EXPECT_FALSE(SplitCycle(60, stem, branch));
    EXPECT_EQ(stem, -1);
    EXPECT_EQ(branch, -1);
    EXPECT_EQ(CycleName(0), "甲子");
    EXPECT_EQ(CycleName(59), "癸亥");
    EXPECT_EQ(CycleName(60), "");
    EXPECT_EQ(CycleName(-1), "");
}

TEST(Cycles, ZodiacSignBoundaries) {
    EXPECT_EQ(ConstellationName(ConstellationIndex(1, 19)), "摩羯");
    EXPECT_EQ(ConstellationName(ConstellationIndex(1, 20)), "宝瓶");
    EXPECT_EQ(ConstellationName(ConstellationIndex(3, 21)), "白羊");
    EXPECT_EQ(ConstellationName(ConstellationIndex(3, 20)), "双鱼");
    EXPECT_EQ(ConstellationName(ConstellationIndex(12, 21)), "射手");
    EXPECT_EQ(ConstellationIndex(12, 22), 9);
    EXPECT_EQ(ConstellationIndex(12, 31), 9);
    EXPECT_EQ(ConstellationIndex(1, 1), 9);
}

TEST(Cycles, NameTablesGiveEmptyTextOutside) {
    EXPECT_EQ(LunarDayName(1), "初一");
    EXPECT_EQ(LunarDayName(10), "初十");
    EXPECT_EQ(LunarDayName(11), "十一");
    EXPECT_EQ(LunarDayName(20), "二十");
    EXPECT_EQ(LunarDayName(21), "廿一");
    EXPECT_EQ(LunarDayName(30), "三十");
    EXPECT_EQ(LunarDayName(0), "");
    EXPECT_EQ(LunarDayName(31), "");
    EXPECT_EQ(AnimalName(12), "");
    EXPECT_EQ(SolarTermName(24), "");
    EXPECT_EQ(SolarTermName(0), "立春");
    EXPECT_EQ(ConstellationName(-1), "");
    EXPECT_EQ(LunarMonthName(11), "冬");
    EXPECT_EQ(LunarMonthName(13), "");
}

TEST(DateTime, DecodesLikeThePlatform) {
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(DecodeDate(0.0, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991230);
    ASSERT_TRUE(DecodeDate(-1.25, y, m, d)); // the time of day of negative values counts back
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    TDateTime t = 0;
    ASSERT_TRUE(TryEncodeDate(2024, 2, 29, t));
    ASSERT_TRUE(DecodeDate(t + 0.9999999999, y, m, d)); // rounds to the millisecond first
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240301);
    ASSERT_TRUE(TryEncodeDate(1582, 10, 10, t)); // proleptic: the removed days exist here
    ASSERT_TRUE(DecodeDate(t, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 15821010);

    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, t));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, t));
    EXPECT_FALSE(TryEncodeDate(2024, 13, 1, t));
    y = 1;
    EXPECT_FALSE(DecodeDate(std::nan(""), y, m, d));
    EXPECT_FALSE(DecodeDate(INFINITY, y, m, d));
    EXPECT_FALSE(DecodeDate(1e300, y, m, d));
    ASSERT_TRUE(TryEncodeDate(9999, 12, 31, t));
    EXPECT_FALSE(DecodeDate(t + 1, y, m, d));
    EXPECT_EQ(y, 1); // left alone by every failure above
}

TEST(DateTime, WeekdaysAndIsoWeeks) {
    EXPECT_EQ(DayOfWeekOf(2024, 2, 10), 7); // Saturday
    EXPECT_EQ(DayOfWeekOf(2009, 2, 1), 1);  // Sunday
    EXPECT_EQ(IsoWeekOf(2005, 1, 1), 53);
    EXPECT_EQ(IsoWeekOf(2005, 1, 3), 1);
    EXPECT_EQ(IsoWeekOf(2009, 2, 1), 5);
    EXPECT_EQ(IsoWeekOf(2004, 5, 1), 18);
    EXPECT_EQ(IsoWeekOf(2008, 12, 29), 1);
    EXPECT_EQ(IsoWeekOf(2020, 12, 31), 53);
}
