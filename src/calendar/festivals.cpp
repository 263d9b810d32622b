#include "calendar/festivals.h"

#include "calendar/lunar_date.h"

#include <cstdint>

namespace calendar {
namespace {

constexpr int kSunday = 1;
constexpr int kThursday = 5;

bool IsNthWeekday(int year, int month, int day, int weekday, std::int64_t week) {
    return DayOfWeekOf(year, month, day) == weekday && (std::int64_t{day} - 1) / 7 == week;
}

} // namespace

std::string_view SolarFestivalOf(int day, TDateTime t) {
    int year = 0, month = 0, unused = 0;
    if (!DecodeDate(t, year, month, unused)) return {};
    switch (month) {
    case 1:
        if (day == 1) return "元旦节";
        break;
    case 2:
        if (day == 14) return "情人节";
        break;
    case 3:
        if (day == 8) return "妇女节";
        break;
    case 4:
        if (day == 1) return "愚人节";
        break;
    case 5:
        if (day == 1) return "劳动节";
        if (day == 4) return "青年节";
        if (IsNthWeekday(year, month, day, kSunday, 1)) return "母亲节";
        break;
    case 6:
        if (day == 1) return "儿童节";
        if (IsNthWeekday(year, month, day, kSunday, 2)) return "父亲节";
        break;
    case 7:
        if (day == 1) return "建党节";
        break;
    case 8:
        if (day == 1) return "建军节";
        break;
    case 9:
        if (day == 10) return "教师节";
        break;
    case 10:
        if (day == 1) return "国庆节";
        if (day == 6) return "老人节";
        if (day == 31) return "万圣节";
        break;
    case 11:
        if (day == 8) return "记者日";
        if (IsNthWeekday(year, month, day, kThursday, 3)) return "感恩节";
        break;
    case 12:
        if (day == 25) return "圣诞节";
        break;
    default:
        break;
    }
    return {};
}

std::string_view LunarFestivalOf(int lunarMonth, int lunarDay, TDateTime t) {
    switch (lunarDay) {
    case 1:
        return lunarMonth == 1 ? "春节" : "";
    case 5:
        return lunarMonth == 5 ? "端午节" : "";
    case 7:
        return lunarMonth == 7 ? "七夕节" : "";
    case 8:
        return lunarMonth == 12 ? "腊八节" : "";
    case 9:
        return lunarMonth == 9 ? "重阳节" : "";
    case 15:
        if (lunarMonth == 8) return "中秋节";
        return lunarMonth == 1 ? "元宵节" : "";
    default:
        break;
    }
    if (lunarMonth != 12) return {};
    int year = 0, month = 0, day = 0;
    bool leap = false;
    if (LunarDateOfDateTime(t + 1.0, year, month, day, leap) && month == 1 && day == 1)
        return "除夕";
    return {};
}

} // namespace calendar
