#pragma once

// Rendering widgets as screens of higher device pixel ratios show them.
#include <QImage>
#include <QWidget>

#include <cmath>

namespace ratio_render {

// The widget, children included, into an image of the given device pixel ratio.
inline QImage RenderAtRatio(QWidget& w, double ratio) {
    QImage img(int(std::ceil(w.width() * ratio)), int(std::ceil(w.height() * ratio)),
               QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::magenta);
    w.render(&img);
    return img;
}

// The device pixel where a logical edge lands (half up, as the painters round).
inline int Device(int logical, double ratio) {
    return int(std::floor(logical * ratio + 0.5));
}

// The aligned 2 x 2 blocks of device pixels inside a logical area of a ratio-2 image that are
// not all of one colour. Something painted at ratio 1 and then doubled has none.
inline int MixedBlocks(const QImage& img, const QRect& logical) {
    int mixed = 0;
    for (int y = 2 * logical.top(); y <= 2 * logical.bottom(); y += 2)
        for (int x = 2 * logical.left(); x <= 2 * logical.right(); x += 2) {
            const QRgb p = img.pixel(x, y);
            mixed += img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p ||
                     img.pixel(x + 1, y + 1) != p;
        }
    return mixed;
}

} // namespace ratio_render
