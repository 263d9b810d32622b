#pragma once

#include "gdi/color.h"

// Conversions between RGB colours and hue/saturation/luminance. Integer units: hue 0..239,
// saturation and luminance 0..240.
namespace flat {

using gdi::TColor;

constexpr int HslScale = 240;

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double v);

void ColorToHslFractions(TColor color, double& h, double& s, double& l);
void ColorToHsl(TColor color, int& h, int& s, int& l);
// Channels are not clamped: out-of-range values wrap to their low 8 bits.
TColor HslFractionsToColor(double h, double s, double l);
TColor HslToColor(int h, int s, int l);

} // namespace flat
