#pragma once

#include "calendar/date_time.h"

#include <string_view>

// Names of the Gregorian and the lunar festivals of a day.
namespace calendar {

// Festival of the given day of the month of t (the year and month are taken from t).
std::string_view SolarFestivalOf(int day, TDateTime t);
// Festival of a lunar month and day (the leap flag plays no part); t is the civil date, used
// to find New Year's Eve from the following day.
std::string_view LunarFestivalOf(int lunarMonth, int lunarDay, TDateTime t);

} // namespace calendar
