// The C++ run-time reports a misused string or vector (a length past its
// maximum, a position past its end, a string made from a null pointer) by
// raising std::logic_error and its kin. Its own functions for that bring
// along the run-time's second, pre-C++11 string, which those exceptions
// carry their message in: some 50 KB of code and unwind tables, for errors
// that only a fault in the program can cause. These raise the framework's
// Exception with the same message instead, which the application's error
// box shows as before (it catches every std::exception). Memory errors stay
// std::bad_alloc, which the application treats on its own.

#include "framework/Exceptions.h"

#include <bits/functexcept.h>

#include <cstdarg>
#include <new>
#include <string>

namespace {

// The run-time's messages use only %s, %zu and %lu (as in "__pos (which is
// %zu) > this->size() (which is %zu)").
std::string RunTimeMessage(const char* format, va_list args)
{
    std::string text;
    for (const char* c = format; *c; ++c) {
        if (*c != '%') {
            text += *c;
            continue;
        }
        ++c;
        const bool sizeArgument = *c == 'z';
        while (*c == 'z' || *c == 'l')
            ++c;
        if (*c == 's')
            text += va_arg(args, const char*);
        else if (*c == 'u' && sizeArgument)
            text += std::to_string(va_arg(args, size_t));
        else if (*c == 'u')
            text += std::to_string(va_arg(args, unsigned long));
        else if (*c == '%')
            text += '%';
        else
            break;
    }
    return text;
}

}  // namespace

namespace std {

void __throw_bad_alloc()
{
    throw bad_alloc();
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

void __throw_logic_error(const char* message)
{
    throw Exception(message);
}

void __throw_length_error(const char* message)
{
    throw Exception(message);
}

void __throw_out_of_range(const char* message)
{
    throw Exception(message);
}

void __throw_out_of_range_fmt(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string message = RunTimeMessage(format, args);
    va_end(args);
    throw Exception(message);
}

void __throw_invalid_argument(const char* message)
{
    throw Exception(message);
}

}  // namespace std
