#include "gdi/canvas.h"

#include "gdi/prefix_text.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gdi {
namespace {

QRgb ToRgb(TColor c) {
    return ToQColor(c).rgb();
}

} // namespace

TCanvas::TCanvas() {
    Font.setPixelSize(11);
}

TCanvas::TCanvas(QPaintDevice* device) : TCanvas() {
    Begin(device);
}

TCanvas::~TCanvas() {
    End();
}

void TCanvas::Begin(QPaintDevice* device) {
    End();
    own_ = std::make_unique<QPainter>(device);
    painter_ = own_.get();
    base_ = painter_->transform();
    Bound();
}

void TCanvas::Begin(QPaintDevice* device, const TDevicePlace& place) {
    Begin(device);
    if (place.Shift.isNull()) return;
    base_ = QTransform::fromTranslate(place.Shift.x(), place.Shift.y());
    painter_->setTransform(base_);
}

void TCanvas::Begin(QPainter* painter) {
    End();
    painter_ = painter;
    base_ = painter_->transform();
    Bound();
    hasClip_ = painter_->hasClipping();
    clip_ = hasClip_ ? painter_->clipRegion() : QRegion();
}

// The drawing state of a freshly bound painter.
void TCanvas::Bound() {
    origin_ = {};
    hasClip_ = false;
    clip_ = QRegion();
    saved_.clear();
    ratio_ = PainterRatio(*painter_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

TDevicePlace TCanvas::Place(const TRect& r) const {
    if (!painter_) return {};
    return PlaceOnDevice(*painter_, r);
}

void TCanvas::DrawPlaced(const TDevicePlace& place, const QImage& img) {
    if (!painter_) return;
    BlitDevicePixels(*painter_, place.Device.topLeft(), img);
}

void TCanvas::End() {
    while (!saved_.empty())
        RestoreState();
    if (own_) own_->end();
    own_.reset();
    painter_ = nullptr;
}

QFont TCanvas::DrawingFont() const {
    QFont f = Font;
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::NoAntialias));
    return f;
}

// ---- pixels, lines and shapes ----------------------------------------------------------

void TCanvas::Plot(int x, int y, TColor c) {
    if (!painter_) return;
    painter_->fillRect(QRect(x, y, 1, 1), ToQColor(c));
}

void TCanvas::Span(int x0, int x1, int y, TColor c) {
    if (!painter_ || x1 < x0) return;
    painter_->fillRect(QRect(x0, y, x1 - x0 + 1, 1), ToQColor(c));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
    Plot(x, y, c);
}

TColor TCanvas::GetPixel(int x, int y) const {
    if (!painter_ || !painter_->device() || painter_->device()->devType() != QInternal::Image)
        return clNone;
    const auto* img = static_cast<const QImage*>(painter_->device());
    // The device pixel under the logical pixel's centre.
    const QPointF c = painter_->deviceTransform().map(QPointF(x + 0.5, y + 0.5));
    const QPoint p(int(std::floor(c.x())), int(std::floor(c.y())));
    if (!img->valid(p)) return clNone;
    return FromQColor(QColor(img->pixel(p)));
}

