#include "calendar/date_time.h"
#include "calendar/day_cell.h"

#include <gtest/gtest.h>

using namespace calendar;

namespace {

TChnCal Record(const char* cnDay, const char* holiday, const char* term, const char* cnHoliday) {
    TChnCal cal;
    cal.CnMonth = "腊月";
    cal.CnDay = cnDay;
    cal.Holiday = holiday;
    cal.SolarTerm = term;
    cal.CnHoliday = cnHoliday;
    return cal;
}

} // namespace

TEST(DayCell, SecondLineTakesTheStrongestText) {
    struct Case {
        TChnCal cal;
        const char* text;
        TCnTextSource source;
    } cases[] = {
        {Record("初一", "元旦", "小寒", "春节"), "春节", TCnTextSource::CnHoliday},
        {Record("初一", "元旦", "小寒", ""), "小寒", TCnTextSource::SolarTerm},
        {Record("初一", "元旦", "", ""), "元旦", TCnTextSource::Holiday},
        {Record("初一", "", "", ""), "腊月", TCnTextSource::MonthName},
        {Record("初二", "", "", ""), "初二", TCnTextSource::LunarDay},
        {Record("", "", "", ""), "", TCnTextSource::LunarDay}, // a day without a lunar day
    };
    for (const Case& c : cases) {
        const TCnCellText got = CnCellText(c.cal);
        EXPECT_EQ(got.Text, c.text);
        EXPECT_EQ(got.Source, c.source) << c.text;
    }
}

TEST(DayCell, MonthGridOfAMonthStartingOnSunday) {
    // 2023-01-01 is a Sunday in ISO week 52 of 2022; Monday the 2nd starts week 1.
    const TMonthGrid grid = MonthGridOf(2023, 1);
    EXPECT_EQ(grid.FirstCell, 1);
    EXPECT_EQ(grid.Days, 31);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.WeekNumbers, (std::vector<int>{52, 1, 2, 3, 4, 5}));
}

TEST(DayCell, MonthGridsAgreeWithTheCalendar) {
    for (int year : {1, 1582, 1900, 2000, 2024, 9999})
        for (int month = 1; month <= 12; ++month) {
            const TMonthGrid grid = MonthGridOf(year, month);
            EXPECT_TRUE(IsValidDate(year, month, grid.Days));
            EXPECT_FALSE(IsValidDate(year, month, grid.Days + 1));
            EXPECT_EQ(grid.FirstCell, DayOfWeekOf(year, month, 1));
            // One number for day 1 and one for each later Monday.
            int mondays = 0;
            for (int d = 2; d <= grid.Days; ++d)
                mondays += DayOfWeekOf(year, month, d) == 2;
            ASSERT_EQ(grid.WeekNumbers.size(), size_t(1 + mondays)) << year << "-" << month;
            EXPECT_EQ(grid.WeekNumbers.front(), IsoWeekOf(year, month, 1));
            EXPECT_LE(grid.Rows(), 6);
        }
    EXPECT_EQ(MonthGridOf(2024, 13).Days, 0);
    EXPECT_EQ(MonthGridOf(0, 1).Days, 0);
    EXPECT_TRUE(MonthGridOf(10000, 1).WeekNumbers.empty());
}
