#include "tests/framework/FormsTestSupport.h"

#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "framework/Screen.h"

#include <doctest/doctest.h>

#include <utility>

namespace {

bool IsOnScreen(TCustomForm* form)
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form)
            return true;
    return false;
}

// Remembers whether the form it watches was freed.
struct TFreeWatch {
    bool Freed = false;
    void FormDestroy(TObject*) { Freed = true; }
};

}  // namespace

TEST_CASE("a form reads its layout: controls on their parents, fields and events bound")
{
    TfrmLayoutTest* form = Create<TfrmLayoutTest>(Application);

    CHECK(form->Name() == "frmLayoutTest");
    CHECK(form->Caption() == "Layout test");
    CHECK(form->Creates == 1);
    CHECK(form->FieldsBoundAtCreate);
    REQUIRE(form->btnFirst);
    REQUIRE(form->btnSecond);
    CHECK(form->lblTitle->Parent() == form);
    CHECK(form->pnlBox->Parent() == form);
    CHECK(form->btnFirst->Parent() == form->pnlBox);
    CHECK(form->btnSecond->Parent() == form->pnlBox);
    CHECK(form->btnFirst->Owner() == form);
    CHECK(form->ActiveControl() == form->btnSecond);
    CHECK(form->KeyPreview());

    SUBCASE("the stored tab order wins over the order of declaration")
    {
        CHECK(form->btnSecond->TabOrder() == 0);
        CHECK(form->btnFirst->TabOrder() == 1);
        CHECK(form->pnlBox->FindNextControl(nullptr, true, true) == nullptr);  // hidden form: nothing focusable
    }

    SUBCASE("the client size is the stored one, with or without a window")
    {
        CHECK(form->ClientWidth() == 300);
        CHECK(form->ClientHeight() == 180);
        form->HandleNeeded();
        RECT client;
        GetClientRect(form->Handle(), &client);
        CHECK(client.right == 300);
        CHECK(client.bottom == 180);
    }

    SUBCASE("controls take the form's font until they get one of their own")
    {
        CHECK(form->lblTitle->Font()->Name() == "Arial");
        CHECK(form->lblTitle->ParentFont());
        form->Font()->SetHeight(-16);
        CHECK(form->lblTitle->Font()->Height() == -16);
        CHECK(form->btnFirst->Font()->Height() == -16);
        form->btnFirst->Font()->SetName("Courier New");
        CHECK_FALSE(form->btnFirst->ParentFont());
        form->Font()->SetHeight(-9);
        CHECK(form->btnFirst->Font()->Height() == -16);
    }

    SUBCASE("events are bound to the form's methods")
    {
        form->btnFirst->Click();
        CHECK(form->ButtonClicks == 1);
        CHECK(form->LastClicked == form->btnFirst);

        // A press and release on the label, as its parent receives them.
        POINT inside{form->lblTitle->Left() + 2, form->lblTitle->Top() + 2};
        form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(inside));
        CHECK(form->lblTitle->MouseCapture());
        form->Perform(WM_LBUTTONUP, 0, PointToLParam(inside));
        CHECK(form->LabelClicks == 1);
        CHECK(GetCaptureControl() == nullptr);

        // Released outside: no click.
        form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(inside));
        form->Perform(WM_LBUTTONUP, 0, PointToLParam(POINT{250, 170}));
        CHECK(form->LabelClicks == 1);
    }

    SUBCASE("an auto-sized label fits its caption")
    {
        CHECK(form->lblTitle->Width() > 20);
        CHECK(form->lblTitle->Width() < 65);
        int width = form->lblTitle->Width();
        form->lblTitle->SetCaption("&System resources free");
        CHECK(form->lblTitle->Width() > width);
    }

    SUBCASE("written back, the layout nests the controls as they were read")
    {
        std::string text = WriteLayout(form);
        size_t panel = text.find("object pnlBox: TTestPanel");
        size_t first = text.find("object btnFirst: TTestButton");
        REQUIRE(panel != std::string::npos);
        REQUIRE(first != std::string::npos);
        CHECK(panel < first);
        CHECK(text.find("OnClick = ButtonClick") != std::string::npos);
        CHECK(text.find("ActiveControl = btnSecond") != std::string::npos);
    }

    form->Free();
}

