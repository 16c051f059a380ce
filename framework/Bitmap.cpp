#include "framework/Bitmap.h"

#include "framework/ClassBuilder.h"
#include "framework/Picture.h"
#include "framework/Stream.h"
#include "framework/Strings.h"

#include <cstring>

IMPLEMENT_ENUM_INFO(TPixelFormat, "pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf24bit", "pf32bit")

IMPLEMENT_CLASS(TBitmap)
{
    Property("ResourceName", &TBitmap::ResourceName, &TBitmap::SetResourceName, std::string());
    Property("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent, false);
    Property("TransparentColor", &TBitmap::FTransparentColor, &TBitmap::SetTransparentColor, clDefault);
}

namespace {

// Sane limits for images read from files and resources.
const long MaxExtent = 32767;

struct TBitmapInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

int BitsOf(TPixelFormat format)
{
    switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf24bit: return 24;
    case pf32bit: return 32;
    case pfDevice: break;
    }
    return 0;
}

bool FormatOfBits(int bits, TPixelFormat& format)
{
    switch (bits) {
    case 1: format = pf1bit; return true;
    case 4: format = pf4bit; return true;
    case 8: format = pf8bit; return true;
    case 24: format = pf24bit; return true;
    case 32: format = pf32bit; return true;
    default: return false;
    }
}

size_t RowBytes(long width, int bits)
{
    return ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
}

// The header of a bottom-up, uncompressed image.
BITMAPINFOHEADER DibHeader(int width, int height, int bits)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    return header;
}

RGBQUAD Quad(BYTE red, BYTE green, BYTE blue)
{
    return RGBQUAD{blue, green, red, 0};
}

// The sixteen colours every display has, in the system's order; 8-bit
// images add a colour cube and a grey ramp.
std::vector<RGBQUAD> StandardColors(TPixelFormat format)
{
    std::vector<RGBQUAD> colors;
    if (format == pf1bit) {
        colors = {Quad(0, 0, 0), Quad(255, 255, 255)};
    } else if (format == pf4bit || format == pf8bit) {
        colors = {Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
                  Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
                  Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
                  Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};
        if (format == pf8bit) {
            for (int r = 0; r < 6; ++r)
                for (int g = 0; g < 6; ++g)
                    for (int b = 0; b < 6; ++b)
                        colors.push_back(Quad(BYTE(r * 51), BYTE(g * 51), BYTE(b * 51)));
            for (int i = 0; i < 24; ++i) {
                BYTE level = BYTE(8 + i * 10);
                colors.push_back(Quad(level, level, level));
            }
        }
    }
    return colors;
}

void FillWhite(HBITMAP bitmap, int width, int height)
{
    TMemoryDC dc;
    TSelectObject selected(dc.Get(), bitmap);
    PatBlt(dc.Get(), 0, 0, width, height, WHITENESS);
}

}

// The bitmap selected into a DC for a scope: the canvas's own DC when it
// has one (a bitmap can be selected into only one DC), else a new one.
class TBitmap::TScopedDC {
public:
    explicit TScopedDC(const TBitmap& bitmap)
    {
        if (bitmap.FCanvasDC) {
            FHandle = bitmap.FCanvasDC.Get();
        } else {
            FTemporary = std::make_unique<TMemoryDC>();
            FSelected = std::make_unique<TSelectObject>(FTemporary->Get(), bitmap.FHandle.Get());
            FHandle = FTemporary->Get();
        }
    }
    HDC Get() const { return FHandle; }

private:
    std::unique_ptr<TMemoryDC> FTemporary;
    std::unique_ptr<TSelectObject> FSelected;  // destroyed first: deselects before the DC goes
    HDC FHandle = nullptr;
};

TBitmap::TBitmap() : FCanvas(MakeOwned<TCanvas>()) {}

TBitmap::~TBitmap()
{
    Dormant();
}

void TBitmap::Dormant()
{
    if (!FCanvasDC)
        return;
    FCanvas->SetHandle(nullptr);
    if (FCanvasOldBitmap)
        SelectObject(FCanvasDC.Get(), FCanvasOldBitmap);
    FCanvasOldBitmap = nullptr;
    FCanvasDC.Reset();
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvasDC) {
        FCanvasDC.Reset(CreateCompatibleDC(nullptr));
        if (!FCanvasDC)
            throw EOutOfResources("Out of system resources");
        if (FHandle)
            FCanvasOldBitmap = SelectObject(FCanvasDC.Get(), FHandle.Get());
        FCanvas->SetHandle(FCanvasDC.Get());
    }
    return *FCanvas;
}

HBITMAP TBitmap::Handle()
{
    Dormant();
    return FHandle.Get();
}

