#pragma once
// Classes by name, so that stored layouts can create their components.
// Every class registers itself when the program starts.

#include <string>

class TClassInfo;

void RegisterClass(const TClassInfo& cls);
// Exact (case-insensitive) name; null when no such class was registered.
const TClassInfo* FindClass(const std::string& name);