TEST_CASE("a form with controls written as a layout reads back to the same layout")
{
    TForm* form = Create<TForm>(nullptr);
    form->SetName("frmRound");
    form->Font()->SetName("Arial");
    form->SetKeyPreview(true);
    form->SetPosition(poScreenCenter);
    TLabel* follower = Create<TLabel>(form);
    follower->SetName("lblFollower");
    follower->SetParent(form);
    follower->SetCaption("Follows the form's font");
    TLabel* own = Create<TLabel>(form);
    own->SetName("lblOwn");
    own->SetParent(form);
    own->SetTop(30);
    own->Font()->SetHeight(-9);
    own->SetCursor(crHandPoint);
    own->SetTransparent(true);
    TTestPanel* panel = Create<TTestPanel>(form);
    panel->SetName("pnlBox");
    panel->SetParent(form);
    TTestButton* first = Create<TTestButton>(form);
    first->SetName("btnFirst");
    first->SetParent(panel);
    TTestButton* second = Create<TTestButton>(form);
    second->SetName("btnSecond");
    second->SetParent(panel);
    second->SetTabOrder(0);

    std::string text = WriteLayout(form);
    CHECK(text.find("lblFollower: TLabel") != std::string::npos);
    CHECK(text.find("Font.Height = -9") != std::string::npos);
    // A font that follows the form's is not stored with the control.
    size_t followerAt = text.find("lblFollower");
    size_t ownAt = text.find("lblOwn");
    CHECK(text.find("Font.Name", followerAt) > ownAt);

    TComponent* copy = CreateFromLayout(text, nullptr, "round trip");
    CHECK(WriteLayout(copy) == text);
    auto* copiedFollower = As<TLabel>(copy->FindComponent("lblFollower"));
    REQUIRE(copiedFollower);
    CHECK(copiedFollower->ParentFont());
    CHECK(copiedFollower->Font()->Name() == "Arial");
    CHECK(As<TTestButton>(copy->FindComponent("btnSecond"))->TabOrder() == 0);
    copy->Free();
    form->Free();
}

TEST_CASE("controls read onto a form that already has its window get theirs")
{
    TForm* form = Create<TForm>(nullptr);
    form->HandleNeeded();
    ReadLayout(form,
               "object frmEarly: TForm\n"
               "  object btnLate: TTestButton\n"
               "    Left = 30\n"
               "    Top = 40\n"
               "    Caption = 'Late'\n"
               "  end\n"
               "end\n",
               "early");
    auto* button = As<TTestButton>(form->FindComponent("btnLate"));
    REQUIRE(button);
    REQUIRE(button->HandleAllocated());
    RECT bounds;
    GetWindowRect(button->Handle(), &bounds);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    CHECK(bounds.left == 30);
    CHECK(bounds.top == 40);
    char text[16] = "";
    GetWindowTextA(button->Handle(), text, sizeof text);
    CHECK(std::string(text) == "Late");
    form->Show();
    CHECK(IsWindowVisible(button->Handle()));
    form->Free();
}

TEST_CASE("a second form of a class gets a name of its own")
{
    TfrmLayoutTest* first = Create<TfrmLayoutTest>(Application);
    TfrmLayoutTest* second = Create<TfrmLayoutTest>(Application);
    CHECK(first->Name() == "frmLayoutTest");
    CHECK(second->Name() == "frmLayoutTest_1");
    second->Free();
    first->Free();
}

TEST_CASE("the screen lists the forms in creation order and knows the active one")
{
    int before = Screen->FormCount();
    TForm* one = Create<TForm>(nullptr);
    TForm* two = Create<TForm>(nullptr);
    REQUIRE(Screen->FormCount() == before + 2);
    CHECK(Screen->Forms(before) == one);
    CHECK(Screen->Forms(before + 1) == two);

    two->Show();
    CHECK(WaitFor([&] { return Screen->ActiveForm() == two; }));
    one->Show();
    CHECK(WaitFor([&] { return Screen->ActiveForm() == one; }));

    one->Free();
    CHECK(Screen->FormCount() == before + 1);
    CHECK_FALSE(IsOnScreen(one));
    CHECK(Screen->ActiveForm() != one);
    two->Free();
    CHECK(Screen->FormCount() == before);

    RECT area = Screen->WorkAreaRect();
    CHECK(Screen->WorkAreaWidth() == area.right - area.left);
    CHECK(Screen->WorkAreaWidth() <= Screen->Width());
    CHECK(Screen->WorkAreaHeight() <= Screen->Height());
}

