// The C++ run-time reports a misused string or vector (a length past its
// maximum, a position past its end, a string made from a null pointer) by
// raising std::logic_error and its kin. Its own functions for that bring
// along the run-time's second, pre-C++11 string, which those exceptions
// carry their message in: some 50 KB of code and unwind tables, for errors
// that only a fault in the program can cause. These raise the framework's
// Exception with the same message instead, which the application's error
// box shows as before (it catches every std::exception). Memory, cast and
// type-id errors stay the run-time's own small exceptions. All of the
// run-time's raisers are here, so that its own object never joins a link.

#include "framework/Exceptions.h"

#include <bits/functexcept.h>

#include <cstdarg>
#include <exception>
#include <new>
#include <string>
#include <typeinfo>

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

void __throw_domain_error(const char* message)
{
    throw Exception(message);
}

void __throw_runtime_error(const char* message)
{
    throw Exception(message);
}

void __throw_range_error(const char* message)
{
    throw Exception(message);
}

void __throw_overflow_error(const char* message)
{
    throw Exception(message);
}

void __throw_underflow_error(const char* message)
{
    throw Exception(message);
}

void __throw_bad_cast()
{
    throw bad_cast();
}

void __throw_bad_typeid()
{
    throw bad_typeid();
}

void __throw_bad_exception()
{
    throw bad_exception();
}

}  // namespace std
