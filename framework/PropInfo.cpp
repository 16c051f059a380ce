#include "framework/PropInfo.h"

#include "framework/Exceptions.h"
#include "framework/Object.h"
#include "framework/Strings.h"

TPropInfo::TPropInfo(std::string name, TPropKind kind) : FPropName(std::move(name)), FPropKind(kind) {}

TPropInfo::~TPropInfo() = default;

bool TPropInfo::IsStored(const TObject& object) const
{
    if (FStored && !FStored(object))
        return false;
    if (FAlways || !HasDefault())
        return true;
    return !IsDefault(object);
}

void TPropInfo::WrongKind(const char* access) const
{
    throw EPropertyError(Format("Property %s does not support %s access", FPropName.c_str(), access));
}

long long TPropInfo::GetOrd(const TObject&) const
{
    WrongKind("ordinal");
}
void TPropInfo::SetOrd(TObject&, long long) const
{
    WrongKind("ordinal");
}
std::string TPropInfo::GetStr(const TObject&) const
{
    WrongKind("string");
}
void TPropInfo::SetStr(TObject&, const std::string&) const
{
    WrongKind("string");
}
long double TPropInfo::GetFloat(const TObject&) const
{
    WrongKind("float");
}
void TPropInfo::SetFloat(TObject&, long double) const
{
    WrongKind("float");
}
TComponent* TPropInfo::GetComponent(const TObject&) const
{
    WrongKind("component");
}
void TPropInfo::SetComponent(TObject&, TComponent*) const
{
    WrongKind("component");
}
TPersistent* TPropInfo::GetNestedObject(const TObject&) const
{
    WrongKind("object");
}
TMethod TPropInfo::GetMethod(const TObject&) const
{
    WrongKind("method");
}
void TPropInfo::SetMethod(TObject&, const TMethod&) const
{
    WrongKind("method");
}

const TPropInfo& GetPropInfo(const TObject& object, const std::string& name)
{
    const TPropInfo* property = object.ClassType().FindProperty(name);
    if (!property)
        throw EPropertyError(Format("Property %s does not exist in %s", name.c_str(), object.ClassName().c_str()));
    return *property;
}

long long GetOrdProp(const TObject& object, const std::string& name)
{
    return GetPropInfo(object, name).GetOrd(object);
}

void SetOrdProp(TObject& object, const std::string& name, long long value)
{
    GetPropInfo(object, name).SetOrd(object, value);
}

std::string GetStrProp(const TObject& object, const std::string& name)
{
    return GetPropInfo(object, name).GetStr(object);
}

void SetStrProp(TObject& object, const std::string& name, const std::string& value)
{
    GetPropInfo(object, name).SetStr(object, value);
}

std::string GetEnumProp(const TObject& object, const std::string& name)
{
    const TPropInfo& property = GetPropInfo(object, name);
    if (property.Kind() != TPropKind::Enum)
        throw EPropertyError(Format("Property %s is not an enumeration", name.c_str()));
    return property.EnumInfo()->NameOf(static_cast<int>(property.GetOrd(object)));
}

void SetEnumProp(TObject& object, const std::string& name, const std::string& value)
{
    const TPropInfo& property = GetPropInfo(object, name);
    if (property.Kind() != TPropKind::Enum)
        throw EPropertyError(Format("Property %s is not an enumeration", name.c_str()));
    int index = property.EnumInfo()->IndexOf(value);
    if (index < 0)
        throw EPropertyError(Format("Invalid property value %s for %s", value.c_str(), name.c_str()));
    property.SetOrd(object, index);
}

TComponent* GetComponentProp(const TObject& object, const std::string& name)
{
    return GetPropInfo(object, name).GetComponent(object);
}

void SetComponentProp(TObject& object, const std::string& name, TComponent* value)
{
    GetPropInfo(object, name).SetComponent(object, value);
}
