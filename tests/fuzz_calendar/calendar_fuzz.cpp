// libFuzzer target over every entry point of the calendar engine and the lunarcal command
// line. Built by scripts/fuzz-calendar.sh with clang; not part of the CMake build.
//
// Input layout (FuzzedDataProvider reads integers from the end): the last byte picks the
// part that is fuzzed. For the command line the three bytes before it are how many output
// bytes the sink takes before it fails, and the text in front of them is the arguments, one
// per line. The seeds in corpus/ follow this layout.
#include "calendar/calendar_math.h"
#include "calendar/chn_cal.h"
#include "calendar/civil_calendar.h"
#include "calendar/cycles.h"
#include "calendar/eras.h"
#include "calendar/festivals.h"
#include "calendar/lunar_date.h"
#include "calendar/new_moon.h"
#include "calendar/solar_terms.h"
#include "losing_buffer.h"
#include "lunarcal.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace calendar;

namespace {

// A failed check is a finding like a crash.
void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Mostly plausible values, sometimes any 32-bit value.
int Pick(FuzzedDataProvider& in, int low, int high) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(low, high) : in.ConsumeIntegral<int>();
}

void CivilRoutines(int year, int month, int day) {
    const int kind = CalendarKind(year, month, day);
    Check(kind >= 0 && kind <= 2, "calendar kind");
    const int dim = DaysInMonth(year, month);
    Check(dim == 0 || (dim >= 28 && dim <= 31), "days in month");
    Check(dim != 29 || IsLeap(year), "29 days only in leap years");
    DayOfYear(year, month, day);
    CycleDayNumber(year, month, day);
    const int weekday = DayOfWeekOf(year, month, day);
    Check(weekday >= 1 && weekday <= 7, "weekday");
    if (day > INT_MIN)
        Check(GregorianDaysOf(year, month, day) - GregorianDaysOf(year, month, day - 1) == 1,
              "Gregorian days count on by one");
    TDateTime encoded = 0;
    if (TryEncodeDate(year, month, day, encoded)) {
        const int week = IsoWeekOf(year, month, day);
        Check(week >= 1 && week <= 53, "ISO week");
        int y = 0, m = 0, d = 0;
        Check(DecodeDate(encoded, y, m, d) && y == year && m == month && d == day,
              "encoded dates decode back");
    }
    const std::int64_t number = DayNumber(year, month, day);
    int y = 0, m = 0, d = 0;
    if (number >= 577736 && DayNumberToDate(number, y, m, d) && kind == 2 && month >= 1 &&
        month <= 12 && day >= 1 && day <= dim)
        Check(y == year && m == month && d == day, "Gregorian day numbers map back");
}

void CycleAndTermRoutines(FuzzedDataProvider& in, int year, int month, int day) {
    Check(CycleName(DayCycleOfDate(year, month, day)).size() == 6, "day cycle");
    Check(YearCycle(year) >= 0 && YearCycle(year) < 60, "year cycle");
    Check(AnimalIndex(year) >= 0 && AnimalIndex(year) < 12, "animal");
    Check(ConstellationIndex(month, day) >= 0 && ConstellationIndex(month, day) < 12, "zodiac");
    const int monthCycle = MonthCycleOfDate(year, month, day);
    Check(monthCycle >= -1 && monthCycle < 60, "month cycle");
    Check(YearCycleOfDate(year, month, day) >= 0, "solar year cycle");
    std::int64_t solarYear = year;
    int solarMonth = month;
    SolarMonth(solarYear, solarMonth, day);
    Check(solarMonth >= 1 && solarMonth <= 12, "solar month");
    const int term = in.ConsumeIntegral<int>();
    SolarTermDay(year, term);
    int termMonth = 0, termDay = 0;
    if (SolarTermDate(year, term, termMonth, termDay))
        Check(termMonth >= 1 && termMonth <= 12, "term month");
}

