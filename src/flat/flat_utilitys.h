#pragma once

#include "gdi/canvas.h"
#include "gdi/color.h"
#include "gdi/geometry.h"

#include <QImage>
#include <QString>

#include <cstdint>

class QWidget;

// Colour and drawing routines shared by the flat controls, and their small shared types.
namespace flat {

using gdi::TCanvas;
using gdi::TColor;
using gdi::TPoint;
using gdi::TRect;

using TAdvColors = std::uint8_t; // a percentage, 0..100
using TNumGlyphs = int;          // 1..4 images side by side in one glyph strip

enum TGroupBoxBorder { brFull = 0, brOnlyTopLine = 1 };
enum TTransparentMode { tmAlways = 0, tmNotFocused = 1, tmNone = 2 };
enum TButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

// The advanced-colour rule: a colour derived from BaseColor's hue and saturation with its
// luminance moved by Percent units. Percent 0 hands back OwnColor untouched.
TColor DeriveAdvColor(TColor baseColor, TColor ownColor, TAdvColors percent, bool darken);

// Width nested rings, top and left in topColor, right and bottom in bottomColor.
void DrawBevelFrame(TCanvas& canvas, TRect rect, TColor topColor, TColor bottomColor, int width);

// Paints control's parent (background, then its own painting, no other children) onto the
// canvas as it shows under the control.
void PaintParentBackground(QWidget* control, TCanvas& canvas);

// An engraved copy of the KeyColor pixels of source: highlight shifted by (1, 1) under
// shadow, on BackColor.
QImage MakeDisabledBitmap(const QImage& source, TColor keyColor, TColor backColor,
                          TColor highlightColor, TColor shadowColor, bool drawHighlight);

// Places a glyph and a caption inside Client; Margin and Spacing -1 ask for automatic values.
void LayoutGlyphAndCaption(TCanvas& canvas, const TRect& client, TPoint offset,
                           TButtonLayout layout, int spacing, int margin, const QImage* glyph,
                           TNumGlyphs numGlyphs, const QString& caption, TRect& captionRect,
                           TPoint& glyphOrigin);

bool RectsOverlap(const TRect& r1, const TRect& r2);

// The character after a single "&" in a caption, or a null character.
QChar AcceleratorChar(const QString& caption);

// Releases the widget's shortcut shortcutId (unless 0) and grabs Alt with the caption's
// accelerator instead; returns the new id, 0 when the caption has no accelerator.
int GrabAccelerator(QWidget* widget, const QString& caption, int shortcutId);

} // namespace flat
