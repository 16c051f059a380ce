#include "tests/framework/MenuTestForm.h"

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "framework/LayoutWriter.h"
#include "framework/MainMenu.h"
#include "framework/ShortCut.h"

#include <doctest/doctest.h>

#include <algorithm>

namespace {
const char* const QuorvelMenu = "object frmQuorvel: TMenuTestForm\n"
                                "  object ilIcons: TImageList\n"
                                "    ResourceName = 'GAUGES'\n"
                                "    MaskColor = clFuchsia\n"
                                "  end\n"
                                "  object pmQuorvel: TPopupMenu\n"
                                "    AutoHotkeys = False\n"
                                "    Images = ilIcons\n"
                                "    AutoPopup = False\n"
                                "    OnPopup = pmQuorvelPopup\n"
                                "    object pmiSystem: TMenuItem\n"
                                "      Caption = 'System'\n"
                                "      ImageIndex = 3\n"
                                "    end\n"
                                "    object N3: TMenuItem\n"
                                "      Caption = '-'\n"
                                "    end\n"
                                "    object pmiWarn: TMenuItem\n"
                                "      AutoCheck = True\n"
                                "      Caption = '&Warn on low resources'\n"
                                "      Checked = True\n"
                                "      OnClick = pmiWarnClick\n"
                                "    end\n"
                                "    object pmiMore: TMenuItem\n"
                                "      Caption = '&More'\n"
                                "      object pmiRadioA: TMenuItem\n"
                                "        Bitmap.ResourceName = 'KSE_CLOSE'\n"
                                "        Bitmap.Transparent = True\n"
                                "        Caption = 'A'\n"
                                "        Default = True\n"
                                "        GroupIndex = 2\n"
                                "        RadioItem = True\n"
                                "        OnDrawItem = ItemDraw\n"
                                "        OnMeasureItem = ItemMeasure\n"
                                "      end\n"
                                "      object pmiRadioB: TMenuItem\n"
                                "        Caption = 'B'\n"
                                "        Enabled = False\n"
                                "        ShortCut = 16467\n"
                                "        Visible = False\n"
                                "        OnClick = ItemClick\n"
                                "      end\n"
                                "    end\n"
                                "    object pmiExit: TMenuItem\n"
                                "      Caption = 'E&xit'\n"
                                "      OnClick = pmiExitClick\n"
                                "    end\n"
                                "  end\n"
                                "end\n";
}

TEST_CASE("Shortcuts read as the menus show them")
{
    CHECK(ShortCutToText(MakeShortCut('S', scCtrl)) == "Ctrl+S");
    CHECK(ShortCutToText(MakeShortCut(VK_F4, scAlt)) == "Alt+F4");
    CHECK(ShortCutToText(MakeShortCut(VK_DELETE, scShift | scCtrl)) == "Shift+Ctrl+Del");
    CHECK(ShortCutToText(MakeShortCut(VK_RETURN, 0)) == "Enter");
    CHECK(ShortCutToText(MakeShortCut(VK_NUMPAD7, 0)) == "Num 7");
    CHECK(ShortCutToText(scNone).empty());
    CHECK(ShortCutToText(16467) == "Ctrl+S");
    CHECK(TextToShortCut("Alt+F4") == MakeShortCut(VK_F4, scAlt));
    CHECK(TextToShortCut("shift+ctrl+del") == MakeShortCut(VK_DELETE, scShift | scCtrl));
    CHECK(TextToShortCut("Ctrl+") == scNone);
}

TEST_CASE("Menu items form a tree")
{
    TMenuTestForm* form = Create<TMenuTestForm>(nullptr);
    TPopupMenu* menu = Create<TPopupMenu>(form);
    TMenuItem* file = Create<TMenuItem>(form);
    TMenuItem* open = Create<TMenuItem>(form);
    TMenuItem* close = Create<TMenuItem>(form);
    // The form hears of every item as it is created.
    CHECK(std::count(form->Inserted.begin(), form->Inserted.end(), open) == 1);

    menu->Items()->Add(file);
    file->Add(close);
    file->Insert(0, open);
    CHECK(file->Count() == 2);
    CHECK(file->Items(0) == open);
    CHECK(file->IndexOf(close) == 1);
    CHECK(open->Parent() == file);
    CHECK(open->GetParentMenu() == menu);
    CHECK(file->GetParentComponent() == menu);
    CHECK(open->GetParentComponent() == file);
    CHECK(menu->FindItem(close->Command()) == close);
    CHECK(open->Command() != close->Command());
    CHECK_THROWS_AS(menu->Items()->Add(open), EInvalidOperation);
    CHECK_THROWS_AS(open->Add(file), EInvalidOperation);

    file->Remove(open);
    CHECK(open->Parent() == nullptr);
    CHECK(file->Count() == 1);
    file->Add(open);
    file->Delete(0);
    CHECK(close->Parent() == nullptr);
    CHECK(file->Items(0) == open);
    CHECK_THROWS_AS(file->Items(5), EListError);

    // Freeing an item frees the sub-items it still holds.
    open->Free();
    CHECK(file->Count() == 0);
    file->Add(close);
    file->Free();
    CHECK(menu->Items()->Count() == 0);
    CHECK(form->ComponentCount() == 1);
    form->Free();
}

