#include "tests/support/MessagePump.h"

#include <windows.h>

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
