#include "framework/PopupMenu.h"

#include "framework/ClassBuilder.h"
#include "framework/Finalization.h"
#include "framework/UtilityWindow.h"

#include <algorithm>
#include <memory>
#include <vector>

IMPLEMENT_CLASS(TPopupMenu)
{
    Creatable();
    Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true);
    Event("OnPopup", &TPopupMenu::OnPopup);
}

namespace {

// The owner window of every popup menu while it is tracked: it passes the
// menu messages to the popup menus in turn until one takes them.
class TPopupList {
public:
    TPopupList() : FWindow(TWndMethod::Bind<&TPopupList::WndProc>(this)) {}

    HWND Handle() const { return FWindow.Handle(); }
    void Add(TPopupMenu* menu) { FMenus.push_back(menu); }
    void Remove(TPopupMenu* menu) { FMenus.erase(std::remove(FMenus.begin(), FMenus.end(), menu), FMenus.end()); }

private:
    void WndProc(TMessage& message)
    {
        switch (message.Msg) {
        case WM_COMMAND:
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_MENUCHAR:
            for (size_t i = 0; i < FMenus.size(); ++i)
                if (FMenus[i]->DispatchMenuMessage(message))
                    return;
            break;
        default: break;
        }
        FWindow.DefaultHandler(message);
    }

    TUtilityWindow FWindow;
    std::vector<TPopupMenu*> FMenus;
};

std::unique_ptr<TPopupList>& PopupListSlot()
{
    static std::unique_ptr<TPopupList> list;
    return list;
}

TPopupList& PopupList()
{
    auto& slot = PopupListSlot();
    if (!slot) {
        slot = std::make_unique<TPopupList>();
        RegisterFinalizer([] { PopupListSlot().reset(); });
    }
    return *slot;
}

}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner)
{
    PopupList().Add(this);
}

TPopupMenu::~TPopupMenu()
{
    if (PopupListSlot())
        PopupListSlot()->Remove(this);
}

HWND TPopupMenu::PopupListWindow()
{
    return PopupList().Handle();
}

void TPopupMenu::Popup(int x, int y)
{
    OnPopup(this);
    HMENU menu = Handle();
    HWND window = PopupList().Handle();
    UINT flags = TPM_RIGHTBUTTON | (RightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
    ++FOpenCount;
    TrackPopupMenu(menu, flags, x, y, 0, window, nullptr);
    --FOpenCount;
    // The system posts the chosen command: run it now, once the menu has
    // gone. The handler may free this menu, so nothing of it is used after.
    MSG message;
    while (PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
        // Filters never hold WM_QUIT back: a handler that ended the program
        // (Exit) must leave the quit for the message loop.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchMessageA(&message);
    }
}
