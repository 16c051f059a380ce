#include "tests/framework/FormsTestSupport.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"

#include <doctest/doctest.h>

namespace {

// Takes over a form's non-client area from inside its layout, as a skinned
// frame does: the form's window is made while the layout is being read,
// and the frame is thicker than the system's.
const int FrameSide = 3;
const int FrameTop = 25;
WNDPROC FormProcedure = nullptr;

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCALCSIZE) {
        RECT* rect = reinterpret_cast<RECT*>(lParam);  // the first of NCCALCSIZE_PARAMS too
        rect->left += FrameSide;
        rect->top += FrameTop;
        rect->right -= FrameSide;
        rect->bottom -= FrameSide;
        return 0;
    }
    return CallWindowProcA(FormProcedure, window, message, wParam, lParam);
}

class TTestFrame : public TComponent {
    DECLARE_CLASS(TTestFrame, TComponent)
public:
    explicit TTestFrame(TComponent* owner) : TComponent(owner)
    {
        auto* form = As<TCustomForm>(owner);
        form->SetBorderStyle(bsSizeable);
        form->SetBorderIcons(TBorderIcons());
        HWND window = form->Handle();
        FormProcedure =
            reinterpret_cast<WNDPROC>(SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(&FrameProcedure)));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

}  // namespace

IMPLEMENT_CLASS(TTestFrame)
{
    Creatable();
}

namespace {

class TfrmFramed : public TForm {
    DECLARE_CLASS(TfrmFramed, TForm)
public:
    explicit TfrmFramed(TComponent* owner) : TForm(owner) {}
};

}  // namespace

IMPLEMENT_CLASS(TfrmFramed)
{
    Creatable();
}

TEST_CASE("a form whose frame is taken over while its layout is read keeps the stored client size")
{
    auto* form = Create<TfrmFramed>(Application);
    REQUIRE(form->HandleAllocated());
    RECT client;
    GetClientRect(form->Handle(), &client);
    CHECK(client.right == 300);
    CHECK(client.bottom == 180);
    CHECK(form->Width() == 300 + 2 * FrameSide);
    CHECK(form->Height() == 180 + FrameTop + FrameSide);
    CHECK(form->BorderIcons().Empty());

    // Its controls have windows, and the form centres by its real size.
    auto* button = As<TTestButton>(form->FindComponent("btnOK"));
    REQUIRE(button->HandleAllocated());
    form->Show();
    CHECK(form->Left() == (GetSystemMetrics(SM_CXSCREEN) - form->Width()) / 2);
    CHECK(IsWindowVisible(button->Handle()));
    POINT corner{0, 0};
    ClientToScreen(form->Handle(), &corner);
    CHECK(form->ClientOrigin().x == corner.x);
    CHECK(corner.x == form->Left() + FrameSide);
    CHECK(corner.y == form->Top() + FrameTop);
    form->Free();
}
