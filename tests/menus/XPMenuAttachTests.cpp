// Switching the painter on and off, and what it leaves of the items' own
// handlers.

#include "tests/menus/XPMenuFixture.h"

#include "framework/Canvas.h"
#include "framework/LayoutReader.h"
#include "framework/MainMenu.h"
#include "framework/PopupMenu.h"

#include <doctest/doctest.h>

namespace {

// An item's own drawing, as a program would bind it.
struct TOwnDrawing : public TObject {
    int Drawn = 0;
    void Measure(TObject*, TCanvas&, int&, int& height) { height = 99; }
    void Draw(TObject*, TCanvas&, const RECT&, bool) { ++Drawn; }
    TMenuDrawItemEvent DrawEvent() { return TMenuDrawItemEvent::Bind<&TOwnDrawing::Draw>(this); }
    TMenuMeasureItemEvent MeasureEvent() { return TMenuMeasureItemEvent::Bind<&TOwnDrawing::Measure>(this); }
};

TMenuDrawItemEvent PainterDraw(TXPMenu* painter)
{
    return TMenuDrawItemEvent::Bind<&TXPMenu::DrawItem>(painter);
}

TMenuMeasureItemEvent PainterMeasure(TXPMenu* painter)
{
    return TMenuMeasureItemEvent::Bind<&TXPMenu::MeasureItem>(painter);
}

bool Painted(TMenuItem* item, TXPMenu* painter)
{
    return item->OnDrawItem == PainterDraw(painter) && item->OnMeasureItem == PainterMeasure(painter);
}

bool Bare(TMenuItem* item)
{
    return !item->OnDrawItem && !item->OnMeasureItem;
}

}

TEST_CASE("Switching on makes the form's menus owner-drawn through the painter")
{
    TXPMenuFixture fixture;
    auto* popup = As<TPopupMenu>(fixture.Form->FindComponent("pmTest"));
    auto* bar = As<TMainMenu>(fixture.Form->FindComponent("mmTest"));
    CHECK(popup->OwnerDraw());
    CHECK(bar->OwnerDraw());
    // Every item, sub-items and bar items included.
    for (const char* name : {"pmiPlain", "pmiSeparator", "pmiSub", "pmiSubOne", "mmiFile", "mmiOpen"}) {
        CAPTURE(name);
        CHECK(Painted(fixture.Item(name), fixture.Painter));
    }

    fixture.Painter->SetActive(false);
    CHECK_FALSE(popup->OwnerDraw());
    CHECK_FALSE(bar->OwnerDraw());
    for (const char* name : {"pmiPlain", "pmiSubOne", "mmiOpen"}) {
        CAPTURE(name);
        CHECK(Bare(fixture.Item(name)));
    }

    // Switching on twice installs nothing twice and loses nothing.
    fixture.Painter->SetActive(true);
    fixture.Painter->SetActive(true);
    CHECK(Painted(fixture.Item("pmiSubOne"), fixture.Painter));
}

TEST_CASE("Items with handlers of their own keep them unless the painter overrides them")
{
    TXPMenuFixture fixture;
    TOwnDrawing own;
    TMenuItem* custom = fixture.Item("pmiPlain");
    TMenuItem* halfCustom = fixture.Item("pmiExit");
    TMenuItem* plain = fixture.Item("pmiSave");
    fixture.Painter->SetActive(false);
    custom->OnDrawItem = own.DrawEvent();
    custom->OnMeasureItem = own.MeasureEvent();
    halfCustom->OnDrawItem = own.DrawEvent();

    fixture.Painter->SetActive(true);
    CHECK(custom->OnDrawItem == own.DrawEvent());
    CHECK(custom->OnMeasureItem == own.MeasureEvent());
    CHECK(halfCustom->OnDrawItem == own.DrawEvent());
    CHECK(halfCustom->OnMeasureItem == PainterMeasure(fixture.Painter));
    CHECK(Painted(plain, fixture.Painter));

    SUBCASE("switching off clears only the painter's handlers")
    {
        fixture.Painter->SetActive(false);
        CHECK(custom->OnDrawItem == own.DrawEvent());
        CHECK(custom->OnMeasureItem == own.MeasureEvent());
        CHECK(halfCustom->OnDrawItem == own.DrawEvent());
        CHECK_FALSE(halfCustom->OnMeasureItem);
        CHECK(Bare(plain));
    }

    SUBCASE("OverrideOwnerDraw takes them over, and gives them back")
    {
        fixture.Painter->SetOverrideOwnerDraw(true);
        CHECK(Painted(custom, fixture.Painter));
        CHECK(Painted(halfCustom, fixture.Painter));
        CHECK(Painted(plain, fixture.Painter));

        fixture.Painter->SetOverrideOwnerDraw(false);
        CHECK(custom->OnDrawItem == own.DrawEvent());
        CHECK(custom->OnMeasureItem == own.MeasureEvent());
        CHECK(halfCustom->OnDrawItem == own.DrawEvent());
        CHECK(halfCustom->OnMeasureItem == PainterMeasure(fixture.Painter));

        fixture.Painter->SetOverrideOwnerDraw(true);
        fixture.Painter->SetActive(false);
        CHECK(custom->OnDrawItem == own.DrawEvent());
        CHECK(custom->OnMeasureItem == own.MeasureEvent());
        CHECK(halfCustom->OnDrawItem == own.DrawEvent());
        CHECK_FALSE(halfCustom->OnMeasureItem);
        CHECK(Bare(plain));
    }

    SUBCASE("an overridden item freed meanwhile is forgotten")
    {
        fixture.Painter->SetOverrideOwnerDraw(true);
        custom->Free();
        fixture.Painter->SetActive(false);
        CHECK(halfCustom->OnDrawItem == own.DrawEvent());
    }

    SUBCASE("the item's own drawing runs when the menu draws it")
    {
        TBitmap target;
        target.SetSize(50, 20);
        custom->DrawItem(target.Canvas(), RECT{0, 0, 50, 20}, false);
        CHECK(own.Drawn == 1);
    }
}