void TBitmap::FreeImage()
{
    Dormant();
    FHandle.Reset();
    FWidth = FHeight = 0;
    FResourceName.clear();
}

void TBitmap::AdoptImage(HBITMAP bitmap, TPixelFormat format, int width, int height)
{
    // A canvas in use goes on drawing on the new image.
    bool canvasInUse = static_cast<bool>(FCanvasDC);
    FreeImage();
    FHandle.Reset(bitmap);
    FPixelFormat = format;
    FWidth = width;
    FHeight = height;
    if (canvasInUse)
        Canvas();
}

void TBitmap::CreateImage(TPixelFormat format, int width, int height, const std::vector<RGBQUAD>& colors)
{
    TGdiHandle<HBITMAP> image;
    if (format == pfDevice) {
        TWindowDC screen(nullptr);
        image.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    } else {
        TBitmapInfo info{};
        info.Header = DibHeader(width, height, BitsOf(format));
        info.Header.biClrUsed = static_cast<DWORD>(colors.size());
        if (!colors.empty())
            std::memcpy(info.Colors, colors.data(), colors.size() * sizeof(RGBQUAD));
        void* bits = nullptr;
        image.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    if (!image)
        throw EOutOfResources("Out of system resources");
    FillWhite(image.Get(), width, height);
    AdoptImage(image.Release(), format, width, height);
    FColors = colors;
}

void TBitmap::NewImage(int width, int height)
{
    if (BitsOf(FPixelFormat) <= 8 && FPixelFormat != pfDevice && FColors.empty())
        FColors = StandardColors(FPixelFormat);
    CreateImage(FPixelFormat, width, height, FColors);
}

HBITMAP TBitmap::CopiedImage(TPixelFormat format, const std::vector<RGBQUAD>& colors) const
{
    TBitmap copy;
    copy.CreateImage(format, FWidth, FHeight, colors);
    {
        TScopedDC from(*this);
        TScopedDC to(copy);
        BitBlt(to.Get(), 0, 0, FWidth, FHeight, from.Get(), 0, 0, SRCCOPY);
    }
    return copy.FHandle.Release();
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (width == FWidth && height == FHeight)
        return;
    if (width == 0 || height == 0) {
        FreeImage();
    } else {
        NewImage(width, height);
    }
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == FPixelFormat)
        return;
    std::vector<RGBQUAD> colors = StandardColors(format);
    if (Empty()) {
        FPixelFormat = format;
        FColors = colors;
        return;
    }
    std::string resourceName = FResourceName;
    // Draw the old image into one of the new format.
    AdoptImage(CopiedImage(format, colors), format, FWidth, FHeight);
    FColors = colors;
    FResourceName = resourceName;
    Changed();
}

void TBitmap::SetHandle(HBITMAP bitmap)
{
    if (bitmap == FHandle.Get())
        return;
    if (!bitmap) {
        FreeImage();
        Changed();
        return;
    }
    DIBSECTION section{};
    int got = GetObjectA(bitmap, sizeof section, &section);
    if (got == 0)
        throw EInvalidGraphic("Invalid bitmap handle");
    TPixelFormat format = pfDevice;
    std::vector<RGBQUAD> colors;
    if (got == sizeof(DIBSECTION) && FormatOfBits(section.dsBm.bmBitsPixel, format) && BitsOf(format) <= 8) {
        RGBQUAD table[256];
        TMemoryDC dc;
        TSelectObject selected(dc.Get(), bitmap);
        UINT count = GetDIBColorTable(dc.Get(), 0, 256, table);
        colors.assign(table, table + count);
    } else if (got != sizeof(DIBSECTION)) {
        format = pfDevice;
    }
    AdoptImage(bitmap, format, section.dsBm.bmWidth, section.dsBm.bmHeight);
    FColors = colors;
    Changed();
}

HBITMAP TBitmap::ReleaseHandle()
{
    Dormant();
    HBITMAP bitmap = FHandle.Release();
    FWidth = FHeight = 0;
    FResourceName.clear();
    Changed();
    return bitmap;
}

