// gallery OUTPUT.bmp: draws every element of the Luna theme at hue 0 and at
// hue 60, then the live controls drawn by themselves, and writes the page as
// a 24-bit BMP file.

#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Stream.h"
#include "theme/NgLuna.h"
#include "tools/gallery/GalleryPage.h"
#include "tools/gallery/LiveControls.h"

#include <cstdio>
#include <vector>

namespace {
// The page as a 24-bit BMP file, written by the framework's bitmap.
bool WriteBmp(const TKsBitmap& page, const char* path)
{
    TBitmap image;
    image.Assign(&page);
    TMemoryStream stream;
    image.SaveToStream(stream);
    const std::vector<uint8_t>& bytes = stream.Data();
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    bool ok = std::fwrite(bytes.data(), bytes.size(), 1, out) == 1;
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
        page->SetSize(2 * GalleryColumnWidth, GalleryColumnHeight + LiveControlsHeight);
        page->Fill(MakeColor(236, 233, 216, 255));
        TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
        DrawGalleryColumn(*luna, *page, 0, 0, "Luna XP, DeltaHue 0");
        luna->SetDeltaHue(60);
        DrawGalleryColumn(*luna, *page, GalleryColumnWidth, 0, "Luna XP, DeltaHue 60");
        DrawLiveControls(*page, 0, GalleryColumnHeight, 0);
        DrawLiveControls(*page, GalleryColumnWidth, GalleryColumnHeight, 60);
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
