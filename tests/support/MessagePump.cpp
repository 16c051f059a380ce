#include "tests/support/MessagePump.h"

#include "framework/Application.h"

namespace {
void HandleWaitingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}
}

bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs, TMessageStep step)
{
    if (!step)
        step = HandleWaitingMessages;
    DWORD start = GetTickCount();
    for (;;) {
        step();
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(unsigned ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        HandleWaitingMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void CloseMenuAfter(unsigned ms)
{
    SetTimer(nullptr, 0, ms, CloseMenu);
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs)
{
    return PumpUntil(done, timeoutMs, [] { Application->ProcessMessages(); });
}

void PostKey(HWND window, UINT message, WPARAM key, bool alt)
{
    LPARAM data = 1;
    if (alt)
        data |= 0x20000000;
    if (message == WM_KEYUP || message == WM_SYSKEYUP)
        data |= static_cast<LPARAM>(0xC0000000);
    PostMessageA(window, message, key, data);
}
