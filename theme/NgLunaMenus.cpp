// Luna's menus: painted from the colour and font tables, with the menu-bar
// caption buttons cut from the active atlas.

#include "theme/KsBitmap.h"
#include "theme/NgLuna.h"

namespace {
// Width of the icon cell at the left of a popup item.
const int IconCellWidth = 22;
// Where a popup item's caption starts.
const int PopupTextLeft = 26;
const int SeparatorHeight = 9;

RECT Shrunk(const RECT& rect, int dx, int dy)
{
    return RECT{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

// A polyline through points relative to (cx, cy), with the platform's line
// drawing (which leaves the last point out).
void Polyline(TKsBitmap& bitmap, int cx, int cy, std::initializer_list<POINT> points, uint32_t value)
{
    bool first = true;
    for (const POINT& point : points) {
        if (first)
            bitmap.MoveTo(cx + point.x, cy + point.y);
        else
            bitmap.LineTo(cx + point.x, cy + point.y, value);
        first = false;
    }
}

void DrawCheckMark(TKsBitmap& bitmap, const RECT& cell)
{
    const int cx = (cell.left + cell.right) / 2 - 2;
    const int cy = (cell.top + cell.bottom) / 2 + 1;
    Polyline(bitmap, cx, cy, {{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}}, MakeColor(0, 0, 0, 255));
    Polyline(bitmap, cx, cy, {{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}}, MakeColor(255, 255, 255, 255));
}

// The system's menu arrow, recoloured: its white ground becomes the item's
// background, the arrow itself the text colour.
void DrawSubmenuArrow(TKsBitmap& bitmap, const RECT& itemRect, uint32_t background, uint32_t text)
{
    RECT cell{itemRect.right - 18, itemRect.top, itemRect.right - 2, itemRect.bottom};
    DrawFrameControl(bitmap.DC(), &cell, DFC_MENU, DFCS_MENUARROW);
    GdiFlush();
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) {
            if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height())
                continue;
            bitmap.SetPixel(x, y, bitmap.GetPixel(x, y) == 0x00FFFFFFu ? background : text);
        }
}
}

void TNgLuna::MeasureMenuBarItem(TKsBitmap& bitmap, const TNgMenuItemData& item, int& width, int& height)
{
    UseFont(bitmap, nfMenuBarItem, ncMenuBarText);
    width = bitmap.TextWidth(item.Caption) + 12;
    height = GetMetric(nmMenuItemHeight);
}

void TNgLuna::MeasurePopupItem(TKsBitmap& bitmap, const TNgMenuItemData& item, int& width, int& height)
{
    UseFont(bitmap, nfPopupItem, ncPopupText);
    height = item.IsSeparator() ? SeparatorHeight : GetMetric(nmMenuItemHeight);
    width = bitmap.TextWidth(item.Caption) + bitmap.TextWidth(item.ShortCut) + 58;
}

void TNgLuna::DrawMenuBar(TKsBitmap& bitmap, int width, int height)
{
    bitmap.FillRect(RECT{0, 0, width, height}, Pixel(ncMenuBar));
}

void TNgLuna::DrawMenuBarItem(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected, bool)
{
    UseFont(bitmap, nfMenuBarItem, selected ? ncMenuBarSelectedText : ncMenuBarText);
    bitmap.FillRect(rect, Pixel(ncMenuBar));
    const RECT inner = Shrunk(rect, 1, 1);
    if (selected) {
        bitmap.FillRect(inner, Pixel(ncMenuBarSelected));
        bitmap.DrawFrame(inner, Pixel(ncMenuBorder));
    }
    bitmap.DrawText(item.Caption, inner, KsTextCentred);
}

void TNgLuna::DrawMenuBarButton(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                                bool up)
{
    if (item.Kind == ikWindowIcon) {
        // The caller draws the window's icon over it.
        bitmap.FillRect(rect, Pixel(selected ? ncMenuBarSelected : ncMenuBar));
        return;
    }
    int x;
    switch (item.Kind) {
    case ikClose: x = 38; break;
    case ikRestore: x = 19; break;
    case ikMinimize: x = 0; break;
    default: return;
    }
    const int y = 310 + (selected ? (up ? 19 : 38) : 0);
    const RECT target = CenterRect(RECT{0, 0, 19, 19}, rect);
    StretchPiece(*FActive, bitmap, target, RECT{x, y, x + 19, y + 19});
}

void TNgLuna::DrawPopupFrame(TKsBitmap& bitmap, int width, int height)
{
    const RECT outer{0, 0, width, height};
    bitmap.DrawFrame(outer, Pixel(ncMenuBorder));
    bitmap.DrawFrame(Shrunk(outer, 1, 1), Pixel(ncPopup));
    bitmap.DrawFrame(Shrunk(outer, 2, 2), Pixel(ncPopup));
}

void TNgLuna::DrawPopupItem(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected, bool)
{
    if (item.IsSeparator()) {
        bitmap.FillRect(rect, Pixel(ncPopup));
        RECT line = Shrunk(rect, 2, 4);
        line.bottom = line.top + 1;
        bitmap.FillRect(line, ColorToPixel(clBtnShadow, 255));
        return;
    }
    UseFont(bitmap, nfPopupItem, selected ? ncPopupSelectedText : ncPopupText);
    const uint32_t background = Pixel(selected ? ncPopupSelected : ncPopup);
    bitmap.FillRect(rect, background);
    if (selected)
        bitmap.DrawFrame(rect, Pixel(ncMenuBorder));

    const RECT cell{rect.left, rect.top, rect.left + IconCellWidth, rect.bottom};
    if (item.HasImage()) {
        const int x = cell.left + (IconCellWidth - item.Images->ImageWidth()) / 2;
        const int y = cell.top + (RectHeight(cell) - item.Images->ImageHeight()) / 2;
        item.Images->DrawImage(bitmap, x, y, item.ImageIndex, item.Enabled);
    } else if (item.Checked) {
        DrawCheckMark(bitmap, cell);
    }

    if (!item.Enabled)
        bitmap.Font().SetColor(GetColor(ncDisabledText));
    RECT textRect = rect;
    textRect.left += PopupTextLeft;
    bitmap.DrawText(item.Caption, textRect, KsTextLeft);
    if (!item.ShortCut.empty()) {
        RECT shortCutRect = textRect;
        shortCutRect.right -= RectHeight(rect);
        bitmap.DrawText(item.ShortCut, shortCutRect, KsTextRight);
    }
    if (item.Count > 0)
        DrawSubmenuArrow(bitmap, rect, background, ColorToPixel(bitmap.Font().Color(), 255));
}
