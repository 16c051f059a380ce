#include "TestSupport.h"

#include "framework/Strings.h"

#include <vector>

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

TScratchKey::TScratchKey(const std::string& path) : path_(path)
{
    DeleteTree(HKEY_CURRENT_USER, path_);
}

TScratchKey::~TScratchKey()
{
    DeleteTree(HKEY_CURRENT_USER, path_);
}

void TScratchKey::DeleteTree(HKEY parent, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        std::vector<std::string> children;
        char name[256];
        DWORD length = sizeof name;
        for (DWORD i = 0; RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr,
                                        nullptr) == ERROR_SUCCESS;
             ++i, length = sizeof name)
            children.push_back(name);
        for (const std::string& child : children)
            DeleteTree(key, child);
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, path.c_str());
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
    handle_ = CreateWindowExA(0, TestWindowClass, "test", style, 10, 10, 200, 100, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
}

TTestWindow::~TTestWindow()
{
    DestroyWindow(handle_);
}
