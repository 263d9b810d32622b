#include "lunarcal.h"

#include "calendar/calendar_math.h"
#include "calendar/chn_cal.h"
#include "calendar/civil_calendar.h"
#include "calendar/day_cell.h"
#include "calendar/lunar_date.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace lunarcal {
namespace {

using calendar::TChnCal;
using calendar::TDateTime;

constexpr const char* kUsage =
    "usage: lunarcal [YYYY-MM-DD] | --tsv FROM [TO] | --to-solar LY LM LD [--leap] | "
    "--month YYYY-MM";

// The lunar conversion ends with 2100, so --month shows no later month.
constexpr int kLastMonthYear = 2100;

struct Date {
    int year = 0, month = 0, day = 0;
};

struct BadInput {
    std::string message;
};

// Thrown when a write to the output fails.
struct OutputLost {};

// A whole decimal number: malformed when it is anything else (a '+', a blank, a letter),
// out of range when it is whole but does not fit in an int.
struct Number {
    enum Fault { kNone, kMalformed, kOutOfRange };
    int value = 0;
    Fault fault = kMalformed;
    bool ok() const { return fault == kNone; }
};

Number ParseNumber(std::string_view text, bool allowMinus) {
    Number number;
    if (text.empty() || text.front() == '+') return number;
    if (!allowMinus && text.front() == '-') return number;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number.value);
    if (end != text.data() + text.size()) return number;
    if (error == std::errc::result_out_of_range) number.fault = Number::kOutOfRange;
    if (error == std::errc()) number.fault = Number::kNone;
    return number;
}

// The year, month and (when withDay) day fields of YYYY-MM-DD or YYYY-MM; all of them
// malformed when the dashes are not where they belong.
std::array<Number, 3> DateFields(std::string_view text, bool withDay) {
    std::array<Number, 3> fields;
    const std::size_t first = text.find('-');
    if (first == std::string_view::npos) return fields;
    const std::size_t second = text.find('-', first + 1);
    if (withDay != (second != std::string_view::npos)) return fields;
    fields[0] = ParseNumber(text.substr(0, first), false);
    fields[1] = ParseNumber(text.substr(first + 1, second - first - 1), false);
    if (withDay)
        fields[2] = ParseNumber(text.substr(second + 1), false);
    else
        fields[2] = {1, Number::kNone};
    return fields;
}

// YYYY-MM-DD (or YYYY-MM when withDay is false), years 1 .. 9999.
Date ParseDate(std::string_view text, bool withDay) {
    const std::string shown(text);
    const std::array<Number, 3> f = DateFields(text, withDay);
    if (std::any_of(f.begin(), f.end(), [](const Number& n) { return n.fault == n.kMalformed; }))
        throw BadInput{"malformed date '" + shown + "' (expected " +
                       (withDay ? "YYYY-MM-DD" : "YYYY-MM") + ")"};
    const Date date = {f[0].value, f[1].value, f[2].value};
    if (!f[0].ok() || date.year < 1 || date.year > 9999)
        throw BadInput{"year out of range 1..9999: " + shown};
    if (!f[1].ok() || date.month < 1 || date.month > 12) throw BadInput{"no such month: " + shown};
    if (!f[2].ok() || !calendar::IsValidDate(date.year, date.month, date.day))
        throw BadInput{"no such day: " + shown};
    return date;
}

TDateTime ToDateTime(const Date& date) {
    TDateTime t = 0;
    calendar::TryEncodeDate(date.year, date.month, date.day, t);
    return t;
}

Date FromDateTime(TDateTime t) {
    Date date;
    calendar::DecodeDate(t, date.year, date.month, date.day);
    return date;
}

std::string FormatDate(int year, int month, int day) {
    std::array<char, 40> buffer{};
    const long long magnitude = year < 0 ? -static_cast<long long>(year) : year;
    const int n = std::snprintf(buffer.data(), buffer.size(), "%s%04lld-%02d-%02d",
                                year < 0 ? "-" : "", magnitude, month, day);
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

// Terminal columns of UTF-8 text: the engine's non-ASCII characters are all wide.
int DisplayWidth(std::string_view text) {
    int width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            width += 1;
        else if (byte >= 0xC0)
            width += 2;
    }
    return width;
}

std::string PadTo(std::string text, int width) {
    const int have = DisplayWidth(text);
    if (have < width) text.append(static_cast<std::size_t>(width - have), ' ');
    return text;
}

bool Updated(TChnCal& cal, TDateTime t) {
    cal.Update(t);
    return cal.LunarMonth != 0; // a fresh record only gets a month from a conversion
}

void Write(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) throw OutputLost{};
}

