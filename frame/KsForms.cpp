#include "frame/KsForms.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Form.h"

#include <algorithm>

IMPLEMENT_ENUM_INFO(TKsBorderStyle, "kbsNone", "kbsStandard", "kbsToolWindow")
IMPLEMENT_ENUM_INFO(TKsBorderIcon, "kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp", "kbiRollup",
                    "kbiTray")
IMPLEMENT_ENUM_INFO(TKsWindowState, "kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray")
IMPLEMENT_ENUM_INFO(TKsAnimation, "kaNone", "kaRandom", "kaFade", "kaSlide", "kaRect")

IMPLEMENT_CLASS(TKsSizeConstraints)
{
    Property("MinWidth", &TKsSizeConstraints::MinWidth, &TKsSizeConstraints::MinWidth, 0);
    Property("MinHeight", &TKsSizeConstraints::MinHeight, &TKsSizeConstraints::MinHeight, 0);
    Property("MaxWidth", &TKsSizeConstraints::MaxWidth, &TKsSizeConstraints::MaxWidth, 0);
    Property("MaxHeight", &TKsSizeConstraints::MaxHeight, &TKsSizeConstraints::MaxHeight, 0);
}

IMPLEMENT_CLASS(TKsCustomForm)
{
    using C = TKsCustomForm;
    Property("Active", &C::Active, &C::SetActive);
    Property("Blend", &C::Blend, &C::SetBlend);
    Property("BlendValue", &C::BlendValue, &C::SetBlendValue);
    Property("BorderIcons", &C::BorderIcons, &C::SetBorderIcons);
    Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle);
    Property("CanResize", &C::CanResize, &C::SetCanResize);
    Property("CanMove", &C::CanMove, &C::SetCanMove);
    Property("Magnetic", &C::Magnetic, &C::SetMagnetic);
    Property("MagneticValue", &C::MagneticValue, &C::SetMagneticValue);
    Object("Constraints", &C::Constraints);
    Property("MenuBar", &C::MenuBar, &C::SetMenuBar);
    Property("MinimizeApplication", &C::MinimizeApplication, &C::SetMinimizeApplication, true);
    Property("ShowAnimation", &C::ShowAnimation, &C::SetShowAnimation);
    Property("ShowAnimationTime", &C::ShowAnimationTime, &C::SetShowAnimationTime);
    Property("StayOnTop", &C::StayOnTop, &C::SetStayOnTop);
    Property("SysMenuBlend", &C::SysMenuBlend, &C::SetSysMenuBlend);
    Property("SysMenuBlendValue", &C::SysMenuBlendValue, &C::SetSysMenuBlendValue);
    Property("SysMenuDropShadow", &C::SysMenuDropShadow, &C::SetSysMenuDropShadow);
    Property("SysMenuShadowWidth", &C::SysMenuShadowWidth, &C::SetSysMenuShadowWidth);
    Property("SysMenuShowAnimation", &C::SysMenuShowAnimation, &C::SetSysMenuShowAnimation);
    Property("SysMenuShowAnimationTime", &C::SysMenuShowAnimationTime, &C::SetSysMenuShowAnimationTime);
    Event("OnPaint", &C::OnPaint);
    Message(WM_NCCALCSIZE, &C::WMNCCalcSize);
    Message(WM_NCPAINT, &C::WMNCPaint);
    Message(WM_NCACTIVATE, &C::WMNCActivate);
    Message(WM_NCHITTEST, &C::WMNCHitTest);
    Message(WM_NCLBUTTONDOWN, &C::WMNCButtonDown);
    Message(WM_NCRBUTTONDOWN, &C::WMNCButtonDown);
    Message(WM_NCLBUTTONUP, &C::WMNCButtonUp);
    Message(WM_NCRBUTTONUP, &C::WMNCButtonUp);
    Message(WM_NCMOUSEMOVE, &C::WMNCMouseMove);
    Message(WM_NCLBUTTONDBLCLK, &C::WMNCLButtonDblClk);
    Message(WM_MOUSEMOVE, &C::WMCapturedMouse);
    Message(WM_LBUTTONUP, &C::WMCapturedMouse);
    Message(WM_CANCELMODE, &C::WMCancelDrag);
    Message(WM_CAPTURECHANGED, &C::WMCancelDrag);
    Message(WM_ACTIVATE, &C::WMActivate);
    Message(WM_PAINT, &C::WMPaint);
    Message(WM_ERASEBKGND, &C::WMEraseBkgnd);
    Message(WM_WINDOWPOSCHANGING, &C::WMWindowPosChanging);
    Message(WM_SYSCOMMAND, &C::WMSysCommand);
    Message(KM_CAPTIONREFRESH, &C::KMCaptionRefresh);
    Message(KM_MAXIMIZE, &C::KMMaximize);
    Message(KM_ISBLENDED, &C::KMIsBlended);
    Message(KM_RESERVED, &C::KMReserved);
}

