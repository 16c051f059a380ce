#pragma once
// Test pictures for the benchmark and a stopwatch.

#include "theme/KsBitmap.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Deterministic pseudo-random numbers (xorshift).
class TBenchRandom {
public:
    explicit TBenchRandom(uint32_t seed) : FState(seed) {}
    uint32_t Next();
    // Uniform in [low, high].
    uint32_t Between(uint32_t low, uint32_t high) { return low + Next() % (high - low + 1); }

private:
    uint32_t FState;
};

// Random colours with alpha uniformly in 1..254: every pixel blends.
void FillWorstCase(uint32_t* pixels, size_t count, TBenchRandom& random);
// Like a skin: 70 % opaque, 20 % transparent, 10 % partly transparent, in
// runs as artwork has them.
void FillSkinLike(uint32_t* pixels, size_t count, TBenchRandom& random);
// Random colours, opaque.
void FillOpaque(uint32_t* pixels, size_t count, TBenchRandom& random);

// An atlas from the program's resources, keyed as the Luna theme keys it;
// false (and a synthetic atlas of that size) when the resource is missing.
bool LoadAtlas(TKsBitmap& atlas, const char* name, int width, int height);

// Seconds from the high-resolution counter.
double Now();

// Every rate of the run in Mpix/s, figures measured in time included (as
// the pixels they put on the screen per second), for the ratios to memcpy
// printed at the end of the run.
void RecordRate(const std::string& name, double mpixPerSecond);
const std::vector<std::pair<std::string, double>>& RecordedRates();
