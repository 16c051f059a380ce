// Owner-drawn popup menus driven by the keyboard, as a user would: the
// popup blocks in the system's menu loop while a timer types keys into
// the menu window.

#include "tests/framework/MenuTestForm.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Surface.h"

#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "framework/Timer.h"
#include "resources/resource.h"

#include <doctest/doctest.h>

#include <deque>

namespace {

// Types keys into the open menu, one per tick; if the menu is still open
// long after the keys ran out, Escape closes it so that a test cannot hang.
class TTypist {
public:
    struct TKey {
        UINT Message;
        WPARAM Code;
    };

    explicit TTypist(std::deque<TKey> keys, unsigned interval = 30) : FKeys(std::move(keys))
    {
        FTimer = Create<TTimer>(nullptr);
        FTimer->SetInterval(interval);
        FTimer->SetOnTimer(TNotifyEvent::Bind<&TTypist::Tick>(this));
    }
    ~TTypist() { FTimer->Free(); }

    static TKey Char(char c) { return TKey{WM_CHAR, static_cast<WPARAM>(c)}; }
    static TKey Key(WPARAM vk) { return TKey{WM_KEYDOWN, vk}; }

    void Reset(std::deque<TKey> keys)
    {
        FKeys = std::move(keys);
        FIdle = 0;
        SawMenu = false;
    }

    bool SawMenu = false;
    int Forced = 0;

private:
    void Tick(TObject*)
    {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu || !IsWindowVisible(menu))
            return;
        SawMenu = true;
        if (!FKeys.empty()) {
            TKey key = FKeys.front();
            FKeys.pop_front();
            PostMessageA(menu, key.Message, key.Code, 0);
        } else if (++FIdle > 100) {
            ++Forced;
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }

    std::deque<TKey> FKeys;
    int FIdle = 0;
    TTimer* FTimer = nullptr;
};

struct TPaintLog {
    int Measured = 0;
    int Drawn = 0;
    int DrawnSelected = 0;
    bool FontSet = false;
    void Measure(TObject*, TCanvas& canvas, int& width, int& height)
    {
        ++Measured;
        FontSet = canvas.Font().Height() != 0;
        width = std::max(width, canvas.TextWidth("Warn on low resources") + 30);
        height = std::max(height, 20);
    }
    void Draw(TObject* sender, TCanvas& canvas, const RECT& rect, bool selected)
    {
        ++Drawn;
        if (selected)
            ++DrawnSelected;
        canvas.Brush().SetColor(selected ? clHighlight : clMenu);
        canvas.FillRect(rect);
        RECT text = rect;
        canvas.DrawText(static_cast<TMenuItem*>(sender)->Caption(), text, DT_SINGLELINE | DT_VCENTER);
    }
};

const char* const PopupLayout = "object frmQuorvel: TMenuTestForm\n"
                                "  object pmQuorvel: TPopupMenu\n"
                                "    AutoHotkeys = False\n"
                                "    OwnerDraw = True\n"
                                "    AutoPopup = False\n"
                                "    OnPopup = pmQuorvelPopup\n"
                                "    object pmiSystem: TMenuItem\n"
                                "      Caption = 'System'\n"
                                "      OnClick = ItemClick\n"
                                "    end\n"
                                "    object pmiUser: TMenuItem\n"
                                "      Caption = 'User'\n"
                                "      OnClick = ItemClick\n"
                                "    end\n"
                                "    object N3: TMenuItem\n"
                                "      Caption = '-'\n"
                                "    end\n"
                                "    object pmiWarn: TMenuItem\n"
                                "      AutoCheck = True\n"
                                "      Caption = '&Warn on low resources'\n"
                                "      OnClick = pmiWarnClick\n"
                                "    end\n"
                                "    object pmiExit: TMenuItem\n"
                                "      Caption = 'E&xit'\n"
                                "      OnClick = pmiExitClick\n"
                                "    end\n"
                                "  end\n"
                                "end\n";

struct TPopupFixture {
    TMenuTestForm* Form = ReadMenuForm(PopupLayout);
    TPaintLog Paint;
    TPopupFixture()
    {
        // Every item but Exit gets the test's painter; Exit draws plainly.
        for (int i = 0; i < 4; ++i) {
            TMenuItem* item = Form->pmQuorvel->Items()->Items(i);
            item->OnMeasureItem = TMenuMeasureItemEvent::Bind<&TPaintLog::Measure>(&Paint);
            item->OnDrawItem = TMenuDrawItemEvent::Bind<&TPaintLog::Draw>(&Paint);
        }
    }
    ~TPopupFixture() { Form->Free(); }
};

}

