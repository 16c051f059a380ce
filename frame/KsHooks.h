#pragma once
// Window hooks: components that see every message of a window before the
// window's own procedure does, and again after it. One TControlHook per
// window subclasses it (GWL_WNDPROC) and offers each message to its
// clients, the TKsHook components watching that window, newest first. The
// process-wide THookList holds the control hooks and a utility window that
// puts a hook back on a window the framework has made again.
//
// A hook that is no longer at the top of the window's chain (somebody
// subclassed after us) cannot take itself out: its procedure keeps
// forwarding to the one it replaced until the window is destroyed.

#include "framework/Component.h"
#include "framework/UtilityWindow.h"
#include "framework/WindowThunk.h"

#include <memory>
#include <vector>

class TCustomForm;
class TKsHook;
class TWinControl;

// Posted to the registry's window, LParam the TControlHook.
enum : UINT {
    RehookMessage = 0xB0DE,       // subclass the re-created window again
    ReleaseHookMessage = 0xB0DF,  // free the control hook if nobody uses it
};

enum THookPhase { hpBefore = 0, hpAfter = 1 };

class TControlHook {
public:
    TControlHook();
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    TWinControl* Target() const { return FTarget; }
    void SetTarget(TWinControl* control);
    // The target is being freed: let its window go and forget it.
    void TargetFreed();

    int ClientCount() const { return static_cast<int>(FClients.size()); }
    TKsHook* Clients(int index) const { return FClients.at(static_cast<size_t>(index)); }
    void AddClient(TKsHook* hook);
    void RemoveClient(TKsHook* hook);

    void Subclass();
    void Unsubclass();
    // Our procedure sits in the target window's chain as installed.
    bool Subclassed() const { return FWindow != nullptr; }
    WNDPROC HookProc() const { return FThunk->Procedure(); }
    WNDPROC PreviousProc() const { return FPreviousProc; }

    void WindowProcedure(HWND window, TMessage& message);
    void Broadcast(THookPhase phase, TMessage& message, bool& handled);

private:
    // Forwards the message down the chain below us.
    void CallPrevious(HWND window, TMessage& message, WNDPROC previous) const;
    // Leaves the current procedure in a chain we cannot leave: it forwards
    // from now on, and this hook takes a fresh one.
    void AbandonProcedure();

    TWinControl* FTarget = nullptr;
    std::unique_ptr<TWindowThunk> FThunk;
    WNDPROC FPreviousProc = nullptr;
    HWND FWindow = nullptr;  // the window our procedure is installed in
    std::vector<TKsHook*> FClients;
    bool FDestroying = false;
};

class THookList {
public:
    THookList();
    ~THookList();
    THookList(const THookList&) = delete;
    THookList& operator=(const THookList&) = delete;

    TControlHook* FindControlHook(const TWinControl* control) const;
    TControlHook* ControlHookFor(TWinControl* control);
    bool Contains(const TControlHook* hook) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    void Remove(TControlHook* hook);
    HWND NotifyWindow() const;

private:
    void WndProc(TMessage& message);

    std::vector<TControlHook*> FItems;
    TUtilityWindow FNotifyWindow;
};

// A window's procedure, read and replaced (both builds).
WNDPROC WindowProcOf(HWND window);
void SetWindowProc(HWND window, WNDPROC procedure);
// Leaves a subclass procedure in a chain another one now sits on top of:
// it forwards to previous from now on and frees itself with the window.
void AbandonProcedure(std::unique_ptr<TWindowThunk> thunk, WNDPROC previous);

THookList* HookRegistry();
// The registry if it exists, without making it.
THookList* ExistingHookRegistry();
void ReleaseHookRegistry();

using THookEvent = TEvent<TKsHook*, TMessage&, bool&>;

class TKsHook : public TComponent {
    DECLARE_CLASS(TKsHook, TComponent)
public:
    explicit TKsHook(TComponent* owner);
    ~TKsHook() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TWinControl* Target() const { return FTarget; }
    void SetTarget(TWinControl* control);
    TWinControl* CurrentTarget() const;
    TControlHook* ControlHook() const { return FControlHook; }

    void Attach();
    void Detach();

    void Notification(TComponent* component, TOperation operation) override;

    THookEvent OnBefore;
    THookEvent OnAfter;

protected:
    friend class TControlHook;
    virtual void DoBefore(TMessage& message, bool& handled);
    virtual void DoAfter(TMessage& message, bool& handled);

private:
    bool FEnabled = true;
    TWinControl* FTarget = nullptr;
    TControlHook* FControlHook = nullptr;
};

// A component that watches its form through a TKsHook and hands the
// form's messages to its own message table (Message(...) in its class
// description); a handler consumes a message with MarkHandled.
class TKsHookComponent : public TComponent {
    DECLARE_CLASS(TKsHookComponent, TComponent)
public:
    explicit TKsHookComponent(TComponent* owner);
    ~TKsHookComponent() override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    void Activate();
    void Deactivate();

    TKsHook* Hook() const { return FHook; }
    TWinControl* Form() const { return FForm; }
    void SetForm(TWinControl* form) { FForm = form; }
    TCustomForm* HookedForm() const;
    HWND FormHandle() const;

    void MarkHandled() { FHandled = true; }
    bool Handled() const { return FHandled; }

    void Loaded() override;
    // Messages without a handler are left alone.
    void DefaultHandler(TMessage& message) override;

protected:
    virtual void MessageProcessed(TKsHook* sender, TMessage& message, bool& handled);

private:
    void HookBefore(TKsHook* sender, TMessage& message, bool& handled);
    void HookAfter(TKsHook* sender, TMessage& message, bool& handled);

    bool FActive = false;
    TKsHook* FHook = nullptr;
    TWinControl* FForm = nullptr;
    bool FHandled = false;
};
