#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Icon.h"
#include "framework/LayoutParser.h"
#include "framework/LayoutReader.h"
#include "framework/MDIClient.h"
#include "framework/MainMenu.h"
#include "framework/ScopeGuard.h"
#include "framework/Screen.h"
#include "framework/Strings.h"
#include "framework/TaskWindows.h"

#include <utility>

IMPLEMENT_ENUM_INFO(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
IMPLEMENT_ENUM_INFO(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
IMPLEMENT_ENUM_INFO(TPosition, "poDesigned", "poScreenCenter")
IMPLEMENT_ENUM_INFO(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")
IMPLEMENT_ENUM_INFO(TCloseAction, "caNone", "caHide", "caFree", "caMinimize")

IMPLEMENT_CLASS(TCustomForm)
{
    Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
             TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, bsSizeable);
    Property("ClientWidth", &TControl::ClientWidth, &TCustomForm::SetClientWidth);
    Property("ClientHeight", &TControl::ClientHeight, &TCustomForm::SetClientHeight);
    Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, fsNormal);
    Object("Icon", &TCustomForm::Icon);
    Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, false);
    Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition, poDesigned);
    Property("Visible", &TControl::Visible, &TCustomForm::SetVisible, false);
    Event("OnCreate", &TCustomForm::OnCreate);
    Event("OnShow", &TCustomForm::OnShow);
    Event("OnHide", &TCustomForm::OnHide);
    Event("OnClose", &TCustomForm::OnClose);
    Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    Event("OnDestroy", &TCustomForm::OnDestroy);
    Message(WM_CLOSE, &TCustomForm::WMClose);
    Message(WM_ACTIVATE, &TCustomForm::WMActivate);
    Message(WM_SETFOCUS, &TCustomForm::WMSetFocus);
    Message(CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged);
    Message(CM_DIALOGKEY, &TCustomForm::CMDialogKey);
    Message(CM_RELEASE, &TCustomForm::CMRelease);
    Message(WM_COMMAND, &TCustomForm::WMMenuMessage);
    Message(WM_MEASUREITEM, &TCustomForm::WMMenuMessage);
    Message(WM_DRAWITEM, &TCustomForm::WMMenuMessage);
    Message(WM_MENUCHAR, &TCustomForm::WMMenuMessage);
}

IMPLEMENT_CLASS(TForm)
{
    Creatable();
}

TCustomForm* GetParentForm(const TControl* control)
{
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

TCustomForm* FindMDIParentForm()
{
    if (Application && Application->MainForm() && Application->MainForm()->FormStyle() == fsMDIForm)
        return Application->MainForm();
    if (!Screen)
        return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->FormStyle() == fsMDIForm && !Screen->Forms(i)->IsDestroying())
            return Screen->Forms(i);
    return nullptr;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), FIcon(MakeOwned<TIcon>())
{
    FIcon->OnChange = TNotifyEvent::Bind<&TCustomForm::IconChanged>(this);
    InitVisible(false);
    SetControlStyle(ControlStyle() + csAcceptsControls);
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    if (Screen)
        Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    inherited::AfterConstruction();
    {
        TScopedInclude<TFormStateFlag> creating(FFormState, fsCreating);
        ReadOwnLayout();
        DoCreate();
    }
    if (FShowAfterCreate) {
        FShowAfterCreate = false;
        SetVisible(true);
    }
}

void TCustomForm::ReadOwnLayout()
{
    const std::string& layoutName = ClassName();
    if (!LayoutResourceExists(layoutName))
        return;
    TLayoutObject tree = ParseLayoutResource(layoutName);
    // A second form of the same class gets a name of its own (frmAbout_1).
    if (Name().empty()) {
        std::string name = tree.Name;
        for (int n = 1; Owner() && Owner()->FindComponent(name); ++n)
            name = tree.Name + "_" + IntToStr(n);
        SetName(name);
    }
    ReadLayout(this, tree, layoutName);
}

void TCustomForm::BeforeDestruction()
{
    Destroying();
    try {
        OnDestroy(this);
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleException(this);
    }
    if (Screen)
        Screen->RemoveForm(this);
    inherited::BeforeDestruction();
}

void TCustomForm::Loaded()
{
    inherited::Loaded();
    // The client size is applied once every component is there, so that a
    // component that changes the frame has done so.
    if (FLoadedClientWidth >= 0)
        SetClientWidth(std::exchange(FLoadedClientWidth, -1));
    if (FLoadedClientHeight >= 0)
        SetClientHeight(std::exchange(FLoadedClientHeight, -1));
}

