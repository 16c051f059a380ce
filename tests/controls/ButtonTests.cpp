// The push buttons: themed faces, caption and glyph, mouse, keyboard,
// access key, default and cancel buttons, kinds.

#include "controls/NgButtons.h"
#include "tests/controls/ControlsFixture.h"
#include "tests/support/ChangeCounter.h"

#include "framework/Action.h"
#include "framework/ActionList.h"
#include "framework/Application.h"
#include "framework/ImageList.h"
#include "theme/NgLuna.h"

#include <doctest/doctest.h>

namespace {
const uint32_t Red = MakeColor(255, 0, 0);

struct TButtonFixture : TControlsFixture {
    TNgButton* Button;
    int Clicks = 0;
    TChangeCounter Counter{&Clicks};

    TButtonFixture() : Button(Add<TNgButton>(20, 20, 75, 25))
    {
        Button->SetCaption("&OK");
        Button->OnClick = Counter.Event();
    }
};

// Whether the button's face matches the theme's face of that state along
// the top and bottom bands, which the caption never reaches.
bool FaceIs(const TNgButton& button, int state)
{
    TOwned<TKsBitmap> reference = MakeOwned<TKsBitmap>();
    reference->SetSize(75, 25);
    auto* luna = dynamic_cast<TNgLuna*>(button.ThemeEngine()->Theme());
    luna->DrawButton(*reference, 75, 25, state);
    for (int y : {1, 2, 22, 23})
        for (int x = 5; x < 70; ++x)
            if (Opaque(button.FrontBuffer().GetPixel(x, y)) != Opaque(reference->GetPixel(x, y)))
                return false;
    return true;
}

// The box around the pixels of one colour within area.
RECT BoxOf(const TKsBitmap& bitmap, const RECT& area, uint32_t color)
{
    RECT box{1000, 1000, -1, -1};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Opaque(bitmap.GetPixel(x, y)) == color) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

// The caption's black pixels inside the face's edges.
RECT InkBox(const TKsBitmap& bitmap)
{
    return BoxOf(bitmap, RECT{4, 4, 71, 21}, MakeColor(0, 0, 0));
}

int CountPixels(const TKsBitmap& bitmap, uint32_t color)
{
    int count = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 75; ++x)
            count += Opaque(bitmap.GetPixel(x, y)) == color;
    return count;
}

// A 16 x 16 red glyph whose bottom-left pixel, magenta, is transparent.
void SetRedGlyph(TKsCustomButton& button)
{
    TOwned<TBitmap> glyph = MakeOwned<TBitmap>();
    glyph->SetPixelFormat(pf24bit);
    glyph->SetSize(16, 16);
    glyph->Canvas().Brush().SetColor(clRed);
    RECT all{0, 0, 16, 16};
    glyph->Canvas().FillRect(all);
    glyph->Canvas().SetPixel(0, 15, RGB(255, 0, 255));
    button.SetGlyph(glyph.get());
}
}  // namespace

TEST_CASE("the themed faces follow the button's state")
{
    TButtonFixture fixture;
    TNgButton* button = fixture.Button;
    // The focus goes to a control that is not a button.
    auto* holder = fixture.Add<TKsCustomControl>(220, 20, 20, 20);
    holder->SetTabStop(true);
    holder->SetTabOrder(0);
    // No control is active on the form yet: Default copes and shows the frame.
    fixture.Form->HandleNeeded();
    REQUIRE(fixture.Form->ActiveControl() == nullptr);
    button->SetDefault(true);
    CHECK(button->DefaultShown());
    fixture.Show();
    REQUIRE(WaitFor([&] { return holder->Focused(); }));
    button->SetDefault(false);
    CHECK(button->FaceState() == 0);
    CHECK(FaceIs(*button, 0));

    button->SetDefault(true);
    CHECK(button->DefaultShown());
    CHECK(FaceIs(*button, 5));
    button->SetDefault(false);

    button->Perform(CM_MOUSEENTER);
    CHECK(FaceIs(*button, 1));
    const RECT up = InkBox(button->FrontBuffer());
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    CHECK(FaceIs(*button, 2));
    RECT pressed = InkBox(button->FrontBuffer());
    OffsetRect(&pressed, -1, -1);
    CHECK(EqualRect(&pressed, &up));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    button->Perform(CM_MOUSELEAVE);
    REQUIRE(WaitFor([&] { return button->Focused(); }));
    CHECK(button->FaceState() == 4);
    CHECK(FaceIs(*button, 4));

    button->SetEnabled(false);
    CHECK(FaceIs(*button, 3));
    // Without a theme: the classic face, framed while focused.
    fixture.Engine->Free();
    button->SetEnabled(true);
    button->SetFocus();
    REQUIRE(WaitFor([&] { return button->HasFocus(); }));
    CHECK(Opaque(button->FrontBuffer().GetPixel(0, 12)) == MakeColor(0, 0, 0));
    CHECK(Opaque(button->FrontBuffer().GetPixel(1, 12)) == ColorToPixel(clBtnHighlight));
}

