#pragma once

#include <cstdint>

// New moons from a periodic series, placed on the civil days of UTC+8, and the lunar day
// that follows from them.
namespace calendar {

// Radians: 2 pi Frac(rate k) + c0 - c2 T^2 - c3 T^3 (c0, c2, c3 in radians).
double MeanAngle(double c3, double c2, double c0, double rate, double t, double k);

// Lunar day 1..30 of the civil date, or -1 when none of the fifteen new moons scanned from
// the start of its year lies within 29 days before it (only for the removed dates of 1582).
int LunarDayOf(int year, int month, int day);

} // namespace calendar
