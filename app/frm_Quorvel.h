#pragma once
// The controller: the hidden main form that owns the tray icon, the two
// timers, the gauge images, the theme engine and the popup menu. Once a
// second it samples the three free-resource figures, shows System as one
// of thirteen gauges in the tray with all three in the tooltip, and warns
// once per shortage when the user wants that.

#include "app/GaugeIcons.h"
#include "framework/Form.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class TImageList;
class TLabel;
class TMenuItem;
class TNgProgressBar;
class TNgThemeEngine;
class TPopupMenu;
class TTimer;
class TVxTrayIcon;
class TXPMenu;

// The last sampled percentages; -1 until the first sample and whenever the
// probe has no figure.
extern int32_t FreeSystem;
extern int32_t FreeUser;
extern int32_t FreeGDI;

// The low-resource warning's latch (set from the moment a warning is raised
// until System recovers to 15 % or the item is toggled) and its guard
// against a second box from a nested timer tick while one is open.
extern bool WarningShown;
extern bool WarningBusy;

// System percentage to gauge image: truncated, never rounded, in extended
// precision.
const long double IconIndexDivisor = 8.33L;
const int GaugeImageCount = 13;
// The gauge image for a System percentage, 0..12.
int GaugeIndex(int32_t freeSystem);

// The executable's full path (the override when set).
std::string ExecutablePath();

class TfrmQuorvel : public TForm {
    DECLARE_CLASS(TfrmQuorvel, TForm)
public:
    explicit TfrmQuorvel(TComponent* owner);

    const TMethodTable* MethodTable() const override;

    TVxTrayIcon* VxTrayIcon = nullptr;
    TTimer* tmQuorvel = nullptr;
    TTimer* tmWarning = nullptr;
    TImageList* ilIcons = nullptr;
    TNgThemeEngine* NgThemeEngine = nullptr;
    TPopupMenu* pmQuorvel = nullptr;
    TMenuItem* pmiSystem = nullptr;
    TMenuItem* pmiUser = nullptr;
    TMenuItem* pmiGDI = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* pmiDetails = nullptr;
    TMenuItem* pmiWarnOnLowResources = nullptr;
    TMenuItem* pmiRunOnWindowsStartup = nullptr;
    TMenuItem* MenuItem7 = nullptr;
    TMenuItem* pmiAbout = nullptr;
    TMenuItem* pmiExit = nullptr;
    TXPMenu* XPMenu = nullptr;

    // Published handlers, bound by the stored layout.
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void VxTrayIconDblClick(TObject* sender);
    void tmQuorvelTimer(TObject* sender);
    void tmWarningTimer(TObject* sender);
    void pmQuorvelPopup(TObject* sender);
    void pmiDetailsClick(TObject* sender);
    void pmiWarnOnLowResourcesClick(TObject* sender);
    void pmiRunOnWindowsStartupClick(TObject* sender);
    void pmiAboutClick(TObject* sender);
    void pmiExitClick(TObject* sender);

private:
    void EnsureSettings();
    void ReadSettings();
    void CreateDetailsWindow();
    void StartupFill();
    void ShowGauge(int index);
    void UpdateTrayIcon();
    void UpdateDetails();
    void ShowDetail(TLabel& label, TNgProgressBar& bar, unsigned captionId, int32_t value);
    void RaiseWarning();
    void ShowStoredWarning();
    void ShowStoredRunEntry(const std::string& exePath);

    std::unique_ptr<TGaugeIcons> FGaugeIcons;
    bool FTicking = false;
    // The gauge image last loaded into the tray icon; -1 before the first.
    int FTrayGauge = -1;
};

extern TfrmQuorvel* frmQuorvel;