void TBitmap::LoadDib(const BYTE* data, size_t size, size_t bitsOffset)
{
    auto invalid = [] { throw EInvalidGraphic("Bitmap image is not valid"); };
    if (size < sizeof(BITMAPINFOHEADER))
        invalid();
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size || header.biPlanes != 1)
        invalid();
    TPixelFormat format;
    if (!FormatOfBits(header.biBitCount, format))
        throw EInvalidGraphic("Unsupported bitmap format");
    size_t masks = 0;
    if (header.biCompression == BI_BITFIELDS && header.biBitCount == 32) {
        // Only the plain 8-8-8 layout, which is the same as BI_RGB.
        DWORD mask[3];
        size_t at = header.biSize == sizeof(BITMAPINFOHEADER) ? header.biSize : 40;
        if (at + sizeof mask > size)
            invalid();
        std::memcpy(mask, data + at, sizeof mask);
        if (mask[0] != 0xFF0000 || mask[1] != 0xFF00 || mask[2] != 0xFF)
            throw EInvalidGraphic("Unsupported bitmap format");
        if (header.biSize == sizeof(BITMAPINFOHEADER))
            masks = sizeof mask;
    } else if (header.biCompression != BI_RGB) {
        throw EInvalidGraphic("Unsupported bitmap format");
    }
    long width = header.biWidth;
    long height = header.biHeight < 0 ? -static_cast<long>(header.biHeight) : header.biHeight;
    bool topDown = header.biHeight < 0;
    if (width <= 0 || height <= 0 || width > MaxExtent || height > MaxExtent)
        invalid();

    size_t colorCount = header.biClrUsed;
    if (header.biBitCount <= 8) {
        size_t maximum = size_t(1) << header.biBitCount;
        if (colorCount == 0)
            colorCount = maximum;
        if (colorCount > maximum)
            invalid();
    }
    size_t tableOffset = header.biSize + masks;
    if (colorCount > 256 || tableOffset + colorCount * sizeof(RGBQUAD) > size)
        invalid();
    if (bitsOffset == 0)
        bitsOffset = tableOffset + colorCount * sizeof(RGBQUAD);
    size_t stride = RowBytes(width, header.biBitCount);
    size_t imageSize = stride * static_cast<size_t>(height);
    if (bitsOffset > size || size - bitsOffset < imageSize)
        invalid();

    std::vector<RGBQUAD> colors;
    if (header.biBitCount <= 8) {
        colors.resize(colorCount);
        std::memcpy(colors.data(), data + tableOffset, colorCount * sizeof(RGBQUAD));
    }

    TBitmapInfo info{};
    info.Header = header;
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biHeight = height;  // always bottom-up in memory
    info.Header.biCompression = BI_RGB;
    info.Header.biSizeImage = 0;
    info.Header.biClrUsed = static_cast<DWORD>(colors.size());
    if (!colors.empty())
        std::memcpy(info.Colors, colors.data(), colors.size() * sizeof(RGBQUAD));
    void* bits = nullptr;
    TGdiHandle<HBITMAP> image(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!image || !bits)
        throw EOutOfResources("Out of system resources");
    const BYTE* source = data + bitsOffset;
    BYTE* target = static_cast<BYTE*>(bits);
    if (!topDown) {
        std::memcpy(target, source, imageSize);
    } else {
        for (long row = 0; row < height; ++row)
            std::memcpy(target + stride * static_cast<size_t>(height - 1 - row),
                        source + stride * static_cast<size_t>(row), stride);
    }
    AdoptImage(image.Release(), format, static_cast<int>(width), static_cast<int>(height));
    FColors = colors;
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name)
{
    TResourceStream stream(instance, name, RT_BITMAP);
    LoadDib(stream.Memory(), stream.Size(), 0);
    FResourceName = name;
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    BITMAPFILEHEADER file;
    size_t available = stream.Size() - stream.Position();
    if (available < sizeof file)
        throw EInvalidGraphic("Bitmap image is not valid");
    stream.ReadBuffer(&file, sizeof file);
    available -= sizeof file;
    if (file.bfType != 0x4D42 || file.bfOffBits < sizeof file)
        throw EInvalidGraphic("Bitmap image is not valid");
    // The file's own length when it is believable: the stream may go on.
    size_t length = available;
    if (file.bfSize > sizeof file + sizeof(BITMAPINFOHEADER) && file.bfSize - sizeof file <= available)
        length = file.bfSize - sizeof file;
    std::vector<BYTE> data(length);
    stream.ReadBuffer(data.data(), length);
    LoadDib(data.data(), data.size(), file.bfOffBits - sizeof file);
    Changed();
}