void TCustomForm::DoCreate()
{
    try {
        OnCreate(this);
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleException(this);
    }
}

void TCustomForm::DoShow()
{
    OnShow(this);
}

void TCustomForm::DoHide()
{
    OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    OnClose(this, action);
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    inherited::CreateParams(params);
    params.Style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    params.ExStyle = 0;
    switch (FBorderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        bool boxes = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
        if (boxes && FBorderIcons.Contains(biMinimize))
            params.Style |= WS_MINIMIZEBOX;
        if (boxes && FBorderIcons.Contains(biMaximize))
            params.Style |= WS_MAXIMIZEBOX;
        if (FBorderStyle == bsDialog && FBorderIcons.Contains(biHelp))
            params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (FFormStyle == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    // Owned by the application window: no taskbar button of its own.
    params.WndParent = Application ? Application->Handle() : nullptr;
    if (FFormStyle == fsMDIChild) {
        // A child of the MDI parent's client window; without one there is
        // no parent window, and making the window fails.
        params.Style = (params.Style & ~WS_POPUP) | WS_CHILD;
        params.ExStyle = (params.ExStyle & ~(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME)) | WS_EX_MDICHILD;
        TCustomForm* parent = FindMDIParentForm();
        if (parent && parent != this)
            parent->HandleNeeded();
        params.WndParent = parent && parent != this ? parent->ClientHandle() : nullptr;
    }
}

RECT TCustomForm::ClientRect() const
{
    if (HandleAllocated())
        return inherited::ClientRect();
    // Without a window, what the frame of the window to be made leaves.
    TCreateParams params;
    const_cast<TCustomForm*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    int width = Width() - (frame.right - frame.left);
    int height = Height() - (frame.bottom - frame.top);
    return RECT{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
}

void TCustomForm::SetClientWidth(int width)
{
    if (IsLoading()) {
        FLoadedClientWidth = width;
        return;
    }
    SetWidth(Width() - ClientWidth() + width);
}

void TCustomForm::SetClientHeight(int height)
{
    if (IsLoading()) {
        FLoadedClientHeight = height;
        return;
    }
    SetHeight(Height() - ClientHeight() + height);
}

void TCustomForm::ChangeFrame()
{
    if (!HandleAllocated())
        return;
    bool shown = IsWindowVisible(Handle()) != FALSE;
    RecreateWnd();
    if (shown)
        ShowWindow(Handle(), SW_SHOWNA);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    ChangeFrame();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    if (icons == FBorderIcons)
        return;
    FBorderIcons = icons;
    ChangeFrame();
}

void TCustomForm::SetFormStyle(TFormStyle style)
{
    if (style == FFormStyle)
        return;
    const bool wasMDI = FFormStyle == fsMDIChild || FFormStyle == fsMDIForm;
    FFormStyle = style;
    if (!HandleAllocated())
        return;
    // Becoming or ceasing to be an MDI window takes a new window.
    if (wasMDI || style == fsMDIChild || style == fsMDIForm) {
        ChangeFrame();
        return;
    }
    SetWindowPos(Handle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TCustomForm::IsMDIChildWindow() const
{
    return FFormStyle == fsMDIChild && HandleAllocated() &&
           (GetWindowLongA(const_cast<TCustomForm*>(this)->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
}

HWND TCustomForm::ClientHandle() const
{
    return FMDIClient ? FMDIClient->Handle() : nullptr;
}

int TCustomForm::MDIChildCount() const
{
    return FMDIClient ? static_cast<int>(FMDIClient->Children().size()) : 0;
}

TCustomForm* TCustomForm::MDIChildren(int index) const
{
    std::vector<HWND> children;
    if (FMDIClient)
        children = FMDIClient->Children();
    if (index < 0 || index >= static_cast<int>(children.size()))
        throw EListError(Format("List index out of bounds (%d)", index));
    return dynamic_cast<TCustomForm*>(FindControl(children[static_cast<size_t>(index)]));
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    return FMDIClient ? dynamic_cast<TCustomForm*>(FindControl(FMDIClient->ActiveChild())) : nullptr;
}

TCustomForm* TCustomForm::MDIParent() const
{
    if (FFormStyle != fsMDIChild)
        return nullptr;
    if (!IsMDIChildWindow())
        return FindMDIParentForm();
    // The form's window lies in the client window, which lies in the parent's.
    HWND client = GetParent(const_cast<TCustomForm*>(this)->Handle());
    return dynamic_cast<TCustomForm*>(FindControl(GetParent(client)));
}

TWindowState TCustomForm::WindowState() const
{
    if (!HandleAllocated())
        return wsNormal;
    HWND window = const_cast<TCustomForm*>(this)->Handle();
    if (IsZoomed(window))
        return wsMaximized;
    return IsIconic(window) ? wsMinimized : wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state)
{
    if (state == WindowState())
        return;
    const int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(Handle(), commands[state]);
}

void TCustomForm::DefaultHandler(TMessage& message)
{
    // The framework's own notifications mean nothing to the system.
    if (HandleAllocated() && (message.Msg < CM_BASE || message.Msg >= CM_BASE + 0x100)) {
        if (FMDIClient) {
            message.Result = DefFrameProcA(Handle(), FMDIClient->Handle(), message.Msg, message.WParam, message.LParam);
            return;
        }
        if (IsMDIChildWindow()) {
            message.Result = DefMDIChildProcA(Handle(), message.Msg, message.WParam, message.LParam);
            return;
        }
    }
    inherited::DefaultHandler(message);
}

bool TCustomForm::Active() const
{
    if (!HandleAllocated())
        return false;
    HWND window = const_cast<TCustomForm*>(this)->Handle();
    // An MDI child is active within its parent, whose window is the active one.
    if (IsMDIChildWindow()) {
        TCustomForm* parent = MDIParent();
        return parent && parent->Active() && parent->ActiveMDIChild() == this;
    }
    return GetActiveWindow() == window;
}

void TCustomForm::ApplyPosition()
{
    if (FPosition != poScreenCenter)
        return;
    int left = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
    SetBounds(left, top, Width(), Height());
}

void TCustomForm::SetVisible(bool visible)
{
    // Shown only once the layout is read and OnCreate has run.
    if (IsLoading() || FFormState.Contains(fsCreating)) {
        FShowAfterCreate = visible;
        return;
    }
    if (visible == Visible())
        return;
    if (FFormState.Contains(fsShowing))
        throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
    inherited::SetVisible(visible);
}

void TCustomForm::CMVisibleChanged(TMessage&)
{
    TScopedInclude<TFormStateFlag> showing(FFormState, fsShowing);
    if (Visible()) {
        HandleNeeded();
        // Placed on its first showing; later it reappears where it was.
        if (!FPlaced) {
            FPlaced = true;
            ApplyPosition();
        }
        DoShow();
        ShowWindow(Handle(), SW_SHOWNORMAL);
    } else {
        DoHide();
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (!HandleAllocated() || !Visible())
        return;
    if (TCustomForm* parent = IsMDIChildWindow() ? MDIParent() : nullptr) {
        if (parent->FMDIClient)
            parent->FMDIClient->Activate(Handle());
        return;
    }
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || FFormState.Contains(fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    if (GetCapture())
        SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    TScopedInclude<TFormStateFlag> modal(FFormState, fsModal);
    HWND activeWindow = GetActiveWindow();
    TModalResult result = mrNone;
    {
        TDisabledTaskWindows disabled(nullptr);
        Show();
        try {
            FModalResult = mrNone;
            do {
                Application->HandleMessage();
                if (Application->Terminated())
                    FModalResult = mrCancel;
                else if (FModalResult != mrNone)
                    CloseModal();
            } while (FModalResult == mrNone);
            result = FModalResult;
        } catch (...) {
            Hide();
            throw;
        }
        Hide();
    }
    if (activeWindow && IsWindow(activeWindow))
        SetActiveWindow(activeWindow);
    return result;
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    switch (action) {
    case caNone: FModalResult = mrNone; break;
    case caFree: Release(); break;
    default: break;
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    CarryOutClose(QueryCloseAction());
}

TCloseAction TCustomForm::QueryCloseAction()
{
    if (!CloseQuery())
        return caNone;
    TCloseAction action = FFormStyle == fsMDIChild ? caMinimize : caHide;
    DoClose(action);
    return action;
}

void TCustomForm::CarryOutClose(TCloseAction action)
{
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize:
        if (HandleAllocated())
            ShowWindow(Handle(), SW_MINIMIZE);
        break;
    case caFree: Release(); break;
    case caNone: break;
    }
}

void TCustomForm::Release()
{
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&)
{
    Free();
}

void TCustomForm::WMClose(TMessage&)
{
    Close();
}

void TCustomForm::WMActivate(TMessage& message)
{
    if (LOWORD(message.WParam) != WA_INACTIVE && Screen)
        Screen->SetActiveForm(this);
    DefaultHandler(message);
}

void TCustomForm::WMSetFocus(TMessage& message)
{
    // The system's MDI code activates a child that gets the focus.
    if (IsMDIChildWindow())
        DefaultHandler(message);
    // The window itself got the focus: hand it on to the active control,
    // or to the first one that takes it.
    TWinControl* target = FActiveControl;
    if (!target || !target->CanFocus())
        target = FindNextControl(nullptr, true, true);
    if (target && target != this && target->CanFocus()) {
        ::SetFocus(target->Handle());
        return;
    }
    DefaultHandler(message);
    SetFocusedControl(this);
}

bool TCustomForm::CanFocus() const
{
    return Visible() && Enabled();
}

void TCustomForm::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control && control != this && GetParentForm(control) != this)
        throw EInvalidOperation("Invalid active control");
    FActiveControl = control == this ? nullptr : control;
    if (!IsLoading() && FActiveControl && Active() && FActiveControl->CanFocus())
        ::SetFocus(FActiveControl->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (control != this)
        FActiveControl = control;
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::ControlRemoved(TControl* control)
{
    if (!FActiveControl)
        return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (FActiveControl == control || (windowed && windowed->ContainsControl(FActiveControl)))
        FActiveControl = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && FActiveControl && component == FActiveControl)
        FActiveControl = nullptr;
    if (operation == opRemove && FMenu && component == FMenu)
        FMenu = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (menu == FMenu)
        return;
    if (FMenu) {
        FMenu->SetWindowHandle(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = menu;
    if (FMenu) {
        FMenu->FreeNotification(this);
        if (HandleAllocated())
            FMenu->SetWindowHandle(Handle());
    }
}

void TCustomForm::SetIcon(const TIcon* icon)
{
    FIcon->Assign(icon);
}

void TCustomForm::IconChanged(TObject*)
{
    if (!HandleAllocated())
        return;
    // The window only refers to the icon: the form keeps owning it. Empty
    // gives the window class's icon back.
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon->Handle()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FIcon->Handle()));
}

void TCustomForm::CreateWnd()
{
    inherited::CreateWnd();
    if (FFormStyle == fsMDIForm)
        FMDIClient = std::make_unique<TMDIClient>(Handle());
    if (!FIcon->Empty())
        IconChanged(this);
    if (FMenu)
        FMenu->SetWindowHandle(Handle());
}

void TCustomForm::DestroyWnd()
{
    // A window destroys the menu it carries: the menu bar leaves first.
    if (FMenu)
        FMenu->SetWindowHandle(nullptr);
    if (FMDIClient) {
        // The children's windows go first, each through its own form, so
        // that no form is left holding a window the system destroyed.
        while (MDIChildCount() > 0) {
            TCustomForm* child = MDIChildren(0);
            if (child)
                child->DestroyHandle();
            else
                FMDIClient->DestroyChild(FMDIClient->Children().front());
        }
        FMDIClient.reset();
    }
    if (IsMDIChildWindow())
        if (TCustomForm* parent = MDIParent(); parent && parent->FMDIClient)
            parent->FMDIClient->DestroyChild(Handle());
    inherited::DestroyWnd();
}

void TCustomForm::WMMenuMessage(TMessage& message)
{
    if (FMenu && FMenu->DispatchMenuMessage(message))
        return;
    InheritedMessage<TCustomForm>(message);
}

void TCustomForm::CMDialogKey(TMessage& message)
{
    // The controls first: a button may claim Enter or Esc.
    InheritedMessage<TCustomForm>(message);
    if (message.Result != 0 || GetKeyState(VK_MENU) < 0)
        return;
    switch (message.WParam) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
            message.Result = 1;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
            bool forward = message.WParam == VK_RIGHT || message.WParam == VK_DOWN;
            FActiveControl->Parent()->SelectNext(FActiveControl, forward, false, true);
            message.Result = 1;
        }
        break;
    }
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root)
{
    inherited::GetChildren(proc, root);
    if (root != this)
        return;
    // The components that sit on no control (timers, menus...).
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent())
            proc(Components(i));
}
