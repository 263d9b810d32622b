#pragma once

#include "calendar/chn_cal.h"

#include <string>
#include <vector>

// The rules of a month grid's day cells, shared by the month calendar control and the
// command-line month view: which text the second line of a day shows, and how the week
// numbers are laid out down the rows of a Sunday-first month.
namespace calendar {

// Which rule supplied a day cell's second line; each is shown in its own colour.
enum class TCnTextSource {
    LunarDay,  // the lunar day, "初二" .. "三十"
    MonthName, // the lunar month's name on its first day
    Holiday,   // a Gregorian festival
    SolarTerm, // a solar term
    CnHoliday, // a lunar festival
};

struct TCnCellText {
    std::string Text;
    TCnTextSource Source = TCnTextSource::LunarDay;
};

// The second line of the day cal was last updated for: a lunar festival wins over a solar
// term, which wins over a Gregorian festival; without any of them the first day of a lunar
// month shows the month's name and every other day its lunar day.
TCnCellText CnCellText(const TChnCal& cal);

// One Gregorian month laid out in weeks from Sunday: day d sits in cell FirstCell + d - 1,
// cells counted from 1 along rows of seven.
struct TMonthGrid {
    int FirstCell = 1; // 1 = the first day is a Sunday .. 7 = a Saturday
    int Days = 0;
    // The ISO week numbers shown down the week column: the first is the week of day 1, each
    // next one the week begun by a later Monday of the month. Entry i belongs to row i + 1,
    // so that a month that starts on a Sunday shows its second week number on row 2 although
    // that week began on row 1.
    std::vector<int> WeekNumbers;
    // Rows with a day in them.
    int Rows() const { return (FirstCell + Days - 2) / 7 + 1; }
};

// The grid of year-month (a valid month of years 1..9999); Days is 0 otherwise.
TMonthGrid MonthGridOf(int year, int month);

} // namespace calendar
