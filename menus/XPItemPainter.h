#pragma once
// The pieces of one XP-style menu item, each drawn in the effective
// colours of the paint: the faded background, the selection bar, the
// raised menu-bar tab, check marks, the item's image with its hover
// shadow, the separator line and the caption with its shortcut.

#include "menus/XPColors.h"

#include <windows.h>

#include <string>

class TBitmap;
class TCanvas;

struct TXPItemState {
    bool Selected = false;
    bool Enabled = true;
    bool Checked = false;
    bool Default = false;
    bool RightToLeft = false;
    bool BarItem = false;
};

// One-pixel columns lightened from the icon-strip colour: quickly across
// the strip, slowly after it, towards near white.
void DrawXPGradient(TCanvas& canvas, const RECT& rect, const TXPMenuColors& colors, int iconWidth, bool rightToLeft);
// The framed bar of the selected item (one pixel less at the right when
// the menu has the flat border).
void DrawXPSelectionBar(TCanvas& canvas, const RECT& rect, const TXPMenuColors& colors, bool flatMenu);
// A selected top-level item of a menu bar: a tab in the icon-strip colour
// with a shadow at its right.
void DrawXPMenuBarTab(TCanvas& canvas, const RECT& rect, const TXPMenuColors& colors, bool rightToLeft);
// The check mark of a checked item in its check rectangle.
void DrawXPCheckMark(TCanvas& canvas, const RECT& box, bool radio, bool hasImage, bool selected,
                     const TXPMenuColors& colors);
// The item's image at (x, y), faded, greyed or lifted with a shadow by the
// item's state; image's pixels are changed on the way. shadowFill is the
// fill the hover shadow is darkened from.
void DrawXPItemImage(TCanvas& canvas, TBitmap& image, int x, int y, const TXPItemState& state,
                     const TXPMenuColors& colors, TColor shadowFill);
// The separator line across the text rectangle.
void DrawXPSeparator(TCanvas& canvas, const RECT& textRect, const TXPMenuColors& colors, bool rightToLeft);
// Caption (with its "&" access key) and shortcut, in the colour the
// state asks for; the font is the canvas's.
void DrawXPItemText(TCanvas& canvas, const std::string& caption, const std::string& shortCut, UINT format,
                    const TXPItemState& state, const TXPMenuColors& colors, RECT rect);
