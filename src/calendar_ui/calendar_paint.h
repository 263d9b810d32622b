#pragma once

#include "gdi/canvas.h"
#include "gdi/color.h"
#include "gdi/geometry.h"

#include <QImage>
#include <QString>

#include <cstdint>

// Drawing routines of the month calendar.
namespace calendar_ui {

// Fills r with n bands of colour from a towards b (direction 0 top to bottom, 1 left to
// right). The first band is already one step away from a and the last band equals b. False,
// and nothing drawn, for n below 1.
bool FillGradient(gdi::TCanvas& canvas, const gdi::TRect& r, int n, std::uint8_t direction,
                  gdi::TColor a, gdi::TColor b);

// The largest rectangle of the picture's aspect that fits a box, at the top left or centred.
// A picture without width or height leaves result as it was.
void FitPictureRect(int pw, int ph, int bw, int bh, bool centre, gdi::TRect& result);

// Mixes src into dest with its top left at p: each channel becomes
// (dest x (100 - level) + src x level) / 100, with level taken modulo 100. Source pixels of
// the key colour are left out; key -1 takes the colour of src's top-left pixel. Both images
// end up in the 32-bit RGB layout.
void BlendBitmapAt(QImage& dest, QImage& src, gdi::TPoint p, gdi::TColor key, int level);

std::uint8_t ClampByte(int value);

// The colour 0x00BBGGRR of a pixel stored as blue, green, red.
gdi::TColor PixelToColor(std::uint8_t first, std::uint8_t second, std::uint8_t third);

// Header text of a day column (1 Sunday .. 7 Saturday): the locale's long weekday name, or a
// single character.
QString WeekDayCaption(int column, bool longName);

} // namespace calendar_ui