// One line of the 17 tab-separated fields of a date, or the date and FAIL when it does not
// convert. Each line comes from a fresh record, so no line depends on the one before.
void AppendTsvLine(TDateTime t, std::string& buffer) {
    const Date date = FromDateTime(t);
    buffer += FormatDate(date.year, date.month, date.day);
    TChnCal cal;
    if (!Updated(cal, t)) {
        buffer += "\tFAIL\n";
        return;
    }
    const auto field = [&buffer](std::string_view text) {
        buffer += '\t';
        buffer += text;
    };
    field(std::to_string(cal.LunarYear));
    field(std::to_string(cal.LunarMonth));
    field(cal.IsLeapMonth() ? "1" : "0");
    field(std::to_string(cal.LunarDay()));
    for (const std::string* text :
         {&cal.CnYear, &cal.CnMonth, &cal.CnDay, &cal.YearGanZhi, &cal.MonthGanZhi, &cal.DayGanZhi,
          &cal.AnimalsYear, &cal.Constellation, &cal.SolarTerm, &cal.Holiday, &cal.CnHoliday,
          &cal.Era})
        field(*text);
    buffer += '\n';
}

int Tsv(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() < 2 || args.size() > 3) throw BadInput{"--tsv takes FROM [TO]"};
    const Date from = ParseDate(args[1], true);
    const Date to = args.size() == 3 ? ParseDate(args[2], true) : from;
    const TDateTime first = ToDateTime(from);
    const TDateTime last = ToDateTime(to);
    if (last < first) throw BadInput{"--tsv: TO is before FROM"};
    std::string buffer;
    buffer.reserve(1 << 17);
    for (TDateTime t = first; t <= last; t += 1) {
        AppendTsvLine(t, buffer);
        // Written in pieces, so a lost output stops the walk early.
        if (buffer.size() > (1 << 16)) {
            Write(out, buffer);
            buffer.clear();
        }
    }
    Write(out, buffer);
    return kExitOk;
}

// A lunar month or day, refused as out of range outside low..high.
int LunarField(const Number& number, std::string_view text, const char* what, int low, int high) {
    if (!number.ok() || number.value < low || number.value > high)
        throw BadInput{"--to-solar: " + std::string(what) + " out of range " + std::to_string(low) +
                       ".." + std::to_string(high) + ": " + std::string(text)};
    return number.value;
}

int ToSolar(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool leap = false;
    std::vector<std::string_view> numbers;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--leap")
            leap = true;
        else
            numbers.push_back(args[i]);
    }
    if (numbers.size() != 3) throw BadInput{"--to-solar takes LY LM LD [--leap]"};
    std::array<Number, 3> parsed;
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        parsed[i] = ParseNumber(numbers[i], true);
        if (parsed[i].fault == Number::kMalformed)
            throw BadInput{"--to-solar: LY LM LD must be whole numbers"};
    }
    const Number& year = parsed[0];
    if (!year.ok())
        throw BadInput{"--to-solar: lunar year out of range: " + std::string(numbers[0])};
    const int month = LunarField(parsed[1], numbers[1], "lunar month", 1, 12);
    const int day = LunarField(parsed[2], numbers[2], "lunar day", 1, 30);
    int y = 0, m = 0, d = 0;
    if (!calendar::LunarToGregorian(year.value, month, day, leap, y, m, d)) {
        err << "lunarcal: lunar " << year.value << ' ' << (leap ? "leap " : "") << month << ' '
            << day << " has no civil date\n";
        return kExitNoDate;
    }
    Write(out, FormatDate(y, m, d) + "\n");
    return kExitOk;
}

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

int Summary(const Date& date, std::ostream& out) {
    const TDateTime t = ToDateTime(date);
    std::string text = "公历  " + FormatDate(date.year, date.month, date.day) + " " +
                       std::string(kWeekdays[static_cast<std::size_t>(
                           calendar::DayOfWeekOf(date.year, date.month, date.day) - 1)]) +
                       "\n";
    TChnCal cal;
    if (calendar::CalendarKind(date.year, date.month, date.day) == 0) {
        // 1582-10-05 .. 14 exist on the proleptic calendar but not in history.
        text += "农历  无 (1582 年改历删去了 10 月 5 日至 14 日)\n";
        Write(out, text);
        return kExitOk;
    }
    if (!Updated(cal, t)) {
        text += "农历  无 (农历只算到 2100 年)\n";
        Write(out, text);
        return kExitOk;
    }
    text += "农历  " + cal.CnYear + "年 " + cal.CnMonth + (cal.IsLeapMonth() ? "月" : "") +
            cal.CnDay + "\n";
    text += "干支  " + cal.YearGanZhi + "年 " + cal.MonthGanZhi + "月 " + cal.DayGanZhi + "日\n";
    text += "生肖  " + cal.AnimalsYear + "\n";
    text += "星座  " + cal.Constellation + "座\n";
    if (!cal.SolarTerm.empty()) text += "节气  " + cal.SolarTerm + "\n";
    std::string festivals = cal.Holiday;
    if (!cal.CnHoliday.empty()) festivals += (festivals.empty() ? "" : " ") + cal.CnHoliday;
    if (!festivals.empty()) text += "节日  " + festivals + "\n";
    if (!cal.Era.empty()) text += "纪年  " + cal.Era + "\n";
    Write(out, text);
    return kExitOk;
}

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The title line (month, sign, year cycle, animal) and the info line of the selected day.
std::string MonthHeader(const Date& month, TChnCal& cal) {
    Updated(cal, ToDateTime(month));
    std::string text = TrimRight(
        PadTo(std::to_string(month.year) + "年" + std::to_string(month.month) + "月", 16) +
        cal.Constellation + "  " + cal.YearGanZhi + "  " +
        (cal.AnimalsYear.empty() ? "" : cal.AnimalsYear + "年"));
    text += "\n";
    const std::string cnDate = cal.CnMonth + cal.CnDay;
    if (month.year >= 1949 || cal.Era.empty())
        text += FormatDate(month.year, month.month, month.day) + " 农历" + cnDate + "\n";
    else
        text += cal.Era + " 农历" + cnDate + "\n";
    return text;
}

