#include "flat/flat_utilitys.h"

#include "flat/hsl_utils.h"
#include "gdi/bitmap.h"
#include "gdi/prefix_text.h"

#include <QPainter>
#include <QWidget>

#include <vector>

namespace flat {

TColor DeriveAdvColor(TColor baseColor, TColor ownColor, TAdvColors percent, bool darken) {
    if (percent == 0) return ownColor;
    int h, s, l;
    ColorToHsl(gdi::ColorToRGB(baseColor), h, s, l);
    l += 10;
    if (!darken)
        l = l + percent > 100 ? 100 : l + percent;
    else
        l = l - percent < 0 ? 0 : l - percent;
    return HslToColor(h, s, l);
}

void DrawBevelFrame(TCanvas& canvas, TRect rect, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen.Width = 1;
    canvas.Pen.Style = gdi::psSolid;
    rect.Right -= 1;
    rect.Bottom -= 1;
    for (int i = 0; i < width; ++i) {
        canvas.Pen.Color = topColor;
        canvas.Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
        canvas.Pen.Color = bottomColor;
        canvas.Polyline(
            {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
        rect.Inflate(-1, -1);
    }
}

void PaintParentBackground(QWidget* control, TCanvas& canvas) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (parent == nullptr || !canvas.IsBound()) return;
    canvas.SaveState();
    canvas.MoveViewportOrigin(-control->x(), -control->y());
    canvas.IntersectClipRect({0, 0, parent->width(), parent->height()});
    QPainter* p = canvas.Painter();
    p->save();
    // The background first, then the parent's own painting; its other children stay out.
    parent->render(p, QPoint(0, 0), QRegion(parent->rect()), QWidget::DrawWindowBackground);
    p->restore();
    canvas.RestoreState();
}

QImage MakeDisabledBitmap(const QImage& source, TColor keyColor, TColor backColor,
                          TColor highlightColor, TColor shadowColor, bool drawHighlight) {
    const int w = source.width(), h = source.height();
    QImage result(w, h, QImage::Format_RGB32);
    if (w == 0 || h == 0) return result;

    // The mask: true where the source has the key colour. A 1-bit source counts its 0 bits
    // as the shape, whatever its colour table says.
    std::vector<char> mask(size_t(w) * size_t(h), 0);
    const bool mono =
        source.format() == QImage::Format_Mono || source.format() == QImage::Format_MonoLSB;
    const QImage src = mono ? source : gdi::ToBitmap24(source);
    const QRgb key = gdi::ToQColor(keyColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask[size_t(y) * w + x] =
                mono ? src.pixelIndex(x, y) == 0 : (src.pixel(x, y) & 0xFFFFFF) == key;

    result.fill(gdi::ToQColor(backColor));
    // The highlight lies one logical pixel off: more device pixels in an image of a higher
    // ratio.
    const double ratio = source.devicePixelRatio();
    result.setDevicePixelRatio(ratio);
    const int off = std::max(1, int(std::lround(ratio)));
    if (drawHighlight) {
        const QRgb hi = gdi::ToQColor(highlightColor).rgb();
        for (int y = off; y < h; ++y)
            for (int x = off; x < w; ++x)
                if (mask[size_t(y - off) * w + (x - off)]) result.setPixel(x, y, hi);
    }
    const QRgb sh = gdi::ToQColor(shadowColor).rgb();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (mask[size_t(y) * w + x]) result.setPixel(x, y, sh);
    return result;
}

namespace {

// The caption's size as one line; captionRect starts at the origin with that size.
TPoint MeasureCaption(TCanvas& canvas, const TRect& client, const QString& caption,
                      TRect& captionRect) {
    if (caption.isEmpty()) {
        captionRect = {0, 0, 0, 0};
        return {0, 0};
    }
    captionRect = {0, 0, client.Width(), 0};
    canvas.DrawText(caption, captionRect, gdi::DT_CALCRECT | gdi::DT_SINGLELINE);
    return {captionRect.Width(), captionRect.Height()};
}

// Fills in an automatic (-1) margin or spacing from the client size along the layout
// direction cs and the picture and text sizes gs and ts.
void ResolveMarginAndSpacing(int cs, int gs, int ts, int& margin, int& spacing) {
    if (margin == -1 && spacing == -1) {
        margin = (cs - (gs + ts)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (cs - (gs + spacing + ts) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (cs - (margin + gs) - ts) / 2;
    }
}

// Places picture and text along the layout direction, relative to the client's corner.
void PlaceAlongLayout(TButtonLayout layout, TPoint clientSize, TPoint glyphSize, TPoint textSize,
                      int margin, int spacing, TPoint& glyphOrigin, TPoint& textPos) {
    switch (layout) {
    case blGlyphLeft:
        glyphOrigin.X = margin;
        textPos.X = glyphOrigin.X + glyphSize.X + spacing;
        break;
    case blGlyphRight:
        glyphOrigin.X = clientSize.X - margin - glyphSize.X;
        textPos.X = glyphOrigin.X - spacing - textSize.X;
        break;
    case blGlyphTop:
        glyphOrigin.Y = margin;
        textPos.Y = glyphOrigin.Y + glyphSize.Y + spacing;
        break;
    case blGlyphBottom:
        glyphOrigin.Y = clientSize.Y - margin - glyphSize.Y;
        textPos.Y = glyphOrigin.Y - spacing - textSize.Y;
        break;
    }
}

} // namespace

void LayoutGlyphAndCaption(TCanvas& canvas, const TRect& client, TPoint offset,
                           TButtonLayout layout, int spacing, int margin, const QImage* glyph,
                           TNumGlyphs numGlyphs, const QString& caption, TRect& captionRect,
                           TPoint& glyphOrigin) {
    const TPoint clientSize{client.Width(), client.Height()};
    TPoint glyphSize{0, 0};
    if (glyph != nullptr && !glyph->isNull() && numGlyphs > 0)
        glyphSize = {gdi::LogicalSize(*glyph).width() / numGlyphs,
                     gdi::LogicalSize(*glyph).height()};
    const TPoint textSize = MeasureCaption(canvas, client, caption, captionRect);

    // Centred across the layout direction.
    TPoint textPos{0, 0};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        glyphOrigin.Y = (clientSize.Y - glyphSize.Y + 1) / 2;
        textPos.Y = (clientSize.Y - textSize.Y + 1) / 2;
    } else {
        glyphOrigin.X = (clientSize.X - glyphSize.X + 1) / 2;
        textPos.X = (clientSize.X - textSize.X + 1) / 2;
    }

    if (textSize.X == 0 || glyphSize.X == 0) spacing = 0;
    ResolveMarginAndSpacing(horizontal ? clientSize.X : clientSize.Y,
                            horizontal ? glyphSize.X : glyphSize.Y,
                            horizontal ? textSize.X : textSize.Y, margin, spacing);
    PlaceAlongLayout(layout, clientSize, glyphSize, textSize, margin, spacing, glyphOrigin,
                     textPos);

    glyphOrigin.X += client.Left + offset.X;
    glyphOrigin.Y += client.Top + offset.Y;
    captionRect.Offset(textPos.X + client.Left + offset.X, textPos.Y + client.Top + offset.Y);
}

bool RectsOverlap(const TRect& r1, const TRect& r2) {
    TRect dummy;
    return gdi::IntersectRect(dummy, r1, r2);
}

QChar AcceleratorChar(const QString& caption) {
    return gdi::ParsePrefix(caption).Accelerator;
}

int GrabAccelerator(QWidget* widget, const QString& caption, int shortcutId) {
    if (shortcutId != 0) widget->releaseShortcut(shortcutId);
    const QChar ch = AcceleratorChar(caption);
    if (ch.isNull()) return 0;
    return widget->grabShortcut(QKeySequence(Qt::ALT | ch.toUpper().unicode()));
}

} // namespace flat
