#pragma once
// The current user's registry, for test set-up and checks. Paths are
// relative to HKEY_CURRENT_USER.

#include <string>

bool RegistryKeyExists(const std::string& path);
// Deletes the key with everything below it; true when it is gone.
bool DeleteRegistryTree(const std::string& path);
bool SetRegistryString(const std::string& path, const std::string& name, const std::string& value);
bool DeleteRegistryValue(const std::string& path, const std::string& name);
