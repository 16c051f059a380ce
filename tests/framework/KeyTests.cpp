#include "tests/framework/FormsTestSupport.h"

#include "framework/Application.h"

#include <doctest/doctest.h>

namespace {

// The layout form, shown and active, with the focus on a control.
struct TShownForm {
    TfrmLayoutTest* Form;
    TShownForm() : Form(Create<TfrmLayoutTest>(Application))
    {
        Form->Show();
        SetForegroundWindow(Form->Handle());
        REQUIRE(WaitFor([&] { return Form->Active(); }));
        REQUIRE(WaitFor([&] { return Form->btnSecond->Focused(); }));
    }
    ~TShownForm() { Form->Free(); }
    TShownForm(const TShownForm&) = delete;
    TShownForm& operator=(const TShownForm&) = delete;
};

}  // namespace

TEST_CASE("showing a form focuses its active control")
{
    TShownForm shown;
    CHECK(shown.Form->ActiveControl() == shown.Form->btnSecond);
    CHECK(GetFocus() == shown.Form->btnSecond->Handle());
}

TEST_CASE("Esc and Enter go to the control that claims them, before the focused control sees them")
{
    TShownForm shown;
    TfrmLayoutTest* form = shown.Form;
    form->btnFirst->ClaimsEscape = true;
    HWND focused = form->btnSecond->Handle();

    PostKey(focused, WM_KEYDOWN, VK_ESCAPE);
    Pump();
    CHECK(form->btnFirst->Clicks == 1);
    CHECK(form->btnSecond->KeysDown.empty());
    CHECK(form->PreviewedKeys.empty());

    // Nobody claims Enter: it reaches the form (preview) and the control.
    PostKey(focused, WM_KEYDOWN, VK_RETURN);
    Pump();
    CHECK(form->btnFirst->Clicks == 1);
    CHECK(form->PreviewedKeys == std::vector<WORD>{VK_RETURN});
    CHECK(form->btnSecond->KeysDown == std::vector<WORD>{VK_RETURN});

    form->btnSecond->ClaimsEnter = true;
    PostKey(focused, WM_KEYDOWN, VK_RETURN);
    Pump();
    CHECK(form->btnSecond->Clicks == 1);
    CHECK(form->btnSecond->KeysDown.size() == 1);
}

TEST_CASE("Tab and arrows move the focus in tab order")
{
    TShownForm shown;
    TfrmLayoutTest* form = shown.Form;

    PostKey(form->btnSecond->Handle(), WM_KEYDOWN, VK_TAB);
    CHECK(WaitFor([&] { return form->btnFirst->Focused(); }));
    CHECK(form->ActiveControl() == form->btnFirst);
    // Wraps around at the end.
    PostKey(form->btnFirst->Handle(), WM_KEYDOWN, VK_TAB);
    CHECK(WaitFor([&] { return form->btnSecond->Focused(); }));
    // A disabled control is passed over.
    form->btnFirst->SetEnabled(false);
    PostKey(form->btnSecond->Handle(), WM_KEYDOWN, VK_TAB);
    Pump();
    CHECK(form->btnSecond->Focused());
    form->btnFirst->SetEnabled(true);

    PostKey(form->btnSecond->Handle(), WM_KEYDOWN, VK_RIGHT);
    CHECK(WaitFor([&] { return form->btnFirst->Focused(); }));
    PostKey(form->btnFirst->Handle(), WM_KEYDOWN, VK_LEFT);
    CHECK(WaitFor([&] { return form->btnSecond->Focused(); }));
    CHECK(form->PreviewedKeys.empty());
}

