#include "framework/WinControl.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Form.h"
#include "framework/Screen.h"
#include "framework/Strings.h"

#include <algorithm>
#include <set>

IMPLEMENT_CLASS(TWinControl)
{
    Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
    Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1);
    Event("OnKeyDown", &TWinControl::OnKeyDown);
    Event("OnKeyPress", &TWinControl::OnKeyPress);
    Event("OnKeyUp", &TWinControl::OnKeyUp);
    Message(WM_PAINT, &TWinControl::WMPaint);
    Message(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
    Message(WM_SETFOCUS, &TWinControl::WMSetFocus);
    Message(WM_KILLFOCUS, &TWinControl::WMKillFocus);
    Message(WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged);
    Message(WM_SETCURSOR, &TWinControl::WMSetCursor);
    Message(WM_KEYDOWN, &TWinControl::WMKeyDown);
    Message(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
    Message(WM_KEYUP, &TWinControl::WMKeyUp);
    Message(WM_SYSKEYUP, &TWinControl::WMKeyUp);
    Message(WM_CHAR, &TWinControl::WMChar);
    Message(WM_CANCELMODE, &TWinControl::WMCancelMode);
    Message(WM_CAPTURECHANGED, &TWinControl::WMCaptureChanged);
    Message(WM_SYSCOLORCHANGE, &TWinControl::WMSysColorChange);
    Message(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
    Message(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
    Message(CM_TEXTCHANGED, &TWinControl::CMTextChanged);
    Message(CM_COLORCHANGED, &TWinControl::CMColorChanged);
    Message(CM_FONTCHANGED, &TWinControl::CMFontChanged);
    Message(CM_DIALOGKEY, &TWinControl::CMBroadcast);
    Message(CM_DIALOGCHAR, &TWinControl::CMBroadcast);
    Message(CM_FOCUSCHANGED, &TWinControl::CMBroadcast);
}

namespace {

// The window property that leads from a window to its control.
const char ControlProperty[] = "QuorvelControl";

// The control whose window CreateWindowEx is making: its first messages
// arrive before the window can carry the property.
TWinControl* CreationControl = nullptr;

void RegisterWindowClass(const TCreateParams& params, WNDPROC procedure)
{
    static std::set<std::string> registered;
    if (registered.count(params.WinClassName))
        return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.style = params.WindowClassStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassA(&windowClass))
        throw EOutOfResources(Format("Cannot register the window class %s", params.WinClassName.c_str()));
    registered.insert(params.WinClassName);
}

bool IsWindowed(const TControl* control)
{
    return dynamic_cast<const TWinControl*>(control) != nullptr;
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* control = static_cast<TWinControl*>(GetPropA(window, ControlProperty));
    if (!control) {
        control = CreationControl;
        if (!control)
            return DefWindowProcA(window, msg, wParam, lParam);
        CreationControl = nullptr;
        control->AttachHandle(window);
    }
    TMessage message{msg, wParam, lParam, 0};
    // Exceptions must not unwind through the system's frames.
    try {
        control->WndProc(message);
    } catch (...) {
        if (Application)
            Application->HandleException(control);
    }
    if (msg == WM_NCDESTROY && GetPropA(window, ControlProperty) == control)
        control->DetachHandle();
    return message.Result;
}

TWinControl* FindControl(HWND window)
{
    if (!window)
        return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId())
        return nullptr;
    return static_cast<TWinControl*>(GetPropA(window, ControlProperty));
}

TWinControl* FindControlOfWindow(HWND window)
{
    while (window) {
        if (TWinControl* control = FindControl(window))
            return control;
        // Up through parent windows only, never to an owner.
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
            break;
        window = GetParent(window);
    }
    return nullptr;
}

TWinPaintDC::TWinPaintDC(HWND window, WPARAM suppliedDC) : FWindow(window)
{
    if (suppliedDC) {
        FDC = reinterpret_cast<HDC>(suppliedDC);
    } else {
        FDC = BeginPaint(window, &FPaint);
        FBegun = true;
    }
}

TWinPaintDC::~TWinPaintDC()
{
    if (FBegun)
        EndPaint(FWindow, &FPaint);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    // Reached without Free: make sure no message finds the dead object.
    if (FHandle) {
        HWND window = FHandle;
        RemovePropA(window, ControlProperty);
        FHandle = nullptr;
        DestroyWindow(window);
    }
    while (!FControls.empty())
        FControls.back()->Free();
}

void TWinControl::BeforeDestruction()
{
    inherited::BeforeDestruction();
    DestroyHandle();
    // A parent frees the controls that still sit on it.
    while (!FControls.empty())
        FControls.back()->Free();
}

void TWinControl::AttachHandle(HWND window)
{
    FHandle = window;
    SetPropA(window, ControlProperty, this);
}

void TWinControl::DetachHandle()
{
    if (FHandle)
        RemovePropA(FHandle, ControlProperty);
    FHandle = nullptr;
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateHandle()
{
    if (FHandle)
        return;
    CreateWnd();
    for (size_t i = 0; i < FControls.size(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(FControls[i]))
            child->CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = Caption();
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent()) {
        params.Style = WS_CHILD | WS_CLIPSIBLINGS;
        params.WndParent = Parent()->Handle();
    } else {
        // A control on its own is a popup of the application.
        params.Style = WS_POPUP | WS_CLIPSIBLINGS;
        params.WndParent = Application ? Application->Handle() : nullptr;
    }
    if (ControlStyle().Contains(csAcceptsControls))
        params.Style |= WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (ControlStyle().Contains(csDoubleClicks))
        params.WindowClassStyle |= CS_DBLCLKS;
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation(Format("Control '%s' has no parent window", Name().c_str()));
    RegisterWindowClass(params, ControlWindowProc);
    SetControlState(ControlState() + csCreating);
    CreationControl = this;
    HWND window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                  params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    CreationControl = nullptr;
    SetControlState(ControlState() - csCreating);
    if (!window)
        throw EOutOfResources("Error creating window");
    if (!FHandle)
        AttachHandle(window);
    UpdateBounds();
}

void TWinControl::DestroyWnd()
{
    if (FHandle)
        DestroyWindow(FHandle);
    // WM_NCDESTROY has cleared the handle; a window that would not go is let go.
    DetachHandle();
}

void TWinControl::DestroyHandle()
{
    if (FHandle)
        DestroyWnd();
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    DestroyHandle();
    CreateHandle();
}

void TWinControl::UpdateBounds()
{
    if (!FHandle || IsIconic(FHandle))
        return;
    RECT rect;
    GetWindowRect(FHandle, &rect);
    if (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&rect), 2);
    FLeft = rect.left;
    FTop = rect.top;
    FWidth = rect.right - rect.left;
    FHeight = rect.bottom - rect.top;
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FControls[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control)
{
    if (!control || control->FParent == this)
        return;
    control->FParent = this;
    FControls.push_back(control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed)
        FTabList.push_back(windowed);
    if (control->ParentFont())
        control->ApplyParentFont();
    if (windowed) {
        if (FHandle && !IsLoading())
            windowed->CreateHandle();
    } else {
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control)
{
    auto found = std::find(FControls.begin(), FControls.end(), control);
    if (found == FControls.end())
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->ControlRemoved(control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed) {
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), windowed), FTabList.end());
        // Its window belonged to this one; a new parent makes a new one.
        windowed->DestroyHandle();
    }
    FControls.erase(std::find(FControls.begin(), FControls.end(), control));
    control->FParent = nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* current = control; current; current = current->Parent())
        if (current == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* control = *it;
        if (IsWindowed(control) || !control->Visible() || (!control->Enabled() && !allowDisabled))
            continue;
        RECT bounds = control->BoundsRect();
        if (PtInRect(&bounds, point))
            return control;
    }
    return nullptr;
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->FTabList;
    auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    // While a layout is read the siblings are not all there yet.
    if (IsLoading()) {
        FLoadedTabOrder = order;
        return;
    }
    if (!Parent() || order < 0)
        return;
    auto& list = Parent()->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    size_t position = std::min(static_cast<size_t>(order), list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), this);
}

