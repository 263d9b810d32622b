#include "calendar/cycles.h"

#include "calendar/calendar_math.h"
#include "calendar/civil_calendar.h"

#include <array>
#include <string>

namespace calendar {
namespace {

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> kConstellations = {
    "白羊", "金牛", "双子", "巨蟹", "狮子", "处女", "天秤", "天蝎", "射手", "摩羯", "宝瓶", "双鱼"};
constexpr std::array<std::string_view, 24> kSolarTerms = {
    "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
    "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"};
constexpr std::array<std::string_view, 10> kDayDigits = {"一", "二", "三", "四", "五",
                                                         "六", "七", "八", "九", "十"};
constexpr std::array<std::string_view, 6> kDayTens = {"初", "十", "廿", "卅", "二", "三"};
constexpr std::array<std::string_view, 12> kMonthNames = {"正", "二", "三", "四", "五", "六",
                                                          "七", "八", "九", "十", "冬", "腊"};
// First day (month * 100 + day) of each zodiac sign, starting with 宝瓶.
constexpr std::array<int, 12> kZodiacStarts = {120, 219, 321, 421,  521,  622,
                                               723, 823, 923, 1023, 1123, 1222};

template <std::size_t N>
std::string_view Entry(const std::array<std::string_view, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return {};
    return table[static_cast<std::size_t>(index)];
}

const std::array<std::string, 60>& CycleNames() {
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> built;
        for (std::size_t i = 0; i < built.size(); ++i)
            built[i] = std::string(kStems[i % 10]) + std::string(kBranches[i % 12]);
        return built;
    }();
    return names;
}

} // namespace

int YearCycle(std::int64_t year) {
    // Reduce first so that the offset cannot overflow.
    const std::int64_t r = year % 60;
    return static_cast<int>(year > 0 ? math::FloorMod(r - 4, 60) : math::FloorMod(r - 3, 60));
}

int AnimalIndex(std::int64_t year) {
    const std::int64_t r = year % 12;
    return static_cast<int>(year > 0 ? math::FloorMod(r - 4, 12) : math::FloorMod(r - 3, 12));
}

int DayCycleOfDate(std::int64_t year, int month, int day) {
    return static_cast<int>(math::FloorMod(CycleDayNumber(year, month, day) % 60 + 12, 60));
}

int CycleOf(int stem, int branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11) return -1;
    for (int i = 0; i <= 6; ++i)
        if ((stem + 10 * i) % 12 == branch) return stem + 10 * i;
    return -1;
}

bool SplitCycle(int cycle, int& stem, int& branch) {
    if (cycle < 0 || cycle > 59) {
        stem = branch = -1;
        return false;
    }
    stem = cycle % 10;
    branch = cycle % 12;
    return true;
}

int ConstellationIndex(int month, int day) {
    const std::int64_t c = std::int64_t{month} * 100 + day;
    for (int i = 0; i < 12; ++i) {
        if (c < kZodiacStarts[static_cast<std::size_t>(i)]) return (i + 9) % 12;
        if (i < 11 && c < kZodiacStarts[static_cast<std::size_t>(i + 1)]) return (i + 10) % 12;
    }
    return 9;
}

std::string_view CycleName(int cycle) {
    if (cycle < 0 || cycle > 59) return {};
    return CycleNames()[static_cast<std::size_t>(cycle)];
}

std::string_view AnimalName(int index) {
    return Entry(kAnimals, index);
}
std::string_view SolarTermName(int index) {
    return Entry(kSolarTerms, index);
}
std::string_view ConstellationName(int index) {
    return Entry(kConstellations, index);
}
std::string_view StemName(int stem) {
    return Entry(kStems, stem);
}
std::string_view BranchName(int branch) {
    return Entry(kBranches, branch);
}
std::string_view LunarMonthName(int month) {
    if (month < 1) return {}; // also keeps month - 1 from overflowing
    return Entry(kMonthNames, month - 1);
}

std::string_view LunarDayName(int day) {
    static const std::array<std::string, 30> names = [] {
        std::array<std::string, 30> built;
        for (int d = 1; d <= 30; ++d) {
            int tens = d / 10;
            int unit = d % 10;
            if (unit == 0) {
                if (d == 10)
                    tens = 0;
                else
                    tens += 2; // 20 -> "二十", 30 -> "三十"
                unit = 10;
            }
            built[static_cast<std::size_t>(d - 1)] =
                std::string(kDayTens[static_cast<std::size_t>(tens)]) +
                std::string(kDayDigits[static_cast<std::size_t>(unit - 1)]);
        }
        return built;
    }();
    if (day < 1 || day > 30) return {};
    return names[static_cast<std::size_t>(day - 1)];
}

} // namespace calendar
