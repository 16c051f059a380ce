#pragma once
// A list of equally sized images (comctl32's image list), with masks for
// transparent parts: images come in from bitmaps and go out as icons, as
// bitmaps or drawn on a canvas, enabled or in the greyed disabled look.
// Only functions that the comctl32 of Windows 95 has are used.
//
// In layouts an image list fills itself from a bitmap resource, a strip of
// images side by side, keyed on one colour (clDefault: the strip's
// bottom-left pixel):
//   object ilIcons: TImageList
//     ResourceName = 'GAUGES'
//     MaskColor = clFuchsia
//   end

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/EnumInfo.h"
#include "framework/GdiObject.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

class TBitmap;
class TCanvas;
class TIcon;

// Colours of the images as the list keeps them.
enum TColorDepth { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };
DECLARE_ENUM_INFO(TColorDepth)

struct TDestroyImageList {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using TImageListHandle = TOwnedHandle<HIMAGELIST, TDestroyImageList>;

// Test seam: how an image becomes an icon. ImageList_GetIcon in the
// program; it fails (null) when the system's resources run out.
using TImageListGetIcon = HICON(WINAPI*)(HIMAGELIST list, int index, UINT flags);
extern TImageListGetIcon ImageListGetIconFunction;

class TImageList : public TComponent {
    DECLARE_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // Changing the size, masking or depth empties the list.
    int Width() const { return FWidth; }
    void SetWidth(int width);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    bool Masked() const { return FMasked; }
    void SetMasked(bool masked);
    TColorDepth ColorDepth() const { return FColorDepth; }
    void SetColorDepth(TColorDepth depth);

    // The list, made on first use; owned by this object.
    HIMAGELIST Handle();
    int Count() const;

    // Adds the images of a strip (as many as fit its width) and returns the
    // index of the first; pixels of maskColor become transparent (clDefault:
    // the strip's bottom-left pixel). The bitmap is left as it was.
    int AddMasked(TBitmap& image, TColor maskColor);
    // Adds images with an explicit mask (null: opaque).
    int Add(TBitmap& image, TBitmap* mask);
    void Delete(int index);
    void Clear();

    // The image as an icon; the icon raises its change notification.
    void GetIcon(int index, TIcon& icon);
    // The image on a white background, Width x Height.
    void GetBitmap(int index, TBitmap& bitmap);
    // Transparent where masked; the disabled look is the image's shape
    // embossed in the highlight and shadow colours.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

    const std::string& ResourceName() const { return FResourceName; }
    void SetResourceName(const std::string& name);
    TColor MaskColor() const { return FMaskColor; }
    void SetMaskColor(TColor color);

    void Loaded() override;

    TNotifyEvent OnChange;

private:
    void CheckIndex(int index) const;
    void Recreate();
    void FillFromResource();
    void Changed();
    void DrawDisabled(HDC dc, int x, int y, int index);

    int FWidth = 16;
    int FHeight = 16;
    bool FMasked = true;
    TColorDepth FColorDepth = cd4Bit;
    std::string FResourceName;
    TColor FMaskColor = clDefault;
    TImageListHandle FHandle;
};
