// The controls in stored layouts, and what long use costs: GDI objects,
// windows, and what the screen shows between erase and paint.

#include "controls/NgButtons.h"
#include "controls/NgCheckBoxs.h"
#include "controls/NgProgress.h"
#include "tests/controls/ControlsFixture.h"
#include "tests/support/GdiCount.h"

#include "framework/Action.h"
#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "theme/NgLuna.h"

#include <doctest/doctest.h>

#include <vector>

namespace {
const char* const DetailsLike = "object frmControls: TForm\n"
                                "  object NgThemeEngine: TNgThemeEngine\n"
                                "    DeltaHue = 0\n"
                                "    Version = '2.1'\n"
                                "    ThemeClass = {070000004C756E61205850}\n"
                                "  end\n"
                                "  object prbSystem: TNgProgressBar\n"
                                "    Left = 8\n"
                                "    Top = 8\n"
                                "    Width = 273\n"
                                "    Height = 16\n"
                                "    Position = 40\n"
                                "    Orientation = kboVertical\n"
                                "    ThemeEngine = NgThemeEngine\n"
                                "  end\n"
                                "  object btnOK: TNgButton\n"
                                "    Left = 8\n"
                                "    Top = 40\n"
                                "    Width = 75\n"
                                "    Height = 25\n"
                                "    Caption = '&OK'\n"
                                "    ModalResult = 1\n"
                                "    Version = '9.9'\n"
                                "    Action = actConfirm\n"
                                "    ThemeEngine = NgThemeEngine\n"
                                "  end\n"
                                "  object chkAlwaysOnTop: TNgCheckBox\n"
                                "    Left = 8\n"
                                "    Top = 72\n"
                                "    Width = 97\n"
                                "    Height = 19\n"
                                "    Caption = '&Always on top'\n"
                                "    Checked = False\n"
                                "    Spacing = 5\n"
                                "    State = cbUnchecked\n"
                                "    Blend = True\n"
                                "    BlendValue = 99\n"
                                "    ThemeEngine = NgThemeEngine\n"
                                "  end\n"
                                "  object alCommands: TActionList\n"
                                "    object actConfirm: TAction\n"
                                "      Caption = 'Confirm'\n"
                                "      Hint = 'Takes the values'\n"
                                "    end\n"
                                "  end\n"
                                "  object prbClassic: TKsCustomProgressBar\n"
                                "    Smooth = True\n"
                                "  end\n"
                                "end\n";

// Records what a control's window shows right after each erase.
struct TEraseRecorder {
    static inline WNDPROC Original = nullptr;
    static inline std::vector<uint32_t> Seen;
    static inline POINT Spot{0, 0};

    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        const LRESULT result = CallWindowProcA(Original, window, msg, wParam, lParam);
        if (msg == WM_ERASEBKGND && wParam) {
            const COLORREF color = GetPixel(reinterpret_cast<HDC>(wParam), Spot.x, Spot.y);
            Seen.push_back(MakeColor(GetRValue(color), GetGValue(color), GetBValue(color)));
        }
        return result;
    }
};
}  // namespace

