#include "frame/KsHooks.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Finalization.h"
#include "framework/Form.h"
#include "framework/ScopeGuard.h"

#include <algorithm>

IMPLEMENT_CLASS(TKsHook) {}

IMPLEMENT_CLASS(TKsHookComponent) {}

namespace {

THookList* Registry = nullptr;

// Reports an exception of a client and carries on.
void ReportClientError(TObject* sender)
{
    if (Application)
        Application->HandleException(sender);
}

}  // namespace

// The Ptr forms are the plain ones in a 32-bit build (the imports stay
// SetWindowLongA and GetWindowLongA) and keep the x86-64 build correct.
WNDPROC WindowProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

void SetWindowProc(HWND window, WNDPROC procedure)
{
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

namespace {

// A hook procedure left behind in a chain somebody else now sits on top
// of: it passes every message on and frees itself with the window.
class TAbandonedProcedure {
public:
    TAbandonedProcedure(std::unique_ptr<TWindowThunk> thunk, WNDPROC previous)
        : FThunk(std::move(thunk)), FPrevious(previous)
    {
        FThunk->Rebind(TThunkMethod::Bind<&TAbandonedProcedure::WindowProcedure>(this));
    }

private:
    void WindowProcedure(HWND window, TMessage& message)
    {
        message.Result = CallWindowProcA(FPrevious, window, message.Msg, message.WParam, message.LParam);
        if (message.Msg == WM_NCDESTROY)
            delete this;  // the window is gone: nobody can call us any more
    }

    std::unique_ptr<TWindowThunk> FThunk;
    WNDPROC FPrevious;
};

}  // namespace

void AbandonProcedure(std::unique_ptr<TWindowThunk> thunk, WNDPROC previous)
{
    new TAbandonedProcedure(std::move(thunk), previous);
}

// ---- TControlHook ----

TControlHook::TControlHook()
    : FThunk(std::make_unique<TWindowThunk>(TThunkMethod::Bind<&TControlHook::WindowProcedure>(this)))
{
}

TControlHook::~TControlHook()
{
    FDestroying = true;
    if (Registry && Registry->Contains(this))
        Registry->Remove(this);
    while (!FClients.empty())
        RemoveClient(FClients.back());
    SetTarget(nullptr);
    // A procedure still chained below somebody else's keeps forwarding.
    if (FWindow)
        AbandonProcedure();
}

void TControlHook::SetTarget(TWinControl* control)
{
    if (control == FTarget)
        return;
    Unsubclass();
    FTarget = control;
    if (!FClients.empty())
        Subclass();
}

void TControlHook::TargetFreed()
{
    Unsubclass();
    FTarget = nullptr;
}

void TControlHook::AddClient(TKsHook* hook)
{
    if (std::find(FClients.begin(), FClients.end(), hook) == FClients.end()) {
        FClients.push_back(hook);
        hook->FControlHook = this;
        SetTarget(hook->Target());
    }
    Subclass();
}

void TControlHook::RemoveClient(TKsHook* hook)
{
    hook->FControlHook = nullptr;
    auto found = std::find(FClients.begin(), FClients.end(), hook);
    if (found != FClients.end())
        FClients.erase(found);
    if (FClients.empty())
        Unsubclass();
}

void TControlHook::Subclass()
{
    if (!FTarget || FTarget->IsDesigning() || FTarget->IsDestroying() || FDestroying)
        return;
    HWND window = FTarget->Handle();
    if (!window)
        return;
    WNDPROC current = WindowProcOf(window);
    if (current == HookProc())
        return;
    // Still chained below somebody else (in this window or a gone one):
    // that procedure stays where it is and forwards; we take a new one.
    if (FWindow)
        AbandonProcedure();
    FPreviousProc = current;
    SetWindowProc(window, HookProc());
    FWindow = window;
}

void TControlHook::Unsubclass()
{
    // PreviousProc first: the target may be going away when it is null.
    if (FPreviousProc && FWindow && IsWindow(FWindow)) {
        if (WindowProcOf(FWindow) == HookProc())
            SetWindowProc(FWindow, FPreviousProc);
        else
            AbandonProcedure();
    }
    FWindow = nullptr;
    FPreviousProc = nullptr;
}

void TControlHook::AbandonProcedure()
{
    if (FWindow && IsWindow(FWindow))
        ::AbandonProcedure(std::move(FThunk), FPreviousProc);
    if (!FThunk)
        FThunk = std::make_unique<TWindowThunk>(TThunkMethod::Bind<&TControlHook::WindowProcedure>(this));
    FWindow = nullptr;
}

void TControlHook::CallPrevious(HWND window, TMessage& message, WNDPROC previous) const
{
    if (previous)
        message.Result = CallWindowProcA(previous, window, message.Msg, message.WParam, message.LParam);
    else if (FTarget)
        message.Result = CallWindowProcA(FTarget->DefWndProc(), window, message.Msg, message.WParam, message.LParam);
    else
        message.Result = DefWindowProcA(window, message.Msg, message.WParam, message.LParam);
}

void TControlHook::WindowProcedure(HWND window, TMessage& message)
{
    // The procedure below us as it was when the message came: clients may
    // take the hook off while they are asked.
    const WNDPROC previous = FPreviousProc;
    if (!FTarget || window != FWindow) {
        CallPrevious(window, message, previous);
        return;
    }
    bool handled = false;
    if (message.Msg != WM_QUIT)
        Broadcast(hpBefore, message, handled);
    if (!handled || message.Msg == WM_DESTROY) {
        CallPrevious(window, message, previous);
        // WM_DESTROY comes here even when consumed: every client hears of it.
        bool afterHandled = false;
        Broadcast(hpAfter, message, afterHandled);
    }
    if (message.Msg == WM_DESTROY) {
        Unsubclass();
        THookList* registry = ExistingHookRegistry();
        if (registry && !FDestroying && FTarget && !FTarget->IsDestroying())
            PostMessageA(registry->NotifyWindow(), RehookMessage, 0, reinterpret_cast<LPARAM>(this));
    }
}

void TControlHook::Broadcast(THookPhase phase, TMessage& message, bool& handled)
{
    if (FClients.empty() || !FTarget || FDestroying || FTarget->IsDestroying())
        return;
    // A copy: clients may come and go while they are called.
    std::vector<TKsHook*> clients = FClients;
    for (auto it = clients.rbegin(); it != clients.rend(); ++it) {
        TKsHook* client = *it;
        if (std::find(FClients.begin(), FClients.end(), client) == FClients.end())
            continue;
        try {
            if (phase == hpBefore)
                client->DoBefore(message, handled);
            else
                client->DoAfter(message, handled);
        } catch (...) {
            ReportClientError(client);
        }
        if (handled)
            break;
    }
}

// ---- THookList ----

THookList::THookList() : FNotifyWindow(TWndMethod::Bind<&THookList::WndProc>(this)) {}

THookList::~THookList()
{
    while (!FItems.empty()) {
        TControlHook* hook = FItems.back();
        FItems.pop_back();
        delete hook;
    }
}

TControlHook* THookList::FindControlHook(const TWinControl* control) const
{
    if (!control)
        return nullptr;
    for (TControlHook* hook : FItems)
        if (hook->Target() == control)
            return hook;
    return nullptr;
}

TControlHook* THookList::ControlHookFor(TWinControl* control)
{
    if (TControlHook* existing = FindControlHook(control))
        return existing;
    auto* hook = new TControlHook();
    FItems.push_back(hook);
    try {
        hook->SetTarget(control);
    } catch (...) {
        delete hook;
        throw;
    }
    return hook;
}

bool THookList::Contains(const TControlHook* hook) const
{
    return std::find(FItems.begin(), FItems.end(), hook) != FItems.end();
}

void THookList::Remove(TControlHook* hook)
{
    auto found = std::find(FItems.begin(), FItems.end(), hook);
    if (found != FItems.end())
        FItems.erase(found);
}

HWND THookList::NotifyWindow() const
{
    return FNotifyWindow.Handle();
}

void THookList::WndProc(TMessage& message)
{
    auto* hook = reinterpret_cast<TControlHook*>(message.LParam);
    switch (message.Msg) {
    case RehookMessage:
        if (Contains(hook))
            hook->Subclass();
        break;
    case ReleaseHookMessage:
        if (Contains(hook) && hook->ClientCount() == 0)
            delete hook;
        break;
    default: FNotifyWindow.DefaultHandler(message);
    }
}

THookList* HookRegistry()
{
    if (!Registry) {
        Registry = new THookList();
        RegisterFinalizer(&ReleaseHookRegistry);
    }
    return Registry;
}

THookList* ExistingHookRegistry()
{
    return Registry;
}

void ReleaseHookRegistry()
{
    THookList* doomed = Registry;
    Registry = nullptr;
    delete doomed;
}

// ---- TKsHook ----

TKsHook::TKsHook(TComponent* owner) : TComponent(owner) {}

TKsHook::~TKsHook()
{
    SetEnabled(false);
    SetTarget(nullptr);
}

TWinControl* TKsHook::CurrentTarget() const
{
    return FControlHook ? FControlHook->Target() : FTarget;
}

void TKsHook::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    if (value)
        Attach();
    else
        Detach();
}