// Bresenham between the two points; the end pixel only when asked for.
void TCanvas::Line(int x0, int y0, int x1, int y1, bool includeEnd) {
    if (!painter_ || Pen.Style == psClear) return;
    if (Pen.Width > 1) {
        // Wide pens have round ends and cover their end point anyway.
        QPainter& p = *painter_;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(ToQColor(Pen.Color), Pen.Width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(x0, y0, x1, y1);
        p.restore();
        return;
    }
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    if (dy == 0) {
        int a = x0, b = includeEnd ? x1 : x1 - sx;
        if (dx == 0 && !includeEnd) return;
        Span(std::min(a, b), std::max(a, b), y0, Pen.Color);
        return;
    }
    if (dx == 0) {
        int a = y0, b = includeEnd ? y1 : y1 - sy;
        painter_->fillRect(QRect(x0, std::min(a, b), 1, std::abs(b - a) + 1), ToQColor(Pen.Color));
        return;
    }
    int err = dx - dy, x = x0, y = y0;
    for (;;) {
        const bool atEnd = x == x1 && y == y1;
        if (atEnd && !includeEnd) break;
        Plot(x, y, Pen.Color);
        if (atEnd) break;
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void TCanvas::MoveTo(int x, int y) {
    PenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    Line(PenPos.X, PenPos.Y, x, y, false);
    PenPos = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> pts) {
    if (pts.empty()) return;
    PenPos = pts[0];
    for (size_t i = 1; i < pts.size(); ++i)
        LineTo(pts[i].X, pts[i].Y);
}

void TCanvas::Polygon(std::span<const TPoint> pts) {
    if (!painter_ || pts.size() < 2) return;
    if (Brush.Style == bsSolid && pts.size() >= 3) {
        // Even-odd scan conversion sampled at whole coordinates, left and top edges in,
        // right and bottom edges out.
        int ymin = pts[0].Y, ymax = pts[0].Y;
        for (const auto& p : pts) {
            ymin = std::min(ymin, p.Y);
            ymax = std::max(ymax, p.Y);
        }
        std::vector<double> xs;
        for (int y = ymin; y < ymax; ++y) {
            xs.clear();
            for (size_t i = 0; i < pts.size(); ++i) {
                const TPoint a = pts[i], b = pts[(i + 1) % pts.size()];
                if (a.Y == b.Y) continue;
                const TPoint lo = a.Y < b.Y ? a : b, hi = a.Y < b.Y ? b : a;
                if (y < lo.Y || y >= hi.Y) continue;
                xs.push_back(lo.X + double(y - lo.Y) * (hi.X - lo.X) / double(hi.Y - lo.Y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                const int xa = int(std::ceil(xs[i])), xb = int(std::ceil(xs[i + 1])) - 1;
                Span(xa, xb, y, Brush.Color);
            }
        }
    }
    const TPoint saved = PenPos;
    PenPos = pts[0];
    for (size_t i = 1; i <= pts.size(); ++i) {
        const TPoint& p = pts[i % pts.size()];
        LineTo(p.X, p.Y);
    }
    PenPos = saved;
}

void TCanvas::Rectangle(int l, int t, int r, int b) {
    if (!painter_) return;
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    const bool outline = Pen.Style != psClear;
    if (Brush.Style == bsSolid) {
        const int inset = outline ? 1 : 0;
        FillRect({l + inset, t + inset, r - inset, b - inset}, Brush.Color);
    }
    if (outline) {
        const int w = std::max(1, Pen.Width);
        const QColor c = ToQColor(Pen.Color);
        for (int i = 0; i < w; ++i) {
            const TRect f{l + i - w / 2, t + i - w / 2, r - i + (w - 1) / 2, b - i + (w - 1) / 2};
            if (f.IsEmpty()) break;
            painter_->fillRect(QRect(f.Left, f.Top, f.Width(), 1), c);
            painter_->fillRect(QRect(f.Left, f.Bottom - 1, f.Width(), 1), c);
            painter_->fillRect(QRect(f.Left, f.Top, 1, f.Height()), c);
            painter_->fillRect(QRect(f.Right - 1, f.Top, 1, f.Height()), c);
        }
    }
}

void TCanvas::FillRect(const TRect& r) {
    FillRect(r, Brush.Color);
}

void TCanvas::FillRect(const TRect& r, TColor c) {
    if (!painter_ || r.IsEmpty()) return;
    painter_->fillRect(r.ToQRect(), ToQColor(c));
}

void TCanvas::FrameRect(const TRect& r) {
    FrameRect(r, Brush.Color);
}

void TCanvas::FrameRect(const TRect& r, TColor c) {
    if (!painter_ || r.IsEmpty()) return;
    const QColor q = ToQColor(c);
    painter_->fillRect(QRect(r.Left, r.Top, r.Width(), 1), q);
    painter_->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), q);
    painter_->fillRect(QRect(r.Left, r.Top, 1, r.Height()), q);
    painter_->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), q);
}

// ---- text --------------------------------------------------------------------------------

TPoint TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics fm(DrawingFont());
    return {fm.horizontalAdvance(text), fm.height()};
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    if (!painter_) return;
    const QFont f = DrawingFont();
    const QFontMetrics fm(f);
    if (Brush.Style == bsSolid)
        FillRect({x, y, x + fm.horizontalAdvance(text), y + fm.height()}, Brush.Color);
    painter_->setFont(f);
    painter_->setPen(ToQColor(FontColor));
    painter_->drawText(QPoint(x, y + fm.ascent()), text);
    PenPos = {x + fm.horizontalAdvance(text), y};
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags) {
    const QFont f = DrawingFont();
    const bool prefix = !(flags & DT_NOPREFIX);
    if (!(flags & DT_SINGLELINE)) return DrawMultiLineText(text, r, flags, f);
    if (!prefix) return DrawSingleLineText(text, -1, r, flags, f);
    const TPrefixText parsed = ParsePrefix(text);
    const int underline = (flags & DT_HIDEPREFIX) ? -1 : parsed.Underline;
    return DrawSingleLineText(parsed.Shown, underline, r, flags, f);
}

