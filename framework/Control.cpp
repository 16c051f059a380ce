#include "framework/Control.h"

#include "framework/Action.h"
#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/ScopeGuard.h"
#include "framework/WinControl.h"

IMPLEMENT_ENUM_INFO(TMouseButton, "mbLeft", "mbRight", "mbMiddle")
IMPLEMENT_ENUM_INFO(TShiftStateFlag, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble")
IMPLEMENT_ENUM_INFO(TCursor, "crDefault", "crArrow", "crCross", "crIBeam", "crSizeAll", "crSizeNESW", "crSizeNS",
                    "crSizeNWSE", "crSizeWE", "crUpArrow", "crHourGlass", "crNo", "crAppStart", "crHelp", "crHandPoint")
IMPLEMENT_ENUM_INFO(TControlStyleFlag, "csAcceptsControls", "csCaptureMouse", "csClickEvents", "csSetCaption",
                    "csOpaque", "csDoubleClicks", "csReplicatable", "csReflector")

IMPLEMENT_CLASS(TControl)
{
    Property("Left", &TControl::Left, &TControl::SetLeft);
    Property("Top", &TControl::Top, &TControl::SetTop);
    Property("Width", &TControl::Width, &TControl::SetWidth);
    Property("Height", &TControl::Height, &TControl::SetHeight);
    Property("Caption", &TControl::Caption, &TControl::SetCaption);
    Property("Color", &TControl::Color, &TControl::SetColor, clBtnFace);
    Property("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault);
    Property("Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
    Object("Font", &TControl::Font, &TControl::IsFontStored);
    Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
    Property("Hint", &TControl::Hint, &TControl::SetHint);
    Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false);
    Property("Visible", &TControl::Visible, &TControl::SetVisible, true);
    Event("OnClick", &TControl::OnClick);
    Event("OnDblClick", &TControl::OnDblClick);
    Event("OnMouseDown", &TControl::OnMouseDown);
    Event("OnMouseMove", &TControl::OnMouseMove);
    Event("OnMouseUp", &TControl::OnMouseUp);
    Event("OnMouseEnter", &TControl::OnMouseEnter);
    Event("OnMouseLeave", &TControl::OnMouseLeave);
    Message(WM_LBUTTONDOWN, &TControl::WMLButtonDown);
    Message(WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk);
    Message(WM_LBUTTONUP, &TControl::WMLButtonUp);
    Message(WM_RBUTTONDOWN, &TControl::WMRButtonDown);
    Message(WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk);
    Message(WM_RBUTTONUP, &TControl::WMRButtonUp);
    Message(WM_MBUTTONDOWN, &TControl::WMMButtonDown);
    Message(WM_MBUTTONUP, &TControl::WMMButtonUp);
    Message(WM_MOUSEMOVE, &TControl::WMMouseMove);
    Message(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged);
    Message(CM_VISIBLECHANGED, &TControl::CMVisibleChanged);
    Message(CM_COLORCHANGED, &TControl::CMColorChanged);
    Message(CM_FONTCHANGED, &TControl::CMFontChanged);
    Message(CM_TEXTCHANGED, &TControl::CMTextChanged);
    Message(CM_MOUSEENTER, &TControl::CMMouseEnter);
    Message(CM_MOUSELEAVE, &TControl::CMMouseLeave);
}

namespace {
// A control without a window that holds the capture through its parent.
TControl* CapturedGraphic = nullptr;
}

TShiftState KeyboardShiftState()
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

TShiftState MouseShiftState(WPARAM keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift.Include(ssShift);
    if (keys & MK_CONTROL)
        shift.Include(ssCtrl);
    if (keys & MK_LBUTTON)
        shift.Include(ssLeft);
    if (keys & MK_RBUTTON)
        shift.Include(ssRight);
    if (keys & MK_MBUTTON)
        shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        shift.Include(ssAlt);
    return shift;
}

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0)
        shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        shift.Include(ssCtrl);
    // The context bit: Alt was down when the key was pressed.
    if (keyData & 0x20000000)
        shift.Include(ssAlt);
    return shift;
}

