#include "calendar/lunar_date.h"

#include "calendar/calendar_math.h"
#include "calendar/civil_calendar.h"
#include "calendar/new_moon.h"
#include "calendar/year_cache.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace calendar {
namespace {

constexpr int kFirstYear = -849;
constexpr int kLastYear = 2100;

// One character per year from -849 to 2100, year 0 included: "0" for no leap month, else
// the number (1..9, a, b, c) of the month that a leap month follows.
constexpr std::string_view kLeapMonths =
    "0c0080050010a0070030c0080050010a0070030c0080050020a0070030c0080050020a0070030c0090050020a00700"
    "30c009" // -849 .. -750
    "0050020a0060030c0060030c00900600c0c0060c00c00c00c0c000600c0c0006090303030006000c00c060c0006c00"
    "000c0c" // -749 .. -650
    "0c0060003030006c00009009c0090c00c009000300030906030030c0c00060c00090c0060600c0030060c00c003006"
    "009060" // -649 .. -550
    "030c0060060c0090900c00090c0090c00c006030006060003030c0c00030c0060030c0090060030c0090300c008005"
    "0020a0" // -549 .. -450
    "060030c0080050020b0070030c0090050010a0070030b0090060020a0070040c0080050020a0060030c0080050020b"
    "007003" // -449 .. -350
    "0c0090050010a0070030b0090060020a0070040c0080050020a0060030c0080050020b0070030c0090050000c00900"
    "909009" // -349 .. -250
    "0090900900900909009009090090090090900900909009009009090090090900900900909009009090090090900900"
    "900909" // -249 .. -150
    "00900909009009009090090090900900900909009009090060030c0090050010a0070030b008005001090070040c00"
    "800500" // -149 .. -50
    "20a0060030c0090040010a0060030c0090050010a0070030b0080050010a008005001090050020a0060030c0080040"
    "010a00" // -49 .. 50
    "60030c0090050010a0070030b0080050010a0070030b008005001090070040c0080050020a0060030c0080040010a0"
    "060030" // 51 .. 150
    "c0090050010a0070030b008005001090070040c0080050020a0060030c0080040010a0060030c0090050010a006003"
    "0c0090" // 151 .. 250
    "050010a0070030b008005001090070040c0080050020a0060030c0080040010a0070030b0080050010a0070040c008"
    "005002" // 251 .. 350
    "0a0060030c0080040010a0070030c0090050010a0070030b0080050020a0060030c0080040010a0060030c00900500"
    "50020a" // 351 .. 450
    "0060030c0090050010b0070030c0090050010a0070040c0080040020a0060030c0080050020a0060030c0090050010"
    "a00700" // 451 .. 550
    "30b0080040020a0060040c0090050020b0070030c00a0050010a0070030b0090050020a0070030c0080040020a0060"
    "030c00" // 551 .. 650
    "90050010a0070030c0090050030b007005001090050020a007004001090060020c0070050c0090060030b008004002"
    "0a0060" // 651 .. 750
    "030b0080040010a0060030b0080050010a0050040c0080050010a0060030c0080050010b0070030c00700500109007"
    "0030b0" // 751 .. 850
    "070040020a0060030c0080040020a0070030b0090050010a0060040c0080050020a0060040c0080050010b0070030c"
    "007005" // 851 .. 950
    "001090070030c0080050020a0070030c0090050020a0070030c0090050020a0060040c0090050020a0060040c00900"
    "50010b" // 951 .. 1050
    "0070030c0080050030b007004001090060020c008004002090060020a008004001090050030b0080040020a0060040"
    "b00800" // 1051 .. 1150
    "40c00a0060020b007005001090060030b0070050020a0060020c008004002090070030c008005002090070040c0080"
    "040020" // 1151 .. 1250
    "a0060040b0090050010a0060030b0080050020a0060040c0080050010b00700300108005001090070030c008005002"
    "0a0070" // 1251 .. 1350
    "03001090050030a0070030b0090050020a0060040c0090050030b0070040c0090050010c0070040c0080060020b007"
    "00400a" // 1351 .. 1450
    "090060020b007003002090060020a005004001090050030b007004001090050040c0080040c00a0060020c00700500"
    "109006" // 1451 .. 1550
    "0030b0070050020a0060020c008004002090060030b008004002090060030b0080040020a0060040b0080040010b00"
    "60030b" // 1551 .. 1650
    "0070050010a00600400207005003080060040030700500307006004003070050030800600400307005004090060040"
    "030700" // 1651 .. 1750
    "500409006005002070050030a006005003070050040020600400206005003002060040030700500409006004003070"
    "050040" // 1751 .. 1850
    "8007005003080050040a00600500307005004002060050030800500400206005002070050040020600500307006004"
    "002070" // 1851 .. 1950
    "050030800600400307005004080060040a006005003080050040020700500409006004002060050030b00600500207"
    "005003"                                             // 1951 .. 2050
    "08006004003070050040800600400307005004080060040020" // 2051 .. 2100
    ;
static_assert(kLeapMonths.size() == kLastYear - kFirstYear + 1);

constexpr int LeapDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'c') return c - 'a' + 10;
    return 0;
}

