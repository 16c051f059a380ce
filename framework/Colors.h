#pragma once
// Framework colour values: an RGB value with red in the low byte, or, with
// the high bit set, a reference to a system colour resolved when drawing.

#include <windows.h>

#include <cstdint>
#include <string>

enum TColor : int32_t {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clOlive = 0x008080,
    clNavy = 0x800000,
    clPurple = 0x800080,
    clTeal = 0x808000,
    clGray = 0x808080,
    clSilver = 0xC0C0C0,
    clRed = 0x0000FF,
    clLime = 0x00FF00,
    clYellow = 0x00FFFF,
    clBlue = 0xFF0000,
    clFuchsia = 0xFF00FF,
    clAqua = 0xFFFF00,
    clWhite = 0xFFFFFF,

    clScrollBar = static_cast<int32_t>(0x80000000u | COLOR_SCROLLBAR),
    clBackground = static_cast<int32_t>(0x80000000u | COLOR_BACKGROUND),
    clActiveCaption = static_cast<int32_t>(0x80000000u | COLOR_ACTIVECAPTION),
    clInactiveCaption = static_cast<int32_t>(0x80000000u | COLOR_INACTIVECAPTION),
    clMenu = static_cast<int32_t>(0x80000000u | COLOR_MENU),
    clWindow = static_cast<int32_t>(0x80000000u | COLOR_WINDOW),
    clWindowFrame = static_cast<int32_t>(0x80000000u | COLOR_WINDOWFRAME),
    clMenuText = static_cast<int32_t>(0x80000000u | COLOR_MENUTEXT),
    clWindowText = static_cast<int32_t>(0x80000000u | COLOR_WINDOWTEXT),
    clCaptionText = static_cast<int32_t>(0x80000000u | COLOR_CAPTIONTEXT),
    clActiveBorder = static_cast<int32_t>(0x80000000u | COLOR_ACTIVEBORDER),
    clInactiveBorder = static_cast<int32_t>(0x80000000u | COLOR_INACTIVEBORDER),
    clAppWorkSpace = static_cast<int32_t>(0x80000000u | COLOR_APPWORKSPACE),
    clHighlight = static_cast<int32_t>(0x80000000u | COLOR_HIGHLIGHT),
    clHighlightText = static_cast<int32_t>(0x80000000u | COLOR_HIGHLIGHTTEXT),
    clBtnFace = static_cast<int32_t>(0x80000000u | COLOR_BTNFACE),
    clBtnShadow = static_cast<int32_t>(0x80000000u | COLOR_BTNSHADOW),
    clGrayText = static_cast<int32_t>(0x80000000u | COLOR_GRAYTEXT),
    clBtnText = static_cast<int32_t>(0x80000000u | COLOR_BTNTEXT),
    clInactiveCaptionText = static_cast<int32_t>(0x80000000u | COLOR_INACTIVECAPTIONTEXT),
    clBtnHighlight = static_cast<int32_t>(0x80000000u | COLOR_BTNHIGHLIGHT),
    cl3DDkShadow = static_cast<int32_t>(0x80000000u | COLOR_3DDKSHADOW),
    cl3DLight = static_cast<int32_t>(0x80000000u | COLOR_3DLIGHT),
    clInfoText = static_cast<int32_t>(0x80000000u | COLOR_INFOTEXT),
    clInfoBk = static_cast<int32_t>(0x80000000u | COLOR_INFOBK),

    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
};

inline TColor MakeTColor(BYTE red, BYTE green, BYTE blue)
{
    return static_cast<TColor>(RGB(red, green, blue));
}

// The RGB value to draw with: system colour references take the system's
// current colour.
COLORREF ColorToRGB(TColor color);

bool IsSystemColor(TColor color);

// "clBtnFace" <-> clBtnFace, for stored layouts. False when unknown.
bool ColorToIdent(TColor color, std::string& ident);
bool IdentToColor(const std::string& ident, TColor& color);
