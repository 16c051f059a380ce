// The skinned frame's geometry: client area, caption and its buttons, the
// bounds of the window states and the track sizes, in window coordinates.

#include "frame/KsForms.h"

#include "framework/Form.h"

#include <algorithm>

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
    if (IsMDIChild()) {
        // The parent's client window, one more to the right and below.
        RECT client{0, 0, 100, 100};
        TCustomForm* parent = HookedForm()->MDIParent();
        if (parent && parent->ClientHandle())
            GetClientRect(parent->ClientHandle(), &client);
        ++client.right;
        ++client.bottom;
        return client;
    }
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
    // A child window's area is its parent window's client area.
    HWND handle = FormHandle();
    if (handle && (GetWindowLongA(handle, GWL_STYLE) & WS_CHILD) && GetParent(handle)) {
        RECT client{0, 0, 0, 0};
        GetClientRect(GetParent(handle), &client);
        return client;
    }
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
