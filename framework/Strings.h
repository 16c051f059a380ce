#pragma once
// String helpers shared by every unit: printf-style formatting, case,
// trimming, file-name parts and the module's string table.

#include <string>

// printf-style formatting into a std::string, by the system's C run-time:
// C89 conversions only (no %lld, %zu or long double).
std::string Format(const char* format, ...) __attribute__((format(ms_printf, 1, 2)));
std::string IntToStr(long long value);

std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
std::string Trim(const std::string& text);
bool SameText(const std::string& a, const std::string& b);

// The file name with extension, without folder ("C:\A\B.exe" -> "B.exe").
std::string ExtractFileName(const std::string& path);

// Caption text without its "&" access-key markers ("E&xit" -> "Exit",
// "&&" stays a single "&").
std::string StripHotkey(const std::string& caption);
// The access-key character of a caption, upper case, or 0 when none.
char GetHotkey(const std::string& caption);

// Entry of the string table of the program's module; empty when absent.
std::string LoadStr(unsigned id);

// Full path of the running executable.
std::string ApplicationExeName();
