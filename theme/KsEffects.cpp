#include "theme/KsEffects.h"

#include "framework/Object.h"
#include "theme/KsBitmap.h"

#include <cmath>
#include <functional>
#include <memory>
#include <random>

namespace {

bool PerformanceFrequency(uint64_t& frequency)
{
    LARGE_INTEGER value;
    if (!QueryPerformanceFrequency(&value) || value.QuadPart <= 0)
        return false;
    frequency = static_cast<uint64_t>(value.QuadPart);
    return true;
}

uint64_t PerformanceCounter()
{
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return static_cast<uint64_t>(value.QuadPart);
}

std::minstd_rand& Generator()
{
    static std::minstd_rand generator(GetTickCount());
    return generator;
}

// Seeded when the program starts, not at the first show.
const bool Seeded = (Generator(), true);

int Round(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// Restores a bitmap's PerPixelAlpha at the end of a scope.
class TPerPixelAlpha {
public:
    TPerPixelAlpha(TKsBitmap& bitmap, bool value) : FBitmap(bitmap), FSaved(bitmap.PerPixelAlpha())
    {
        bitmap.SetPerPixelAlpha(value);
    }
    ~TPerPixelAlpha() { FBitmap.SetPerPixelAlpha(FSaved); }
    TPerPixelAlpha(const TPerPixelAlpha&) = delete;
    TPerPixelAlpha& operator=(const TPerPixelAlpha&) = delete;

private:
    TKsBitmap& FBitmap;
    bool FSaved;
};

// Frees a running counter when composing raises.
struct TCounterGuard {
    TKsCounter* Counter = nullptr;
    ~TCounterGuard() { delete Counter; }
};

using TComposeFrame = std::function<void(TKsBitmap& frame, double x)>;

// The loop every effect shares: compose a frame for the fraction x of the
// time, copy it to the screen, advance by the frame's own duration plus 1
// ms (so the loop always ends).
void RunFrames(HDC dc, const RECT& area, TKsBitmap& image, const RECT& screenRect, int time, int startTime,
               const TComposeFrame& compose)
{
    if (time <= 0 || startTime >= time)
        return;
    const int width = RectWidth(area);
    const int height = RectHeight(area);
    if (width <= 0 || height <= 0)
        return;
    TOwned<TKsBitmap> frame = MakeOwned<TKsBitmap>();
    frame->SetSize(width, height);
    image.SetTransparentColor(MakeColor(255, 0, 255, 255));
    TCounterGuard guard;
    for (int t = startTime; t < time;) {
        StartCounter(guard.Counter);
        compose(*frame, static_cast<double>(t) / time);
        frame->DrawTo(dc, screenRect.left, screenRect.top);
        t += Round(1000.0 * StopCounter(guard.Counter)) + 1;
    }
}

void CopyBackground(TKsBitmap& background, TKsBitmap& frame)
{
    TPerPixelAlpha plain(background, false);
    background.DrawRect(frame, 0, 0, RECT{0, 0, frame.Width(), frame.Height()});
}

}  // namespace

// ---- clock and counter ----

const TKsClock KsPerformanceClock{&PerformanceFrequency, &PerformanceCounter};
TKsClock KsClock = KsPerformanceClock;

TKsCounter::TKsCounter()
{
    if (!KsClock.Frequency(FFrequency) || FFrequency == 0) {
        FFrequency = 1000;
        FTickCount = true;
    }
}

uint64_t TKsCounter::Now() const
{
    return FTickCount ? GetTickCount() : KsClock.Counter();
}

void TKsCounter::Start()
{
    FRunning = true;
    FElapsed = 0;
    FStart = Now();
}

float TKsCounter::Stop()
{
    FStop = Now();
    FRunning = false;
    // A counter that went backwards counts as no time.
    FElapsed = FStop > FStart ? static_cast<float>(static_cast<double>(FStop - FStart) / FFrequency) : 0.0f;
    return FElapsed;
}

void StartCounter(TKsCounter*& counter)
{
    delete counter;
    counter = new TKsCounter();
    counter->Start();
}

float StopCounter(TKsCounter*& counter)
{
    if (!counter)
        return 0;
    float elapsed = counter->Stop();
    delete counter;
    counter = nullptr;
    return elapsed;
}

int KsRandom(int range)
{
    (void)Seeded;
    if (range <= 0)
        return 0;
    return static_cast<int>(Generator()() % static_cast<unsigned>(range));
}

// ---- effects ----

void FadeEffect(HDC dc, TKsBitmap& background, const RECT& area, TKsBitmap& image, const RECT& screenRect, int time)
{
    RunFrames(dc, area, image, screenRect, time, 0, [&](TKsBitmap& frame, double x) {
        {
            TPerPixelAlpha blended(image, true);
            image.DrawRect(frame, 0, 0, area);
        }
        frame.SetAlpha(static_cast<uint8_t>(Round(x * 240) + 15));
        frame.MergeUnder(background, 0, 0, area);
    });
}

void SlideEffect(HDC dc, TKsBitmap& background, const RECT& area, TKsBitmap& image, const RECT& screenRect, int kind,
                 int time)
{
    const int w = RectWidth(area);
    const int h = RectHeight(area);
    int dx = 0;
    int dy = 0;
    RunFrames(dc, area, image, screenRect, time, 0, [&](TKsBitmap& frame, double x) {
        CopyBackground(background, frame);
        const int sx = Round(x * w);
        const int sy = Round(x * h);
        switch (kind) {
        case 0: dx = w - sx, dy = 0; break;
        case 1: dx = 0, dy = h - sy; break;
        case 2: dx = sx - w, dy = 0; break;
        case 3: dx = 0, dy = sy - h; break;
        case 4: dx = sx - w, dy = sy - h; break;
        case 5: dx = w - sx, dy = sy - h; break;
        case 6: dx = sx - w, dy = h - sy; break;
        case 7: dx = w - sx, dy = h - sy; break;
        default: break;  // the previous offset stays
        }
        TPerPixelAlpha blended(image, true);
        image.DrawRect(frame, dx, dy, area);
    });
}

void RectEffect(HDC dc, TKsBitmap& background, const RECT& area, TKsBitmap& image, const RECT& screenRect, int kind,
                int time)
{
    RECT reveal{0, 0, 0, 0};
    RunFrames(dc, area, image, screenRect, time, 5, [&](TKsBitmap& frame, double x) {
        CopyBackground(background, frame);
        const int W = frame.Width();
        const int H = frame.Height();
        const int cx = W / 2;
        const int cy = H / 2;
        const int rx = Round(x * W);
        const int ry = Round(x * H);
        switch (kind) {
        case 0: reveal = RECT{cx - Round(x * cx), cy - Round(x * cy), cx + Round(x * cx), cy + Round(x * cy)}; break;
        case 1: reveal = RECT{0, 0, rx, ry}; break;
        case 2: reveal = RECT{W - rx, 0, W, ry}; break;
        case 3: reveal = RECT{0, H - ry, rx, H}; break;
        case 4: reveal = RECT{W - rx, H - ry, W, H}; break;
        default: break;  // the previous rectangle stays
        }
        if (RectWidth(reveal) <= 0 || RectHeight(reveal) <= 0)
            return;
        TPerPixelAlpha blended(image, true);
        image.DrawRect(frame, reveal.left, reveal.top, reveal);
    });
}
