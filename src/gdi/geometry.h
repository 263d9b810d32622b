#pragma once

#include <QPoint>
#include <QRect>

// Rectangles as the drawing rules name them: Right and Bottom are exclusive, so a rectangle
// (0, 0, 10, 5) covers columns 0 to 9 and rows 0 to 4.
namespace gdi {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    void Offset(int dx, int dy) {
        Left += dx;
        Right += dx;
        Top += dy;
        Bottom += dy;
    }
    // Grows by dx, dy on every side (shrinks for negative values).
    void Inflate(int dx, int dy) {
        Left -= dx;
        Right += dx;
        Top -= dy;
        Bottom += dy;
    }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int l, int t, int r, int b) {
    return {l, t, r, b};
}

// The overlap of two rectangles; false and an empty result when they share no area.
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);

} // namespace gdi
