#include "controls/KsButtons.h"

#include "framework/Action.h"
#include "framework/ActionList.h"
#include "framework/ClassBuilder.h"
#include "framework/Finalization.h"
#include "framework/ImageList.h"
#include "framework/Strings.h"
#include "resources/resource.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_ENUM_INFO(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")
IMPLEMENT_ENUM_INFO(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
                    "bkRetry", "bkIgnore", "bkAll")

IMPLEMENT_CLASS(TKsCustomButton)
{
    Creatable();
    Property("Action", &TKsCustomButton::Action, &TKsCustomButton::SetAction);
    Property("BlackAndWhiteGlyph", &TKsCustomButton::BlackAndWhiteGlyph, &TKsCustomButton::SetBlackAndWhiteGlyph,
             false);
    Property("Default", &TKsCustomButton::Default, &TKsCustomButton::SetDefault, false);
    Object("Glyph", &TKsCustomButton::Glyph);
    Property("Kind", &TKsCustomButton::Kind, &TKsCustomButton::SetKind, bkCustom);
    Property("Layout", &TKsCustomButton::Layout, &TKsCustomButton::SetLayout, blGlyphLeft);
    Property("ModalResult", &TKsCustomButton::ModalResult, &TKsCustomButton::SetModalResult, 0);
    Property("NumGlyphs", &TKsCustomButton::NumGlyphs, &TKsCustomButton::SetNumGlyphs, 1);
    Property("Spacing", &TKsCustomButton::Spacing, &TKsCustomButton::SetSpacing, 4);
    Message(CM_DIALOGKEY, &TKsCustomButton::CMDialogKey);
    Message(CM_DIALOGCHAR, &TKsCustomButton::CMDialogChar);
    Message(CM_FOCUSCHANGED, &TKsCustomButton::CMFocusChanged);
}

namespace {
struct TKindInfo {
    unsigned CaptionId;
    const char* Resource;
    TModalResult Result;
    bool IsDefault;
};

const TKindInfo Kinds[] = {
    {0, nullptr, mrNone, false},
    {IDS_KSBTN_OK, RESOURCE_NAME(RES_KSBTN_OK), mrOk, true},
    {IDS_KSBTN_CANCEL, RESOURCE_NAME(RES_KSBTN_CANCEL), mrCancel, false},
    {IDS_KSBTN_HELP, RESOURCE_NAME(RES_KSBTN_HELP), mrNone, false},
    {IDS_KSBTN_YES, RESOURCE_NAME(RES_KSBTN_YES), mrYes, true},
    {IDS_KSBTN_NO, RESOURCE_NAME(RES_KSBTN_NO), mrNo, false},
    {IDS_KSBTN_CLOSE, RESOURCE_NAME(RES_KSBTN_CLOSE), mrNone, false},
    {IDS_KSBTN_ABORT, RESOURCE_NAME(RES_KSBTN_ABORT), mrAbort, false},
    {IDS_KSBTN_RETRY, RESOURCE_NAME(RES_KSBTN_RETRY), mrRetry, false},
    {IDS_KSBTN_IGNORE, RESOURCE_NAME(RES_KSBTN_IGNORE), mrIgnore, false},
    {IDS_KSBTN_ALL, RESOURCE_NAME(RES_KSBTN_ALL), mrAll, false},
};
constexpr int KindCount = sizeof Kinds / sizeof Kinds[0];

// The kinds' glyphs, loaded on first use and kept to the end.
TBitmap* KindGlyphs[KindCount] = {};

void FreeKindGlyphs()
{
    for (TBitmap*& glyph : KindGlyphs)
        if (glyph) {
            glyph->Free();
            glyph = nullptr;
        }
}

const TBitmap* KindGlyph(TBitBtnKind kind)
{
    TBitmap*& glyph = KindGlyphs[kind];
    if (!glyph) {
        static const bool registered = (RegisterFinalizer(FreeKindGlyphs), true);
        (void)registered;
        glyph = Create<TBitmap>();
        // A missing resource leaves the glyph empty: the button has none.
        try {
            glyph->LoadFromResourceName(GetModuleHandleA(nullptr), Kinds[kind].Resource);
        } catch (const Exception&) {
        }
    }
    return glyph;
}

const std::string& KindCaption(TBitBtnKind kind)
{
    static std::string captions[KindCount];
    static bool loaded = false;
    if (!loaded) {
        for (int i = 1; i < KindCount; ++i)
            captions[i] = LoadStr(Kinds[i].CaptionId);
        loaded = true;
    }
    return captions[kind];
}

// The face colour when the first button was made: buttons keep it.
TColor InitialFaceColor()
{
    static const TColor face = static_cast<TColor>(ColorToRGB(clBtnFace));
    return face;
}

// A bitmap's pixels as 0x00RRGGBB words, top row first.
std::vector<uint32_t> ReadPixels(TBitmap& bitmap)
{
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    TWindowDC screen(nullptr);
    if (!GetDIBits(screen.Get(), bitmap.Handle(), 0, height, pixels.data(), &info, DIB_RGB_COLORS))
        pixels.clear();
    for (uint32_t& pixel : pixels)
        pixel &= 0x00FFFFFFu;
    return pixels;
}
}  // namespace