void LunarRoutines(FuzzedDataProvider& in, int year, int month, int day) {
    const int lunarDay = LunarDayOf(year, month, day);
    Check(lunarDay == -1 || (lunarDay >= 1 && lunarDay <= 30), "lunar day");
    LunarMonthOf(year, month, day);
    Check(LeapMonthOf(year) >= -1 && LeapMonthOf(year) <= 12, "leap month");
    Check(LeapCountThrough(year) >= 0, "leap count");
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    if (LunarMonthDayOf(year, month, day, lm, ld, leap)) Check(lm >= 1 && lm <= 12, "month");
    if (LunarDateOf(year, month, day, ly, lm, ld, leap)) {
        Check(lm >= 1 && lm <= 12, "lunar month");
        Check(ly == year || ly == year - 1, "lunar year");
    }
    const int qy = Pick(in, -900, 2200), qm = Pick(in, 0, 13), qd = Pick(in, 0, 31);
    int y = 0, m = 0, d = 0;
    if (LunarToGregorian(qy, qm, qd, in.ConsumeBool(), y, m, d))
        Check(m >= 1 && m <= 12, "civil month");
    EraTextOf(year);
    const std::string text = in.ConsumeRandomLengthString(64);
    const std::string separator = in.ConsumeRandomLengthString(3);
    FieldOf(text, separator, in.ConsumeIntegral<int>(), in.ConsumeBool());
}

void Engine(FuzzedDataProvider& in) {
    const int year = Pick(in, -900, 2200);
    const int month = Pick(in, 0, 13);
    const int day = Pick(in, 0, 32);
    CivilRoutines(year, month, day);
    CycleAndTermRoutines(in, year, month, day);
    LunarRoutines(in, year, month, day);
}

// Each table gives a name exactly for the indexes it has.
void NameLookups(FuzzedDataProvider& in) {
    const int i = Pick(in, -2, 62);
    Check(CycleName(i).empty() != (i >= 0 && i < 60), "cycle name");
    Check(AnimalName(i).empty() != (i >= 0 && i < 12), "animal name");
    Check(SolarTermName(i).empty() != (i >= 0 && i < 24), "term name");
    Check(ConstellationName(i).empty() != (i >= 0 && i < 12), "zodiac name");
    Check(StemName(i).empty() != (i >= 0 && i < 10), "stem name");
    Check(BranchName(i).empty() != (i >= 0 && i < 12), "branch name");
    Check(LunarMonthName(i).empty() != (i >= 1 && i <= 12), "month name");
    Check(LunarDayName(i).empty() != (i >= 1 && i <= 30), "day name");
    const int j = Pick(in, -2, 13);
    int stem = 0, branch = 0;
    const int cycle = CycleOf(i, j);
    Check(cycle == -1 || (SplitCycle(cycle, stem, branch) && stem == i && branch == j), "cycle");
}

void IntegerHelpers(FuzzedDataProvider& in) {
    const auto a = in.ConsumeIntegral<std::int64_t>();
    const auto b = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int64_t>(-500, 500)
                                    : in.ConsumeIntegral<std::int64_t>();
    const std::int64_t fr = math::FloorMod(a, b), tr = math::TruncMod(a, b);
    if (b != 0 && !(a == INT64_MIN && b == -1)) {
        // q * b + r == a, in the wrapping arithmetic of unsigned numbers (q * b may not fit).
        const auto holds = [a, b](std::int64_t q, std::int64_t r) {
            using U = std::uint64_t;
            return U(q) * U(b) + U(r) == U(a);
        };
        Check(holds(math::FloorDiv(a, b), fr), "floor division");
        Check(holds(math::TruncDiv(a, b), tr), "truncating division");
    }
    Check(fr == 0 || (fr < 0) == (b < 0), "floor remainder sign");
    const std::int64_t w = Wrap(a, b);
    Check(w >= 0 && (b > 0 ? w < b : b == 0 ? w == 0 : w <= -(b + 1)), "wrap range");
    Check(std::abs(ClampYear(a)) <= (std::int64_t{1} << 40), "clamped year");
    const int year = in.ConsumeIntegral<int>(), month = Pick(in, 1, 12), day = Pick(in, 1, 31);
    const math::CivilDate date = math::CivilFromDays(math::DaysFromCivil(year, month, day));
    if (month >= 1 && month <= 12 && day >= 1 &&
        day <= math::DaysInMonth(month, math::IsGregorianLeapYear(year)))
        Check(date.year == year && date.month == month && date.day == day, "civil round trip");
    Check(math::IsJulianLeapYear(year) == (math::FloorMod(year >= 0 ? year : year + 1, 4) == 0),
          "Julian leap rule");
    Check(CompareDates(year, month, day, a, 1, 1) == -CompareDates(a, 1, 1, year, month, day),
          "comparison is antisymmetric");
    Check(CompareLunarDates(year, month, day, true, year, month, day, false) == 1,
          "leap month follows");
}

