#include "framework/Application.h"

#include "framework/ClassBuilder.h"
#include "framework/DialogKeys.h"
#include "framework/Exceptions.h"
#include "framework/Finalization.h"
#include "framework/Form.h"
#include "framework/MouseTracker.h"
#include "framework/ScopeGuard.h"
#include "framework/Screen.h"
#include "framework/Strings.h"
#include "framework/TaskWindows.h"
#include "framework/Timer.h"
#include "resources/resource.h"

#include <new>
#include <vector>

IMPLEMENT_CLASS(TApplication) {}

TApplication* Application = nullptr;

namespace {

const char ApplicationWindowClass[] = "TApplication";
// The error report builds no text: these are shown as they are.
const char UnknownExceptionText[] = "Unknown exception";
const char OutOfMemoryText[] = "Out of memory";

// Copies text into a fixed buffer, cut to fit; allocates nothing.
template <size_t Size>
void CopyText(char (&buffer)[Size], const char* text) noexcept
{
    size_t i = 0;
    for (; i + 1 < Size && text[i]; ++i)
        buffer[i] = text[i];
    buffer[i] = '\0';
}

std::string TitleFromExeName()
{
    std::string name = ExtractFileName(ApplicationExeName());
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    FIcon = LoadIconA(instance, RESOURCE_NAME(RES_MAIN_ICON));
    if (!FIcon)
        FIcon = LoadIconA(nullptr, IDI_APPLICATION);
    FTitle = TitleFromExeName();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = FIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ApplicationWindowClass;
    RegisterClassA(&windowClass);

    // A zero-sized popup in the middle of the screen: it stands for the
    // program (taskbar button, owner of boxes) but is never shown itself.
    FHandle = CreateWindowExA(0, ApplicationWindowClass, FTitle.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance, this);
    if (!FHandle) {
        UnregisterClassA(ApplicationWindowClass, instance);
        throw EOutOfResources("Error creating window");
    }
    TScopeGuard undoWindow([&] {
        DestroyWindow(FHandle);
        UnregisterClassA(ApplicationWindowClass, instance);
    });
    FMouseTracker = std::make_unique<TMouseTracker>();
    undoWindow.Dismiss();
}

TApplication::~TApplication()
{
    // The forms go first, while the window that owns theirs still exists.
    while (ComponentCount() > 0)
        Components(ComponentCount() - 1)->Free();
    FMainForm = nullptr;
    FMouseTracker.reset();
    DestroyWindow(FHandle);
    UnregisterClassA(ApplicationWindowClass, GetModuleHandleA(nullptr));
}

void TApplication::Initialize()
{
    // Nothing to prepare yet; the place for work that must follow the
    // program's own start-up but precede its first window.
}

void TApplication::SetTitle(const std::string& title)
{
    if (title == FTitle)
        return;
    FTitle = title;
    SetWindowTextA(FHandle, FTitle.c_str());
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (!FMainForm) {
        FMainForm = form;
        form->HandleNeeded();
    }
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FMainForm)
        FMainForm = nullptr;
}

void TApplication::Run()
{
    if (FMainForm && FShowMainForm)
        FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
    // The outermost loop: the quit message that ended it goes no further.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
    Idle();
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage()) {
        Idle();
        if (FTerminated)
            return;
        if (TimersWaiting())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, TimerRetryInterval, QS_ALLINPUT);
        else
            WaitMessage();
    }
}

bool TApplication::IsMDIKeyMessage(MSG& message) const
{
    // Ctrl+F4, Ctrl+F6 and the child's system menu keys of MDI windows.
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    TCustomForm* parent = FindMDIParentForm();
    HWND client = parent ? parent->ClientHandle() : nullptr;
    return client && TranslateMDISysAccel(client, &message);
}

bool TApplication::ProcessMessage()
{
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        // Put back at once: a loop that runs inside another one (a message
        // box's, a popup menu's) must not swallow the end of the program.
        FTerminated = true;
        FExitCode = static_cast<int>(message.wParam);
        PostQuitMessage(FExitCode);
        return false;
    }
    // The keyboard step calls into controls: its errors are reported here
    // rather than ending the loop.
    try {
        if (!IsMDIKeyMessage(message) && !IsDialogKeyMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE)
            FMouseTracker->Update();
    } catch (...) {
        HandleException(this);
    }
    return true;
}

void TApplication::Idle()
{
    try {
        FMouseTracker->Update();
    } catch (...) {
        HandleException(this);
    }
    RetryWaitingTimers();
}

TControl* TApplication::MouseControl() const
{
    return FMouseTracker ? FMouseTracker->MouseControl() : nullptr;
}

void TApplication::ControlDestroying(TControl* control)
{
    if (FMouseTracker)
        FMouseTracker->Forget(control);
}

