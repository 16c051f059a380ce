#include "framework/Strings.h"

#include <windows.h>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <string>

// msvcrt's own formatter, which every Windows 9x has: the exe then carries
// no formatter of its own (with its floating-point conversions). It knows
// the C89 conversions only: no %lld, %zu or long double, which the format
// attribute in the header checks.
std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string result;
    // _vsnprintf says -1 when the text does not fit, not how long it is.
    for (size_t size = 256; size <= 1 << 20; size *= 2) {
        result.resize(size);
        va_list copy;
        va_copy(copy, args);
        int length = _vsnprintf(&result[0], size, format, copy);
        va_end(copy);
        if (length >= 0 && static_cast<size_t>(length) < size) {
            result.resize(static_cast<size_t>(length));
            break;
        }
    }
    va_end(args);
    return result;
}

std::string IntToStr(long long value)
{
    return std::to_string(value);
}

std::string UpperCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string LowerCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

bool SameText(const std::string& a, const std::string& b)
{
    // Compared in place: name look-ups call this for every candidate.
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string ExtractFileName(const std::string& path)
{
    size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripHotkey(const std::string& caption)
{
    std::string result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        result += caption[i];
    }
    return result;
}

char GetHotkey(const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

std::string LoadStr(unsigned id)
{
    char buffer[1024];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string ApplicationExeName()
{
    char buffer[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length);
}