TEST_CASE("forms are owned windows of the application window and centre on the screen")
{
    TForm* form = Create<TForm>(nullptr);
    form->SetPosition(poScreenCenter);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    HWND window = form->Handle();
    CHECK(GetWindow(window, GW_OWNER) == Application->Handle());
    CHECK((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) == 0);
    CHECK(IsWindowVisible(window));
    CHECK(form->Left() == (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
    CHECK(form->Top() == (GetSystemMetrics(SM_CYSCREEN) - 100) / 2);

    // Moved and shown again, it stays where it was put.
    form->Hide();
    CHECK_FALSE(IsWindowVisible(window));
    form->SetLeft(10);
    form->Show();
    CHECK(form->Left() == 10);
    form->Free();
}

TEST_CASE("Close asks CloseQuery and OnClose and carries out the close action")
{
    struct TCloser {
        TCloseAction Action = caHide;
        bool Allow = true;
        int Closes = 0;
        void FormClose(TObject*, TCloseAction& action)
        {
            ++Closes;
            action = Action;
        }
        void FormCloseQuery(TObject*, bool& canClose) { canClose = Allow; }
    } closer;
    TFreeWatch watch;
    TForm* form = Create<TForm>(nullptr);
    form->OnClose = TCloseEvent::Bind<&TCloser::FormClose>(&closer);
    form->OnCloseQuery = TCloseQueryEvent::Bind<&TCloser::FormCloseQuery>(&closer);
    form->OnDestroy = TNotifyEvent::Bind<&TFreeWatch::FormDestroy>(&watch);
    form->Show();

    closer.Allow = false;
    form->Close();
    CHECK(closer.Closes == 0);
    CHECK(form->Visible());

    closer.Allow = true;
    closer.Action = caNone;
    form->Close();
    CHECK(closer.Closes == 1);
    CHECK(form->Visible());

    closer.Action = caHide;
    form->Close();
    CHECK_FALSE(form->Visible());
    CHECK_FALSE(IsWindowVisible(form->Handle()));

    // The system's close (the frame's button) goes the same way.
    form->Show();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    CHECK_FALSE(form->Visible());
    CHECK(IsWindow(form->Handle()));

    form->Show();
    closer.Action = caFree;
    form->Close();
    CHECK_FALSE(watch.Freed);  // not from inside its own handlers
    CHECK(WaitFor([&] { return watch.Freed; }));
}

TEST_CASE("a modal loop returns the modal result, with timers firing and other windows disabled")
{
    TForm* other = Create<TForm>(nullptr);
    other->Show();
    TForm* modal = Create<TForm>(nullptr);
    bool otherDisabled = false;
    bool modalShown = false;
    bool done = false;
    TTestTimer timer(20, [&] {
        if (done)
            return;
        otherDisabled = !IsWindowEnabled(other->Handle());
        modalShown = modal->Visible() && IsWindowVisible(modal->Handle());
        if (modal->FormState().Contains(fsModal) && otherDisabled && modalShown) {
            modal->SetModalResult(mrOk);
            done = true;
        }
    });

    TModalResult result = modal->ShowModal();
    CHECK(result == mrOk);
    CHECK(timer.Ticks >= 1);
    CHECK(otherDisabled);
    CHECK(modalShown);
    CHECK(IsWindowEnabled(other->Handle()));
    CHECK_FALSE(modal->Visible());
    CHECK_FALSE(modal->FormState().Contains(fsModal));

    SUBCASE("the loop goes on while the result stays unset and timers keep firing")
    {
        int ticksAtClose = 0;
        TTestTimer counter(10, [&] {});
        TTestTimer closer(200, [&] {
            ticksAtClose = counter.Ticks;
            modal->SetModalResult(mrYes);
        });
        CHECK(modal->ShowModal() == mrYes);
        CHECK(ticksAtClose >= 5);
    }

    SUBCASE("a visible form cannot be made modal")
    {
        modal->Show();
        CHECK_THROWS_AS(modal->ShowModal(), EInvalidOperation);
    }
    modal->Free();
    other->Free();
}

TEST_CASE("Close on a modal form gives the cancel result; a form that frees itself goes after the loop")
{
    struct TCloser {
        TCloseAction Action = caHide;
        void FormClose(TObject*, TCloseAction& action) { action = Action; }
    } closer;
    TFreeWatch watch;
    TForm* modal = Create<TForm>(nullptr);
    modal->OnClose = TCloseEvent::Bind<&TCloser::FormClose>(&closer);
    modal->OnDestroy = TNotifyEvent::Bind<&TFreeWatch::FormDestroy>(&watch);

    // Each timer acts once: the form may be gone when it ticks again.
    bool acted = false;
    SUBCASE("closed with the frame's close message")
    {
        TTestTimer timer(20, [&] {
            if (!std::exchange(acted, true))
                PostMessageA(modal->Handle(), WM_CLOSE, 0, 0);
        });
        CHECK(modal->ShowModal() == mrCancel);
        CHECK_FALSE(watch.Freed);
        modal->Free();
    }
    SUBCASE("an OnClose of caNone keeps the loop running")
    {
        int attempts = 0;
        TTestTimer timer(20, [&] {
            if (acted)
                return;
            if (++attempts == 3) {
                closer.Action = caHide;
                acted = true;
            }
            modal->Close();
        });
        closer.Action = caNone;
        CHECK(modal->ShowModal() == mrCancel);
        CHECK(attempts >= 3);
        modal->Free();
    }
    SUBCASE("caFree frees the form once its loop has ended")
    {
        closer.Action = caFree;
        TTestTimer timer(20, [&] {
            if (!std::exchange(acted, true))
                modal->Close();
        });
        CHECK(modal->ShowModal() == mrCancel);
        CHECK_FALSE(watch.Freed);
        CHECK(WaitFor([&] { return watch.Freed; }));
    }
}

TEST_CASE("the first form created by the application is its main form")
{
    TForm* main = nullptr;
    TForm* second = nullptr;
    REQUIRE(Application->MainForm() == nullptr);
    Application->CreateForm(main);
    Application->CreateForm(second);
    CHECK(Application->MainForm() == main);
    CHECK(main->Owner() == Application);
    CHECK(main->HandleAllocated());
    CHECK_FALSE(main->Visible());

    // Closing the main form ends the program: the quit message is taken
    // off the queue here, before the loop would see it.
    main->Show();
    main->Close();
    MSG quit;
    CHECK(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK_FALSE(Application->Terminated());
    second->Close();
    CHECK_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK_FALSE(second->Visible());

    second->Free();
    main->Free();
    CHECK(Application->MainForm() == nullptr);
}
