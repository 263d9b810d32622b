#include "calendar/solar_terms.h"

#include "calendar/civil_calendar.h"
#include "calendar/cycles.h"
#include "calendar/year_cache.h"

#include <cmath>

namespace calendar {
namespace {

double ComputeSolarTermDay(std::int64_t year, int n) {
    year = ClampYear(year);
    const std::int64_t yearNumber = year <= 0 ? year + 1 : year;
    const double y = static_cast<double>(yearNumber);
    const double m = y - 100;
    const double p =
        y * (365.2423112 - 6.4e-14 * m * m - 3.047e-8 * m) + 15.218427 * n + 1721050.71301;
    const double e = 0.0003 * y - 0.372781384 - 0.2617913325 * n;
    const double q = (1.945 * std::sin(e) - 0.01206 * std::sin(2 * e)) * (1.048994 - 2.583e-5 * y);
    const double r = -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * n);
    return p + q + r - static_cast<double>(DayNumber(yearNumber, 1, 0)) - 1721425;
}

// Terms 1..25 of the years the calendar works with; each costs three sines.
struct TermDays {
    double day[25];
};
YearCache<TermDays, -851, 2102> termCache;

TermDays ComputeTermDays(std::int64_t year) {
    TermDays days{};
    for (int n = 1; n <= 25; ++n)
        days.day[n - 1] = ComputeSolarTermDay(year, n);
    return days;
}

// floor of the day, kept as a real so that no year can overflow an integer.
double TermFloor(std::int64_t year, int n) {
    return std::floor(SolarTermDay(year, n));
}

} // namespace

double SolarTermDay(std::int64_t year, int n) {
    if (n >= 1 && n <= 25) {
        if (const TermDays* cached = termCache.Find(year, ComputeTermDays))
            return cached->day[n - 1];
    }
    return ComputeSolarTermDay(year, n);
}

bool SolarTermDate(int year, int i, int& month, int& day) {
    if (i >= 24) return false;
    double c = SolarTermDay(year, i + 1);
    for (int m = 1; m <= 12; ++m) {
        const int length = DaysInMonth(year, m);
        if (c <= length) {
            const double whole = std::floor(c);
            if (!(whole >= INT32_MIN && whole <= INT32_MAX)) return false;
            month = m;
            day = static_cast<int>(whole);
            return true;
        }
        c -= length;
    }
    return false;
}

std::string_view SolarTermOfDate(TDateTime t) {
    int year = 0, month = 0, day = 0;
    if (!DecodeDate(t, year, month, day)) return {};
    const int i = 2 * (month - 1);
    int termMonth = 0, termDay = 0;
    if (SolarTermDate(year, i, termMonth, termDay) && termMonth == month && termDay == day)
        return SolarTermName((i + 22) % 24);
    if (SolarTermDate(year, i + 1, termMonth, termDay) && termMonth == month && termDay == day)
        return SolarTermName((i + 23) % 24);
    return {};
}

int YearCycleOfDate(int year, int month, int day) {
    const auto n = static_cast<double>(DayOfYear(year, month, day));
    if (n < TermFloor(year, 3)) return YearCycle(std::int64_t{year} - 1);
    return YearCycle(year);
}

void SolarMonth(std::int64_t& year, int& month, int day) {
    year = ClampYear(year);
    const auto n = static_cast<double>(DayOfYear(year, month, day));
    if (n < TermFloor(year, 3)) {
        --year;
        month = n < TermFloor(year, 1) ? 11 : 12;
        return;
    }
    for (int i = 1; i <= 12; ++i) {
        if (n < TermFloor(year, 2 * i + 1)) break;
        month = i;
    }
}

int MonthCycleOfDate(int year, int month, int day) {
    std::int64_t solarYear = year;
    int solarMonth = month;
    SolarMonth(solarYear, solarMonth, day);
    static constexpr int kFirstStems[5] = {2, 4, 6, 8, 0};
    const int first = kFirstStems[YearCycle(solarYear) % 10 % 5];
    int stem = first + (solarMonth - 1) % 10;
    if (stem >= 10) stem -= 10;
    return CycleOf(stem, (solarMonth + 1) % 12);
}

} // namespace calendar
