#pragma once
// The theme engine component: owns the current theme, stores it in layouts
// by the name of its class, and tells the themed forms on screen when the
// theme or its hue changes.

#include "framework/Component.h"
#include "theme/NgThemes.h"

#include <string>

class TNgThemeEngine : public TComponent {
    DECLARE_CLASS(TNgThemeEngine, TComponent)
public:
    explicit TNgThemeEngine(TComponent* owner);
    ~TNgThemeEngine() override;

    // The current theme, owned by the engine; the base theme until another
    // class is selected.
    TNgTheme* Theme() const { return FTheme; }
    // Takes ownership of value and frees the theme it replaces.
    void SetTheme(TNgTheme* value);
    // True when there is a theme and its class can draw.
    bool IsThemeAvailable() const;

    int DeltaHue() const { return FDeltaHue; }
    void SetDeltaHue(int value);

    std::string Version() const { return "2.1"; }
    void SetVersion(const std::string&) {}

    // Replaces the theme by a new instance of a registered class (an
    // unregistered one keeps the current theme), applies the hue when the
    // theme is available and refreshes the themed forms.
    void SelectThemeClass(const TNgThemeClass& themeClass);

    void DefineProperties(TFiler& filer) override;

    // The theme was replaced: every themed form bound to this engine
    // re-lays its frame; every form on screen is invalidated.
    void UpdateForms();
    // The hue changed: every themed form repaints.
    void UpdateHue();

private:
    void ReadThemeClass(TStream& stream);
    void WriteThemeClass(TStream& stream) const;

    TNgTheme* FTheme = nullptr;
    int FDeltaHue = 0;
};