// Running count of leap years from -849 through each year, plus one for each year
// 1200 .. 1499 in that year's own entry only (the extra is not carried into later years).
constexpr std::array<int, kLastYear - kFirstYear + 1> BuildLeapCounts() {
    std::array<int, kLastYear - kFirstYear + 1> counts{};
    int running = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        if (kLeapMonths[static_cast<std::size_t>(year - kFirstYear)] != '0') ++running;
        counts[static_cast<std::size_t>(year - kFirstYear)] =
            running + (year >= 1200 && year <= 1499 ? 1 : 0);
    }
    return counts;
}
constexpr auto kLeapCounts = BuildLeapCounts();
static_assert(kLeapCounts[1900 - kFirstYear] == 1011 && kLeapCounts[2100 - kFirstYear] == 1084);

// DayNumber of -849-01-21, where the lunation count starts.
constexpr std::int64_t kLunationEpoch = -310443;
constexpr double kSynodicMonth = 29.530588;

int MonthFromCount(double n) {
    return static_cast<int>(math::RoundHalfEven(12 * Frac(n / 12) + 1));
}

int LunarMonthWithDay(int year, int month, int day, int lunarDay) {
    const int e = lunarDay == -1 ? 99 : lunarDay;
    const std::int64_t g = DayNumber(year, month, day) - kLunationEpoch;
    std::int64_t n =
        static_cast<std::int64_t>(math::RoundHalfEven(static_cast<double>(g - e) / kSynodicMonth)) -
        LeapCountThrough(year);
    // Periods in which the year began with another month.
    if (year <= 240) ++n;
    if (year <= 237) --n;
    if (year < 24) ++n;
    if (year < 9) --n;
    if (year <= -255) ++n;
    if (year <= -256) n += 2;
    if (year <= -722) ++n;
    n -= 3;
    int mm = MonthFromCount(static_cast<double>(n));
    if (LeapMonthOf(std::int64_t{year} - 1) == mm && month == 1 && day < e) return -mm;
    const int leap = LeapMonthOf(year);
    if (leap == mm) {
        if (month >= 3) return -mm;
        return leap == 12 ? -mm : mm + 1;
    }
    if (leap > mm) {
        ++mm;
    } else if (month < mm && leap > 0) {
        ++mm;
    }
    return MonthFromCount(mm - 1);
}

bool InRange(int year) {
    return year >= kFirstYear && year <= kLastYear;
}

struct CivilDate {
    bool found = false;
    int year = 0, month = 0, day = 0;
};

// The civil date of each lunar New Year, searched once per year.
YearCache<CivilDate, kFirstYear, kLastYear> newYearCache;

