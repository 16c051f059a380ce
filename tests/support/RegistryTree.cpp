#include "tests/support/RegistryTree.h"

#include <vector>

void DeleteKeyTree(HKEY parent, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        // Named first, deleted after: deleting while enumerating skips keys.
        std::vector<std::string> children;
        char name[256];
        DWORD length = sizeof name;
        for (DWORD i = 0; RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
             ++i, length = sizeof name)
            children.push_back(name);
        for (const std::string& child : children)
            DeleteKeyTree(key, child);
        RegCloseKey(key);
    }
    RegDeleteKeyA(parent, path.c_str());
}
