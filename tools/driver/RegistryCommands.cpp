#include "RegistryCommands.h"

#include <windows.h>

#include <vector>

namespace {

void DeleteSubtree(HKEY parent, const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        std::vector<std::string> children;
        char child[256];
        DWORD index = 0;
        DWORD length = sizeof child;
        while (RegEnumKeyExA(key, index++, child, &length, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS) {
            children.push_back(child);
            length = sizeof child;
        }
        for (const std::string& each : children)
            DeleteSubtree(key, each);
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, name.c_str());
}

} // namespace

bool RegistryKeyExists(const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool DeleteRegistryTree(const std::string& path)
{
    DeleteSubtree(HKEY_CURRENT_USER, path);
    return !RegistryKeyExists(path);
}

bool SetRegistryString(const std::string& path, const std::string& name, const std::string& value)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool DeleteRegistryValue(const std::string& path, const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    LONG status = RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
