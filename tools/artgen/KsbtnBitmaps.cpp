#include "tools/artgen/KsbtnBitmaps.h"

#include "tools/artgen/PixelArt.h"

namespace {

using Rows = std::vector<std::string>;

// '#' pixels in the core colour; empty pixels right of or below them get the
// shade colour, which gives the glyph the small drop edge of classic glyphs.
void Ink(Canvas& c, int x0, int y0, const Rows& rows, Rgb core, Rgb shade)
{
    auto at = [&](int i, int j) {
        return j >= 0 && j < int(rows.size()) && i >= 0 && i < int(rows[j].size()) && rows[j][i] == '#';
    };
    for (int j = 0; j <= int(rows.size()); ++j)
        for (int i = 0; i <= 16; ++i) {
            if (at(i, j))
                c.Set(x0 + i, y0 + j, core);
            else if (at(i - 1, j) || at(i, j - 1))
                c.Set(x0 + i, y0 + j, shade);
        }
}

const Rgb kGreen = VgaColour('G'), kLime = VgaColour('L'), kRed = VgaColour('R'), kMaroon = VgaColour('M'),
          kBlue = VgaColour('B'), kNavy = VgaColour('N'), kTeal = VgaColour('T');

const Rows kTick = {
    "...........##", "..........###", ".........###.", "##......###..", "###....###...",
    ".###..###....", "..######.....", "...####......", "....##.......",
};

const Rows kSmallTick = {
    "......##", ".....###", "##..###.", "######..", ".####...", "..##....",
};

Canvas PaintNormal(ButtonKind kind)
{
    Canvas c(16, 16);
    switch (kind) {
    case ButtonKind::Ok:
    case ButtonKind::Yes: Ink(c, 1, 3, kTick, kLime, kGreen); break;
    case ButtonKind::All:
        Ink(c, 0, 7, kSmallTick, kLime, kGreen);
        Ink(c, 6, 3, kSmallTick, kLime, kGreen);
        break;
    case ButtonKind::Cancel:
        Ink(c, 2, 2,
            {"##.......##", "###.....###", ".###...###.", "..###.###..", "...#####...", "....###....", "...#####...",
             "..###.###..", ".###...###.", "###.....###", "##.......##"},
            kRed, kMaroon);
        break;
    case ButtonKind::Help:
        Ink(c, 3, 1,
            {"..#####..", ".#######.", "###...###", "##.....##", ".......##", "......###", ".....###.", "....###..",
             "....##...", "....##...", ".........", "....##...", "....##..."},
            kBlue, kNavy);
        break;
    case ButtonKind::No:
        Ink(c, 2, 2,
            {"...#####...", ".##.....##.", ".#.......#.", "#.##......#", "#..##.....#", "#...##....#", "#....##...#",
             "#.....##..#", ".#.....##..", ".##.....##.", "...#####..."},
            kRed, kMaroon);
        // The ring is two pixels wide on the inside.
        Ink(c, 3, 3,
            {"..#####..", ".#.....#.", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#", ".#.....#.",
             "..#####.."},
            kRed, kRed);
        break;
    case ButtonKind::Close:
        DrawPixels(c, 3, 1,
                   {"KKKKKKKKKK", "KgssssssgK", "KsYYYYYYOK", "KsYOOOOYOK", "KsYOOOOYOK", "KsYYYYYYOK", "KsYYYYYKOK",
                    "KsYYYYYYOK", "KsYOOOOYOK", "KsYOOOOYOK", "KsYOOOOYOK", "KsYYYYYYOK", "KsOOOOOOOK", "KKKKKKKKKK"});
        break;
    case ButtonKind::Abort:
        DrawPixels(c, 2, 2,
                   {"...MMMMM...", "..MRRRRRM..", ".MRRRRRRRM.", "MRRRRRRRRRM", "MRRRRRRRRRM", "MRWWWWWWWRM",
                    "MRWWWWWWWRM", "MRRRRRRRRRM", "MRRRRRRRRRM", ".MRRRRRRRM.", "..MRRRRRM..", "...MMMMM..."});
        break;
    case ButtonKind::Retry:
        Ink(c, 2, 2,
            {"......#.....", "...#####....", "..#######...", ".####.##....", ".##...#.....", "###.........",
             "###.........", "###......###", ".##......##.", ".####..####.", "..########..", "...######..."},
            kLime, kGreen);
        break;
    case ButtonKind::Ignore:
        // An arrow leaping over a block.
        Ink(c, 0, 2,
            {".....####.....", "...########...", "..###....###..", ".###......###.", ".##........##.", ".##........##.",
             ".##......######", ".##.......####.", "...........##.."},
            kBlue, kNavy);
        Ink(c, 5, 10, {"####", "####", "####"}, kRed, kMaroon);
        break;
    }
    return c;
}

// Light colours (white, silver, yellow) drop out of a disabled glyph, so
// filled glyphs keep their inner drawing.
bool IsInk(Rgb c)
{
    return c != kKey && 299 * c.r + 587 * c.g + 114 * c.b < 160000;
}

// Disabled: every ink pixel grey, with a white copy one pixel down and to
// the right showing where it does not overlap, as classic disabled glyphs.
Canvas PaintDisabled(const Canvas& normal)
{
    Canvas c(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (IsInk(normal.At(x, y)))
                c.Set(x + 1, y + 1, VgaColour('W'));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (IsInk(normal.At(x, y)))
                c.Set(x, y, VgaColour('g'));
    return c;
}

}  // namespace

Canvas PaintKindGlyphStrip(ButtonKind kind)
{
    const Canvas normal = PaintNormal(kind);
    Canvas strip(32, 16);
    strip.Paste(normal, 0, 0);
    strip.Paste(PaintDisabled(normal), 16, 0);
    return strip;
}
