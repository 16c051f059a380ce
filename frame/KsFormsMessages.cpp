// The skinned frame's message table: the non-client messages it answers
// itself, the captured mouse, painting, position changes and its private
// messages.

#include "frame/KsForms.h"

#include "framework/Form.h"
#include "framework/ScopeGuard.h"

#include <algorithm>

namespace {

// The point of a mouse message (signed: screens left of and above the
// primary one have negative coordinates).
POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

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
    if (FMinimizeApplication)
        ApplicationCoupling(true);
    PaintNonClient();
    message.Result = 1;
    // The system's frame procedure would tell the active MDI child, whose
    // caption follows its parent's.
    if (IsMDIForm())
        if (TCustomForm* child = HookedForm()->ActiveMDIChild(); child && child->HandleAllocated())
            SendMessageA(child->Handle(), WM_NCACTIVATE, message.WParam, message.LParam);
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
    // An MDI child is activated within its parent, not made foreground.
    if (!FCaptionActive && IsMDIChild())
        SetFocus(FormHandle());
    else if (!FCaptionActive && FormHandle())
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
            TScopedOverride<bool> capturing(FInShowCapture, true);
            // The window's own region comes back however the capture ends.
            TScopeGuard region([this] { SetRegion(); });
            HRGN empty = CreateRectRgn(0, 0, 0, 0);
            if (!SetWindowRgn(handle, empty, FALSE) && empty)
                DeleteObject(empty);
            CaptureBackdrop(FCanMove);
        }
        PlayShowAnimation();
    }
    if (FBlend || FDropShadow)
        pos->flags |= SWP_NOCOPYBITS;
}

void TKsCustomForm::KMCaptionRefresh(TMessage& message)
{
    MarkHandled();
    HWND handle = FormHandle();
    if (message.WParam == 13 && handle)
        SetWindowLongA(handle, GWL_STYLE, GetWindowLongA(handle, GWL_STYLE) | WS_CAPTION);
    PaintNonClient();
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
    if (!HasForm())
        return;
    MDIMessageProcessed(message, handled);
    if (message.Msg != WM_GETTEXT)
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
    // A maximized child's new caption shows in its parent's.
    if (IsMDIChild() && (FWindowState == kwsMaximized || !MDIChildMaximized()))
        UpdateParentCaption();
}
