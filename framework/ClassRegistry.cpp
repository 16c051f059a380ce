#include "framework/ClassRegistry.h"

#include "framework/ClassInfo.h"
#include "framework/Strings.h"

#include <map>

namespace {
std::map<std::string, const TClassInfo*>& Classes()
{
    static std::map<std::string, const TClassInfo*> classes;
    return classes;
}
}

void RegisterClass(const TClassInfo& cls)
{
    Classes()[UpperCase(cls.Name())] = &cls;
}

const TClassInfo* FindClass(const std::string& name)
{
    auto found = Classes().find(UpperCase(name));
    return found == Classes().end() ? nullptr : found->second;
}
