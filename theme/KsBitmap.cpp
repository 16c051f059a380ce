#include "theme/KsBitmap.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/ClassBuilder.h"
#include "framework/Graphic.h"
#include "framework/Picture.h"
#include "framework/Stream.h"
#include "theme/KsBlend.h"
#include "theme/KsHue.h"

#include <algorithm>
#include <cmath>
#include <vector>

IMPLEMENT_CLASS(TKsBitmap) {}

namespace {

HBITMAP GdiCreateDib(const BITMAPINFO* info, void** bits)
{
    return CreateDIBSection(nullptr, info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HDC GdiCreateDC()
{
    return CreateCompatibleDC(nullptr);
}

HGDIOBJ GdiSelect(HDC dc, HGDIOBJ object)
{
    return SelectObject(dc, object);
}

// Larger bitmaps would overflow the 32-bit byte counts of rows and images.
constexpr long long MaxPixels = 0x1FFFFFFF;

// A range [from, to) of ints, empty when to <= from.
struct TSpan {
    int From;
    int To;
    int Length() const { return To > From ? To - From : 0; }
};

// The offsets [0, length) for which base + offset lies in [0, limit).
TSpan Inside(long long base, int length, int limit)
{
    const long long from = std::max<long long>(0, -base);
    const long long to = std::min<long long>(length, static_cast<long long>(limit) - base);
    if (to <= from)
        return TSpan{0, 0};
    return TSpan{static_cast<int>(from), static_cast<int>(to)};
}

// 64-bit multiply, then a division rounded to nearest (values >= 0).
int MulDivRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>((2 * product + denominator) / (2LL * denominator));
}

// f + (t - f) * k / n rounded to nearest, ties to even, in floating point.
int GradientChannel(int from, int to, int k, int n)
{
    const double start = from * 255.0;
    const double value = (start + (to * 255.0 - start) * k / n) / 255.0;
    return static_cast<int>(std::lrint(value));
}

uint32_t GradientColor(uint32_t from, uint32_t to, int k, int n)
{
    auto channel = [&](int shift) { return GradientChannel((from >> shift) & 0xFF, (to >> shift) & 0xFF, k, n); };
    return MakeColor(channel(16), channel(8), channel(0), channel(24));
}

}  // namespace

const TKsBitmapAllocator KsBitmapGdiAllocator = {GdiCreateDib, GdiCreateDC, GdiSelect};
TKsBitmapAllocator KsBitmapAllocator = KsBitmapGdiAllocator;

TKsBitmap::TKsBitmap() : FFont(MakeOwned<TFont>())
{
    FInfo.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    FInfo.bmiHeader.biPlanes = 1;
    FInfo.bmiHeader.biBitCount = 32;
    FInfo.bmiHeader.biCompression = BI_RGB;
}

TKsBitmap::~TKsBitmap()
{
    FreeBitmap();
}

void TKsBitmap::FreeBitmap()
{
    if (FDC) {
        SelectObject(FDC, FOldBitmap);
        DeleteDC(FDC);
    }
    if (FDib)
        DeleteObject(FDib);
    FDC = nullptr;
    FDib = nullptr;
    FOldBitmap = nullptr;
    FBits = nullptr;
    FWidth = 0;
    FHeight = 0;
}

void TKsBitmap::SetSize(int width, int height)
{
    // In 64 bits: the absolute value of INT_MIN does not fit an int.
    const long long w = std::llabs(static_cast<long long>(width));
    const long long h = std::llabs(static_cast<long long>(height));
    if (w == 0 || h == 0 || (w == FWidth && h == FHeight))
        return;
    try {
        FreeBitmap();
        if (w > MaxPixels || h > MaxPixels || w * h > MaxPixels)
            throw EOutOfResources("Can't allocate the DIB handle");
        FInfo.bmiHeader.biWidth = static_cast<LONG>(w);
        FInfo.bmiHeader.biHeight = -static_cast<LONG>(h);

        void* bits = nullptr;
        HBITMAP dib = KsBitmapAllocator.CreateDib(&FInfo, &bits);
        if (!dib || !bits) {
            if (dib)
                DeleteObject(dib);
            throw EOutOfResources("Can't allocate the DIB handle");
        }
        HDC dc = KsBitmapAllocator.CreateDC();
        if (!dc) {
            DeleteObject(dib);
            throw EOutOfResources("Can't create compatible DC");
        }
        HGDIOBJ old = KsBitmapAllocator.Select(dc, dib);
        if (!old) {
            DeleteDC(dc);
            DeleteObject(dib);
            throw EOutOfResources("Can't select an object into DC");
        }
        // Shrinking stretches drop pixels instead of AND-ing them together,
        // which would darken colour artwork.
        SetStretchBltMode(dc, COLORONCOLOR);
        FDib = dib;
        FDC = dc;
        FOldBitmap = old;
        FBits = static_cast<uint32_t*>(bits);
        FWidth = static_cast<int>(w);
        FHeight = static_cast<int>(h);
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
}

void TKsBitmap::Changed()
{
    OnChange(this);
}

// ---------------------------------------------------------------- loading

void TKsBitmap::LoadFromStream(TStream& stream)
{
    // The framework's loader checks the file; its image is then assigned.
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    bitmap->LoadFromStream(stream);
    Assign(bitmap.get());
}

void TKsBitmap::CopyFromBitmap(const TBitmap& bitmap)
{
    SetSize(bitmap.Width(), bitmap.Height());
    if (Empty())
        return;
    // Drawing on a bitmap's canvas does not change the image: reading
    // through it is safe on a const source.
    TBitmap& source = const_cast<TBitmap&>(bitmap);
    BitBlt(FDC, 0, 0, FWidth, FHeight, source.Canvas().Handle(), 0, 0, SRCCOPY);
    SetAlpha(255);
}

void TKsBitmap::DrawGraphic(const TGraphic& graphic, int width, int height)
{
    SetSize(width, height);
    if (Empty())
        return;
    {
        TCanvas canvas(FDC);
        const_cast<TGraphic&>(graphic).Draw(canvas, RECT{0, 0, FWidth, FHeight});
    }
    SetAlpha(255);
}

void TKsBitmap::Assign(const TPersistent* source)
{
    if (dynamic_cast<const TKsBitmap*>(source))
        return;
    if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        CopyFromBitmap(*bitmap);
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        DrawGraphic(*graphic, graphic->Width(), graphic->Height());
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (auto* bitmap = dynamic_cast<const TBitmap*>(picture->Graphic()))
            CopyFromBitmap(*bitmap);
        else if (picture->Graphic())
            DrawGraphic(*picture->Graphic(), picture->Width(), picture->Height());
        return;
    }
    inherited::Assign(source);
}

void TKsBitmap::AssignTo(TPersistent* destination) const
{
    TBitmap* bitmap = dynamic_cast<TBitmap*>(destination);
    if (auto* picture = dynamic_cast<TPicture*>(destination))
        bitmap = &picture->Bitmap();
    if (!bitmap) {
        inherited::AssignTo(destination);
        return;
    }
    // Alpha has no place in a 24-bit image: only the colours go over.
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(FWidth, FHeight);
    if (!Empty())
        Draw(bitmap->Canvas(), 0, 0);
}

// ---------------------------------------------------------- pixel access

RECT TKsBitmap::ClipToBounds(const RECT& rect) const
{
    RECT clipped{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0), std::min<LONG>(rect.right, FWidth),
                 std::min<LONG>(rect.bottom, FHeight)};
    if (clipped.right < clipped.left)
        clipped.right = clipped.left;
    if (clipped.bottom < clipped.top)
        clipped.bottom = clipped.top;
    return clipped;
}

