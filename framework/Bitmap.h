#pragma once
// A bitmap image: one owned HBITMAP (a device-dependent bitmap or a DIB
// section, by pixel format), a canvas on its own memory DC made when first
// asked for, BMP files in and out, and transparent drawing keyed on one
// colour.
//
// The canvas's DC holds the bitmap selected, and follows the bitmap to a
// new image (SetSize, loading, assigning). Handle() lets that DC go so
// that the handle can be selected elsewhere (image lists, other DCs); ask
// Canvas() again afterwards and it comes back with the same font, brush
// and pen.
//
// In layouts a bitmap names a BITMAP resource of the program:
//   Bitmap.ResourceName = 'GAUGES'
//   Bitmap.Transparent = True
// Setting ResourceName loads the resource; pixel data is never stored.

#include "framework/Canvas.h"
#include "framework/EnumInfo.h"
#include "framework/GdiObject.h"
#include "framework/Graphic.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#undef LoadBitmap

class TStream;

// pfDevice: a bitmap in the screen's format; the others are DIB sections.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
DECLARE_ENUM_INFO(TPixelFormat)

class TBitmap : public TGraphic {
    DECLARE_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    bool Empty() const override { return !FHandle; }
    // Stretches the image into rect; transparent pixels leave the canvas.
    void Draw(TCanvas& canvas, const RECT& rect) override;

    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }
    // A new image of that size in the current pixel format, filled white;
    // 0 in either extent empties the bitmap. The same size keeps the image.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the image (colours are kept as far as the format can show
    // them); 1, 4 and 8 bits get a standard palette.
    void SetPixelFormat(TPixelFormat format);

    // The bitmap handle, still owned by this object. Lets the canvas's DC go.
    HBITMAP Handle();
    // Takes ownership of a bitmap; its format is read from the handle.
    void SetHandle(HBITMAP bitmap);
    // Gives up the handle to the caller and leaves the bitmap empty.
    HBITMAP ReleaseHandle();

    // Drawing on the image. Creates an empty-sized DC until there is an image.
    TCanvas& Canvas();
    // Frees the canvas's memory DC until the canvas is needed again.
    void Dormant();

    // Loads a BITMAP resource, keeping its bit depth and colours.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    // A whole BMP file: 1, 4, 8, 24 or 32 bits, bottom-up or top-down.
    // Malformed data raises EInvalidGraphic and leaves the bitmap unchanged.
    void LoadFromStream(TStream& stream);
    // A BMP file, bottom-up, in the bitmap's depth (device bitmaps as 24 bits).
    void SaveToStream(TStream& stream);

    const std::string& ResourceName() const { return FResourceName; }
    void SetResourceName(const std::string& name);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    // The colour that stays out when drawn transparently: the bottom-left
    // pixel unless one is set (clDefault goes back to that rule).
    TColor TransparentColor();
    void SetTransparentColor(TColor color);

    // From another bitmap (pixels, format, transparency), any other graphic
    // (drawn onto white) or null (empties).
    void Assign(const TPersistent* source) override;

private:
    class TScopedDC;

    void FreeImage();
    void AdoptImage(HBITMAP bitmap, TPixelFormat format, int width, int height);
    void CreateImage(TPixelFormat format, int width, int height, const std::vector<RGBQUAD>& colors);
    // A white image in the current format; palette formats without colours
    // of their own get the standard ones.
    void NewImage(int width, int height);
    // This image drawn into a new one of the given format and colours.
    HBITMAP CopiedImage(TPixelFormat format, const std::vector<RGBQUAD>& colors) const;
    void LoadDib(const BYTE* data, size_t size, size_t bitsOffset);
    void DrawTransparent(HDC target, const RECT& rect, HDC source, COLORREF key);

    TGdiHandle<HBITMAP> FHandle;
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    std::vector<RGBQUAD> FColors;  // colour table of 1, 4 and 8 bit images
    std::string FResourceName;
    bool FTransparent = false;
    TColor FTransparentColor = clDefault;

    // The canvas lives as long as the bitmap; its DC only while needed.
    TOwned<TCanvas> FCanvas;
    TOwnedHandle<HDC, TDeleteDC> FCanvasDC;
    HGDIOBJ FCanvasOldBitmap = nullptr;
};

// Malformed or unsupported image data.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};
