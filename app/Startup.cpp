#include "app/Startup.h"

#include "app/SingleInstance.h"
#include "app/UtilityUnits.h"
#include "app/frm_Quorvel.h"
#include "app/lib_Dialogs.h"
#include "app/lib_Windows.h"
#include "framework/Application.h"
#include "framework/Finalization.h"
#include "framework/Strings.h"
#include "resources/resource.h"
#include "tray/VxTrayIcon.h"

#include <windows.h>

int RunQuorvel()
{
    StartFramework();
    StartUtilityUnits();

    // The copy check comes before the platform check, so a second copy
    // hands over on every system.
    EnsureSingleInstance(InstanceMappingName);
    Application->Initialize();
    Application->SetTitle("Quorvel");
    if (IsWindowsNT()) {
        MessageBeep(0);
        ShowError(LoadStr(IDS_NOT_ON_WINDOWS_NT), "Error", mbOK, false);
        Halt(0);
    }
    Application->SetShowMainForm(false);
    // The hidden controller: its creation puts the gauge into the tray.
    Application->CreateForm(frmQuorvel);
    // From the first tick of the loop on, a new gauge or tooltip goes to
    // the shell from the tray's worker thread: the round trip into the
    // shell's process costs more than the rest of a tick.
    frmQuorvel->VxTrayIcon->SetShellQueued(true);
    Application->Run();
    return 0;
}
