#include "framework/EnumInfo.h"

#include "framework/Exceptions.h"
#include "framework/Strings.h"

int TEnumInfo::IndexOf(const std::string& name) const
{
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name))
            return static_cast<int>(i);
    return -1;
}

const std::string& TEnumInfo::NameOf(int value) const
{
    if (value < 0 || static_cast<size_t>(value) >= Names.size())
        throw EPropertyError(Format("Enumeration value %d out of range", value));
    return Names[static_cast<size_t>(value)];
}
