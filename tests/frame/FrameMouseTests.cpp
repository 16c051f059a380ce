#include "FrameFixture.h"

#include "tests/support/MessagePump.h"

#include <doctest/doctest.h>

namespace {
const int W = 306;
const POINT CaptionPoint{150, 15};
const POINT ClosePoint{W - 10, 12};

// Drags the caption so that the window's left would land at left.
void DragLeftTo(TFrameFixture& fixture, int left)
{
    RECT start = fixture.WindowRect();
    fixture.NCButtonDown(CaptionPoint.x, CaptionPoint.y);
    fixture.CapturedMove(CaptionPoint.x + left - start.left, CaptionPoint.y);
    // The window followed the mouse: it is back over the point it was taken at.
    fixture.CapturedUp(CaptionPoint.x, CaptionPoint.y);
}
}

TEST_CASE_FIXTURE(TFrameFixture, "a caption drag moves the window and snaps it to the work area's edge")
{
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    DragLeftTo(*this, area.left + 20);
    CHECK(WindowRect().left == area.left + 20);
    CHECK(WindowRect().top == 150);
    CHECK(GetCapture() == nullptr);
    DragLeftTo(*this, area.left + 300);
    DragLeftTo(*this, area.left + 19);
    CHECK(WindowRect().left == area.left);
    CHECK(Frame->MouseButtons().Empty());

    SUBCASE("without Magnetic nothing snaps")
    {
        Frame->SetMagnetic(false);
        DragLeftTo(*this, area.left + 300);
        DragLeftTo(*this, area.left + 5);
        CHECK(WindowRect().left == area.left + 5);
    }
    SUBCASE("with CanMove off the caption does not drag")
    {
        Frame->SetCanMove(false);
        DragLeftTo(*this, area.left + 300);
        CHECK(WindowRect().left == area.left);
    }
}

TEST_CASE_FIXTURE(TFrameFixture, "a lost capture ends the drag")
{
    NCButtonDown(CaptionPoint.x, CaptionPoint.y);
    CHECK(Frame->MouseButtons().Contains(ssLeft));
    CHECK(Frame->PressedZone() == kfzCaption);
    // A message box takes the mouse mid-drag.
    SendMessageA(Window, WM_CANCELMODE, 0, 0);
    CHECK(Frame->MouseButtons().Empty());
    CHECK(Frame->PressedZone() == kfzNone);
    RECT before = WindowRect();
    CapturedMove(CaptionPoint.x + 40, CaptionPoint.y + 40);
    CHECK(WindowRect().left == before.left);
    CHECK(WindowRect().top == before.top);
}

TEST_CASE_FIXTURE(TFrameFixture, "a caption button acts only when released over it")
{
    NCButtonDown(ClosePoint.x, ClosePoint.y);
    CHECK(Frame->PressedZone() == kfzClose);
    CHECK(Frame->HoverZone() == kfzClose);
    CapturedMove(CaptionPoint.x, CaptionPoint.y);  // off the button: drawn raised, window stays
    CHECK(Frame->HoverZone() == kfzCaption);
    CapturedUp(CaptionPoint.x, CaptionPoint.y);
    CHECK(IsWindowVisible(Window));
    CHECK(Frame->PressedZone() == kfzNone);

    NCButtonDown(ClosePoint.x, ClosePoint.y);
    CapturedUp(ClosePoint.x, ClosePoint.y);
    CHECK_FALSE(IsWindowVisible(Window));
}

TEST_CASE_FIXTURE(TFrameFixture, "the close button lights up under the mouse while the window is active")
{
    SetActiveLook(true);
    RECT window = WindowRect();
    SetCursorPos(window.left + ClosePoint.x, window.top + ClosePoint.y);
    CHECK(PumpUntil([&] { return Frame->HotZone() == kfzClose; }, 5000));
    // The lit button as the theme draws it is on the screen.
    RECT button = Frame->GetButtonRect(kbiClose);
    TOwned<TKsBitmap> lit = MakeOwned<TKsBitmap>();
    lit->SetSize(W, 212);
    Form->NgThemeEngine->Theme()->DrawCaptionButton(*lit, button, 0, true, false, true, kbsStandard);
    const int x = button.left + 3;
    const int y = button.top + 10;
    CHECK(PumpUntil([&] { return ScreenPixels()[y * W + x] == (lit->GetPixel(x, y) & 0xFFFFFF); }, 5000));

    SetActiveLook(false);
    SetCursorPos(window.left + CaptionPoint.x, window.top + 100);
    Frame->UpdateHotZone();
    CHECK(Frame->HotZone() == kfzClose);  // inactive: keeps its last zone
}

TEST_CASE_FIXTURE(TFrameFixture, "WM_GETTEXT keeps its result and the caption is painted by the frame")
{
    char text[64] = {};
    LRESULT length = SendMessageA(Window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    CHECK(length == static_cast<LRESULT>(Form->Caption().size()));
    CHECK(std::string(text) == Form->Caption());
    Pump();
    CHECK((GetWindowLongA(Window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION);
}

TEST_CASE_FIXTURE(TFrameFixture, "the frame answers whether it is blended")
{
    CHECK(SendMessageA(Window, KM_ISBLENDED, 0, 0) == 0);
    Frame->SetBlend(true);
    CHECK(SendMessageA(Window, KM_ISBLENDED, 0, 0) == 1);
}

TEST_CASE_FIXTURE(TFrameFixture, "a border drag sizes the window within its constraints")
{
    Frame->SetCanResize(true);
    TKsSizeConstraints limits;
    limits.MinWidth = 250;
    Frame->SetConstraints(limits);
    const RECT start = WindowRect();
    // The right border: 30 pixels wider.
    NCButtonDown(W - 2, 100);
    CHECK(Frame->PressedZone() == kfzRight);
    CapturedMove(W - 2 + 30, 100);
    CapturedUp(W - 2 + 30, 100);
    RECT rect = WindowRect();
    CHECK(rect.left == start.left);
    CHECK(rect.right - rect.left == W + 30);
    // The left border, 200 pixels in: held at the smallest width.
    NCButtonDown(1, 100);
    CapturedMove(201, 100);
    CapturedUp(201, 100);
    rect = WindowRect();
    CHECK(rect.right - rect.left == 250);
    CHECK(rect.right == start.right + 30);

    SUBCASE("with CanResize off the border does nothing")
    {
        Frame->SetCanResize(false);
        NCButtonDown(1, 100);
        CapturedMove(40, 100);
        CapturedUp(40, 100);
        CHECK(WindowRect().left == rect.left);
    }
}

TEST_CASE_FIXTURE(TFrameFixture, "StayOnTop makes the window topmost and back")
{
    Frame->SetStayOnTop(true);
    CHECK((GetWindowLongA(Window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    Frame->SetStayOnTop(false);
    CHECK((GetWindowLongA(Window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
}
