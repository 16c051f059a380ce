#include "menus/XPMenu.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/ClassBuilder.h"
#include "framework/Form.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "framework/MenuItem.h"
#include "framework/ShortCut.h"
#include "framework/Strings.h"
#include "menus/XPFlatBorder.h"
#include "menus/XPItemPainter.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_CLASS(TXPMenu)
{
    Creatable();
    Object("Font", &TXPMenu::FontObject);
    Property("Color", &TXPMenu::Color, &TXPMenu::SetColor, clBtnFace);
    Property("IconBackColor", &TXPMenu::IconBackColor, &TXPMenu::SetIconBackColor, clBtnFace);
    Property("MenuBarColor", &TXPMenu::MenuBarColor, &TXPMenu::SetMenuBarColor, clBtnFace);
    Property("SelectColor", &TXPMenu::SelectColor, &TXPMenu::SetSelectColor, clHighlight);
    Property("SelectBorderColor", &TXPMenu::SelectBorderColor, &TXPMenu::SetSelectBorderColor, clHighlight);
    Property("SelectFontColor", &TXPMenu::SelectFontColor, &TXPMenu::SetSelectFontColor, clMenuText);
    Property("DisabledColor", &TXPMenu::DisabledColor, &TXPMenu::SetDisabledColor, clInactiveCaption);
    Property("SeparatorColor", &TXPMenu::SeparatorColor, &TXPMenu::SetSeparatorColor, clBtnFace);
    Property("CheckedColor", &TXPMenu::CheckedColor, &TXPMenu::SetCheckedColor, clHighlight);
    Property("IconWidth", &TXPMenu::IconWidth, &TXPMenu::SetIconWidth, 24);
    Property("DrawSelect", &TXPMenu::DrawSelect, &TXPMenu::SetDrawSelect, true);
    Property("UseSystemColors", &TXPMenu::UseSystemColors, &TXPMenu::SetUseSystemColors, true);
    Property("OverrideOwnerDraw", &TXPMenu::OverrideOwnerDraw, &TXPMenu::SetOverrideOwnerDraw, false);
    Property("Gradient", &TXPMenu::Gradient, &TXPMenu::SetGradient, false);
    Property("FlatMenu", &TXPMenu::FlatMenu, &TXPMenu::SetFlatMenu, false);
    Property("AutoDetect", &TXPMenu::AutoDetect, &TXPMenu::SetAutoDetect, false);
    Property("Active", &TXPMenu::Active, &TXPMenu::SetActive, false);
}

namespace {
// An item's geometry, in pixels.
const int ItemExtraWidth = 10;  // added to caption, shortcut and image
const int SeparatorHeight = 4;
const int ImageVerticalMargin = 4;  // an item is at least this taller than its image
const int ImageTop = 4;             // the image's top below the item's
const int ImageSideMargin = 2;      // a wide image's distance from the strip's outer edge
const int ImageTextGap = 4;         // after an image wider than the strip
const int CheckBoxSize = 10;        // the check box of an item without an image
const int TextIndent = 5;           // the caption's start inside the text rectangle
const int BarTextPull = 5;          // a menu-bar caption moves this far onto its image
const int GradientOverhang = 2;     // the gradient runs on under the flat border
}

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the NONCLIENTMETRICSA of Windows 95/98/ME");

bool LoadSystemMenuFont(TFont& font)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return false;
    LOGFONTA menuFont = metrics.lfMenuFont;
    if (SameText(menuFont.lfFaceName, "MS Sans Serif"))
        std::strcpy(menuFont.lfFaceName, "Tahoma");
    // The font is reloaded at every paint: only a real change is announced.
    LOGFONTA current = font.LogFont();
    bool same = SameText(current.lfFaceName, menuFont.lfFaceName) && current.lfHeight == menuFont.lfHeight &&
                (current.lfWeight >= FW_BOLD) == (menuFont.lfWeight >= FW_BOLD) &&
                !current.lfItalic == !menuFont.lfItalic && !current.lfUnderline == !menuFont.lfUnderline &&
                !current.lfStrikeOut == !menuFont.lfStrikeOut && current.lfCharSet == menuFont.lfCharSet;
    if (!same)
        font.AssignLogFont(menuFont);
    font.SetColor(clMenuText);
    return true;
}