uint32_t LightnessGrey(uint32_t pixel, int range, int base)
{
    const int r = (pixel >> 16) & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = pixel & 0xFF;
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    const int grey = static_cast<int>(std::nearbyint((high + low) / 510.0 * range)) + base;
    return MakeColor(grey, grey, grey, 0);
}

TKsCustomButton::TKsCustomButton(TComponent* owner) : TKsCustomControl(owner), FGlyph(MakeOwned<TBitmap>())
{
    SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csReplicatable, csReflector});
    FGlyph->OnChange = TNotifyEvent::Bind<&TKsCustomButton::GlyphChanged>(this);
    SetCaption("Button");
    SetColor(InitialFaceColor());
    SetTabStop(true);
    SetTransparent(true);
    SetShowsHot(true);
    SetBounds(0, 0, 75, 25);
}

void TKsCustomButton::SetDefault(bool value)
{
    FDefault = value;
    TCustomForm* form = GetParentForm(this);
    // Every button of the form works its default frame out again; the form
    // may have no active control yet.
    if (HandleAllocated() && form)
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    Invalidate();
}

void TKsCustomButton::SetGlyph(const TBitmap* glyph)
{
    FGlyph->Assign(glyph);
}

void TKsCustomButton::GlyphChanged(TObject*)
{
    FGlyphWidth = FGlyph->Empty() ? 0 : FGlyph->Width();
    FGlyphHeight = FGlyph->Empty() ? 0 : FGlyph->Height();
    FGlyphPixels = HasGlyph() ? ReadPixels(*FGlyph) : std::vector<uint32_t>();
    if (FGlyphPixels.empty())
        FGlyphWidth = FGlyphHeight = 0;
    // A strip of square images tells how many it holds; a glyph without
    // width holds none and leaves the count alone.
    if (FGlyphHeight > 0 && FGlyphWidth > 0 && FGlyphWidth % FGlyphHeight == 0) {
        const int images = FGlyphWidth / FGlyphHeight;
        FNumGlyphs = images <= 4 ? images : 1;
    }
    Invalidate();
}

void TKsCustomButton::SetLayout(TButtonLayout value)
{
    if (value == FLayout)
        return;
    FLayout = value;
    Invalidate();
}

void TKsCustomButton::SetKind(TBitBtnKind value)
{
    if (value == FKind || value < bkCustom || value >= KindCount)
        return;
    if (value != bkCustom) {
        const TKindInfo& kind = Kinds[value];
        SetDefault(kind.IsDefault);
        if (!(IsLoading() && !Caption().empty()))
            SetCaption(KindCaption(value));
        FModalResult = kind.Result;
        FGlyph->Assign(KindGlyph(value));
        SetNumGlyphs(2);
    }
    FKind = value;
    Invalidate();
}

