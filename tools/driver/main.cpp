// driver: works the program's windows from outside for the end-to-end
// tests. Runs with plain wine in the same prefix, so it shares the
// program's desktop. Prints results on stdout; exit code 0 on success, 1
// when a condition did not hold in time, 2 on a usage error.

#include "MessageBoxReader.h"
#include "RegistryCommands.h"
#include "Windows.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const unsigned DefaultTimeoutMs = 30000;

const char Usage[] = "usage: driver COMMAND ARGS...\n"
                     "  mapping [TIMEOUT_MS]            wait for the published window, print it\n"
                     "  no-mapping [TIMEOUT_MS]         wait until the mapping is gone\n"
                     "  info HWND                       class, title, process, state, rect, client\n"
                     "                                  area, topmost, the class of its thread's focus\n"
                     "  windows PID                     the process's top-level windows\n"
                     "  find CLASS TITLE [PID [TIMEOUT_MS]]  wait for a top-level window (- = any)\n"
                     "  wait HWND CONDITION [TIMEOUT_MS]     iconic, not-iconic, foreground, visible,\n"
                     "                                       hidden, gone\n"
                     "  box HWND                        a message box's title, text, icon, buttons\n"
                     "  press HWND CAPTION              click a button of a message box\n"
                     "  send HWND MSG WPARAM LPARAM     SendMessage, print the result\n"
                     "  post HWND MSG WPARAM LPARAM     PostMessage\n"
                     "  minimize HWND                   ShowWindow SW_MINIMIZE\n"
                     "  size HWND WIDTH HEIGHT          SetWindowPos to that size, print the size it got\n"
                     "  foreground                      print the foreground window\n"
                     "  reg-exists KEY                  1 or 0 (HKEY_CURRENT_USER)\n"
                     "  reg-delete KEY                  delete the key and all below it\n"
                     "  reg-set KEY NAME TEXT           write a string value\n"
                     "  reg-delete-value KEY NAME\n";

unsigned long Number(const std::string& text)
{
    return std::strtoul(text.c_str(), nullptr, 0);
}

unsigned TimeoutArgument(const std::vector<std::string>& args, size_t index)
{
    return index < args.size() ? Number(args[index]) : DefaultTimeoutMs;
}

void PrintWindow(HWND window)
{
    std::printf("%#lx\n", reinterpret_cast<unsigned long>(window));
}

int Run(const std::vector<std::string>& args)
{
    if (args.empty())
        return 2;
    const std::string& command = args[0];
    size_t count = args.size();

    if (command == "mapping") {
        HWND window = nullptr;
        if (!WaitFor(TimeoutArgument(args, 1), [&] {
                window = PublishedWindow();
                return window && IsWindow(window);
            }))
            return 1;
        PrintWindow(window);
        return 0;
    }
    if (command == "no-mapping")
        return WaitFor(TimeoutArgument(args, 1), [] { return !PublishedWindow(); }) ? 0 : 1;
    if (command == "info" && count == 2) {
        PrintWindowInfo(ParseWindow(args[1]));
        return 0;
    }
    if (command == "windows" && count == 2) {
        PrintProcessWindows(Number(args[1]));
        return 0;
    }
    if (command == "find" && count >= 3) {
        DWORD pid = count > 3 ? Number(args[3]) : 0;
        HWND window = nullptr;
        if (!WaitFor(TimeoutArgument(args, 4), [&] {
                window = FindTopLevel(args[1], args[2], pid);
                return window != nullptr;
            }))
            return 1;
        PrintWindow(window);
        return 0;
    }
    if (command == "wait" && count >= 3) {
        HWND window = ParseWindow(args[1]);
        bool known = true;
        WindowCondition(window, args[2], known);
        if (!known)
            return 2;
        return WaitFor(TimeoutArgument(args, 3), [&] { return WindowCondition(window, args[2], known); }) ? 0 : 1;
    }
    if (command == "box" && count == 2) {
        TMessageBoxContents box = ReadMessageBox(ParseWindow(args[1]));
        std::string buttons;
        for (const std::string& button : box.buttons)
            buttons += (buttons.empty() ? "" : ",") + button;
        std::printf("title=%s\ntext=%s\nicon=%s\nbuttons=%s\n", box.title.c_str(), box.text.c_str(), box.icon.c_str(),
                    buttons.c_str());
        return 0;
    }
    if (command == "press" && count == 3)
        return PressButton(ParseWindow(args[1]), args[2]) ? 0 : 1;
    if ((command == "send" || command == "post") && count == 5) {
        HWND window = ParseWindow(args[1]);
        UINT message = Number(args[2]);
        WPARAM wParam = Number(args[3]);
        LPARAM lParam = static_cast<LPARAM>(Number(args[4]));
        if (command == "post")
            return PostMessageA(window, message, wParam, lParam) ? 0 : 1;
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, DefaultTimeoutMs, &result))
            return 1;
        std::printf("%lu\n", static_cast<unsigned long>(result));
        return 0;
    }
    if (command == "minimize" && count == 2) {
        ShowWindow(ParseWindow(args[1]), SW_MINIMIZE);
        return 0;
    }
    if (command == "size" && count == 4) {
        HWND window = ParseWindow(args[1]);
        SetWindowPos(window, nullptr, 0, 0, static_cast<int>(Number(args[2])), static_cast<int>(Number(args[3])),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT rect{};
        GetWindowRect(window, &rect);
        std::printf("%ldx%ld\n", rect.right - rect.left, rect.bottom - rect.top);
        return 0;
    }
    if (command == "foreground") {
        PrintWindow(GetForegroundWindow());
        return 0;
    }
    if (command == "reg-exists" && count == 2) {
        std::printf("%d\n", RegistryKeyExists(args[1]) ? 1 : 0);
        return 0;
    }
    if (command == "reg-delete" && count == 2)
        return DeleteRegistryTree(args[1]) ? 0 : 1;
    if (command == "reg-set" && count == 4)
        return SetRegistryString(args[1], args[2], args[3]) ? 0 : 1;
    if (command == "reg-delete-value" && count == 3)
        return DeleteRegistryValue(args[1], args[2]) ? 0 : 1;
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // Plain "\n" line ends for the shell scripts that read the output.
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = Run(args);
    if (status == 2)
        std::fputs(Usage, stderr);
    std::fflush(stdout);
    return status;
}