uint32_t TKsBitmap::GetPixel(int x, int y) const
{
    if (!FBits || x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        return KsOpaqueBlack;
    return Scanline(y)[x];
}

void TKsBitmap::SetPixel(int x, int y, uint32_t value)
{
    if (FBits && x >= 0 && y >= 0 && x < FWidth && y < FHeight)
        Scanline(y)[x] = value;
}

void TKsBitmap::Fill(uint32_t value)
{
    if (FBits)
        std::fill_n(FBits, static_cast<size_t>(FWidth) * FHeight, value);
}

void TKsBitmap::SetAlpha(uint8_t alpha)
{
    if (FBits)
        KsBlendKernels().SetAlpha(FBits, alpha, FWidth * FHeight);
}

void TKsBitmap::SetAlphaRect(uint8_t alpha, const RECT& rect)
{
    if (!FBits || RectWidth(rect) <= 0 || RectHeight(rect) <= 0)
        return;
    const RECT clipped = ClipToBounds(rect);
    const int width = RectWidth(clipped);
    if (width <= 0)
        return;
    const auto& kernels = KsBlendKernels();
    for (int y = clipped.top; y < clipped.bottom; ++y)
        kernels.SetAlpha(Scanline(y) + clipped.left, alpha, width);
}

void TKsBitmap::SetTransparentColor(uint32_t key)
{
    if (!FBits)
        return;
    const uint32_t colour = key & 0x00FFFFFFu;
    const size_t count = static_cast<size_t>(FWidth) * FHeight;
    for (size_t i = 0; i < count; ++i)
        if ((FBits[i] & 0x00FFFFFFu) == colour)
            FBits[i] = colour;
}

void TKsBitmap::ChangeHue(int delta)
{
    if (FBits)
        HueShiftPixels(FBits, static_cast<size_t>(FWidth) * FHeight, delta);
}

// ---------------------------------------------------------------- copying

void TKsBitmap::DrawTo(HDC dc, int x, int y) const
{
    if (!Empty())
        BitBlt(dc, x, y, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
}

void TKsBitmap::DrawRectTo(HDC dc, int x, int y, const RECT& srcRect) const
{
    if (!Empty())
        BitBlt(dc, x, y, RectWidth(srcRect), RectHeight(srcRect), FDC, srcRect.left, srcRect.top, SRCCOPY);
}

void TKsBitmap::Draw(TCanvas& canvas, int x, int y) const
{
    DrawTo(canvas.Handle(), x, y);
}

void TKsBitmap::DrawBitmap(TKsBitmap& target, int x, int y) const
{
    DrawRect(target, x, y, RECT{0, 0, FWidth, FHeight});
}

void TKsBitmap::DrawRect(TKsBitmap& target, int x, int y, const RECT& srcRect) const
{
    if (Empty() || target.Empty())
        return;
    if (!FPerPixelAlpha) {
        BitBlt(target.FDC, x, y, RectWidth(srcRect), RectHeight(srcRect), FDC, srcRect.left, srcRect.top, SRCCOPY);
        return;
    }
    // The clipped source lands with its own top-left at (x, y).
    const RECT source = ClipToBounds(srcRect);
    const TSpan columns = Inside(x, RectWidth(source), target.FWidth);
    const TSpan rows = Inside(y, RectHeight(source), target.FHeight);
    if (columns.Length() == 0 || rows.Length() == 0)
        return;

    if (&target == this) {
        // Onto itself the pixels may overlap: keep the column-by-column
        // order in which every later pixel sees the earlier results.
        for (int c = columns.From; c < columns.To; ++c)
            for (int r = rows.From; r < rows.To; ++r) {
                uint32_t& pixel = target.Scanline(y + r)[x + c];
                pixel = BlendPixel(Scanline(source.top + r)[source.left + c], pixel);
            }
        return;
    }
    const auto& kernels = KsBlendKernels();
    for (int r = rows.From; r < rows.To; ++r)
        kernels.BlendOver(target.Scanline(y + r) + x + columns.From,
                          Scanline(source.top + r) + source.left + columns.From, columns.Length());
}

void TKsBitmap::StretchRect(TKsBitmap& target, const RECT& dstRect, const RECT& srcRect) const
{
    if (FPerPixelAlpha || Empty() || target.Empty())
        return;
    StretchBlt(target.FDC, dstRect.left, dstRect.top, RectWidth(dstRect), RectHeight(dstRect), FDC, srcRect.left,
               srcRect.top, RectWidth(srcRect), RectHeight(srcRect), SRCCOPY);
}

void TKsBitmap::MergeUnder(const TKsBitmap& source, int x, int y, const RECT& srcRect)
{
    if (Empty() || source.Empty())
        return;
    // Source pixel (i, j) meets target (x + i - srcRect.left, y + j - srcRect.top).
    // Pixels outside the source are skipped on every side, not only past
    // its right and bottom: there is nothing to read there.
    const long long originX = static_cast<long long>(x) - srcRect.left;
    const long long originY = static_cast<long long>(y) - srcRect.top;
    const RECT cut = source.ClipToBounds(srcRect);
    const TSpan columns = Inside(originX + cut.left, RectWidth(cut), FWidth);
    const TSpan rows = Inside(originY + cut.top, RectHeight(cut), FHeight);
    if (columns.Length() == 0 || rows.Length() == 0)
        return;
    const int targetLeft = static_cast<int>(originX + cut.left + columns.From);
    const int targetTop = static_cast<int>(originY + cut.top + rows.From);
    const int sourceLeft = cut.left + columns.From;
    const int sourceTop = cut.top + rows.From;
    // Onto itself the plain loop keeps a defined pixel order.
    const auto& kernels = &source == this ? KsScalarKernels : KsBlendKernels();
    for (int r = 0; r < rows.Length(); ++r)
        kernels.BlendUnder(Scanline(targetTop + r) + targetLeft, source.Scanline(sourceTop + r) + sourceLeft,
                           columns.Length());
}

// ---------------------------------------------------------- fills, lines

void TKsBitmap::FillRect(const RECT& rect, uint32_t value)
{
    if (!FBits)
        return;
    const RECT clipped = ClipToBounds(rect);
    const int width = RectWidth(clipped);
    if (width <= 0 || RectHeight(clipped) <= 0)
        return;
    if (FPerPixelAlpha) {
        const auto& kernels = KsBlendKernels();
        for (int y = clipped.top; y < clipped.bottom; ++y)
            kernels.BlendFill(Scanline(y) + clipped.left, value, width);
    } else {
        for (int y = clipped.top; y < clipped.bottom; ++y)
            std::fill_n(Scanline(y) + clipped.left, width, value);
    }
}

void TKsBitmap::DrawEdge(const RECT& rect, uint32_t topLeft, uint32_t bottomRight)
{
    if (!FBits)
        return;
    const RECT r = ClipToBounds(rect);
    if (RectWidth(r) <= 0 || RectHeight(r) <= 0)
        return;
    auto blend = [this](int x, int y, uint32_t value) {
        uint32_t& pixel = Scanline(y)[x];
        pixel = BlendPixel(value, pixel);
    };
    // The top row and the left column both include the top-left corner, so a
    // translucent colour lands there twice; frames have always looked so.
    for (int x = r.left; x <= r.right - 2; ++x)
        blend(x, r.top, topLeft);
    for (int y = r.top; y <= r.bottom - 2; ++y)
        blend(r.left, y, topLeft);
    for (int x = r.left; x <= r.right - 1; ++x)
        blend(x, r.bottom - 1, bottomRight);
    for (int y = r.top; y <= r.bottom - 2; ++y)
        blend(r.right - 1, y, bottomRight);
}

void TKsBitmap::DrawFrame(const RECT& rect, uint32_t value)
{
    DrawEdge(rect, value, value);
}

void TKsBitmap::FillChecker(const RECT& rect, uint32_t value, uint32_t dot)
{
    FillRect(rect, value);
    if (!FBits)
        return;
    const RECT r = ClipToBounds(rect);
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = Scanline(y);
        for (int x = r.left + ((r.left + y) & 1); x < r.right; x += 2)
            row[x] = dot;
    }
}

void TKsBitmap::GradientFill(const RECT& rect, uint32_t from, uint32_t to, bool vertical)
{
    if (!FBits)
        return;
    const RECT r = ClipToBounds(rect);
    const int width = RectWidth(r);
    const int height = RectHeight(r);
    if (width <= 0 || height <= 0)
        return;
    const int extent = vertical ? height : width;
    const int n = std::min(extent, 255);
    // Bands k = 0 .. n - 1; band n starts at the far edge and is empty.
    if (vertical) {
        for (int k = 0; k < n; ++k) {
            const RECT band{r.left, r.top + MulDivRounded(k, height, n), r.right,
                            r.top + MulDivRounded(k + 1, height, n)};
            FillRect(band, GradientColor(from, to, k, n));
        }
        return;
    }
    // Horizontal bands are columns: one row of band colours, laid on every
    // row as FillRect would lay each band.
    std::vector<uint32_t> colours(width);
    for (int k = 0; k < n; ++k) {
        const int left = MulDivRounded(k, width, n);
        const int right = MulDivRounded(k + 1, width, n);
        std::fill(colours.begin() + left, colours.begin() + right, GradientColor(from, to, k, n));
    }
    const auto& kernels = KsBlendKernels();
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = Scanline(y) + r.left;
        if (FPerPixelAlpha)
            kernels.BlendOver(row, colours.data(), width);
        else
            std::copy(colours.begin(), colours.end(), row);
    }
}

