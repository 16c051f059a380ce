#pragma once
// A form-like root for menu tests: it owns the components of a layout,
// publishes the handlers the layout binds, and records what happens.

#include "framework/Component.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"

#include <string>
#include <vector>

class TCanvas;

class TMenuTestForm : public TComponent {
    DECLARE_CLASS(TMenuTestForm, TComponent)
public:
    explicit TMenuTestForm(TComponent* owner) : TComponent(owner) {}

    TPopupMenu* pmQuorvel = nullptr;
    TMenuItem* pmiWarn = nullptr;
    TMenuItem* pmiExit = nullptr;

    std::vector<std::string> Log;
    std::vector<TComponent*> Inserted;

    void pmQuorvelPopup(TObject*) { Log.push_back("popup"); }
    void pmiWarnClick(TObject*) { Log.push_back(std::string("warn ") + (pmiWarn->Checked() ? "on" : "off")); }
    void pmiExitClick(TObject*) { Log.push_back("exit"); }
    void ItemClick(TObject* sender) { Log.push_back("click " + static_cast<TComponent*>(sender)->Name()); }
    void ItemMeasure(TObject*, TCanvas&, int&, int& height) { height = 20; }
    void ItemDraw(TObject*, TCanvas&, const RECT&, bool) {}

    const TMethodTable* MethodTable() const override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Notification(TComponent* component, TOperation operation) override;
};

// Reads a layout into a new test form.
TMenuTestForm* ReadMenuForm(const std::string& layout);
