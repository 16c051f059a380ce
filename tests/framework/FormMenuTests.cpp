#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/Icon.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "framework/MainMenu.h"
#include "framework/MenuItem.h"
#include "resources/resource.h"

#include <doctest/doctest.h>

namespace {
const char* const FormLayout = "object frmMenu: TForm\n"
                               "  Icon.ResourceName = 'TRAY_GAUGE_EMPTY'\n"
                               "  Menu = mnuMain\n"
                               "  object mnuMain: TMainMenu\n"
                               "    AutoHotkeys = False\n"
                               "    object mniFile: TMenuItem\n"
                               "      Caption = '&File'\n"
                               "      object mniExit: TMenuItem\n"
                               "        Caption = 'E&xit'\n"
                               "      end\n"
                               "    end\n"
                               "  end\n"
                               "end\n";

struct TClicks {
    int Count = 0;
    int Measured = 0;
    void Click(TObject*) { ++Count; }
    void Measure(TObject*, TCanvas&, int& width, int& height)
    {
        ++Measured;
        width = 40;
        height = 17;
    }
};

TForm* ReadForm()
{
    TForm* form = Create<TForm>(nullptr);
    try {
        ReadLayout(form, FormLayout, "TESTFORM");
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}
}

TEST_CASE("A form shows its menu bar and passes it the menu messages")
{
    TForm* form = ReadForm();
    auto* menu = dynamic_cast<TMainMenu*>(form->FindComponent("mnuMain"));
    auto* exit = dynamic_cast<TMenuItem*>(form->FindComponent("mniExit"));
    REQUIRE(menu != nullptr);
    REQUIRE(exit != nullptr);
    CHECK(form->Menu() == menu);
    CHECK(WriteLayout(form).find("Menu = mnuMain") != std::string::npos);
    TClicks clicks;
    exit->OnClick = TNotifyEvent::Bind<&TClicks::Click>(&clicks);

    HWND window = form->Handle();
    CHECK(GetMenu(window) == menu->Handle());
    CHECK(menu->WindowHandle() == window);
    SendMessageA(window, WM_COMMAND, exit->Command(), 0);
    CHECK(clicks.Count == 1);

    SUBCASE("owner-drawn bar items are measured through the form")
    {
        menu->SetOwnerDraw(true);
        exit->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TClicks::Measure>(&clicks);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = exit->Command();
        CHECK(SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)) == TRUE);
        CHECK(clicks.Measured == 1);
        CHECK(measure.itemHeight == 17);
    }
    SUBCASE("a new window gets the bar again")
    {
        form->RecreateWnd();
        CHECK(form->Handle() != window);
        CHECK(GetMenu(form->Handle()) == menu->Handle());
        CHECK(IsMenu(menu->Handle()));
    }
    SUBCASE("a freed menu leaves the form")
    {
        menu->Free();
        CHECK(form->Menu() == nullptr);
        CHECK(GetMenu(window) == nullptr);
    }
    SUBCASE("the window's icon is the form's")
    {
        HICON icon = form->Icon()->Handle();
        REQUIRE(icon != nullptr);
        CHECK(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)) == icon);
        TIcon other;
        other.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_MAIN_ICON));
        form->SetIcon(&other);
        CHECK(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)) == form->Icon()->Handle());
        CHECK(form->Icon()->Handle() != other.Handle());
    }
    // The bar goes with the form.
    HMENU bar = GetMenu(form->Handle());
    form->Free();
    if (bar)
        CHECK(!IsMenu(bar));
}
