#pragma once
// Windows bitmap files: 24-bit without colour table for the atlases, 4-bit
// with a 16-colour table for the small glyph bitmaps. Rows bottom-up, each
// padded to 4 bytes, full file header.
#include "tools/artgen/Canvas.h"

#include <array>
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;
using Palette16 = std::array<Rgb, 16>;

// The 16 colours of the standard VGA palette, in the Windows order.
extern const Palette16 kVgaPalette;

// Index of the palette colour nearest to c (first one on a tie).
int NearestIndex(const Palette16& palette, Rgb c);

Bytes EncodeBmp24(const Canvas& canvas);
Bytes EncodeBmp4(const Canvas& canvas, const Palette16& palette);

// Little-endian helpers shared with the icon writer.
void Put16(Bytes& out, unsigned v);
void Put32(Bytes& out, uint32_t v);
// BITMAPINFOHEADER (40 bytes).
void PutInfoHeader(Bytes& out, int width, int height, int bitCount, uint32_t imageSize, uint32_t coloursUsed);
// The 16-entry colour table (RGBQUAD: blue, green, red, 0).
void PutPalette(Bytes& out, const Palette16& palette);
// 4-bit pixel rows, bottom-up, each padded to 4 bytes.
void PutRows4(Bytes& out, const Canvas& canvas, const Palette16& palette);
int RowBytes(int width, int bitCount);
