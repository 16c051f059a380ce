#include "framework/MenuPainting.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "framework/MenuItem.h"
#include "framework/Strings.h"

#include <algorithm>

namespace {

const int TextMargin = 4;    // between the image column and the caption
const int ShortCutGap = 16;  // between caption and shortcut, and after it
const int SeparatorHeight = 8;

bool RightToLeft(const TMenuItem& item)
{
    TMenu* menu = item.GetParentMenu();
    return menu && menu->RightToLeft();
}

// Size of the image the item shows, 0 x 0 for none.
SIZE ImageSize(TMenuItem& item)
{
    TImageList* images = item.GetImageList();
    if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count())
        return SIZE{images->Width(), images->Height()};
    if (!item.Bitmap().Empty())
        return SIZE{item.Bitmap().Width(), item.Bitmap().Height()};
    return SIZE{0, 0};
}

int ImageColumnWidth(TMenuItem& item)
{
    int check = GetSystemMetrics(SM_CXMENUCHECK);
    return std::max<int>(check, ImageSize(item).cx) + 4;
}

void DrawCheck(TCanvas& canvas, const RECT& box, bool radio, TColor color)
{
    int cx = (box.left + box.right) / 2;
    int cy = (box.top + box.bottom) / 2;
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    if (radio) {
        canvas.Ellipse(RECT{cx - 3, cy - 3, cx + 3, cy + 3});
        return;
    }
    for (int offset = 0; offset < 2; ++offset)
        canvas.Polyline(
            {POINT{cx - 3, cy - 1 + offset}, POINT{cx - 1, cy + 1 + offset}, POINT{cx + 4, cy - 4 + offset}});
}

}

void SelectMenuFont(TMenuItem& item, TCanvas& canvas)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        canvas.Font().AssignLogFont(metrics.lfMenuFont);
    canvas.Font().SetColor(clMenuText);
    if (item.Default())
        canvas.Font().SetStyle(TFontStyles{fsBold});
}

void MeasureMenuItemPlainly(TMenuItem& item, TCanvas& canvas, int& width, int& height)
{
    if (item.IsSeparator()) {
        height = SeparatorHeight;
        return;
    }
    std::string shortCut = ShortCutToText(item.ShortCut());
    SIZE text = canvas.TextExtent(StripHotkey(item.Caption()));
    if (item.IsMenuBarItem()) {
        width = text.cx + 2 * TextMargin;
        height = std::max<int>(text.cy, GetSystemMetrics(SM_CYMENU));
        return;
    }
    width = ImageColumnWidth(item) + TextMargin + text.cx + ShortCutGap;
    if (!shortCut.empty())
        width += canvas.TextWidth(shortCut) + ShortCutGap;
    height = std::max<int>({text.cy + 4, static_cast<int>(ImageSize(item).cy) + 4, GetSystemMetrics(SM_CYMENU) - 1});
}

void DrawMenuItemPlainly(TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected)
{
    bool enabled = item.Enabled();
    bool rightToLeft = RightToLeft(item);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (item.IsSeparator()) {
        RECT line = rect;
        line.top += (rect.bottom - rect.top) / 2 - 1;
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    TColor textColor = !enabled ? clGrayText : selected ? clHighlightText : clMenuText;

    RECT textRect = rect;
    if (!item.IsMenuBarItem()) {
        // The image or check column at the reading start of the item.
        int column = ImageColumnWidth(item);
        RECT box = rect;
        if (rightToLeft)
            box.left = rect.right - column;
        else
            box.right = rect.left + column;
        SIZE image = ImageSize(item);
        int x = box.left + (box.right - box.left - image.cx) / 2;
        int y = box.top + (box.bottom - box.top - image.cy) / 2;
        TImageList* images = item.GetImageList();
        bool hasImage = image.cx > 0;
        if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count())
            images->Draw(canvas, x, y, item.ImageIndex(), enabled);
        else if (hasImage)
            canvas.Draw(x, y, item.Bitmap());
        if (item.Checked()) {
            if (hasImage) {
                RECT frame{x - 1, y - 1, x + image.cx + 1, y + image.cy + 1};
                DrawEdge(canvas.Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
            } else {
                DrawCheck(canvas, box, item.RadioItem(), textColor);
            }
        }
        if (rightToLeft)
            textRect.right = box.left - TextMargin;
        else
            textRect.left = box.right + TextMargin;
    }

    UINT format = DT_SINGLELINE | DT_VCENTER |
                  (item.IsMenuBarItem() ? DT_CENTER
                   : rightToLeft        ? DT_RIGHT | DT_RTLREADING
                                        : DT_LEFT);
    canvas.Brush().SetStyle(bsClear);
    std::string shortCut = ShortCutToText(item.ShortCut());
    RECT shortCutRect = rect;
    if (rightToLeft)
        shortCutRect.left += ShortCutGap;
    else
        shortCutRect.right -= ShortCutGap;
    UINT shortCutFormat = DT_SINGLELINE | DT_VCENTER | (rightToLeft ? DT_LEFT : DT_RIGHT);
    if (!enabled && !selected) {
        // The engraved look of disabled text: a light copy beneath.
        canvas.Font().SetColor(clBtnHighlight);
        RECT shifted = textRect;
        OffsetRect(&shifted, 1, 1);
        canvas.DrawText(item.Caption(), shifted, format);
        if (!shortCut.empty()) {
            RECT shiftedShortCut = shortCutRect;
            OffsetRect(&shiftedShortCut, 1, 1);
            canvas.DrawText(shortCut, shiftedShortCut, shortCutFormat);
        }
    }
    canvas.Font().SetColor(textColor);
    canvas.DrawText(item.Caption(), textRect, format);
    if (!shortCut.empty() && !item.IsMenuBarItem())
        canvas.DrawText(shortCut, shortCutRect, shortCutFormat);
}