constexpr int kCell = 8;

std::string WeekdayLine() {
    std::string text = "周  ";
    for (const std::string_view name : {"日", "一", "二", "三", "四", "五", "六"})
        text += PadTo(std::string(name), kCell);
    return TrimRight(text) + "\n";
}

// The month as the month calendar shows it: Sunday-first weeks, the ISO week numbers in row
// order, and the second line of each day cell with the calendar's precedence.
int Month(const Date& month, std::ostream& out) {
    TChnCal cal;
    std::string text = MonthHeader(month, cal) + WeekdayLine();
    const calendar::TMonthGrid grid = calendar::MonthGridOf(month.year, month.month);
    std::array<std::string, 43> dayTexts, cnTexts;
    for (int d = 1; d <= grid.Days; ++d) {
        const auto cell = static_cast<std::size_t>(grid.FirstCell + d - 1);
        Updated(cal, ToDateTime({month.year, month.month, d}));
        dayTexts[cell] = std::to_string(d) + (d == month.day ? "*" : "");
        cnTexts[cell] = calendar::CnCellText(cal).Text;
    }
    const auto weeks = static_cast<int>(grid.WeekNumbers.size());
    for (int row = 1; row <= std::max(grid.Rows(), weeks); ++row) {
        std::string first =
            PadTo(row <= weeks ? std::to_string(grid.WeekNumbers[std::size_t(row - 1)]) : "", 4);
        std::string second = "    ";
        for (int column = 1; column <= 7; ++column) {
            const auto cell = static_cast<std::size_t>((row - 1) * 7 + column);
            first += PadTo(dayTexts[cell], kCell);
            second += PadTo(cnTexts[cell], kCell);
        }
        text += TrimRight(first) + "\n" + TrimRight(second) + "\n";
    }
    Write(out, text);
    return kExitOk;
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             TDateTime today) {
    if (args.empty()) return Summary(FromDateTime(today), out);
    const std::string& command = args[0];
    if (command == "--tsv") return Tsv(args, out);
    if (command == "--to-solar") return ToSolar(args, out, err);
    if (command == "--month") {
        if (args.size() != 2) throw BadInput{"--month takes YYYY-MM"};
        const bool withDay = std::count(args[1].begin(), args[1].end(), '-') == 2;
        const Date month = ParseDate(args[1], withDay);
        if (month.year > kLastMonthYear)
            throw BadInput{"month out of range 0001-01..2100-12: " + args[1]};
        return Month(month, out);
    }
    if (command == "-h" || command == "--help") {
        Write(out, std::string(kUsage) + "\n");
        return kExitOk;
    }
    if (args.size() == 1 && !command.empty() && command.front() != '-')
        return Summary(ParseDate(command, true), out);
    if (!command.empty() && command.front() == '-')
        throw BadInput{"unknown option '" + command + "'"};
    throw BadInput{command.empty() ? "empty argument" : "unexpected arguments"};
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        TDateTime today) {
    int status = kExitOutputLost;
    try {
        status = Dispatch(args, out, err, today);
    } catch (const BadInput& bad) {
        err << "lunarcal: " << bad.message << "; " << kUsage << '\n' << std::flush;
        return kExitBadInput;
    } catch (const OutputLost&) {
    }
    // Output that never arrived is a failure, whatever the command made of it.
    if (status != kExitOutputLost && out.flush()) return status;
    err << "lunarcal: the output could not be written\n" << std::flush;
    return kExitOutputLost;
}

} // namespace lunarcal
