#pragma once
// Controls: components with a place on a parent window, bounds, colour,
// font, caption, cursor, mouse handling and a click. TControl itself has no
// window: it paints on its parent's surface and receives mouse input from
// its parent (TGraphicControl). Windowed controls are TWinControl.

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/EnumInfo.h"
#include "framework/Font.h"
#include "framework/Message.h"
#include "framework/Set.h"

#include <windows.h>

#include <string>

class TAction;
class TActionLink;
class TWinControl;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
DECLARE_ENUM_INFO(TMouseButton)

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
DECLARE_ENUM_INFO(TShiftStateFlag)
using TShiftState = TSet<TShiftStateFlag>;

// The shift keys held now, as the keyboard reports them.
TShiftState KeyboardShiftState();
// Shift keys and mouse buttons from a mouse message's wParam.
TShiftState MouseShiftState(WPARAM keys);
// Shift keys of a key message's lParam (Alt from the context bit).
TShiftState KeyDataToShiftState(LPARAM keyData);

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;

// Mouse pointers by name; Screen->Cursors() gives their handles.
enum TCursor {
    crDefault,  // the parent's, or the arrow
    crArrow,
    crCross,
    crIBeam,
    crSizeAll,
    crSizeNESW,
    crSizeNS,
    crSizeNWSE,
    crSizeWE,
    crUpArrow,
    crHourGlass,
    crNo,
    crAppStart,
    crHelp,
    crHandPoint,
};
DECLARE_ENUM_INFO(TCursor)

// What a control class is like, as the framework and descendants read it.
enum TControlStyleFlag {
    csAcceptsControls,  // other controls may sit on it
    csCaptureMouse,     // holds the mouse from button down to button up
    csClickEvents,      // a press and release inside it is a Click
    csSetCaption,       // takes its name as caption when designed
    csOpaque,           // paints its whole area: nothing behind needs erasing
    csDoubleClicks,     // receives double clicks as such
    csReplicatable,     // may be drawn as a copy of itself
    csReflector,        // answers notifications reflected from the system
};
DECLARE_ENUM_INFO(TControlStyleFlag)
using TControlStyle = TSet<TControlStyleFlag>;

// What is happening to a control now.
enum TControlStateFlag {
    csLButtonDown,  // the left button went down on it
    csClicked,      // a press that may become a Click
    csFocusing,     // the focus is being moved to it
    csCreating,     // its window is being made
};
using TControlState = TSet<TControlStateFlag>;

class TControl : public TComponent {
    DECLARE_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    void BeforeDestruction() override;

    // The windowed control this one sits on; null for top-level windows and
    // controls not placed yet.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
    void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
    void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
    void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    // In the parent's client coordinates (the screen's for top-level windows).
    RECT BoundsRect() const;
    void SetBoundsRect(const RECT& rect);
    // (0, 0, client width, client height).
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* font) { FFont->Assign(font); }
    // The font follows the parent's until it is changed on its own.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);
    // A layout keeps the font only when it is the control's own.
    bool IsFontStored() const { return !FParentFont; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return FCaption; }
    void SetText(const std::string& text) { SetCaption(text); }

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool show) { FShowHint = show; }

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle style) { FControlStyle = style; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState state) { FControlState = state; }

    // Asks for a repaint of the control's area.
    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    void Repaint();

    // Sends a message straight to the control's handling.
    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Every message of the control passes here, then through Dispatch.
    virtual void WndProc(TMessage& message);

    // Screen position of the client area's corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;

    // Mouse capture: while set, mouse input goes to this control.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // Whether the point (client coordinates) lies on the control.
    bool ContainsPoint(POINT point) const;

    // OnClick, or the linked action when OnClick is not a handler of the
    // control's own.
    virtual void Click();

    // The action the control shows and runs; not owned.
    TAction* Action() const;
    void SetAction(TAction* action);
    // Takes the action's caption, enabled state, hint, visibility and
    // handler; with checkDefaults only where the control still has its
    // defaults (reading a layout, the values read are kept). Descendants
    // that show more of the action add to it.
    virtual void ActionChange(TAction* action, bool checkDefaults);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    // Raised by the CM_MOUSEENTER / CM_MOUSELEAVE handlers of TControl: a
    // descendant that handles those messages and passes them on must not
    // raise the events again.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // Layout nesting: controls are stored inside their parent.
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    // Copies the parent's font (used by the parent when its font changes).
    void ApplyParentFont();

protected:
    // Sets the initial visibility without the notification (forms start hidden).
    void InitVisible(bool visible) { FVisible = visible; }
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // Redraws the control's rectangle on the parent; erase when the control
    // does not cover it whole.
    void InvalidateControl(bool erase);
    // Runs the linked action (never while designing); false when none ran.
    bool RunLinkedAction();

private:
    friend class TWinControl;
    void FontChanged(TObject* sender);
    void ButtonDown(TMessage& message, TMouseButton button, bool doubleClick);
    void ButtonUp(TMessage& message, TMouseButton button);

    void WMLButtonDown(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMRButtonDown(TMessage& message);
    void WMRButtonDblClk(TMessage& message);
    void WMRButtonUp(TMessage& message);
    void WMMButtonDown(TMessage& message);
    void WMMButtonUp(TMessage& message);
    void WMMouseMove(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    TOwned<TFont> FFont;
    bool FParentFont = true;
    bool FApplyingParentFont = false;
    std::string FCaption;
    std::string FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    TControlStyle FControlStyle;
    TControlState FControlState;
    TOwned<TActionLink> FActionLink;
};

// The control holding the mouse capture, or null.
TControl* GetCaptureControl();
// Gives the capture to control (null releases it). A control without a
// window captures through its parent.
void SetCaptureControl(TControl* control);

// Low and high word of a mouse message's lParam, signed.
inline POINT MessagePoint(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
inline LPARAM PointToLParam(POINT point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}
