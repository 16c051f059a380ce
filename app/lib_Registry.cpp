#include "app/lib_Registry.h"

#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "framework/Strings.h"

const char SettingsKey[] = "\\Software\\Tessaly\\QuorvelXP";
const char RunKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

// Opens the key (never creating it) with the given access.
class TOpenedKey {
public:
    TOpenedKey(HKEY root, const std::string& key, REGSAM access) : FRegistry(access)
    {
        FRegistry.SetRootKey(root);
        FOpened = FRegistry.OpenKey(key, false);
    }
    bool Opened() const { return FOpened; }
    TRegistry* operator->() { return &FRegistry; }

private:
    TRegistry FRegistry;
    bool FOpened = false;
};

}  // namespace

bool CreateRegKey(HKEY root, const std::string& key)
{
    TOpenedKey registry(root, key, KEY_WRITE);
    if (registry.Opened())
        return false;
    try {
        return registry->CreateKey(key);
    } catch (const ERegistryException&) {
        return false;
    }
}

bool RegKeyExists(HKEY root, const std::string& key)
{
    return TOpenedKey(root, key, KEY_READ).Opened();
}

bool RegValueExists(HKEY root, const std::string& key, const std::string& name)
{
    TOpenedKey registry(root, key, KEY_READ);
    return registry.Opened() && registry->ValueExists(name);
}

bool DeleteRegValue(HKEY root, const std::string& key, const std::string& name)
{
    TOpenedKey registry(root, key, KEY_READ | KEY_WRITE);
    return registry.Opened() && registry->DeleteValue(name);
}

bool ReadRegBool(HKEY root, const std::string& key, const std::string& name)
{
    TOpenedKey registry(root, key, KEY_READ);
    if (!registry.Opened() || !registry->ValueExists(name))
        return false;
    try {
        return registry->ReadInteger(name) != 0;
    } catch (const ERegistryException&) {
        return false;
    }
}

// Writing may first ask whether the value exists: that takes the right to
// query as well as to set, where access rights are enforced.
const REGSAM QueryAndSet = KEY_QUERY_VALUE | KEY_SET_VALUE;

bool WriteRegBool(HKEY root, const std::string& key, const std::string& name, bool value, bool overwrite)
{
    TOpenedKey registry(root, key, QueryAndSet);
    if (!registry.Opened() || (!overwrite && registry->ValueExists(name)))
        return false;
    registry->WriteInteger(name, value ? 1 : 0);
    return true;
}

bool WriteRegString(HKEY root, const std::string& key, const std::string& name, const std::string& text, bool overwrite)
{
    TOpenedKey registry(root, key, QueryAndSet);
    if (!registry.Opened() || (!overwrite && registry->ValueExists(name)))
        return false;
    registry->WriteString(name, text);
    return true;
}

std::string RunCommandLine(const std::string& exePath)
{
    // Unquoted, "C:\Program Files\Q\Quorvel.exe" would start
    // "C:\Program.exe" if one existed.
    bool quoted = !exePath.empty() && exePath.front() == '"';
    if (quoted || exePath.find(' ') == std::string::npos)
        return exePath;
    return "\"" + exePath + "\"";
}

bool SetRunOnStartup(const std::string& exePath, bool enable)
{
    std::string name = ExtractFileName(exePath);
    if (enable) {
        // A fresh profile may have no Run key yet.
        if (!RegKeyExists(HKEY_CURRENT_USER, RunKey))
            CreateRegKey(HKEY_CURRENT_USER, RunKey);
        return WriteRegString(HKEY_CURRENT_USER, RunKey, name, RunCommandLine(exePath), true);
    }
    return DeleteRegValue(HKEY_CURRENT_USER, RunKey, name);
}
