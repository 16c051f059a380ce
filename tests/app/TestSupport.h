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
    std::string FPath;
};

// A plain visible top-level window of the test's thread.
class TTestWindow {
public:
    explicit TTestWindow(DWORD style = WS_OVERLAPPEDWINDOW);
    ~TTestWindow();
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;
    HWND Handle() const { return FHandle; }

private:
    HWND FHandle;
};
