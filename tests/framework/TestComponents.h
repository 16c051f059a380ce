#pragma once
// Small component classes that exercise the component model and layouts.

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/EnumInfo.h"
#include "framework/Set.h"

#include <string>
#include <vector>

enum TShape { shCircle, shSquare, shTriangle };
DECLARE_ENUM_INFO(TShape)
enum TFlag { flRed, flGreen, flBlue };
DECLARE_ENUM_INFO(TFlag)
using TFlags = TSet<TFlag>;

class TTestFont : public TPersistent {
    DECLARE_CLASS(TTestFont, TPersistent)
public:
    std::string Name = "Arial";
    int Height = -11;
};

// Records what happens to components, in order.
extern std::vector<std::string> TestLog;

class TGadget : public TComponent {
    DECLARE_CLASS(TGadget, TComponent)
public:
    explicit TGadget(TComponent* owner);
    ~TGadget() override;

    int Count = 0;
    std::string Caption;
    bool Enabled = true;
    TShape Shape = shCircle;
    TFlags Flags;
    TColor Color = clBtnFace;
    long double Ratio = 8.33L;
    int Tag = 0;
    std::string Blob;  // stored as a length-prefixed binary property
    TNotifyEvent OnChange;

    TGadget* Buddy() const { return FBuddy; }
    void SetBuddy(TGadget* buddy) { FBuddy = buddy; }
    TTestFont* Font() const { return FFont.get(); }

    TGadget* ParentGadget = nullptr;
    std::vector<TGadget*> Kids;

    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(TFiler& filer) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    TComponent* GetParentComponent() const override { return ParentGadget; }
    bool HasParent() const override { return ParentGadget != nullptr; }
    void SetParentComponent(TComponent* parent) override;
    void Loaded() override;

private:
    TGadget* FBuddy = nullptr;
    TOwned<TTestFont> FFont;
};

class TTestForm : public TComponent {
    DECLARE_CLASS(TTestForm, TComponent)
public:
    explicit TTestForm(TComponent* owner) : TComponent(owner) {}
    TGadget* First = nullptr;
    TGadget* Second = nullptr;
    int Changes = 0;
    void GadgetChanged(TObject*) { ++Changes; }
    void OtherChanged(TObject*) { Changes += 10; }
    void WrongShape(int) {}
    const TMethodTable* MethodTable() const override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
};
