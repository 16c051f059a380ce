// The skinned frame's zones and mouse handling: hit-testing, caption
// buttons, moving with magnetic edges and sizing.

#include "frame/KsForms.h"

#include "framework/Form.h"

#include <algorithm>
#include <cstdlib>

TKsFrameZone TKsCustomForm::HitTest(int x, int y)
{
    const RECT client = GetClientBounds();
    const int W = FFrameSize.cx;
    const int H = FFrameSize.cy;
    TKsFrameZone zone = y < client.top ? kfzCaption : kfzNone;
    const POINT point{x, y};
    const std::pair<TKsBorderIcon, TKsFrameZone> buttons[] = {
        {kbiSystemMenu, kfzSysMenu}, {kbiClose, kfzClose},   {kbiMinimize, kfzMinimize}, {kbiMaximize, kfzMaximize},
        {kbiHelp, kfzHelp},          {kbiRollup, kfzRollup}, {kbiTray, kfzTray},
    };
    for (const auto& [icon, buttonZone] : buttons) {
        RECT rect = GetButtonRect(icon);
        if (PtInRect(&rect, point))
            zone = buttonZone;
    }
    if (FWindowState == kwsMaximized || FWindowState == kwsMinimized || FWindowState == kwsRollup)
        return zone;
    const int corner = 20;
    const int captionHeight = RectHeight(CaptionRect()) + 1;
    if (y < client.top - captionHeight)
        zone = x <= corner - 1 ? kfzTopLeft : x > W - corner ? kfzTopRight : kfzTop;
    if (y > client.bottom)
        zone = x <= corner - 1 ? kfzBottomLeft : x > W - corner ? kfzBottomRight : kfzBottom;
    if (x < client.left)
        zone = y <= corner - 1 ? kfzTopLeft : y > H - corner ? kfzBottomLeft : kfzLeft;
    if (x > client.right)
        zone = y <= corner - 1 ? kfzTopRight : y > H - corner ? kfzBottomRight : kfzRight;
    return zone;
}

void TKsCustomForm::FrameMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    if (button != mbLeft)
        return;
    FPressedZone = FHoverZone = HitTest(x, y);
    FDownPoint = FLastPoint = POINT{x, y};
    PaintNonClient();
    if (HWND handle = FormHandle())
        SetCapture(handle);
}

RECT TKsCustomForm::SnapToWorkArea(const RECT& bounds) const
{
    RECT output = bounds;
    if (!FMagnetic)
        return output;
    RECT input = bounds;
    if (FDropShadow) {
        input.right -= FShadowWidth;
        input.bottom -= FShadowWidth;
    }
    const RECT area = WorkArea();
    if (std::abs(input.left - area.left) < FMagneticValue)
        OffsetRect(&output, area.left - input.left, 0);
    else if (std::abs(input.right - area.right) < FMagneticValue)
        OffsetRect(&output, area.right - input.right, 0);
    if (std::abs(input.top - area.top) < FMagneticValue)
        OffsetRect(&output, 0, area.top - input.top);
    else if (std::abs(input.bottom - area.bottom) < FMagneticValue)
        OffsetRect(&output, 0, area.bottom - input.bottom);
    return output;
}

void TKsCustomForm::FrameMouseMove(TShiftState shift, int x, int y)
{
    if (!HasForm())
        return;
    if (!shift.Contains(ssLeft)) {
        FHoverZone = kfzNone;
        return;
    }
    TCustomForm* form = HookedForm();
    RECT bounds{form->Left(), form->Top(), form->Left() + form->Width(), form->Top() + form->Height()};
    const bool normal = FWindowState == kwsNormal;
    const POINT smallest = GetMinTrackSize();
    auto left = [&] {
        bounds.left += x - FDownPoint.x;
        bounds.left = std::min(bounds.left, bounds.right - smallest.x);
    };
    auto top = [&] {
        bounds.top += y - FDownPoint.y;
        bounds.top = std::min(bounds.top, bounds.bottom - smallest.y);
    };
    auto right = [&] { bounds.right += x - FLastPoint.x; };
    auto bottom = [&] { bounds.bottom += y - FLastPoint.y; };
    bool moved = true;
    switch (FPressedZone) {
    case kfzCaption:
        if (FCanMove && FWindowState != kwsMaximized) {
            OffsetRect(&bounds, x - FDownPoint.x, y - FDownPoint.y);
            bounds = SnapToWorkArea(bounds);
        }
        break;
    case kfzLeft:
        if (FCanResize && normal)
            left();
        break;
    case kfzTop:
        if (FCanResize && normal)
            top();
        break;
    case kfzRight:
        if (FCanResize && normal)
            right();
        break;
    case kfzBottom:
        if (FCanResize && normal)
            bottom();
        break;
    case kfzTopLeft:
        if (FCanResize && normal) {
            top();
            left();
        }
        break;
    case kfzTopRight:
        if (FCanResize && normal) {
            top();
            right();
        }
        break;
    case kfzBottomLeft:
        if (FCanResize && normal) {
            bottom();
            left();
        }
        break;
    case kfzBottomRight:
        if (FCanResize && normal) {
            bottom();
            right();
        }
        break;
    default: moved = false; break;
    }
    if (moved && (bounds.left != form->Left() || bounds.top != form->Top() || RectWidth(bounds) != form->Width() ||
                  RectHeight(bounds) != form->Height()))
        form->SetBoundsRect(bounds);
    FHoverZone = HitTest(x, y);
    PaintNonClient();
    FLastPoint = POINT{x, y};
}

void TKsCustomForm::FrameMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbRight) {
        FPressedZone = kfzNone;
        return;
    }
    // Releasing the capture reports a capture change, which ends drags:
    // keep the pressed zone for the decision below.
    const TKsFrameZone pressed = FPressedZone;
    if (GetCapture() && GetCapture() == FormHandle())
        ReleaseCapture();
    const TKsFrameZone zone = HitTest(x, y);
    bool done = false;
    if (shift.Contains(ssDouble)) {
        if (FBorderIcons.Contains(kbiMaximize) && pressed == kfzCaption) {
            if (FWindowState == kwsMinimized)
                Restore();
            else
                Maximize();
            done = true;
        } else if (pressed == kfzSysMenu) {
            CloseForm();
            done = true;
        }
    }
    if (!done && zone == pressed) {
        switch (zone) {
        case kfzClose: CloseForm(); break;
        case kfzHelp:
            if (HWND handle = FormHandle())
                SendMessageA(handle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            break;
        case kfzMinimize: Minimize(); break;
        case kfzMaximize: Maximize(); break;
        case kfzRollup: Rollup(); break;
        case kfzTray: MinimizeToTray(); break;
        case kfzSysMenu: ShowSystemMenu(); break;
        default: break;
        }
    }
    FPressedZone = kfzNone;
    if (HasForm())
        PaintNonClient();
}
