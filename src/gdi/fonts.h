#pragma once

#include <QFont>
#include <QString>

namespace gdi {

// Maps the font families the windows ask for ("MS Sans Serif", "宋体", "黑体", "Arial",
// "Arial Black") onto the free fonts installed with the program. Call once after the
// application object exists and before any widget is created.
void InstallFontSubstitutes();

// Sets the family as a window description names it. A family that stands for a single heavy
// face ("Arial Black") also sets the heavy weight, so its regular style is heavy too.
void SetFontFamily(QFont& font, const QString& family);

// A font as a window description gives it: a negative height is a pixel size, a positive
// one a point size.
QFont MakeFont(const QString& family, int height, bool bold = false);

// The default font of forms and controls: "MS Sans Serif", height -11.
QFont DefaultFont();

} // namespace gdi