void TKsBitmap::MoveTo(int x, int y)
{
    FPenPos = POINT{x, y};
    if (FDC)
        MoveToEx(FDC, x, y, nullptr);
}

void TKsBitmap::LineTo(int x, int y, uint32_t value)
{
    if (FDC) {
        TGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, PixelToColor(value)));
        TSelectObject selected(FDC, pen.Get());
        MoveToEx(FDC, FPenPos.x, FPenPos.y, nullptr);
        ::LineTo(FDC, x, y);
    }
    FPenPos = POINT{x, y};
}

void TKsBitmap::DrawRoundFrame(const RECT& rect, int radius, uint32_t value)
{
    if (!FDC)
        return;
    TGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, PixelToColor(value)));
    TSelectObject selectedPen(FDC, pen.Get());
    TSelectObject selectedBrush(FDC, GetStockObject(NULL_BRUSH));
    RoundRect(FDC, rect.left, rect.top, rect.right, rect.bottom, radius, radius);
}

void TKsBitmap::FillRoundRect(const RECT& rect, int radius, uint32_t value)
{
    if (!FDC)
        return;
    TGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, PixelToColor(value)));
    TGdiHandle<HBRUSH> brush(CreateSolidBrush(PixelToColor(value)));
    TSelectObject selectedPen(FDC, pen.Get());
    TSelectObject selectedBrush(FDC, brush.Get());
    RoundRect(FDC, rect.left, rect.top, rect.right, rect.bottom, radius, radius);
}

void TKsBitmap::DrawFocusRect(const RECT& rect, uint32_t value)
{
    if (!FDC)
        return;
    TGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, PixelToColor(value)));
    TSelectObject selectedPen(FDC, pen.Get());
    TSelectObject selectedBrush(FDC, GetStockObject(NULL_BRUSH));
    ::DrawFocusRect(FDC, &rect);
}

void DrawRoundFrame(TKsBitmap& bitmap, const RECT& rect, int radius, uint32_t value)
{
    bitmap.DrawRoundFrame(rect, radius, value);
}
