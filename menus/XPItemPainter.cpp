#include "menus/XPItemPainter.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"

#include <algorithm>
#include <vector>

namespace {

// The gradient: it lightens by GradientStripStep percent a column across
// the icon strip (and GradientStripOverrun columns beyond it), by one
// after, up to GradientMaxPercent.
const int GradientStripOverrun = 5;
const int GradientStripStep = 3;
const int GradientMaxPercent = 96;
// Where the hover shadow falls, down and right of the lifted image.
const int ImageShadowOffset = 2;
// The separator leaves this much of the text rectangle's start free.
const int SeparatorIndent = 7;
// The shortcut's distance from the item's far edge.
const int ShortCutMargin = 10;

void Fill(TCanvas& canvas, const RECT& rect, TColor color)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

void Frame(TCanvas& canvas, const RECT& rect, TColor color)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FrameRect(rect);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void UsePen(TCanvas& canvas, TColor color)
{
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
}

// Applies a colour operation to every pixel of the image, once per run of
// equal pixels.
template <class Operation>
void MapPixels(TBitmap& image, Operation operation)
{
    TCanvas& pixels = image.Canvas();
    COLORREF lastIn = CLR_INVALID;
    COLORREF lastOut = CLR_INVALID;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            COLORREF pixel = pixels.Pixel(x, y);
            if (pixel != lastIn) {
                lastIn = pixel;
                lastOut = static_cast<COLORREF>(operation(static_cast<TColor>(pixel)));
            }
            pixels.SetPixel(x, y, lastOut);
        }
}

}

void DrawXPGradient(TCanvas& canvas, const RECT& rect, const TXPMenuColors& colors, int iconWidth, bool rightToLeft)
{
    HDC dc = canvas.Handle();
    // The shade only grows, up to its cap: each one is worked out once,
    // when it first appears.
    int percent = 0;
    int shadePercent = -1;
    TColor shade = colors.IconStrip;
    int columns = rect.right - rect.left;
    for (int i = 0; i < columns; ++i) {
        // Column i counted from the reading start of the item.
        int x = rightToLeft ? rect.right - 1 - i : rect.left + i;
        bool inStrip = rightToLeft ? x < rect.right && x > rect.right - iconWidth - GradientStripOverrun
                                   : x > rect.left && x < rect.left + iconWidth + GradientStripOverrun;
        percent = std::min(percent + (inStrip ? GradientStripStep : 1), GradientMaxPercent);
        if (percent != shadePercent) {
            shadePercent = percent;
            shade = Lighten(dc, colors.IconStrip, percent);
        }
        Fill(canvas, RECT{x, rect.top, x + 1, rect.bottom}, shade);
    }
}

void DrawXPSelectionBar(TCanvas& canvas, const RECT& rect, const TXPMenuColors& colors, bool flatMenu)
{
    RECT bar{rect.left, rect.top + 1, rect.right - (flatMenu ? 1 : 0), rect.bottom - 1};
    Fill(canvas, bar, colors.Select);
    Frame(canvas, bar, colors.SelectBorder);
}

void DrawXPMenuBarTab(TCanvas& canvas, const RECT& rect, const TXPMenuColors& colors, bool rightToLeft)
{
    HDC dc = canvas.Handle();
    RECT tab{rect.left, rect.top, rect.right - 2, rect.bottom};
    Fill(canvas, tab, colors.IconStrip);
    Frame(canvas, tab, colors.MenuBorder);
    int inner = rect.right - 2;
    int outer = rect.right - 1;
    if (!colors.HighColor || rightToLeft) {
        Fill(canvas, RECT{inner, rect.top + 2, rect.right, rect.bottom}, colors.MenuShadow);
        return;
    }
    // Soft at the top, darkest next to the tab.
    const int innerShades[] = {10, 30, 100};
    const int outerShades[] = {10, 30, 60};
    for (int step = 0; step < 3; ++step) {
        int innerTop = rect.top + 2 + step;
        int outerTop = rect.top + 3 + step;
        int innerBottom = step == 2 ? rect.bottom : innerTop + 1;
        int outerBottom = step == 2 ? rect.bottom : outerTop + 1;
        Fill(canvas, RECT{inner, innerTop, inner + 1, innerBottom}, Darken(dc, colors.MenuBar, innerShades[step]));
        Fill(canvas, RECT{outer, outerTop, outer + 1, outerBottom}, Darken(dc, colors.MenuBar, outerShades[step]));
    }
}

