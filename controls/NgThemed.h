#pragma once
// What the themed controls share: a ThemeEngine reference (not owned,
// dropped when the engine goes away) and the test whether the engine's
// theme draws the control now. TNgThemed<TKsCustomButton> is a classic
// control that can ask for its theme.

#include "framework/Component.h"
#include "theme/NgEngine.h"

#include <string>

// The theme that draws control: its engine's current theme when the
// control is neither loading nor being destroyed and that theme's class
// can draw; null otherwise, and the control keeps its classic look.
TNgTheme* ControlTheme(const TComponent& control, const TNgThemeEngine* engine);

template <class TBase>
class TNgThemed : public TBase {
public:
    using TBase::TBase;

    TNgThemeEngine* ThemeEngine() const { return FThemeEngine; }
    void SetThemeEngine(TNgThemeEngine* engine)
    {
        if (FThemeEngine && FThemeEngine != engine)
            this->RemoveFreeNotification(FThemeEngine);
        FThemeEngine = engine;
        if (engine)
            this->FreeNotification(engine);
        this->Invalidate();
    }
    bool IsThemed() const { return ControlTheme(*this, FThemeEngine) != nullptr; }

    // The skin library's version; fixed, never stored.
    std::string Version() const { return "2.1"; }
    void SetVersion(const std::string&) {}

    void Notification(TComponent* component, TOperation operation) override
    {
        TBase::Notification(component, operation);
        if (operation == opRemove && component == FThemeEngine) {
            FThemeEngine = nullptr;
            this->Invalidate();
        }
    }

protected:
    TNgTheme* Theme() const { return ControlTheme(*this, FThemeEngine); }

private:
    TNgThemeEngine* FThemeEngine = nullptr;
};