TEST_CASE("the controls are read from and written to stored layouts with their published properties")
{
    TForm* form = Create<TForm>(nullptr);
    ReadLayout(form, DetailsLike, "CONTROLSTEST");
    auto* bar = dynamic_cast<TNgProgressBar*>(form->FindComponent("prbSystem"));
    auto* button = dynamic_cast<TNgButton*>(form->FindComponent("btnOK"));
    auto* box = dynamic_cast<TNgCheckBox*>(form->FindComponent("chkAlwaysOnTop"));
    REQUIRE(bar);
    REQUIRE(button);
    REQUIRE(box);
    CHECK(bar->Position() == 40);
    CHECK(bar->Orientation() == kboVertical);
    CHECK(bar->IsThemed());
    CHECK(button->ModalResult() == mrOk);
    CHECK(button->Caption() == "&OK");
    CHECK(button->Version() == "2.1");
    // The caption read is kept; the hint comes from the action.
    CHECK(button->Action() == form->FindComponent("actConfirm"));
    CHECK(button->Hint() == "Takes the values");
    CHECK(box->Blend());
    CHECK(box->BlendValue() == 99);
    CHECK(box->Spacing() == 5);
    CHECK(dynamic_cast<TKsCustomProgressBar*>(form->FindComponent("prbClassic"))->Smooth());

    const std::string written = WriteLayout(form);
    // Always stored even at their creation values; Version never.
    CHECK(written.find("    Checked = False\n") != std::string::npos);
    CHECK(written.find("    State = cbUnchecked\n") != std::string::npos);
    CHECK(written.find("    Position = 0\n") != std::string::npos);
    CHECK(written.find("Version = '2.1'\n    ThemeClass") != std::string::npos);
    CHECK(written.find("    ThemeEngine = NgThemeEngine\n") != std::string::npos);
    CHECK(written.find("    Action = actConfirm\n") != std::string::npos);
    CHECK(written.find("  object alCommands: TActionList\n    object actConfirm: TAction\n") != std::string::npos);
    CHECK(written.find("  object btnOK: TNgButton\n    Left = 8\n    Top = 40\n    Width = 75\n    Height = 25\n"
                       "    Caption = '&OK'\n") != std::string::npos);
    TForm* again = Create<TForm>(nullptr);
    ReadLayout(again, written, "CONTROLSTEST");
    CHECK(WriteLayout(again) == written);
    again->Free();
    form->Free();
}

TEST_CASE("long use leaks no GDI objects or windows")
{
    TControlsFixture fixture;
    auto* bar = fixture.Add<TNgProgressBar>(10, 10, 273, 16);
    auto* button = fixture.Add<TNgButton>(10, 40, 75, 25);
    auto* box = fixture.Add<TNgCheckBox>(10, 80, 97, 19);
    fixture.Show();
    // Fonts and brushes made on first use are not leaks.
    bar->SetPosition(1);
    button->Perform(CM_MOUSEENTER);
    button->Perform(CM_MOUSELEAVE);
    box->SetChecked(true);
    box->SetChecked(false);
    Application->ProcessMessages();
    const int gdi = CountGdiObjects();
    const int windows = CountWindows();

    for (int i = 0; i < 1000; ++i)
        bar->SetPosition(i % 101);
    for (int i = 0; i < 300; ++i) {
        button->Perform(CM_MOUSEENTER);
        button->Perform(CM_MOUSELEAVE);
        box->SetChecked(!box->Checked());
    }
    Application->ProcessMessages();
    CHECK(CountGdiObjects() == gdi);
    CHECK(CountWindows() == windows);
}

TEST_CASE("no erase paints the background colour over a control")
{
    TControlsFixture fixture;
    auto* bar = fixture.Add<TNgProgressBar>(10, 10, 273, 16);
    auto* button = fixture.Add<TNgButton>(10, 40, 75, 25);
    bar->SetPosition(50);
    fixture.Show();
    for (TKsCustomControl* control : std::vector<TKsCustomControl*>{bar, button}) {
        TEraseRecorder::Seen.clear();
        // A track pixel of the bar, a face pixel of the button.
        TEraseRecorder::Spot = control == bar ? POINT{200, 8} : POINT{5, 3};
        const uint32_t image = Opaque(control->FrontBuffer().GetPixel(TEraseRecorder::Spot.x, TEraseRecorder::Spot.y));
        REQUIRE(image != ColorToPixel(clBtnFace));
        TEraseRecorder::Original = reinterpret_cast<WNDPROC>(
            SetWindowLongA(control->Handle(), GWL_WNDPROC, reinterpret_cast<LONG>(&TEraseRecorder::Procedure)));
        RedrawWindow(fixture.Form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        control->Invalidate();
        control->Update();
        SetWindowLongA(control->Handle(), GWL_WNDPROC, reinterpret_cast<LONG>(TEraseRecorder::Original));
        CHECK_FALSE(TEraseRecorder::Seen.empty());
        for (uint32_t seen : TEraseRecorder::Seen)
            CHECK(seen == image);
    }
}
