#pragma once
// Forms: the program's top-level windows. A form reads its stored layout
// (the RCDATA resource named after its class) when it is created, then
// raises OnCreate. Forms are owned windows of the application window, so
// they have no taskbar buttons of their own. A form can be shown modally:
// ShowModal runs a message loop of its own until ModalResult is set, with
// the application's other windows disabled meanwhile.
//
// A form with FormStyle fsMDIForm is an MDI parent: its client area is an
// MDI client window (ClientHandle) and its default processing is the
// system's frame procedure. A form with fsMDIChild lives in the MDI
// parent's client window and defaults to the system's MDI child procedure.

#include "framework/WinControl.h"

#include <memory>

class TIcon;
class TMDIClient;
class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
DECLARE_ENUM_INFO(TFormBorderStyle)

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
DECLARE_ENUM_INFO(TBorderIcon)
using TBorderIcons = TSet<TBorderIcon>;

// Where a form appears when first shown.
enum TPosition { poDesigned, poScreenCenter };
DECLARE_ENUM_INFO(TPosition)

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
DECLARE_ENUM_INFO(TFormStyle)

enum TCloseAction { caNone, caHide, caFree, caMinimize };
DECLARE_ENUM_INFO(TCloseAction)

// The state of a form's window as the system shows it.
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

enum TFormStateFlag { fsCreating, fsShowing, fsModal };
using TFormState = TSet<TFormStateFlag>;

using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrAbort = IDABORT,
    mrRetry = IDRETRY,
    mrIgnore = IDIGNORE,
    mrYes = IDYES,
    mrNo = IDNO,
    mrAll = IDNO + 1,
};

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TCustomForm : public TWinControl {
    DECLARE_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;

    void SetClientWidth(int width);
    void SetClientHeight(int height);
    RECT ClientRect() const override;

    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool preview) { FKeyPreview = preview; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    // An MDI parent form's client window, or null.
    HWND ClientHandle() const;
    // An MDI parent form's child forms, front to back.
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    TCustomForm* ActiveMDIChild() const;
    // An MDI child form's parent form (the form its window lives in, or
    // the one it will live in); null for other forms.
    TCustomForm* MDIParent() const;
    // What the system shows: an MDI child maximized by the system is
    // zoomed in its parent's client window.
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);

    TFormState FormState() const { return FFormState; }
    // The form's window is the active window.
    bool Active() const;

    // Shows the form, brings it to the front and activates it.
    void Show();
    void SetVisible(bool visible) override;
    // Runs the form modally; returns its ModalResult.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    // A modal form ends its loop with mrCancel; any other asks CloseQuery
    // and OnClose and then hides, minimizes or frees itself (the main form
    // ends the program instead).
    void Close();
    // The first half of Close: CloseQuery, then OnClose with the default
    // action (caMinimize for an MDI child, caHide otherwise); caNone when
    // the form refuses. CarryOutClose does what the action says.
    TCloseAction QueryCloseAction();
    void CarryOutClose(TCloseAction action);
    virtual bool CloseQuery();
    // Frees the form once the messages now queued have been handled, so
    // that it may be called from the form's own event handlers.
    void Release();

    // The control that has (or gets, on activation) the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Called when a control of the form receives the focus: records it and
    // tells every control of the form (CM_FOCUSCHANGED, LParam: control).
    void SetFocusedControl(TWinControl* control);
    // A control leaves the form: it can no longer be the active control.
    void ControlRemoved(TControl* control);

    bool CanFocus() const override;
    void SetFocus() override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;
    void DefaultHandler(TMessage& message) override;

    // The menu bar in the form's window (not owned); the form passes its
    // menu messages to it.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);
    // The window's icon (owned); while empty, the window class's.
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(const TIcon* icon);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void DoCreate();
    void CreateWnd() override;
    void DestroyWnd() override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

private:
    void ReadOwnLayout();
    void CloseModal();
    void ApplyPosition();
    void ChangeFrame();
    bool IsMDIChildWindow() const;

    void WMClose(TMessage& message);
    void WMActivate(TMessage& message);
    void WMSetFocus(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMDialogKey(TMessage& message);
    void CMRelease(TMessage& message);
    void WMMenuMessage(TMessage& message);
    void IconChanged(TObject* sender);

    TWinControl* FActiveControl = nullptr;
    TMainMenu* FMenu = nullptr;
    TOwned<TIcon> FIcon;
    std::unique_ptr<TMDIClient> FMDIClient;
    TPosition FPosition = poDesigned;
    bool FKeyPreview = false;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TFormState FFormState;
    TModalResult FModalResult = mrNone;
    int FLoadedClientWidth = -1;
    int FLoadedClientHeight = -1;
    bool FShowAfterCreate = false;
    bool FPlaced = false;
};

// The form a program declares: TfrmDetails : public TForm.
class TForm : public TCustomForm {
    DECLARE_CLASS(TForm, TCustomForm)
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// The form the control sits on (the top of its parent chain), or null.
TCustomForm* GetParentForm(const TControl* control);

// The application's MDI parent form: the main form when it is one, else
// the first MDI parent form on the screen; null when there is none.
TCustomForm* FindMDIParentForm();
