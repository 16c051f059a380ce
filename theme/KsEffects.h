#pragma once
// Show-animation effects: a window's finished image appears over what the
// screen showed behind it, fading in, sliding in from a side or corner, or
// growing as a rectangle. Each effect composes its frames off-screen and
// copies one frame per step to the screen DC, until the animation time is
// used up; the frame time is measured, so a slow machine shows fewer
// frames rather than a longer animation.

#include <windows.h>

#include <cstdint>

class TKsBitmap;

// Where the stopwatch reads its time. Tests put a stand-in in place; the
// default is the performance counter.
struct TKsClock {
    // Counts per second; false when the platform has no such counter.
    bool (*Frequency)(uint64_t& frequency);
    uint64_t (*Counter)();
};
extern TKsClock KsClock;
extern const TKsClock KsPerformanceClock;

// A stopwatch. Without a performance counter it counts milliseconds.
class TKsCounter {
public:
    TKsCounter();
    void Start();
    // Stops and returns the seconds since Start (never negative).
    float Stop();
    bool Running() const { return FRunning; }
    float Elapsed() const { return FElapsed; }
    uint64_t Frequency() const { return FFrequency; }

private:
    uint64_t Now() const;

    uint64_t FFrequency = 0;
    bool FTickCount = false;  // the millisecond fallback is in use
    uint64_t FStart = 0;
    uint64_t FStop = 0;
    bool FRunning = false;
    float FElapsed = 0;
};

// Makes a counter and starts it.
void StartCounter(TKsCounter*& counter);
// 0 without a counter; otherwise stops and frees it, clears the
// reference and returns the seconds it ran.
float StopCounter(TKsCounter*& counter);

// A random number 0 <= n < range from the generator the effects share,
// seeded once when the program starts.
int KsRandom(int range);

// The inputs of every effect: dc the screen; background what the screen
// showed behind the window (at least as large as area); area (0, 0, w, h);
// image the window's final look; screenRect.left/top where area lies on
// the screen; time in milliseconds.
void FadeEffect(HDC dc, TKsBitmap& background, const RECT& area, TKsBitmap& image, const RECT& screenRect, int time);
// kind 0-7: from the right, bottom, left, top, top-left, top-right,
// bottom-left, bottom-right.
void SlideEffect(HDC dc, TKsBitmap& background, const RECT& area, TKsBitmap& image, const RECT& screenRect, int kind,
                 int time);
// kind 0-4: grows from the centre, top-left, top-right, bottom-left,
// bottom-right.
void RectEffect(HDC dc, TKsBitmap& background, const RECT& area, TKsBitmap& image, const RECT& screenRect, int kind,
                int time);