TXPMenu::TXPMenu(TComponent* owner) : TComponent(owner), FFont(MakeOwned<TFont>()), FForm(As<TCustomForm>(owner))
{
    LoadSystemMenuFont(*FFont);
    FSelectFontColor = FFont->Color();
}

TXPMenu::~TXPMenu()
{
    Attach(false);
}

void TXPMenu::SetFont(const TFont& font)
{
    FFont->Assign(&font);
    RedrawMenuBar();
}

void TXPMenu::SetMenuBarColor(TColor color)
{
    FMenuBarColor = color;
    RedrawMenuBar();
}

void TXPMenu::SetUseSystemColors(bool useSystemColors)
{
    FUseSystemColors = useSystemColors;
    RedrawMenuBar();
}

void TXPMenu::SetOverrideOwnerDraw(bool overrideOwnerDraw)
{
    FOverrideOwnerDraw = overrideOwnerDraw;
    if (FActive)
        SetActive(true);
}

void TXPMenu::SetActive(bool active)
{
    FActive = active;
    // A layout's value takes effect once every menu has been read.
    if (IsLoading() || IsDestroying())
        return;
    Attach(false);
    if (active)
        Attach(true);
    RedrawMenuBar();
}

void TXPMenu::Loaded()
{
    inherited::Loaded();
    if (FActive)
        SetActive(true);
}

void TXPMenu::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove) {
        FOwnHandlers.erase(component);
        return;
    }
    if (FAutoDetect && FForm && component->Owner() == FForm && dynamic_cast<TMenuItem*>(component) && !IsDestroying())
        SetActive(true);
}

void TXPMenu::RedrawMenuBar()
{
    if (FForm && FForm->HandleAllocated() && !IsLoading())
        DrawMenuBar(FForm->Handle());
}

void TXPMenu::Attach(bool enable)
{
    if (!FForm)
        return;
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TMenu*>(FForm->Components(i));
        if (!menu || menu->IsDestroying())
            continue;
        menu->SetOwnerDraw(enable);
        TMenuItem* items = menu->Items();
        for (int j = 0; j < items->Count(); ++j)
            AttachItem(items->Items(j), enable);
    }
}

void TXPMenu::AttachItem(TMenuItem* item, bool enable)
{
    auto draw = TMenuDrawItemEvent::Bind<&TXPMenu::DrawItem>(this);
    auto measure = TMenuMeasureItemEvent::Bind<&TXPMenu::MeasureItem>(this);
    if (enable) {
        bool takeDraw = !item->OnDrawItem || (FOverrideOwnerDraw && item->OnDrawItem != draw);
        bool takeMeasure = !item->OnMeasureItem || (FOverrideOwnerDraw && item->OnMeasureItem != measure);
        // Handlers of the item's own that the painter overrides come back
        // when it lets go.
        if ((takeDraw && item->OnDrawItem) || (takeMeasure && item->OnMeasureItem)) {
            TOwnHandlers& own = FOwnHandlers[item];
            if (takeDraw && item->OnDrawItem)
                own.Draw = item->OnDrawItem;
            if (takeMeasure && item->OnMeasureItem)
                own.Measure = item->OnMeasureItem;
            item->FreeNotification(this);
        }
        if (takeDraw)
            item->OnDrawItem = draw;
        if (takeMeasure)
            item->OnMeasureItem = measure;
    } else {
        auto own = FOwnHandlers.find(item);
        if (item->OnDrawItem == draw)
            item->OnDrawItem = own != FOwnHandlers.end() ? own->second.Draw : TMenuDrawItemEvent();
        if (item->OnMeasureItem == measure)
            item->OnMeasureItem = own != FOwnHandlers.end() ? own->second.Measure : TMenuMeasureItemEvent();
        if (own != FOwnHandlers.end()) {
            FOwnHandlers.erase(own);
            item->RemoveFreeNotification(this);
        }
    }
    for (int i = 0; i < item->Count(); ++i)
        AttachItem(item->Items(i), enable);
}

