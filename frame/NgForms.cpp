#include "frame/NgForms.h"

#include "frame/NgItems.h"

#include "framework/ClassBuilder.h"
#include "framework/Form.h"
#include "framework/Timer.h"
#include "theme/NgEngine.h"

IMPLEMENT_CLASS(TNgForm)
{
    Creatable();
    Property("ThemeEngine", &TNgForm::ThemeEngine, &TNgForm::SetThemeEngine);
    Property("Version", &TNgForm::Version, &TNgForm::SetVersion);
    Property("WindowState", &TNgForm::WindowState, &TNgForm::SetWindowState);
}

namespace {
// Theme metric indices.
enum {
    mFrame = 0,
    mToolFrame = 1,
    mCaption = 2,
    mToolCaption = 3,
    mButtonWidth = 5,
    mButtonHeight = 6,
    mToolButtonWidth = 7,
    mToolButtonHeight = 8,
    mButtonRight = 9,
    mButtonTop = 10,
    mButtonGap = 11,
    mToolButtonRight = 12,
    mToolButtonTop = 13,
};
// Theme colour indices.
enum { cCaptionText = 0, cInactiveCaptionText = 2, cWindow = 3 };
// Theme caption buttons.
enum {
    tbClose = 0,
    tbHelp = 1,
    tbMinimize = 2,
    tbMaximize = 3,
    tbRestore = 4,
    tbRollup = 5,
    tbRolldown = 6,
    tbTray = 7
};
}

TNgForm::TNgForm(TComponent* owner) : TKsCustomForm(owner)
{
    SetActive(true);
    FHotTimer = Create<TTimer>(this);
    FHotTimer->SetInterval(100);
    FHotTimer->SetEnabled(!IsDesigning());
    FHotTimer->SetOnTimer(TNotifyEvent::Bind<&TNgForm::HotTimerTick>(this));
}

TNgForm::~TNgForm()
{
    FreeAndNil(FHotTimer);
}

void TNgForm::SetThemeEngine(TNgThemeEngine* value)
{
    FThemeEngine = value;
    if (HasForm()) {
        RefreshFrame();
        InvalidateControls();
    }
}

void TNgForm::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FThemeEngine)
        SetThemeEngine(nullptr);
}

bool TNgForm::IsThemed() const
{
    return !IsLoading() && !IsDestroying() && FThemeEngine && FThemeEngine->IsThemeAvailable();
}

TNgTheme& TNgForm::Theme() const
{
    return *FThemeEngine->Theme();
}

int TNgForm::Metric(int index) const
{
    return FThemeEngine->Theme()->GetMetric(index);
}

void TNgForm::InvalidateControls()
{
    if (IsLoading() || !HasForm())
        return;
    TCustomForm* form = HookedForm();
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(form->Components(i)))
            control->Invalidate();
}

void TNgForm::RepaintAll()
{
    if (IsLoading() || !HasForm())
        return;
    PaintNonClient();
    HookedForm()->Invalidate();
}

void TNgForm::ThemeReplaced()
{
    RefreshFrame();
    InvalidateControls();
}

void TNgForm::ThemeHueChanged()
{
    RepaintAll();
    InvalidateControls();
}

void TNgForm::Loaded()
{
    inherited::Loaded();
    InvalidateControls();
}

void TNgForm::HotTimerTick(TObject*)
{
    UpdateHotZone();
}

void TNgForm::UpdateHotZone()
{
    if (!CaptionActive() || !IsThemed() || !HasForm())
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    POINT point = ScreenToWindow(cursor);
    FHotZone = HitTest(point.x, point.y);
    if (FHotZone == FPaintedHotZone)
        return;
    PaintNonClient();
    FPaintedHotZone = FHotZone;
}

// ---- geometry ----

RECT TNgForm::GetClientBounds()
{
    if (!IsThemed() || BorderStyle() == kbsNone || IsMaximizedMDIChild())
        return inherited::GetClientBounds();
    const SIZE size = FrameSize();
    if (BorderStyle() == kbsToolWindow) {
        int side = Metric(mToolFrame);
        return RECT{side, Metric(mToolCaption), size.cx - side, size.cy - side};
    }
    int side = Metric(mFrame);
    return RECT{side, Metric(mCaption), size.cx - side, size.cy - side};
}

RECT TNgForm::GetButtonRect(TKsBorderIcon icon)
{
    if (!IsThemed())
        return inherited::GetButtonRect(icon);
    RECT none{0, 0, 0, 0};
    if (!BorderIcons().Contains(icon) || BorderStyle() == kbsNone)
        return none;
    const bool tool = BorderStyle() == kbsToolWindow;
    const int w = FrameSize().cx;
    if (icon == kbiSystemMenu) {
        if (tool)
            return none;
        RECT caption{Metric(mFrame), Metric(mFrame), w - Metric(mFrame), Metric(mCaption)};
        return RECT{caption.left, caption.top, caption.left + RectHeight(caption), caption.bottom};
    }
    const int width = Metric(tool ? mToolButtonWidth : mButtonWidth);
    const int height = Metric(tool ? mToolButtonHeight : mButtonHeight);
    const int top = Metric(tool ? mToolButtonTop : mButtonTop);
    const int gap = Metric(mButtonGap);
    int right = w - Metric(tool ? mToolButtonRight : mButtonRight);
    const bool minimized = WindowState() == kwsMinimized;
    RECT result = none;
    auto place = [&](TKsBorderIcon which, bool shown) {
        if (!shown || !BorderIcons().Contains(which))
            return false;
        result = RECT{right - width, top, right, top + height};
        right -= width + gap;
        return which == icon;
    };
    if (place(kbiClose, true))
        return result;
    if (tool)
        return none;
    if (place(kbiMaximize, !minimized) || place(kbiMinimize, true) || place(kbiRollup, !minimized) ||
        place(kbiTray, !minimized) || place(kbiHelp, !minimized && WindowState() != kwsRollup))
        return result;
    return none;
}

