#pragma once
// Helpers shared by the application tests.

#include "framework/Application.h"

#include <windows.h>

#include <string>

// The folder of the running test executable, with a trailing backslash.
std::string ExeFolder();
// A file name in the temporary folder, unique to this process.
std::string TempFileName(const std::string& suffix);

// Deletes an HKEY_CURRENT_USER key with all below it, on creation and on
// destruction, so that a test starts and ends without it.
class TScratchKey {
public:
    explicit TScratchKey(const std::string& path);
    ~TScratchKey();
    TScratchKey(const TScratchKey&) = delete;
    TScratchKey& operator=(const TScratchKey&) = delete;

private:
    std::string path_;
};

// A plain visible top-level window of the test's thread.
class TTestWindow {
public:
    explicit TTestWindow(DWORD style = WS_OVERLAPPEDWINDOW);
    ~TTestWindow();
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;
    HWND Handle() const { return handle_; }

private:
    HWND handle_;
};

// Records the boxes the application would show instead of showing them,
// answering with a fixed button: the last box, whether the watched window
// was enabled while it was up, and how many boxes there were.
struct TShownBox {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT flags = 0;
    bool otherWindowEnabled = true;
    int count = 0;
};

class TRecordedBoxes {
public:
    explicit TRecordedBoxes(int answer = IDOK, HWND watched = nullptr);
    ~TRecordedBoxes();
    TRecordedBoxes(const TRecordedBoxes&) = delete;
    TRecordedBoxes& operator=(const TRecordedBoxes&) = delete;
    const TShownBox& Box() const;

private:
    static int WINAPI Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

    TApplication::TMessageBoxFunction saved_;
};
