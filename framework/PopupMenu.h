#pragma once
// A menu that opens at a point of the screen (tray icon, context menus).
// Popup raises OnPopup first, so that the handler can fill in the items,
// then lets the system track the menu with a hidden window shared by all
// popup menus as its owner; that window receives the menu's WM_COMMAND,
// WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR and hands them to the menus.
// The chosen item's Click runs before Popup returns.

#include "framework/Menu.h"

#include <windows.h>

class TPopupMenu : public TMenu {
    DECLARE_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Whether a control opens the menu by itself on a right click; the
    // tray icon's menu has it off and opens it in code.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool autoPopup) { FAutoPopup = autoPopup; }

    // Shows the menu with its top-left corner at (x, y) in screen
    // coordinates and returns when it has closed.
    virtual void Popup(int x, int y);

    TNotifyEvent OnPopup;

    // The hidden window that owns open popup menus.
    static HWND PopupListWindow();

private:
    bool FAutoPopup = true;
};
