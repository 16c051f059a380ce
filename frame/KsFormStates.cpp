// The skinned frame's window states, its system menu, its tray icon and
// its coupling to the application's minimize and restore.

#include "frame/KsForms.h"

#include "frame/KsItems.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Form.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"
#include "resources/resource.h"

#include <algorithm>
#include <cstring>
#include <vector>

TKsNotifyIconFunction KsNotifyIcon = Shell_NotifyIconA;

namespace {

enum TSystemMenuImage { smiClose, smiMinimize, smiMaximize, smiRestore, smiRollup, smiTray };

// The images of the system menu entries, made on first use.
TImageList& SystemMenuImages()
{
    static TOwned<TImageList> images = [] {
        auto list = MakeOwned<TImageList>(nullptr);
        const char* names[] = {RESOURCE_NAME(RES_KSE_CLOSE),    RESOURCE_NAME(RES_KSE_MINIMIZE),
                               RESOURCE_NAME(RES_KSE_MAXIMIZE), RESOURCE_NAME(RES_KSE_RESTORE),
                               RESOURCE_NAME(RES_KSE_ROLLUP),   RESOURCE_NAME(RES_KSE_TRAY)};
        for (const char* name : names) {
            TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
            bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), name);
            list->AddMasked(*bitmap, clFuchsia);
        }
        return list;
    }();
    return *images;
}

// The frames that minimize and restore with the application. One pair of
// handlers serves them all, so frames may come and go in any order.
class TApplicationCoupling {
public:
    void Join(TKsCustomForm* frame)
    {
        if (std::find(FFrames.begin(), FFrames.end(), frame) != FFrames.end() || !Application)
            return;
        FFrames.push_back(frame);
        if (FInstalled)
            return;
        FSavedMinimize = Application->OnMinimize;
        FSavedRestore = Application->OnRestore;
        Application->OnMinimize = TNotifyEvent::Bind<&TApplicationCoupling::Minimized>(this);
        Application->OnRestore = TNotifyEvent::Bind<&TApplicationCoupling::Restored>(this);
        FInstalled = true;
    }
    void Leave(TKsCustomForm* frame)
    {
        FFrames.erase(std::remove(FFrames.begin(), FFrames.end(), frame), FFrames.end());
        if (!FFrames.empty() || !FInstalled || !Application)
            return;
        Application->OnMinimize = FSavedMinimize;
        Application->OnRestore = FSavedRestore;
        FInstalled = false;
    }

private:
    void Minimized(TObject* sender)
    {
        for (TKsCustomForm* frame : std::vector<TKsCustomForm*>(FFrames))
            if (std::find(FFrames.begin(), FFrames.end(), frame) != FFrames.end())
                frame->ApplicationMinimized();
        FSavedMinimize(sender);
    }
    void Restored(TObject* sender)
    {
        for (TKsCustomForm* frame : std::vector<TKsCustomForm*>(FFrames))
            if (std::find(FFrames.begin(), FFrames.end(), frame) != FFrames.end())
                frame->ApplicationRestored();
        FSavedRestore(sender);
    }

    std::vector<TKsCustomForm*> FFrames;
    TNotifyEvent FSavedMinimize;
    TNotifyEvent FSavedRestore;
    bool FInstalled = false;
};

TApplicationCoupling& Coupling()
{
    static TApplicationCoupling coupling;
    return coupling;
}

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void CopyTip(NOTIFYICONDATAA& data, const std::string& text)
{
    std::memset(data.szTip, 0, sizeof(data.szTip));
    std::strncpy(data.szTip, text.c_str(), sizeof(data.szTip) - 1);
}

}  // namespace

void TKsCustomForm::ApplicationCoupling(bool join)
{
    if (join)
        Coupling().Join(this);
    else
        Coupling().Leave(this);
}

void TKsCustomForm::ApplicationMinimized()
{
    if (FWindowState != kwsMinimized && FWindowState != kwsTray && FMinimizeApplication)
        Minimize();
}

void TKsCustomForm::ApplicationRestored()
{
    if (FWindowState == kwsMinimized && FMinimizeApplication) {
        Restore();
        PaintNonClient();
    }
}

// ---- bounds ----

