#pragma once
// A form with a popup menu and a menu bar, an XP painter on it, and an
// off-screen 32-bit canvas that items are measured and drawn into through
// the handlers the painter installs, as the menus do when they are open.

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/MenuItem.h"
#include "menus/XPMenu.h"

#include <string>

// Colours as the tests expect them: the formulas of the XP look applied
// to RGB values.
COLORREF Rgb(TColor color);
COLORREF Lightened(COLORREF color, int percent);
COLORREF Darkened(COLORREF color, int amount);
std::string Hex(COLORREF color);

// What fills the canvas before an item is drawn: never a colour of the look.
const COLORREF Untouched = RGB(255, 0, 255);

struct TXPMenuFixture {
    TXPMenuFixture();
    ~TXPMenuFixture();

    TMenuItem* Item(const std::string& name) const;

    // Measures the item starting from the given size.
    SIZE Measure(TMenuItem* item, int width = 0, int height = 0);
    // Measures the item, then draws it at (0, 0) with its measured size
    // (at least width wide) on a canvas filled with Untouched.
    RECT Render(TMenuItem* item, bool selected, int width = 200);
    COLORREF Pixel(int x, int y);
    // Whether any pixel of the rectangle has the colour.
    bool Contains(const RECT& area, COLORREF color);

    TForm* Form = nullptr;
    TXPMenu* Painter = nullptr;
    TBitmap Canvas;
};

// Text measured on a screen canvas in the given font, as items measure it.
struct TTextMeter {
    explicit TTextMeter(TFont& font) : Screen(nullptr), Canvas(Screen.Get()) { Canvas.Font().Assign(&font); }
    int Width(const std::string& text) { return Canvas.TextWidth(text); }
    int Height(const std::string& text) { return Canvas.TextHeight(text); }
    TWindowDC Screen;
    TCanvas Canvas;
};

// Sets the bits per pixel the painter sees for a scope.
class TForcedColorDepth {
public:
    explicit TForcedColorDepth(int bits);
    ~TForcedColorDepth();

private:
    int FSaved;
};
