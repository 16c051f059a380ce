#include "FrameFixture.h"

#include "framework/ScopeGuard.h"
#include "tests/support/BoxRecorder.h"
#include "tests/support/GdiCount.h"
#include "tests/support/MessagePump.h"
#include "theme/KsEffects.h"

#include <doctest/doctest.h>

#include <cstdlib>

namespace {

// What the blend rule gives for one channel: source at alpha over target.
int Blend(int source, int target, int alpha)
{
    return ((source * alpha + 128) >> 8) + ((target * (255 - alpha) + 128) >> 8);
}

bool Near(uint32_t actual, uint32_t source, uint32_t target, int alpha)
{
    for (int shift : {0, 8, 16}) {
        int expected = Blend((source >> shift) & 0xFF, (target >> shift) & 0xFF, alpha);
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - expected) > 1)
            return false;
    }
    return true;
}

uint32_t ScreenAt(int x, int y)
{
    TWindowDC screen(nullptr);
    COLORREF colour = GetPixel(screen.Get(), x, y);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// Hides the form and shows it again once the screen shows what is behind
// it at the points given, so that the snapshot holds that; returns those
// background pixels.
std::vector<uint32_t> ShowAgain(TFrameFixture& fixture, const std::vector<POINT>& points)
{
    const RECT rect = fixture.WindowRect();
    auto read = [&] {
        std::vector<uint32_t> pixels;
        for (POINT p : points)
            pixels.push_back(ScreenAt(rect.left + p.x, rect.top + p.y));
        return pixels;
    };
    const std::vector<uint32_t> window = read();
    fixture.Form->SetVisible(false);
    std::vector<uint32_t> behind;
    PumpUntil(
        [&] {
            behind = read();
            for (size_t i = 0; i < points.size(); ++i)
                if (behind[i] == window[i])
                    return false;
            return true;
        },
        5000);
    fixture.Form->Show();
    fixture.Pump();
    return behind;
}

}  // namespace

TEST_CASE_FIXTURE(TFrameFixture, "a blended frame mixes the theme's frame with the screen behind it")
{
    Frame->SetBlendValue(150);
    Frame->SetBlend(true);
    const std::vector<POINT> points{{1, 100}, {304, 100}, {150, 210}, {150, 2}};
    const std::vector<uint32_t> behind = ShowAgain(*this, points);
    const RECT rect = WindowRect();
    TOwned<TKsBitmap> frame = MakeOwned<TKsBitmap>();
    frame->SetSize(306, 212);
    Form->NgThemeEngine->Theme()->DrawFormFrame(*frame, 306, 212, Frame->GetClientBounds(), Frame->CaptionActive(),
                                                kbsStandard);
    for (size_t i = 0; i < points.size(); ++i) {
        const POINT p = points[i];
        CAPTURE(p.x);
        CAPTURE(p.y);
        CHECK((Frame->Backdrop().GetPixel(rect.left + p.x, rect.top + p.y) & 0xFFFFFF) == behind[i]);
        const uint32_t source = frame->GetPixel(p.x, p.y) & 0xFFFFFF;
        CHECK(PumpUntil([&] { return Near(ScreenAt(rect.left + p.x, rect.top + p.y), source, behind[i], 150); }, 5000));
    }
}

TEST_CASE_FIXTURE(TFrameFixture, "a drop shadow lies to the right and below, soft at its outer edge")
{
    Frame->SetThemeEngine(nullptr);  // the classic frame has no region to cut the shadow off
    Frame->SetDropShadow(true);
    Frame->SetShadowWidth(4);
    Frame->RefreshFrame();
    RECT rect = WindowRect();
    const int W = rect.right - rect.left;
    const int H = rect.bottom - rect.top;
    CHECK(Frame->FrameSize().cx == W - 4);
    CHECK(Frame->FrameSize().cy == H - 4);
    struct TProbe {
        POINT Point;
        uint32_t Grey;
        int Alpha;
    };
    const TProbe probes[] = {
        {{W - 2, H / 2}, 0x5F5F5F, 0xB0}, {{W - 1, H / 2}, 0x7F7F7F, 0x70},
        {{W / 2, H - 1}, 0x5F5F5F, 0xB0}, {{W - 2, 1}, 0xFFFFFF, 1},  // the band's top and left end show the background
        {{1, H - 2}, 0xFFFFFF, 1},
    };
    std::vector<POINT> points;
    for (const TProbe& probe : probes)
        points.push_back(probe.Point);
    const std::vector<uint32_t> behind = ShowAgain(*this, points);
    rect = WindowRect();
    for (size_t i = 0; i < points.size(); ++i) {
        const TProbe& probe = probes[i];
        CAPTURE(probe.Point.x);
        CAPTURE(probe.Point.y);
        CHECK(PumpUntil(
            [&] {
                return Near(ScreenAt(rect.left + probe.Point.x, rect.top + probe.Point.y), probe.Grey, behind[i],
                            probe.Alpha);
            },
            5000));
    }
}

