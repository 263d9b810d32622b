#pragma once

#include "calendar/date_time.h"

#include <string>

namespace calendar {

// Ready-to-show Chinese texts of one date. Each calendar control owns one and updates it for
// every date it shows. A fresh record has zero numbers, a zero date and empty texts.
class TChnCal {
public:
    int LunarYear = 0;
    int LunarMonth = 0;     // 1..12, without the leap flag
    TDateTime DateTime = 0; // the date of the latest update, also of a failed one
    std::string SolarTerm;  // solar term falling on the date
    std::string Holiday;    // Gregorian festival
    std::string CnMonth;    // "四月", "冬月", "腊月"; a leap month "闰四"
    std::string DayGanZhi;
    std::string YearGanZhi;    // changes at the start of spring
    std::string MonthGanZhi;   // changes at the odd-numbered solar terms
    std::string CnHoliday;     // lunar festival
    std::string CnYear;        // lunar year in decimal digits
    std::string CnDay;         // "初一" .. "三十"; empty when the date has no lunar day
    std::string AnimalsYear;   // animal of the lunar year
    std::string Constellation; // western zodiac sign
    std::string Era;           // reign era of the civil year; empty from 1949 on

    // Fills the record for t. A date that does not convert (a year after 2100, or no date at
    // all) only sets DateTime and leaves every text as it was.
    void Update(TDateTime t);

    // Of the latest successful update: the leap flag and the lunar day (1..30, -1 for none).
    bool IsLeapMonth() const { return leap_; }
    int LunarDay() const { return lunarDay_; }

private:
    // Keys of the year and month groups, so that consecutive days of one month reuse them.
    bool hasGroups_ = false;
    int civilYear_ = 0;
    int yearCycle_ = -1;
    int monthCycle_ = -1;
    bool leap_ = false;
    int lunarDay_ = 0;
};

} // namespace calendar