void DrawXPCheckMark(TCanvas& canvas, const RECT& box, bool radio, bool hasImage, bool selected,
                     const TXPMenuColors& colors)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(selected ? colors.CheckAreaSelected : colors.CheckArea);
    UsePen(canvas, colors.SelectBorder);
    if (radio) {
        if (hasImage)
            canvas.RoundRect(box, 6, 6);
        else
            canvas.Ellipse(box);
        return;
    }
    if (hasImage) {
        canvas.Rectangle(box);
        return;
    }
    canvas.Brush().SetColor(colors.CheckArea);
    UsePen(canvas, colors.Checked);
    canvas.Rectangle(box);
    // The tick: a short stroke down and a long one up past the box's
    // top-right corner.
    const int L = box.left, T = box.top, R = box.right, B = box.bottom;
    UsePen(canvas, clBlack);
    Line(canvas, L + 1, T + 5, L + 4, B - 2);
    Line(canvas, L + 2, T + 5, L + 4, B - 3);
    Line(canvas, L + 2, T + 4, L + 5, B - 3);
    Line(canvas, L + 4, B - 3, R + 2, T - 1);
    Line(canvas, L + 4, B - 2, R - 2, T + 3);
}

void DrawXPItemImage(TCanvas& canvas, TBitmap& image, int x, int y, const TXPItemState& state,
                     const TXPMenuColors& colors, TColor shadowFill)
{
    if (image.Empty())
        return;
    HDC dc = canvas.Handle();
    bool lifted = state.Selected && state.Enabled && !state.Checked;
    if (lifted && !state.BarItem) {
        --x;
        --y;
    }
    if (!state.Selected && state.Enabled && !state.Checked && colors.HighColor)
        MapPixels(image, [dc](TColor pixel) { return Lighten(dc, pixel, 30); });
    if (!state.Enabled)
        MapPixels(image, [dc](TColor pixel) { return GrayLevel(dc, pixel, 90); });
    if (lifted) {
        TCanvas& pixels = image.Canvas();
        COLORREF background = pixels.Pixel(0, image.Height() - 1);
        COLORREF shadow = static_cast<COLORREF>(Darken(dc, shadowFill, 50));
        for (int row = 0; row < image.Height(); ++row)
            for (int column = 0; column < image.Width(); ++column)
                if (pixels.Pixel(column, row) != background)
                    canvas.SetPixel(x + ImageShadowOffset + column, y + ImageShadowOffset + row, shadow);
    }
    // The bottom-left pixel's colour stays out.
    image.SetTransparentColor(clDefault);
    image.SetTransparent(true);
    canvas.Draw(x, y, image);
}

void DrawXPSeparator(TCanvas& canvas, const RECT& textRect, const TXPMenuColors& colors, bool rightToLeft)
{
    int y = textRect.top + RoundHalfEven((textRect.bottom - textRect.top) / 2.0);
    UsePen(canvas, colors.Separator);
    if (rightToLeft)
        Line(canvas, textRect.right - SeparatorIndent, y, textRect.left, y);
    else
        Line(canvas, textRect.left + SeparatorIndent, y, textRect.right, y);
}

namespace {

void DrawTextEx(TCanvas& canvas, const std::string& text, RECT rect, UINT format, TColor color)
{
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(bsClear);
    canvas.SelectObjects();
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    DrawTextExA(canvas.Handle(), buffer.data(), static_cast<int>(text.size()), &rect, format, nullptr);
}

}

void DrawXPItemText(TCanvas& canvas, const std::string& caption, const std::string& shortCut, UINT format,
                    const TXPItemState& state, const TXPMenuColors& colors, RECT rect)
{
    HDC dc = canvas.Handle();
    TColor color = canvas.Font().Color();
    if (state.Selected)
        color = colors.SelectFont;
    if (!state.Enabled)
        color = colors.Disabled;
    if (state.Selected && state.BarItem)
        color = ContrastTextColor(dc, colors.IconStrip, canvas.Font().Color());

    rect.top += (rect.bottom - rect.top - canvas.TextHeight("W")) / 2;

    if (state.Default && state.Enabled) {
        // Four soft copies around the caption make it read bold and raised.
        struct TEmboss {
            int Dx, Dy, Amount;
        };
        const TEmboss copies[] = {{0, -1, 30}, {0, 1, 30}, {-1, 0, 40}, {1, 0, 60}};
        for (const TEmboss& copy : copies) {
            RECT shifted = rect;
            OffsetRect(&shifted, copy.Dx, copy.Dy);
            TColor under = static_cast<TColor>(canvas.Pixel(shifted.left, shifted.top));
            DrawTextEx(canvas, caption, shifted, format, Darken(dc, under, copy.Amount));
        }
    }
    DrawTextEx(canvas, caption, rect, format, color);

    if (!shortCut.empty()) {
        RECT shortCutRect = rect;
        UINT shortCutFormat = DT_SINGLELINE;
        if (state.RightToLeft) {
            shortCutRect.left += ShortCutMargin;
            shortCutFormat |= DT_LEFT | DT_RTLREADING;
        } else {
            shortCutRect.right -= ShortCutMargin;
            shortCutFormat |= DT_RIGHT;
        }
        TColor shortCutColor = colors.HighColor ? Darken(dc, color, -40) : color;
        DrawTextEx(canvas, shortCut + " ", shortCutRect, shortCutFormat, shortCutColor);
    }
}
