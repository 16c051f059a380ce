#include "framework/ImageList.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/ClassBuilder.h"
#include "framework/Icon.h"
#include "framework/Strings.h"

IMPLEMENT_ENUM_INFO(TColorDepth, "cdDeviceDependent", "cd4Bit", "cd8Bit", "cd16Bit", "cd24Bit", "cd32Bit")

TImageListGetIcon ImageListGetIconFunction = ImageList_GetIcon;

IMPLEMENT_CLASS(TImageList)
{
    Creatable();
    Property("Width", &TImageList::Width, &TImageList::SetWidth, 16);
    Property("Height", &TImageList::Height, &TImageList::SetHeight, 16);
    Property("Masked", &TImageList::Masked, &TImageList::SetMasked, true);
    Property("ColorDepth", &TImageList::ColorDepth, &TImageList::SetColorDepth, cd4Bit);
    Property("ResourceName", &TImageList::ResourceName, &TImageList::SetResourceName, std::string());
    Property("MaskColor", &TImageList::MaskColor, &TImageList::SetMaskColor, clDefault);
    Event("OnChange", &TImageList::OnChange);
}

namespace {
UINT DepthFlag(TColorDepth depth)
{
    switch (depth) {
    case cdDeviceDependent: return ILC_COLORDDB;
    case cd4Bit: return ILC_COLOR4;
    case cd8Bit: return ILC_COLOR8;
    case cd16Bit: return ILC_COLOR16;
    case cd24Bit: return ILC_COLOR24;
    case cd32Bit: return ILC_COLOR32;
    }
    return ILC_COLOR4;
}

// Raster operation that paints the brush where the monochrome source is
// black and leaves the target where it is white.
const DWORD PaintBlackOfSource = 0x00B8074A;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

HIMAGELIST TImageList::Handle()
{
    if (!FHandle) {
        UINT flags = DepthFlag(FColorDepth) | (FMasked ? ILC_MASK : 0);
        FHandle.Reset(ImageList_Create(FWidth, FHeight, flags, 4, 4));
        if (!FHandle)
            throw EOutOfResources("Out of system resources");
        ImageList_SetBkColor(FHandle.Get(), CLR_NONE);
    }
    return FHandle.Get();
}

int TImageList::Count() const
{
    return FHandle ? ImageList_GetImageCount(FHandle.Get()) : 0;
}

void TImageList::Changed()
{
    if (!IsLoading())
        OnChange(this);
}

void TImageList::Recreate()
{
    FHandle.Reset();
    if (!IsLoading())
        FillFromResource();
    Changed();
}

void TImageList::SetWidth(int width)
{
    if (width == FWidth || width <= 0)
        return;
    FWidth = width;
    Recreate();
}

void TImageList::SetHeight(int height)
{
    if (height == FHeight || height <= 0)
        return;
    FHeight = height;
    Recreate();
}

void TImageList::SetMasked(bool masked)
{
    if (masked == FMasked)
        return;
    FMasked = masked;
    Recreate();
}

void TImageList::SetColorDepth(TColorDepth depth)
{
    if (depth == FColorDepth)
        return;
    FColorDepth = depth;
    Recreate();
}

void TImageList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation(Format("Image list index %d out of bounds", index));
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor)
{
    if (image.Width() < FWidth || image.Height() < FHeight)
        throw EInvalidOperation("Invalid image size");
    COLORREF key = ColorToRGB(maskColor == clDefault ? image.TransparentColor() : maskColor);
    // The list blackens the masked pixels of the bitmap it is given: give
    // it a copy.
    TBitmap copy;
    copy.Assign(&image);
    int index = ImageList_AddMasked(Handle(), copy.Handle(), key);
    if (index < 0)
        throw EInvalidOperation("Failed to add image");
    Changed();
    return index;
}

int TImageList::Add(TBitmap& image, TBitmap* mask)
{
    if (image.Width() < FWidth || image.Height() < FHeight)
        throw EInvalidOperation("Invalid image size");
    int index = ImageList_Add(Handle(), image.Handle(), mask ? mask->Handle() : nullptr);
    if (index < 0)
        throw EInvalidOperation("Failed to add image");
    Changed();
    return index;
}

void TImageList::Delete(int index)
{
    CheckIndex(index);
    ImageList_Remove(FHandle.Get(), index);
    Changed();
}

void TImageList::Clear()
{
    if (FHandle && Count() > 0) {
        ImageList_Remove(FHandle.Get(), -1);
        Changed();
    }
}

void TImageList::GetIcon(int index, TIcon& icon)
{
    CheckIndex(index);
    HICON image = ImageListGetIconFunction(FHandle.Get(), index, ILD_NORMAL);
    if (!image)
        throw EOutOfResources("Out of system resources");
    icon.SetHandle(image, FWidth, FHeight);
}

void TImageList::GetBitmap(int index, TBitmap& bitmap)
{
    CheckIndex(index);
    bitmap.SetSize(FWidth, FHeight);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.Brush().SetStyle(bsSolid);
    RECT all{0, 0, FWidth, FHeight};
    canvas.FillRect(all);
    ImageList_Draw(FHandle.Get(), index, canvas.Handle(), 0, 0, ILD_TRANSPARENT);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled)
{
    if (index < 0 || index >= Count() || !canvas.Handle())
        return;
    if (enabled)
        ImageList_Draw(FHandle.Get(), index, canvas.Handle(), x, y, ILD_TRANSPARENT);
    else
        DrawDisabled(canvas.Handle(), x, y, index);
}

void TImageList::DrawDisabled(HDC dc, int x, int y, int index)
{
    // The image's shape (black where it is opaque), embossed: once in the
    // highlight colour one pixel down and right, once in the shadow colour.
    TMemoryDC shapeDC(dc);
    TGdiHandle<HBITMAP> shape(CreateBitmap(FWidth, FHeight, 1, 1, nullptr));
    TGdiHandle<HBRUSH> highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
    TGdiHandle<HBRUSH> shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    if (!shapeDC || !shape || !highlight || !shadow)
        throw EOutOfResources("Out of system resources");
    TSelectObject shapeSelected(shapeDC.Get(), shape.Get());
    PatBlt(shapeDC.Get(), 0, 0, FWidth, FHeight, WHITENESS);
    ImageList_Draw(FHandle.Get(), index, shapeDC.Get(), 0, 0, ILD_MASK);

    TSavedDC saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    {
        TSelectObject brush(dc, highlight.Get());
        BitBlt(dc, x + 1, y + 1, FWidth, FHeight, shapeDC.Get(), 0, 0, PaintBlackOfSource);
    }
    {
        TSelectObject brush(dc, shadow.Get());
        BitBlt(dc, x, y, FWidth, FHeight, shapeDC.Get(), 0, 0, PaintBlackOfSource);
    }
}

void TImageList::FillFromResource()
{
    if (FResourceName.empty())
        return;
    TBitmap strip;
    strip.LoadFromResourceName(GetModuleHandleA(nullptr), FResourceName);
    if (FHandle)
        ImageList_Remove(FHandle.Get(), -1);
    AddMasked(strip, FMaskColor);
}

void TImageList::SetResourceName(const std::string& name)
{
    if (name == FResourceName)
        return;
    FResourceName = name;
    if (!IsLoading()) {
        Clear();
        FillFromResource();
    }
}

void TImageList::SetMaskColor(TColor color)
{
    if (color == FMaskColor)
        return;
    FMaskColor = color;
    if (!IsLoading() && !FResourceName.empty())
        FillFromResource();
}

void TImageList::Loaded()
{
    inherited::Loaded();
    FillFromResource();
}
