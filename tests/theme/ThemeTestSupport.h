#pragma once
// Stand-ins for the parts of the program that the theme engine talks to:
// a form that holds components, a themed form component bound to an
// engine, the list of forms on screen, and a theme that counts its calls.

#include "framework/Component.h"
#include "theme/NgEngine.h"
#include "theme/NgThemedForms.h"

#include <string>
#include <vector>

// A root component that layouts can hold engines in.
class TThemeTestForm : public TComponent {
    DECLARE_CLASS(TThemeTestForm, TComponent)
public:
    explicit TThemeTestForm(TComponent* owner) : TComponent(owner) {}
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    TNgThemeEngine* Engine = nullptr;
};

// What the engine's walks did, in order.
extern std::vector<std::string> ThemeWalkLog;

class TThemedFormStandIn : public TComponent, public INgThemedForm {
    DECLARE_CLASS(TThemedFormStandIn, TComponent)
public:
    explicit TThemedFormStandIn(TComponent* owner) : TComponent(owner) {}
    TNgThemeEngine* Engine = nullptr;
    TNgThemeEngine* ThemedFormEngine() const override { return Engine; }
    void ThemeReplaced() override { ThemeWalkLog.push_back("replaced " + Name()); }
    void ThemeHueChanged() override { ThemeWalkLog.push_back("hue " + Name()); }
};

// Installs itself as the screen's form list for its lifetime.
class TFormListStandIn : public INgFormList {
public:
    TFormListStandIn() : FPrevious(SetThemedFormList(this)) {}
    ~TFormListStandIn() { SetThemedFormList(FPrevious); }
    int FormCount() const override { return static_cast<int>(List.size()); }
    TComponent* Forms(int index) const override { return List.at(static_cast<size_t>(index)); }
    void InvalidateForm(TComponent* form) const override { ThemeWalkLog.push_back("invalidate " + form->Name()); }
    std::vector<TComponent*> List;

private:
    INgFormList* FPrevious;
};

// A theme class that can draw and counts the hue changes it gets.
class TCountingTheme : public TNgTheme {
    DECLARE_CLASS(TCountingTheme, TNgTheme)
public:
    static const TNgThemeClass& StaticThemeClass();
    const TNgThemeClass& ThemeClass() const override { return StaticThemeClass(); }
    void HueChanged() override { Deltas.push_back(HueDelta()); }
    std::vector<int> Deltas;
};
