// Luna's controls: buttons, check boxes and radios, progress and track
// bars, panels and header bars, small buttons, group frames, scroll bar
// pieces and tabs.

#include "theme/KsBitmap.h"
#include "theme/NgLuna.h"

#include <cmath>

namespace {
const uint32_t ProgressGreen = MakeColor(33, 195, 33, 255);

RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return RECT{left, top, right, bottom};
}

RECT Intersected(const RECT& a, const RECT& b)
{
    RECT result;
    if (!IntersectRect(&result, &a, &b))
        SetRectEmpty(&result);
    return result;
}

// Progress block pitch for a bar of this thickness: 64 % of it, rounded
// to nearest with ties to even, plus the 2-pixel gap.
int BlockPitch(int thickness)
{
    return static_cast<int>(std::nearbyint(thickness * 0.64)) + 2;
}
}

void TNgLuna::DrawButton(TKsBitmap& bitmap, int width, int height, int state)
{
    static const int Rows[] = {100, 130, 160, 190, 220, 220};
    if (state < esNormal || state > esDefault)
        return;
    const int y = Rows[state];
    NineSlice(*FActive, bitmap, Rect(0, 0, width, height), Rect(70, y, 143, y + 21), 4, true);
}

void TNgLuna::DrawCheckBox(TKsBitmap& bitmap, const RECT& rect, int state, int check)
{
    static const int Rows[] = {102, 118, 134, 150};
    static const int CheckOffsets[] = {64, 0, 128};
    if (state < esNormal || state > esDisabled || check < ckChecked || check > ckGrayed)
        return;
    const int y = Rows[state] + CheckOffsets[check];
    CopyPiece(*FActive, bitmap, rect.left, rect.top,
              Rect(171, y, 171 + GetMetric(nmCheckWidth), y + GetMetric(nmCheckHeight)), true);
}

void TNgLuna::DrawRadioButton(TKsBitmap& bitmap, const RECT& rect, int state, int check)
{
    static const int Rows[] = {102, 118, 134, 150};
    if (state < esNormal || state > esDisabled)
        return;
    const int y = Rows[state] + (check == ckChecked ? 64 : 0);
    CopyPiece(*FActive, bitmap, rect.left, rect.top,
              Rect(152, y, 152 + GetMetric(nmCheckWidth), y + GetMetric(nmCheckHeight)), true);
}

void TNgLuna::DrawTrackThumb(TKsBitmap& bitmap, const RECT& rect, bool vertical, int kind, int state)
{
    // Rows of the states: the disabled thumb sits below the focused one.
    static const int StateRows[] = {0, 1, 2, 4, 3};
    if (state < esNormal || state > esFocused || kind < 0 || kind > 2)
        return;
    const int s = StateRows[state];
    RECT source;
    if (vertical)
        source = kind == 0 ? Rect(75, 128, 97, 139) : kind == 1 ? Rect(153, 96, 175, 107) : Rect(152, 78, 174, 89);
    else
        source = kind == 0 ? Rect(80, 100, 91, 123) : kind == 1 ? Rect(129, 96, 140, 118) : Rect(129, 67, 140, 89);
    OffsetRect(&source, 0, s * (kind == 0 ? 43 : 55));
    CopyPiece(*FInactive, bitmap, rect.left, rect.top, source, true);
}

void TNgLuna::DrawTrackChannel(TKsBitmap& bitmap, const RECT& rect, const RECT& selectionRect)
{
    bitmap.FillRect(rect, KsTrackLight);
    bitmap.DrawEdge(rect, ColorToPixel(clBtnShadow, 255), ColorToPixel(clBtnHighlight, 255));
    bitmap.FillRect(selectionRect, ProgressGreen);
}

void TNgLuna::DrawProgressFrame(TKsBitmap& bitmap, const RECT& rect)
{
    DrawRoundFrame(bitmap, rect, 3, MakeColor(28, 28, 28, 255));
    bitmap.FillRect(Rect(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1), KsTrackLight);
}

void TNgLuna::DrawProgressChunks(TKsBitmap& bitmap, const RECT& contentRect, const RECT& barRect, int orientation,
                                 bool smooth)
{
    if (smooth) {
        bitmap.FillRect(barRect, ProgressGreen);
        return;
    }
    // Blocks of pitch - 2 pixels with 2-pixel gaps, counted from the
    // content's left (or bottom); one more block than fit whole.
    if (orientation == orHorizontal) {
        const int pitch = BlockPitch(RectHeight(contentRect));
        const int count = RectWidth(barRect) / pitch;
        for (int k = 0; count > 0 && k <= count; ++k) {
            RECT block = contentRect;
            block.right = block.left + pitch - 2;
            OffsetRect(&block, k * pitch, 0);
            bitmap.FillRect(Intersected(block, contentRect), ProgressGreen);
        }
    } else {
        const int pitch = BlockPitch(RectWidth(contentRect));
        const int count = RectHeight(barRect) / pitch;
        for (int k = 0; count > 0 && k <= count; ++k) {
            RECT block = contentRect;
            block.top = block.bottom - pitch + 2;
            OffsetRect(&block, 0, -k * pitch);
            bitmap.FillRect(Intersected(block, contentRect), ProgressGreen);
        }
    }
}

void TNgLuna::DrawPanel(TKsBitmap& bitmap, const RECT& rect, int)
{
    bitmap.FillRoundRect(rect, 6, Pixel(ncWindow));
    DrawRoundFrame(bitmap, rect, 6, Pixel(ncBorder));
    RECT body = rect;
    body.top += 20;
    bitmap.DrawFrame(body, Pixel(ncBorder));
    bitmap.FillRect(Rect(body.left + 1, body.top + 1 - 3, body.right - 1, body.bottom - 1), Pixel(ncWindow));
}