TEST_CASE("clicking with the mouse, Space and the access key")
{
    TButtonFixture fixture;
    TNgButton* button = fixture.Button;
    fixture.Show();
    button->SetFocus();
    REQUIRE(WaitFor([&] { return button->Focused(); }));

    SUBCASE("a mouse click and Space each click once")
    {
        ClickAt(button, 10, 10);
        CHECK(fixture.Clicks == 1);
        PostKey(button->Handle(), WM_KEYDOWN, VK_SPACE);
        Application->ProcessMessages();
        CHECK(button->Down());
        PostKey(button->Handle(), WM_KEYUP, VK_SPACE);
        REQUIRE(WaitFor([&] { return fixture.Clicks == 2; }));
        CHECK_FALSE(button->Down());
    }

    SUBCASE("dragged out and released outside: pressed look follows the mouse, no click")
    {
        button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(75, 10));
        CHECK_FALSE(button->Down());
        button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(74, 24));
        CHECK(button->Down());
        button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 25));
        button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 25));
        CHECK(fixture.Clicks == 0);
        CHECK_FALSE(button->Down());
    }

    SUBCASE("Alt+O focuses and clicks; O alone does too while the focus is elsewhere")
    {
        auto* other = fixture.Add<TNgButton>(120, 20, 75, 25);
        other->SetFocus();
        REQUIRE(WaitFor([&] { return other->Focused(); }));
        PostKey(other->Handle(), WM_SYSCHAR, 'o', true);
        REQUIRE(WaitFor([&] { return fixture.Clicks == 1; }));
        CHECK(button->Focused());
        PostKey(button->Handle(), WM_CHAR, 'x');
        Application->ProcessMessages();
        CHECK(fixture.Clicks == 1);
    }

    SUBCASE("a disabled button ignores the mouse, the keys and its access key")
    {
        button->SetModalResult(mrCancel);
        button->SetDefault(true);
        button->SetEnabled(false);
        ClickAt(button, 10, 10);
        PostKey(button->Handle(), WM_KEYDOWN, VK_SPACE);
        PostKey(button->Handle(), WM_KEYUP, VK_SPACE);
        PostKey(fixture.Form->Handle(), WM_SYSCHAR, 'o', true);
        PostKey(fixture.Form->Handle(), WM_KEYDOWN, VK_RETURN);
        PostKey(fixture.Form->Handle(), WM_KEYDOWN, VK_ESCAPE);
        Application->ProcessMessages();
        CHECK(fixture.Clicks == 0);
        CHECK_FALSE(button->Down());
    }
}

