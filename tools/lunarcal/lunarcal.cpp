#include "lunarcal.h"

#include "calendar/chn_cal.h"
#include "calendar/lunar_date.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lunarcal {
namespace {

using calendar::TChnCal;
using calendar::TDateTime;

constexpr const char* kUsage =
    "usage: lunarcal [YYYY-MM-DD] | --tsv FROM [TO] | --to-solar LY LM LD [--leap] | "
    "--month YYYY-MM";

struct Date {
    int year = 0, month = 0, day = 0;
};

struct BadInput {
    std::string message;
};

// A whole decimal number with an optional leading minus; nothing else, no overflow.
std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    if (text.empty() || text.front() == '+') return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseUnsigned(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    return ParseInt(text);
}

// YYYY-MM-DD (or YYYY-MM when withDay is false), years 1 .. 9999.
Date ParseDate(std::string_view text, bool withDay) {
    const std::string shown(text);
    Date date;
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    std::optional<int> y, m, d = 1;
    if (first != std::string_view::npos) {
        y = ParseUnsigned(text.substr(0, first));
        if (withDay && second != std::string_view::npos) {
            m = ParseUnsigned(text.substr(first + 1, second - first - 1));
            d = ParseUnsigned(text.substr(second + 1));
        } else if (!withDay && second == std::string_view::npos) {
            m = ParseUnsigned(text.substr(first + 1));
        }
    }
    if (!y || !m || !d)
        throw BadInput{"malformed date '" + shown + "' (expected " +
                       (withDay ? "YYYY-MM-DD" : "YYYY-MM") + ")"};
    date = {*y, *m, *d};
    if (date.year < 1 || date.year > 9999) throw BadInput{"year out of range 1..9999: " + shown};
    if (date.month < 1 || date.month > 12) throw BadInput{"no such month: " + shown};
    if (!calendar::IsValidDate(date.year, date.month, date.day))
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

void Write(std::FILE* out, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out);
}

int Tsv(const std::vector<std::string>& args, std::FILE* out) {
    if (args.size() < 2 || args.size() > 3) throw BadInput{"--tsv takes FROM [TO]"};
    const Date from = ParseDate(args[1], true);
    const Date to = args.size() == 3 ? ParseDate(args[2], true) : from;
    const TDateTime first = ToDateTime(from);
    const TDateTime last = ToDateTime(to);
    if (last < first) throw BadInput{"--tsv: TO is before FROM"};
    std::string buffer;
    buffer.reserve(1 << 17);
    for (TDateTime t = first; t <= last; t += 1) {
        const Date date = FromDateTime(t);
        buffer += FormatDate(date.year, date.month, date.day);
        TChnCal cal;
        if (!Updated(cal, t)) {
            buffer += "\tFAIL\n";
        } else {
            const auto field = [&buffer](std::string_view text) {
                buffer += '\t';
                buffer += text;
            };
            field(std::to_string(cal.LunarYear));
            field(std::to_string(cal.LunarMonth));
            field(cal.IsLeapMonth() ? "1" : "0");
            field(std::to_string(cal.LunarDay()));
            field(cal.CnYear);
            field(cal.CnMonth);
            field(cal.CnDay);
            field(cal.YearGanZhi);
            field(cal.MonthGanZhi);
            field(cal.DayGanZhi);
            field(cal.AnimalsYear);
            field(cal.Constellation);
            field(cal.SolarTerm);
            field(cal.Holiday);
            field(cal.CnHoliday);
            field(cal.Era);
            buffer += '\n';
        }
        if (buffer.size() > (1 << 16)) {
            Write(out, buffer);
            buffer.clear();
        }
    }
    Write(out, buffer);
    return kExitOk;
}

int ToSolar(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    bool leap = false;
    std::vector<std::string_view> numbers;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--leap")
            leap = true;
        else
            numbers.push_back(args[i]);
    }
    if (numbers.size() != 3) throw BadInput{"--to-solar takes LY LM LD [--leap]"};
    const auto year = ParseInt(numbers[0]);
    const auto month = ParseUnsigned(numbers[1]);
    const auto day = ParseUnsigned(numbers[2]);
    if (!year || !month || !day) throw BadInput{"--to-solar: LY LM LD must be whole numbers"};
    if (*month < 1 || *month > 12) throw BadInput{"--to-solar: lunar month must be 1..12"};
    if (*day < 1 || *day > 30) throw BadInput{"--to-solar: lunar day must be 1..30"};
    int y = 0, m = 0, d = 0;
    if (!calendar::LunarToGregorian(*year, *month, *day, leap, y, m, d)) {
        std::fprintf(err, "lunarcal: lunar %d %s%d %d has no civil date\n", *year,
                     leap ? "leap " : "", *month, *day);
        return kExitNoDate;
    }
    Write(out, FormatDate(y, m, d) + "\n");
    return kExitOk;
}

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

