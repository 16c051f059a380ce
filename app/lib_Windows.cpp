#include "app/lib_Windows.h"

#include "app/KernelObjects.h"
#include "app/Seams.h"
#include "framework/Application.h"

#include <vector>

namespace {

DWORD ReadPlatformId()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) ? info.dwPlatformId : VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

bool IsWindowsNT()
{
    // Read at the first call, which start-up makes before anything else.
    static const DWORD platformId = ReadPlatformId();
    return platformId == VER_PLATFORM_WIN32_NT;
}

int ShowCommandValue(ShowCommand command)
{
    static const int values[] = {
        SW_HIDE,          SW_MAXIMIZE,      SW_MINIMIZE,        SW_RESTORE, SW_SHOW,           SW_SHOWDEFAULT,
        SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_SHOWMINNOACTIVE, SW_SHOWNA,  SW_SHOWNOACTIVATE, SW_SHOWNORMAL,
    };
    return values[command];
}

bool BringToFront(HWND window)
{
    return SetForegroundWindow(window) != FALSE;
}

bool ShowWindowAs(HWND window, ShowCommand command)
{
    // ShowWindow answers whether the window was visible before; it fails
    // only for a handle that is no window.
    if (!IsWindow(window))
        return false;
    ShowWindow(window, ShowCommandValue(command));
    return true;
}

bool SetStayOnTop(HWND window, bool onTop)
{
    return SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != FALSE;
}

bool IsMinimized(HWND window)
{
    return IsIconic(window) != FALSE;
}

const char* ShellVerbText(ShellVerb verb)
{
    static const char* const verbs[] = {"open", "print", "explore"};
    return verbs[verb];
}

bool ShellRun(const std::string& file, const std::string& parameters, ShellVerb verb, ShowCommand command)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = Application ? Application->Handle() : nullptr;
    info.lpVerb = ShellVerbText(verb);
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = "";
    info.nShow = ShowCommandValue(command);
    bool started = ShellExecuteFunction(&info) != FALSE;
    // The shell may hand back a process handle; nothing waits on it.
    TKernelHandle process(started ? info.hProcess : nullptr);
    return started;
}

bool GetFileVersion(const std::string& fileName, unsigned& major, unsigned& minor, unsigned& release, unsigned& build)
{
    major = minor = release = build = 0;
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &unused);
    if (size == 0)
        return false;
    std::vector<char> buffer(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, buffer.data()))
        return false;
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(buffer.data(), "\\", &block, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return false;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
    // Anything without the signature is not a fixed file information.
    if (info->dwSignature != VS_FFI_SIGNATURE)
        return false;
    major = HIWORD(info->dwFileVersionMS);
    minor = LOWORD(info->dwFileVersionMS);
    release = HIWORD(info->dwFileVersionLS);
    build = LOWORD(info->dwFileVersionLS);
    return true;
}
