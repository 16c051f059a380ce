// gallery OUTPUT.bmp: draws every element of the Luna theme at hue 0 and at
// hue 60 and writes the page as a 24-bit BMP file.

#include "framework/Application.h"
#include "tools/gallery/GalleryPage.h"
#include "theme/NgLuna.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
bool WriteBmp(const TKsBitmap& page, const char* path)
{
    const int width = page.Width();
    const int height = page.Height();
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::vector<unsigned char> rows(info.biSizeImage);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = rows.data() + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = page.GetPixel(x, y);
            row[x * 3] = pixel & 0xFF;
            row[x * 3 + 1] = (pixel >> 8) & 0xFF;
            row[x * 3 + 2] = (pixel >> 16) & 0xFF;
        }
    }
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&info, sizeof(info), 1, out) == 1 &&
              std::fwrite(rows.data(), rows.size(), 1, out) == 1;
    ok = std::fclose(out) == 0 && ok;
    return ok;
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery OUTPUT.bmp\n");
        return 2;
    }
    try {
        StartFramework();
        TOwned<TKsBitmap> page = MakeOwned<TKsBitmap>();
        page->SetSize(2 * GalleryColumnWidth, GalleryColumnHeight);
        page->Fill(MakeColor(236, 233, 216, 255));
        TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
        DrawGalleryColumn(*luna, *page, 0, 0, "Luna XP, DeltaHue 0");
        luna->SetDeltaHue(60);
        DrawGalleryColumn(*luna, *page, GalleryColumnWidth, 0, "Luna XP, DeltaHue 60");
        if (!WriteBmp(*page, argv[1])) {
            std::fprintf(stderr, "gallery: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gallery: %s\n", error.what());
        return 1;
    }
    return 0;
}
