#pragma once
// What the framework knows about a class at run time: its name, its
// ancestor, how to create it by name, its published properties, the
// component fields a layout binds, and its table of message handlers.
// Each class describes itself once (IMPLEMENT_CLASS); the description is
// built on first use.

#include "framework/InlineFunction.h"
#include "framework/Message.h"

#include <memory>
#include <string>
#include <vector>

class TObject;
class TComponent;
class TPropInfo;

using TMessageHandler = TInlineFunction<void(TObject& object, TMessage& message)>;

class TClassInfo {
public:
    using TBuild = void (*)(TClassInfo& info);
    using TFactory = TComponent* (*)(TComponent* owner);
    using TFieldAssign = TInlineFunction<void(TObject& root, TComponent* component)>;

    TClassInfo(const char* name, const TClassInfo* parent, TBuild build);
    ~TClassInfo();
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const std::string& Name() const { return FClassName; }
    const TClassInfo* Parent() const { return FParentClass; }
    bool InheritsFrom(const TClassInfo& ancestor) const;

    // Creation by class name, for classes that declare themselves creatable.
    bool IsCreatable() const;
    TComponent* CreateInstance(TComponent* owner) const;

    // Published properties: this class's own, in declared order.
    const std::vector<std::unique_ptr<TPropInfo>>& OwnProperties() const;
    // Every property, ancestors' first; a descendant's redeclaration of a
    // name replaces the ancestor's in place.
    std::vector<const TPropInfo*> AllProperties() const;
    // By name without case, searching ancestors too; null when unknown.
    const TPropInfo* FindProperty(const std::string& name) const;

    // The handler of one message in this class's own table, or null.
    bool HandleMessage(TObject& object, TMessage& message) const;

    // Assigns a layout component to the root's field of that name; false
    // when the class (or an ancestor) has no such field. A component of the
    // wrong class raises EInvalidCast.
    bool AssignField(TObject& root, const std::string& name, TComponent* component) const;
    // The names of the fields a layout binds, ancestors' included.
    std::vector<std::string> FieldNames() const;

    // Used by TClassBuilder while the class describes itself.
    void SetFactory(TFactory factory) { FFactory = factory; }
    void AddProperty(std::unique_ptr<TPropInfo> property);
    void AddMessage(UINT message, TMessageHandler handler);
    void AddField(const std::string& name, TFieldAssign assign);

private:
    struct TMessageEntry {
        UINT Message;
        TMessageHandler Handler;
    };
    struct TFieldEntry {
        std::string Name;
        TFieldAssign Assign;
    };

    void EnsureBuilt() const;

    std::string FClassName;
    const TClassInfo* FParentClass;
    TBuild FBuild;
    mutable bool FBuilt = false;
    TFactory FFactory = nullptr;
    std::vector<std::unique_ptr<TPropInfo>> FProperties;
    std::vector<TMessageEntry> FMessages;
    std::vector<TFieldEntry> FFields;
};