TControl* GetCaptureControl()
{
    TWinControl* holder = FindControl(GetCapture());
    if (holder && CapturedGraphic && CapturedGraphic->Parent() == holder)
        return CapturedGraphic;
    return holder;
}

void SetCaptureControl(TControl* control)
{
    ReleaseCapture();
    CapturedGraphic = nullptr;
    if (!control)
        return;
    TWinControl* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) {
        windowed = control->Parent();
        if (!windowed)
            return;
        CapturedGraphic = control;
    }
    SetCapture(windowed->Handle());
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(MakeOwned<TFont>())
{
    FFont->OnChange = TNotifyEvent::Bind<&TControl::FontChanged>(this);
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
}

TControl::~TControl()
{
    if (CapturedGraphic == this)
        CapturedGraphic = nullptr;
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::BeforeDestruction()
{
    inherited::BeforeDestruction();
    if (MouseCapture())
        SetCaptureControl(nullptr);
    if (CapturedGraphic == this)
        CapturedGraphic = nullptr;
    if (Application)
        Application->ControlDestroying(this);
    // Leave the parent while the whole object still exists, so that the
    // parent's form can forget it as its active control.
    if (FParent) {
        if (FVisible && !FParent->IsDestroying())
            InvalidateControl(true);
        FParent->RemoveControl(this);
    }
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot be its own parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const
{
    return FParent;
}

void TControl::SetParentComponent(TComponent* parent)
{
    SetParent(As<TWinControl>(parent));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    if (FVisible)
        InvalidateControl(true);
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FVisible)
        InvalidateControl(!FControlStyle.Contains(csOpaque));
}

RECT TControl::BoundsRect() const
{
    return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
}

void TControl::SetBoundsRect(const RECT& rect)
{
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

RECT TControl::ClientRect() const
{
    return RECT{0, 0, FWidth, FHeight};
}

int TControl::ClientWidth() const
{
    RECT rect = ClientRect();
    return rect.right - rect.left;
}

int TControl::ClientHeight() const
{
    RECT rect = ClientRect();
    return rect.bottom - rect.top;
}

void TControl::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool parentFont)
{
    if (parentFont == FParentFont)
        return;
    FParentFont = parentFont;
    if (FParentFont)
        ApplyParentFont();
}

void TControl::ApplyParentFont()
{
    if (!FParent)
        return;
    TScopedOverride<bool> applying(FApplyingParentFont, true);
    FFont->Assign(FParent->Font());
}

void TControl::FontChanged(TObject*)
{
    // A font set on the control itself no longer follows the parent's.
    if (!FApplyingParentFont)
        FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetCaption(const std::string& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor cursor)
{
    FCursor = cursor;
}

void TControl::InvalidateControl(bool erase)
{
    // A hidden window is painted whole when it is shown; marking parts of
    // it meanwhile is a round trip to Wine's server for nothing.
    if (!FParent || !FParent->HandleAllocated() || !IsWindowVisible(FParent->Handle()))
        return;
    RECT rect = BoundsRect();
    InvalidateRect(FParent->Handle(), &rect, erase ? TRUE : FALSE);
}

void TControl::Invalidate()
{
    if (FVisible)
        InvalidateControl(!FControlStyle.Contains(csOpaque));
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam)
{
    TMessage msg{message, wParam, lParam, 0};
    WndProc(msg);
    return msg.Result;
}

void TControl::WndProc(TMessage& message)
{
    // A control that does not take double clicks sees a second press.
    if (!FControlStyle.Contains(csDoubleClicks)) {
        switch (message.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN; break;
        }
    }
    Dispatch(message);
}

POINT TControl::ClientOrigin() const
{
    POINT origin{FLeft, FTop};
    if (FParent) {
        POINT parent = FParent->ClientOrigin();
        origin.x += parent.x;
        origin.y += parent.y;
    }
    return origin;
}

POINT TControl::ClientToScreen(POINT point) const
{
    POINT origin = ClientOrigin();
    return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) const
{
    POINT origin = ClientOrigin();
    return POINT{point.x - origin.x, point.y - origin.y};
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture)
{
    if (capture == MouseCapture())
        return;
    SetCaptureControl(capture ? this : nullptr);
}

bool TControl::ContainsPoint(POINT point) const
{
    RECT rect = ClientRect();
    return PtInRect(&rect, point) != FALSE;
}

void TControl::Click()
{
    ClickWithAction(OnClick, FActionLink.get(), this, IsDesigning());
}

bool TControl::RunLinkedAction()
{
    return !IsDesigning() && FActionLink && FActionLink->Execute();
}

TAction* TControl::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TAction* action)
{
    if (RelinkAction<TClientActionLink<TControl>>(this, FActionLink, action))
        ActionChange(action, action->IsLoading());
}

void TControl::ActionChange(TAction* action, bool checkDefaults)
{
    if (!checkDefaults || FCaption.empty() || FCaption == Name())
        SetCaption(action->Caption());
    if (!checkDefaults || FEnabled)
        SetEnabled(action->Enabled());
    if (!checkDefaults || FHint.empty())
        SetHint(action->Hint());
    if (!checkDefaults || FVisible)
        SetVisible(action->Visible());
    if (!checkDefaults || !OnClick)
        OnClick = action->OnExecute();
}

void TControl::Loaded()
{
    inherited::Loaded();
    if (TAction* action = Action())
        ActionChange(action, true);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component && component == Action())
        FActionLink.reset();
}