TEST_CASE("Alt and a letter go to the control whose caption has that access key")
{
    TShownForm shown;
    TfrmLayoutTest* form = shown.Form;

    PostKey(form->btnSecond->Handle(), WM_SYSCHAR, 'f', true);
    Pump();
    CHECK(form->btnFirst->Clicks == 1);
    CHECK(form->btnSecond->Clicks == 0);
    CHECK(WaitFor([&] { return form->btnFirst->Focused(); }));

    PostKey(form->btnFirst->Handle(), WM_SYSCHAR, 'S', true);
    Pump();
    CHECK(form->btnSecond->Clicks == 1);

    // A plain character the focused control does not want is an access key too.
    PostKey(form->btnSecond->Handle(), WM_CHAR, 'f');
    Pump();
    CHECK(form->btnFirst->Clicks == 2);

    // No control has "x" as its access key: nothing happens.
    PostKey(form->btnFirst->Handle(), WM_CHAR, 'x');
    Pump();
    CHECK(form->btnFirst->Clicks == 2);
    CHECK(form->btnSecond->Clicks == 1);
}

TEST_CASE("with KeyPreview the form sees keys before the focused control, and can keep them")
{
    TShownForm shown;
    TfrmLayoutTest* form = shown.Form;
    HWND focused = form->btnSecond->Handle();

    PostKey(focused, WM_KEYDOWN, 'X');
    Pump();
    CHECK(form->PreviewedKeys == std::vector<WORD>{'X'});
    CHECK(form->btnSecond->KeysDown == std::vector<WORD>{'X'});

    PostKey(focused, WM_KEYDOWN, VK_F2);
    Pump();
    CHECK(form->PreviewedKeys.back() == VK_F2);
    CHECK(form->btnSecond->KeysDown.size() == 1);

    form->SetKeyPreview(false);
    PostKey(focused, WM_KEYDOWN, 'Y');
    Pump();
    CHECK(form->PreviewedKeys.size() == 2);
    CHECK(form->btnSecond->KeysDown.back() == 'Y');
}

TEST_CASE("an Escape typed on the keyboard reaches the form's key handler")
{
    TShownForm shown;
    TfrmLayoutTest* form = shown.Form;
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    CHECK(WaitFor([&] { return !form->PreviewedKeys.empty(); }));
    CHECK(form->PreviewedKeys.front() == VK_ESCAPE);
}

TEST_CASE("the focus-changed notice names the new control to every control of the form")
{
    TForm* form = Create<TForm>(nullptr);
    TTestPanel* panel = Create<TTestPanel>(form);
    panel->SetParent(form);
    TTestButton* one = Create<TTestButton>(form);
    one->SetParent(panel);
    TTestButton* two = Create<TTestButton>(form);
    two->SetParent(panel);
    two->SetLeft(80);
    TTestGraphic* graphic = Create<TTestGraphic>(form);
    graphic->SetParent(form);
    graphic->SetTop(100);
    TTestButton* outside = Create<TTestButton>(form);
    outside->SetParent(form);
    outside->SetTop(70);

    SUBCASE("a control focused on a hidden form is focused when the form shows")
    {
        two->SetFocus();
        CHECK(form->ActiveControl() == two);
        CHECK_FALSE(two->Focused());
        form->Show();
        SetForegroundWindow(form->Handle());
        CHECK(WaitFor([&] { return two->Focused(); }));
    }
    SUBCASE("every control hears of the new one")
    {
        form->Show();
        SetForegroundWindow(form->Handle());
        REQUIRE(WaitFor([&] { return form->Active(); }));
        two->SetFocus();
        REQUIRE(WaitFor([&] { return two->Focused(); }));
        for (auto* notices : {&panel->FocusNotices, &one->FocusNotices, &two->FocusNotices, &graphic->FocusNotices,
                              &outside->FocusNotices}) {
            REQUIRE_FALSE(notices->empty());
            CHECK(notices->back() == two);
        }
        outside->SetFocus();
        REQUIRE(WaitFor([&] { return outside->Focused(); }));
        CHECK(one->FocusNotices.back() == outside);
        CHECK(graphic->FocusNotices.back() == outside);
        CHECK(form->ActiveControl() == outside);
    }
    SUBCASE("a control that goes away stops being the active control")
    {
        form->SetActiveControl(one);
        one->Free();
        CHECK(form->ActiveControl() == nullptr);
        form->SetActiveControl(two);
        panel->Free();  // takes two with it
        CHECK(form->ActiveControl() == nullptr);
        CHECK(form->ControlCount() == 2);
    }
    form->Free();
}
