#pragma once
// Clearing registry keys that tests make: a key with everything below it.

#include <windows.h>

#include <string>

// Deletes the key path under parent and all its subkeys; nothing when it
// is not there.
void DeleteKeyTree(HKEY parent, const std::string& path);
