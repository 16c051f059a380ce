#pragma once
// Delivers the tray's NIM_MODIFY calls from a worker thread of its own, so
// that a tick does not wait for the round trip into the shell's process.
// A queued record is a copy; a newer record for the same icon replaces one
// that has not gone out yet. The worker starts on the queue when released,
// which lets the caller finish its own work first: under Wine both sides'
// calls go through the one server process and would slow each other down.
// Every other call is made at once, after what is queued has gone out, so
// the shell sees the calls in their order.
// Stopped (or never started, or when the thread can't be had) every call
// is made at once.
//
// The records name icon handles that their sender owns: before it destroys
// or replaces one, the sender drains the queue.

#include "framework/KernelHandle.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

// The first, 88-byte form of NOTIFYICONDATAA: the one every shell knows.
struct TNotifyIconData {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    char szTip[64];
};
static_assert(sizeof(TNotifyIconData) == 88, "the shell's first NOTIFYICONDATAA form");

// Every shell call of the component goes through this function, so tests
// can record each record; Shell_NotifyIconA in the program.
using TShellNotifyIcon = BOOL(WINAPI*)(DWORD message, TNotifyIconData* data);
extern TShellNotifyIcon ShellNotifyIconFunction;

// Posted to a record's window when the shell refused a queued modify;
// wParam is the tag the modify was queued with.
const UINT ShellModifyRefusedMessage = WM_USER + 1001;

class TShellNotifyQueue {
public:
    TShellNotifyQueue();
    // Stops the worker: what is queued goes out first.
    ~TShellNotifyQueue();
    TShellNotifyQueue(const TShellNotifyQueue&) = delete;
    TShellNotifyQueue& operator=(const TShellNotifyQueue&) = delete;

    // Starts the worker; false when the system has no thread or event to
    // spare, and the calls stay synchronous.
    bool Start();
    // Delivers what is queued, then ends the worker.
    void Stop();
    bool Running() const { return static_cast<bool>(FThread); }

    // Queues a NIM_MODIFY of the record through the shell call of the
    // moment (ShellNotifyIconFunction) and returns true at once; a refusal
    // comes back as ShellModifyRefusedMessage with tag. Not running: the
    // call is made now and its result returned.
    bool Modify(const TNotifyIconData& data, WPARAM tag);
    // Lets the worker deliver what is queued.
    void Release();
    // Any shell call, made now, after the queue has drained.
    bool Call(DWORD message, TNotifyIconData& data);
    // Releases the queue and returns once nothing is queued or in flight.
    // Messages sent to this thread's windows meanwhile are handled, as in
    // any shell call.
    void Drain();

private:
    struct TEntry {
        TNotifyIconData Data;
        TShellNotifyIcon Shell;
        WPARAM Tag;
    };
    static DWORD WINAPI ThreadMain(void* queue);
    void Deliver();
    // Takes the next entry into entry; false when there is none, and the
    // worker is idle.
    bool Next(TEntry& entry);

    CRITICAL_SECTION FLock;
    std::vector<TEntry> FPending;  // guarded by FLock
    bool FInFlight = false;        // guarded by FLock
    bool FStopping = false;        // guarded by FLock
    TKernelHandle FWake;           // auto-reset: work or stop
    TKernelHandle FIdle;           // manual-reset: set once nothing is queued or in flight
    TKernelHandle FThread;
};
