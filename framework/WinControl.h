#pragma once
// Windowed controls: a control with a window of its own, made when first
// needed, and a list of child controls. Its window procedure hands every
// message to the class's message tables (Dispatch); what no handler takes
// goes to the window class's original procedure.
//
// The control is found from its window through a window property, never by
// assuming that the window's current procedure is ours: other components
// may subclass the window and chain to us with CallWindowProc, and the
// window may be destroyed and made again (the handle is cleared on
// WM_NCDESTROY).

#include "framework/Control.h"

#include <string>
#include <vector>

// What CreateWnd asks of CreateWindowEx; descendants adjust it in
// CreateParams.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    UINT WindowClassStyle = 0;
    // The registered class: one per framework class name.
    std::string WinClassName;
};

class TWinControl : public TControl {
    DECLARE_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    // The window, made on demand (its parent's first).
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes a new one with the current settings.
    void RecreateWnd();
    // Destroys the window (and the child windows); Handle() makes it again.
    void DestroyHandle();
    // The procedure messages go to when no handler takes them.
    WNDPROC DefWndProc() const { return FDefWndProc; }

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The child that contains the point (client coordinates): a control
    // without a window, visible and, unless allowDisabled, enabled; null
    // when none does. Later children lie above earlier ones.
    TControl* ControlAtPos(POINT point, bool allowDisabled = false) const;
    bool ContainsControl(const TControl* control) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop) { FTabStop = tabStop; }
    // Position among the parent's windowed children in tab order; -1 without
    // a parent.
    int TabOrder() const;
    void SetTabOrder(int order);
    // The focusable descendants in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next control after current in tab order (before it, backwards),
    // wrapping; with checkTabStop only those with TabStop, with checkParent
    // only this control's own children.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent = false) const;
    // Moves the focus to FindNextControl's answer.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop, bool checkParent = false);

    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // Sends the message to every child until one sets a non-zero Result.
    void Broadcast(TMessage& message);

    // Paints the children without a window into dc (this control's client
    // coordinates), from first on (all when null).
    void PaintControls(HDC dc, TControl* first = nullptr);
    // Renders the control and its children into dc with its client corner
    // at (x, y): WM_ERASEBKGND and WM_PAINT with the DC in wParam.
    void PaintTo(HDC dc, int x, int y);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    void Invalidate() override;
    void Update() override;
    POINT ClientOrigin() const override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Makes the window and those of the windowed children.
    void CreateHandle();
    // Reads the bounds back from the window after the system moved it.
    void UpdateBounds();
    // Draws the control itself; the children without a window follow.
    virtual void PaintWindow(HDC dc);

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(WORD& key, TShiftState shift);

private:
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    void AttachHandle(HWND window);
    void DetachHandle();
    bool IsControlMouseMsg(TMessage& message);
    // The form sees keys first when it asks to (KeyPreview). True when a
    // handler took the key (set it to 0).
    bool DoKey(TMessage& message, void (TWinControl::*handler)(WORD&, TShiftState));
    bool DoKeyPress(TMessage& message);
    void FixupTabList();

    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMKeyUp(TMessage& message);
    void WMChar(TMessage& message);
    void WMCancelMode(TMessage& message);
    void WMCaptureChanged(TMessage& message);
    void WMSysColorChange(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMBroadcast(TMessage& message);

    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = DefWindowProcA;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    int FLoadedTabOrder = -1;
};

// The framework control of a window of this process, or null.
TWinControl* FindControl(HWND window);
// The framework control of the window or of its nearest ancestor window.
TWinControl* FindControlOfWindow(HWND window);

// The device context of a WM_PAINT: the one in wParam when the sender
// supplied one (PaintTo, a parent drawing its background), otherwise
// BeginPaint's, ended when the scope ends.
class TWinPaintDC {
public:
    TWinPaintDC(HWND window, WPARAM suppliedDC);
    ~TWinPaintDC();
    TWinPaintDC(const TWinPaintDC&) = delete;
    TWinPaintDC& operator=(const TWinPaintDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    HDC FDC = nullptr;
    bool FBegun = false;
};
