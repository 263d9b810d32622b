#pragma once

#include "gdi/geometry.h"

#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;

// Off-screen drawing at the screen's device resolution. Logical coordinates map to device
// pixels by one rule, DevicePixel, so that the edges of neighbouring rectangles meet on the
// same device pixel at fractional ratios too (1.25, 1.5): no gaps, no doubled lines.
namespace gdi {

// The device pixel edge of a logical coordinate at the given ratio: round half up.
int DevicePixel(double logical, double ratio);

// A white image of w x h logical pixels at the given ratio (1 when ratio is not above 0).
QImage NewDeviceImage(int w, int h, double ratio);

// True when image already is w x h logical pixels at the given ratio.
bool IsDeviceImage(const QImage& img, int w, int h, double ratio);

// An image's size in logical pixels.
QSize LogicalSize(const QImage& img);

// Device pixels per logical pixel of what a painter draws (its device's ratio, also when the
// painting is redirected into an image of another ratio).
double PainterRatio(const QPainter& painter);

// Where a logical rectangle of a painter lands on its device: the device pixel rectangle and
// the sub-pixel shift that an off-screen image of it needs so that logical coordinates drawn
// into the image fall on the pixels they would take on the device itself.
struct TDevicePlace {
    QRect Device;
    QPointF Shift;
    double Ratio = 1;
};
TDevicePlace PlaceOnDevice(const QPainter& painter, const TRect& r);

// An image that covers a place pixel for pixel (reused when it already does).
void FitImageToPlace(QImage& img, const TDevicePlace& place);

// Copies src's pixels in srcPixels to the device pixels at devicePos, one to one, whatever
// the painter's ratio and transform (translations only).
void BlitDevicePixels(QPainter& painter, QPoint devicePos, const QImage& src,
                      const QRect& srcPixels);
// The same into a device rectangle of another size: scaled, nearest pixel.
void BlitDevicePixels(QPainter& painter, const QRect& deviceDst, const QImage& src,
                      const QRect& srcPixels);
void BlitDevicePixels(QPainter& painter, QPoint devicePos, const QImage& src);

// Draws an image made by NewDeviceImage at a widget's logical origin: one to one when the
// ratios agree, scaled otherwise.
void DrawDeviceImage(QPainter& painter, const QImage& img);

} // namespace gdi