void TKsCustomButton::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs)
        return;
    FNumGlyphs = value;
    Invalidate();
}

void TKsCustomButton::SetSpacing(int value)
{
    if (value == FSpacing)
        return;
    FSpacing = value;
    Invalidate();
}

void TKsCustomButton::SetBlackAndWhiteGlyph(bool value)
{
    if (value == FBlackAndWhiteGlyph)
        return;
    FBlackAndWhiteGlyph = value;
    Invalidate();
}

void TKsCustomButton::SetDown(bool down)
{
    FDown = down;
    Invalidate();
}

void TKsCustomButton::Click()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    // When OnClick is the action's own handler, it runs once, as the action.
    const TAction* action = Action();
    if (!action || OnClick != action->OnExecute())
        OnClick(this);
    RunLinkedAction();
}

void TKsCustomButton::ActionChange(TAction* action, bool checkDefaults)
{
    inherited::ActionChange(action, checkDefaults);
    TImageList* images = action->ActionList() ? action->ActionList()->Images() : nullptr;
    const int index = action->ImageIndex();
    if (!images || index < 0 || index >= images->Count())
        return;
    TBitmap glyph;
    glyph.SetSize(images->Width(), images->Height());
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(RECT{0, 0, images->Width(), images->Height()});
    images->Draw(glyph.Canvas(), 0, 0, index);
    SetGlyph(&glyph);
}

RECT TKsCustomButton::GetContentRect()
{
    Front().Font().Assign(Font());
    const SIZE text = Front().TextExtent(Caption());
    RECT box{0, 0, text.cx, text.cy};
    if (HasGlyph()) {
        if (FLayout == blGlyphTop || FLayout == blGlyphBottom)
            box.bottom += FGlyphHeight + FSpacing;
        else
            box.right += ImageWidth() + FSpacing;
        box.right = std::max<LONG>(box.right, ImageWidth());
        box.bottom = std::max<LONG>(box.bottom, FGlyphHeight);
    }
    OffsetRect(&box, (PaintWidth() - box.right) / 2, (PaintHeight() - box.bottom) / 2);
    if (FDown)
        OffsetRect(&box, 1, 1);
    return box;
}

RECT TKsCustomButton::ContentShare(bool glyph)
{
    RECT box = GetContentRect();
    if (!HasGlyph())
        return box;
    const int across = ImageWidth() + FSpacing;
    const int down = FGlyphHeight + FSpacing;
    switch (FLayout) {
    case blGlyphLeft: (glyph ? box.right : box.left) = box.left + across; break;
    case blGlyphRight: (glyph ? box.left : box.right) = box.right - across; break;
    case blGlyphTop: (glyph ? box.bottom : box.top) = box.top + down; break;
    case blGlyphBottom: (glyph ? box.top : box.bottom) = box.bottom - down; break;
    }
    return box;
}

RECT TKsCustomButton::GetCaptionRect()
{
    return ContentShare(false);
}

RECT TKsCustomButton::GetGlyphRect()
{
    return ContentShare(true);
}

void TKsCustomButton::PaintFace()
{
    const uint32_t black = MakeColor(0, 0, 0);
    const uint32_t face = ColorToPixel(Color());
    RECT rect{0, 0, PaintWidth(), PaintHeight()};
    if (HasFocus() || FDefaultShown) {
        Front().DrawFrame(rect, black);
        InflateRect(&rect, -1, -1);
    }
    Front().FillRect(rect, face);
    if (!FDown) {
        Front().DrawEdge(rect, ColorToPixel(clBtnHighlight), black);
        InflateRect(&rect, -1, -1);
        Front().DrawEdge(rect, face, ColorToPixel(clBtnShadow));
    } else {
        Front().DrawFrame(rect, ColorToPixel(clBtnShadow));
    }
    if (HasFocus())
        Front().DrawFocusRect(RECT{4, 4, PaintWidth() - 4, PaintHeight() - 4}, black);
}

