#include "calendar_ui/calendar_paint.h"

#include <QLocale>

#include <cmath>

namespace calendar_ui {
namespace {

// Nearest integer, halves to the even neighbour.
int Nearest(double x) {
    return int(std::nearbyint(x));
}

} // namespace

bool FillGradient(gdi::TCanvas& canvas, const gdi::TRect& r, int n, std::uint8_t direction,
                  gdi::TColor a, gdi::TColor b) {
    if (n < 1) return false;
    const gdi::TColor ca = gdi::ColorToRGB(a), cb = gdi::ColorToRGB(b);
    const int ar = gdi::GetRValue(ca), ag = gdi::GetGValue(ca), ab = gdi::GetBValue(ca);
    const double stepR = double(gdi::GetRValue(cb) - ar) / n;
    const double stepG = double(gdi::GetGValue(cb) - ag) / n;
    const double stepB = double(gdi::GetBValue(cb) - ab) / n;
    const double size = double(direction == 0 ? r.Height() : r.Width()) / n;
    for (int i = 0; i < n; ++i) {
        const gdi::TColor c = gdi::RGB(ar + Nearest((i + 1) * stepR), ag + Nearest((i + 1) * stepG),
                                       ab + Nearest((i + 1) * stepB));
        gdi::TRect band =
            direction == 0 ? gdi::TRect{0, Nearest(i * size), r.Width(), Nearest((i + 1) * size)}
                           : gdi::TRect{Nearest(i * size), 0, Nearest((i + 1) * size), r.Height()};
        band.Offset(r.Left, r.Top);
        canvas.FillRect(band, c);
    }
    return true;
}

void FitPictureRect(int pw, int ph, int bw, int bh, bool centre, gdi::TRect& result) {
    if (pw <= 0 || ph <= 0) return;
    const double ratio = double(pw) / ph;
    int w = 0, h = 0;
    if (ph < pw) {
        w = bw;
        h = int(std::trunc(bw / ratio));
        if (h > bh) {
            h = bh;
            w = int(std::trunc(bh * ratio));
        }
    } else {
        h = bh;
        w = int(std::trunc(bh * ratio));
        if (w > bw) {
            w = bw;
            h = int(std::trunc(bw / ratio));
        }
    }
    result = {0, 0, w, h};
    if (centre) result.Offset((bw - w) / 2, (bh - h) / 2);
}

std::uint8_t ClampByte(int value) {
    return value < 0 ? 0 : value > 255 ? 255 : std::uint8_t(value);
}

gdi::TColor PixelToColor(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
    return gdi::TColor(third) | gdi::TColor(second) << 8 | gdi::TColor(first) << 16;
}

void BlendBitmapAt(QImage& dest, QImage& src, gdi::TPoint p, gdi::TColor key, int level) {
    level %= 100;
    if (dest.format() != QImage::Format_RGB32) dest = dest.convertToFormat(QImage::Format_RGB32);
    if (src.format() != QImage::Format_RGB32) src = src.convertToFormat(QImage::Format_RGB32);
    if (src.isNull() || dest.isNull()) return;
    // Rows are read byte by byte: blue, green, red, then the unused fourth byte.
    if (key == -1) {
        const uchar* s = src.constScanLine(0);
        key = PixelToColor(s[0], s[1], s[2]);
    } else {
        key = gdi::ColorToRGB(key);
    }
    // Both images hold device pixels at the same ratio; P is a logical point.
    const double ratio = dest.devicePixelRatio();
    p = {gdi::DevicePixel(p.X, ratio), gdi::DevicePixel(p.Y, ratio)};
    for (int i = 0; i < src.height(); ++i) {
        const int y = p.Y + i;
        if (y < 0 || y >= dest.height()) continue;
        const uchar* s = src.constScanLine(i);
        uchar* d = dest.scanLine(y);
        for (int j = 0; j < src.width(); ++j) {
            const int x = p.X + j;
            if (x < 0 || x >= dest.width()) continue;
            const uchar* sp = s + 4 * j;
            if (PixelToColor(sp[0], sp[1], sp[2]) == key) continue;
            uchar* dp = d + 4 * x;
            for (int ch = 0; ch < 3; ++ch)
                dp[ch] = ClampByte((dp[ch] * (100 - level) + sp[ch] * level) / 100);
        }
    }
}

QString WeekDayCaption(int column, bool longName) {
    if (longName) {
        // The date `column` days after 1899-12-30, a Saturday: 1 is a Sunday. Qt counts the
        // weekdays from Monday = 1.
        const int qtDay = ((column + 5) % 7 + 7) % 7 + 1;
        return QLocale(QLocale::Chinese, QLocale::China).dayName(qtDay, QLocale::LongFormat);
    }
    static const char16_t* const kShort[] = {u"日", u"一", u"二", u"三", u"四", u"五", u"六"};
    if (column < 1 || column > 7) return {};
    return QString::fromUtf16(kShort[column - 1]);
}

} // namespace calendar_ui
