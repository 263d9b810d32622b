#include "gdi/color.h"

#include <array>

namespace gdi {
namespace {

constexpr std::array<TColor, SysColorCount> kDefaults = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // desktop
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application workspace
    RGB(0, 120, 215),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0),       // button text
    RGB(0, 0, 0),       // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3D dark shadow
    RGB(227, 227, 227), // 3D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(0, 0, 0),       // (unused index 25)
    RGB(0, 102, 204),   // hot-tracked item
    RGB(185, 209, 234), // active caption gradient
    RGB(215, 228, 242), // inactive caption gradient
    RGB(0, 120, 215),   // menu highlight
    RGB(240, 240, 240), // menu bar
};

std::array<TColor, SysColorCount>& Table() {
    static std::array<TColor, SysColorCount> table = kDefaults;
    return table;
}

} // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index >= SysColorCount) return 0;
    return Table()[index];
}

void SetSysColor(int index, TColor rgb) {
    if (index < 0 || index >= SysColorCount) return;
    Table()[index] = rgb & 0xFFFFFF;
}

void ResetSysColors() {
    Table() = kDefaults;
}

TColor ColorToRGB(TColor c) {
    if (IsSysColor(c)) return GetSysColor(c & 0xFF);
    return c & 0xFFFFFF;
}

QColor ToQColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

int GetSystemMetrics(int metric) {
    switch (metric) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    default:
        return 0;
    }
}

} // namespace gdi
