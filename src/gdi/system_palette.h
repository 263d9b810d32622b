#pragma once

#include <QPalette>

// The system colour table as Qt palettes. The program shows only the table's colours: the
// palette below replaces whatever the desktop's colour scheme supplies, for every role and
// colour group, so that text roles cannot come from a dark scheme while backgrounds come
// from the table.
namespace gdi {

// Every colour role of the three colour groups, taken from the current table.
QPalette SystemPalette();

// The same for tooltips: info background and info text.
QPalette ToolTipPalette();

// Gives the whole application the table's look: the palette above for every widget (also
// for the widget classes a desktop theme may give palettes of their own), the tooltip
// palette, and a widget style that does not follow the desktop, so that combo lists and
// menus look the same everywhere. Applied again after the table changes
// (NotifySysColorChange) and after the desktop's theme changes.
void UseSystemColorsEverywhere();

// Whether UseSystemColorsEverywhere() has run in this application.
bool UsesSystemColorsEverywhere();

} // namespace gdi