// Wrapping and alignment as the layout engine does them; the "&" prefix goes to it as a
// mnemonic.
int TCanvas::DrawMultiLineText(const QString& text, TRect& r, unsigned flags, const QFont& f) {
    const QFontMetrics fm(f);
    int qflags = (flags & DT_WORDBREAK) ? Qt::TextWordWrap : 0;
    qflags |= (flags & DT_CENTER)  ? Qt::AlignHCenter
              : (flags & DT_RIGHT) ? Qt::AlignRight
                                   : Qt::AlignLeft;
    qflags |= Qt::AlignTop;
    if (!(flags & DT_NOPREFIX))
        qflags |= (flags & DT_HIDEPREFIX) ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
    const int width = (flags & DT_WORDBREAK) ? std::max(1, r.Width()) : 1 << 20;
    const QRect b = fm.boundingRect(QRect(0, 0, width, 1 << 20), qflags, text);
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + b.width();
        r.Bottom = r.Top + b.height();
        return b.height();
    }
    if (!painter_) return b.height();
    painter_->save();
    if (!(flags & DT_NOCLIP)) painter_->setClipRect(r.ToQRect(), Qt::IntersectClip);
    if (Brush.Style == bsSolid) FillRect({r.Left, r.Top, r.Right, r.Top + b.height()});
    painter_->setFont(f);
    painter_->setPen(ToQColor(FontColor));
    painter_->drawText(r.ToQRect(), qflags, text);
    painter_->restore();
    return b.height();
}

// One line placed by the alignment flags, cut with an ellipsis when asked, and the character
// at underline (if any) underlined.
int TCanvas::DrawSingleLineText(QString shown, int underline, TRect& r, unsigned flags,
                                const QFont& f) {
    const QFontMetrics fm(f);
    int w = fm.horizontalAdvance(shown);
    const int h = fm.height();
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + w;
        r.Bottom = r.Top + h;
        return h;
    }
    if (!painter_) return h;
    if ((flags & DT_END_ELLIPSIS) && w > r.Width()) {
        shown = fm.elidedText(shown, Qt::ElideRight, std::max(0, r.Width()));
        if (underline >= shown.size() - 1) underline = -1; // hidden behind the ellipsis
        w = fm.horizontalAdvance(shown);
    }
    int x = r.Left, y = r.Top;
    if (flags & DT_CENTER)
        x = r.Left + (r.Width() - w) / 2;
    else if (flags & DT_RIGHT)
        x = r.Right - w;
    if (flags & DT_VCENTER)
        y = r.Top + (r.Height() - h) / 2;
    else if (flags & DT_BOTTOM)
        y = r.Bottom - h;

    painter_->save();
    if (!(flags & DT_NOCLIP)) painter_->setClipRect(r.ToQRect(), Qt::IntersectClip);
    if (Brush.Style == bsSolid) FillRect({x, y, x + w, y + h}, Brush.Color);
    painter_->setFont(f);
    painter_->setPen(ToQColor(FontColor));
    painter_->drawText(QPoint(x, y + fm.ascent()), shown);
    if (underline >= 0 && underline < shown.size()) {
        const int ux = x + fm.horizontalAdvance(shown.left(underline));
        const int uw = fm.horizontalAdvance(shown.mid(underline, 1));
        const int uy = y + fm.ascent() + std::max(1, fm.underlinePos());
        painter_->fillRect(QRect(ux, uy, uw, std::max(1, fm.lineWidth())), ToQColor(FontColor));
    }
    painter_->restore();
    return h;
}

