#pragma once
// Hand-placed pixels for the 16-colour glyphs and icons: rows of characters,
// one colour per character, '.' left untouched.
#include "tools/artgen/Canvas.h"

#include <string>
#include <vector>

// The VGA colours by letter: K black, M maroon, G green, O olive, N navy,
// P purple, T teal, s silver, g grey, R red, L lime, Y yellow, B blue,
// F fuchsia, C aqua, W white.
Rgb VgaColour(char letter);

void DrawPixels(Canvas& canvas, int x, int y, const std::vector<std::string>& rows);
