#include "calendar/day_cell.h"

#include "calendar/calendar_math.h"
#include "calendar/date_time.h"

namespace calendar {

TCnCellText CnCellText(const TChnCal& cal) {
    if (!cal.CnHoliday.empty()) return {cal.CnHoliday, TCnTextSource::CnHoliday};
    if (!cal.SolarTerm.empty()) return {cal.SolarTerm, TCnTextSource::SolarTerm};
    if (!cal.Holiday.empty()) return {cal.Holiday, TCnTextSource::Holiday};
    if (cal.CnDay == "初一") return {cal.CnMonth, TCnTextSource::MonthName};
    return {cal.CnDay, TCnTextSource::LunarDay};
}

TMonthGrid MonthGridOf(int year, int month) {
    TMonthGrid grid;
    if (!IsValidDate(year, month, 1)) return grid;
    grid.FirstCell = DayOfWeekOf(year, month, 1);
    grid.Days = math::DaysInMonth(month, math::IsGregorianLeapYear(year));
    int lastWeek = -1;
    for (int day = 1; day <= grid.Days; ++day) {
        const int week = IsoWeekOf(year, month, day);
        if (week == lastWeek) continue;
        lastWeek = week;
        grid.WeekNumbers.push_back(week);
    }
    return grid;
}

} // namespace calendar
