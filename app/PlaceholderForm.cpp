#include "app/PlaceholderForm.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"

namespace {
const char PlaceholderClass[] = "TQuorvelPlaceholder";
}

TPlaceholderForm::TPlaceholderForm()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = PlaceholderClass;
    RegisterClassA(&windowClass);
    handle_ = CreateWindowExA(0, PlaceholderClass, Application->Title().c_str(), WS_OVERLAPPED,
                              0, 0, 0, 0, Application->Handle(), nullptr, instance, nullptr);
    if (!handle_)
        throw EOutOfResources("Error creating window");
}

TPlaceholderForm::~TPlaceholderForm()
{
    DestroyWindow(handle_);
    UnregisterClassA(PlaceholderClass, GetModuleHandleA(nullptr));
}

LRESULT CALLBACK TPlaceholderForm::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam)
{
    if (message == WM_CLOSE) {
        Application->Terminate();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
