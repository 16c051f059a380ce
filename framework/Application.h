#pragma once
// The application object: the hidden top-level window that stands for the
// program (it exists before any form and is the owner of message boxes and
// forms), the title, the forms it owns with the main form, the message
// loop with its keyboard and mouse-tracking steps, minimizing and restoring
// the whole program, and the standard exception report.

#include "framework/Component.h"

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

// The member below is the application's own MessageBox, not the A/W macro.
#undef MessageBox

class TControl;
class TCustomForm;
class TMouseTracker;

class TApplication : public TComponent {
    DECLARE_CLASS(TApplication, TComponent)
public:
    // The modal box itself, replaceable so that tests can observe what is
    // shown without a box appearing. MessageBoxA unless a test sets it.
    using TMessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    // The hidden application window; never shown.
    HWND Handle() const { return FHandle; }

    void Initialize();

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title);

    // The program icon "MAINICON", or the system's default application
    // icon while the module has none.
    HICON Icon() const { return FIcon; }

    // Whether the main form is shown when the message loop starts.
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool show) { FShowMainForm = show; }

    // Creates a form owned by the application; reference is set before the
    // form's layout is read and OnCreate runs. The first form created this
    // way becomes the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        T* form = new T(this);
        reference = form;
        try {
            form->AfterConstruction();
        } catch (...) {
            reference = nullptr;
            form->Free();
            throw;
        }
        FormCreated(form);
    }
    TCustomForm* MainForm() const { return FMainForm; }

    // Shows the main form unless ShowMainForm is off, then runs the message
    // loop until Terminate's quit message arrives; that message ends here.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // The code the quit message carried (Terminate's is 0).
    int ExitCode() const { return FExitCode; }
    // Handles every message waiting in the queue, then returns. The quit
    // message ends it and stays in the queue for the loop around it.
    void ProcessMessages();
    // Handles one message if one is waiting; false when the queue is empty
    // or holds only the quit message, which is left there for the
    // outermost loop and sets Terminated.
    bool ProcessMessage();
    // Handles one message, waiting for one when the queue is empty.
    void HandleMessage();

    // A modal box owned by the application window; the application's other
    // visible windows are disabled while it is open. Returns the button id.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    TMessageBoxFunction MessageBoxFunction = ::MessageBoxA;

    // The whole program goes to the taskbar and comes back: the application
    // window is minimized or restored (its owned forms follow), topmost
    // windows lose and regain that state, and the events tell listeners.
    void Minimize();
    void Restore();
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Takes the topmost state away from the application's visible topmost
    // windows (so that a box cannot end up behind them); RestoreTopMosts
    // gives it back. Calls nest: only the outermost pair acts.
    void NormalizeTopMosts();
    void RestoreTopMosts();

    // The control under the mouse, as last told CM_MOUSEENTER.
    TControl* MouseControl() const;
    // A control is being freed: it is no longer the one under the mouse.
    void ControlDestroying(TControl* control);

    void Notification(TComponent* component, TOperation operation) override;

    // The standard error report. Call HandleException from inside a catch
    // block: it reports the exception being handled and the program goes on.
    // One error box at a time: an error raised while one is open (by a
    // timer firing in its loop) gets no box of its own; the first such
    // error is shown once, after the open box has closed. Neither call
    // throws, also when memory has run out.
    void HandleException(TObject* sender) noexcept;
    void ShowException(const std::exception& error) noexcept;
    // Whether the error box is open.
    bool ErrorBoxOpen() const { return FErrorBoxOpen; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    void FormCreated(TCustomForm* form);
    // Work for the moment the queue is empty.
    void Idle();
    // A key of the MDI windows, handled by the system's MDI code.
    bool IsMDIKeyMessage(MSG& message) const;
    int ShowModalBox(const char* text, const char* caption, UINT flags) noexcept;
    // The error box for a message; allocates nothing.
    void ShowErrorText(const char* text) noexcept;
    static BOOL CALLBACK CollectTopMost(HWND window, LPARAM self) noexcept;
    static BOOL CALLBACK CollectOwned(HWND window, LPARAM self) noexcept;

    HWND FHandle = nullptr;
    HICON FIcon = nullptr;
    std::string FTitle;
    bool FShowMainForm = true;
    bool FTerminated = false;
    int FExitCode = 0;
    bool FErrorBoxOpen = false;
    // The first error raised while the box was open, shown after it.
    char FPendingError[256] = "";
    TCustomForm* FMainForm = nullptr;
    std::unique_ptr<TMouseTracker> FMouseTracker;
    int FTopMostLevel = 0;
    std::vector<HWND> FTopMostWindows;
    std::vector<HWND> FHiddenWindows;
};

extern TApplication* Application;

// The framework's start-up: creates the screen and the application object
// with its window. Called first thing in WinMain (and in the tests' main);
// the application (with its forms), then the screen, are destroyed by the
// last finalizers to run.
void StartFramework();

// The application's topmost windows are normalised for the length of the
// scope (while a box of ours is up).
class TTopMostsNormalized {
public:
    TTopMostsNormalized() { Application->NormalizeTopMosts(); }
    ~TTopMostsNormalized() { Application->RestoreTopMosts(); }
    TTopMostsNormalized(const TTopMostsNormalized&) = delete;
    TTopMostsNormalized& operator=(const TTopMostsNormalized&) = delete;
};