void TXPMenu::SetColors(TCanvas& canvas)
{
    HDC dc = canvas.Handle();
    bool high = DisplayHasHighColor();
    FColors.HighColor = high;
    FColors.MenuBorder = high ? Darken(dc, clBtnFace, 90) : clBtnShadow;
    FColors.MenuShadow = high ? Darken(dc, clBtnFace, 76) : clBtnShadow;
    if (FUseSystemColors) {
        // Everything else comes from the system's colours and menu font.
        LoadSystemMenuFont(*FFont);
        FColors.SelectFont = FFont->Color();
        FColors.Item = high ? Lighten(dc, clBtnFace, 86) : clWhite;
        FColors.IconStrip = high ? Lighten(dc, clBtnFace, 16) : clBtnFace;
        FColors.Select = high ? Lighten(dc, clHighlight, 68) : clWhite;
        FColors.SelectBorder = clHighlight;
        FColors.MenuBar = high ? clMenu : clBtnFace;
        FColors.Disabled = high ? Lighten(dc, clBtnShadow, 10) : clBtnShadow;
        FColors.Separator = high ? Lighten(dc, clBtnShadow, 25) : clBtnShadow;
        FColors.Checked = clHighlight;
        FColors.CheckArea = high ? Lighten(dc, clHighlight, 75) : clWhite;
        FColors.CheckAreaSelected = high ? Lighten(dc, clHighlight, 50) : clWhite;
        return;
    }
    FColors.Item = FColor;
    FColors.IconStrip = FIconBackColor;
    FColors.Select = FSelectColor;
    FColors.SelectBorder = FSelectBorderColor;
    FColors.SelectFont = FSelectFontColor;
    FColors.MenuBar = FMenuBarColor;
    FColors.Disabled = FDisabledColor;
    FColors.Checked = FCheckedColor;
    FColors.Separator = FSeparatorColor;
    FColors.CheckArea = high ? Lighten(dc, FSelectColor, 75) : clWhite;
    FColors.CheckAreaSelected = high ? Lighten(dc, FSelectColor, 50) : clSilver;
}

SIZE TXPMenu::ImageSize(TMenuItem& item) const
{
    SIZE size{0, 0};
    TImageList* images = item.GetImageList();
    if (images && item.ImageIndex() != -1)
        size = SIZE{images->Width(), images->Height()};
    else if (item.Bitmap().Width() > 0)
        size = SIZE{item.Bitmap().Width(), item.Bitmap().Height()};
    if (!item.IsMenuBarItem() && size.cx < FIconWidth)
        size.cx = FIconWidth;
    return size;
}

void TXPMenu::MeasureItem(TObject* sender, TCanvas& canvas, int& width, int& height)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!FActive || !item)
        return;
    std::string text = item->IsSeparator() ? std::string() : item->Caption();
    std::string shortCut = ShortCutToText(item->ShortCut());
    // "WWW" keeps the gap between caption and shortcut.
    if (!Trim(shortCut).empty())
        text += shortCut + "WWW";
    canvas.Font().Assign(FFont.get());
    int textWidth = canvas.TextWidth(text);
    if (text.find('&') != std::string::npos)
        textWidth -= canvas.TextWidth("&");
    SIZE image = ImageSize(*item);
    int w = textWidth + image.cx + ItemExtraWidth;
    if (width < w)
        width = w;
    if (item->IsSeparator()) {
        height = SeparatorHeight;
        return;
    }
    int textHeight = canvas.TextHeight(text);
    int h = textHeight + RoundHalfEven(textHeight * 0.75);
    h = std::max<int>(h, image.cy + ImageVerticalMargin);
    if (height < h)
        height = h;
}

bool TXPMenu::LoadItemImage(TMenuItem& item, TBitmap& image)
{
    TImageList* images = item.GetImageList();
    if (images && item.ImageIndex() != -1) {
        image.SetPixelFormat(pf24bit);
        image.SetSize(images->Width(), images->Height());
        TCanvas& canvas = image.Canvas();
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(FColors.IconStrip);
        canvas.FillRect(RECT{0, 0, image.Width(), image.Height()});
        images->Draw(canvas, 0, 0, item.ImageIndex(), true);
        return true;
    }
    if (item.Bitmap().Width() > 0) {
        image.Assign(&item.Bitmap());
        // Exact pixels for the per-pixel fading and greying.
        image.SetPixelFormat(pf24bit);
    }
    return false;
}