void TKsHook::SetTarget(TWinControl* control)
{
    if (control == CurrentTarget())
        return;
    bool wasEnabled = FEnabled;
    Detach();
    if (FTarget)
        FTarget->RemoveFreeNotification(this);
    FTarget = control;
    if (FTarget)
        FTarget->FreeNotification(this);
    if (wasEnabled)
        Attach();
}

void TKsHook::Attach()
{
    if (FTarget && !IsDestroying())
        HookRegistry()->ControlHookFor(FTarget)->AddClient(this);
    FEnabled = true;
}

void TKsHook::Detach()
{
    TControlHook* old = FControlHook;
    if (old)
        old->RemoveClient(this);
    FEnabled = false;
    // Freed later, not now: its procedure may be on the stack.
    THookList* registry = ExistingHookRegistry();
    if (old && registry && registry->Contains(old) && old->ClientCount() == 0)
        PostMessageA(registry->NotifyWindow(), ReleaseHookMessage, 0, reinterpret_cast<LPARAM>(old));
}

void TKsHook::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FTarget) {
        // The control is half gone: its hook must not touch it any more.
        if (FControlHook && FControlHook->Target() == component)
            FControlHook->TargetFreed();
        SetTarget(nullptr);
    }
}

void TKsHook::DoBefore(TMessage& message, bool& handled)
{
    OnBefore(this, message, handled);
}