TEST_CASE("An owner-drawn popup is measured, drawn and driven by keys")
{
    TPopupFixture fixture;
    TMenuTestForm& form = *fixture.Form;

    SUBCASE("an access key chooses its item")
    {
        TTypist typist({TTypist::Char('x')});
        form.pmQuorvel->Popup(100, 100);
        CHECK(typist.SawMenu);
        CHECK(typist.Forced == 0);
        CHECK(form.Log == std::vector<std::string>{"popup", "exit"});
        CHECK(fixture.Paint.Measured >= 4);
        CHECK(fixture.Paint.Drawn >= 4);
        CHECK(fixture.Paint.FontSet);
    }
    SUBCASE("arrows and Enter choose the highlighted item")
    {
        TTypist typist({TTypist::Key(VK_DOWN), TTypist::Key(VK_DOWN), TTypist::Key(VK_RETURN)});
        form.pmQuorvel->Popup(100, 100);
        CHECK(typist.Forced == 0);
        CHECK(form.Log == std::vector<std::string>{"popup", "click pmiUser"});
        CHECK(fixture.Paint.DrawnSelected >= 2);
    }
    SUBCASE("an automatic check mark toggles before the handler runs")
    {
        TTypist typist({TTypist::Char('w')});
        form.pmQuorvel->Popup(100, 100);
        CHECK(form.Log == std::vector<std::string>{"popup", "warn on"});
        CHECK(form.pmiWarn->Checked());
    }
    SUBCASE("Escape closes the menu with nothing chosen")
    {
        TTypist typist({TTypist::Key(VK_DOWN), TTypist::Key(VK_ESCAPE)});
        form.pmQuorvel->Popup(100, 100);
        CHECK(typist.SawMenu);
        CHECK(form.Log == std::vector<std::string>{"popup"});
    }
}

TEST_CASE("Access keys of owner-drawn items are answered from the captions")
{
    TPopupFixture fixture;
    TPopupMenu& menu = *fixture.Form->pmQuorvel;
    HMENU handle = menu.Handle();
    TMenuItem* system = menu.Items()->Items(0);
    system->SetCaption("&System");
    handle = menu.Handle();
    TMessage exit{WM_MENUCHAR, 'x', reinterpret_cast<LPARAM>(handle), 0};
    REQUIRE(menu.DispatchMenuMessage(exit));
    CHECK(exit.Result == MAKELRESULT(4, MNC_EXECUTE));
    TMessage none{WM_MENUCHAR, 'q', reinterpret_cast<LPARAM>(handle), 0};
    REQUIRE(menu.DispatchMenuMessage(none));
    CHECK(HIWORD(none.Result) == MNC_IGNORE);
    // Two items share "s": each press selects the next, none runs.
    menu.Items()->Items(1)->SetCaption("&Stats");
    handle = menu.Handle();
    TMessage shared{WM_MENUCHAR, 'S', reinterpret_cast<LPARAM>(handle), 0};
    REQUIRE(menu.DispatchMenuMessage(shared));
    CHECK(shared.Result == MAKELRESULT(0, MNC_SELECT));
    // A menu that is not this one's is left to others.
    TMessage foreign{WM_MENUCHAR, 'x', reinterpret_cast<LPARAM>(GetSystemMenu(GetDesktopWindow(), FALSE)), 0};
    CHECK(!menu.DispatchMenuMessage(foreign));
}

TEST_CASE("Plain owner drawing gives the DC back as it was")
{
    TPopupFixture fixture;
    TMenuItem* exit = fixture.Form->pmiExit;
    TSurface surface(200, 40);
    HDC dc = surface.DC.Get();
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    int before = CountGdiObjects();
    for (bool selected : {false, true}) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemData = exit->Command();
        draw.itemState = selected ? ODS_SELECTED : 0;
        draw.hDC = dc;
        draw.rcItem = RECT{0, 0, 200, 20};
        TMessage message{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
        CHECK(fixture.Form->pmQuorvel->DispatchMenuMessage(message));
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = exit->Command();
        TMessage measureMessage{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
        CHECK(fixture.Form->pmQuorvel->DispatchMenuMessage(measureMessage));
        CHECK(measure.itemWidth > 20);
        CHECK(measure.itemHeight >= 10);
    }
    CHECK(GetCurrentObject(dc, OBJ_FONT) == font);
    CHECK(GetCurrentObject(dc, OBJ_BRUSH) == brush);
    CHECK(CountGdiObjects() == before);
    // The highlighted row is filled with the highlight colour.
    CHECK(GetPixel(dc, 1, 10) == GetSysColor(COLOR_HIGHLIGHT));
}

TEST_CASE("Two hundred popups leave no menu or GDI object behind")
{
    TPopupFixture fixture;
    TMenuTestForm& form = *fixture.Form;
    TImageList* images = Create<TImageList>(&form);
    images->SetResourceName(RESOURCE_NAME(RES_GAUGES));
    form.pmQuorvel->SetImages(images);
    form.pmiExit->SetImageIndex(5);  // drawn plainly, with its image
    TTypist typist({}, 10);
    std::vector<HMENU> handles;
    struct TCaptions {
        TMenuTestForm* Form;
        int Round = 0;
        // As the program does: captions change on every popup.
        void Popup(TObject*) { Form->pmQuorvel->Items()->Items(0)->SetCaption("System " + std::to_string(++Round)); }
    } captions{&form};
    form.pmQuorvel->OnPopup = TNotifyEvent::Bind<&TCaptions::Popup>(&captions);

    auto popup = [&] {
        typist.Reset({TTypist::Key(VK_DOWN), TTypist::Key(VK_ESCAPE)});
        form.pmQuorvel->Popup(100, 100);
        handles.push_back(form.pmQuorvel->Handle());
    };
    popup();
    int before = CountGdiObjects();
    for (int i = 0; i < 200; ++i)
        popup();
    CHECK(CountGdiObjects() == before);
    CHECK(typist.Forced == 0);
    CHECK(captions.Round == 201);
    // Each popup rebuilt the menu; every earlier HMENU is gone.
    for (size_t i = 0; i + 1 < handles.size(); ++i)
        if (handles[i] != handles.back())
            REQUIRE(!IsMenu(handles[i]));
    CHECK(IsMenu(handles.back()));
}
