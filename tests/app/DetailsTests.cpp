// The details window: written every second while hidden, shown from the
// menu or the tray, hidden again by Escape, OK and the frame's close
// button, and its "Always on top" switch.

#include "tests/app/MeterFixture.h"
#include "tests/support/MessagePump.h"

#include "app/frm_Details.h"
#include "controls/NgButtons.h"
#include "controls/NgCheckBoxs.h"
#include "controls/NgProgress.h"
#include "frame/NgForms.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

namespace {

const char OnTop[] = "AlwaysOnTop";

bool IsTopmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

DWORD StoredOnTop()
{
    DWORD value = 0xDEAD;
    ReadDword(SettingsPath(), OnTop, value);
    return value;
}

void DoubleClickTray(TfrmQuorvel* form)
{
    SendMessageA(form->VxTrayIcon->WindowHandle(), TrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
}

}  // namespace

TEST_CASE("The details window shows the last sample, hidden or not")
{
    TMeterFixture f;
    f.CreateForm();
    REQUIRE(frmDetails);
    CHECK(!frmDetails->Visible());
    CHECK(frmDetails->NgForm->ThemeEngine() == f.Form->NgThemeEngine);
    CHECK(frmDetails->prbSystem->ThemeEngine() == f.Form->NgThemeEngine);
    CHECK(frmDetails->btnOK->ThemeEngine() == f.Form->NgThemeEngine);
    CHECK(frmDetails->chkAlwaysOnTop->ThemeEngine() == f.Form->NgThemeEngine);

    TProbeFeed::Set(75, 80, 90);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(!frmDetails->Visible());
    CHECK(frmDetails->lblSystem->Caption() == "75% System resources free");
    CHECK(frmDetails->lblUser->Caption() == "80% User resources free");
    CHECK(frmDetails->lblGDI->Caption() == "90% GDI resources free");
    CHECK(frmDetails->prbSystem->Position() == 75);
    CHECK(frmDetails->prbUser->Position() == 80);
    CHECK(frmDetails->prbGDI->Position() == 90);

    TProbeFeed::Set(-1, -1, -1);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(frmDetails->lblSystem->Caption() == "-1% System resources free");
    CHECK(frmDetails->lblGDI->Caption() == "-1% GDI resources free");
    CHECK(frmDetails->prbSystem->Position() == -1);
    CHECK(frmDetails->prbUser->Position() == -1);
    CHECK(frmDetails->prbGDI->Position() == -1);
}

TEST_CASE("Details... shows the window; Escape, OK and the close button only hide it")
{
    TMeterFixture f;
    TProbeFeed::Set(60, 70, 80);
    f.CreateForm();
    TfrmDetails* details = frmDetails;
    f.Form->pmiDetails->Click();
    REQUIRE(details->Visible());
    CHECK(!f.Form->pmiDetails->Enabled());
    CHECK(details->Caption() == "Quorvel");
    CHECK(details->ClientWidth() == 300);
    CHECK(details->ClientHeight() == 180);
    RECT window;
    GetWindowRect(details->Handle(), &window);
    CHECK(abs((window.left + window.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
    CHECK(abs((window.top + window.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1);
    CHECK(WaitFor([&] { return GetFocus() == details->btnOK->Handle(); }, 5000));
    CHECK(details->lblSystem->Caption() == "60% System resources free");

    SUBCASE("Escape")
    {
        PostKey(details->btnOK->Handle(), WM_KEYDOWN, VK_ESCAPE);
        CHECK(WaitFor([&] { return !details->Visible(); }, 5000));
    }
    SUBCASE("OK")
    {
        details->btnOK->Click();
    }
    SUBCASE("the frame's close button")
    {
        details->NgForm->CloseForm();
    }
    CHECK(!details->Visible());
    CHECK(!IsWindowVisible(details->Handle()));
    CHECK(f.Form->pmiDetails->Enabled());
    CHECK(frmDetails == details);

    // The window that comes back is the same one, with fresh figures.
    TProbeFeed::Set(20, 30, 40);
    f.Form->tmQuorvelTimer(nullptr);
    DoubleClickTray(f.Form);
    CHECK(details->Visible());
    CHECK(!f.Form->pmiDetails->Enabled());
    CHECK(details->lblSystem->Caption() == "20% System resources free");
    CHECK(details->prbGDI->Position() == 40);
}

TEST_CASE("A double-click on the tray brings an open details window forward")
{
    TMeterFixture f;
    f.CreateForm();
    DoubleClickTray(f.Form);
    REQUIRE(frmDetails->Visible());
    TfrmDetails* details = frmDetails;
    // Shown again, the window would give OK the focus once more.
    details->SetActiveControl(details->chkAlwaysOnTop);
    SetForegroundWindow(Application->Handle());
    DoubleClickTray(f.Form);
    CHECK(details->ActiveControl() == details->chkAlwaysOnTop);
    CHECK(details->Visible());
    CHECK(WaitFor([&] { return GetForegroundWindow() == details->Handle(); }, 5000));
}

TEST_CASE("Always on top: the box sets the topmost state and stores it")
{
    TMeterFixture f;
    SUBCASE("ticked and unticked")
    {
        f.CreateForm();
        TNgCheckBox* box = frmDetails->chkAlwaysOnTop;
        CHECK(!box->Checked());
        box->SetChecked(true);
        CHECK(IsTopmost(frmDetails->Handle()));
        CHECK(StoredOnTop() == 1);
        box->SetChecked(false);
        CHECK(!IsTopmost(frmDetails->Handle()));
        CHECK(StoredOnTop() == 0);
    }
    SUBCASE("a stored 1 ticks the box and makes the window topmost from the start")
    {
        WriteDword(SettingsPath(), OnTop, 1);
        f.CreateForm();
        CHECK(frmDetails->chkAlwaysOnTop->Checked());
        CHECK(IsTopmost(frmDetails->Handle()));
        CHECK(StoredOnTop() == 1);
        f.Form->pmiDetails->Click();
        CHECK(IsTopmost(frmDetails->Handle()));
    }
    SUBCASE("a write that fails reaches the error box, and the window and the meter go on")
    {
        f.CreateForm();
        REQUIRE(SetKeyWritable(SettingsPath(), false));
        frmDetails->chkAlwaysOnTop->SetChecked(true);
        SetKeyWritable(SettingsPath(), true);
        REQUIRE(TBoxRecorder::Boxes().size() == 1);
        CHECK(TBoxRecorder::Boxes()[0].Text == "Failed to set data for 'AlwaysOnTop'");
        CHECK(IsTopmost(frmDetails->Handle()));
        TProbeFeed::Set(92, 1, 1);
        CHECK(PumpUntil([] { return FreeSystem == 92; }, 5000));
        CHECK(frmDetails->prbSystem->Position() == 92);
    }
    SUBCASE("a stored 1 that can't be written back is reported, and the meter starts")
    {
        WriteDword(SettingsPath(), OnTop, 1);
        WriteDword(SettingsPath(), "WarnOnLowResources", 1);
        REQUIRE(SetKeyWritable(SettingsPath(), false));
        TProbeFeed::Set(50, 50, 50);
        f.CreateForm();
        SetKeyWritable(SettingsPath(), true);
        REQUIRE(TBoxRecorder::Boxes().size() == 1);
        CHECK(TBoxRecorder::Boxes()[0].Text == "Failed to set data for 'AlwaysOnTop'");
        CHECK(f.Form->tmQuorvel->Enabled());
        CHECK(frmDetails->lblSystem->Caption() == "50% System resources free");
    }
}