// ---- bitmaps -----------------------------------------------------------------------------

// An image drawn one to one on a device of ratio 1 takes the painter's own path.
bool TCanvas::Plain(const QImage& img) const {
    return ratio_ == 1 && img.devicePixelRatio() == 1;
}

void TCanvas::Draw(int x, int y, const QImage& img) {
    if (!painter_ || img.isNull()) return;
    if (Plain(img)) {
        painter_->drawImage(QPoint(x, y), img);
        return;
    }
    const QSize size = LogicalSize(img);
    CopyRect({x, y, x + size.width(), y + size.height()}, img, {0, 0, size.width(), size.height()});
}

void TCanvas::StretchDraw(const TRect& dst, const QImage& img) {
    const QSize size = LogicalSize(img);
    CopyRect(dst, img, {0, 0, size.width(), size.height()});
}

// The source pixels for a copy of srcRect to dst. An unscaled copy between images of the
// same ratio takes exactly as many pixels as dst covers on the device.
QRect TCanvas::SourcePixels(const QImage& src, const TRect& srcRect, const TRect& dst,
                            const TDevicePlace& place) const {
    const double r = src.devicePixelRatio();
    const int l = DevicePixel(srcRect.Left, r), t = DevicePixel(srcRect.Top, r);
    const bool oneToOne = std::abs(r - place.Ratio) < 1e-6 && srcRect.Width() == dst.Width() &&
                          srcRect.Height() == dst.Height();
    if (oneToOne) return QRect(QPoint(l, t), place.Device.size());
    return QRect(l, t, DevicePixel(srcRect.Right, r) - l, DevicePixel(srcRect.Bottom, r) - t);
}

void TCanvas::CopyRect(const TRect& dst, const QImage& src, const TRect& srcRect) {
    if (!painter_ || src.isNull() || dst.IsEmpty() || srcRect.IsEmpty()) return;
    if (Plain(src)) {
        painter_->drawImage(dst.ToQRect(), src, srcRect.ToQRect());
        return;
    }
    const TDevicePlace place = Place(dst);
    BlitDevicePixels(*painter_, place.Device, src, SourcePixels(src, srcRect, dst, place));
}

void TCanvas::DrawTransparent(int x, int y, const QImage& img, TColor key) {
    const QSize size = LogicalSize(img);
    DrawMasked({x, y, x + size.width(), y + size.height()}, img,
               {0, 0, size.width(), size.height()}, key, 255);
}

void TCanvas::StretchDrawTransparent(const TRect& dst, const QImage& src, const TRect& srcRect,
                                     TColor key) {
    DrawMasked(dst, src, srcRect, key, 255);
}

void TCanvas::BlendDraw(int x, int y, const QImage& img, int alpha, TColor key) {
    const QSize size = LogicalSize(img);
    DrawMasked({x, y, x + size.width(), y + size.height()}, img,
               {0, 0, size.width(), size.height()}, key, std::clamp(alpha, 0, 255));
}

void TCanvas::DrawMasked(const TRect& dst, const QImage& src, const TRect& srcRect, TColor key,
                         int alpha) {
    if (!painter_ || src.isNull() || dst.IsEmpty() || srcRect.IsEmpty()) return;
    // Scale first (nearest neighbour), then build an image whose pixels are either fully
    // opaque or fully transparent, so that the painter copies exact colours: key pixels
    // become transparent, blended pixels are mixed here with what the device holds. All of
    // it in device pixels.
    const TDevicePlace place = Place(dst);
    if (place.Device.isEmpty()) return;
    QImage part =
        src.copy(SourcePixels(src, srcRect, dst, place)).convertToFormat(QImage::Format_RGB32);
    if (part.size() != place.Device.size())
        part = part.scaled(place.Device.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage out = part.convertToFormat(QImage::Format_ARGB32);
    const bool keyed = key != clNone;
    const QRgb keyRgb = keyed ? ToRgb(key) & 0xFFFFFF : 0;
    const QImage* device = painter_->device() && painter_->device()->devType() == QInternal::Image
                               ? static_cast<const QImage*>(painter_->device())
                               : nullptr;
    const bool readable =
        device != nullptr && painter_->deviceTransform().type() <= QTransform::TxScale;
    for (int y = 0; y < out.height(); ++y) {
        QRgb* s = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (keyed && (s[x] & 0xFFFFFF) == keyRgb) {
                s[x] = 0;
                continue;
            }
            if (alpha >= 255 || !readable) continue;
            const QPoint d = place.Device.topLeft() + QPoint(x, y);
            if (!device->valid(d)) continue;
            const QRgb b = device->pixel(d);
            auto mix = [alpha](int a, int c) { return (a * alpha + c * (255 - alpha)) / 255; };
            s[x] = qRgb(mix(qRed(s[x]), qRed(b)), mix(qGreen(s[x]), qGreen(b)),
                        mix(qBlue(s[x]), qBlue(b)));
        }
    }
    painter_->save();
    if (alpha < 255 && !readable) painter_->setOpacity(alpha / 255.0);
    BlitDevicePixels(*painter_, place.Device.topLeft(), out);
    painter_->restore();
}

