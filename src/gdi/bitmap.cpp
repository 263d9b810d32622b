#include "gdi/bitmap.h"

#include <QPainter>

#include <algorithm>

namespace gdi {

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::TBitmap(const QImage& img) {
    Assign(img);
}

TBitmap::~TBitmap() {
    if (canvas_) canvas_->End();
}

void TBitmap::SetSize(int width, int height) {
    if (canvas_) canvas_->End();
    QImage next(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    next.fill(Qt::white);
    image_ = next;
}

void TBitmap::Assign(const QImage& img) {
    if (canvas_) canvas_->End();
    image_ = ToBitmap24(img);
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>();
    if (!canvas_->IsBound() && !Empty()) canvas_->Begin(&image_);
    return *canvas_;
}

const QImage& TBitmap::Image() {
    if (canvas_) canvas_->End();
    return image_;
}

QImage& TBitmap::Pixels() {
    if (canvas_) canvas_->End();
    return image_;
}

TColor TBitmap::Pixel(int x, int y) {
    return PixelColor(Image(), x, y);
}

QImage ToBitmap24(const QImage& img) {
    if (img.isNull()) return QImage();
    if (img.format() == QImage::Format_RGB32) return img;
    if (img.hasAlphaChannel()) {
        // Transparent areas show as white, the usual background of pictures.
        QImage out(img.size(), QImage::Format_RGB32);
        out.setDevicePixelRatio(img.devicePixelRatio());
        out.fill(Qt::white);
        QPainter p(&out);
        p.drawImage(0, 0, img);
        return out;
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

TColor PixelColor(const QImage& img, int x, int y) {
    if (img.isNull() || !img.valid(x, y)) return clNone;
    return FromQColor(QColor(img.pixel(x, y)));
}

} // namespace gdi
