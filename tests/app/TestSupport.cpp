#include "tests/app/TestSupport.h"

#include "framework/Registry.h"
#include "framework/Strings.h"
#include "tests/support/RegistryTree.h"

#include <doctest/doctest.h>

std::string ExeFolder()
{
    std::string path = ApplicationExeName();
    return path.substr(0, path.size() - ExtractFileName(path).size());
}

std::string TempFileName(const std::string& suffix)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return Format("%squorvel-test-%lu-%s", folder, GetCurrentProcessId(), suffix.c_str());
}

TScratchKey::TScratchKey(const std::string& path) : FPath(path)
{
    DeleteKeyTree(HKEY_CURRENT_USER, FPath);
}

TScratchKey::~TScratchKey()
{
    DeleteKeyTree(HKEY_CURRENT_USER, FPath);
}

namespace {
const char TestWindowClass[] = "QuorvelTestWindow";
}

TTestWindow::TTestWindow(DWORD style)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = TestWindowClass;
    RegisterClassA(&windowClass);
    FHandle = CreateWindowExA(0, TestWindowClass, "test", style, 10, 10, 200, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

TTestWindow::~TTestWindow()
{
    DestroyWindow(FHandle);
}

TShellRun& LastShellRun()
{
    static TShellRun call;
    return call;
}

TShellRunRecorder::TShellRunRecorder() : FSeam(ShellExecuteFunction, Record)
{
    LastShellRun() = TShellRun();
}

BOOL WINAPI TShellRunRecorder::Record(SHELLEXECUTEINFOA* info)
{
    TShellRun& call = LastShellRun();
    call.info = *info;
    call.verb = info->lpVerb ? info->lpVerb : "";
    call.file = info->lpFile ? info->lpFile : "";
    call.parameters = info->lpParameters ? info->lpParameters : "";
    call.directoryIsNull = info->lpDirectory == nullptr;
    call.directory = info->lpDirectory ? info->lpDirectory : "";
    ++call.calls;
    return call.calls == 1;
}

int ReadInteger(const std::string& key, const std::string& name)
{
    TRegistry registry(KEY_READ);
    REQUIRE(registry.OpenKey(key, false));
    return registry.ReadInteger(name);
}

std::string ReadString(const std::string& key, const std::string& name)
{
    TRegistry registry(KEY_READ);
    REQUIRE(registry.OpenKey(key, false));
    return registry.ReadString(name);
}
