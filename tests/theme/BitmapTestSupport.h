#pragma once
// Small helpers the bitmap and theme tests share: deterministic
// pseudo-random pixels and a bitmap of a size filled with one value.

#include "theme/KsBitmap.h"

#include <cstdint>

// Xorshift: the same numbers on every run.
struct TRandom {
    uint32_t State;
    explicit TRandom(uint32_t seed) : State(seed) {}
    uint32_t Next()
    {
        State ^= State << 13;
        State ^= State >> 17;
        State ^= State << 5;
        return State;
    }
};

inline TOwned<TKsBitmap> MakeBitmap(int width, int height, uint32_t fill = 0)
{
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Fill(fill);
    return bitmap;
}