bool TKsCustomForm::IsModal() const
{
    TCustomForm* form = HookedForm();
    return form && form->FormState().Contains(fsModal);
}

RECT TKsCustomForm::FormBounds() const
{
    TCustomForm* form = HookedForm();
    if (!form)
        return RECT{0, 0, 0, 0};
    return RECT{form->Left(), form->Top(), form->Left() + form->Width(), form->Top() + form->Height()};
}

void TKsCustomForm::SetFormBounds(const RECT& bounds)
{
    if (TCustomForm* form = HookedForm())
        form->SetBoundsRect(bounds);
}

// ---- states ----

void TKsCustomForm::Maximize()
{
    if (!HasForm())
        return;
    if (FWindowState == kwsMaximized) {
        Restore();
        return;
    }
    FPreviousState = FWindowState;
    if (FPreviousState != kwsRollup && FPreviousState != kwsMinimized)
        FSavedBounds = FormBounds();
    // The state first: the maximized frame casts no shadow.
    FWindowState = kwsMaximized;
    SetFormBounds(GetMaximizedBounds());
    RefreshFrame();
    PaintNonClient();
    // Here the parent frame's menu bar would take this child's caption
    // buttons; the program's windows have none.
    if (IsMDIChild())
        UpdateParentCaption();
}

void TKsCustomForm::Minimize()
{
    if (!HasForm() || IsModal())
        return;
    if (FWindowState == kwsMinimized) {
        Restore();
        return;
    }
    FPreviousState = FWindowState;
    FWindowState = kwsMinimized;
    if (FPreviousState != kwsRollup && FPreviousState != kwsMaximized)
        FSavedBounds = FormBounds();
    if (IsMDIChild())
        LeaveMaximizedMDI();
    if (FMinimizeApplication && Application) {
        Application->Minimize();
    } else {
        SetFormBounds(GetMinimizedBounds());
        RefreshFrame();
    }
}

void TKsCustomForm::Rollup()
{
    if (!HasForm())
        return;
    if (FWindowState == kwsRollup) {
        Restore();
        return;
    }
    FPreviousState = FWindowState;
    FWindowState = kwsRollup;
    if (FPreviousState != kwsMinimized && FPreviousState != kwsMaximized)
        FSavedBounds = FormBounds();
    SetFormBounds(GetRollupBounds());
    RefreshFrame();
}

bool TKsCustomForm::AddTrayIcon()
{
    if (!FTrayWindow)
        return false;
    UpdateTrayIcon();
    FTrayIconShown = KsNotifyIcon(NIM_ADD, &FTrayData) != FALSE;
    return FTrayIconShown;
}

void TKsCustomForm::MinimizeToTray()
{
    if (!HasForm() || IsModal())
        return;
    if (FWindowState == kwsTray) {
        Restore();
        return;
    }
    TCustomForm* form = HookedForm();
    const bool withApplication = FMinimizeApplication && Application;
    CopyTip(FTrayData, withApplication ? Application->Title() : form->Caption());
    // The icon first: a window hidden without one could not be reached.
    if (!AddTrayIcon())
        return;
    FPreviousState = FWindowState;
    FWindowState = kwsTray;
    if (FPreviousState == kwsNormal)
        FSavedBounds = FormBounds();
    if (withApplication) {
        Application->Minimize();
        ShowWindow(Application->Handle(), SW_HIDE);
    }
    ShowWindow(FormHandle(), SW_HIDE);
}

