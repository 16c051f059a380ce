#include "theme/KsHue.h"

#include "theme/KsPixels.h"

#include <cmath>
#include <vector>

namespace {

// The x87 FPU keeps intermediates in 64-bit mantissas, so the same float
// expression could round differently depending on what the compiler keeps
// in registers. Precision control 24 bits rounds every operation as
// single-precision float does (our values stay far from the exponent
// limits); round-to-nearest is the default mode, set explicitly.
class TSinglePrecisionFpu {
public:
    TSinglePrecisionFpu()
    {
        __asm__ __volatile__("fnstcw %0" : "=m"(FSaved) : : "memory");
        unsigned short single = static_cast<unsigned short>(FSaved & ~0x0F00);
        __asm__ __volatile__("fldcw %0" : : "m"(single) : "memory");
    }
    ~TSinglePrecisionFpu() { __asm__ __volatile__("fldcw %0" : : "m"(FSaved) : "memory"); }
    TSinglePrecisionFpu(const TSinglePrecisionFpu&) = delete;
    TSinglePrecisionFpu& operator=(const TSinglePrecisionFpu&) = delete;

private:
    unsigned short FSaved = 0;
};

int RoundToByte(float value)
{
    return static_cast<int>(lrintf(value));
}

// One channel of HSL -> RGB; t is the hue moved by a third for red and blue.
float HueToChannel(float p, float q, float t)
{
    const float x = t - floorf(t);
    const float six = 6.0f * x;
    if (six < 1.0f)
        return p + (q - p) * six;
    if (2.0f * x < 1.0f)
        return q;
    if (3.0f * x < 2.0f)
        return p + (q - p) * (2.0f / 3.0f - x) * 6.0f;
    return p;
}

// Kept out of line (and out of interprocedural analysis) so that no float
// operation of it moves across the precision switch of its callers.
__attribute__((noinline, noipa)) uint32_t ShiftUnguarded(uint32_t pixel, int delta)
{
    const float r = static_cast<float>((pixel >> 16) & 0xFF) / 255.0f;
    const float g = static_cast<float>((pixel >> 8) & 0xFF) / 255.0f;
    const float b = static_cast<float>(pixel & 0xFF) / 255.0f;
    const float max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const float min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const float l = (max + min) / 2.0f;
    float h = 0.0f;
    float s = 0.0f;
    if (max != min) {
        const float d = max - min;
        s = l >= 0.5f ? d / (2.0f - max - min) : d / (max + min);
        if (max == r)
            h = (g - b) / d;
        else if (max != g)
            h = (r - g) / d + 4.0f;
        else
            h = (b - r) / d + 2.0f;
        h = h / 6.0f;
        if (h < 0.0f)
            h = h + 1.0f;
    }

    int hue = RoundToByte(h * 255.0f) + delta;
    if (hue > 255)
        hue -= 255;
    if (hue < 0)
        hue += 255;
    const float shifted = static_cast<float>(hue) / 255.0f;

    if (s == 0.0f) {
        const int grey = RoundToByte(l * 255.0f);
        return MakeColor(grey, grey, grey, 255);
    }
    const float q = l > 0.5f ? l + s - l * s : l * (s + 1.0f);
    const float p = 2.0f * l - q;
    const int red = RoundToByte(255.0f * HueToChannel(p, q, shifted + 1.0f / 3.0f));
    const int green = RoundToByte(255.0f * HueToChannel(p, q, shifted));
    const int blue = RoundToByte(255.0f * HueToChannel(p, q, shifted - 1.0f / 3.0f));
    return MakeColor(red, green, blue, 255);
}

// Colour -> shifted pixel for one call, open addressing on the 24-bit
// colour. Past half full it stops remembering and computes the rest.
class TShiftCache {
public:
    explicit TShiftCache(int delta) : FDelta(delta), FKeys(Size, Unused), FValues(Size) {}

    uint32_t Shift(uint32_t colour)
    {
        size_t slot = (colour * 2654435761u) >> (32 - SizeBits);
        while (FKeys[slot] != Unused) {
            if (FKeys[slot] == colour)
                return FValues[slot];
            slot = (slot + 1) & (Size - 1);
        }
        const uint32_t shifted = ShiftUnguarded(colour, FDelta);
        if (FUsed < Size / 2) {
            FKeys[slot] = colour;
            FValues[slot] = shifted;
            ++FUsed;
        }
        return shifted;
    }

private:
    static constexpr int SizeBits = 15;
    static constexpr size_t Size = size_t(1) << SizeBits;
    // Colours have 24 bits: this key is never one.
    static constexpr uint32_t Unused = 0xFFFFFFFFu;

    int FDelta;
    std::vector<uint32_t> FKeys;
    std::vector<uint32_t> FValues;
    size_t FUsed = 0;
};

}  // namespace

uint32_t HueShiftPixel(uint32_t pixel, int delta)
{
    TSinglePrecisionFpu fpu;
    return ShiftUnguarded(pixel, delta);
}

void HueShiftPixels(uint32_t* pixels, size_t count, int delta)
{
    TSinglePrecisionFpu fpu;
    TShiftCache cache(delta);
    // Atlases come in runs of one colour: the last answer is kept at hand.
    uint32_t lastColour = 0xFFFFFFFFu;
    uint32_t lastShifted = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t pixel = pixels[i];
        if ((pixel >> 24) == 0)
            continue;
        const uint32_t colour = pixel & 0x00FFFFFFu;
        if (colour != lastColour) {
            lastColour = colour;
            lastShifted = cache.Shift(colour);
        }
        pixels[i] = lastShifted;
    }
}
