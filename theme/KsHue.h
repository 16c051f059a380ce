#pragma once
// The hue shift that re-tints theme atlases: a pixel goes to HSL in
// single-precision float, its hue (in 255ths of a turn, rounded to nearest,
// ties to even) moves by delta with one wrap, and it comes back to RGB as
// an opaque pixel. Greys keep their value.

#include <cstddef>
#include <cstdint>

// One pixel, computed directly: the reference.
uint32_t HueShiftPixel(uint32_t pixel, int delta);

// Every pixel whose alpha is not 0 := HueShiftPixel(pixel, delta); pixels
// of alpha 0 stay. Gives exactly the reference's results, but computes each
// distinct colour once (atlases have few).
void HueShiftPixels(uint32_t* pixels, size_t count, int delta);
