#pragma once
// The themed popup window: its border comes from the theme of the menu's
// engine while it has an available theme.

#include "frame/KsMenuForm.h"

class TNgThemeEngine;

class TNgPopupForm : public TKsPopupForm {
    DECLARE_CLASS(TNgPopupForm, TKsPopupForm)
public:
    explicit TNgPopupForm(TComponent* owner) : TKsPopupForm(owner) {}

    TNgThemeEngine* ThemeEngine() const;
    void PaintFrame(TKsBitmap& bitmap) override;
    void PaintBackground(TKsBitmap& bitmap) override;
};

class TNgPopupWindow : public TKsPopupWindow {
    DECLARE_CLASS(TNgPopupWindow, TKsPopupWindow)
public:
    explicit TNgPopupWindow(TComponent* owner) : TKsPopupWindow(owner) {}

    // Not owned; the popup lives only while its menu is open.
    TNgThemeEngine* ThemeEngine() const { return FThemeEngine; }
    void SetThemeEngine(TNgThemeEngine* value) { FThemeEngine = value; }

protected:
    TKsPopupForm* CreatePopupForm() override;

private:
    TNgThemeEngine* FThemeEngine = nullptr;
};