void TControl::DblClick()
{
    OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseUp(this, button, shift, x, y);
}

void TControl::ButtonDown(TMessage& message, TMouseButton button, bool doubleClick)
{
    if (button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(true);
        if (FControlStyle.Contains(csClickEvents))
            FControlState.Include(csClicked);
        FControlState.Include(csLButtonDown);
        if (doubleClick)
            DblClick();
    }
    POINT point = MessagePoint(message.LParam);
    TShiftState shift = MouseShiftState(message.WParam);
    if (doubleClick)
        shift.Include(ssDouble);
    MouseDown(button, shift, point.x, point.y);
}

void TControl::ButtonUp(TMessage& message, TMouseButton button)
{
    POINT point = MessagePoint(message.LParam);
    if (button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse))
            SetMouseCapture(false);
        FControlState.Exclude(csLButtonDown);
        if (FControlState.Contains(csClicked)) {
            FControlState.Exclude(csClicked);
            if (ContainsPoint(point))
                Click();
        }
    }
    MouseUp(button, MouseShiftState(message.WParam), point.x, point.y);
}

void TControl::WMLButtonDown(TMessage& message)
{
    ButtonDown(message, mbLeft, false);
}

void TControl::WMLButtonDblClk(TMessage& message)
{
    ButtonDown(message, mbLeft, true);
}

void TControl::WMLButtonUp(TMessage& message)
{
    ButtonUp(message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& message)
{
    ButtonDown(message, mbRight, false);
}

void TControl::WMRButtonDblClk(TMessage& message)
{
    ButtonDown(message, mbRight, true);
}

void TControl::WMRButtonUp(TMessage& message)
{
    ButtonUp(message, mbRight);
}

void TControl::WMMButtonDown(TMessage& message)
{
    ButtonDown(message, mbMiddle, false);
}

void TControl::WMMButtonUp(TMessage& message)
{
    ButtonUp(message, mbMiddle);
}

void TControl::WMMouseMove(TMessage& message)
{
    POINT point = MessagePoint(message.LParam);
    MouseMove(MouseShiftState(message.WParam), point.x, point.y);
}

void TControl::CMEnabledChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&)
{
    // Shown or hidden, what lies behind must be drawn again.
    InvalidateControl(true);
}

void TControl::CMColorChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMFontChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMMouseEnter(TMessage&)
{
    OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&)
{
    OnMouseLeave(this);
}
