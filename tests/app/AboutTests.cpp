// The About box: made by "About...", run modally, closed by Escape, OK and
// the frame's close button, and freed by the meter after its loop; its
// version line and links.

#include "tests/app/MeterFixture.h"
#include "tests/app/TestSupport.h"
#include "tests/support/MessagePump.h"

#include "app/frm_About.h"
#include "app/frm_Details.h"
#include "controls/NgButtons.h"
#include "controls/NgCheckBoxs.h"
#include "frame/NgForms.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"

#include <doctest/doctest.h>

#include <functional>

namespace {

bool IsTopmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

TEST_CASE("About... runs the box modally; Escape, OK and the close button end it and the meter frees it")
{
    TMeterFixture f;
    TScopedOverride<std::string> path(ExecutablePathOverride, ExeFolder() + "VersionSample.exe");
    f.CreateForm();
    HWND window = nullptr;
    TfrmAbout* seen = nullptr;
    bool enabledWhileOpen = true;
    std::function<void(TfrmAbout&)> close;
    SUBCASE("Escape")
    {
        close = [](TfrmAbout& about) { PostKey(about.btnOK->Handle(), WM_KEYDOWN, VK_ESCAPE); };
    }
    SUBCASE("OK")
    {
        close = [](TfrmAbout& about) { about.btnOK->Click(); };
    }
    SUBCASE("the frame's close button")
    {
        close = [](TfrmAbout& about) { about.NgForm->CloseForm(); };
    }
    ChooseAbout(f.Form, [&] {
        REQUIRE(frmAbout);
        seen = frmAbout;
        window = frmAbout->Handle();
        enabledWhileOpen = f.Form->pmiAbout->Enabled();
        CHECK(frmAbout->Visible());
        CHECK(frmAbout->Caption() == "About");
        CHECK(frmAbout->ClientWidth() == 350);
        CHECK(frmAbout->ClientHeight() == 161);
        CHECK(frmAbout->lblVersion->Caption() == "3.1.4.33");
        CHECK(frmAbout->lblAuthor->Caption() == "Tessaly");
        CHECK(frmAbout->lblWebsite->Caption() == MakerWebsite);
        CHECK(frmAbout->lblEmail->Caption() == MakerEmail);
        CHECK(frmAbout->NgForm->ThemeEngine() == f.Form->NgThemeEngine);
        // A second "About..." while one is open does nothing.
        f.Form->pmiAboutClick(nullptr);
        CHECK(frmAbout == seen);
        close(*frmAbout);
        // Closing from a handler leaves the box alive until its loop ends.
        CHECK(frmAbout == seen);
    });
    CHECK(seen);
    CHECK(!enabledWhileOpen);
    CHECK(frmAbout == nullptr);
    CHECK(!IsWindow(window));
    CHECK(f.Form->pmiAbout->Enabled());
    CHECK(TBoxRecorder::Boxes().empty());

    // The next "About..." makes a new box.
    HWND second = nullptr;
    ChooseAbout(f.Form, [&] {
        second = frmAbout->Handle();
        frmAbout->Close();
    });
    CHECK(second != nullptr);
    CHECK(frmAbout == nullptr);
}

TEST_CASE("The About links go to the shell and leave the box open")
{
    TMeterFixture f;
    f.CreateForm();
    ChooseAbout(f.Form, [&] {
        SUBCASE("mail")
        {
            TShellRunRecorder shell;
            frmAbout->lblEmail->Click();
            CHECK(LastShellRun().calls == 1);
            CHECK(LastShellRun().file == std::string("mailto:") + MakerEmail);
            CHECK(LastShellRun().verb == "open");
            CHECK(LastShellRun().info.nShow == SW_SHOW);
        }
        SUBCASE("web")
        {
            TShellRunRecorder shell;
            frmAbout->lblWebsite->Click();
            CHECK(LastShellRun().calls == 1);
            CHECK(LastShellRun().file == MakerWebsite);
            CHECK(LastShellRun().parameters == "");
        }
        PumpFor(50);
        CHECK(frmAbout);
        CHECK(frmAbout->Visible());
        frmAbout->Close();
    });
    CHECK(frmAbout == nullptr);
}

TEST_CASE("While About is open a topmost details window is not; afterwards it matches its box")
{
    TMeterFixture f;
    f.CreateForm();
    f.Form->pmiDetails->Click();
    SUBCASE("ticked")
    {
        frmDetails->chkAlwaysOnTop->SetChecked(true);
        REQUIRE(IsTopmost(frmDetails->Handle()));
        DWORD stored = 0;
        ChooseAbout(f.Form, [&] {
            CHECK(!IsTopmost(frmDetails->Handle()));
            // Not through the box: the setting stays as it is.
            CHECK(frmDetails->chkAlwaysOnTop->Checked());
            CHECK(ReadDword(SettingsPath(), "AlwaysOnTop", stored));
            CHECK(stored == 1);
            frmAbout->Close();
        });
        CHECK(IsTopmost(frmDetails->Handle()));
    }
    SUBCASE("unticked")
    {
        ChooseAbout(f.Form, [&] { frmAbout->Close(); });
        CHECK(!IsTopmost(frmDetails->Handle()));
    }
    CHECK(f.Form->pmiAbout->Enabled());
}
