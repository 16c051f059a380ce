// The tray icon with its modifies delivered from the worker thread, over a
// shell that can be held in a call or made slow.

#include "tests/support/MessagePump.h"
#include "tests/tray/ShellRecorder.h"

#include "framework/Icon.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

// Stands between the tray and the recorder. Each call signals Entered,
// waits for the gate and DelayMs, notes whether its icon still exists, then
// lets the recorder have it.
struct TSlowShell {
    static TShellNotifyIcon Recorder;
    static HANDLE Gate;     // manual-reset; closed holds every call
    static HANDLE Entered;  // auto-reset
    static DWORD DelayMs;
    static volatile LONG Finished;
    static volatile LONG DeadIcons;

    static BOOL WINAPI Call(DWORD message, TNotifyIconData* data)
    {
        SetEvent(Entered);
        WaitForSingleObject(Gate, 30000);
        Sleep(DelayMs);
        if (!IsIcon(data->hIcon))
            InterlockedIncrement(&DeadIcons);
        BOOL result = Recorder(message, data);
        InterlockedIncrement(&Finished);
        return result;
    }
};
TShellNotifyIcon TSlowShell::Recorder = nullptr;
HANDLE TSlowShell::Gate = nullptr;
HANDLE TSlowShell::Entered = nullptr;
DWORD TSlowShell::DelayMs = 0;
volatile LONG TSlowShell::Finished = 0;
volatile LONG TSlowShell::DeadIcons = 0;

struct TQueuedTrayFixture {
    TShellRecorder Shell{false};
    TShellNotifyIcon Recorder = ShellNotifyIconFunction;
    TScopedOverride<TShellNotifyIcon> Slow{ShellNotifyIconFunction, TSlowShell::Call};
    TOwned<TVxTrayIcon> Tray;

    TQueuedTrayFixture()
    {
        TSlowShell::Recorder = Recorder;
        TSlowShell::Gate = CreateEventA(nullptr, TRUE, TRUE, nullptr);
        TSlowShell::Entered = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        TSlowShell::DelayMs = 0;
        TSlowShell::Finished = 0;
        TSlowShell::DeadIcons = 0;
        Tray = MakeOwned<TVxTrayIcon>(nullptr);
        REQUIRE(Tray->SetShellQueued(true));
        Tray->Icon()->SetHandle(LoadGauge());
        Tray->SetActive(true);
        REQUIRE(Shell.Count() == 1);
    }
    ~TQueuedTrayFixture()
    {
        SetEvent(TSlowShell::Gate);
        Tray.reset();
        CloseHandle(TSlowShell::Gate);
        CloseHandle(TSlowShell::Entered);
    }
    TQueuedTrayFixture(const TQueuedTrayFixture&) = delete;
    TQueuedTrayFixture& operator=(const TQueuedTrayFixture&) = delete;

    // Closes the gate and queues a modify, which the worker takes into the
    // shell once the tray's messages are handled, and is held there; true
    // when it got there.
    bool HoldModify(const char* hint)
    {
        ResetEvent(TSlowShell::Gate);
        return ChangeAndWaitForCall([&] { Tray->SetHint(hint); });
    }
    template <class TChange>
    bool ChangeAndWaitForCall(TChange change)
    {
        ResetEvent(TSlowShell::Entered);
        change();
        return PumpUntil([] { return WaitForSingleObject(TSlowShell::Entered, 0) == WAIT_OBJECT_0; });
    }
    // Until that many shell calls have ended and no refusal waits for the
    // tray's window: the worker posts one before its next call begins.
    bool WaitForCalls(LONG calls)
    {
        return PumpUntil([&] {
            MSG message;
            return TSlowShell::Finished >= calls &&
                   !PeekMessageA(&message, Tray->WindowHandle(), ShellModifyRefusedMessage, ShellModifyRefusedMessage,
                                 PM_NOREMOVE);
        });
    }
    std::vector<std::string> Sent() const
    {
        std::vector<std::string> sent;
        for (const TShellCall& call : TShellRecorder::Calls())
            sent.push_back((call.Message == NIM_ADD      ? "add "
                            : call.Message == NIM_MODIFY ? "modify "
                                                         : "delete ") +
                           call.Tip());
        return sent;
    }
};

}  // namespace