void TCanvas::GradientFill(const TRect& r, TColor from, TColor to, bool vertical) {
    if (!painter_ || r.IsEmpty()) return;
    const TColor a = ColorToRGB(from), b = ColorToRGB(to);
    const int n = vertical ? r.Height() : r.Width();
    for (int i = 0; i < n; ++i) {
        auto ch = [&](int ca, int cb) { return ca + (cb - ca) * i / n; };
        const TColor c = RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
                             ch(GetBValue(a), GetBValue(b)));
        if (vertical)
            FillRect({r.Left, r.Top + i, r.Right, r.Top + i + 1}, c);
        else
            FillRect({r.Left + i, r.Top, r.Left + i + 1, r.Bottom}, c);
    }
}

// ---- state, origin and clip ------------------------------------------------------------

void TCanvas::SaveState() {
    saved_.push_back({Pen, Brush, Font, FontColor, origin_, hasClip_, clip_});
}

void TCanvas::RestoreState() {
    if (saved_.empty()) return;
    const Saved s = saved_.back();
    saved_.pop_back();
    Pen = s.pen;
    Brush = s.brush;
    Font = s.font;
    FontColor = s.fontColor;
    origin_ = s.origin;
    hasClip_ = s.hasClip;
    clip_ = s.clip;
    ApplyClip();
}

void TCanvas::SetViewportOrigin(int x, int y) {
    origin_ = {x, y};
    ApplyClip();
}

void TCanvas::MoveViewportOrigin(int dx, int dy) {
    SetViewportOrigin(origin_.X + dx, origin_.Y + dy);
}

QRegion TCanvas::DeviceRegion() const {
    if (!painter_ || !painter_->device()) return QRegion();
    const QPaintDevice* d = painter_->device();
    return QRegion(base_.inverted().mapRect(QRect(0, 0, d->width(), d->height())));
}

// The clip is kept relative to the device (as the origin moves, it stays put); the painter
// gets it under the base transform, then the origin is applied on top.
void TCanvas::ApplyClip() {
    if (!painter_) return;
    painter_->setTransform(base_);
    if (hasClip_)
        painter_->setClipRegion(clip_);
    else
        painter_->setClipping(false);
    painter_->translate(origin_.X, origin_.Y);
}

QRegion TCanvas::ClipRegion() const {
    const QRegion r = hasClip_ ? clip_ : DeviceRegion();
    return r.translated(-origin_.X, -origin_.Y);
}

void TCanvas::SetClipRect(const TRect& r) {
    SetClipRegion(QRegion(r.ToQRect()));
}

void TCanvas::SetClipRegion(const QRegion& r) {
    clip_ = r.translated(origin_.X, origin_.Y);
    hasClip_ = true;
    ApplyClip();
}

void TCanvas::IntersectClipRect(const TRect& r) {
    const QRegion base = hasClip_ ? clip_ : DeviceRegion();
    clip_ = base.intersected(r.ToQRect().translated(origin_.X, origin_.Y));
    hasClip_ = true;
    ApplyClip();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    const QRegion base = hasClip_ ? clip_ : DeviceRegion();
    clip_ = base.subtracted(r.ToQRect().translated(origin_.X, origin_.Y));
    hasClip_ = true;
    ApplyClip();
}

void TCanvas::RemoveClip() {
    hasClip_ = false;
    clip_ = QRegion();
    ApplyClip();
}

} // namespace gdi
