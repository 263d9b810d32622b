#pragma once

#include "gdi/bitmap.h"
#include "gdi/color.h"
#include "gdi/control_color.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace flat_test {

using gdi::ColorToRGB;

// The widget as it shows, children included, at device pixel ratio 1.
inline QImage Render(QWidget* w) {
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    w->render(&img);
    return img;
}

inline gdi::TColor Px(const QImage& img, int x, int y) {
    return gdi::PixelColor(img, x, y);
}

// One row or column of an image as characters, one per pixel, from a colour legend.
inline std::string Trace(const QImage& img, int x0, int y0, int dx, int dy, int n,
                         const std::vector<std::pair<gdi::TColor, char>>& legend) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        const gdi::TColor c = Px(img, x0 + i * dx, y0 + i * dy);
        char ch = '?';
        for (const auto& [col, k] : legend)
            if (gdi::ColorToRGB(col) == c) {
                ch = k;
                break;
            }
        s += ch;
    }
    return s;
}

} // namespace flat_test
