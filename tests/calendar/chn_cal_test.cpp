#include "calendar/chn_cal.h"

#include "calendar_dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace calendar;

namespace {

using test_support::Date;

TChnCal Updated(int y, int m, int d) {
    TChnCal cal;
    cal.Update(Date(y, m, d));
    return cal;
}

} // namespace

TEST(ChnCal, LunarNewYearsDay) {
    const TChnCal cal = Updated(2024, 2, 10);
    EXPECT_EQ(cal.LunarYear, 2024);
    EXPECT_EQ(cal.LunarMonth, 1);
    EXPECT_EQ(cal.CnYear, "2024");
    EXPECT_EQ(cal.CnMonth, "正月");
    EXPECT_EQ(cal.CnDay, "初一");
    EXPECT_EQ(cal.AnimalsYear, "龙");
    EXPECT_EQ(cal.YearGanZhi, "甲辰");
    EXPECT_EQ(cal.MonthGanZhi, "丙寅");
    EXPECT_EQ(cal.CnHoliday, "春节");
    EXPECT_EQ(cal.Constellation, "宝瓶");
    EXPECT_EQ(cal.SolarTerm, "");
    EXPECT_EQ(cal.Holiday, "");
    EXPECT_EQ(cal.Era, "");
}

TEST(ChnCal, NewYearsEveKeepsTheOldAnimalButTheNewYearCycle) {
    const TChnCal cal = Updated(2024, 2, 9);
    EXPECT_EQ(cal.CnYear, "2023");
    EXPECT_EQ(cal.CnMonth, "腊月");
    EXPECT_EQ(cal.CnDay, "三十");
    EXPECT_EQ(cal.AnimalsYear, "兔");
    EXPECT_EQ(cal.YearGanZhi, "甲辰");
    EXPECT_EQ(cal.CnHoliday, "除夕");
}

TEST(ChnCal, ReusedRecordFollowsEveryChangeOfItsGroups) {
    TChnCal cal;
    cal.Update(Date(2023, 3, 21));
    EXPECT_EQ(cal.CnMonth, "二月");
    cal.Update(Date(2023, 3, 22));
    EXPECT_EQ(cal.LunarMonth, 2);
    EXPECT_EQ(cal.CnMonth, "闰二");
    EXPECT_TRUE(cal.IsLeapMonth());

    cal.Update(Date(2024, 2, 3));
    EXPECT_EQ(cal.YearGanZhi, "癸卯");
    EXPECT_EQ(cal.MonthGanZhi, "乙丑");
    cal.Update(Date(2024, 2, 5)); // same lunar year and month, new solar year and month
    EXPECT_EQ(cal.YearGanZhi, "甲辰");
    EXPECT_EQ(cal.MonthGanZhi, "丙寅");

    cal.Update(Date(1899, 12, 31));
    EXPECT_EQ(cal.Era, "[清]德宗 爱新觉罗载湉 光绪25年");
    cal.Update(Date(1900, 1, 1)); // same lunar year, new civil year
    EXPECT_EQ(cal.LunarYear, 1899);
    EXPECT_EQ(cal.Era, "[清]德宗 爱新觉罗载湉 光绪26年");
}

TEST(ChnCal, ConsecutiveUpdatesMatchFreshRecords) {
    // Two years day by day: through starts of spring, a leap month and two New Years, and
    // back across the era boundary of 1949.
    TChnCal reused;
    const auto compare = [&reused](TDateTime t) {
        reused.Update(t);
        TChnCal fresh;
        fresh.Update(t);
        const auto texts = [](const TChnCal& c) {
            return std::vector<std::string>{
                c.SolarTerm, c.Holiday, c.CnMonth, c.DayGanZhi,   c.YearGanZhi,    c.MonthGanZhi,
                c.CnHoliday, c.CnYear,  c.CnDay,   c.AnimalsYear, c.Constellation, c.Era};
        };
        EXPECT_EQ(texts(reused), texts(fresh)) << t;
        EXPECT_EQ(reused.LunarYear, fresh.LunarYear) << t;
        EXPECT_EQ(reused.LunarMonth, fresh.LunarMonth) << t;
    };
    for (TDateTime t = Date(2023, 1, 1); t <= Date(2024, 12, 31); t += 1)
        compare(t);
    for (TDateTime t = Date(1949, 3, 1); t >= Date(1948, 11, 1); t -= 1)
        compare(t);
}

TEST(ChnCal, FailedConversionOnlyStoresTheDate) {
    TChnCal cal;
    cal.Update(Date(2024, 2, 4));
    EXPECT_EQ(cal.SolarTerm, "立春");
    const TChnCal before = cal;
    for (const TDateTime t : {Date(2101, 6, 1), std::nan(""), HUGE_VAL, -1e9}) {
        cal.Update(t);
        EXPECT_TRUE(cal.DateTime == t || (std::isnan(t) && std::isnan(cal.DateTime)));
        EXPECT_EQ(cal.CnDay, before.CnDay);
        EXPECT_EQ(cal.SolarTerm, before.SolarTerm);
        EXPECT_EQ(cal.LunarYear, before.LunarYear);
    }
}

TEST(ChnCal, ReformDates) {
    EXPECT_EQ(Updated(1582, 10, 10).CnDay, "");
    EXPECT_EQ(Updated(1582, 10, 10).LunarDay(), -1);
    EXPECT_EQ(Updated(1582, 10, 4).CnDay, "十八");
    EXPECT_EQ(Updated(1582, 10, 4).CnMonth, "九月");
    EXPECT_EQ(Updated(1582, 10, 15).CnDay, "十九");
    EXPECT_EQ(Updated(1582, 10, 15).CnMonth, "九月");
}
