#pragma once
// Components: objects with an owner that frees them, a name unique among
// the owner's components, state flags for loading from a layout and for
// destruction, and notifications when components come and go.

#include "framework/Events.h"
#include "framework/Persistent.h"
#include "framework/Set.h"

#include <functional>
#include <string>
#include <vector>

enum TComponentStateFlag {
    csLoading,  // being read from a layout; Loaded clears it
    csReading,
    csWriting,
    csDestroying,  // BeforeDestruction has begun
    csDesigning,   // edited in a designer: never set in the running program
};
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    DECLARE_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    void AfterConstruction() override;
    void BeforeDestruction() override;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const;
    TComponent* FindComponent(const std::string& name) const;

    TComponentState ComponentState() const { return FState; }
    bool IsLoading() const { return FState.Contains(csLoading); }
    bool IsDesigning() const { return FState.Contains(csDesigning); }
    bool IsDestroying() const { return FState.Contains(csDestroying); }
    // Marks the component and everything it owns as being destroyed.
    void Destroying();
    // For tests of design-time behaviour; the program never designs.
    void SetDesigning(bool designing);

    // Asks to hear (Notification with opRemove) when component is freed,
    // for references to components that this one does not own.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);
    // Points a reference at value, moving the free notice from the old
    // component to the new one. False when it pointed there already.
    template <class T>
    bool ReplaceReference(T*& reference, T* value)
    {
        if (value == reference)
            return false;
        if (reference)
            reference->RemoveFreeNotification(this);
        reference = value;
        if (reference)
            reference->FreeNotification(this);
        return true;
    }

    // Owner's list. Inserting raises opInsert, removing opRemove, on the
    // owner and every component it owns.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    virtual void Notification(TComponent* component, TOperation operation);

    // Layout support: the component's place in the stored tree.
    using TGetChildProc = std::function<void(TComponent* child)>;
    // Components stored nested inside this one (a form's components, a
    // menu's items).
    virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
    // The component this one is nested in, when that is not its owner
    // (a control's parent, a menu item's menu or parent item).
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    virtual void SetParentComponent(TComponent* parent);

    // Reading a layout: set before the first property, cleared by Loaded.
    void BeginLoading();
    // Runs after all components of a layout are read and their references
    // resolved.
    virtual void Loaded();

    // Handlers a layout can bind events to, by name. Forms publish theirs.
    virtual const TMethodTable* MethodTable() const { return nullptr; }
    const TMethodEntry* FindMethod(const std::string& name) const;
    // The name of the published handler an event is bound to; empty if none.
    std::string MethodName(const TMethod& method) const;

private:
    void DestroyComponents();
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* FOwner = nullptr;
    std::string FName;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FState;
};

// Roots of loaded layouts by name (forms), so that a layout can refer to a
// component of another form as "frmMain.Engine".
void RegisterGlobalComponent(TComponent* root);
void UnregisterGlobalComponent(TComponent* root);
TComponent* FindGlobalComponent(const std::string& name);

bool IsValidIdent(const std::string& name);
