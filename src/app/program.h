#pragma once

// Starts the program: the application object, the fonts, the main window and the message
// loop. With quitAfterFirstPaint the loop ends as soon as the main window has been painted
// once, so that start-up can be timed as a whole process.
int RunProgram(int argc, char** argv, bool quitAfterFirstPaint = false);

// Names the program to the desktop: the application name (the X11 window class) and the
// desktop entry's id, by which a Wayland compositor finds the program's icon and entry.
void SetDesktopIdentity();