TEST_CASE("Clicking an item")
{
    TMenuTestForm* form = ReadMenuForm(QuorvelMenu);
    REQUIRE(form->pmiWarn != nullptr);

    SUBCASE("an automatic check mark toggles before OnClick runs")
    {
        form->pmiWarn->Click();
        form->pmiWarn->Click();
        CHECK(form->Log == std::vector<std::string>{"warn off", "warn on"});
    }
    SUBCASE("a disabled item does nothing")
    {
        form->pmiWarn->SetEnabled(false);
        form->pmiWarn->Click();
        CHECK(form->Log.empty());
        CHECK(form->pmiWarn->Checked());
    }
    SUBCASE("radio items of a group check one at a time")
    {
        auto* a = static_cast<TMenuItem*>(form->FindComponent("pmiRadioA"));
        auto* b = static_cast<TMenuItem*>(form->FindComponent("pmiRadioB"));
        b->SetRadioItem(true);
        b->SetGroupIndex(2);
        a->SetChecked(true);
        b->SetChecked(true);
        CHECK(!a->Checked());
        b->SetGroupIndex(3);
        a->SetChecked(true);
        CHECK(b->Checked());
    }
    SUBCASE("WM_COMMAND reaches the item of the command")
    {
        TMessage message{WM_COMMAND, form->pmiExit->Command(), 0, 0};
        CHECK(form->pmQuorvel->DispatchMenuMessage(message));
        CHECK(form->Log == std::vector<std::string>{"exit"});
        TMessage other{WM_COMMAND, 0x7FFF0000u | form->pmiExit->Command(), 0, 0};
        CHECK(!form->pmQuorvel->DispatchMenuMessage(other));
    }
    form->Free();
}

TEST_CASE("A menu layout reads and writes back exactly")
{
    TMenuTestForm* form = ReadMenuForm(QuorvelMenu);
    TPopupMenu& menu = *form->pmQuorvel;
    CHECK(menu.Items()->Count() == 5);
    CHECK(!menu.AutoPopup());
    CHECK(!menu.AutoHotkeys());
    CHECK(menu.Images() == form->FindComponent("ilIcons"));
    TMenuItem* more = menu.Items()->Items(3);
    CHECK(more->Count() == 2);
    CHECK(more->Items(0)->Bitmap().Width() == 16);
    CHECK(more->Items(0)->GetImageList() == menu.Images());
    CHECK(form->pmiExit->Caption() == "E&xit");
    CHECK(WriteLayout(form) == QuorvelMenu);

    // A freed image list is forgotten by the menu.
    form->FindComponent("ilIcons")->Free();
    CHECK(menu.Images() == nullptr);
    form->Free();
}

TEST_CASE("Measure and draw handlers can be replaced and put back exactly")
{
    TMenuTestForm* form = ReadMenuForm(QuorvelMenu);
    auto* a = static_cast<TMenuItem*>(form->FindComponent("pmiRadioA"));
    struct TPainter {
        void Measure(TObject*, TCanvas&, int&, int&) {}
        void Draw(TObject*, TCanvas&, const RECT&, bool) {}
    } painter;
    TMenuMeasureItemEvent oldMeasure = a->OnMeasureItem;
    TMenuDrawItemEvent oldDraw = a->OnDrawItem;
    REQUIRE(oldMeasure);
    auto measure = TMenuMeasureItemEvent::Bind<&TPainter::Measure>(&painter);
    auto draw = TMenuDrawItemEvent::Bind<&TPainter::Draw>(&painter);
    a->OnMeasureItem = measure;
    a->OnDrawItem = draw;
    CHECK(a->OnMeasureItem == measure);
    CHECK(a->OnMeasureItem != oldMeasure);
    CHECK(form->pmiExit->OnDrawItem != draw);
    // Detaching clears only the painter's own handlers.
    for (TMenuItem* item : {a, form->pmiExit}) {
        if (item->OnMeasureItem == measure)
            item->OnMeasureItem = oldMeasure;
        if (item->OnDrawItem == draw)
            item->OnDrawItem = oldDraw;
    }
    CHECK(a->OnMeasureItem == oldMeasure);
    CHECK(a->OnDrawItem == oldDraw);
    CHECK(!form->pmiExit->OnDrawItem);
    form->Free();
}

