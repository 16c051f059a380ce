#include "theme/KsEffects.h"

#include "framework/ScopeGuard.h"
#include "theme/KsBitmap.h"

#include <doctest/doctest.h>

#include <vector>

namespace {

// A stopwatch that advances 30 ms between every start and stop, and a
// look at the screen stand-in each time a frame has been copied to it.
struct TFrameRecorder {
    static inline uint64_t Now = 0;
    static inline int Calls = 0;
    static inline TKsBitmap* Screen = nullptr;
    static inline std::vector<POINT> Probes;
    static inline std::vector<std::vector<uint32_t>> Frames;

    TScopedOverride<TKsClock> Clock{KsClock, TKsClock{&Frequency, &Counter}};
    TFrameRecorder(TKsBitmap& screen, std::vector<POINT> probes)
    {
        Now = 0;
        Calls = 0;
        Screen = &screen;
        Probes = std::move(probes);
        Frames.clear();
    }

    static bool Frequency(uint64_t& frequency)
    {
        frequency = 1000;
        return true;
    }
    static uint64_t Counter()
    {
        // Every second reading is a stop: the frame is on the screen now.
        if (++Calls % 2 == 0) {
            GdiFlush();
            std::vector<uint32_t> frame;
            for (POINT probe : Probes)
                frame.push_back(Screen->GetPixel(probe.x, probe.y) & 0xFFFFFF);
            Frames.push_back(frame);
            Now += 30;
        }
        return Now;
    }
};

struct TEffectFixture {
    TOwned<TKsBitmap> Screen = MakeOwned<TKsBitmap>();
    TOwned<TKsBitmap> Background = MakeOwned<TKsBitmap>();
    TOwned<TKsBitmap> Image = MakeOwned<TKsBitmap>();
    const RECT Area{0, 0, 10, 10};

    TEffectFixture()
    {
        Screen->SetSize(10, 10);
        Screen->Fill(0xFF0000FF);  // blue: nothing drawn yet
        Background->SetSize(10, 10);
        Background->Fill(0xFF000000);
        Image->SetSize(10, 10);
        Image->Fill(0xFFFFFFFF);
    }
};

}  // namespace

TEST_CASE_FIXTURE(TEffectFixture, "effects draw nothing when their time is used up before the first frame")
{
    TFrameRecorder recorder(*Screen, {{0, 0}});
    FadeEffect(Screen->DC(), *Background, Area, *Image, Area, 0);
    SlideEffect(Screen->DC(), *Background, Area, *Image, Area, 1, 0);
    RectEffect(Screen->DC(), *Background, Area, *Image, Area, 0, 5);  // starts at 5 ms
    CHECK(TFrameRecorder::Calls == 0);
    CHECK(Screen->GetPixel(5, 5) == 0xFF0000FF);
}

TEST_CASE_FIXTURE(TEffectFixture, "the fade's opacity follows the measured frame time")
{
    TFrameRecorder recorder(*Screen, {{5, 5}});
    FadeEffect(Screen->DC(), *Background, Area, *Image, Area, 100);
    // Frames at 0, 31, 62 and 93 ms: white over black at 15, then
    // round(31 / 100 x 240) + 15 = 89, ...
    REQUIRE(TFrameRecorder::Frames.size() == 4);
    CHECK(TFrameRecorder::Frames[0][0] == 0x0F0F0F);
    CHECK(TFrameRecorder::Frames[1][0] == 0x595959);
    // round(223.2) + 15 = 238, which blends white over black to 237.
    CHECK(TFrameRecorder::Frames[3][0] == 0xEDEDED);
}

TEST_CASE_FIXTURE(TEffectFixture, "a slide from the top-left starts one size up and left of its place")
{
    TFrameRecorder recorder(*Screen, {{0, 0}, {2, 2}, {3, 3}, {9, 9}});
    SlideEffect(Screen->DC(), *Background, Area, *Image, Area, 4, 100);
    REQUIRE(TFrameRecorder::Frames.size() >= 2);
    CHECK(TFrameRecorder::Frames[0] == std::vector<uint32_t>{0, 0, 0, 0});
    // At 31 ms 3 of 10 pixels have come in on either axis.
    CHECK(TFrameRecorder::Frames[1] == std::vector<uint32_t>{0xFFFFFF, 0xFFFFFF, 0, 0});
}

TEST_CASE_FIXTURE(TEffectFixture, "the rectangle grows from the centre and magenta shows the background")
{
    Image->FillRect(RECT{4, 4, 6, 6}, 0xFFFF00FF);
    TFrameRecorder recorder(*Screen, {{5, 5}, {1, 1}});
    RectEffect(Screen->DC(), *Background, Area, *Image, Area, 0, 100);
    REQUIRE(TFrameRecorder::Frames.size() == 4);  // 5, 36, 67, 98 ms
    CHECK(TFrameRecorder::Frames[0] == std::vector<uint32_t>{0, 0});
    CHECK(TFrameRecorder::Frames[3] == std::vector<uint32_t>{0, 0xFFFFFF});
}

TEST_CASE("the stopwatch without a performance counter counts milliseconds")
{
    TScopedOverride<decltype(KsClock.Frequency)> none(KsClock.Frequency, [](uint64_t&) { return false; });
    TKsCounter* counter = nullptr;
    CHECK(StopCounter(counter) == 0);
    StartCounter(counter);
    REQUIRE(counter);
    CHECK(counter->Frequency() == 1000);
    CHECK(counter->Running());
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 30)
        Sleep(5);
    float elapsed = StopCounter(counter);
    CHECK(counter == nullptr);
    CHECK(elapsed >= 0.025f);
    CHECK(elapsed < 5.0f);
}
