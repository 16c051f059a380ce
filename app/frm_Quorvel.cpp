#include "app/frm_Quorvel.h"

#include "app/Seams.h"
#include "app/frm_About.h"
#include "app/frm_Details.h"
#include "app/lib_Dialogs.h"
#include "app/lib_Registry.h"
#include "app/lib_Windows.h"
#include "controls/NgCheckBoxs.h"
#include "controls/NgProgress.h"
#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"
#include "framework/Timer.h"
#include "menus/XPMenu.h"
#include "resources/resource.h"
#include "theme/NgEngine.h"
#include "tray/VxTrayIcon.h"

#include <algorithm>
#include <exception>

int32_t FreeSystem = -1;
int32_t FreeUser = -1;
int32_t FreeGDI = -1;
bool WarningShown = false;
bool WarningBusy = false;
TfrmQuorvel* frmQuorvel = nullptr;

namespace {

const char WarnOnLowResources[] = "WarnOnLowResources";
const char AlwaysOnTop[] = "AlwaysOnTop";
const char LowResourcesTitle[] = "Low Resources";
// The warning re-arms once System is back at this level.
const int32_t RearmLevel = 15;
const DWORD FillStepMs = 100;

// Trunc, as the gauge has always done: 8 shows the empty gauge, 9 the
// first red row.
long long TruncatedGauge(int32_t freeSystem)
{
    return static_cast<long long>(static_cast<long double>(freeSystem) / IconIndexDivisor);
}

}  // namespace

int GaugeIndex(int32_t freeSystem)
{
    // Figures above 100 don't occur but must not index past the last image.
    long long index = TruncatedGauge(freeSystem);
    return static_cast<int>(std::clamp<long long>(index, 0, GaugeImageCount - 1));
}

std::string ExecutablePath()
{
    return ExecutablePathOverride.empty() ? ApplicationExeName() : ExecutablePathOverride;
}

IMPLEMENT_CLASS(TfrmQuorvel)
{
    Creatable();
    Field("VxTrayIcon", &TfrmQuorvel::VxTrayIcon);
    Field("tmQuorvel", &TfrmQuorvel::tmQuorvel);
    Field("tmWarning", &TfrmQuorvel::tmWarning);
    Field("ilIcons", &TfrmQuorvel::ilIcons);
    Field("NgThemeEngine", &TfrmQuorvel::NgThemeEngine);
    Field("pmQuorvel", &TfrmQuorvel::pmQuorvel);
    Field("pmiSystem", &TfrmQuorvel::pmiSystem);
    Field("pmiUser", &TfrmQuorvel::pmiUser);
    Field("pmiGDI", &TfrmQuorvel::pmiGDI);
    Field("N3", &TfrmQuorvel::N3);
    Field("pmiDetails", &TfrmQuorvel::pmiDetails);
    Field("pmiWarnOnLowResources", &TfrmQuorvel::pmiWarnOnLowResources);
    Field("pmiRunOnWindowsStartup", &TfrmQuorvel::pmiRunOnWindowsStartup);
    Field("MenuItem7", &TfrmQuorvel::MenuItem7);
    Field("pmiAbout", &TfrmQuorvel::pmiAbout);
    Field("pmiExit", &TfrmQuorvel::pmiExit);
    Field("XPMenu", &TfrmQuorvel::XPMenu);
}

TfrmQuorvel::TfrmQuorvel(TComponent* owner) : TForm(owner) {}

const TMethodTable* TfrmQuorvel::MethodTable() const
{
    static const TMethodTable table = {
        PUBLISHED_METHOD(TfrmQuorvel, FormCreate),
        PUBLISHED_METHOD(TfrmQuorvel, FormClose),
        PUBLISHED_METHOD(TfrmQuorvel, VxTrayIconDblClick),
        PUBLISHED_METHOD(TfrmQuorvel, tmQuorvelTimer),
        PUBLISHED_METHOD(TfrmQuorvel, tmWarningTimer),
        PUBLISHED_METHOD(TfrmQuorvel, pmQuorvelPopup),
        PUBLISHED_METHOD(TfrmQuorvel, pmiDetailsClick),
        PUBLISHED_METHOD(TfrmQuorvel, pmiWarnOnLowResourcesClick),
        PUBLISHED_METHOD(TfrmQuorvel, pmiRunOnWindowsStartupClick),
        PUBLISHED_METHOD(TfrmQuorvel, pmiAboutClick),
        PUBLISHED_METHOD(TfrmQuorvel, pmiExitClick),
    };
    return &table;
}

void TfrmQuorvel::FormCreate(TObject*)
{
    SetCaption("Quorvel");
    VxTrayIcon->SetActive(true);
    XPMenu->SetActive(true);

    // A registry write that fails is reported, and the meter starts all
    // the same: without its timers it would sit in the tray, frozen.
    try {
        EnsureSettings();
        ReadSettings();
    } catch (...) {
        Application->HandleException(this);
    }

    CreateDetailsWindow();

    tmQuorvel->SetEnabled(true);
    tmWarning->SetEnabled(pmiWarnOnLowResources->Checked());
    StartupFill();
    tmQuorvelTimer(this);
}

