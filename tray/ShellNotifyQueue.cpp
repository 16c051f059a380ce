#include "tray/ShellNotifyQueue.h"

#include <algorithm>

namespace {

BOOL WINAPI CallShell(DWORD message, TNotifyIconData* data)
{
    return Shell_NotifyIconA(message, reinterpret_cast<NOTIFYICONDATAA*>(data));
}

class TLock {
public:
    explicit TLock(CRITICAL_SECTION& section) : FSection(section) { EnterCriticalSection(&FSection); }
    ~TLock() { LeaveCriticalSection(&FSection); }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;

private:
    CRITICAL_SECTION& FSection;
};

// Waits for handle. The shell's process may send messages to this thread's
// windows while the worker is in a call, as during any synchronous one: they
// are handled here, so that neither side waits for the other.
void WaitHandlingSentMessages(HANDLE handle)
{
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        // Peeking handles what was sent; posted messages stay queued.
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
}

}  // namespace

TShellNotifyIcon ShellNotifyIconFunction = CallShell;

TShellNotifyQueue::TShellNotifyQueue()
{
    InitializeCriticalSection(&FLock);
}

TShellNotifyQueue::~TShellNotifyQueue()
{
    Stop();
    DeleteCriticalSection(&FLock);
}

bool TShellNotifyQueue::Start()
{
    if (Running())
        return true;
    TKernelHandle wake(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    TKernelHandle idle(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    if (!wake || !idle)
        return false;
    FStopping = false;
    FWake = std::move(wake);
    FIdle = std::move(idle);
    // Windows 95 wants somewhere to put the thread's id.
    DWORD id = 0;
    FThread.Reset(CreateThread(nullptr, 0, ThreadMain, this, 0, &id));
    if (!FThread) {
        FWake.Reset();
        FIdle.Reset();
        return false;
    }
    return true;
}

void TShellNotifyQueue::Stop()
{
    if (!Running())
        return;
    {
        TLock lock(FLock);
        FStopping = true;
    }
    SetEvent(FWake.Get());
    WaitHandlingSentMessages(FThread.Get());
    FThread.Reset();
    FWake.Reset();
    FIdle.Reset();
}

bool TShellNotifyQueue::Modify(const TNotifyIconData& data, WPARAM tag)
{
    if (!Running()) {
        TNotifyIconData record = data;
        return ShellNotifyIconFunction(NIM_MODIFY, &record) != FALSE;
    }
    {
        TLock lock(FLock);
        auto same = std::find_if(FPending.begin(), FPending.end(), [&](const TEntry& entry) {
            return entry.Data.hWnd == data.hWnd && entry.Data.uID == data.uID;
        });
        if (same != FPending.end())
            *same = TEntry{data, ShellNotifyIconFunction, tag};
        else
            FPending.push_back(TEntry{data, ShellNotifyIconFunction, tag});
    }
    return true;
}

void TShellNotifyQueue::Release()
{
    if (Running())
        SetEvent(FWake.Get());
}

bool TShellNotifyQueue::Call(DWORD message, TNotifyIconData& data)
{
    Drain();
    return ShellNotifyIconFunction(message, &data) != FALSE;
}

void TShellNotifyQueue::Drain()
{
    if (!Running())
        return;
    bool queued = false;
    bool busy = false;
    {
        TLock lock(FLock);
        queued = !FPending.empty();
        busy = queued || FInFlight;
        // Reset here rather than by Modify, which then makes no call into
        // the system: the worker sets it, under the lock, once it finds
        // the queue empty.
        if (busy)
            ResetEvent(FIdle.Get());
    }
    // Idle, as almost always: no wait, no call into the system.
    if (queued)
        Release();
    if (busy)
        WaitHandlingSentMessages(FIdle.Get());
}

DWORD WINAPI TShellNotifyQueue::ThreadMain(void* queue)
{
    auto& self = *static_cast<TShellNotifyQueue*>(queue);
    for (;;) {
        WaitForSingleObject(self.FWake.Get(), INFINITE);
        self.Deliver();
        TLock lock(self.FLock);
        if (self.FStopping)
            return 0;
    }
}

void TShellNotifyQueue::Deliver()
{
    TEntry entry{};
    while (Next(entry)) {
        if (!entry.Shell(NIM_MODIFY, &entry.Data))
            PostMessageA(entry.Data.hWnd, ShellModifyRefusedMessage, entry.Tag, 0);
    }
}

bool TShellNotifyQueue::Next(TEntry& entry)
{
    TLock lock(FLock);
    FInFlight = !FPending.empty();
    if (!FInFlight) {
        SetEvent(FIdle.Get());
        return false;
    }
    entry = FPending.front();
    FPending.erase(FPending.begin());
    return true;
}