void TKsHook::DoAfter(TMessage& message, bool& handled)
{
    OnAfter(this, message, handled);
}

// ---- TKsHookComponent ----

TKsHookComponent::TKsHookComponent(TComponent* owner) : TComponent(owner)
{
    FHook = Create<TKsHook>(this);
    FHook->OnBefore = THookEvent::Bind<&TKsHookComponent::HookBefore>(this);
    FHook->OnAfter = THookEvent::Bind<&TKsHookComponent::HookAfter>(this);
}

TKsHookComponent::~TKsHookComponent()
{
    FreeAndNil(FHook);
}

void TKsHookComponent::SetActive(bool value)
{
    if (value == FActive)
        return;
    FActive = value;
    // A component being read waits for Loaded: its form may not be complete.
    if (IsLoading())
        return;
    if (value)
        Activate();
    else
        Deactivate();
}

void TKsHookComponent::Activate()
{
    if (!FHook)
        return;
    FHook->SetTarget(FForm);
    FHook->SetEnabled(true);
    FActive = true;
}

void TKsHookComponent::Deactivate()
{
    if (FHook)
        FHook->SetEnabled(false);
    FActive = false;
}

TCustomForm* TKsHookComponent::HookedForm() const
{
    if (!FHook || !FHook->CurrentTarget())
        return nullptr;
    return As<TCustomForm>(FHook->CurrentTarget());
}

HWND TKsHookComponent::FormHandle() const
{
    TCustomForm* form = HookedForm();
    return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TKsHookComponent::Loaded()
{
    inherited::Loaded();
    if (FActive)
        Activate();
}

void TKsHookComponent::DefaultHandler(TMessage&) {}

void TKsHookComponent::MessageProcessed(TKsHook*, TMessage&, bool&) {}

void TKsHookComponent::HookBefore(TKsHook*, TMessage& message, bool& handled)
{
    // A handler may send messages that come back here before it returns
    // (activating the window, say): the mark it made stays its own.
    const bool enclosing = FHandled;
    TScopeGuard restore([&] {
        handled = FHandled;
        FHandled = enclosing;
    });
    FHandled = handled;
    Dispatch(message);
}

void TKsHookComponent::HookAfter(TKsHook* sender, TMessage& message, bool& handled)
{
    MessageProcessed(sender, message, handled);
}