void TKsSizeConstraints::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TKsSizeConstraints*>(source)) {
        MinWidth = other->MinWidth;
        MinHeight = other->MinHeight;
        MaxWidth = other->MaxWidth;
        MaxHeight = other->MaxHeight;
        return;
    }
    inherited::Assign(source);
}

namespace {

// The caption fonts, made from the system's non-client metrics once and
// kept for the life of the process.
struct TCaptionFonts {
    TGdiHandle<HFONT> Caption;
    TGdiHandle<HFONT> SmallCaption;
    TCaptionFonts()
    {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the Windows 9x layout");
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        Caption.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
        SmallCaption.Reset(CreateFontIndirectA(&metrics.lfSmCaptionFont));
    }
};

TCaptionFonts& CaptionFonts()
{
    static TCaptionFonts fonts;
    return fonts;
}

POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

HFONT KsCaptionFont()
{
    return CaptionFonts().Caption.Get();
}

HFONT KsSmallCaptionFont()
{
    return CaptionFonts().SmallCaption.Get();
}

// ---- life cycle and settings ----

TKsCustomForm::TKsCustomForm(TComponent* owner)
    : TKsHookComponent(owner), FConstraints(MakeOwned<TKsSizeConstraints>()), FFrameBuffer(MakeOwned<TKsBitmap>()),
      FBackdrop(MakeOwned<TKsBitmap>())
{
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) {
        // The frame is ours: the form keeps a plain sizeable window (which
        // never scrolls: the framework's forms have no scroll bars).
        form->SetBorderStyle(bsSizeable);
        form->SetBorderIcons(TBorderIcons());
        SetForm(form);
    }
}

TKsCustomForm::~TKsCustomForm() = default;

bool TKsCustomForm::HasForm() const
{
    auto* form = dynamic_cast<TCustomForm*>(Form());
    return form && !form->IsDestroying() && !IsDestroying();
}

void TKsCustomForm::SetBlend(bool value)
{
    if (value == FBlend)
        return;
    FBlend = value;
    // Switched on after loading: the snapshot is made now, so that the
    // composition never reads an empty one.
    if (FBlend && HasForm() && !IsLoading() && IsWindowVisible(FormHandle()))
        CaptureBackdrop(FCanMove);
    RefreshFrame();
}

void TKsCustomForm::SetBlendValue(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == FBlendValue)
        return;
    FBlendValue = value;
    RefreshFrame();
}

void TKsCustomForm::SetBorderIcons(TKsBorderIcons value)
{
    if (value == FBorderIcons)
        return;
    FBorderIcons = value;
    RefreshFrame();
}

void TKsCustomForm::SetBorderStyle(TKsBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RefreshFrame();
}

void TKsCustomForm::SetCanResize(bool value)
{
    if (value == FCanResize)
        return;
    FCanResize = value;
    RefreshFrame();
}

void TKsCustomForm::SetCanMove(bool value)
{
    if (value == FCanMove)
        return;
    FCanMove = value;
    RefreshFrame();
}

