#include "framework/Icon.h"

#include "framework/Canvas.h"
#include "framework/ClassBuilder.h"
#include "framework/Picture.h"
#include "framework/Strings.h"

IMPLEMENT_CLASS(TIcon)
{
    Property("ResourceName", &TIcon::ResourceName, &TIcon::SetResourceName, std::string());
}

namespace {

#pragma pack(push, 2)
struct TGroupIconHeader {
    WORD Reserved;
    WORD Type;
    WORD Count;
};
struct TGroupIconEntry {
    BYTE Width;
    BYTE Height;
    BYTE ColorCount;
    BYTE Reserved;
    WORD Planes;
    WORD BitCount;
    DWORD BytesInRes;
    WORD Id;
};
#pragma pack(pop)

// The size of the first image of an icon group resource.
bool FirstImageSize(HINSTANCE instance, const std::string& name, int& width, int& height)
{
    HRSRC info = FindResourceA(instance, name.c_str(), RT_GROUP_ICON);
    HGLOBAL data = info ? LoadResource(instance, info) : nullptr;
    if (!data || SizeofResource(instance, info) < sizeof(TGroupIconHeader) + sizeof(TGroupIconEntry))
        return false;
    auto* header = static_cast<const TGroupIconHeader*>(LockResource(data));
    if (!header || header->Count == 0)
        return false;
    auto* entry = reinterpret_cast<const TGroupIconEntry*>(header + 1);
    width = entry->Width ? entry->Width : 256;
    height = entry->Height ? entry->Height : 256;
    return true;
}

}

void TIcon::TakeImage(HICON icon, int width, int height)
{
    Changing();
    FImage = icon ? std::make_shared<TIconHandle>(icon) : nullptr;
    FWidth = icon ? width : 0;
    FHeight = icon ? height : 0;
    FResourceName.clear();
}

void TIcon::TakeImage(HICON icon)
{
    TakeImage(icon, 0, 0);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return;
    // GetIconInfo hands out copies of both bitmaps: they are ours to free.
    TGdiHandle<HBITMAP> color(info.hbmColor);
    TGdiHandle<HBITMAP> mask(info.hbmMask);
    BITMAP bitmap{};
    if (color && GetObjectA(color.Get(), sizeof bitmap, &bitmap)) {
        FWidth = bitmap.bmWidth;
        FHeight = bitmap.bmHeight;
    } else if (mask && GetObjectA(mask.Get(), sizeof bitmap, &bitmap)) {
        // A monochrome icon: image and mask stacked in one bitmap.
        FWidth = bitmap.bmWidth;
        FHeight = bitmap.bmHeight / 2;
    }
}

void TIcon::SetHandle(HICON icon)
{
    if (icon != Handle())
        TakeImage(icon);
    Changed();
}

void TIcon::SetHandle(HICON icon, int width, int height)
{
    if (icon != Handle())
        TakeImage(icon, width, height);
    Changed();
}

HICON TIcon::ReleaseHandle()
{
    HICON icon = nullptr;
    if (FImage && FImage.use_count() > 1) {
        icon = static_cast<HICON>(CopyImage(FImage->Get(), IMAGE_ICON, 0, 0, 0));
        if (!icon)
            throw EOutOfResources("Out of system resources");
    }
    Changing();
    if (!icon && FImage)
        icon = FImage->Release();
    FImage.reset();
    FWidth = FHeight = 0;
    FResourceName.clear();
    Changed();
    return icon;
}

void TIcon::Share(const TIcon& source)
{
    if (source.FImage != FImage) {
        Changing();
        FImage = source.FImage;
        FWidth = source.FWidth;
        FHeight = source.FHeight;
        FResourceName = source.FResourceName;
    }
    Changed();
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name, int size)
{
    int width = size;
    int height = size;
    if (size <= 0 && !FirstImageSize(instance, name, width, height))
        throw EResNotFound(Format("Resource %s not found", name.c_str()));
    auto icon = static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, width, height, 0));
    if (!icon)
        throw EResNotFound(Format("Resource %s not found", name.c_str()));
    TakeImage(icon);
    FResourceName = name;
    Changed();
}

void TIcon::SetResourceName(const std::string& name)
{
    if (name.empty()) {
        FResourceName.clear();
        return;
    }
    if (name == FResourceName && !Empty())
        return;
    LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

void TIcon::Draw(TCanvas& canvas, const RECT& rect)
{
    if (Empty() || !canvas.Handle())
        return;
    DrawIconEx(canvas.Handle(), rect.left, rect.top, Handle(), rect.right - rect.left, rect.bottom - rect.top, 0,
               nullptr, DI_NORMAL);
}

void TIcon::Assign(const TPersistent* source)
{
    if (source == this) {
        Changed();
        return;
    }
    if (!source) {
        TakeImage(nullptr);
        Changed();
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (!picture->Graphic() || dynamic_cast<const TIcon*>(picture->Graphic())) {
            Assign(picture->Graphic());
            return;
        }
    }
    if (auto* icon = dynamic_cast<const TIcon*>(source)) {
        HICON copy = nullptr;
        if (!icon->Empty()) {
            copy = static_cast<HICON>(CopyImage(icon->Handle(), IMAGE_ICON, 0, 0, 0));
            if (!copy)
                throw EOutOfResources("Out of system resources");
        }
        TakeImage(copy);
        FResourceName = icon->FResourceName;
        Changed();
        return;
    }
    inherited::Assign(source);
}
