#pragma once
// Registry access: a root key, an access mask and one current key at a
// time. Key paths with a leading backslash start at the root; others are
// relative to the current key (or to the root when none is open).
// Reads and writes of values raise ERegistryException on failure; opening
// reports failure by its result.

#include "framework/GdiObject.h"

#include <windows.h>

#include <string>

struct TRegCloseKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
// Sole owner of one open registry key.
using TRegKey = TOwnedHandle<HKEY, TRegCloseKey>;

// Test seams: every registry call of TRegistry, so that tests can make
// writes fail or check access rights. The system's own in the program.
struct TRegistryCalls {
    decltype(&RegOpenKeyExA) OpenKey = RegOpenKeyExA;
    decltype(&RegCreateKeyExA) CreateKey = RegCreateKeyExA;
    decltype(&RegQueryValueExA) QueryValue = RegQueryValueExA;
    decltype(&RegSetValueExA) SetValue = RegSetValueExA;
    decltype(&RegDeleteValueA) DeleteValue = RegDeleteValueA;
};
extern TRegistryCalls RegistryCalls;

class TRegistry {
public:
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    // Closes the current key.
    void SetRootKey(HKEY root);
    REGSAM Access() const { return FAccess; }
    void SetAccess(REGSAM access) { FAccess = access; }

    HKEY CurrentKey() const { return FCurrentKey.Get(); }
    const std::string& CurrentPath() const { return FCurrentPath; }

    // Makes the key current; with create set, missing keys (and their
    // parents) are created. False when it can't be opened or created.
    bool OpenKey(const std::string& key, bool create);
    void CloseKey();
    // Whether the key opens with this object's access mask.
    bool KeyExists(const std::string& key);
    // Creates the key with its missing parents; the current key stays.
    // Raises ERegistryException when it can't be created.
    bool CreateKey(const std::string& key);

    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);

    // Raise ERegistryException when the value is missing, of another type
    // or unreadable.
    int ReadInteger(const std::string& name);
    std::string ReadString(const std::string& name);
    // Raise ERegistryException "Failed to set data for '<name>'".
    void WriteInteger(const std::string& name, int value);
    void WriteString(const std::string& name, const std::string& value);

private:
    // The key a path starts from, and the path without its leading backslash.
    HKEY BaseKey(const std::string& key, std::string& relativePath) const;
    bool IsRelative(const std::string& key) const;
    void WriteData(const std::string& name, DWORD type, const void* data, DWORD size);

    HKEY FRootKey = HKEY_CURRENT_USER;
    REGSAM FAccess;
    TRegKey FCurrentKey;
    std::string FCurrentPath;
};
