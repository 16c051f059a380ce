#pragma once
// The application object: the hidden top-level window that stands for the
// program (it exists before any form and is the owner of message boxes),
// the title, the message loop and the standard exception report.

#include <windows.h>

#include <exception>
#include <string>

// The member below is the application's own MessageBox, not the A/W macro.
#undef MessageBox

class TObject;

class TApplication {
public:
    // The modal box itself, replaceable so that tests can observe what is
    // shown without a box appearing. MessageBoxA unless a test sets it.
    using TMessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The hidden application window; never shown.
    HWND Handle() const { return handle_; }

    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // The program icon "MAINICON", or the system's default application
    // icon while the module has none.
    HICON Icon() const { return icon_; }

    // Whether the main form is shown when the message loop starts.
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // Runs the message loop until Terminate's quit message arrives.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // Handles one message, waiting for one when the queue is empty.
    void HandleMessage();

    // A modal box owned by the application window; the application's other
    // visible windows are disabled while it is open. Returns the button id.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    TMessageBoxFunction MessageBoxFunction = ::MessageBoxA;

    // The standard error report. Call HandleException from inside a catch
    // block: it reports the exception being handled and the program goes on.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& error);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    bool ProcessMessage();

    HWND handle_ = nullptr;
    HICON icon_ = nullptr;
    std::string title_;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

extern TApplication* Application;

// The framework's start-up: creates the application object and its window.
// Called first thing in WinMain (and in the tests' main); the application
// is destroyed by the last finalizer to run.
void StartFramework();