int Summary(const Date& date, std::FILE* out) {
    const TDateTime t = ToDateTime(date);
    std::string text = "公历  " + FormatDate(date.year, date.month, date.day) + " " +
                       std::string(kWeekdays[static_cast<std::size_t>(
                           calendar::DayOfWeekOf(date.year, date.month, date.day) - 1)]) +
                       "\n";
    TChnCal cal;
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

// The month as the month calendar shows it: Sunday-first weeks, the ISO week numbers in row
// order, and the second line of each day cell with the calendar's precedence.
int Month(const Date& month, std::FILE* out) {
    constexpr int kCell = 8;
    TChnCal cal;
    const TDateTime selected = ToDateTime(month);
    Updated(cal, selected);
    std::string text =
        PadTo(std::to_string(month.year) + "年" + std::to_string(month.month) + "月", 16) +
        cal.Constellation + "  " + cal.YearGanZhi + "  " +
        (cal.AnimalsYear.empty() ? "" : cal.AnimalsYear + "年");
    while (text.back() == ' ')
        text.pop_back();
    text += "\n";
    const std::string cnDate = cal.CnMonth + cal.CnDay;
    if (month.year >= 1949 || cal.Era.empty())
        text += FormatDate(month.year, month.month, month.day) + " 农历" + cnDate + "\n";
    else
        text += cal.Era + " 农历" + cnDate + "\n";

    const int dow = calendar::DayOfWeekOf(month.year, month.month, 1);
    const int days = calendar::IsValidDate(month.year, month.month, 31)   ? 31
                     : calendar::IsValidDate(month.year, month.month, 30) ? 30
                     : calendar::IsValidDate(month.year, month.month, 29) ? 29
                                                                          : 28;
    std::array<std::string, 43> dayTexts, cnTexts;
    std::array<std::string, 7> weekNumbers;
    int lastWeek = -1, weekRow = 1;
    for (int d = 1; d <= days; ++d) {
        const int cell = dow + d - 1;
        Updated(cal, ToDateTime({month.year, month.month, d}));
        const int week = calendar::IsoWeekOf(month.year, month.month, d);
        if (week != lastWeek) {
            lastWeek = week;
            weekNumbers[static_cast<std::size_t>(weekRow++)] = std::to_string(week);
        }
        std::string cn = cal.CnDay == "初一" ? cal.CnMonth : cal.CnDay;
        if (!cal.Holiday.empty()) cn = cal.Holiday;
        if (!cal.SolarTerm.empty()) cn = cal.SolarTerm;
        if (!cal.CnHoliday.empty()) cn = cal.CnHoliday;
        dayTexts[static_cast<std::size_t>(cell)] = std::to_string(d);
        cnTexts[static_cast<std::size_t>(cell)] = cn;
    }
    text += "周  ";
    for (const std::string_view name : {"日", "一", "二", "三", "四", "五", "六"})
        text += PadTo(std::string(name), kCell);
    while (text.back() == ' ')
        text.pop_back();
    text += "\n";
    const int rows = std::max((dow + days - 2) / 7 + 1, weekRow - 1);
    for (int row = 1; row <= rows; ++row) {
        std::string first = PadTo(weekNumbers[static_cast<std::size_t>(row)], 4);
        std::string second = "    ";
        for (int column = 1; column <= 7; ++column) {
            const std::size_t cell = static_cast<std::size_t>((row - 1) * 7 + column);
            const bool marked = dayTexts[cell] == std::to_string(month.day);
            first += PadTo(dayTexts[cell] + (marked ? "*" : ""), kCell);
            second += PadTo(cnTexts[cell], kCell);
        }
        while (!first.empty() && first.back() == ' ')
            first.pop_back();
        while (!second.empty() && second.back() == ' ')
            second.pop_back();
        text += first + "\n" + second + "\n";
    }
    Write(out, text);
    return kExitOk;
}

} // namespace

namespace {

int RunCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
               TDateTime today) {
    try {
        if (args.empty()) return Summary(FromDateTime(today), out);
        const std::string& command = args[0];
        if (command == "--tsv") return Tsv(args, out);
        if (command == "--to-solar") return ToSolar(args, out, err);
        if (command == "--month") {
            if (args.size() != 2) throw BadInput{"--month takes YYYY-MM"};
            const bool withDay = std::count(args[1].begin(), args[1].end(), '-') == 2;
            return Month(ParseDate(args[1], withDay), out);
        }
        if (command == "-h" || command == "--help") {
            std::fprintf(out, "%s\n", kUsage);
            return kExitOk;
        }
        if (args.size() == 1 && !command.empty() && command.front() != '-')
            return Summary(ParseDate(command, true), out);
        if (!command.empty() && command.front() == '-')
            throw BadInput{"unknown option '" + command + "'"};
        throw BadInput{command.empty() ? "empty argument" : "unexpected arguments"};
    } catch (const BadInput& bad) {
        std::fprintf(err, "lunarcal: %s; %s\n", bad.message.c_str(), kUsage);
        return kExitBadInput;
    }
}

} // namespace

int Run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, TDateTime today) {
    const int status = RunCommand(args, out, err, today);
    // Output that never arrived is a failure, whatever the command made of it.
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "lunarcal: the output could not be written\n");
        return kExitOutputLost;
    }
    return status;
}

} // namespace lunarcal