void TNgLuna::DrawHeaderBar(TKsBitmap& bitmap, const RECT& rect, const std::string& text)
{
    bitmap.MoveTo(rect.left, rect.bottom);
    bitmap.LineTo(rect.right, rect.bottom, Pixel(ncBorder));
    const uint32_t from = Pixel(ncHeaderGradientFrom);
    const uint32_t to = Pixel(ncHeaderGradientTo);
    bitmap.GradientFill(Rect(rect.left + 1, rect.top, rect.right - 1, rect.top + 1), from, to, false);
    bitmap.GradientFill(Rect(rect.left, rect.top + 1, rect.right, rect.top + 2), from, to, false);
    bitmap.GradientFill(Rect(rect.left, rect.top + 2, rect.right, rect.bottom), from, to, false);
    UseFont(bitmap, nfHeaderBar, ncHeaderText);
    bitmap.DrawText(text, Rect(rect.left + 5, rect.top, rect.right - 5, rect.bottom), KsTextLeft);
}

void TNgLuna::DrawSmallButton(TKsBitmap& bitmap, const RECT& rect, int glyph, int state, bool down)
{
    if (state < esNormal || state > esPressed)
        return;
    const int x = 134 + state * 17;
    const int y = glyph == sgCross ? 66 : down ? 49 : 32;
    CopyPiece(*FActive, bitmap, rect.left, rect.top, Rect(x, y, x + 17, y + 17), true);
}

void TNgLuna::DrawGroupFrame(TKsBitmap& bitmap, const RECT& frameRect, const RECT& captionRect,
                             const std::string& caption)
{
    const uint32_t line = Pixel(ncBorder);
    const LONG l = frameRect.left, t = frameRect.top, r = frameRect.right, b = frameRect.bottom;
    bitmap.MoveTo(l + 2, t);
    bitmap.LineTo(captionRect.left, t, line);
    bitmap.MoveTo(captionRect.right, t);
    const POINT path[] = {{r - 2, t}, {r, t + 2}, {r, b - 2}, {r - 2, b},
                          {l + 2, b}, {l, b - 2}, {l, t + 2}, {l + 2, t}};
    for (const POINT& point : path)
        bitmap.LineTo(point.x, point.y, line);
    bitmap.DrawText(caption, captionRect, KsTextCentred);
}

void TNgLuna::DrawScrollTrack(TKsBitmap& bitmap, const RECT& rect, bool kind)
{
    StretchPiece(*FInactive, bitmap, rect, kind ? Rect(38, 314, 55, 323) : Rect(38, 324, 46, 341));
}

void TNgLuna::DrawScrollArrow(TKsBitmap& bitmap, const RECT& rect, bool vertical, bool towardStart, int state)
{
    if (state < esNormal || state > esDisabled)
        return;
    const int x = 70 + (vertical ? 0 : 36) + (towardStart ? 0 : 18);
    const int y = 277 + state * 19;
    CopyPiece(*FActive, bitmap, rect.left, rect.top, Rect(x, y, x + 17, y + 17), true);
}

void TNgLuna::DrawScrollThumb(TKsBitmap& bitmap, const RECT& rect, bool vertical, int state)
{
    if (state < esNormal || state > esDisabled)
        return;
    const int y = 314 + state * 19;
    RECT source = Rect(2, y, 19, y + 17);
    if (!vertical)
        OffsetRect(&source, 18, 0);
    RECT target = rect;
    // The thumb's 3-pixel ends keep their shape; only the middle stretches.
    if (vertical && RectHeight(rect) > 5) {
        CopyPiece(*FInactive, bitmap, target.left, target.top,
                  Rect(source.left, source.top, source.right, source.top + 3), false);
        CopyPiece(*FInactive, bitmap, target.left, target.bottom - 3,
                  Rect(source.left, source.bottom - 3, source.right, source.bottom), false);
        InflateRect(&source, 0, -3);
        InflateRect(&target, 0, -3);
    } else if (!vertical && RectWidth(rect) > 5) {
        CopyPiece(*FInactive, bitmap, target.left, target.top,
                  Rect(source.left, source.top, source.left + 3, source.bottom), false);
        CopyPiece(*FInactive, bitmap, target.right - 3, target.top,
                  Rect(source.right - 3, source.top, source.right, source.bottom), false);
        InflateRect(&source, -3, 0);
        InflateRect(&target, -3, 0);
    }
    StretchPiece(*FInactive, bitmap, target, source);
}

void TNgLuna::DrawTabPage(TKsBitmap& bitmap, const RECT& rect)
{
    NineSlice(*FInactive, bitmap, rect, Rect(153, 344, 168, 362), 4, false);
}

void TNgLuna::DrawTab(TKsBitmap& bitmap, const RECT& rect, int position, int state)
{
    static const int PositionOffsets[] = {0, 21, 63, 42};
    if (position < 0 || position > 3)
        return;
    RECT source;
    switch (state) {
    case esNormal: source = Rect(68, 365, 89, 386); break;
    case esHot: source = Rect(68, 344, 89, 365); break;
    case esFocused: source = Rect(69, 386, 87, 407); break;
    default: return;
    }
    OffsetRect(&source, PositionOffsets[position], 0);
    NineSlice(*FInactive, bitmap, rect, source, 4, true);
}