void TKsCustomButton::PaintCaption()
{
    TKsBitmap& front = Front();
    front.Font().Assign(Font());
    const std::string& text = Caption();
    const int width = front.TextWidth(text);
    const int height = front.TextHeight(text);
    const RECT area = GetCaptionRect();
    RECT box{0, 0, width, height};
    OffsetRect(&box, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2);
    const UINT format = DT_CENTER | DT_SINGLELINE;
    DrawCaptionText(text, box, format);
}

void TKsCustomButton::PaintGlyph()
{
    if (!HasGlyph())
        return;
    const int gw = ImageWidth();
    const int gh = FGlyphHeight;
    const RECT area = GetGlyphRect();
    const int left = area.left + (area.right - area.left - gw) / 2;
    const int top = area.top + (area.bottom - area.top - gh) / 2;
    const int source = (FNumGlyphs >= 2 && !Enabled()) ? gw : 0;
    const uint32_t transparent = FGlyphPixels[static_cast<size_t>(gh - 1) * FGlyphWidth];
    const bool grey = FBlackAndWhiteGlyph && !Hot();
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x) {
            uint32_t pixel = FGlyphPixels[static_cast<size_t>(y) * FGlyphWidth + source + x];
            if (grey && pixel != transparent)
                pixel = LightnessGrey(pixel, 255, 0);
            if (!Enabled() && pixel != transparent)
                pixel = LightnessGrey(pixel, 50, 160);
            if (pixel != transparent)
                Front().SetPixel(left + x, top + y, pixel | 0xFF000000u);
        }
}

void TKsCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (CanFocus())
        SetFocus();
    FTracking = true;
    SetDown(true);
}

void TKsCustomButton::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    if (!FTracking)
        return;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    if (inside != FDown)
        SetDown(inside);
}

void TKsCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    if (!FTracking)
        return;
    FTracking = false;
    FDown = false;
    if (x >= 0 && x < PaintWidth() && y >= 0 && y < PaintHeight())
        Click();
    Invalidate();
}

void TKsCustomButton::KeyDown(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE && !shift.Contains(ssAlt) && Enabled())
        SetDown(true);
    inherited::KeyDown(key, shift);
}

void TKsCustomButton::KeyUp(WORD& key, TShiftState shift)
{
    // Only a Space pressed on this button clicks it when let go.
    if (key == VK_SPACE && FDown && !FTracking) {
        SetDown(false);
        Click();
        key = 0;
    }
    inherited::KeyUp(key, shift);
}

void TKsCustomButton::CMDialogKey(TMessage& message)
{
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    const bool enter = message.WParam == VK_RETURN && FDefaultShown;
    const bool escape = message.WParam == VK_ESCAPE && FModalResult == mrCancel;
    if ((enter || escape) && !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt) &&
        CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    InheritedMessage<TKsCustomButton>(message);
}

void TKsCustomButton::CMDialogChar(TMessage& message)
{
    if (IsAccelerator(message.WParam)) {
        SetFocus();
        Click();
        message.Result = 1;
        return;
    }
    InheritedMessage<TKsCustomButton>(message);
}

void TKsCustomButton::CMFocusChanged(TMessage& message)
{
    auto* focused = reinterpret_cast<TControl*>(message.LParam);
    // A focused button is the one Enter clicks; with the focus elsewhere
    // the default button is.
    const bool shown = dynamic_cast<TKsCustomButton*>(focused) ? focused == this : FDefault;
    if (shown != FDefaultShown) {
        FDefaultShown = shown;
        Invalidate();
    }
    InheritedMessage<TKsCustomButton>(message);
}