void RealHelpers(FuzzedDataProvider& in) {
    const double x = in.ConsumeBool() ? in.ConsumeFloatingPointInRange(-1e6, 1e6)
                                      : in.ConsumeFloatingPoint<double>();
    const double r = math::RoundHalfEven(x);
    if (std::isfinite(x)) {
        Check(r == std::floor(r) && std::fabs(r - x) <= 0.5, "nearest integer");
        Check(std::fabs(r - x) != 0.5 || std::fmod(r, 2.0) == 0, "ties to even");
        const double f = Frac(x);
        Check(f >= 0 && f <= 1, "fraction");
    }
    MeanAngle(x, in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>(),
              in.ConsumeFloatingPoint<double>(), in.ConsumeFloatingPoint<double>(),
              in.ConsumeFloatingPoint<double>());
}

// The texts of a record, for comparing two records.
std::vector<std::string> Texts(const TChnCal& cal) {
    return {std::to_string(cal.LunarYear),
            std::to_string(cal.LunarMonth),
            std::to_string(cal.LunarDay()),
            cal.IsLeapMonth() ? "leap" : "",
            cal.SolarTerm,
            cal.Holiday,
            cal.CnMonth,
            cal.DayGanZhi,
            cal.YearGanZhi,
            cal.MonthGanZhi,
            cal.CnHoliday,
            cal.CnYear,
            cal.CnDay,
            cal.AnimalsYear,
            cal.Constellation,
            cal.Era};
}

// A record reused along a walk of dates says what a fresh record says for each of them.
void ReusedRecord(FuzzedDataProvider& in) {
    TChnCal reused;
    double t = in.ConsumeFloatingPointInRange(-700000.0, 3000000.0);
    for (int step = in.ConsumeIntegralInRange(1, 40); step > 0; --step) {
        reused.Update(t);
        TChnCal fresh;
        fresh.Update(t);
        Check(reused.DateTime == t || std::isnan(t), "date of the latest update");
        if (fresh.LunarMonth != 0) Check(Texts(reused) == Texts(fresh), "reused record");
        t = in.ConsumeBool() ? t + in.ConsumeIntegralInRange(-400, 400)
                             : in.ConsumeFloatingPoint<double>();
    }
}

void DateTimes(FuzzedDataProvider& in) {
    const double t = in.ConsumeBool() ? in.ConsumeFloatingPointInRange(-700000.0, 3000000.0)
                                      : in.ConsumeFloatingPoint<double>();
    SolarTermOfDate(t);
    SolarFestivalOf(in.ConsumeIntegral<int>(), t);
    LunarFestivalOf(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), t);
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    LunarDateOfDateTime(t, ly, lm, ld, leap);
    int y = 0, m = 0, d = 0;
    if (DecodeDate(t, y, m, d)) Check(IsValidDate(y, m, d), "decoded date");
    static const TDateTime now = Now();
    Check(DecodeDate(now, y, m, d), "now is a date");
}

using test_support::LosingBuffer;

std::vector<std::string> Lines(const std::string& text, std::size_t most) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (lines.size() < most && std::getline(stream, line))
        lines.push_back(line);
    return lines;
}

void CommandLine(FuzzedDataProvider& in) {
    // The room also bounds the work: a --tsv walk stops at the first refused piece.
    const auto room = in.ConsumeIntegralInRange<std::size_t>(0, 1 << 18);
    const std::vector<std::string> args = Lines(in.ConsumeRemainingBytesAsString(), 6);
    LosingBuffer sink(room);
    std::ostream out(&sink);
    std::ostringstream err;
    const int status = lunarcal::Run(args, out, err, 45000.5);
    Check(status >= 0 && status <= lunarcal::kExitOutputLost, "exit status");
    Check((status == lunarcal::kExitOutputLost) == (sink.offered > room), "lost output");
    const std::string messages = err.str();
    const auto lines = std::count(messages.begin(), messages.end(), '\n');
    Check(status == 0 ? messages.empty() : lines == 1, "one message line for a failure");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0:
        Engine(in);
        break;
    case 1:
        DateTimes(in);
        break;
    case 2:
        NameLookups(in);
        break;
    case 3:
        IntegerHelpers(in);
        break;
    case 4:
        RealHelpers(in);
        break;
    case 5:
        ReusedRecord(in);
        break;
    default:
        CommandLine(in);
        break;
    }
    return 0;
}