TEST_CASE("Enter clicks the default or the focused button, Esc the cancel button")
{
    TButtonFixture fixture;
    TNgButton* ok = fixture.Button;
    auto* cancel = fixture.Add<TNgButton>(120, 20, 75, 25);
    int cancels = 0;
    TChangeCounter cancelCounter{&cancels};
    cancel->OnClick = cancelCounter.Event();
    cancel->SetModalResult(mrCancel);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    fixture.Show();
    cancel->SetFocus();
    REQUIRE(WaitFor([&] { return cancel->Focused(); }));
    // The focus is on a button: that one, not the default, answers Enter.
    CHECK_FALSE(ok->DefaultShown());
    PostKey(cancel->Handle(), WM_KEYDOWN, VK_RETURN);
    REQUIRE(WaitFor([&] { return cancels == 1; }));
    CHECK(fixture.Clicks == 0);
    CHECK(fixture.Form->ModalResult() == mrCancel);

    // Esc reaches the cancel button from anywhere.
    ok->SetFocus();
    REQUIRE(WaitFor([&] { return ok->Focused(); }));
    PostKey(ok->Handle(), WM_KEYDOWN, VK_ESCAPE);
    REQUIRE(WaitFor([&] { return cancels == 2; }));

    // Focus on a control that is not a button: the default button answers.
    auto* other = fixture.Add<TKsCustomControl>(220, 20, 20, 20);
    other->SetTabStop(true);
    other->SetFocus();
    REQUIRE(WaitFor([&] { return other->Focused(); }));
    CHECK(ok->DefaultShown());
    PostKey(other->Handle(), WM_KEYDOWN, VK_RETURN);
    REQUIRE(WaitFor([&] { return fixture.Clicks == 1; }));
    CHECK(fixture.Form->ModalResult() == mrOk);
}

TEST_CASE("kinds and glyphs")
{
    TButtonFixture fixture;
    TNgButton* button = fixture.Button;
    fixture.Show();

    SUBCASE("bkOK sets caption, glyph, modal result and Default; bkCustom keeps them")
    {
        button->SetKind(bkOK);
        CHECK(button->Caption() == "OK");
        CHECK(button->Default());
        CHECK(button->ModalResult() == mrOk);
        CHECK(button->Glyph()->Width() == 32);
        CHECK(button->NumGlyphs() == 2);
        button->SetKind(bkCustom);
        CHECK(button->Caption() == "OK");
        CHECK(button->ModalResult() == mrOk);
        CHECK(button->Glyph()->Width() == 32);
        button->SetKind(bkCancel);
        CHECK(button->Caption() == "Cancel");
        CHECK_FALSE(button->Default());
        CHECK(button->ModalResult() == mrCancel);
    }

    SUBCASE("NumGlyphs follows square strips and stays within 1 to 4")
    {
        TOwned<TBitmap> strip = MakeOwned<TBitmap>();
        strip->SetSize(64, 16);
        button->SetGlyph(strip.get());
        CHECK(button->NumGlyphs() == 4);
        strip->SetSize(80, 16);
        button->SetGlyph(strip.get());
        CHECK(button->NumGlyphs() == 1);
        button->SetNumGlyphs(3);
        strip->SetSize(40, 16);
        button->SetGlyph(strip.get());
        CHECK(button->NumGlyphs() == 3);
        // A glyph without width: no glyph, and nothing divides by 0.
        strip->SetSize(0, 16);
        button->SetGlyph(strip.get());
        CHECK(button->NumGlyphs() == 3);
        button->SetNumGlyphs(0);
        CHECK(button->NumGlyphs() == 1);
        button->SetNumGlyphs(9);
        CHECK(button->NumGlyphs() == 4);
        button->Invalidate();
    }

    SUBCASE("the glyph in colour, greyed when disabled, grey until hot in black and white")
    {
        SetRedGlyph(*button);
        CHECK(CountPixels(button->FrontBuffer(), Red) == 255);
        button->SetBlackAndWhiteGlyph(true);
        CHECK(CountPixels(button->FrontBuffer(), MakeColor(128, 128, 128)) == 255);
        button->Perform(CM_MOUSEENTER);
        CHECK(CountPixels(button->FrontBuffer(), Red) == 255);
        button->Perform(CM_MOUSELEAVE);
        button->SetBlackAndWhiteGlyph(false);
        button->SetEnabled(false);
        CHECK(CountPixels(button->FrontBuffer(), MakeColor(185, 185, 185)) == 255);
        CHECK(CountPixels(button->FrontBuffer(), Red) == 0);
    }

    SUBCASE("the glyph sits on the side of the caption that Layout names")
    {
        SetRedGlyph(*button);
        button->SetBounds(20, 20, 120, 60);
        const RECT all{0, 0, 120, 60};
        for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
            CAPTURE(layout);
            button->SetLayout(layout);
            const RECT glyph = BoxOf(button->FrontBuffer(), all, Red);
            const RECT ink = BoxOf(button->FrontBuffer(), RECT{4, 4, 116, 56}, MakeColor(0, 0, 0));
            CHECK(glyph.right - glyph.left == 16);
            switch (layout) {
            case blGlyphLeft: CHECK(glyph.right <= ink.left); break;
            case blGlyphRight: CHECK(ink.right <= glyph.left); break;
            case blGlyphTop: CHECK(glyph.bottom <= ink.top); break;
            case blGlyphBottom: CHECK(ink.bottom <= glyph.top); break;
            }
        }
    }
}