void TKsCustomForm::SetConstraints(const TKsSizeConstraints& value)
{
    FConstraints->Assign(&value);
    if (HasForm()) {
        TCustomForm* form = HookedForm();
        if (form && FConstraints->MinWidth && form->Width() < FConstraints->MinWidth)
            form->SetWidth(FConstraints->MinWidth);
        if (form && FConstraints->MinHeight && form->Height() < FConstraints->MinHeight)
            form->SetHeight(FConstraints->MinHeight);
    }
    RefreshFrame();
}

void TKsCustomForm::SetMenuBar(TComponent* value)
{
    if (FMenuBar)
        FMenuBar->RemoveFreeNotification(this);
    FMenuBar = value;
    if (FMenuBar)
        FMenuBar->FreeNotification(this);
}

void TKsCustomForm::SetStayOnTop(bool value)
{
    FStayOnTop = value;
    if (IsDesigning() || !HasForm() || !FormHandle())
        return;
    TCustomForm* form = HookedForm();
    SetWindowPos(FormHandle(), value ? HWND_TOPMOST : HWND_NOTOPMOST, form->Left(), form->Top(), FFrameSize.cx,
                 FFrameSize.cy, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void TKsCustomForm::SetWindowState(TKsWindowState value)
{
    if (value == FWindowState)
        return;
    FWindowState = value;
    RefreshFrame();
}

void TKsCustomForm::SetShadowWidth(int value)
{
    // A band wider than the window would leave no frame at all.
    FShadowWidth = std::clamp(value, 0, 64);
}

void TKsCustomForm::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FMenuBar)
        FMenuBar = nullptr;
}

void TKsCustomForm::AfterConstruction()
{
    inherited::AfterConstruction();
    // Made in code rather than read from a layout: lay the frame out now.
    RefreshFrame();
}

