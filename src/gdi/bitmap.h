#pragma once

#include "gdi/canvas.h"
#include "gdi/color.h"

#include <QImage>

#include <memory>

namespace gdi {

// A 24-bit off-screen bitmap with a canvas of its own. The canvas is bound on first use and
// released whenever the image is read, so pixels read back are always up to date.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height);
    explicit TBitmap(const QImage& img);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    void SetSize(int width, int height);
    void Assign(const QImage& img);
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull() || image_.width() == 0 || image_.height() == 0; }

    TCanvas& Canvas();
    const QImage& Image();
    // The pixels for direct row access (scanLine); the canvas is released first and bound
    // again on its next use.
    QImage& Pixels();
    TColor Pixel(int x, int y);

private:
    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
};

// The image in the 32-bit RGB layout every drawing routine works on (alpha dropped).
QImage ToBitmap24(const QImage& img);

// The colour of one pixel (clNone outside the image).
TColor PixelColor(const QImage& img, int x, int y);

} // namespace gdi
