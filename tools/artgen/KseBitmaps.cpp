#include "tools/artgen/KseBitmaps.h"

#include "tools/artgen/PixelArt.h"

Canvas PaintKseGlyph(KseGlyph glyph)
{
    switch (glyph) {
    case KseGlyph::Close: {
        Canvas c(16, 16);
        DrawPixels(c, 0, 4,
                   {"....KK....KK....", ".....KK..KK.....", "......KKKK......", ".......KK.......", "......KKKK......",
                    ".....KK..KK.....", "....KK....KK....", "................"});
        return c;
    }
    case KseGlyph::Minimize: {
        Canvas c(17, 17);
        DrawPixels(c, 5, 11, {"KKKKKK", "KKKKKK"});
        return c;
    }
    case KseGlyph::Maximize: {
        Canvas c(16, 16);
        DrawPixels(c, 3, 3,
                   {"KKKKKKKKK", "KKKKKKKKK", "K.......K", "K.......K", "K.......K", "K.......K", "K.......K",
                    "K.......K", "KKKKKKKKK"});
        return c;
    }
    case KseGlyph::Restore: {
        Canvas c(16, 16);
        DrawPixels(c, 3, 2,
                   {"...KKKKKK", "...KKKKKK", "...K....K", "KKKKKK..K", "KKKKKK..K", "K....KKKK", "K....K...",
                    "K....K...", "KKKKKK..."});
        return c;
    }
    case KseGlyph::Rollup: {
        Canvas c(16, 16);
        DrawPixels(c, 4, 5, {"...K...", "..KKK..", ".KKKKK.", "KKKKKKK"});
        return c;
    }
    case KseGlyph::Tray: {
        Canvas c(16, 16);
        DrawPixels(c, 6, 7, {".KK.", "KKKK", "KKKK", ".KK."});
        return c;
    }
    }
    return Canvas(16, 16);
}
