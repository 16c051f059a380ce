#include "tools/artgen/PixelArt.h"

Rgb VgaColour(char letter)
{
    switch (letter) {
    case 'K': return Rgb(0, 0, 0);
    case 'M': return Rgb(128, 0, 0);
    case 'G': return Rgb(0, 128, 0);
    case 'O': return Rgb(128, 128, 0);
    case 'N': return Rgb(0, 0, 128);
    case 'P': return Rgb(128, 0, 128);
    case 'T': return Rgb(0, 128, 128);
    case 's': return Rgb(192, 192, 192);
    case 'g': return Rgb(128, 128, 128);
    case 'R': return Rgb(255, 0, 0);
    case 'L': return Rgb(0, 255, 0);
    case 'Y': return Rgb(255, 255, 0);
    case 'B': return Rgb(0, 0, 255);
    case 'F': return Rgb(255, 0, 255);
    case 'C': return Rgb(0, 255, 255);
    default: return Rgb(255, 255, 255);
    }
}

void DrawPixels(Canvas& canvas, int x, int y, const std::vector<std::string>& rows)
{
    for (int j = 0; j < int(rows.size()); ++j)
        for (int i = 0; i < int(rows[j].size()); ++i)
            if (rows[j][i] != '.')
                canvas.Set(x + i, y + j, VgaColour(rows[j][i]));
}