void TKsCustomForm::Restore()
{
    if (!HasForm())
        return;
    switch (FWindowState) {
    case kwsNormal:
        if (!IsRectEmpty(&FSavedBounds))
            SetFormBounds(FSavedBounds);
        break;
    case kwsMaximized:
        FWindowState = kwsNormal;
        SetFormBounds(FSavedBounds);
        RefreshFrame();
        if (FPreviousState == kwsRollup) {
            Rollup();
            break;
        }
        // Maximized from minimized: normal now, never stuck in between.
        FPreviousState = kwsNormal;
        if (IsMDIChild())
            LeaveMaximizedMDI();
        break;
    case kwsMinimized:
        if (FMinimizeApplication && Application)
            Application->Restore();
        if (FPreviousState == kwsMaximized || FPreviousState == kwsRollup) {
            const TKsWindowState previous = FPreviousState;
            FWindowState = kwsNormal;
            previous == kwsMaximized ? Maximize() : Rollup();
            FPreviousState = kwsNormal;
        } else {
            FWindowState = kwsNormal;
            SetFormBounds(FSavedBounds);
            RefreshFrame();
        }
        break;
    case kwsRollup:
        if (RectWidth(GetMaximizedBounds()) == FFrameSize.cx || FPreviousState == kwsMaximized) {
            FWindowState = kwsNormal;
            Maximize();
            FPreviousState = kwsNormal;
        } else {
            FWindowState = kwsNormal;
            // Where it was dragged while rolled up, at its earlier size.
            RECT bounds = FormBounds();
            OffsetRect(&FSavedBounds, bounds.left - FSavedBounds.left, bounds.top - FSavedBounds.top);
            SetFormBounds(FSavedBounds);
            RefreshFrame();
        }
        break;
    case kwsTray: {
        const RECT kept = FSavedBounds;
        const TKsWindowState previous = FPreviousState;
        if (FMinimizeApplication && Application) {
            Application->Restore();
            ShowWindow(Application->Handle(), SW_RESTORE);
        }
        ShowWindow(FormHandle(), SW_RESTORE);
        SetForegroundWindow(FormHandle());
        RemoveTrayIcon();
        FWindowState = kwsNormal;
        FSavedBounds = kept;
        if (previous == kwsMaximized || previous == kwsRollup) {
            previous == kwsMaximized ? Maximize() : Rollup();
            FSavedBounds = kept;
        } else {
            SetFormBounds(FSavedBounds);
        }
        FPreviousState = kwsNormal;
        RefreshFrame();
        break;
    }
    }
    PaintNonClient();
}

void TKsCustomForm::CloseForm()
{
    if (!HasForm())
        return;
    TCustomForm* form = HookedForm();
    if (!IsMDIChild() || form->FormState().Contains(fsModal)) {
        form->Close();
        return;
    }
    // OnClose runs once, with minimizing as the child's default.
    const TCloseAction action = form->QueryCloseAction();
    if (action == caMinimize) {
        Minimize();
    } else if (action == caHide || action == caFree) {
        // The parent frame's menu bar would forget the child here.
        RestoreMaximizedSiblings();
        form->CarryOutClose(action);
    }
}

// ---- system menu ----

TKsCustomItem* TKsCustomForm::CreateMenuItem()
{
    return Create<TKsCustomItem>(nullptr);
}

void TKsCustomForm::BuildSystemMenu()
{
    FSystemMenu.reset(CreateMenuItem());
    TKsCustomItem& root = *FSystemMenu;
    auto add = [&](unsigned caption, TSystemMenuImage image, TShortCut shortCut = 0) {
        TKsCustomItem* item = CreateMenuItem();
        item->SetCaption(caption ? LoadStr(caption) : "-");
        item->SetShortCut(shortCut);
        item->SetImages(&SystemMenuImages());
        item->SetImageIndex(caption ? image : -1);
        item->OnClick = TNotifyEvent::Bind<&TKsCustomForm::SystemMenuClick>(this);
        root.Add(item);
    };
    const TKsWindowState state = FWindowState;
    const bool normal = state == kwsNormal;
    const bool maximized = state == kwsMaximized;
    const bool rolled = state == kwsRollup;
    if (!normal)
        add(IDS_RESTORE, smiRestore);
    if (FBorderIcons.Contains(kbiMinimize) && (normal || maximized || rolled))
        add(IDS_MINIMIZE, smiMinimize);
    if (FBorderIcons.Contains(kbiMaximize) && (normal || rolled))
        add(IDS_MAXIMIZE, smiMaximize);
    if (FBorderIcons.Contains(kbiRollup) && (normal || maximized))
        add(IDS_ROLLUP, smiRollup);
    if (FBorderIcons.Contains(kbiTray) && (normal || maximized || rolled))
        add(IDS_MINIMIZE_TO_TRAY, smiTray);
    if (FBorderIcons.Contains(kbiClose)) {
        if (root.Count() > 0)
            add(0, smiClose);
        add(IDS_CLOSE, smiClose, MakeShortCut(VK_F4, scAlt));
    }
    root.SetPopupBlend(FSysMenuBlend);
    root.SetPopupBlendValue(FSysMenuBlendValue);
    root.SetDropShadow(FSysMenuDropShadow);
    root.SetShadowWidth(FSysMenuShadowWidth);
    root.SetShowAnimation(FSysMenuShowAnimation);
    root.SetShowAnimationTime(FSysMenuShowAnimationTime);
}

