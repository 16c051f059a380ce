#pragma once
// The program's registry operations. Each opens a fresh registry object on
// the given root and key path, does one thing, and closes it again. They
// report failure by their result; only a failed write to an opened key
// raises (ERegistryException), to reach the application's error box.

#include <windows.h>

#include <string>

// Key paths under HKEY_CURRENT_USER, from the root.
extern const char SettingsKey[];
extern const char RunKey[];

// True only when the key did not exist and has now been created.
bool CreateRegKey(HKEY root, const std::string& key);
bool RegKeyExists(HKEY root, const std::string& key);
bool RegValueExists(HKEY root, const std::string& key, const std::string& name);
bool DeleteRegValue(HKEY root, const std::string& key, const std::string& name);
// False when the key or value is missing or the value is not an integer.
bool ReadRegBool(HKEY root, const std::string& key, const std::string& name);
// Write when overwrite is on or the value is missing; true when written.
bool WriteRegBool(HKEY root, const std::string& key, const std::string& name, bool value, bool overwrite);
bool WriteRegString(HKEY root, const std::string& key, const std::string& name, const std::string& text,
                    bool overwrite);

// Adds or removes the Run entry named after the executable's file name,
// creating the Run key when it is missing. The stored command line quotes
// a path that contains spaces.
bool SetRunOnStartup(const std::string& exePath, bool enable);
// The command line stored for an executable path.
std::string RunCommandLine(const std::string& exePath);