TEST_CASE("A freed painter leaves none of its handlers behind")
{
    TXPMenuFixture fixture;
    TOwnDrawing own;
    fixture.Item("pmiPlain")->OnDrawItem = own.DrawEvent();
    fixture.Painter->SetOverrideOwnerDraw(true);
    FreeAndNil(fixture.Painter);
    CHECK(fixture.Item("pmiPlain")->OnDrawItem == own.DrawEvent());
    CHECK(Bare(fixture.Item("pmiSubOne")));
    CHECK(Bare(fixture.Item("mmiFile")));
    CHECK_FALSE(As<TPopupMenu>(fixture.Form->FindComponent("pmTest"))->OwnerDraw());
}

TEST_CASE("Items added later get the look")
{
    TXPMenuFixture fixture;
    TMenuItem* level = fixture.Item("pmiSub");

    SUBCASE("after a sibling is drawn")
    {
        TMenuItem* added = Create<TMenuItem>(fixture.Form);
        added->SetCaption("Added");
        level->Add(added);
        CHECK(Bare(added));
        fixture.Render(fixture.Item("pmiSubOne"), false);
        CHECK(Painted(added, fixture.Painter));
    }

    SUBCASE("AutoDetect switches the painter on for a new item of the form")
    {
        fixture.Painter->SetActive(false);
        fixture.Painter->SetAutoDetect(true);
        TMenuItem* added = Create<TMenuItem>(fixture.Form);
        CHECK(fixture.Painter->Active());
        CHECK(Painted(fixture.Item("pmiSubOne"), fixture.Painter));
        // Not yet in a menu when the form hears of it: attached on the next paint.
        level->Add(added);
        fixture.Render(fixture.Item("pmiSubOne"), true);
        CHECK(Painted(added, fixture.Painter));
    }
}

TEST_CASE("The painter belongs to a form")
{
    TComponent* notAForm = Create<TComponent>(nullptr);
    CHECK_THROWS_AS(Create<TXPMenu>(notAForm), EInvalidCast);
    CHECK(notAForm->ComponentCount() == 0);
    notAForm->Free();
}

TEST_CASE("A layout that switches the painter on attaches once every menu is read")
{
    TForm* form = Create<TForm>(nullptr);
    ReadLayout(form, R"(object frmLoaded: TForm
  object XPMenu: TXPMenu
    Font.Name = 'Tahoma'
    Font.Height = -11
    Gradient = True
    Active = True
  end
  object pmLater: TPopupMenu
    object pmiLater: TMenuItem
      Caption = 'Later'
    end
  end
end
)",
               "XPLOADED");
    auto* painter = As<TXPMenu>(form->FindComponent("XPMenu"));
    auto* item = As<TMenuItem>(form->FindComponent("pmiLater"));
    CHECK(painter->Active());
    CHECK(painter->Gradient());
    CHECK(painter->Font().Name() == "Tahoma");
    CHECK(As<TPopupMenu>(form->FindComponent("pmLater"))->OwnerDraw());
    CHECK(item->OnDrawItem == PainterDraw(painter));
    form->Free();
}
