#include "framework/Registry.h"

#include "framework/Exceptions.h"
#include "framework/Strings.h"

#include <vector>

TRegistryCalls RegistryCalls;

TRegistry::TRegistry(REGSAM access) : FAccess(access) {}

void TRegistry::SetRootKey(HKEY root)
{
    if (root == FRootKey)
        return;
    CloseKey();
    FRootKey = root;
}

bool TRegistry::IsRelative(const std::string& key) const
{
    return key.empty() || key[0] != '\\';
}

HKEY TRegistry::BaseKey(const std::string& key, std::string& relativePath) const
{
    relativePath = IsRelative(key) ? key : key.substr(1);
    return IsRelative(key) && FCurrentKey.Get() ? FCurrentKey.Get() : FRootKey;
}

bool TRegistry::OpenKey(const std::string& key, bool create)
{
    std::string path;
    HKEY base = BaseKey(key, path);
    HKEY opened = nullptr;
    LONG status;
    if (create)
        status = RegistryCalls.CreateKey(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr,
                                         &opened, nullptr);
    else
        status = RegistryCalls.OpenKey(base, path.c_str(), 0, FAccess, &opened);
    if (status != ERROR_SUCCESS)
        return false;

    if (IsRelative(key) && FCurrentKey.Get() && !FCurrentPath.empty())
        path = FCurrentPath + "\\" + path;
    FCurrentKey.Reset(opened);
    FCurrentPath = path;
    return true;
}

void TRegistry::CloseKey()
{
    FCurrentKey.Reset();
    FCurrentPath.clear();
}

bool TRegistry::KeyExists(const std::string& key)
{
    std::string path;
    HKEY base = BaseKey(key, path);
    HKEY opened = nullptr;
    if (RegistryCalls.OpenKey(base, path.c_str(), 0, FAccess, &opened) != ERROR_SUCCESS)
        return false;
    TRegKey owner(opened);
    return true;
}

bool TRegistry::CreateKey(const std::string& key)
{
    std::string path;
    HKEY base = BaseKey(key, path);
    HKEY created = nullptr;
    if (RegistryCalls.CreateKey(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr, &created,
                                nullptr) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to create key %s", key.c_str()));
    TRegKey owner(created);
    return true;
}

bool TRegistry::ValueExists(const std::string& name)
{
    return FCurrentKey.Get() && RegistryCalls.QueryValue(FCurrentKey.Get(), name.c_str(), nullptr, nullptr, nullptr,
                                                         nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& name)
{
    return FCurrentKey.Get() && RegistryCalls.DeleteValue(FCurrentKey.Get(), name.c_str()) == ERROR_SUCCESS;
}

int TRegistry::ReadInteger(const std::string& name)
{
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG status = FCurrentKey.Get() ? RegistryCalls.QueryValue(FCurrentKey.Get(), name.c_str(), nullptr, &type,
                                                               reinterpret_cast<BYTE*>(&value), &size)
                                    : ERROR_INVALID_HANDLE;
    if (status == ERROR_MORE_DATA || (status == ERROR_SUCCESS && type != REG_DWORD))
        throw ERegistryException(Format("Invalid data type for '%s'", name.c_str()));
    if (status != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to get data for '%s'", name.c_str()));
    return static_cast<int>(value);
}

std::string TRegistry::ReadString(const std::string& name)
{
    HKEY key = FCurrentKey.Get();
    DWORD type = 0;
    DWORD size = 0;
    if (!key || RegistryCalls.QueryValue(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to get data for '%s'", name.c_str()));
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException(Format("Invalid data type for '%s'", name.c_str()));
    std::vector<char> buffer(size + 1, '\0');
    if (RegistryCalls.QueryValue(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to get data for '%s'", name.c_str()));
    return std::string(buffer.data());
}

void TRegistry::WriteData(const std::string& name, DWORD type, const void* data, DWORD size)
{
    if (!FCurrentKey.Get() || RegistryCalls.SetValue(FCurrentKey.Get(), name.c_str(), 0, type,
                                                     static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to set data for '%s'", name.c_str()));
}

void TRegistry::WriteInteger(const std::string& name, int value)
{
    DWORD data = static_cast<DWORD>(value);
    WriteData(name, REG_DWORD, &data, sizeof data);
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
    WriteData(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}
