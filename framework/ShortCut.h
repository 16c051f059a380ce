#pragma once
// Keyboard shortcuts as menus store them: a virtual-key code in the low
// byte plus modifier bits, 0 for none. Shown as "Ctrl+S", "Alt+F4".

#include <cstdint>
#include <string>

using TShortCut = uint16_t;

enum : TShortCut {
    scNone = 0,
    scShift = 0x2000,
    scCtrl = 0x4000,
    scAlt = 0x8000,
};

// The shortcut of a key with the modifiers held: MakeShortCut('S', scCtrl).
inline TShortCut MakeShortCut(unsigned virtualKey, TShortCut modifiers)
{
    return static_cast<TShortCut>((virtualKey & 0xFF) | (modifiers & (scShift | scCtrl | scAlt)));
}

// "Shift+Ctrl+Alt+Key"; empty for none or an unnamed key.
std::string ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText; scNone when the text names no shortcut.
TShortCut TextToShortCut(const std::string& text);
