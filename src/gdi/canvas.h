#pragma once

#include "gdi/color.h"
#include "gdi/device_pixels.h"
#include "gdi/geometry.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QTransform>

#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

class QPainter;
class QPaintDevice;

namespace gdi {

enum TPenStyle { psSolid, psClear };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// DrawText flags.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// A drawing surface with classic pixel rules: aliased only; a line excludes its end pixel, a
// polyline leaves out its last point, rectangles exclude their right column and bottom row.
// The pen, brush and font belong to the canvas and survive Begin/End, so a control can keep
// one canvas and bind it to a fresh device on every paint.
class TCanvas {
public:
    TCanvas();
    explicit TCanvas(QPaintDevice* device);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Binds the canvas to a device with a painter of its own, or to a painter owned by the
    // caller (for a widget's paint event). The canvas's drawing state starts afresh: no clip,
    // origin (0, 0); pen, brush and font are kept.
    void Begin(QPaintDevice* device);
    // Binds to an off-screen image that stands for a place on another device: logical
    // coordinates take the device pixels they would take there (see PlaceOnDevice).
    void Begin(QPaintDevice* device, const TDevicePlace& place);
    void Begin(QPainter* painter);
    void End();
    bool IsBound() const { return painter_ != nullptr; }
    QPainter* Painter() const { return painter_; }
    // Where a logical rectangle lands in device pixels; DrawPlaced copies an image made for
    // that place onto it pixel for pixel.
    TDevicePlace Place(const TRect& r) const;
    void DrawPlaced(const TDevicePlace& place, const QImage& img);

    TPen Pen;
    TBrush Brush;
    QFont Font;
    TColor FontColor = clWindowText;
    TPoint PenPos;

    // Lines and shapes, in the pen colour unless said otherwise.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> pts);
    void Polyline(std::initializer_list<TPoint> pts) {
        Polyline(std::span(pts.begin(), pts.size()));
    }
    // Filled with the brush (even-odd rule) and outlined with the pen, closing edge included.
    void Polygon(std::span<const TPoint> pts);
    void Polygon(std::initializer_list<TPoint> pts) { Polygon(std::span(pts.begin(), pts.size())); }
    // Outline in the pen and inside filled with the brush; covers Left..Right-1, Top..Bottom-1.
    void Rectangle(int l, int t, int r, int b);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Fills with the brush colour, whatever the brush style.
    void FillRect(const TRect& r);
    void FillRect(const TRect& r, TColor c);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    void FrameRect(const TRect& r, TColor c);

    void SetPixel(int x, int y, TColor c);
    // Reads back a pixel of an image device (clNone outside the image or on other devices).
    TColor GetPixel(int x, int y) const;

    // Text. With a solid brush the text cell is filled with the brush colour first; with a
    // clear brush the text is drawn over what is there.
    void TextOut(int x, int y, const QString& text);
    TPoint TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).X; }
    int TextHeight(const QString& text) const { return TextExtent(text).Y; }
    // Draws text into r. "&x" underlines x and "&&" shows one "&" unless DT_NOPREFIX.
    // DT_CALCRECT draws nothing and sets r.Right and r.Bottom to the text's extent.
    // Returns the height of the text.
    int DrawText(const QString& text, TRect& r, unsigned flags);

    // Bitmaps.
    void Draw(int x, int y, const QImage& img);
    void StretchDraw(const TRect& dst, const QImage& img);
    void CopyRect(const TRect& dst, const QImage& src, const TRect& srcRect);
    // Copies img leaving out every pixel whose colour equals key.
    void DrawTransparent(int x, int y, const QImage& img, TColor key);
    void StretchDrawTransparent(const TRect& dst, const QImage& src, const TRect& srcRect,
                                TColor key);
    // Blends img over the canvas: result = (src * alpha + dst * (255 - alpha)) / 255 per
    // channel, alpha 0..255; pixels of colour key (unless clNone) are left out.
    void BlendDraw(int x, int y, const QImage& img, int alpha, TColor key = clNone);
    // A linear gradient from `from` to `to`, row by row (vertical) or column by column.
    void GradientFill(const TRect& r, TColor from, TColor to, bool vertical);

    // Drawing state: pen, brush, font, origin and clip are saved and restored together.
    void SaveState();
    void RestoreState();
    void SetViewportOrigin(int x, int y);
    void MoveViewportOrigin(int dx, int dy);
    TPoint ViewportOrigin() const { return origin_; }
    void SetClipRect(const TRect& r);
    void SetClipRegion(const QRegion& r);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    void RemoveClip();
    bool HasClip() const { return hasClip_; }
    // The clip in logical coordinates; the whole device when there is none.
    QRegion ClipRegion() const;

    // The font as drawn: aliased, like every other drawing.
    QFont DrawingFont() const;

private:
    struct Saved {
        TPen pen;
        TBrush brush;
        QFont font;
        TColor fontColor;
        TPoint origin;
        bool hasClip;
        QRegion clip;
    };

    void Plot(int x, int y, TColor c);
    void Span(int x0, int x1, int y, TColor c);
    void Line(int x0, int y0, int x1, int y1, bool includeEnd);
    void ApplyClip();
    QRegion DeviceRegion() const;
    int DrawMultiLineText(const QString& text, TRect& r, unsigned flags, const QFont& f);
    int DrawSingleLineText(QString shown, int underline, TRect& r, unsigned flags, const QFont& f);
    void DrawMasked(const TRect& dst, const QImage& src, const TRect& srcRect, TColor key,
                    int alpha);
    void Bound();
    bool Plain(const QImage& img) const;
    QRect SourcePixels(const QImage& src, const TRect& srcRect, const TRect& dst,
                       const TDevicePlace& place) const;

    std::unique_ptr<QPainter> own_;
    QPainter* painter_ = nullptr;
    QTransform base_;
    double ratio_ = 1;
    TPoint origin_;
    bool hasClip_ = false;
    QRegion clip_; // logical coordinates, relative to origin (0, 0) of the device
    std::vector<Saved> saved_;
};

} // namespace gdi