void TApplication::Minimize()
{
    if (IsIconic(FHandle))
        return;
    NormalizeTopMosts();
    SetActiveWindow(FHandle);
    ShowWindow(FHandle, SW_MINIMIZE);
    // Windows hides the windows an application window owns when it is
    // minimized; where the system leaves some showing, hide them here.
    FHiddenWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(this));
    for (HWND window : FHiddenWindows)
        ShowWindow(window, SW_HIDE);
    OnMinimize(this);
}

void TApplication::Restore()
{
    if (!IsIconic(FHandle))
        return;
    SetActiveWindow(FHandle);
    ShowWindow(FHandle, SW_RESTORE);
    for (HWND window : FHiddenWindows)
        if (IsWindow(window))
            ShowWindow(window, SW_SHOWNA);
    FHiddenWindows.clear();
    RestoreTopMosts();
    // The form that was active gets the activation back.
    TCustomForm* form = Screen ? Screen->ActiveForm() : nullptr;
    if (form && form->HandleAllocated() && IsWindowVisible(form->Handle()))
        SetActiveWindow(form->Handle());
    OnRestore(this);
}

// The enumeration callbacks run inside user32, which no exception may
// cross: without memory for the list, the windows found so far are all.
BOOL CALLBACK TApplication::CollectOwned(HWND window, LPARAM self) noexcept
{
    auto* application = reinterpret_cast<TApplication*>(self);
    try {
        if (GetWindow(window, GW_OWNER) == application->FHandle && IsWindowVisible(window))
            application->FHiddenWindows.push_back(window);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK TApplication::CollectTopMost(HWND window, LPARAM self) noexcept
{
    auto* application = reinterpret_cast<TApplication*>(self);
    try {
        if (window != application->FHandle && IsWindowVisible(window) &&
            (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
            application->FTopMostWindows.push_back(window);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

void TApplication::NormalizeTopMosts()
{
    if (FTopMostLevel++ > 0)
        return;
    FTopMostWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), CollectTopMost, reinterpret_cast<LPARAM>(this));
    for (HWND window : FTopMostWindows)
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TApplication::RestoreTopMosts()
{
    if (FTopMostLevel == 0 || --FTopMostLevel > 0)
        return;
    for (HWND window : FTopMostWindows)
        if (IsWindow(window))
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FTopMostWindows.clear();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    return ShowModalBox(text.c_str(), caption.c_str(), flags);
}

int TApplication::ShowModalBox(const char* text, const char* caption, UINT flags) noexcept
{
    HWND active = GetActiveWindow();
    int result;
    {
        TDisabledTaskWindows disabled(FHandle);
        result = MessageBoxFunction(FHandle, text, caption, flags);
    }
    if (active && IsWindow(active))
        SetActiveWindow(active);
    return result;
}

void TApplication::HandleException(TObject* /*sender*/) noexcept
{
    if (!std::current_exception())
        return;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        ShowErrorText(OutOfMemoryText);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowErrorText(UnknownExceptionText);
    }
}

void TApplication::ShowException(const std::exception& error) noexcept
{
    ShowErrorText(error.what());
}

void TApplication::ShowErrorText(const char* text) noexcept
{
    if (!text || !*text)
        text = UnknownExceptionText;
    if (FErrorBoxOpen) {
        // The open box's loop runs the timers; one box inside the other
        // would pile up without end.
        if (!FPendingError[0])
            CopyText(FPendingError, text);
        return;
    }
    FErrorBoxOpen = true;
    ShowModalBox(text, FTitle.c_str(), MB_OK | MB_ICONSTOP);
    while (FPendingError[0]) {
        char pending[sizeof FPendingError];
        CopyText(pending, FPendingError);
        FPendingError[0] = '\0';
        ShowModalBox(pending, FTitle.c_str(), MB_OK | MB_ICONSTOP);
    }
    FErrorBoxOpen = false;
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* owner = static_cast<TApplication*>(create->lpCreateParams);
        owner->FHandle = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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
    case WM_SYSCOMMAND:
        // The taskbar button minimizes and restores the whole program.
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return 0;
        case SC_RESTORE: Restore(); return 0;
        }
        return DefWindowProcA(FHandle, message, wParam, lParam);
    default: return DefWindowProcA(FHandle, message, wParam, lParam);
    }
}

void StartFramework()
{
    if (Application)
        return;
    // The screen outlives the forms, which leave its list as they go.
    Screen = Create<TScreen>(nullptr);
    RegisterFinalizer([] { FreeAndNil(Screen); });
    Application = Create<TApplication>();
    RegisterFinalizer([] {
        Application->Free();
        Application = nullptr;
    });
}