TEST_CASE("the mouse over the button makes it hot, and leaving makes it normal again")
{
    TButtonFixture fixture;
    TNgButton* button = fixture.Button;
    fixture.Show();
    const POINT centre = button->ClientToScreen(POINT{37, 12});
    SetCursorPos(centre.x, centre.y);
    REQUIRE(WaitFor([&] { return button->Hot(); }));
    CHECK(button->FaceState() == 1);
    SetCursorPos(centre.x + 300, centre.y + 300);
    REQUIRE(WaitFor([&] { return !button->Hot(); }));
    CHECK(button->FaceState() != 1);
}

TEST_CASE("a linked action gives its image as the glyph and runs after OnClick")
{
    TButtonFixture fixture;
    TNgButton* button = fixture.Button;
    TOwned<TActionList> list(Create<TActionList>(nullptr));
    TOwned<TImageList> images(Create<TImageList>(nullptr));
    TOwned<TAction> action(Create<TAction>(nullptr));
    action->SetActionList(list.get());
    // Two images, red and blue, each with a masked bottom-left pixel.
    TOwned<TBitmap> strip = MakeOwned<TBitmap>();
    strip->SetPixelFormat(pf24bit);
    strip->SetSize(32, 16);
    strip->Canvas().Brush().SetColor(clRed);
    strip->Canvas().FillRect(RECT{0, 0, 16, 16});
    strip->Canvas().Brush().SetColor(clBlue);
    strip->Canvas().FillRect(RECT{16, 0, 32, 16});
    strip->Canvas().SetPixel(0, 15, RGB(255, 0, 255));
    strip->Canvas().SetPixel(16, 15, RGB(255, 0, 255));
    images->AddMasked(*strip, clFuchsia);
    fixture.Show();

    SUBCASE("the glyph follows the action's image while the list has one")
    {
        action->SetImageIndex(1);
        button->SetAction(action.get());
        CHECK(button->Glyph()->Empty());
        list->SetImages(images.get());
        CHECK(button->Glyph()->Width() == 16);
        CHECK(CountPixels(button->FrontBuffer(), MakeColor(0, 0, 255)) == 255);
        action->SetImageIndex(0);
        CHECK(CountPixels(button->FrontBuffer(), Red) == 255);
        // An index out of the list's range leaves the glyph as it is.
        action->SetImageIndex(2);
        CHECK(CountPixels(button->FrontBuffer(), Red) == 255);
    }

    SUBCASE("a click gives the form the modal result, calls OnClick, then runs the action, each once")
    {
        struct TLog {
            TForm* Form;
            std::string Text;
            void Clicked(TObject*) { Text += "click(" + std::to_string(Form->ModalResult()) + ") "; }
            void Executed(TObject*) { Text += "action "; }
        } log{fixture.Form, ""};
        action->SetOnExecute(TNotifyEvent::Bind<&TLog::Executed>(&log));
        button->SetAction(action.get());
        button->SetModalResult(mrYes);
        button->Click();
        CHECK(log.Text == "action ");
        button->OnClick = TNotifyEvent::Bind<&TLog::Clicked>(&log);
        log.Text.clear();
        button->Click();
        CHECK(log.Text == "click(6) action ");
        action.reset();
        CHECK(button->Action() == nullptr);
        log.Text.clear();
        button->Click();
        CHECK(log.Text == "click(6) ");
    }
}
