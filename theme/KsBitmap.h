#pragma once
// TKsBitmap: a top-down 32-bit DIB section with its own memory DC and font,
// on which every skinned frame, menu and control is composed before it is
// copied to the screen. Pixels are 0xAARRGGBB words (see KsPixels.h);
// per-pixel work runs on the DIB memory, plain copies and stretches go
// through BitBlt and StretchBlt on the DC.

#include "framework/Font.h"
#include "framework/GdiObject.h"
#include "framework/Persistent.h"
#include "theme/KsPixels.h"
#include "theme/KsUtils.h"

#include <cstdint>
#include <string>

// Our members, not the Win32 A/W macro (see Canvas.h).
#undef DrawText

// DrawText formats of single-line text centred vertically (36, 37, 38).
constexpr UINT KsTextLeft = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
constexpr UINT KsTextCentred = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
constexpr UINT KsTextRight = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
static_assert(KsTextLeft == 36 && KsTextCentred == 37 && KsTextRight == 38, "the theme's text formats");

class TBitmap;
class TCanvas;
class TGraphic;
class TStream;

// The three GDI calls SetSize depends on. Tests replace them to make each
// step fail; the defaults call GDI.
struct TKsBitmapAllocator {
    HBITMAP (*CreateDib)(const BITMAPINFO* info, void** bits);
    HDC (*CreateDC)();
    HGDIOBJ (*Select)(HDC dc, HGDIOBJ object);
};
extern TKsBitmapAllocator KsBitmapAllocator;
extern const TKsBitmapAllocator KsBitmapGdiAllocator;

class TKsBitmap : public TPersistent {
    DECLARE_CLASS(TKsBitmap, TPersistent)
public:
    TKsBitmap();
    ~TKsBitmap() override;

    // Absolute values are taken; 0 in either, or the current size, does
    // nothing. Otherwise the pixels are discarded and the new ones are 0.
    // Raises EOutOfResources when GDI cannot make the bitmap (then Empty).
    void SetSize(int width, int height);
    bool Empty() const { return FDib == nullptr; }
    void Changed();

    // A complete BMP file (file header included), read by the framework's
    // bitmap loader; every pixel gets alpha 255.
    void LoadFromStream(TStream& stream);
    // From a framework bitmap, any other graphic (drawn in) or a picture
    // holding either: the image at its size, every pixel opaque. From
    // another TKsBitmap nothing happens.
    void Assign(const TPersistent* source) override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    HDC DC() const { return FDC; }
    HBITMAP Handle() const { return FDib; }
    // First pixel of the top row; pixel (x, y) is Bits()[y * Width() + x].
    uint32_t* Bits() const { return FBits; }
    // A pointer to pixel (x, y) of a bitmap that has pixels.
    uint32_t* Scanline(int y) const { return FBits + static_cast<size_t>(y) * FWidth; }

    // DrawRect as source and FillRect (and what builds on it) as target blend
    // by alpha when true.
    bool PerPixelAlpha() const { return FPerPixelAlpha; }
    void SetPerPixelAlpha(bool value) { FPerPixelAlpha = value; }

    TFont& Font() { return *FFont; }

    TNotifyEvent OnChange;

    // Pixel access. GetPixel outside the bitmap reads KsOpaqueBlack;
    // SetPixel outside it is ignored.
    uint32_t GetPixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t value);
    void Fill(uint32_t value);
    void SetAlpha(uint8_t alpha);
    void SetAlphaRect(uint8_t alpha, const RECT& rect);
    // Pixels whose red, green and blue equal key's get alpha 0.
    void SetTransparentColor(uint32_t key);
    // Shifts the hue of every pixel whose alpha is not 0; they become opaque.
    void ChangeHue(int delta);

    // Plain copies to a device context (alpha ignored).
    void DrawTo(HDC dc, int x, int y) const;
    void DrawRectTo(HDC dc, int x, int y, const RECT& srcRect) const;
    void Draw(TCanvas& canvas, int x, int y) const;

    // Onto another bitmap: a plain copy, or a per-pixel alpha blend when
    // PerPixelAlpha is set (srcRect then clipped to this bitmap first).
    void DrawBitmap(TKsBitmap& target, int x, int y) const;
    void DrawRect(TKsBitmap& target, int x, int y, const RECT& srcRect) const;
    // Plain stretch; draws nothing while PerPixelAlpha is set.
    void StretchRect(TKsBitmap& target, const RECT& dstRect, const RECT& srcRect) const;
    // Puts srcRect of source beneath this bitmap's pixels, its top-left at (x, y).
    void MergeUnder(const TKsBitmap& source, int x, int y, const RECT& srcRect);

    // Fills and lines, in pixel values.
    void FillRect(const RECT& rect, uint32_t value);
    void DrawEdge(const RECT& rect, uint32_t topLeft, uint32_t bottomRight);
    void DrawFrame(const RECT& rect, uint32_t value);
    void FillChecker(const RECT& rect, uint32_t value, uint32_t dot);
    void GradientFill(const RECT& rect, uint32_t from, uint32_t to, bool vertical);
    void MoveTo(int x, int y);
    void LineTo(int x, int y, uint32_t value);
    POINT PenPos() const { return FPenPos; }
    void DrawRoundFrame(const RECT& rect, int radius, uint32_t value);
    void FillRoundRect(const RECT& rect, int radius, uint32_t value);
    void DrawFocusRect(const RECT& rect, uint32_t value);

    // Text in Font (measuring an Empty bitmap gives 0). TextExtent is the
    // single-line extent, TextWidth and TextHeight those of DrawText.
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    // Transparent background, Font's colour; format as for DrawTextA
    // (KsTextLeft, KsTextCentred, KsTextRight above, for instance).
    void DrawText(const std::string& text, const RECT& rect, UINT format);
    // The text turned by a quarter: top of the letters toward rect's right
    // edge when clockwise, toward its left edge otherwise.
    void DrawRotatedText(const std::string& text, const RECT& rect, UINT format, bool clockwise);

protected:
    // Into a framework bitmap or a picture's bitmap: a 24-bit copy of the
    // colours (alpha is lost).
    void AssignTo(TPersistent* destination) const override;

private:
    void FreeBitmap();
    // The image copied in (or drawn in at width x height), made opaque.
    void CopyFromBitmap(const TBitmap& bitmap);
    void DrawGraphic(const TGraphic& graphic, int width, int height);
    RECT TextRect(const std::string& text);
    RECT ClipToBounds(const RECT& rect) const;

    BITMAPINFO FInfo{};
    HBITMAP FDib = nullptr;
    HDC FDC = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
    uint32_t* FBits = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    bool FPerPixelAlpha = false;
    TOwned<TFont> FFont;
    POINT FPenPos{0, 0};
};

// A rounded frame (hollow) in the pixel's RGB; the corner ellipse is
// radius x radius.
void DrawRoundFrame(TKsBitmap& bitmap, const RECT& rect, int radius, uint32_t value);

// The caption cut to maxWidth pixels in the bitmap's Font, ending in "..."
// when it had to be cut.
std::string TruncateText(TKsBitmap& bitmap, const std::string& text, int maxWidth);
