#pragma once
// Colour arithmetic of the XP menu look. Every operation resolves system
// colour references first and answers the nearest colour that the device
// context can show, so that the result is what will really appear.

#include "framework/Colors.h"

#include <windows.h>

// Each channel moves percent of the way to white (percent capped at 100).
TColor Lighten(HDC dc, TColor color, int percent);
// Red and blue less amount, green less amount - 2, clamped to 0..255;
// a negative amount lightens.
TColor Darken(HDC dc, TColor color, int amount);
// A grey as light as the colour's mean plus amount (at most 100), at most 240.
TColor GrayLevel(HDC dc, TColor color, int amount);
// Text that reads on the background: the font's colour on light ones, a
// near-white tint of the background on dark ones.
TColor ContrastTextColor(HDC dc, TColor background, TColor fontColor);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double value);

// Whether the display shows 16 bits per pixel or more; below that the
// menus are drawn in plain colours without gradients.
bool DisplayHasHighColor();
// Test seam: the bits per pixel DisplayHasHighColor assumes instead of
// asking the display; 0 asks the display.
extern int ForcedDisplayBitsPerPixel;

// The colours a paint uses, computed afresh at the start of each one.
struct TXPMenuColors {
    TColor Item = clWhite;
    TColor IconStrip = clBtnFace;
    TColor Select = clHighlight;
    TColor SelectBorder = clHighlight;
    TColor SelectFont = clMenuText;
    TColor MenuBar = clBtnFace;
    TColor Disabled = clBtnShadow;
    TColor Checked = clHighlight;
    TColor Separator = clBtnShadow;
    TColor CheckArea = clWhite;
    TColor CheckAreaSelected = clWhite;
    TColor MenuBorder = clBtnShadow;
    TColor MenuShadow = clBtnShadow;
    bool HighColor = true;
};