TEST_CASE_FIXTURE(TFrameFixture, "the frame buffer grows and shrinks in steps of 50 pixels")
{
    TKsSizeConstraints limits;
    limits.MinWidth = 100;
    limits.MinHeight = 40;
    Frame->SetConstraints(limits);
    auto size = [&](int width, int height) {
        SetWindowPos(Window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return POINT{Frame->FrameBuffer().Width(), Frame->FrameBuffer().Height()};
    };
    POINT buffer = size(120, 80);
    CHECK(buffer.x == 150);
    CHECK(buffer.y == 100);
    CHECK(size(151, 80).x == 200);
    CHECK(size(180, 80).x == 200);  // within the step: no new bitmap
    CHECK(size(120, 80).x == 150);
}

TEST_CASE_FIXTURE(TFrameFixture, "the client area stays right when the frame is recomputed without a size")
{
    SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(Window, &client);
    CHECK(client.right == 300);
    CHECK(client.bottom == 180);
}

TEST_CASE_FIXTURE(TFrameFixture, "a caption too long for a narrow window is left out rather than cut below nothing")
{
    Form->SetCaption("A caption far longer than the narrowest window could ever show");
    SetWindowPos(Window, nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Frame->PaintNonClient();
    TOwned<TKsBitmap> frame = MakeOwned<TKsBitmap>();
    frame->SetSize(150, 100);
    Form->NgThemeEngine->Theme()->DrawFormFrame(*frame, 150, 100, Frame->GetClientBounds(), Frame->CaptionActive(),
                                                kbsStandard);
    // Between the icon square and the close button the band is bare.
    CHECK(PumpUntil(
        [&] {
            std::vector<uint32_t> screen = ScreenPixels();
            for (int y = 6; y < 26; ++y)
                for (int x = 32; x < 120; ++x)
                    if (screen[y * 150 + x] != (frame->GetPixel(x, y) & 0xFFFFFF))
                        return false;
            return true;
        },
        5000));
}

TEST_CASE_FIXTURE(TFrameFixture, "hovering, dragging, showing and re-tinting leave no GDI or USER objects behind")
{
    auto round = [&](int hovers, int drags, int shows, int hues) {
        RECT window = WindowRect();
        SetActiveLook(true);
        for (int i = 0; i < hovers; ++i) {
            SetCursorPos(window.left + (i % 2 ? 296 : 150), window.top + 12);
            Frame->UpdateHotZone();
        }
        for (int i = 0; i < drags; ++i) {
            NCButtonDown(150, 15);
            for (int m = 0; m < 50; ++m)
                CapturedMove(150 + (m % 10) - 5, 15 + (m % 7) - 3);
            CapturedUp(150, 15);
        }
        Frame->SetShowAnimationTime(10);
        for (TKsAnimation kind : {kaFade, kaSlide, kaRect, kaRandom}) {
            Frame->SetShowAnimation(kind);
            for (int i = 0; i < shows; ++i) {
                Form->SetVisible(false);
                Form->Show();
            }
        }
        Frame->SetShowAnimation(kaNone);
        for (int i = 0; i < hues; ++i)
            Form->NgThemeEngine->SetDeltaHue(i * 13 % 255);
        Pump();
    };
    round(2, 1, 1, 2);  // caches made once (fonts, the caption icon)
    const int gdi = CountGdiObjects();
    const int windows = CountProcessWindows();
    round(300, 100, 50, 20);
    CHECK(CountGdiObjects() == gdi);
    CHECK(CountProcessWindows() == windows);
}

namespace {
// A stopwatch of 10 ms per reading: each frame of an effect takes two.
struct TFrameCounter {
    static inline uint64_t Now = 0;
    TScopedOverride<TKsClock> Clock{KsClock, TKsClock{[](uint64_t& frequency) {
                                                          frequency = 1000;
                                                          return true;
                                                      },
                                                      [] {
                                                          Now += 10;
                                                          return Now;
                                                      }}};
};
}  // namespace

TEST_CASE_FIXTURE(TFrameFixture, "the show animation plays when the window comes on screen, never when blended")
{
    Form->SetVisible(false);
    Frame->SetShowAnimation(kaFade);
    Frame->SetShowAnimationTime(100);
    {
        TFrameCounter counter;
        const uint64_t before = TFrameCounter::Now;
        Form->Show();
        CHECK((TFrameCounter::Now - before) / 20 == 10);  // 0, 11, ... 99 ms: ten frames
        const uint64_t shown = TFrameCounter::Now;
        Form->Show();  // already on screen: no second animation
        CHECK(TFrameCounter::Now == shown);
    }
    Form->SetVisible(false);
    Frame->SetBlend(true);
    {
        TFrameCounter counter;
        const uint64_t before = TFrameCounter::Now;
        Form->Show();
        CHECK(TFrameCounter::Now == before);
    }
}

namespace {
HBITMAP RefuseDib(const BITMAPINFO*, void** bits)
{
    *bits = nullptr;
    return nullptr;
}
}

TEST_CASE_FIXTURE(TFrameFixture, "a snapshot that cannot be made leaves the window shown with its region")
{
    TBoxRecorder boxes;
    Frame->SetCanMove(false);  // the snapshot is then a bitmap of the window's size, made at show time
    Frame->SetBlend(true);
    Form->SetVisible(false);
    Frame->Backdrop().SetSize(1, 1);
    {
        TScopedOverride<decltype(KsBitmapAllocator.CreateDib)> refused(KsBitmapAllocator.CreateDib, &RefuseDib);
        Form->Show();
    }
    REQUIRE(TBoxRecorder::Boxes().size() == 1);
    CHECK(boxes.Last().Text == "Can't allocate the DIB handle");
    CHECK(IsWindowVisible(Window));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    REQUIRE(GetWindowRgn(Window, region) != ERROR);
    CHECK(PtInRegion(region, 150, 100));
    CHECK_FALSE(PtInRegion(region, 0, 0));
    DeleteObject(region);
    // Painting the frame with the missing snapshot reads nothing outside it.
    Frame->PaintNonClient();
}
