#include "Windows.h"

#include "app/SingleInstance.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

HWND ParseWindow(const std::string& text)
{
    return reinterpret_cast<HWND>(std::strtoul(text.c_str(), nullptr, 0));
}

std::string WindowText(HWND window)
{
    char buffer[1024] = "";
    // WM_GETTEXT reaches the control of another process; GetWindowText
    // would not for child controls.
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        &length);
    return std::string(buffer);
}

std::string WindowClass(HWND window)
{
    char buffer[256] = "";
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

DWORD WindowProcess(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string ProcessExeName(DWORD pid)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return "";
    std::string name;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == pid)
            name = entry.szExeFile;
    CloseHandle(snapshot);
    return name;
}

bool WaitFor(unsigned timeoutMs, const std::function<bool()>& condition)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

namespace {

struct TSearch {
    std::string className;
    std::string title;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TSearch*>(data);
    if (search->pid && WindowProcess(window) != search->pid)
        return TRUE;
    if (search->className != "-" && WindowClass(window) != search->className)
        return TRUE;
    if (search->title != "-" && WindowText(window) != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK PrintOne(HWND window, LPARAM pid)
{
    if (WindowProcess(window) == static_cast<DWORD>(pid))
        std::printf("%#lx %s visible=%d \"%s\"\n", reinterpret_cast<unsigned long>(window), WindowClass(window).c_str(),
                    IsWindowVisible(window) ? 1 : 0, WindowText(window).c_str());
    return TRUE;
}

}  // namespace

HWND FindTopLevel(const std::string& className, const std::string& title, DWORD pid)
{
    TSearch search{className, title, pid, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND PublishedWindow()
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, InstanceMappingName);
    if (!mapping)
        return nullptr;
    HWND window = nullptr;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4)) {
        window = reinterpret_cast<HWND>(*static_cast<const volatile DWORD*>(view));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return window;
}

void PrintWindowInfo(HWND window)
{
    DWORD pid = WindowProcess(window);
    std::printf("exists=%d\n", IsWindow(window) ? 1 : 0);
    std::printf("class=%s\n", WindowClass(window).c_str());
    std::printf("exstyle=%#lx\n", static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)));
    std::printf("title=%s\n", WindowText(window).c_str());
    std::printf("pid=%lu\n", pid);
    std::printf("exe=%s\n", ProcessExeName(pid).c_str());
    std::printf("toplevel=%d\n", GetAncestor(window, GA_PARENT) == GetDesktopWindow() ? 1 : 0);
    std::printf("visible=%d\n", IsWindowVisible(window) ? 1 : 0);
    std::printf("iconic=%d\n", IsIconic(window) ? 1 : 0);
    std::printf("enabled=%d\n", IsWindowEnabled(window) ? 1 : 0);
    std::printf("foreground=%d\n", GetForegroundWindow() == window ? 1 : 0);
    RECT rect{};
    GetWindowRect(window, &rect);
    std::printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("client=%ld,%ld,%ld,%ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("topmost=%d\n", (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    std::printf("focus=%s\n", thread.hwndFocus ? WindowClass(thread.hwndFocus).c_str() : "");
}

void PrintProcessWindows(DWORD pid)
{
    EnumWindows(PrintOne, static_cast<LPARAM>(pid));
}

bool WindowCondition(HWND window, const std::string& condition, bool& known)
{
    known = true;
    if (condition == "iconic")
        return IsIconic(window);
    if (condition == "not-iconic")
        return IsWindow(window) && !IsIconic(window);
    if (condition == "foreground")
        return GetForegroundWindow() == window;
    if (condition == "visible")
        return IsWindowVisible(window);
    if (condition == "hidden")
        return IsWindow(window) && !IsWindowVisible(window);
    if (condition == "gone")
        return !IsWindow(window);
    known = false;
    return false;
}
