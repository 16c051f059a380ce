#pragma once
// Records every call the tray icon makes to the shell instead of making it.
// Calls succeed unless their message's failure plan says otherwise.

#include "tests/support/BoxRecorder.h"
#include "tests/support/FailurePlan.h"

#include "framework/ScopeGuard.h"
#include "tray/VxTrayIcon.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// Which gauge image an icon shows: its opaque pixels are the frame plus
// twelve per filled row. -1 for no icon.
int GaugeOfIcon(HICON icon);
// Whether an icon handle still names an icon.
bool IsIcon(HICON icon);
// A new handle of the empty gauge icon, 16 x 16.
HICON LoadGauge();

struct TShellCall {
    DWORD Message = 0;
    TNotifyIconData Data{};
    int Gauge = -1;  // read from the icon while the call was made
    bool Succeeded = true;
    std::string Tip() const { return std::string(Data.szTip); }
};

class TShellRecorder {
public:
    // Reading the gauge of every icon costs time; soaks do without.
    explicit TShellRecorder(bool readGauges = true);
    TShellRecorder(const TShellRecorder&) = delete;
    TShellRecorder& operator=(const TShellRecorder&) = delete;

    static std::vector<TShellCall>& Calls();
    static bool& ReadGauges();
    // The gauges of the calls that carried an icon, in order.
    static std::vector<int> Gauges();
    // The plan for NIM_ADD, NIM_MODIFY or NIM_DELETE.
    static TFailurePlan& Failures(DWORD message);
    // Whether an icon is in the tray: added and not deleted since, by
    // calls that succeeded.
    static bool& InTray();
    void Clear() { Calls().clear(); }
    size_t Count() const { return Calls().size(); }
    const TShellCall& Last() const { return Calls().back(); }

private:
    TScopedOverride<TShellNotifyIcon> FSeam;
};