void TfrmQuorvel::EnsureSettings()
{
    if (RegKeyExists(HKEY_CURRENT_USER, SettingsKey)) {
        if (!RegValueExists(HKEY_CURRENT_USER, SettingsKey, WarnOnLowResources))
            WriteRegBool(HKEY_CURRENT_USER, SettingsKey, WarnOnLowResources, true, true);
        if (!RegValueExists(HKEY_CURRENT_USER, SettingsKey, AlwaysOnTop))
            WriteRegBool(HKEY_CURRENT_USER, SettingsKey, AlwaysOnTop, false, true);
    } else if (CreateRegKey(HKEY_CURRENT_USER, SettingsKey)) {
        WriteRegBool(HKEY_CURRENT_USER, SettingsKey, WarnOnLowResources, true, true);
        WriteRegBool(HKEY_CURRENT_USER, SettingsKey, AlwaysOnTop, false, true);
    }
}

void TfrmQuorvel::ReadSettings()
{
    pmiWarnOnLowResources->SetChecked(ReadRegBool(HKEY_CURRENT_USER, SettingsKey, WarnOnLowResources));
    std::string exePath = ExecutablePath();
    std::string runName = ExtractFileName(exePath);
    pmiRunOnWindowsStartup->SetChecked(RegValueExists(HKEY_CURRENT_USER, RunKey, runName));
    // Rewritten at every start, so the entry follows a moved executable.
    if (pmiRunOnWindowsStartup->Checked())
        WriteRegString(HKEY_CURRENT_USER, RunKey, runName, RunCommandLine(exePath), true);
}

void TfrmQuorvel::CreateDetailsWindow()
{
    frmDetails = Create<TfrmDetails>(Application);
    // A stored "on" ticks the box, whose click makes the window topmost.
    frmDetails->chkAlwaysOnTop->SetChecked(ReadRegBool(HKEY_CURRENT_USER, SettingsKey, AlwaysOnTop));
}

void TfrmQuorvel::StartupFill()
{
    // The gauge fills up from empty to the current level before the
    // message loop starts. Trunc takes -1 (no figure) to the empty gauge
    // too; only a figure below -8 shows nothing.
    int32_t freeSystem = FreeSystemResources();
    if (TruncatedGauge(freeSystem) < 0)
        return;
    for (int i = 0, last = GaugeIndex(freeSystem); i <= last; ++i) {
        ShowGauge(i);
        FillSleepFunction(FillStepMs);
    }
}

void TfrmQuorvel::ShowGauge(int index)
{
    if (!FGaugeIcons)
        FGaugeIcons = std::make_unique<TGaugeIcons>(*ilIcons);
    // The tray shows the kept icon itself, and passes it on at once.
    VxTrayIcon->Icon()->Share(FGaugeIcons->Icon(index));
    FTrayGauge = index;
}

void TfrmQuorvel::tmQuorvelTimer(TObject*)
{
    // A loop nested in a tick (an error box) must not run another tick.
    if (FTicking)
        return;
    TScopedOverride<bool> ticking(FTicking, true);
    FreeSystem = FreeSystemResources();
    FreeUser = FreeUserResources();
    FreeGDI = FreeGDIResources();
    UpdateTrayIcon();
    UpdateDetails();
    // In a shortage the meter keeps no spare icons, only the one shown.
    if (FGaugeIcons && IsLowOnResources(FreeSystem, FreeUser, FreeGDI))
        FGaugeIcons->Release();
}

void TfrmQuorvel::UpdateTrayIcon()
{
    // Each shell call is a round trip to the shell's process. A new image
    // and a new tooltip go together in one; an unchanged gauge or tooltip
    // isn't sent again, unless the shell refused it or lost the icon.
    VxTrayIcon->BeginUpdate();
    TScopeGuard sent([this] { VxTrayIcon->EndUpdate(); });
    int index = GaugeIndex(FreeSystem);
    if (index != FTrayGauge)
        ShowGauge(index);
    VxTrayIcon->SetHint(Format(LoadStr(IDS_TRAY_HINT).c_str(), FreeSystem, FreeUser, FreeGDI));
}

void TfrmQuorvel::UpdateDetails()
{
    // Hidden or not, the details window always shows the last sample.
    if (!frmDetails)
        return;
    ShowDetail(*frmDetails->lblSystem, *frmDetails->prbSystem, IDS_SYSTEM_RESOURCES_FREE, FreeSystem);
    ShowDetail(*frmDetails->lblUser, *frmDetails->prbUser, IDS_USER_RESOURCES_FREE, FreeUser);
    ShowDetail(*frmDetails->lblGDI, *frmDetails->prbGDI, IDS_GDI_RESOURCES_FREE, FreeGDI);
}