void TWinControl::FixupTabList()
{
    // Controls with a stored tab order take their places; the others keep
    // their relative order behind them.
    std::vector<TWinControl*> ordered;
    std::vector<TWinControl*> unordered;
    for (TWinControl* child : FTabList)
        (child->FLoadedTabOrder >= 0 ? ordered : unordered).push_back(child);
    std::stable_sort(ordered.begin(), ordered.end(), [](const TWinControl* a, const TWinControl* b) {
        return a->FLoadedTabOrder < b->FLoadedTabOrder;
    });
    for (TWinControl* child : ordered)
        child->FLoadedTabOrder = -1;
    ordered.insert(ordered.end(), unordered.begin(), unordered.end());
    FTabList = ordered;
}

void TWinControl::Loaded()
{
    inherited::Loaded();
    FixupTabList();
    // Read onto a parent that already had its window (a component of the
    // layout made it early): the window comes now, with the read settings.
    if (!FHandle && Parent() && Parent()->HandleAllocated())
        CreateHandle();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int index = found == list.end() ? (forward ? -1 : count) : static_cast<int>(found - list.begin());
    for (int step = 0; step < count; ++step) {
        index = forward ? (index + 1) % count : (index - 1 + count) % count;
        TWinControl* candidate = list[static_cast<size_t>(index)];
        if (candidate == current)
            continue;
        if (checkTabStop && !candidate->TabStop())
            continue;
        if (checkParent && candidate->Parent() != this)
            continue;
        if (candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop, bool checkParent)
{
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop, checkParent))
        next->SetFocus();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm(this);
    // On a form that is not active the control becomes the one focused
    // when the form is activated.
    if (form && form != this && !form->Active()) {
        form->SetActiveControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::Broadcast(TMessage& message)
{
    for (size_t i = 0; i < FControls.size(); ++i) {
        FControls[i]->WndProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::CMBroadcast(TMessage& message)
{
    Broadcast(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION)
        return;
    size_t start = 0;
    if (first) {
        auto found = std::find(FControls.begin(), FControls.end(), first);
        if (found != FControls.end())
            start = static_cast<size_t>(found - FControls.begin());
    }
    for (size_t i = start; i < FControls.size(); ++i) {
        TControl* control = FControls[i];
        if (IsWindowed(control) || !control->Visible())
            continue;
        RECT bounds = control->BoundsRect();
        RECT common;
        if (!IntersectRect(&common, &bounds, &clip))
            continue;
        TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, control->Left(), control->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y)
{
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    RECT client = ClientRect();
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    for (size_t i = 0; i < FControls.size(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(FControls[i]);
        if (child && child->Visible())
            child->PaintTo(dc, child->Left(), child->Top());
    }
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::WMPaint(TMessage& message)
{
    TWinPaintDC dc(FHandle, message.WParam);
    PaintWindow(dc.Get());
    PaintControls(dc.Get());
    message.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (dc) {
        // Made for each erase: a system colour is always the current one.
        TGdiHandle<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Color())));
        RECT client = ClientRect();
        FillRect(dc, &client, brush.Get());
    }
    message.Result = 1;
}

void TWinControl::WMSetFocus(TMessage& message)
{
    DefaultHandler(message);
    if (TCustomForm* form = GetParentForm(this))
        form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message)
{
    DefaultHandler(message);
}

void TWinControl::WMWindowPosChanged(TMessage& message)
{
    UpdateBounds();
    DefaultHandler(message);
}

void TWinControl::WMSetCursor(TMessage& message)
{
    if (LOWORD(message.LParam) == HTCLIENT && reinterpret_cast<HWND>(message.WParam) == FHandle && Screen) {
        TCursor cursor = Cursor();
        POINT point;
        GetCursorPos(&point);
        if (TControl* control = ControlAtPos(ScreenToClient(point)))
            if (control->Cursor() != crDefault)
                cursor = control->Cursor();
        if (cursor != crDefault) {
            ::SetCursor(Screen->Cursors(cursor));
            message.Result = 1;
            return;
        }
    }
    DefaultHandler(message);
}

bool TWinControl::DoKey(TMessage& message, void (TWinControl::*handler)(WORD&, TShiftState))
{
    WORD key = static_cast<WORD>(message.WParam);
    TShiftState shift = KeyDataToShiftState(message.LParam);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        (static_cast<TWinControl*>(form)->*handler)(key, shift);
        if (key == 0)
            return true;
    }
    (this->*handler)(key, shift);
    if (key == 0)
        return true;
    message.WParam = key;
    return false;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    char key = static_cast<char>(message.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        static_cast<TWinControl*>(form)->KeyPress(key);
        if (key == 0)
            return true;
    }
    KeyPress(key);
    if (key == 0)
        return true;
    message.WParam = static_cast<unsigned char>(key);
    return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    OnKeyPress(this, key);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    OnKeyUp(this, key, shift);
}

void TWinControl::WMKeyDown(TMessage& message)
{
    if (!DoKey(message, &TWinControl::KeyDown))
        DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message)
{
    if (!DoKey(message, &TWinControl::KeyUp))
        DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message)
{
    if (!DoKeyPress(message))
        DefaultHandler(message);
}

void TWinControl::WMCancelMode(TMessage& message)
{
    if (GetCapture() == FHandle)
        SetCaptureControl(nullptr);
    DefaultHandler(message);
}

void TWinControl::WMCaptureChanged(TMessage& message)
{
    // Someone else took the capture: a child without a window loses it too.
    if (reinterpret_cast<HWND>(message.LParam) != FHandle) {
        TControl* captured = GetCaptureControl();
        if (captured && captured != this && captured->Parent() == this)
            SetCaptureControl(nullptr);
    }
    DefaultHandler(message);
}

void TWinControl::WMSysColorChange(TMessage& message)
{
    DefaultHandler(message);
    // The system tells top-level windows only: the children hear it here.
    for (size_t i = 0; i < FControls.size(); ++i)
        if (IsWindowed(FControls[i]))
            FControls[i]->Perform(WM_SYSCOLORCHANGE, message.WParam, message.LParam);
    Invalidate();
}

void TWinControl::CMEnabledChanged(TMessage&)
{
    if (FHandle)
        EnableWindow(FHandle, Enabled() ? TRUE : FALSE);
    Invalidate();
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (!FHandle) {
        if (Visible() && Parent() && Parent()->HandleAllocated())
            CreateHandle();
        return;
    }
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, flags | (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMTextChanged(TMessage&)
{
    if (FHandle)
        SetWindowTextA(FHandle, Caption().c_str());
}

void TWinControl::CMColorChanged(TMessage&)
{
    Invalidate();
}

void TWinControl::CMFontChanged(TMessage&)
{
    for (size_t i = 0; i < FControls.size(); ++i)
        if (FControls[i]->ParentFont())
            FControls[i]->ApplyParentFont();
    Invalidate();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    // The window may end up elsewhere (a frame that clamps sizes): the
    // bounds are read back when it reports its new position.
    if (FHandle)
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const
{
    RECT rect{0, 0, Width(), Height()};
    if (FHandle)
        GetClientRect(FHandle, &rect);
    return rect;
}

POINT TWinControl::ClientOrigin() const
{
    POINT origin{0, 0};
    ::ClientToScreen(const_cast<TWinControl*>(this)->Handle(), &origin);
    return origin;
}

void TWinControl::Invalidate()
{
    if (FHandle)
        InvalidateRect(FHandle, nullptr, ControlStyle().Contains(csOpaque) ? FALSE : TRUE);
}

void TWinControl::Update()
{
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::WndProc(TMessage& message)
{
    if (message.Msg >= WM_MOUSEMOVE && message.Msg <= WM_MBUTTONDBLCLK && IsControlMouseMsg(message))
        return;
    inherited::WndProc(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message)
{
    TControl* target = nullptr;
    if (FHandle && GetCapture() == FHandle) {
        TControl* captured = GetCaptureControl();
        if (captured && captured != this && captured->Parent() == this)
            target = captured;
    } else {
        target = ControlAtPos(MessagePoint(message.LParam));
    }
    if (!target)
        return false;
    POINT point = MessagePoint(message.LParam);
    point.x -= target->Left();
    point.y -= target->Top();
    TMessage forwarded{message.Msg, message.WParam, PointToLParam(point), 0};
    target->WndProc(forwarded);
    message.Result = forwarded.Result;
    return true;
}

void TWinControl::DefaultHandler(TMessage& message)
{
    // The framework's own notifications mean nothing to the system.
    if (!FHandle || (message.Msg >= CM_BASE && message.Msg < CM_BASE + 0x100))
        return;
    message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root)
{
    for (TControl* control : FControls)
        if (control->Owner() == root)
            proc(control);
}