CivilDate SearchNewYear(std::int64_t year) {
    CivilDate date;
    date.found =
        LunarToGregorian(static_cast<int>(year), 1, 1, false, date.year, date.month, date.day);
    return date;
}

} // namespace

int LeapMonthOf(std::int64_t year) {
    if (year < kFirstYear || year > kLastYear) return -1;
    return LeapDigit(kLeapMonths[static_cast<std::size_t>(year - kFirstYear)]);
}

int LeapCountThrough(std::int64_t year) {
    if (year < kFirstYear) return 0;
    if (year > kLastYear) year = kLastYear;
    if (year == 0) year = -1;
    return kLeapCounts[static_cast<std::size_t>(year - kFirstYear)];
}

int LunarMonthOf(int year, int month, int day) {
    return LunarMonthWithDay(year, month, day, LunarDayOf(year, month, day));
}

bool LunarMonthDayOf(int year, int month, int day, int& lunarMonth, int& lunarDay, bool& leap) {
    if (!InRange(year)) return false;
    lunarDay = LunarDayOf(year, month, day);
    const int m = LunarMonthWithDay(year, month, day, lunarDay);
    leap = m < 0;
    lunarMonth = std::abs(m);
    return true;
}

bool LunarDateOf(int year, int month, int day, int& lunarYear, int& lunarMonth, int& lunarDay,
                 bool& leap) {
    int m = 0, d = 0;
    bool isLeap = false;
    if (!LunarMonthDayOf(year, month, day, m, d, isLeap)) return false;
    lunarYear = year;
    const CivilDate* newYear = newYearCache.Find(year, SearchNewYear);
    if (newYear->found &&
        CompareDates(year, month, day, newYear->year, newYear->month, newYear->day) < 0)
        lunarYear = year - 1;
    lunarMonth = m;
    lunarDay = d;
    leap = isLeap;
    return true;
}

bool LunarDateOfDateTime(TDateTime t, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap) {
    int year = 0, month = 0, day = 0;
    if (!DecodeDate(t, year, month, day)) return false;
    return LunarDateOf(year, month, day, lunarYear, lunarMonth, lunarDay, leap);
}

bool LunarToGregorian(int lunarYear, int lunarMonth, int lunarDay, bool leap, int& year, int& month,
                      int& day) {
    if (leap && std::max(LeapMonthOf(lunarYear), 0) != lunarMonth) return false;
    std::int64_t lo = DayNumber(lunarYear, 1, 1);
    std::int64_t hi = DayNumber(std::int64_t{lunarYear} + 1, 12, 31);
    bool last = false;
    int direction = 0; // 1: the previous probe moved lo up, 2: it moved hi down
    std::int64_t candidateYear = lunarYear;
    int previousMonth = 0;
    for (int steps = 1; hi > lo; ++steps) {
        if (steps > 100) return false;
        std::int64_t mid = (lo + hi) / 2;
        if (last) ++mid;
        if (hi - lo == 1) last = true;
        int probeYear = 0, probeMonth = 0, probeDay = 0;
        int pm = 13, pd = 0;
        bool pl = false;
        // A probe that cannot be converted lies after every date of the target's first
        // month; month 13 keeps the year tracking consistent with that.
        const bool converted = DayNumberToDate(mid, probeYear, probeMonth, probeDay) &&
                               LunarMonthDayOf(probeYear, probeMonth, probeDay, pm, pd, pl);
        if (!converted) pm = 13;
        if (direction == 1 && pm < previousMonth) ++candidateYear;
        if (direction == 2 && pm > previousMonth) --candidateYear;
        const int r = converted ? CompareLunarDates(candidateYear, pm, pd, pl, lunarYear,
                                                    lunarMonth, lunarDay, leap)
                                : 1;
        if (r == 0) {
            year = probeYear;
            month = probeMonth;
            day = probeDay;
            return true;
        }
        if (r < 0) {
            lo = mid;
            direction = 1;
        } else {
            hi = mid;
            direction = 2;
        }
        previousMonth = pm;
    }
    return false;
}

} // namespace calendar