RECT TNgForm::GetMaximizedBounds()
{
    if (!IsThemed() || IsMDIChild())
        return inherited::GetMaximizedBounds();
    return WorkArea();
}

HRGN TNgForm::CreateRegion()
{
    if (!IsThemed() || IsMaximizedMDIChild())
        return inherited::CreateRegion();
    return Theme().CreateFormRegion(FrameSize().cx, FrameSize().cy, BorderStyle());
}

TKsFrameZone TNgForm::HitTest(int x, int y)
{
    TKsFrameZone zone = inherited::HitTest(x, y);
    if (!IsThemed())
        return zone;
    // Only the theme's own top border resizes; below it the caption drags.
    const RECT client = GetClientBounds();
    const int border = Metric(BorderStyle() == kbsToolWindow ? mToolFrame : mFrame);
    if ((zone == kfzTop || zone == kfzTopLeft || zone == kfzTopRight) && x > client.left && x < client.right &&
        y > border)
        return kfzCaption;
    return zone;
}

// ---- painting ----

void TNgForm::PaintBackground(TKsBitmap& bitmap)
{
    if (!IsThemed()) {
        inherited::PaintBackground(bitmap);
        return;
    }
    bitmap.FillRect(GetClientBounds(), ColorToPixel(Theme().GetColor(cWindow)));
}

void TNgForm::PaintFrame(TKsBitmap& bitmap)
{
    if (!IsThemed()) {
        inherited::PaintFrame(bitmap);
        return;
    }
    const SIZE size = FrameSize();
    Theme().DrawFormFrame(bitmap, size.cx, size.cy, GetClientBounds(), CaptionActive(), BorderStyle());
    if (HasForm())
        PaintCaptionText(bitmap);
    const bool minimized = WindowState() == kwsMinimized;
    PaintThemedButton(bitmap, kbiClose, kfzClose, tbClose);
    if (BorderStyle() == kbsToolWindow)
        return;
    PaintThemedButton(bitmap, kbiSystemMenu, kfzSysMenu, -1);
    PaintThemedButton(bitmap, kbiMinimize, kfzMinimize, minimized ? tbRestore : tbMinimize);
    PaintThemedButton(bitmap, kbiMaximize, kfzMaximize, WindowState() == kwsMaximized ? tbRestore : tbMaximize);
    PaintThemedButton(bitmap, kbiHelp, kfzHelp, tbHelp);
    PaintThemedButton(bitmap, kbiRollup, kfzRollup, WindowState() == kwsRollup ? tbRolldown : tbRollup);
    PaintThemedButton(bitmap, kbiTray, kfzTray, tbTray);
}

void TNgForm::PaintCaptionText(TKsBitmap& bitmap)
{
    const SIZE size = FrameSize();
    const bool tool = BorderStyle() == kbsToolWindow;
    RECT text;
    int width;
    if (tool) {
        text = RECT{Metric(mToolButtonRight) + 4, Metric(mToolButtonTop), size.cx - Metric(mToolButtonRight),
                    Metric(mToolCaption)};
        width = size.cx - text.left - Metric(mToolButtonWidth);
    } else {
        text = RECT{Metric(mButtonRight), Metric(mButtonTop), size.cx - Metric(mButtonRight), Metric(mCaption)};
        if (BorderIcons().Contains(kbiSystemMenu))
            text.left += RectHeight(text);
        width = size.cx - text.left - Metric(mButtonWidth) * (WindowState() == kwsMinimized ? 2 : 7);
    }
    const int font = tool ? 1 : 0;
    TFont& bitmapFont = bitmap.Font();
    bitmapFont.SetName(Theme().GetFontName(font));
    bitmapFont.SetSize(Theme().GetFontSize(font));
    bitmapFont.SetStyle(Theme().GetFontStyle(font));
    std::string caption = FitCaption(bitmap, width);
    if (caption.empty())
        return;
    bitmapFont.SetColor(clBlack);
    RECT shadow = text;
    OffsetRect(&shadow, 1, 1);
    bitmap.DrawText(caption, shadow, KsTextLeft);
    bitmapFont.SetColor(Theme().GetColor(CaptionActive() ? cCaptionText : cInactiveCaptionText));
    bitmap.DrawText(caption, text, KsTextLeft);
}

void TNgForm::PaintThemedButton(TKsBitmap& bitmap, TKsBorderIcon icon, TKsFrameZone zone, int button)
{
    RECT rect = GetButtonRect(icon);
    if (IsRectEmpty(&rect))
        return;
    if (icon == kbiSystemMenu) {
        const int width = GetSystemMetrics(SM_CXSIZE);
        const int height = GetSystemMetrics(SM_CYSIZE);
        RECT place = CenterRect(RECT{0, 0, width, height}, rect);
        DrawCaptionIcon(bitmap, place.left, place.top, width, height);
        return;
    }
    const bool hot = FHotZone == zone;
    const bool pressed = MouseButtons().Contains(ssLeft) && PressedZone() == zone && HoverZone() == zone;
    Theme().DrawCaptionButton(bitmap, rect, button, hot, pressed, CaptionActive(), BorderStyle());
}

TKsCustomItem* TNgForm::CreateMenuItem()
{
    auto* item = Create<TNgItem>(nullptr);
    item->SetThemeEngine(FThemeEngine);
    return item;
}
