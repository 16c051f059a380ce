#include "tray/VxTrayIcon.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/PopupMenu.h"
#include "framework/ScopeGuard.h"
#include "framework/Timer.h"

#include <algorithm>
#include <iterator>

namespace {

// Every shell call names the same icon and carries message, icon and tip.
const UINT TrayIconId = 0;
const UINT TrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Posted to the tray's own window: the queued modify may go out now.
const UINT ShellReleaseMessage = WM_USER + 1002;

}  // namespace

std::string TrayTipText(const std::string& hint)
{
    std::string tip = hint.substr(0, hint.find('|'));
    if (tip.size() > sizeof(TNotifyIconData::szTip) - 1)
        tip.resize(sizeof(TNotifyIconData::szTip) - 1);
    return tip;
}

IMPLEMENT_CLASS(TVxTrayIcon)
{
    Creatable();
    Property("Active", &TVxTrayIcon::Active, &TVxTrayIcon::SetActive, false);
    Object("Icon", &TVxTrayIcon::Icon);
    Property("Animated", &TVxTrayIcon::Animated, &TVxTrayIcon::SetAnimated, false);
    Property("AnimationList", &TVxTrayIcon::AnimationList, &TVxTrayIcon::SetAnimationList);
    Property("Delay", &TVxTrayIcon::Delay, &TVxTrayIcon::SetDelay, 100u);
    Property("Hint", &TVxTrayIcon::Hint, &TVxTrayIcon::SetHint);
    Property("PopupMenu", &TVxTrayIcon::PopupMenu, &TVxTrayIcon::SetPopupMenu);
    Event("OnClick", &TVxTrayIcon::OnClick);
    Event("OnDblClick", &TVxTrayIcon::OnDblClick);
    Event("OnMouseMove", &TVxTrayIcon::OnMouseMove);
}

UINT TVxTrayIcon::TaskbarCreatedMessage()
{
    // The shell broadcasts this to top-level windows when the taskbar
    // starts again (after Explorer crashed, for one).
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

TVxTrayIcon::TVxTrayIcon(TComponent* owner)
    : TComponent(owner), FWindow(TWndMethod::Bind<&TVxTrayIcon::TrayWndProc>(this))
{
    TaskbarCreatedMessage();
    FIcon = Create<TIcon>();
    FIcon->OnChange = TNotifyEvent::Bind<&TVxTrayIcon::IconChanged>(this);
    FIcon->OnChanging = TNotifyEvent::Bind<&TVxTrayIcon::IconChanging>(this);
}

TVxTrayIcon::~TVxTrayIcon()
{
    SetActive(false);
    if (FAnimated)
        SetAnimated(false);
    FShellQueue.Stop();
    FreeAndNil(FTimer);
    FreeAndNil(FFrameIcon);
    FreeAndNil(FIcon);
}

void TVxTrayIcon::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    // Neither reference is owned: forget a list or menu that goes away.
    if (operation != opRemove)
        return;
    if (component == FAnimationList)
        FAnimationList = nullptr;
    if (component == FPopupMenu)
        FPopupMenu = nullptr;
    if (component == FTimer)
        FTimer = nullptr;
}

bool TVxTrayIcon::SetShellQueued(bool queued)
{
    if (!queued) {
        FShellQueue.Stop();
        return true;
    }
    return FShellQueue.Start();
}

bool TVxTrayIcon::Notify(DWORD message)
{
    ++FShellTag;
    return FShellQueue.Call(message, FData);
}

bool TVxTrayIcon::AddIcon()
{
    // An add fails also for an icon that is still there (activated again
    // without a taskbar restart); a modify that succeeds tells that case.
    bool wasAdded = FAdded;
    FAdded = Notify(NIM_ADD) || (wasAdded && Notify(NIM_MODIFY));
    FShellCurrent = FAdded;
    return FAdded;
}

void TVxTrayIcon::UpdateIcon()
{
    FShellCurrent = false;
    if (FUpdateCount > 0)
        return;
    // Until the shell has taken the icon there is nothing to modify: each
    // change tries the add again, so the icon comes as soon as it can.
    if (FAdded)
        QueueModify();
    else
        AddIcon();
}

void TVxTrayIcon::QueueModify()
{
    FShellCurrent = FShellQueue.Modify(FData, ++FShellTag);
    if (!FShellQueue.Running() || FReleasePosted)
        return;
    FReleasePosted = PostMessageA(FWindow.Handle(), ShellReleaseMessage, 0, 0) != FALSE;
    if (!FReleasePosted)
        FShellQueue.Release();
}

void TVxTrayIcon::ReleaseShellQueue()
{
    FReleasePosted = false;
    FShellQueue.Release();
}

void TVxTrayIcon::ShellRefused(WPARAM tag)
{
    // A later call, taken or not, has its own outcome.
    if (tag == FShellTag)
        FShellCurrent = false;
}

void TVxTrayIcon::EndUpdate()
{
    if (FUpdateCount == 0 || --FUpdateCount > 0)
        return;
    if (IsDesigning() || !FActive || (FAdded && FShellCurrent))
        return;
    UpdateIcon();
}

void TVxTrayIcon::EnsureIcon()
{
    if (!FIcon->Empty() || !Application)
        return;
    auto copy = static_cast<HICON>(CopyImage(Application->Icon(), IMAGE_ICON, 0, 0, 0));
    // Taking the copy must not reach the tray on its own: the caller
    // decides which shell call follows.
    TScopedOverride<TNotifyEvent> silent(FIcon->OnChange, TNotifyEvent());
    FIcon->SetHandle(copy);
}

