#pragma once

// Maps the font families the window asks for to the free fonts installed with the program.
void InstallFontSubstitutes();