TEST_CASE("Automatic access keys")
{
    TMenuTestForm* form = Create<TMenuTestForm>(nullptr);
    TPopupMenu* menu = Create<TPopupMenu>(form);
    const char* captions[] = {"Save", "&Open", "Select", "-", "Open again"};
    for (const char* caption : captions) {
        TMenuItem* item = Create<TMenuItem>(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    menu->Handle();
    CHECK(menu->Items()->Items(0)->Caption() == "&Save");
    CHECK(menu->Items()->Items(1)->Caption() == "&Open");
    CHECK(menu->Items()->Items(2)->Caption() == "S&elect");
    CHECK(menu->Items()->Items(3)->Caption() == "-");
    CHECK(menu->Items()->Items(4)->Caption() == "O&pen again");

    menu->SetAutoHotkeys(false);
    TMenuItem* plain = Create<TMenuItem>(form);
    plain->SetCaption("Plain");
    menu->Items()->Add(plain);
    menu->Handle();
    CHECK(plain->Caption() == "Plain");
    form->Free();
}

TEST_CASE("The HMENU follows the items")
{
    TMenuTestForm* form = ReadMenuForm(QuorvelMenu);
    TPopupMenu& menu = *form->pmQuorvel;
    HMENU handle = menu.Handle();
    REQUIRE(IsMenu(handle));
    CHECK(menu.Handle() == handle);  // unchanged items keep it
    CHECK(GetMenuItemCount(handle) == 5);
    char text[64] = {};
    GetMenuStringA(handle, 4, text, sizeof text, MF_BYPOSITION);
    CHECK(std::string(text) == "E&xit");
    CHECK((GetMenuState(handle, 2, MF_BYPOSITION) & MF_CHECKED) != 0);
    HMENU more = GetSubMenu(handle, 3);
    REQUIRE(more != nullptr);
    CHECK(GetMenuItemCount(more) == 1);  // B is invisible

    form->pmiExit->SetCaption("Quit");
    HMENU rebuilt = menu.Handle();
    CHECK(!IsMenu(handle));
    CHECK(!IsMenu(more));
    GetMenuStringA(rebuilt, 4, text, sizeof text, MF_BYPOSITION);
    CHECK(std::string(text) == "Quit");
    form->Free();
    CHECK(!IsMenu(rebuilt));
}

TEST_CASE("A main menu puts its bar on a window")
{
    HWND window = CreateWindowExA(0, "STATIC", "menu bar", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    REQUIRE(window != nullptr);
    TMenuTestForm* form = Create<TMenuTestForm>(nullptr);
    TMainMenu* bar = Create<TMainMenu>(form);
    TMenuItem* file = Create<TMenuItem>(form);
    TMenuItem* exit = Create<TMenuItem>(form);
    file->SetCaption("&File");
    exit->SetCaption("E&xit");
    bar->Items()->Add(file);
    file->Add(exit);
    CHECK(file->IsMenuBarItem());
    CHECK(!exit->IsMenuBarItem());

    bar->SetWindowHandle(window);
    HMENU first = GetMenu(window);
    CHECK(first == bar->Handle());
    file->SetCaption("&Program");
    CHECK(GetMenu(window) != first);
    CHECK(GetMenu(window) == bar->Handle());
    CHECK(!IsMenu(first));
    bar->SetWindowHandle(nullptr);
    CHECK(GetMenu(window) == nullptr);

    // A window destroyed with its bar takes the HMENU along; the menu
    // does not destroy it a second time.
    bar->SetWindowHandle(window);
    DestroyWindow(window);
    file->SetCaption("&File");
    CHECK(bar->WindowHandle() == nullptr);
    form->Free();
}