void TBitmap::SaveToStream(TStream& stream)
{
    if (Empty())
        return;
    int bits = FPixelFormat == pfDevice ? 24 : BitsOf(FPixelFormat);
    size_t stride = RowBytes(FWidth, bits);
    std::vector<BYTE> pixels(stride * static_cast<size_t>(FHeight));
    std::vector<RGBQUAD> colors;

    DIBSECTION section{};
    Dormant();
    if (FPixelFormat != pfDevice && GetObjectA(FHandle.Get(), sizeof section, &section) == sizeof section &&
        section.dsBm.bmBits) {
        // The section's own memory: exact, alpha bytes included.
        GdiFlush();
        bool topDown = section.dsBmih.biHeight < 0;
        const BYTE* memory = static_cast<const BYTE*>(section.dsBm.bmBits);
        for (int row = 0; row < FHeight; ++row) {
            int from = topDown ? FHeight - 1 - row : row;
            std::memcpy(pixels.data() + stride * static_cast<size_t>(row), memory + stride * static_cast<size_t>(from),
                        stride);
        }
        colors = FColors;
    } else {
        TBitmapInfo info{};
        info.Header = DibHeader(FWidth, FHeight, bits);
        TWindowDC screen(nullptr);
        if (!GetDIBits(screen.Get(), FHandle.Get(), 0, FHeight, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                       DIB_RGB_COLORS))
            throw EOutOfResources("Out of system resources");
    }

    BITMAPINFOHEADER header = DibHeader(FWidth, FHeight, bits);
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    header.biClrUsed = static_cast<DWORD>(colors.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = static_cast<DWORD>(sizeof file + sizeof header + colors.size() * sizeof(RGBQUAD));
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    stream.WriteBuffer(&file, sizeof file);
    stream.WriteBuffer(&header, sizeof header);
    if (!colors.empty())
        stream.WriteBuffer(colors.data(), colors.size() * sizeof(RGBQUAD));
    stream.WriteBuffer(pixels.data(), pixels.size());
}

void TBitmap::SetResourceName(const std::string& name)
{
    if (name.empty()) {
        FResourceName.clear();
        return;
    }
    if (name == FResourceName && !Empty())
        return;
    LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

void TBitmap::SetTransparent(bool transparent)
{
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    Changed();
}

TColor TBitmap::TransparentColor()
{
    if (FTransparentColor != clDefault || Empty())
        return FTransparentColor;
    TScopedDC dc(*this);
    return static_cast<TColor>(GetPixel(dc.Get(), 0, FHeight - 1) & 0xFFFFFF);
}

void TBitmap::SetTransparentColor(TColor color)
{
    if (color == FTransparentColor)
        return;
    FTransparentColor = color;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect)
{
    if (Empty() || !canvas.Handle())
        return;
    TColor key = FTransparent ? TransparentColor() : clNone;
    TScopedDC source(*this);
    if (FTransparent && key != clDefault && key != clNone) {
        DrawTransparent(canvas.Handle(), rect, source.Get(), ColorToRGB(key));
    } else {
        StretchBlt(canvas.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Get(),
                   0, 0, FWidth, FHeight, SRCCOPY);
    }
}

void TBitmap::DrawTransparent(HDC target, const RECT& rect, HDC source, COLORREF key)
{
    // Windows 95 has no TransparentBlt: a monochrome mask (white where the
    // key colour is) combined with two inverting copies of the image leaves
    // the target's pixels under the key colour as they were.
    TMemoryDC maskDC(target);
    TGdiHandle<HBITMAP> mask(CreateBitmap(FWidth, FHeight, 1, 1, nullptr));
    if (!maskDC || !mask)
        throw EOutOfResources("Out of system resources");
    TSelectObject maskSelected(maskDC.Get(), mask.Get());
    COLORREF oldBack = SetBkColor(source, key);
    BitBlt(maskDC.Get(), 0, 0, FWidth, FHeight, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBack);

    TSavedDC saved(target);
    SetBkColor(target, RGB(255, 255, 255));
    SetTextColor(target, RGB(0, 0, 0));
    SetStretchBltMode(target, COLORONCOLOR);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    StretchBlt(target, rect.left, rect.top, width, height, source, 0, 0, FWidth, FHeight, SRCINVERT);
    StretchBlt(target, rect.left, rect.top, width, height, maskDC.Get(), 0, 0, FWidth, FHeight, SRCAND);
    StretchBlt(target, rect.left, rect.top, width, height, source, 0, 0, FWidth, FHeight, SRCINVERT);
}

void TBitmap::Assign(const TPersistent* source)
{
    if (source == this)
        return;
    if (!source) {
        FreeImage();
        Changed();
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        Assign(picture->Graphic());
        return;
    }
    if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        if (bitmap->Empty()) {
            FreeImage();
            FPixelFormat = bitmap->FPixelFormat;
        } else {
            AdoptImage(bitmap->CopiedImage(bitmap->FPixelFormat, bitmap->FColors), bitmap->FPixelFormat, bitmap->FWidth,
                       bitmap->FHeight);
        }
        FColors = bitmap->FColors;
        FTransparent = bitmap->FTransparent;
        FTransparentColor = bitmap->FTransparentColor;
        FResourceName = bitmap->FResourceName;
        Changed();
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        if (graphic->Empty()) {
            FreeImage();
        } else {
            int width = graphic->Width();
            int height = graphic->Height();
            NewImage(width, height);
            RECT rect{0, 0, width, height};
            const_cast<TGraphic*>(graphic)->Draw(Canvas(), rect);
        }
        Changed();
        return;
    }
    inherited::Assign(source);
}
