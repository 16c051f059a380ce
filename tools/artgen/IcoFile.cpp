#include "tools/artgen/IcoFile.h"

namespace {

Bytes EncodeImage(const Canvas& image, const Palette16& palette)
{
    // Transparent pixels are black in the colour bits so that the AND/XOR
    // pair leaves the screen untouched there.
    Canvas colour = image;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == kKey)
                colour.Set(x, y, Rgb(0, 0, 0));

    const int maskStride = RowBytes(image.Width(), 1);
    const uint32_t xorSize = uint32_t(RowBytes(image.Width(), 4)) * image.Height();
    const uint32_t andSize = uint32_t(maskStride) * image.Height();
    Bytes out;
    PutInfoHeader(out, image.Width(), image.Height() * 2, 4, xorSize + andSize, 16);
    PutPalette(out, palette);
    PutRows4(out, colour, palette);
    for (int y = image.Height() - 1; y >= 0; --y) {
        Bytes row(std::size_t(maskStride), 0);
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == kKey)
                row[std::size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes EncodeIco4(const std::vector<Canvas>& images, const Palette16& palette)
{
    std::vector<Bytes> encoded;
    for (const Canvas& image : images)
        encoded.push_back(EncodeImage(image, palette));

    Bytes out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, unsigned(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(uint8_t(images[i].Width()));
        out.push_back(uint8_t(images[i].Height()));
        out.push_back(16);  // colours
        out.push_back(0);
        Put16(out, 1);  // planes
        Put16(out, 4);  // bits per pixel
        Put32(out, uint32_t(encoded[i].size()));
        Put32(out, offset);
        offset += uint32_t(encoded[i].size());
    }
    for (const Bytes& e : encoded)
        out.insert(out.end(), e.begin(), e.end());
    return out;
}
