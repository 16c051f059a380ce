#include "framework/Application.h"

#include "framework/Exceptions.h"
#include "framework/Finalization.h"
#include "framework/Strings.h"

#include <vector>

TApplication* Application = nullptr;

namespace {

const char ApplicationWindowClass[] = "TApplication";

std::string TitleFromExeName()
{
    std::string name = ExtractFileName(ApplicationExeName());
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// Disables the thread's visible, enabled top-level windows other than the
// application window for as long as it lives, so that a modal box is the
// only thing the user can reach.
class TDisabledTaskWindows {
public:
    explicit TDisabledTaskWindows(HWND except) : except_(except)
    {
        EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : windows_)
            EnableWindow(window, FALSE);
    }
    ~TDisabledTaskWindows()
    {
        for (HWND window : windows_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    }
    TDisabledTaskWindows(const TDisabledTaskWindows&) = delete;
    TDisabledTaskWindows& operator=(const TDisabledTaskWindows&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self)
    {
        auto* list = reinterpret_cast<TDisabledTaskWindows*>(self);
        if (window != list->except_ && IsWindowVisible(window) && IsWindowEnabled(window))
            list->windows_.push_back(window);
        return TRUE;
    }

    HWND except_;
    std::vector<HWND> windows_;
};

} // namespace

TApplication::TApplication()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    icon_ = LoadIconA(instance, "MAINICON");
    if (!icon_)
        icon_ = LoadIconA(nullptr, IDI_APPLICATION);
    title_ = TitleFromExeName();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon_;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ApplicationWindowClass;
    RegisterClassA(&windowClass);

    // A zero-sized popup in the middle of the screen: it stands for the
    // program (taskbar button, owner of boxes) but is never shown itself.
    handle_ = CreateWindowExA(0, ApplicationWindowClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, instance, this);
    if (!handle_) {
        UnregisterClassA(ApplicationWindowClass, instance);
        throw EOutOfResources("Error creating window");
    }
}

TApplication::~TApplication()
{
    DestroyWindow(handle_);
    UnregisterClassA(ApplicationWindowClass, GetModuleHandleA(nullptr));
}

void TApplication::Initialize()
{
    // Nothing to prepare yet; the place for work that must follow the
    // program's own start-up but precede its first window.
}

void TApplication::SetTitle(const std::string& title)
{
    if (title == title_)
        return;
    title_ = title;
    SetWindowTextA(handle_, title_.c_str());
}

void TApplication::Run()
{
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage() && !terminated_)
        WaitMessage();
}

bool TApplication::ProcessMessage()
{
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    HWND active = GetActiveWindow();
    int result;
    {
        TDisabledTaskWindows disabled(handle_);
        result = MessageBoxFunction(handle_, text.c_str(), caption.c_str(), flags);
    }
    if (active && IsWindow(active))
        SetActiveWindow(active);
    return result;
}

void TApplication::HandleException(TObject* /*sender*/)
{
    if (!std::current_exception())
        return;
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(Exception("Unknown exception"));
    }
}

void TApplication::ShowException(const std::exception& error)
{
    MessageBox(error.what(), title_, MB_OK | MB_ICONSTOP);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* owner = static_cast<TApplication*>(create->lpCreateParams);
        owner->handle_ = window;
        SetWindowLongA(window, GWL_USERDATA, reinterpret_cast<LONG>(owner));
    }
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongA(window, GWL_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    // Exceptions must not unwind through the system's frames: report here.
    try {
        return self->WndProc(message, wParam, lParam);
    } catch (...) {
        self->HandleException(nullptr);
        return 0;
    }
}

LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        // Closing the application closes the program.
        Terminate();
        return 0;
    default:
        return DefWindowProcA(handle_, message, wParam, lParam);
    }
}

void StartFramework()
{
    if (Application)
        return;
    Application = new TApplication;
    RegisterFinalizer([] {
        delete Application;
        Application = nullptr;
    });
}
