#include "framework/MainMenu.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TMainMenu)
{
    Creatable();
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu()
{
    SetWindowHandle(nullptr);
}

bool TMainMenu::WindowOwnsHandle() const
{
    return FWindow && IsWindow(FWindow);
}

void TMainMenu::SetWindowHandle(HWND window)
{
    if (window == FWindow)
        return;
    if (FWindow) {
        if (WindowOwnsHandle())
            SetMenu(FWindow, nullptr);
        else if (HasHandle())
            AbandonHandle();  // the window took its menu with it
    }
    FWindow = window;
    if (FWindow) {
        SetMenu(FWindow, Handle());
        DrawMenuBar(FWindow);
    }
}

void TMainMenu::MenuChanged()
{
    inherited::MenuChanged();
    if (!FWindow || IsLoading() || IsDestroying() || FOpenCount > 0)
        return;
    if (!IsWindow(FWindow)) {
        AbandonHandle();
        FWindow = nullptr;
        return;
    }
    RebuildHandle();
}

void TMainMenu::HandleRebuilt()
{
    // Runs while the old bar still exists: the window lets go of it here.
    if (WindowOwnsHandle()) {
        SetMenu(FWindow, Handle());
        DrawMenuBar(FWindow);
    }
}
