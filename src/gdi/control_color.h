#pragma once

#include "gdi/color.h"

#include <QEvent>

class QWidget;

// Every widget carries a `Color` (as a TColor); containers tell their children when it
// changes, and the system colour table can announce a change to every widget. Widgets that
// follow their parent's colour or derive colours from system colours listen for these events.
namespace gdi {

// Sent to each direct child of a widget whose Color changed.
QEvent::Type ParentColorChangedEvent();
// Sent to every widget of the application after the system colour table changed.
QEvent::Type SysColorChangedEvent();

// The Color of a widget; a widget that never had one set shows the button-face colour, as
// a plain form does.
TColor ControlColor(const QWidget* w);

// Stores the Color (also as the palette's window colour), repaints the widget and, when the
// value changed, tells its children.
void SetControlColor(QWidget* w, TColor c);

// Sends the parent-colour notification to every direct child widget of w.
void NotifyChildrenColorChanged(QWidget* w);

// Sends the system-colour notification to every widget of the application.
void NotifySysColorChange();

// Whether the program currently has an active window (hover looks depend on it).
bool HasActiveWindow();

} // namespace gdi
