#include "frame/KsHooks.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Form.h"
#include "tests/support/BoxRecorder.h"
#include "tests/support/MessagePump.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

const UINT Probe = WM_USER + 40;
std::vector<std::string> Log;

std::string Joined()
{
    std::string text;
    for (const std::string& entry : Log)
        text += (text.empty() ? "" : "|") + entry;
    return text;
}

// A form that records the probe messages its own procedure receives.
class TRecordingForm : public TForm {
    DECLARE_CLASS(TRecordingForm, TForm)
public:
    explicit TRecordingForm(TComponent* owner) : TForm(owner) {}
    void WndProc(TMessage& message) override
    {
        if (message.Msg == Probe || message.Msg == WM_QUIT) {
            Log.push_back("form");
            message.Result = 7;
            return;
        }
        if (message.Msg == WM_DESTROY)
            Log.push_back("form destroy");
        TForm::WndProc(message);
    }
};

// A watcher that logs both phases under its name and may consume messages.
struct TWatcher {
    std::string Name;
    bool Consume = false;
    bool Throw = false;
    TKsHook* Hook = nullptr;

    TWatcher(const std::string& name, TWinControl* target) : Name(name)
    {
        Hook = Create<TKsHook>(nullptr);
        Hook->OnBefore = THookEvent::Bind<&TWatcher::Before>(this);
        Hook->OnAfter = THookEvent::Bind<&TWatcher::After>(this);
        Hook->SetTarget(target);
    }
    ~TWatcher() { FreeAndNil(Hook); }
    TWatcher(const TWatcher&) = delete;
    TWatcher& operator=(const TWatcher&) = delete;

    void Before(TKsHook*, TMessage& message, bool& handled)
    {
        if (message.Msg != Probe && message.Msg != WM_DESTROY && message.Msg != WM_QUIT)
            return;
        Log.push_back(Name + " before");
        if (Throw)
            throw Exception("client failed");
        if (Consume) {
            message.Result = 99;
            handled = true;
        }
    }
    void After(TKsHook*, TMessage& message, bool&)
    {
        if (message.Msg == Probe || message.Msg == WM_DESTROY || message.Msg == WM_QUIT)
            Log.push_back(Name + " after");
    }
};

struct THookFixture {
    TRecordingForm* Form = Create<TRecordingForm>(nullptr);
    HWND Window = Form->Handle();
    int ThunksBefore = TWindowThunk::InUse();

    THookFixture() { Log.clear(); }
    ~THookFixture()
    {
        if (Form)
            Form->Free();
        Pump();
    }
    LRESULT SendProbe() { return SendMessageA(Form->Handle(), Probe, 0, 0); }
    static void Pump()
    {
        PumpUntil([] { return true; });
    }
};

WNDPROC ForeignPrevious = nullptr;
LRESULT CALLBACK ForeignProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == Probe)
        Log.push_back("foreign");
    return CallWindowProcA(ForeignPrevious, window, msg, wParam, lParam);
}

}  // namespace

IMPLEMENT_CLASS(TRecordingForm) {}

TEST_CASE_FIXTURE(THookFixture, "two hooks on one window share a control hook and the later one is asked first")
{
    TWatcher first("first", Form);
    TWatcher second("second", Form);
    REQUIRE(first.Hook->ControlHook() != nullptr);
    CHECK(first.Hook->ControlHook() == second.Hook->ControlHook());
    CHECK(HookRegistry()->FindControlHook(Form) == first.Hook->ControlHook());

    CHECK(SendProbe() == 7);
    CHECK(Joined() == "second before|first before|form|second after|first after");

    SUBCASE("a handled message reaches neither the earlier hook nor the form, nor the after phase")
    {
        Log.clear();
        second.Consume = true;
        CHECK(SendProbe() == 99);
        CHECK(Joined() == "second before");
    }
    SUBCASE("WM_DESTROY reaches the form even when handled")
    {
        Log.clear();
        second.Consume = true;
        Form->DestroyHandle();
        CHECK(Joined() == "second before|form destroy|second after|first after");
    }
    SUBCASE("WM_QUIT skips the before phase only")
    {
        Log.clear();
        second.Consume = true;
        SendMessageA(Window, WM_QUIT, 0, 0);
        CHECK(Joined() == "form|second after|first after");
    }
    SUBCASE("a client that throws is reported; the walk and the after phase go on")
    {
        TBoxRecorder boxes;
        Log.clear();
        second.Throw = true;
        CHECK(SendProbe() == 7);
        CHECK(Joined() == "second before|first before|form|second after|first after");
        REQUIRE(TBoxRecorder::Boxes().size() == 1);
        CHECK(boxes.Last().Text == "client failed");
    }
}

namespace {
// Takes itself and another watcher off the window while it is being asked.
struct TLeaver {
    TWatcher* Other = nullptr;
    TKsHook* Hook = nullptr;
    void Before(TKsHook*, TMessage& message, bool&)
    {
        if (message.Msg != Probe)
            return;
        Log.push_back("leaver");
        Other->Hook->SetEnabled(false);
        Hook->SetEnabled(false);
    }
};
}  // namespace