void TVxTrayIcon::SetActive(bool active)
{
    FActive = active;
    if (IsDesigning())
        return;
    if (active) {
        EnsureIcon();
        FData = TNotifyIconData{};
        FData.cbSize = sizeof(TNotifyIconData);
        FData.hWnd = FWindow.Handle();
        FData.uID = TrayIconId;
        FData.uFlags = TrayIconFlags;
        FData.uCallbackMessage = TrayCallbackMessage;
        FData.hIcon = FIcon->Handle();
        StoreTip();
        AddIcon();
    } else {
        Notify(NIM_DELETE);
        FAdded = false;
        FShellCurrent = false;
    }
}

void TVxTrayIcon::IconChanged(TObject*)
{
    if (IsDesigning() || !FActive || FAnimated)
        return;
    FData.hIcon = FIcon->Handle();
    UpdateIcon();
}

void TVxTrayIcon::IconChanging(TObject*)
{
    // The record on its way to the shell may name the handle that goes.
    FShellQueue.Drain();
}

void TVxTrayIcon::SetHint(const std::string& hint)
{
    FHint = hint;
    if (IsDesigning() || !FActive)
        return;
    // Each call is a round trip to the shell's process; the meter sets
    // the same hint every second, mostly unchanged. What the shell refused
    // or hasn't got yet is sent all the same.
    if (!StoreTip() && FAdded && FShellCurrent)
        return;
    UpdateIcon();
}

bool TVxTrayIcon::StoreTip()
{
    std::string tip = TrayTipText(FHint);
    if (tip == FData.szTip)
        return false;
    std::fill(std::begin(FData.szTip), std::end(FData.szTip), '\0');
    tip.copy(FData.szTip, tip.size());
    return true;
}

void TVxTrayIcon::SetAnimated(bool animated)
{
    FAnimated = animated;
    if (IsDesigning())
        return;
    if (animated) {
        if (!FTimer) {
            FTimer = Create<TTimer>(this);
            FTimer->SetInterval(FDelay);
            FTimer->SetOnTimer(TNotifyEvent::Bind<&TVxTrayIcon::AnimationTick>(this));
        }
        FTimer->SetEnabled(true);
        FFrame = -1;
    } else {
        FreeAndNil(FTimer);
        EnsureIcon();
        // The last frame may still be on its way; the static image's record
        // replaces it in the queue.
        FShellQueue.Drain();
        // Raises the icon's change notification: the static image returns.
        FIcon->Assign(FIcon);
        FreeAndNil(FFrameIcon);
    }
}

void TVxTrayIcon::SetAnimationList(TImageList* list)
{
    ReplaceReference(FAnimationList, list);
}

void TVxTrayIcon::SetDelay(unsigned delay)
{
    FDelay = delay;
    if (FTimer)
        FTimer->SetInterval(delay);
}

void TVxTrayIcon::SetPopupMenu(TPopupMenu* menu)
{
    ReplaceReference(FPopupMenu, menu);
}

void TVxTrayIcon::AnimationTick(TObject*)
{
    if (IsDesigning() || !FActive || !FAnimationList)
        return;
    int count = FAnimationList->Count();
    if (count <= 0)
        return;
    FFrame = FFrame + 1 >= count ? 0 : FFrame + 1;
    TOwned<TIcon> frame = MakeOwned<TIcon>();
    FAnimationList->GetIcon(FFrame, *frame);
    // The previous frame goes only once the shell has the new one, and
    // once no record in flight names it.
    FShellQueue.Drain();
    FData.hIcon = frame->Handle();
    UpdateIcon();
    FreeAndNil(FFrameIcon);
    FFrameIcon = frame.release();
}

TShiftState TVxTrayIcon::KeyShiftState()
{
    return KeyboardShiftState();
}

void TVxTrayIcon::DoClick(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbRight && FPopupMenu) {
        // A tray menu closes on a click elsewhere only when its owner is
        // the foreground window; the posted null message makes the
        // system switch tasks properly once the menu has closed.
        HWND window = FWindow.Handle();
        SetForegroundWindow(window);
        FPopupMenu->Popup(x, y);
        PostMessageA(window, WM_NULL, 0, 0);
        Application->ProcessMessages();
        return;
    }
    OnClick(this, button, shift, x, y);
}

void TVxTrayIcon::HandleTrayMessage(LPARAM mouseMessage)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    switch (mouseMessage) {
    case WM_MOUSEMOVE: OnMouseMove(this, KeyShiftState(), cursor.x, cursor.y); break;
    case WM_LBUTTONUP: DoClick(mbLeft, KeyShiftState() + ssLeft, cursor.x, cursor.y); break;
    case WM_LBUTTONDBLCLK: OnDblClick(this); break;
    case WM_RBUTTONUP: DoClick(mbRight, KeyShiftState() + ssRight, cursor.x, cursor.y); break;
    case WM_MBUTTONUP: DoClick(mbMiddle, KeyShiftState() + ssMiddle, cursor.x, cursor.y); break;
    default: break;
    }
}

void TVxTrayIcon::TrayWndProc(TMessage& message)
{
    try {
        if (message.Msg == TrayCallbackMessage)
            HandleTrayMessage(message.LParam);
        else if (message.Msg == TaskbarCreatedMessage())
            SetActive(FActive);
        else if (message.Msg == ShellModifyRefusedMessage)
            ShellRefused(message.WParam);
        else if (message.Msg == ShellReleaseMessage)
            ReleaseShellQueue();
        else
            FWindow.DefaultHandler(message);
    } catch (...) {
        Application->HandleException(this);
    }
}