TEST_CASE("Queued modifies go out in order, the newest record replacing an undelivered one")
{
    TQueuedTrayFixture f;
    // The caller is back while the shell still holds its call.
    REQUIRE(f.HoldModify("one"));
    CHECK(f.Tray->ShellCurrent());
    f.Tray->SetHint("two");
    f.Tray->SetHint("three");
    SetEvent(TSlowShell::Gate);

    SUBCASE("a delete waits for them")
    {
        f.Tray->SetActive(false);
        CHECK(f.Sent() == std::vector<std::string>{"add ", "modify one", "modify three", "delete three"});
    }
    SUBCASE("an add waits for them")
    {
        f.Tray->SetActive(true);
        CHECK(f.Sent() == std::vector<std::string>{"add ", "modify one", "modify three", "add three"});
    }
    SUBCASE("stopping the worker delivers them; then every call is made at once")
    {
        f.Tray->SetShellQueued(false);
        CHECK_FALSE(f.Tray->ShellQueued());
        CHECK(f.Sent() == std::vector<std::string>{"add ", "modify one", "modify three"});
        f.Tray->SetHint("four");
        CHECK(f.Shell.Count() == 4);
    }
    SUBCASE("freeing the component delivers them before the icon goes")
    {
        f.Tray.reset();
        CHECK(f.Sent() == std::vector<std::string>{"add ", "modify one", "modify three", "delete three"});
    }
}

TEST_CASE("A modify refused on the worker is sent again with the next change")
{
    TQueuedTrayFixture f;
    SUBCASE("the refusal clears ShellCurrent")
    {
        TShellRecorder::Failures(NIM_MODIFY).Next = 1;
        f.Tray->SetHint("refused");
        CHECK(f.Tray->ShellCurrent());
        REQUIRE(PumpUntil([&] { return !f.Tray->ShellCurrent(); }));
        f.Tray->SetHint("refused");
        REQUIRE(f.WaitForCalls(3));
        CHECK(f.Tray->ShellCurrent());
        CHECK(f.Sent() == std::vector<std::string>{"add ", "modify refused", "modify refused"});
    }
    SUBCASE("a refusal overtaken by a record the shell took counts no more")
    {
        TShellRecorder::Failures(NIM_MODIFY).Next = 1;
        REQUIRE(f.HoldModify("refused"));
        f.Tray->SetHint("taken");
        SetEvent(TSlowShell::Gate);
        REQUIRE(f.WaitForCalls(3));
        CHECK(f.Tray->ShellCurrent());
    }
}

TEST_CASE("An icon replaced while its modify is in flight is destroyed only after the shell had it")
{
    TQueuedTrayFixture f;
    TSlowShell::DelayMs = 100;
    REQUIRE(f.ChangeAndWaitForCall([&] { f.Tray->Icon()->SetHandle(LoadGauge()); }));
    f.Tray->Icon()->SetHandle(LoadGauge());
    f.Tray->SetActive(false);
    CHECK(f.Shell.Count() == 4);
    CHECK(TSlowShell::DeadIcons == 0);
}

TEST_CASE("Starting and stopping the worker leaves no thread or event behind")
{
    using THandleCount = BOOL(WINAPI*)(HANDLE, DWORD*);
    auto handleCount = reinterpret_cast<THandleCount>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetProcessHandleCount")));
    REQUIRE(static_cast<bool>(handleCount));
    TShellRecorder shell(false);
    TOwned<TVxTrayIcon> tray = MakeOwned<TVxTrayIcon>(nullptr);
    tray->SetActive(true);
    DWORD before = 0;
    REQUIRE(handleCount(GetCurrentProcess(), &before));
    for (int i = 0; i < 20; ++i) {
        REQUIRE(tray->SetShellQueued(true));
        tray->SetHint(i % 2 ? "odd" : "even");
        tray->SetShellQueued(false);
    }
    DWORD after = 0;
    REQUIRE(handleCount(GetCurrentProcess(), &after));
    CHECK(after == before);
    CHECK(shell.Count() == 21);
}