void TfrmQuorvel::ShowDetail(TLabel& label, TNgProgressBar& bar, unsigned captionId, int32_t value)
{
    label.SetCaption(Format(LoadStr(captionId).c_str(), value));
    bar.SetPosition(value);
}

void TfrmQuorvel::pmQuorvelPopup(TObject*)
{
    // The last sampled values: opening the menu queries nothing.
    pmiSystem->SetCaption(Format(LoadStr(IDS_SYSTEM_RESOURCES_FREE).c_str(), FreeSystem));
    pmiUser->SetCaption(Format(LoadStr(IDS_USER_RESOURCES_FREE).c_str(), FreeUser));
    pmiGDI->SetCaption(Format(LoadStr(IDS_GDI_RESOURCES_FREE).c_str(), FreeGDI));
}

void TfrmQuorvel::pmiDetailsClick(TObject*)
{
    if (!frmDetails)
        return;
    // The details window enables the item again when it closes.
    pmiDetails->SetEnabled(false);
    frmDetails->Show();
}

void TfrmQuorvel::VxTrayIconDblClick(TObject*)
{
    // A disabled item ignores the click, so an open details window is only
    // brought forward.
    pmiDetails->Click();
    if (frmDetails)
        BringToFront(frmDetails->Handle());
}

void TfrmQuorvel::pmiAboutClick(TObject*)
{
    if (frmAbout)
        return;
    frmAbout = Create<TfrmAbout>(Application);
    pmiAbout->SetEnabled(false);
    // However the box ends, it is freed here, after its loop and handlers
    // are done with it, and the menu item and the details window's
    // topmost state come back.
    TScopeGuard closed([this] {
        FreeAndNil(frmAbout);
        pmiAbout->SetEnabled(true);
        if (frmDetails && frmDetails->HandleAllocated())
            SetStayOnTop(frmDetails->Handle(), frmDetails->chkAlwaysOnTop->Checked());
    });
    // A topmost details window would cover the box. Directly, not through
    // the check box, which would store the change.
    if (frmDetails && frmDetails->HandleAllocated())
        SetWindowPos(frmDetails->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    frmAbout->ShowModal();
}

void TfrmQuorvel::pmiWarnOnLowResourcesClick(TObject*)
{
    bool warn = pmiWarnOnLowResources->Checked();
    // Turning warnings off and on again warns again about a shortage.
    WarningShown = false;
    // The switch shows, and the timer follows, what the registry holds:
    // a write that failed changed nothing (its error goes on to the box).
    std::exception_ptr failure;
    try {
        if (!RegKeyExists(HKEY_CURRENT_USER, SettingsKey))
            CreateRegKey(HKEY_CURRENT_USER, SettingsKey);
        WriteRegBool(HKEY_CURRENT_USER, SettingsKey, WarnOnLowResources, warn, true);
    } catch (...) {
        failure = std::current_exception();
    }
    ShowStoredWarning();
    if (failure)
        std::rethrow_exception(failure);
}

void TfrmQuorvel::ShowStoredWarning()
{
    bool warn = ReadRegBool(HKEY_CURRENT_USER, SettingsKey, WarnOnLowResources);
    pmiWarnOnLowResources->SetChecked(warn);
    tmWarning->SetEnabled(warn);
}

void TfrmQuorvel::pmiRunOnWindowsStartupClick(TObject*)
{
    std::string exePath = ExecutablePath();
    // As with the warning switch: the mark shows whether the entry is
    // really there after the write or delete.
    std::exception_ptr failure;
    try {
        SetRunOnStartup(exePath, pmiRunOnWindowsStartup->Checked());
    } catch (...) {
        failure = std::current_exception();
    }
    ShowStoredRunEntry(exePath);
    if (failure)
        std::rethrow_exception(failure);
}

void TfrmQuorvel::ShowStoredRunEntry(const std::string& exePath)
{
    pmiRunOnWindowsStartup->SetChecked(RegValueExists(HKEY_CURRENT_USER, RunKey, ExtractFileName(exePath)));
}

void TfrmQuorvel::pmiExitClick(TObject*)
{
    Application->Terminate();
}

void TfrmQuorvel::FormClose(TObject*, TCloseAction& action)
{
    action = caFree;
    frmQuorvel = nullptr;
}

void TfrmQuorvel::tmWarningTimer(TObject*)
{
    if (IsLowOnResources()) {
        if (WarningShown)
            return;
        WarningShown = true;
        if (!WarningBusy)
            RaiseWarning();
    } else if (FreeSystem >= RearmLevel) {
        WarningShown = false;
    }
}

void TfrmQuorvel::RaiseWarning()
{
    TScopedOverride<bool> busy(WarningBusy, true);
    // Topmost windows of the program would hide the box.
    TTopMostsNormalized normalized;
    WarningBeepFunction(0);
    // No box could be made (short of the very resources it warns about):
    // nothing was shown, so the next tick tries again.
    if (ShowWarning(LoadStr(IDS_LOW_RESOURCES_WARNING), LowResourcesTitle, mbOK, true) == 0)
        WarningShown = false;
}
