#include "tools/artgen/BmpFile.h"

const Palette16 kVgaPalette = {{
    Rgb(0, 0, 0),
    Rgb(128, 0, 0),
    Rgb(0, 128, 0),
    Rgb(128, 128, 0),
    Rgb(0, 0, 128),
    Rgb(128, 0, 128),
    Rgb(0, 128, 128),
    Rgb(192, 192, 192),
    Rgb(128, 128, 128),
    Rgb(255, 0, 0),
    Rgb(0, 255, 0),
    Rgb(255, 255, 0),
    Rgb(0, 0, 255),
    Rgb(255, 0, 255),
    Rgb(0, 255, 255),
    Rgb(255, 255, 255),
}};

int NearestIndex(const Palette16& palette, Rgb c)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance)
            best = i, bestDistance = d;
    }
    return best;
}

void Put16(Bytes& out, unsigned v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(Bytes& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

int RowBytes(int width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

void PutInfoHeader(Bytes& out, int width, int height, int bitCount, uint32_t imageSize, uint32_t coloursUsed)
{
    Put32(out, 40);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));  // positive: bottom-up
    Put16(out, 1);                 // planes
    Put16(out, unsigned(bitCount));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, coloursUsed);
    Put32(out, 0);  // all colours important
}

void PutPalette(Bytes& out, const Palette16& palette)
{
    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

void PutRows4(Bytes& out, const Canvas& canvas, const Palette16& palette)
{
    const int stride = RowBytes(canvas.Width(), 4);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        Bytes row(std::size_t(stride), 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            const int index = NearestIndex(palette, canvas.At(x, y));
            row[std::size_t(x / 2)] |= uint8_t(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

namespace {

void PutFileHeader(Bytes& out, uint32_t fileSize, uint32_t bitsOffset)
{
    out.push_back('B');
    out.push_back('M');
    Put32(out, fileSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
}

}  // namespace

Bytes EncodeBmp24(const Canvas& canvas)
{
    const int stride = RowBytes(canvas.Width(), 24);
    const uint32_t imageSize = uint32_t(stride) * canvas.Height();
    Bytes out;
    PutFileHeader(out, 14 + 40 + imageSize, 14 + 40);
    PutInfoHeader(out, canvas.Width(), canvas.Height(), 24, imageSize, 0);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb c = canvas.At(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (int pad = canvas.Width() * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

Bytes EncodeBmp4(const Canvas& canvas, const Palette16& palette)
{
    const uint32_t imageSize = uint32_t(RowBytes(canvas.Width(), 4)) * canvas.Height();
    const uint32_t bitsOffset = 14 + 40 + 16 * 4;
    Bytes out;
    PutFileHeader(out, bitsOffset + imageSize, bitsOffset);
    PutInfoHeader(out, canvas.Width(), canvas.Height(), 4, imageSize, 16);
    PutPalette(out, palette);
    PutRows4(out, canvas, palette);
    return out;
}
