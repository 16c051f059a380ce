#include "tests/app/ExitFixture.h"

#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

bool TExitFixture::GaveUp = false;
const char TExitFixture::BoxCaption[] = "Exit test";

namespace {

// Chooses Exit as soon as the menu has opened, after the controller's own
// popup handler has run.
struct TChooseExit {
    TNotifyEvent Controller;
    static UINT Command;
    void Popup(TObject* sender)
    {
        Controller(sender);
        SetTimer(nullptr, 0, 30, Choose);
    }
    static void CALLBACK Choose(HWND, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(nullptr, id);
        PostMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, Command, 0);
        EndMenu();
    }
};
UINT TChooseExit::Command = 0;
TChooseExit Chooser;

HWND TrayWindow = nullptr;
void CALLBACK RightClickTray(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    SendMessageA(TrayWindow, TrayCallbackMessage, 0, WM_RBUTTONUP);
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    TExitFixture::GaveUp = true;
    if (HWND box = FindWindowA("#32770", TExitFixture::BoxCaption))
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    else
        PostQuitMessage(99);
}

}  // namespace

TExitFixture::TExitFixture()
{
    // The loop's boxes go where the test run's go: to the recorder.
    Loop.MessageBoxFunction = TBoxRecorder::Function();
    Form->tmQuorvel->SetEnabled(false);
    Form->tmWarning->SetEnabled(false);
    Chooser.Controller = Form->pmQuorvel->OnPopup;
    Form->pmQuorvel->OnPopup = TNotifyEvent::Bind<&TChooseExit::Popup>(&Chooser);
    TChooseExit::Command = Form->pmiExit->Command();
    TrayWindow = Form->VxTrayIcon->WindowHandle();
    GaveUp = false;
}

TExitFixture::~TExitFixture()
{
    if (GiveUpTimer)
        KillTimer(nullptr, GiveUpTimer);
}

void TExitFixture::RightClickAfter(UINT ms)
{
    SetTimer(nullptr, 0, ms, RightClickTray);
    GiveUpTimer = SetTimer(nullptr, 0, ms + 15000, GiveUp);
}
