#include "gdi/device_pixels.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace gdi {
namespace {

int Snap(double device) {
    return int(std::floor(device + 0.5));
}

bool SameRatio(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

} // namespace

int DevicePixel(double logical, double ratio) {
    return Snap(logical * ratio);
}

QImage NewDeviceImage(int w, int h, double ratio) {
    const double r = ratio > 0 ? ratio : 1.0;
    QImage img(DevicePixel(std::max(0, w), r), DevicePixel(std::max(0, h), r),
               QImage::Format_RGB32);
    img.setDevicePixelRatio(r);
    img.fill(Qt::white);
    return img;
}

bool IsDeviceImage(const QImage& img, int w, int h, double ratio) {
    const double r = ratio > 0 ? ratio : 1.0;
    return !img.isNull() && SameRatio(img.devicePixelRatio(), r) &&
           img.width() == DevicePixel(w, r) && img.height() == DevicePixel(h, r);
}

QSize LogicalSize(const QImage& img) {
    const double r = img.devicePixelRatio();
    if (SameRatio(r, 1)) return img.size();
    return QSize(Snap(img.width() / r), Snap(img.height() / r));
}

double PainterRatio(const QPainter& painter) {
    const double world = painter.worldTransform().m11();
    const double ratio = world != 0 ? painter.deviceTransform().m11() / world : 1.0;
    return ratio > 0 ? ratio : 1.0;
}

TDevicePlace PlaceOnDevice(const QPainter& painter, const TRect& r) {
    const QTransform m = painter.deviceTransform();
    const QPointF tl = m.map(QPointF(r.Left, r.Top));
    const QPointF br = m.map(QPointF(r.Right, r.Bottom));
    TDevicePlace place;
    place.Ratio = PainterRatio(painter);
    const int l = Snap(tl.x()), t = Snap(tl.y());
    place.Device = QRect(l, t, std::max(0, Snap(br.x()) - l), std::max(0, Snap(br.y()) - t));
    place.Shift = QPointF((tl.x() - l) / place.Ratio, (tl.y() - t) / place.Ratio);
    return place;
}

void FitImageToPlace(QImage& img, const TDevicePlace& place) {
    if (img.size() == place.Device.size() && SameRatio(img.devicePixelRatio(), place.Ratio)) return;
    img = QImage(place.Device.size(), QImage::Format_RGB32);
    img.setDevicePixelRatio(place.Ratio);
    img.fill(Qt::white);
}

void BlitDevicePixels(QPainter& painter, QPoint devicePos, const QImage& src,
                      const QRect& srcPixels) {
    BlitDevicePixels(painter, QRect(devicePos, srcPixels.size()), src, srcPixels);
}

void BlitDevicePixels(QPainter& painter, const QRect& deviceDst, const QImage& src,
                      const QRect& srcPixels) {
    if (src.isNull() || srcPixels.isEmpty() || deviceDst.isEmpty()) return;
    painter.save();
    // Undo everything between the world and the device (the ratio's scale, a redirection's
    // offset), so that coordinates below are device pixels.
    const QTransform rest = painter.worldTransform().inverted() * painter.deviceTransform();
    painter.setWorldTransform(rest.inverted());
    painter.drawImage(QRectF(deviceDst), src, QRectF(srcPixels));
    painter.restore();
}

void BlitDevicePixels(QPainter& painter, QPoint devicePos, const QImage& src) {
    BlitDevicePixels(painter, devicePos, src, src.rect());
}

void DrawDeviceImage(QPainter& painter, const QImage& img) {
    if (!SameRatio(img.devicePixelRatio(), PainterRatio(painter))) {
        painter.drawImage(QPoint(0, 0), img);
        return;
    }
    const QPointF origin = painter.deviceTransform().map(QPointF(0, 0));
    BlitDevicePixels(painter, QPoint(Snap(origin.x()), Snap(origin.y())), img);
}

} // namespace gdi