TEST_CASE_FIXTURE(THookFixture, "clients that detach during the walk are not called any more")
{
    TWatcher first("first", Form);
    TLeaver leaver;
    leaver.Other = &first;
    leaver.Hook = Create<TKsHook>(nullptr);
    leaver.Hook->OnBefore = THookEvent::Bind<&TLeaver::Before>(&leaver);
    leaver.Hook->SetTarget(Form);

    CHECK(SendProbe() == 7);
    CHECK(Joined() == "leaver|form");
    // Nobody is left: the window has its own procedure back.
    CHECK(HookRegistry()->FindControlHook(Form)->Subclassed() == false);
    leaver.Hook->Free();
}

TEST_CASE_FIXTURE(THookFixture, "unhooking puts the previous procedure back, or leaves a foreign chain intact")
{
    LONG own = GetWindowLongA(Window, GWL_WNDPROC);
    auto* watcher = new TWatcher("hook", Form);
    TControlHook* controlHook = watcher->Hook->ControlHook();
    REQUIRE(controlHook);
    CHECK(GetWindowLongA(Window, GWL_WNDPROC) == reinterpret_cast<LONG>(controlHook->HookProc()));

    SUBCASE("nobody on top: the form's own procedure comes back")
    {
        delete watcher;
        CHECK(GetWindowLongA(Window, GWL_WNDPROC) == own);
    }
    SUBCASE("somebody subclassed after us: the chain stays and keeps working")
    {
        ForeignPrevious =
            reinterpret_cast<WNDPROC>(SetWindowLongA(Window, GWL_WNDPROC, reinterpret_cast<LONG>(&ForeignProcedure)));
        delete watcher;
        Pump();  // the control hook is released by a posted message
        CHECK(HookRegistry()->FindControlHook(Form) == nullptr);
        CHECK(GetWindowLongA(Window, GWL_WNDPROC) == reinterpret_cast<LONG>(&ForeignProcedure));
        CHECK(SendProbe() == 7);
        CHECK(Joined() == "foreign|form");

        SUBCASE("hooked again on top, the old procedure still forwards without looping")
        {
            Log.clear();
            TWatcher again("again", Form);
            CHECK(SendProbe() == 7);
            CHECK(Joined() == "again before|foreign|form|again after");
        }
        // The forwarding procedure goes with the window.
        Form->Free();
        Form = nullptr;
        Pump();
        CHECK(TWindowThunk::InUse() == ThunksBefore);
    }
}

TEST_CASE_FIXTURE(THookFixture, "a re-created window is hooked again after the posted message")
{
    TWatcher watcher("hook", Form);
    Form->RecreateWnd();
    HWND recreated = Form->Handle();
    Log.clear();
    SendMessageA(recreated, Probe, 0, 0);
    CHECK(Joined() == "form");  // not yet: the message is still queued
    Pump();
    Log.clear();
    CHECK(SendMessageA(recreated, Probe, 0, 0) == 7);
    CHECK(Joined() == "hook before|form|hook after");
}

namespace {
// A hook component with a message table of its own.
class TProbeComponent : public TKsHookComponent {
    DECLARE_CLASS(TProbeComponent, TKsHookComponent)
public:
    explicit TProbeComponent(TComponent* owner) : TKsHookComponent(owner) { SetForm(As<TWinControl>(owner)); }
    int Seen = 0;
    int Processed = 0;

protected:
    void MessageProcessed(TKsHook*, TMessage& message, bool&) override
    {
        if (message.Msg == Probe)
            ++Processed;
    }

private:
    void WMProbe(TMessage& message)
    {
        ++Seen;
        if (message.WParam >= 1) {
            message.Result = 55;
            MarkHandled();
        }
        // A message that comes back while this one is being handled.
        if (message.WParam == 2)
            SendMessageA(FormHandle(), Probe, 0, 0);
    }
};
}  // namespace

IMPLEMENT_CLASS(TProbeComponent)
{
    Message(Probe, &TProbeComponent::WMProbe);
}

TEST_CASE_FIXTURE(THookFixture, "a hook component dispatches the form's messages to its table")
{
    auto* component = Create<TProbeComponent>(Form);
    CHECK_FALSE(component->Active());
    CHECK(SendProbe() == 7);
    CHECK(component->Seen == 0);

    component->SetActive(true);
    CHECK(component->HookedForm() == Form);
    CHECK(component->FormHandle() == Window);
    CHECK(SendMessageA(Window, Probe, 0, 0) == 7);
    CHECK(SendMessageA(Window, Probe, 1, 0) == 55);
    CHECK(component->Seen == 2);
    CHECK(component->Processed == 1);  // the handled one never reached the form
    // Handled stays handled, whatever the messages sent meanwhile were.
    CHECK(SendMessageA(Window, Probe, 2, 0) == 55);
    CHECK(component->Processed == 2);

    component->SetActive(true);  // unchanged: nothing happens
    CHECK(component->Hook()->ControlHook()->ClientCount() == 1);
    component->SetActive(false);
    CHECK(SendProbe() == 7);
    CHECK(component->Seen == 4);
}
