#pragma once
// Names of an enumeration's values, so that layouts can store enumeration
// and set properties by name. Values must run 0, 1, 2... in declared order.

#include <string>
#include <vector>

struct TEnumInfo {
    std::vector<std::string> Names;

    // Index of the name, compared without case; -1 when unknown.
    int IndexOf(const std::string& name) const;
    const std::string& NameOf(int value) const;
};

template <class E>
struct TEnumTraits;  // specialised by DECLARE_ENUM_INFO

#define DECLARE_ENUM_INFO(E)            \
    template <>                         \
    struct TEnumTraits<E> {             \
        static const TEnumInfo& Info(); \
    };

#define IMPLEMENT_ENUM_INFO(E, ...)                 \
    const TEnumInfo& TEnumTraits<E>::Info()         \
    {                                               \
        static const TEnumInfo info{{__VA_ARGS__}}; \
        return info;                                \
    }
