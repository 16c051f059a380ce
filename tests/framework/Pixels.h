#pragma once
// Small helpers for looking at pixels in graphics tests.

#include "framework/Bitmap.h"

#include <cstdint>
#include <vector>

// A 24-bit bitmap of the given size filled with one colour.
inline void MakeFilled(TBitmap& bitmap, int width, int height, TColor color)
{
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(color);
    RECT all{0, 0, width, height};
    bitmap.Canvas().FillRect(all);
}

inline COLORREF PixelAt(TBitmap& bitmap, int x, int y)
{
    return bitmap.Canvas().Pixel(x, y) & 0xFFFFFF;
}

// A whole BMP file in memory: bits per pixel 24 or 32, rows given top row
// first as 0x00RRGGBB (32 bits: 0xAARRGGBB), stored bottom-up unless
// topDown.
inline std::vector<uint8_t> MakeBmpFile(int width, int height, int bits, const std::vector<uint32_t>& pixels,
                                        bool topDown = false)
{
    size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    std::vector<uint8_t> image(stride * height);
    for (int y = 0; y < height; ++y) {
        int row = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            uint32_t p = pixels[y * width + x];
            uint8_t* at = image.data() + stride * row + x * (bits / 8);
            at[0] = uint8_t(p);
            at[1] = uint8_t(p >> 8);
            at[2] = uint8_t(p >> 16);
            if (bits == 32)
                at[3] = uint8_t(p >> 24);
        }
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = topDown ? -height : height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(image.size());
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + image.size());
    std::vector<uint8_t> bytes(reinterpret_cast<uint8_t*>(&file), reinterpret_cast<uint8_t*>(&file) + sizeof file);
    bytes.insert(bytes.end(), reinterpret_cast<uint8_t*>(&info), reinterpret_cast<uint8_t*>(&info) + sizeof info);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}
