// Every public routine of the engine called with the 32-bit extremes: each must give a
// defined result inside its documented range (the sanitizer build turns any overflow into a
// failure here).
#include "calendar/calendar_math.h"
#include "calendar/chn_cal.h"
#include "calendar/civil_calendar.h"
#include "calendar/cycles.h"
#include "calendar/eras.h"
#include "calendar/festivals.h"
#include "calendar/lunar_date.h"
#include "calendar/new_moon.h"
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string_view>

using namespace calendar;

namespace {

constexpr int kExtremes[] = {INT_MIN, INT_MAX, 0, -1};

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

void CheckDateRoutines(int a, int b, int c) {
    EXPECT_FALSE(IsValidDate(a, b, c)); // no extreme is a year 1..9999
    TDateTime t = 7;
    EXPECT_FALSE(TryEncodeDate(a, b, c, t));
    EXPECT_EQ(t, 7);
    GregorianDaysOf(a, b, c);
    EXPECT_TRUE(InRange(DayOfWeekOf(a, b, c), 1, 7));
    EXPECT_TRUE(InRange(IsoWeekOf(a, b, c), 1, 53));
    EXPECT_TRUE(InRange(CalendarKind(a, b, c), 0, 2));
    const int days = DaysInMonth(a, b);
    EXPECT_TRUE(days == 0 || InRange(days, 28, 31));
    DayOfYear(a, b, c);
    CycleDayNumber(a, b, c);
    int y = 0, m = 0, d = 0;
    if (DayNumberToDate(DayNumber(a, b, c), y, m, d)) {
        EXPECT_TRUE(InRange(m, 1, 12));
    }
    EXPECT_EQ(CompareDates(a, b, c, c, b, a), -CompareDates(c, b, a, a, b, c));
    EXPECT_EQ(CompareLunarDates(a, b, c, true, c, b, a, false),
              -CompareLunarDates(c, b, a, false, a, b, c, true));
    EXPECT_TRUE(InRange(Wrap(a, b), 0, b == 0 ? 0 : std::abs(std::int64_t{b}) - 1));
    EXPECT_TRUE(
        InRange(ClampYear(std::int64_t{a} * b), -(std::int64_t{1} << 40), std::int64_t{1} << 40));
    math::DaysFromCivil(a, b, c);
}

void CheckCycleRoutines(int a, int b, int c) {
    EXPECT_TRUE(InRange(YearCycle(a), 0, 59));
    EXPECT_TRUE(InRange(AnimalIndex(a), 0, 11));
    EXPECT_TRUE(InRange(DayCycleOfDate(a, b, c), 0, 59));
    EXPECT_EQ(CycleOf(a, b), a == 0 && b == 0 ? 0 : -1);
    int stem = 0, branch = 0;
    EXPECT_EQ(SplitCycle(a, stem, branch), a == 0);
    EXPECT_TRUE(InRange(ConstellationIndex(a, b), 0, 11));
    for (const auto name :
         {CycleName, AnimalName, SolarTermName, ConstellationName, StemName, BranchName})
        EXPECT_EQ(name(a).empty(), a != 0);
    EXPECT_TRUE(LunarMonthName(a).empty());
    EXPECT_TRUE(LunarDayName(a).empty());
}

void CheckTermAndMoonRoutines(int a, int b, int c) {
    SolarTermDay(a, b);
    int m = 0, d = 0;
    if (SolarTermDate(a, b, m, d)) {
        EXPECT_TRUE(InRange(m, 1, 12));
    }
    EXPECT_TRUE(InRange(YearCycleOfDate(a, b, c), 0, 59));
    std::int64_t solarYear = a;
    int solarMonth = b;
    SolarMonth(solarYear, solarMonth, c);
    EXPECT_TRUE(InRange(solarMonth, 1, 12));
    EXPECT_TRUE(InRange(MonthCycleOfDate(a, b, c), -1, 59));
    EXPECT_TRUE(std::isfinite(MeanAngle(a, b, c, a, b, c)));
    const int lunarDay = LunarDayOf(a, b, c);
    EXPECT_TRUE(lunarDay == -1 || InRange(lunarDay, 1, 30));
}

void CheckLunarRoutines(int a, int b, int c) {
    EXPECT_TRUE(InRange(LeapMonthOf(a), -1, 12));
    EXPECT_GE(LeapCountThrough(a), 0);
    LunarMonthOf(a, b, c);
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    if (LunarDateOf(a, b, c, ly, lm, ld, leap)) {
        EXPECT_TRUE(InRange(lm, 1, 12));
    }
    if (LunarMonthDayOf(a, b, c, lm, ld, leap)) {
        EXPECT_TRUE(InRange(lm, 1, 12));
    }
    int y = 0, m = 0, d = 0;
    for (const bool leapMonth : {false, true})
        if (LunarToGregorian(a, b, c, leapMonth, y, m, d)) {
            EXPECT_TRUE(InRange(m, 1, 12));
        }
    const auto t = static_cast<TDateTime>(a);
    LunarDateOfDateTime(t, ly, lm, ld, leap);
    SolarFestivalOf(b, t);
    LunarFestivalOf(b, c, t);
    SolarTermOfDate(t);
    if (a == INT_MIN || a == INT_MAX) {
        EXPECT_EQ(EraTextOf(a), "");
    }
    EXPECT_EQ(FieldOf("x,y", ",", a, b != 0), ""); // fields are counted from 1
    TChnCal cal;
    cal.Update(t);
    EXPECT_EQ(cal.CnDay.empty(), a != 0 && a != -1); // only 0 and -1 are real dates
}

} // namespace

TEST(ExtremeArguments, EveryRoutineGivesADefinedResult) {
    for (const int a : kExtremes)
        for (const int b : kExtremes)
            for (const int c : kExtremes) {
                SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
                CheckDateRoutines(a, b, c);
                CheckCycleRoutines(a, b, c);
                CheckTermAndMoonRoutines(a, b, c);
                CheckLunarRoutines(a, b, c);
            }
}
