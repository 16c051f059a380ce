// TKsBitmap's text operations: all in its Font, selected only for the call.

#include "theme/KsBitmap.h"

SIZE TKsBitmap::TextExtent(const std::string& text)
{
    SIZE size{0, 0};
    if (Empty())
        return size;
    TSelectObject font(FDC, Font().Handle());
    GetTextExtentPoint32A(FDC, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

RECT TKsBitmap::TextRect(const std::string& text)
{
    RECT rect{0, 0, 0, 0};
    if (Empty())
        return rect;
    TSelectObject font(FDC, Font().Handle());
    DrawTextA(FDC, text.data(), static_cast<int>(text.size()), &rect, DT_CALCRECT);
    return rect;
}

int TKsBitmap::TextWidth(const std::string& text)
{
    return TextRect(text).right;
}

int TKsBitmap::TextHeight(const std::string& text)
{
    return TextRect(text).bottom;
}

void TKsBitmap::DrawText(const std::string& text, const RECT& rect, UINT format)
{
    if (Empty())
        return;
    TSelectObject font(FDC, Font().Handle());
    const COLORREF oldColor = SetTextColor(FDC, ColorToRGB(Font().Color()));
    const int oldMode = SetBkMode(FDC, TRANSPARENT);
    RECT bounds = rect;
    DrawTextA(FDC, text.data(), static_cast<int>(text.size()), &bounds, format);
    SetBkMode(FDC, oldMode);
    SetTextColor(FDC, oldColor);
}

void TKsBitmap::DrawRotatedText(const std::string& text, const RECT& rect, UINT format, bool clockwise)
{
    if (Empty())
        return;
    // Drawn upright on a magenta sheet of the turned size; every pixel the
    // text touched is then set in the font colour at its turned place.
    TOwned<TKsBitmap> sheet = MakeOwned<TKsBitmap>();
    sheet->SetSize(RectHeight(rect), RectWidth(rect));
    if (sheet->Empty())
        return;
    sheet->Fill(KsMagentaKey);
    sheet->Font().Assign(&Font());
    sheet->DrawText(text, RECT{0, 0, sheet->Width(), sheet->Height()}, format);

    const uint32_t ink = ColorToPixel(Font().Color(), 255);
    for (int j = 0; j < sheet->Height(); ++j) {
        const uint32_t* row = sheet->Scanline(j);
        for (int i = 0; i < sheet->Width(); ++i) {
            if (row[i] == KsMagentaKey)
                continue;
            if (clockwise)
                SetPixel(rect.right - j, rect.top + i, ink);
            else
                SetPixel(rect.left + j, rect.bottom - i, ink);
        }
    }
}

std::string TruncateText(TKsBitmap& bitmap, const std::string& text, int maxWidth)
{
    if (bitmap.TextExtent(text).cx <= maxWidth)
        return text;
    std::string prefix;
    for (char c : text) {
        if (bitmap.TextExtent(prefix + c + "...").cx > maxWidth)
            break;
        prefix += c;
    }
    return prefix + "...";
}
