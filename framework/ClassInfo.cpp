#include "framework/ClassInfo.h"

#include "framework/Exceptions.h"
#include "framework/PropInfo.h"
#include "framework/Strings.h"

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, TBuild build)
    : FClassName(name), FParentClass(parent), FBuild(build)
{
}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const
{
    for (const TClassInfo* cls = this; cls; cls = cls->FParentClass)
        if (cls == &ancestor)
            return true;
    return false;
}

void TClassInfo::EnsureBuilt() const
{
    if (FBuilt || !FBuild)
        return;
    // The description only adds to tables; building is idempotent in effect.
    FBuilt = true;
    FBuild(const_cast<TClassInfo&>(*this));
}

bool TClassInfo::IsCreatable() const
{
    EnsureBuilt();
    return FFactory != nullptr;
}

TComponent* TClassInfo::CreateInstance(TComponent* owner) const
{
    EnsureBuilt();
    if (!FFactory)
        throw EInvalidOperation(Format("Class %s cannot be created by name", FClassName.c_str()));
    return FFactory(owner);
}

const std::vector<std::unique_ptr<TPropInfo>>& TClassInfo::OwnProperties() const
{
    EnsureBuilt();
    return FProperties;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const
{
    std::vector<const TPropInfo*> result;
    if (FParentClass)
        result = FParentClass->AllProperties();
    for (const auto& property : OwnProperties()) {
        bool replaced = false;
        for (const TPropInfo*& existing : result) {
            if (SameText(existing->Name(), property->Name())) {
                existing = property.get();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            result.push_back(property.get());
    }
    return result;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const
{
    for (const TClassInfo* cls = this; cls; cls = cls->FParentClass)
        for (const auto& property : cls->OwnProperties())
            if (SameText(property->Name(), name))
                return property.get();
    return nullptr;
}

bool TClassInfo::HandleMessage(TObject& object, TMessage& message) const
{
    EnsureBuilt();
    for (const TMessageEntry& entry : FMessages) {
        if (entry.Message == message.Msg) {
            entry.Handler(object, message);
            return true;
        }
    }
    return false;
}

bool TClassInfo::AssignField(TObject& root, const std::string& name, TComponent* component) const
{
    for (const TClassInfo* cls = this; cls; cls = cls->FParentClass) {
        cls->EnsureBuilt();
        for (const TFieldEntry& field : cls->FFields)
            if (SameText(field.Name, name)) {
                field.Assign(root, component);
                return true;
            }
    }
    return false;
}

std::vector<std::string> TClassInfo::FieldNames() const
{
    std::vector<std::string> names;
    for (const TClassInfo* cls = this; cls; cls = cls->FParentClass) {
        cls->EnsureBuilt();
        for (const TFieldEntry& field : cls->FFields)
            names.push_back(field.Name);
    }
    return names;
}

void TClassInfo::AddProperty(std::unique_ptr<TPropInfo> property)
{
    FProperties.push_back(std::move(property));
}

void TClassInfo::AddMessage(UINT message, TMessageHandler handler)
{
    FMessages.push_back(TMessageEntry{message, std::move(handler)});
}

void TClassInfo::AddField(const std::string& name, TFieldAssign assign)
{
    FFields.push_back(TFieldEntry{name, std::move(assign)});
}
