#include "calendar/chn_cal.h"

#include "calendar/cycles.h"
#include "calendar/eras.h"
#include "calendar/festivals.h"
#include "calendar/lunar_date.h"
#include "calendar/solar_terms.h"

namespace calendar {

void TChnCal::Update(TDateTime t) {
    DateTime = t;
    int year = 0, month = 0, day = 0;
    if (!DecodeDate(t, year, month, day)) return;
    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool leap = false;
    if (!LunarDateOf(year, month, day, lunarYear, lunarMonth, lunarDay, leap)) return;

    const int yearCycle = YearCycleOfDate(year, month, day);
    const bool sameYear =
        hasGroups_ && lunarYear == LunarYear && year == civilYear_ && yearCycle == yearCycle_;
    if (!sameYear) {
        LunarYear = lunarYear;
        CnYear = std::to_string(lunarYear);
        YearGanZhi = CycleName(yearCycle);
        AnimalsYear = AnimalName(AnimalIndex(lunarYear));
        Era = EraTextOf(year);
        civilYear_ = year;
        yearCycle_ = yearCycle;
    }

    const int monthCycle = MonthCycleOfDate(year, month, day);
    const bool sameMonth =
        sameYear && lunarMonth == LunarMonth && leap == leap_ && monthCycle == monthCycle_;
    if (!sameMonth) {
        LunarMonth = lunarMonth;
        if (leap) {
            CnMonth = "闰";
            CnMonth += LunarMonthName(lunarMonth);
        } else {
            CnMonth = LunarMonthName(lunarMonth);
            CnMonth += "月";
        }
        MonthGanZhi = CycleName(monthCycle);
        leap_ = leap;
        monthCycle_ = monthCycle;
    }
    hasGroups_ = true;
    lunarDay_ = lunarDay;

    CnDay = LunarDayName(lunarDay);
    DayGanZhi = CycleName(DayCycleOfDate(year, month, day));
    Constellation = ConstellationName(ConstellationIndex(month, day));
    Holiday = SolarFestivalOf(day, t);
    CnHoliday = LunarFestivalOf(lunarMonth, lunarDay, t);
    SolarTerm = SolarTermOfDate(t);
}

} // namespace calendar
