#pragma once
// A published property: its name, its kind, its stored default, and access
// to its value on an object. Layouts read and write components through
// these; code can read and write any property by name.

#include "framework/EnumInfo.h"
#include "framework/Events.h"

#include <string>

class TObject;
class TPersistent;
class TComponent;
class TClassInfo;

enum class TPropKind {
    Integer,    // whole numbers
    Boolean,    // True / False
    Enum,       // one value of an enumeration, stored by name
    Set,        // a set over an enumeration, stored as [a, b]
    Color,      // a colour, stored by name (clBtnFace) or number
    String,     // text
    Float,      // floating point (80-bit where the property holds one)
    Component,  // reference to another component, not owned
    Object,     // nested object whose own properties are stored (Font.Name)
    Event,      // bound method, stored by the handler's name
};

class TPropInfo {
public:
    TPropInfo(std::string name, TPropKind kind);
    virtual ~TPropInfo();
    TPropInfo(const TPropInfo&) = delete;
    TPropInfo& operator=(const TPropInfo&) = delete;

    const std::string& Name() const { return FPropName; }
    TPropKind Kind() const { return FPropKind; }
    bool IsReadOnly() const { return FReadOnly; }

    // Names of the enumeration behind an Enum or Set property.
    virtual const TEnumInfo* EnumInfo() const { return nullptr; }
    // Class a Component property accepts.
    virtual const TClassInfo* ComponentClass() const { return nullptr; }
    // Event type an Event property accepts.
    virtual const void* EventSignature() const { return nullptr; }

    // A property that its class always stores, default or not.
    TPropInfo& AlwaysStored()
    {
        FAlways = true;
        return *this;
    }
    // A property that its class stores only while stored(object) holds,
    // and then as the rules below say (a value that comes from elsewhere,
    // such as a linked action, is not stored).
    using TStoredFunc = bool (*)(const TObject& object);
    TPropInfo& StoredWhen(TStoredFunc stored)
    {
        FStored = stored;
        return *this;
    }
    // Whether the writer stores the property: always-stored, or not at its
    // default. A property without a declared default is always stored.
    bool IsStored(const TObject& object) const;

    // Access by kind. Integer, Boolean, Enum, Color: the value; Set: the
    // bit mask (bit n for value n). The wrong kind raises EPropertyError.
    virtual long long GetOrd(const TObject& object) const;
    virtual void SetOrd(TObject& object, long long value) const;
    virtual std::string GetStr(const TObject& object) const;
    virtual void SetStr(TObject& object, const std::string& value) const;
    virtual long double GetFloat(const TObject& object) const;
    virtual void SetFloat(TObject& object, long double value) const;
    virtual TComponent* GetComponent(const TObject& object) const;
    virtual void SetComponent(TObject& object, TComponent* value) const;
    virtual TPersistent* GetNestedObject(const TObject& object) const;
    virtual TMethod GetMethod(const TObject& object) const;
    virtual void SetMethod(TObject& object, const TMethod& value) const;

protected:
    virtual bool HasDefault() const { return false; }
    virtual bool IsDefault(const TObject&) const { return false; }
    [[noreturn]] void WrongKind(const char* access) const;
    bool FReadOnly = false;

private:
    std::string FPropName;
    TPropKind FPropKind;
    bool FAlways = false;
    TStoredFunc FStored = nullptr;
};

// Property access by name; unknown names raise EPropertyError.
const TPropInfo& GetPropInfo(const TObject& object, const std::string& name);
long long GetOrdProp(const TObject& object, const std::string& name);
void SetOrdProp(TObject& object, const std::string& name, long long value);
std::string GetStrProp(const TObject& object, const std::string& name);
void SetStrProp(TObject& object, const std::string& name, const std::string& value);
// Enumeration properties by value name ("kbsStandard").
std::string GetEnumProp(const TObject& object, const std::string& name);
void SetEnumProp(TObject& object, const std::string& name, const std::string& value);
TComponent* GetComponentProp(const TObject& object, const std::string& name);
void SetComponentProp(TObject& object, const std::string& name, TComponent* value);