void TKsCustomForm::Loaded()
{
    inherited::Loaded();
    if (HasForm()) {
        TCustomForm* form = HookedForm();
        if (form)
            SetFrameSizes(form->Width(), form->Height());
        if ((FBlend || FDropShadow) && !IsDesigning())
            FBackdrop->SetSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    RefreshFrame();
}

void TKsCustomForm::RefreshFrame()
{
    if (!Active() || IsLoading() || !HasForm() || !FormHandle())
        return;
    TCustomForm* form = HookedForm();
    int width = form->Width();
    form->SetWidth(width + 1);
    form->SetWidth(width);
}

void TKsCustomForm::CloseForm()
{
    if (HasForm())
        HookedForm()->Close();
}

// ---- geometry ----

RECT TKsCustomForm::GetClientBounds()
{
    RECT bounds{0, 0, FFrameSize.cx, FFrameSize.cy};
    if (IsMaximizedMDIChild() || FBorderStyle == kbsNone)
        return bounds;
    InflateRect(&bounds, -GetSystemMetrics(SM_CXFRAME), -GetSystemMetrics(SM_CYFRAME));
    bounds.top += GetSystemMetrics(FBorderStyle == kbsToolWindow ? SM_CYSMCAPTION : SM_CYCAPTION);
    return bounds;
}

RECT TKsCustomForm::CaptionRect()
{
    RECT client = GetClientBounds();
    int height = GetSystemMetrics(FBorderStyle == kbsToolWindow ? SM_CYSMCAPTION : SM_CYCAPTION);
    return RECT{client.left, client.top - height, client.right, client.top - 1};
}

RECT TKsCustomForm::GetButtonRect(TKsBorderIcon icon)
{
    RECT none{0, 0, 0, 0};
    if (!FBorderIcons.Contains(icon) || FBorderStyle == kbsNone)
        return none;
    RECT caption = CaptionRect();
    if (icon == kbiSystemMenu) {
        if (FBorderStyle == kbsToolWindow)
            return none;
        return RECT{caption.left, caption.top, caption.left + RectHeight(caption), caption.bottom};
    }
    const bool tool = FBorderStyle == kbsToolWindow;
    const int width = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    const int height = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
    const int top = caption.top + 2;
    int right = caption.right - 2;
    const bool minimized = FWindowState == kwsMinimized;
    auto place = [&](TKsBorderIcon which, bool shown, RECT& result) {
        if (!shown || !FBorderIcons.Contains(which))
            return false;
        result = RECT{right - width, top, right, top + height};
        right -= width;
        return which == icon;
    };
    RECT result = none;
    if (place(kbiClose, true, result))
        return result;
    if (tool)
        return none;
    right -= 2;
    if (place(kbiMaximize, !minimized, result) || place(kbiMinimize, true, result))
        return result;
    right -= 2;
    if (place(kbiRollup, !minimized, result) || place(kbiTray, !minimized, result))
        return result;
    right -= 2;
    if (place(kbiHelp, !minimized && FWindowState != kwsRollup, result))
        return result;
    return none;
}

RECT TKsCustomForm::GetMaximizedBounds()
{
    RECT area = WorkArea();
    int inset = GetClientBounds().left;
    InflateRect(&area, inset, inset);
    return area;
}

RECT TKsCustomForm::GetRollupBounds()
{
    RECT client = GetClientBounds();
    TCustomForm* form = HookedForm();
    int left = form ? form->Left() : 0;
    int top = form ? form->Top() : 0;
    return RECT{left, top, left + FFrameSize.cx, top + client.top + (FFrameSize.cy - client.bottom)};
}

RECT TKsCustomForm::GetMinimizedBounds()
{
    RECT rolled = GetRollupBounds();
    RECT area = WorkArea();
    int height = RectHeight(rolled);
    return RECT{0, area.bottom - height, GetSystemMetrics(SM_CXMINIMIZED), area.bottom};
}

POINT TKsCustomForm::GetMinTrackSize()
{
    return POINT{FConstraints->MinWidth ? FConstraints->MinWidth : 150,
                 FConstraints->MinHeight ? FConstraints->MinHeight : 40};
}

POINT TKsCustomForm::GetMaxTrackSize()
{
    RECT maximized = GetMaximizedBounds();
    return POINT{FConstraints->MaxWidth ? FConstraints->MaxWidth : RectWidth(maximized),
                 FConstraints->MaxHeight ? FConstraints->MaxHeight : RectHeight(maximized)};
}

HRGN TKsCustomForm::CreateRegion()
{
    return nullptr;
}

POINT TKsCustomForm::ScreenToWindow(POINT point) const
{
    RECT window{0, 0, 0, 0};
    if (HWND handle = FormHandle())
        GetWindowRect(handle, &window);
    return POINT{point.x - window.left, point.y - window.top};
}

RECT TKsCustomForm::WorkArea() const
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

RECT TKsCustomForm::WindowScreenRect() const
{
    RECT window{0, 0, 0, 0};
    if (HWND handle = FormHandle())
        GetWindowRect(handle, &window);
    return window;
}

void TKsCustomForm::SetFrameSizes(int width, int height)
{
    FWindowSize = SIZE{width, height};
    FFrameSize = FWindowSize;
    if (FDropShadow && FWindowState != kwsMaximized) {
        FFrameSize.cx = std::max(0L, FFrameSize.cx - FShadowWidth);
        FFrameSize.cy = std::max(0L, FFrameSize.cy - FShadowWidth);
    }
}

// ---- messages ----

void TKsCustomForm::WMNCCalcSize(TMessage& message)
{
    MarkHandled();
    message.Result = 0;
    if (!message.WParam)
        return;
    // rgrc[0] is the proposed window rectangle; the position record's size
    // is not to be trusted when it says SWP_NOSIZE.
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
    RECT client = GetClientBounds();
    RECT& rect = params->rgrc[0];
    rect.left += client.left;
    rect.top += client.top;
    rect.right -= FWindowSize.cx - client.right;
    rect.bottom -= FWindowSize.cy - client.bottom;
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    params->rgrc[1] = rect;
}

void TKsCustomForm::WMNCPaint(TMessage& message)
{
    MarkHandled();
    PaintNonClient();
    message.Result = 0;
}

void TKsCustomForm::WMNCActivate(TMessage& message)
{
    MarkHandled();
    FCaptionActive = message.WParam != 0;
    PaintNonClient();
    message.Result = 1;
}

void TKsCustomForm::WMNCHitTest(TMessage& message)
{
    MarkHandled();
    POINT point = ScreenToWindow(PointOf(message.LParam));
    LRESULT result = HTCLIENT;
    switch (HitTest(point.x, point.y)) {
    case kfzCaption: result = FCanMove ? HTCAPTION : HTCLIENT; break;
    case kfzLeft: result = FCanResize ? HTLEFT : HTCLIENT; break;
    case kfzTop: result = FCanResize ? HTTOP : HTCLIENT; break;
    case kfzRight: result = FCanResize ? HTRIGHT : HTCLIENT; break;
    case kfzBottom: result = FCanResize ? HTBOTTOM : HTCLIENT; break;
    case kfzTopLeft: result = FCanResize ? HTTOPLEFT : HTCLIENT; break;
    case kfzTopRight: result = FCanResize ? HTTOPRIGHT : HTCLIENT; break;
    case kfzBottomLeft: result = FCanResize ? HTBOTTOMLEFT : HTCLIENT; break;
    case kfzBottomRight: result = FCanResize ? HTBOTTOMRIGHT : HTCLIENT; break;
    case kfzBorder: result = HTBORDER; break;
    case kfzClose: result = HTCLOSE; break;
    case kfzHelp: result = HTHELP; break;
    case kfzMaximize: result = HTMAXBUTTON; break;
    case kfzMinimize:
    case kfzRollup:
    case kfzTray:
    case kfzSysMenu: result = HTMINBUTTON; break;
    default: break;
    }
    message.Result = result;
}

void TKsCustomForm::WMNCButtonDown(TMessage& message)
{
    MarkHandled();
    message.Result = 0;
    if (!FCaptionActive && FormHandle())
        SetForegroundWindow(FormHandle());
    POINT point = ScreenToWindow(PointOf(message.LParam));
    const bool left = message.Msg == WM_NCLBUTTONDOWN;
    FMouseButtons = TShiftState{left ? ssLeft : ssRight};
    FrameMouseDown(left ? mbLeft : mbRight, FMouseButtons, point.x, point.y);
}

void TKsCustomForm::WMNCButtonUp(TMessage& message)
{
    MarkHandled();
    message.Result = 0;
    POINT point = ScreenToWindow(PointOf(message.LParam));
    FMouseButtons = TShiftState();
    FrameMouseUp(message.Msg == WM_NCLBUTTONUP ? mbLeft : mbRight, TShiftState(), point.x, point.y);
}

void TKsCustomForm::WMNCMouseMove(TMessage& message)
{
    MarkHandled();
    message.Result = 0;
    POINT point = ScreenToWindow(PointOf(message.LParam));
    FrameMouseMove(FMouseButtons, point.x, point.y);
}

void TKsCustomForm::WMNCLButtonDblClk(TMessage& message)
{
    MarkHandled();
    POINT point = ScreenToWindow(PointOf(message.LParam));
    TShiftState shift{ssLeft, ssDouble};
    FrameMouseDown(mbLeft, shift, point.x, point.y);
    FrameMouseUp(mbLeft, shift, point.x, point.y);
    FMouseButtons = TShiftState();
    message.Result = 1;
}

void TKsCustomForm::WMCapturedMouse(TMessage& message)
{
    // Not consumed: the form sees these as well.
    if (!HasForm() || FMouseButtons.Empty())
        return;
    RECT client = GetClientBounds();
    POINT point = PointOf(message.LParam);
    point.x += client.left;
    point.y += client.top;
    if (message.Msg == WM_MOUSEMOVE) {
        FrameMouseMove(FMouseButtons, point.x, point.y);
    } else {
        FMouseButtons = TShiftState();
        FrameMouseUp(mbLeft, TShiftState(), point.x, point.y);
    }
}

void TKsCustomForm::WMCancelDrag(TMessage&)
{
    // Somebody else took the mouse (a message box, a menu): the button-up
    // will never come to us, so the drag ends here.
    if (FMouseButtons.Empty() && FPressedZone == kfzNone)
        return;
    ResetDrag();
}

void TKsCustomForm::ResetDrag()
{
    FMouseButtons = TShiftState();
    FPressedZone = kfzNone;
    FHoverZone = kfzNone;
    PaintNonClient();
}

void TKsCustomForm::WMActivate(TMessage& message)
{
    if (!FCaptionActive && HIWORD(message.WParam))
        Minimize();
}

void TKsCustomForm::WMPaint(TMessage& message)
{
    MarkHandled();
    message.Result = 0;
    TCustomForm* form = HookedForm();
    if (!form)
        return;
    TWinPaintDC dc(form->Handle(), message.WParam);
    form->PaintControls(dc.Get());
}

void TKsCustomForm::WMWindowPosChanging(TMessage& message)
{
    MarkHandled();
    message.Result = 0;
    auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
    if (!(pos->flags & SWP_NOSIZE) && (pos->cx != FWindowSize.cx || pos->cy != FWindowSize.cy)) {
        POINT largest = GetMaxTrackSize();
        pos->cx = std::min(pos->cx, static_cast<int>(largest.x));
        pos->cy = std::min(pos->cy, static_cast<int>(largest.y));
        if (FWindowState != kwsRollup && FWindowState != kwsMinimized) {
            POINT smallest = GetMinTrackSize();
            pos->cx = std::max(pos->cx, static_cast<int>(smallest.x));
            pos->cy = std::max(pos->cy, static_cast<int>(smallest.y));
        }
        SetFrameSizes(pos->cx, pos->cy);
        UpdateBuffers();
    }
    // Only a window that is not on screen yet lets us see what lies behind
    // it; showing it again (bringing it forward) keeps the snapshot.
    HWND handle = FormHandle();
    if ((pos->flags & SWP_SHOWWINDOW) && handle && !IsWindowVisible(handle)) {
        if (!FInShowCapture && (FBlend || FDropShadow)) {
            FInShowCapture = true;
            try {
                HRGN empty = CreateRectRgn(0, 0, 0, 0);
                if (!SetWindowRgn(handle, empty, FALSE) && empty)
                    DeleteObject(empty);
                CaptureBackdrop(FCanMove);
            } catch (...) {
                FInShowCapture = false;
                SetRegion();
                throw;
            }
            SetRegion();
            FInShowCapture = false;
        }
        PlayShowAnimation();
    }
    if (FBlend || FDropShadow)
        pos->flags |= SWP_NOCOPYBITS;
}

void TKsCustomForm::WMSysCommand(TMessage&)
{
    // The keyboard menu and the system menu come with the window states.
}

void TKsCustomForm::KMCaptionRefresh(TMessage& message)
{
    MarkHandled();
    HWND handle = FormHandle();
    if (message.WParam == 13 && handle)
        SetWindowLongA(handle, GWL_STYLE, GetWindowLongA(handle, GWL_STYLE) | WS_CAPTION);
    PaintNonClient();
}

void TKsCustomForm::KMMaximize(TMessage&)
{
    MarkHandled();
    Maximize();
}

void TKsCustomForm::KMIsBlended(TMessage& message)
{
    MarkHandled();
    message.Result = FBlend ? 1 : 0;
}

void TKsCustomForm::KMReserved(TMessage&)
{
    MarkHandled();
}

void TKsCustomForm::MessageProcessed(TKsHook* sender, TMessage& message, bool& handled)
{
    inherited::MessageProcessed(sender, message, handled);
    if (message.Msg != WM_GETTEXT || !HasForm())
        return;
    // A new caption: the system may have drawn it in its own frame while
    // setting it. Without WS_CAPTION it cannot; the style comes back once
    // the posted refresh arrives, and we paint the caption ourselves. The
    // caller keeps the text it asked for.
    int length = static_cast<int>(message.Result);
    if (length == FLastTextLength)
        return;
    FLastTextLength = length;
    HWND handle = FormHandle();
    if (!handle)
        return;
    SetWindowLongA(handle, GWL_STYLE, GetWindowLongA(handle, GWL_STYLE) & ~WS_CAPTION);
    PostMessageA(handle, KM_CAPTIONREFRESH, 13, 0);
}
