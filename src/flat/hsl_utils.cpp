#include "flat/hsl_utils.h"

#include <algorithm>
#include <cmath>

namespace flat {

int RoundHalfEven(double v) {
    // Independent of the current floating-point rounding mode.
    const double f = std::floor(v);
    const double diff = v - f;
    double r;
    if (diff < 0.5)
        r = f;
    else if (diff > 0.5)
        r = f + 1;
    else
        r = std::fmod(f, 2.0) == 0 ? f : f + 1;
    return static_cast<int>(r);
}

void ColorToHslFractions(TColor color, double& h, double& s, double& l) {
    const double r = gdi::GetRValue(color) / 255.0;
    const double g = gdi::GetGValue(color) / 255.0;
    const double b = gdi::GetBValue(color) / 255.0;
    const double cmax = std::max({r, g, b});
    const double cmin = std::min({r, g, b});
    l = (cmax + cmin) / 2;
    if (cmax == cmin) {
        h = 0;
        s = 0;
        return;
    }
    const double d = cmax - cmin;
    s = l < 0.5 ? d / (cmax + cmin) : d / (2 - cmax - cmin);
    double sixths;
    if (r == cmax)
        sixths = (g - b) / d;
    else if (g == cmax)
        sixths = 2 + (b - r) / d;
    else
        sixths = 4 + (r - g) / d;
    h = sixths / 6;
    if (h < 0) h += 1;
}

void ColorToHsl(TColor color, int& h, int& s, int& l) {
    double hf, sf, lf;
    ColorToHslFractions(color, hf, sf, lf);
    h = RoundHalfEven((HslScale - 1) * hf);
    s = RoundHalfEven(HslScale * sf);
    l = RoundHalfEven(HslScale * lf);
}

namespace {

int HueToChannel(double m1, double m2, double h) {
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    double v;
    if (6 * h < 1)
        v = m1 + (m2 - m1) * h * 6;
    else if (2 * h < 1)
        v = m2;
    else if (3 * h < 2)
        v = m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    else
        v = m1;
    return RoundHalfEven(255 * v);
}

} // namespace

TColor HslFractionsToColor(double h, double s, double l) {
    int r, g, b;
    if (s == 0) {
        r = g = b = RoundHalfEven(255 * l);
    } else {
        const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
        const double m1 = 2 * l - m2;
        r = HueToChannel(m1, m2, h + 1.0 / 3.0);
        g = HueToChannel(m1, m2, h);
        b = HueToChannel(m1, m2, h - 1.0 / 3.0);
    }
    return (r & 0xFF) + 256 * (g & 0xFF) + 65536 * (b & 0xFF);
}

TColor HslToColor(int h, int s, int l) {
    return HslFractionsToColor(h / double(HslScale - 1), s / double(HslScale),
                               l / double(HslScale));
}

} // namespace flat