void TXPMenu::DrawItem(TObject* sender, TCanvas& canvas, const RECT& itemRect, bool selected)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!FActive || !item)
        return;
    SetColors(canvas);
    TMenu* menu = item->GetParentMenu();
    TXPItemState state;
    state.Selected = selected;
    state.Enabled = item->Enabled();
    state.Checked = item->Checked();
    state.Default = item->Default();
    state.RightToLeft = menu && menu->RightToLeft();
    state.BarItem = item->IsMenuBarItem();
    bool rightToLeft = state.RightToLeft;

    canvas.Font().Assign(FFont.get());
    if (rightToLeft)
        canvas.Font().SetCharset(ARABIC_CHARSET);
    RECT rect = itemRect;
    rect.bottom += 1;
    std::string text = " " + item->Caption();

    TBitmap image;
    LoadItemImage(*item, image);
    bool showsImage = !image.Empty();

    RECT strip = rightToLeft ? RECT{rect.right - FIconWidth, rect.top, rect.right, rect.bottom}
                             : RECT{rect.left, rect.top, rect.left + FIconWidth, rect.bottom};
    RECT checkRect;
    if (showsImage) {
        checkRect = RECT{strip.left + 1, strip.top + 2, strip.right - 3, strip.bottom - 2};
    } else {
        int left = strip.left + (strip.right - strip.left - CheckBoxSize) / 2;
        int top = strip.top + (strip.bottom - strip.top - CheckBoxSize) / 2;
        checkRect = RECT{left, top, left + CheckBoxSize, top + CheckBoxSize};
    }

    RECT textRect = rect;
    int imageWidth = image.Width();
    int textIndent = FIconWidth < imageWidth ? imageWidth + ImageTextGap : FIconWidth;
    if (rightToLeft)
        textRect.right = rect.right - textIndent;
    else
        textRect.left = rect.left + textIndent;
    if (state.BarItem) {
        if (!showsImage)
            textRect = rect;
        else if (rightToLeft)
            textRect.right += BarTextPull;
        else
            textRect.left -= BarTextPull;
    }

    if (state.BarItem) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(FColors.MenuBar);
        canvas.FillRect(rect);
    } else if (FColors.HighColor && FGradient) {
        DrawXPGradient(canvas, RECT{rect.left, rect.top, rect.right + GradientOverhang, rect.bottom}, FColors,
                       FIconWidth, rightToLeft);
    } else if (state.Enabled || !selected) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(FColors.Item);
        canvas.FillRect(rect);
        canvas.Brush().SetColor(FColors.IconStrip);
        canvas.FillRect(strip);
    }

    if (selected && FDrawSelect) {
        if (state.BarItem)
            DrawXPMenuBarTab(canvas, rect, FColors, rightToLeft);
        else if (state.Enabled)
            DrawXPSelectionBar(canvas, rect, FColors, FFlatMenu);
    }

    if (state.Checked)
        DrawXPCheckMark(canvas, checkRect, item->RadioItem(), showsImage, selected, FColors);

    if (showsImage) {
        int x = imageWidth <= FIconWidth ? strip.left + (FIconWidth - imageWidth) / 2
                : rightToLeft            ? strip.right - imageWidth - ImageSideMargin
                                         : strip.left + ImageSideMargin;
        DrawXPItemImage(canvas, image, x, strip.top + ImageTop, state, FColors, FColors.Select);
    }

    if (item->IsSeparator()) {
        DrawXPSeparator(canvas, textRect, FColors, rightToLeft);
    } else {
        UINT format = DT_SINGLELINE | (rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT);
        if (rightToLeft)
            textRect.right -= TextIndent;
        else
            textRect.left += TextIndent;
        DrawXPItemText(canvas, text, ShortCutToText(item->ShortCut()), format, state, FColors, textRect);
    }

    if (!IsDesigning() && FFlatMenu && !state.BarItem) {
        HWND window = WindowFromDC(canvas.Handle());
        bool isForm = FForm && FForm->HandleAllocated() && window == FForm->Handle();
        if (window && !isForm)
            DrawXPFlatBorder(window, FColors, FIconWidth, FGradient && FColors.HighColor);
    }

    // Items added since the painter was switched on get the same look.
    if (TMenuItem* level = item->Parent())
        for (int i = 0; i < level->Count(); ++i)
            AttachItem(level->Items(i), true);
}
