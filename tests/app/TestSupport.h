#pragma once
// Helpers shared by the application tests.

#include "app/Seams.h"
#include "framework/Application.h"
#include "framework/ScopeGuard.h"

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

// A value read back from HKEY_CURRENT_USER, for checking what was written;
// the key (from the root) must exist.
int ReadInteger(const std::string& key, const std::string& name);
std::string ReadString(const std::string& key, const std::string& name);

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

// The last call the program made of the shell (ShellExecuteExA), with the
// strings copied out.
struct TShellRun {
    SHELLEXECUTEINFOA info = {};
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    bool directoryIsNull = false;
    int calls = 0;
};
TShellRun& LastShellRun();

// Puts a recorder in for the shell for the length of the scope: it accepts
// the first call and refuses every later one.
class TShellRunRecorder {
public:
    TShellRunRecorder();
    TShellRunRecorder(const TShellRunRecorder&) = delete;
    TShellRunRecorder& operator=(const TShellRunRecorder&) = delete;

private:
    static BOOL WINAPI Record(SHELLEXECUTEINFOA* info);
    TScopedOverride<TShellExecute> FSeam;
};
