#include "framework/Component.h"

#include "framework/ClassBuilder.h"
#include "framework/Strings.h"

#include <algorithm>
#include <cctype>

// The name is stored in a layout's object header, not as a property.
IMPLEMENT_CLASS(TComponent) {}

namespace {
std::vector<TComponent*>& GlobalComponents()
{
    static std::vector<TComponent*> list;
    return list;
}

void EraseOne(std::vector<TComponent*>& list, TComponent* item)
{
    auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end())
        list.erase(found);
}
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->Insert(this);
}

TComponent::~TComponent()
{
    FState.Include(csDestroying);
    UnregisterGlobalComponent(this);
    // Everyone holding a reference hears that it goes away.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        EraseOne(other->FFreeNotifies, this);
        if (!other->IsDestroying())
            other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::AfterConstruction()
{
    // Announced only now that the whole object exists, so that listeners
    // can see what kind of component arrived.
    if (FOwner && !FOwner->IsDestroying())
        FOwner->Notification(this, opInsert);
}

void TComponent::BeforeDestruction()
{
    if (!IsDestroying())
        Destroying();
}

void TComponent::Destroying()
{
    if (IsDestroying())
        return;
    FState.Include(csDestroying);
    for (TComponent* component : FComponents)
        component->Destroying();
}

void TComponent::SetDesigning(bool designing)
{
    if (designing)
        FState.Include(csDesigning);
    else
        FState.Exclude(csDesigning);
    for (TComponent* component : FComponents)
        component->SetDesigning(designing);
}

void TComponent::DestroyComponents()
{
    // Last created, first freed.
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        Remove(last);
        last->Free();
    }
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FComponents[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, name))
            return component;
    return nullptr;
}

bool IsValidIdent(const std::string& name)
{
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    return true;
}

void TComponent::SetName(const std::string& name)
{
    if (name == FName)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(Format("'%s' is not a valid component name", name.c_str()));
    if (FOwner && !name.empty()) {
        TComponent* existing = FOwner->FindComponent(name);
        if (existing && existing != this)
            throw EComponentError(Format("A component named %s already exists", name.c_str()));
    }
    FName = name;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    EraseOne(FFreeNotifies, component);
    EraseOne(component->FFreeNotifies, this);
}

void TComponent::Insert(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component)
{
    EraseOne(FComponents, component);
    component->FOwner = nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    // An owner on its way out has no one left to tell.
    if (!IsDestroying())
        Notification(component, opRemove);
    Remove(component);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    for (size_t i = 0; i < FComponents.size(); ++i)
        if (FComponents[i] != component)
            FComponents[i]->Notification(component, operation);
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::BeginLoading()
{
    FState.Include(csLoading);
}

void TComponent::Loaded()
{
    FState.Exclude(csLoading);
}

const TMethodEntry* TComponent::FindMethod(const std::string& name) const
{
    const TMethodTable* table = MethodTable();
    if (!table)
        return nullptr;
    for (const TMethodEntry& entry : *table)
        if (SameText(entry.Name, name))
            return &entry;
    return nullptr;
}

std::string TComponent::MethodName(const TMethod& method) const
{
    const TMethodTable* table = MethodTable();
    if (!table || !method)
        return std::string();
    TComponent* self = const_cast<TComponent*>(this);
    for (const TMethodEntry& entry : *table)
        if (entry.Code == method.Code && entry.Target(self) == method.Data)
            return entry.Name;
    return std::string();
}

void RegisterGlobalComponent(TComponent* root)
{
    auto& list = GlobalComponents();
    if (std::find(list.begin(), list.end(), root) == list.end())
        list.push_back(root);
}

void UnregisterGlobalComponent(TComponent* root)
{
    EraseOne(GlobalComponents(), root);
}

TComponent* FindGlobalComponent(const std::string& name)
{
    for (TComponent* root : GlobalComponents())
        if (SameText(root->Name(), name))
            return root;
    return nullptr;
}