void TKsCustomForm::SystemMenuClick(TObject* sender)
{
    auto* item = dynamic_cast<TKsCustomItem*>(sender);
    if (!item)
        return;
    const std::string& caption = item->Caption();
    if (caption == LoadStr(IDS_CLOSE))
        CloseForm();
    else if (caption == LoadStr(IDS_MAXIMIZE))
        Maximize();
    else if (caption == LoadStr(IDS_MINIMIZE))
        Minimize();
    else if (caption == LoadStr(IDS_ROLLUP))
        Rollup();
    else if (caption == LoadStr(IDS_MINIMIZE_TO_TRAY))
        MinimizeToTray();
    else if (caption == LoadStr(IDS_RESTORE))
        Restore();
}

void TKsCustomForm::ShowSystemMenu()
{
    // A second request (a tray click seen by the open menu's loop) must
    // not rebuild the tree that menu is showing.
    if (FSystemMenuOpen || !HasForm())
        return;
    TScopedOverride<bool> open(FSystemMenuOpen, true);
    BuildSystemMenu();
    if (!FSystemMenu || FSystemMenu->Count() == 0)
        return;
    POINT point{0, 0};
    if (FWindowState == kwsTray)
        GetCursorPos(&point);
    else
        ClientToScreen(FormHandle(), &point);
    FSystemMenu->Popup(nullptr, point.x, point.y, RECT{0, 0, 0, 0});
}

// ---- tray icon ----

void TKsCustomForm::UpdateTrayIcon()
{
    if (!FTrayWindow)
        return;
    TCustomForm* form = HookedForm();
    HICON icon = nullptr;
    if (form && form->Icon() && !form->Icon()->Empty())
        icon = form->Icon()->Handle();
    if (!icon && Application)
        icon = Application->Icon();
    FTrayData.hIcon = icon;
    if (FTrayIconShown)
        KsNotifyIcon(NIM_MODIFY, &FTrayData);
}

void TKsCustomForm::RemoveTrayIcon()
{
    if (!FTrayWindow || !FTrayIconShown)
        return;
    KsNotifyIcon(NIM_DELETE, &FTrayData);
    FTrayIconShown = false;
}

void TKsCustomForm::TrayWindowProc(TMessage& message)
{
    // The window's creation messages come before its owner pointer is set.
    if (!FTrayWindow) {
        message.Result = message.Msg == WM_NCCREATE ? TRUE : 0;
        return;
    }
    switch (message.Msg) {
    case WM_QUERYENDSESSION: message.Result = 1; return;
    case WM_ENDSESSION: RemoveTrayIcon(); break;
    case KM_TRAYICON:
        if (message.LParam == WM_LBUTTONDBLCLK)
            Restore();
        else if (message.LParam == WM_RBUTTONUP)
            ShowSystemMenu();
        break;
    default:
        // A restarted taskbar has forgotten the icon.
        if (message.Msg == TaskbarCreatedMessage() && FWindowState == kwsTray) {
            FTrayIconShown = KsNotifyIcon(NIM_ADD, &FTrayData) != FALSE;
            return;
        }
        FTrayWindow->DefaultHandler(message);
        return;
    }
}

// ---- messages ----

void TKsCustomForm::WMSysCommand(TMessage& message)
{
    const UINT command = static_cast<UINT>(message.WParam & 0xFFF0);
    if ((command == SC_KEYMENU && message.LParam == ' ') || command == SC_MOUSEMENU) {
        MarkHandled();
        message.Result = 0;
        ShowSystemMenu();
    }
}

void TKsCustomForm::KMMaximize(TMessage&)
{
    MarkHandled();
    Maximize();
}
