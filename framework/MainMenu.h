#pragma once
// A form's menu bar: its top-level items are the bar's entries. The form
// hands it its window; the menu puts its HMENU there, rebuilds it at once
// when the items change and redraws the bar.
//
// A window destroys the menu it carries: the form detaches the menu
// (SetWindowHandle(nullptr)) before its window goes.

#include "framework/Menu.h"

class TMainMenu : public TMenu {
    DECLARE_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    HWND WindowHandle() const { return FWindow; }
    // Attaches the menu bar to window (null detaches it from the current one).
    void SetWindowHandle(HWND window);

    void MenuChanged() override;

protected:
    HMENU NewMenuHandle() const override { return CreateMenu(); }
    void HandleRebuilt() override;

private:
    bool WindowOwnsHandle() const;

    HWND FWindow = nullptr;
};
