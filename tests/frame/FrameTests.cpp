#include "FrameFixture.h"

#include "theme/NgLuna.h"

#include "tests/support/MessagePump.h"

#include <doctest/doctest.h>

#include <string>

namespace {
// Luna's frame: 3-pixel borders, a 29-pixel caption, 21-pixel buttons 4
// pixels from the top and right.
const int Border = 3;
const int Caption = 29;
}

TEST_CASE_FIXTURE(TFrameFixture, "the Luna frame lays out the demonstration form")
{
    REQUIRE(Frame->IsThemed());
    RECT window = WindowRect();
    CHECK(window.right - window.left == 306);
    CHECK(window.bottom - window.top == 212);
    CHECK(Frame->FrameSize().cx == 306);
    RECT client;
    GetClientRect(Window, &client);
    CHECK(client.right == 300);
    CHECK(client.bottom == 180);
    POINT origin{0, 0};
    ClientToScreen(Window, &origin);
    CHECK(origin.x - window.left == Border);
    CHECK(origin.y - window.top == Caption);

    RECT close = Frame->GetButtonRect(kbiClose);
    CHECK(close.right == 306 - 4);
    CHECK(close.top == 4);
    CHECK(close.right - close.left == 21);
    RECT menu = Frame->GetButtonRect(kbiSystemMenu);
    CHECK(menu.left == Border);
    CHECK(menu.right - menu.left == Caption - Border);
    RECT minimize = Frame->GetButtonRect(kbiMinimize);
    CHECK(IsRectEmpty(&minimize));
}

TEST_CASE_FIXTURE(TFrameFixture, "the rounded corners come from the window region")
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    REQUIRE(GetWindowRgn(Window, region) != ERROR);
    const int W = 306;
    for (POINT out : {POINT{0, 0}, POINT{4, 0}, POINT{2, 1}, POINT{1, 2}, POINT{0, 4}, POINT{W - 5, 0}, POINT{W - 3, 1},
                      POINT{W - 1, 4}})
        CHECK_MESSAGE(!PtInRegion(region, out.x, out.y), out.x, ",", out.y);
    for (POINT in : {POINT{5, 0}, POINT{3, 1}, POINT{2, 2}, POINT{0, 5}, POINT{W - 6, 0}, POINT{W - 1, 5},
                     POINT{0, 211}, POINT{W - 1, 211}})
        CHECK_MESSAGE(PtInRegion(region, in.x, in.y), in.x, ",", in.y);
    DeleteObject(region);
}

TEST_CASE_FIXTURE(TFrameFixture, "hit-testing answers with the frame's own zones")
{
    const int W = 306;
    const int H = 212;
    struct TCase {
        int X, Y;
        LRESULT Resizable, Fixed;
    };
    // Resizable and fixed frames; the caption is a caption whether or not
    // the window may move, unless CanMove is off (below).
    const TCase cases[] = {
        {150, 15, HTCAPTION, HTCAPTION},         {W - 10, 12, HTCLOSE, HTCLOSE},
        {12, 12, HTMINBUTTON, HTMINBUTTON},      {1, 100, HTLEFT, HTCLIENT},
        {W - 2, 100, HTRIGHT, HTCLIENT},         {150, 1, HTTOP, HTCLIENT},
        {150, H - 1, HTBOTTOM, HTCLIENT},        {1, 1, HTTOPLEFT, HTCLIENT},
        {W - 2, 1, HTTOPRIGHT, HTCLIENT},        {1, H - 2, HTBOTTOMLEFT, HTCLIENT},
        {W - 2, H - 2, HTBOTTOMRIGHT, HTCLIENT}, {150, 100, HTCLIENT, HTCLIENT},
    };
    Frame->SetCanResize(true);
    for (const TCase& c : cases)
        CHECK_MESSAGE(HitTest(c.X, c.Y) == c.Resizable, c.X, ",", c.Y);
    // Deeper than the theme's top border, the band drags rather than sizes.
    CHECK(HitTest(150, Border + 1) == HTCAPTION);
    Frame->SetCanResize(false);
    for (const TCase& c : cases)
        CHECK_MESSAGE(HitTest(c.X, c.Y) == c.Fixed, c.X, ",", c.Y);
    Frame->SetCanMove(false);
    CHECK(HitTest(150, 15) == HTCLIENT);
    CHECK(HitTest(W - 10, 12) == HTCLOSE);
}

TEST_CASE_FIXTURE(TFrameFixture, "sizes below the constraints are raised to them")
{
    SetWindowPos(Window, nullptr, 0, 0, 20, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect = WindowRect();
    CHECK(rect.right - rect.left == 150);
    CHECK(rect.bottom - rect.top == 40);
    TKsSizeConstraints limits;
    limits.MinWidth = 200;
    limits.MinHeight = 120;
    Frame->SetConstraints(limits);
    rect = WindowRect();
    CHECK(rect.right - rect.left == 200);
    CHECK(rect.bottom - rect.top == 120);
    SetWindowPos(Window, nullptr, 0, 0, 160, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    rect = WindowRect();
    CHECK(rect.right - rect.left == 200);
    CHECK(rect.bottom - rect.top == 120);
}

TEST_CASE_FIXTURE(TFrameFixture, "the frame on screen is the theme's frame, active and inactive")
{
    const int W = 306;
    const int H = 212;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(Window, region);
    for (bool active : {true, false}) {
        CAPTURE(active);
        SetActiveLook(active);
        CHECK(Frame->CaptionActive() == active);
        TOwned<TKsBitmap> expected = MakeOwned<TKsBitmap>();
        expected->SetSize(W, H);
        Form->NgThemeEngine->Theme()->DrawFormFrame(*expected, W, H, RECT{Border, Caption, W - Border, H - Border},
                                                    active, kbsStandard);
        int compared = 0;
        int differing = 0;
        auto compare = [&] {
            std::vector<uint32_t> screen = ScreenPixels();
            compared = differing = 0;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    // The borders, and the caption band above its buttons and text.
                    const bool border = x < Border || x >= W - Border || y >= H - Border || y < 4;
                    if (!border || !PtInRegion(region, x, y))
                        continue;
                    ++compared;
                    if (screen[y * W + x] != (expected->GetPixel(x, y) & 0xFFFFFF))
                        ++differing;
                }
            return differing == 0;
        };
        // The window system shows what was painted when it gets round to it.
        PumpUntil(compare, 5000);
        CHECK(compared > 3000);
        CHECK(differing == 0);
    }
    DeleteObject(region);
}
