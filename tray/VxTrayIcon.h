#pragma once
// One icon in the notification area of the taskbar: added while Active,
// kept current with Icon and Hint, optionally cycling through the images
// of an image list, and turning the shell's mouse notifications into
// click, double-click and mouse-move events and a popup menu on the right
// button. The icon comes back by itself when the taskbar is re-created.

#include "framework/Component.h"
#include "framework/Control.h"
#include "framework/UtilityWindow.h"
#include "tray/ShellNotifyQueue.h"

#include <windows.h>

#include <string>

class TIcon;
class TImageList;
class TPopupMenu;
class TTimer;

// The message the shell sends to the icon's window for mouse activity.
const UINT TrayCallbackMessage = WM_USER + 1000;

// The tooltip the shell gets for a hint: the text before the first "|",
// at most 63 characters.
std::string TrayTipText(const std::string& hint);

class TVxTrayIcon : public TComponent {
    DECLARE_CLASS(TVxTrayIcon, TComponent)
public:
    explicit TVxTrayIcon(TComponent* owner);
    ~TVxTrayIcon() override;

    // Setting true adds the icon, also when it is already there (that is
    // how it returns after the taskbar is re-created); false removes it.
    bool Active() const { return FActive; }
    void SetActive(bool active);
    // Whether the shell has taken the icon. While Active and not yet
    // added (no taskbar yet, or no resources for it), every new image or
    // hint tries the add again.
    bool Added() const { return FAdded; }
    // Whether the shell took the last record sent and nothing has changed
    // since: false while a change waits for EndUpdate, and after a call
    // the shell refused, so that the next hint sends the record again.
    bool ShellCurrent() const { return FShellCurrent; }
    // Holds the shell calls of new images and hints back until the
    // matching EndUpdate, which sends what the shell doesn't have yet in
    // one call, and tries the add again while the icon isn't in the tray.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Owned; a new image reaches the tray at once unless animating.
    TIcon* Icon() const { return FIcon; }
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool animated);
    TImageList* AnimationList() const { return FAnimationList; }
    void SetAnimationList(TImageList* list);
    unsigned Delay() const { return FDelay; }
    void SetDelay(unsigned delay);
    const std::string& Hint() const { return FHint; }
    // A tip the shell already shows is not sent again.
    void SetHint(const std::string& hint);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    TMouseEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;

    // Whether NIM_MODIFY goes out from a worker thread, so that a new
    // image or tooltip doesn't wait for the shell; the worker starts on it
    // once the message being handled (a tick) is done. Adds and deletes
    // still wait for the shell. Off by default: every call is made at once.
    // A refused modify clears ShellCurrent when its message arrives.
    bool ShellQueued() const { return FShellQueue.Running(); }
    // False when no thread could be had; the calls stay synchronous.
    bool SetShellQueued(bool queued);
    // Returns once the shell has had every record sent to it.
    void WaitForShell() { FShellQueue.Drain(); }

    // The hidden window the shell talks to.
    HWND WindowHandle() const { return FWindow.Handle(); }
    // The animation timer; null unless animating.
    TTimer* AnimationTimer() const { return FTimer; }
    // The message number of "TaskbarCreated", shared by all instances.
    static UINT TaskbarCreatedMessage();

    void Notification(TComponent* component, TOperation operation) override;

protected:
    virtual void DoClick(TMouseButton button, TShiftState shift, int x, int y);
    // Shift, Alt and Ctrl as the keyboard has them now.
    static TShiftState KeyShiftState();

private:
    void TrayWndProc(TMessage& message);
    void HandleTrayMessage(LPARAM mouseMessage);
    void IconChanged(TObject* sender);
    void IconChanging(TObject* sender);
    void AnimationTick(TObject* sender);
    void EnsureIcon();
    // The short form of Hint into the record's tip; true when it changed.
    bool StoreTip();
    // Adds the icon; true when it is in the tray afterwards.
    bool AddIcon();
    // Passes a new image or tip on, or adds the icon if it is not there.
    void UpdateIcon();
    bool Notify(DWORD message);
    // Queues a modify, released to the worker once the message being
    // handled now (a tick) is done.
    void QueueModify();
    void ReleaseShellQueue();
    // The shell refused the queued modify numbered tag.
    void ShellRefused(WPARAM tag);

    bool FActive = false;
    TIcon* FIcon = nullptr;
    bool FAnimated = false;
    TImageList* FAnimationList = nullptr;
    unsigned FDelay = 100;
    std::string FHint;
    TPopupMenu* FPopupMenu = nullptr;
    TTimer* FTimer = nullptr;
    int FFrame = -1;
    // The animation frame the shell was last given: it lives until the
    // next frame, since a new hint sends the record's icon again.
    TIcon* FFrameIcon = nullptr;
    bool FAdded = false;
    bool FShellCurrent = false;
    int FUpdateCount = 0;
    TNotifyIconData FData{};
    // Numbers every shell call, so that a refusal of a queued modify
    // counts only while nothing has been sent after it.
    WPARAM FShellTag = 0;
    bool FReleasePosted = false;
    TUtilityWindow FWindow;
    // Stopped in the destructor, before the window goes.
    TShellNotifyQueue FShellQueue;
};
