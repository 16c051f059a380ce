// The classic look of menu items: measured and drawn with the system's
// menu font and colours.

#include "frame/KsItems.h"

#include "framework/ImageList.h"

#include <algorithm>

namespace {

uint32_t Sys(TColor color)
{
    return ColorToPixel(color, 255);
}

void Polyline(TKsBitmap& bitmap, POINT origin, std::initializer_list<POINT> points, uint32_t value)
{
    bool first = true;
    for (const POINT& point : points) {
        if (first)
            bitmap.MoveTo(origin.x + point.x, origin.y + point.y);
        else
            bitmap.LineTo(origin.x + point.x, origin.y + point.y, value);
        first = false;
    }
}

void DrawCheckMark(TKsBitmap& bitmap, const RECT& column)
{
    const POINT p{(column.left + column.right) / 2 - 2, (column.top + column.bottom) / 2 + 1};
    Polyline(bitmap, p, {{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}}, MakeColor(0, 0, 0));
    Polyline(bitmap, p, {{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}}, MakeColor(255, 255, 255));
}

// Disabled text is embossed: a highlight copy one pixel down and right
// (left out on a selected row), then the text in the shadow colour.
void DrawItemText(TKsBitmap& bitmap, const std::string& text, const RECT& rect, UINT format, bool enabled,
                  bool selected, TColor color)
{
    if (!enabled) {
        if (!selected) {
            RECT moved = rect;
            OffsetRect(&moved, 1, 1);
            bitmap.Font().SetColor(clBtnHighlight);
            bitmap.DrawText(text, moved, format);
        }
        color = clBtnShadow;
    }
    bitmap.Font().SetColor(color);
    bitmap.DrawText(text, rect, format);
}

void DrawSubmenuArrow(TKsBitmap& bitmap, const RECT& row, uint32_t fill, uint32_t ink)
{
    const RECT area{row.right - 18, row.top, row.right - 2, row.bottom};
    const int width = RectWidth(area);
    const int height = RectHeight(area);
    if (width <= 0 || height <= 0)
        return;
    TKsBitmap glyph;
    glyph.SetSize(width, height);
    glyph.Fill(MakeColor(255, 255, 255, 0));
    RECT box{0, 0, width, height};
    DrawFrameControl(glyph.DC(), &box, DFC_MENU, DFCS_MENUARROW);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(area.left + x, area.top + y,
                            glyph.GetPixel(x, y) == MakeColor(255, 255, 255, 0) ? fill : ink);
}

}  // namespace

void TKsCustomItem::MeasureItem(TKsBitmap* bitmap, TKsItemView& view, int& width, int& height)
{
    MeasureClassicItem(bitmap, view, width, height);
}

void TKsCustomItem::MeasureClassicItem(TKsBitmap* bitmap, const TKsItemView& view, int& width, int& height) const
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    width = std::max(20, metrics.iMenuWidth);
    height = std::max(20, metrics.iMenuHeight);
    if (!bitmap)
        return;
    // The font the item is drawn with, so that the text fits its row.
    bitmap->Font().AssignLogFont(KsMenuLogFont());
    if (view.IsMenuBar()) {
        width = bitmap->TextWidth(FCaption) + 12;
        if (FKind != 0)
            width = height;
        return;
    }
    width = bitmap->TextWidth(FCaption) + 58;
    if (FShortCut)
        width += bitmap->TextWidth(ShortCutToText(FShortCut));
    if (IsSeparator())
        height = 15;
}

void TKsCustomItem::DrawItem(TKsBitmap& bitmap, TKsItemView&, const RECT& rect, bool selected, bool)
{
    DrawClassicItem(bitmap, rect, selected);
}

void TKsCustomItem::DrawClassicItem(TKsBitmap& bitmap, const RECT& rect, bool selected)
{
    bitmap.Font().AssignLogFont(KsMenuLogFont());
    if (IsSeparator()) {
        bitmap.FillRect(rect, Sys(clMenu));
        RECT line{rect.left + 2, rect.top + 7, rect.right - 2, rect.top + 9};
        bitmap.DrawEdge(line, Sys(clBtnShadow), Sys(clBtnHighlight));
        return;
    }
    const bool highlighted = selected;
    const uint32_t fill = Sys(highlighted ? clHighlight : clMenu);
    const TColor textColor = highlighted ? clHighlightText : clMenuText;
    bitmap.FillRect(rect, fill);

    TImageList* images = GetImages();
    const bool hasImage = images && FImageIndex >= 0 && FImageIndex < images->Count();
    if (FChecked || hasImage) {
        bitmap.FillRect(RECT{rect.left, rect.top, rect.left + 22, rect.bottom}, Sys(clBtnFace));
        const RECT column{rect.left, rect.top, rect.left + RectHeight(rect), rect.bottom};
        if (FChecked && !selected)
            bitmap.FillChecker(column, Sys(clBtnFace), MakeColor(255, 255, 255));
        if (FChecked)
            bitmap.DrawEdge(column, Sys(clBtnShadow), Sys(clBtnHighlight));
        else if (selected)
            bitmap.DrawEdge(column, Sys(clBtnHighlight), Sys(clBtnShadow));
        if (!hasImage) {
            DrawCheckMark(bitmap, column);
        } else {
            const int x = column.left + (RectWidth(column) - images->Width()) / 2;
            const int y = column.top + (RectHeight(column) - images->Height()) / 2;
            ImageList_Draw(images->Handle(), FImageIndex, bitmap.DC(), x, y,
                           FEnabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
        }
    }

    RECT text = rect;
    text.left += 26;
    DrawItemText(bitmap, FCaption, text, KsTextLeft, FEnabled, selected, textColor);
    if (FShortCut) {
        RECT shortCut = text;
        shortCut.right -= 16;
        DrawItemText(bitmap, ShortCutToText(FShortCut), shortCut, KsTextRight, FEnabled, selected, textColor);
    }
    if (Count() > 0)
        DrawSubmenuArrow(bitmap, rect, fill, Sys(textColor));
}
