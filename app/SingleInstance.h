#pragma once
// One copy at a time: the first copy publishes its application window's
// handle in a named 4-byte file mapping; a later copy finds the mapping,
// brings that window forward and ends.

#include <string>

// The mapping's name; the end-to-end tests' driver reads it too.
inline constexpr char InstanceMappingName[] = "35320495-08BA-480C-875F-BA4274656A5E";

// Claims the mapping for this copy, or hands over to the running copy and
// ends the process with exit code 0.
void EnsureSingleInstance(const std::string& name);
// Unmaps the view and closes the mapping; part of the process clean-up.
void ReleaseSingleInstance();
