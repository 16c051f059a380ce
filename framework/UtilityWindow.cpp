#include "framework/UtilityWindow.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"

namespace {
const char* const UtilityWindowClass = "TUtilityWindow";

void RegisterUtilityClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = UtilityWindowClass;
    RegisterClassA(&windowClass);
    registered = true;
}
}

TUtilityWindow::TUtilityWindow(TWndMethod method) : FMethod(method)
{
    RegisterUtilityClass(&WindowProc);
    FHandle = CreateWindowExA(WS_EX_TOOLWINDOW, UtilityWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!FHandle)
        throw EOutOfResources("Error creating window");
}

TUtilityWindow::~TUtilityWindow()
{
    if (FHandle) {
        SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
        DestroyWindow(FHandle);
    }
}

void TUtilityWindow::DefaultHandler(TMessage& message) const
{
    message.Result = DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->FMethod)
        return DefWindowProcA(window, msg, wParam, lParam);
    if (!self->FHandle)
        self->FHandle = window;
    TMessage message{msg, wParam, lParam, 0};
    // Exceptions must never unwind through the system's frames.
    try {
        self->FMethod(message);
    } catch (...) {
        if (Application)
            Application->HandleException(nullptr);
    }
    return message.Result;
}
