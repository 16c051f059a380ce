#include "tools/bench/BenchData.h"

#include "framework/Stream.h"

#include <windows.h>

uint32_t TBenchRandom::Next()
{
    FState ^= FState << 13;
    FState ^= FState >> 17;
    FState ^= FState << 5;
    return FState;
}

void FillWorstCase(uint32_t* pixels, size_t count, TBenchRandom& random)
{
    for (size_t i = 0; i < count; ++i)
        pixels[i] = (random.Next() & 0x00FFFFFFu) | random.Between(1, 254) << 24;
}

void FillSkinLike(uint32_t* pixels, size_t count, TBenchRandom& random)
{
    size_t i = 0;
    while (i < count) {
        const uint32_t kind = random.Between(0, 99);
        const size_t run = random.Between(1, 24);
        for (size_t j = 0; j < run && i < count; ++j, ++i) {
            const uint32_t colour = random.Next() & 0x00FFFFFFu;
            if (kind < 70)
                pixels[i] = colour | 0xFF000000u;
            else if (kind < 90)
                pixels[i] = colour;
            else
                pixels[i] = colour | random.Between(1, 254) << 24;
        }
    }
}

void FillOpaque(uint32_t* pixels, size_t count, TBenchRandom& random)
{
    for (size_t i = 0; i < count; ++i)
        pixels[i] = random.Next() | 0xFF000000u;
}

bool LoadAtlas(TKsBitmap& atlas, const char* name, int width, int height)
{
    try {
        TResourceStream stream(GetModuleHandleA(nullptr), name, RT_RCDATA);
        atlas.LoadFromStream(stream);
        atlas.SetTransparentColor(KsMagentaKey);
        return true;
    } catch (const Exception&) {
    }
    // Artwork-like stand-in: blocks of a few hundred colours, magenta around.
    atlas.SetSize(width, height);
    TBenchRandom random(7);
    std::vector<uint32_t> palette(400);
    for (uint32_t& colour : palette)
        colour = random.Next() | 0xFF000000u;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            atlas.SetPixel(x, y, (x / 7 + y / 5) % 9 == 0 ? 0x00FF00FFu : palette[(x / 3 * 31 + y) % palette.size()]);
    return false;
}

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / frequency;
}

namespace {
std::vector<std::pair<std::string, double>> Rates;
}

void RecordRate(const std::string& name, double mpixPerSecond)
{
    Rates.emplace_back(name, mpixPerSecond);
}

const std::vector<std::pair<std::string, double>>& RecordedRates()
{
    return Rates;
}
