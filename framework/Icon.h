#pragma once
// An icon image: one HICON, drawn with its mask. Assigning copies the
// image (a new handle); Share shows the very same one, which is destroyed
// when the last icon holding it lets go. Every new image raises OnChange,
// so that a holder such as the tray icon can pass it on at once;
// OnChanging comes first, while the old handle still exists.
//
// In layouts an icon names an ICON resource of the program:
//   Icon.ResourceName = 'TRAY_GAUGE_EMPTY'

#include "framework/GdiObject.h"
#include "framework/Graphic.h"

#include <memory>
#include <string>

#undef LoadIcon

class TIcon : public TGraphic {
    DECLARE_CLASS(TIcon, TGraphic)
public:
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    bool Empty() const override { return !FImage; }
    void Draw(TCanvas& canvas, const RECT& rect) override;

    // The icon, still owned by this object (and those sharing it).
    HICON Handle() const { return FImage ? FImage->Get() : nullptr; }
    // Takes ownership of icon (null empties).
    void SetHandle(HICON icon);
    // The same for an icon whose size the caller knows, which spares
    // reading it back from the icon's bitmaps.
    void SetHandle(HICON icon, int width, int height);
    // Gives the icon up to the caller and leaves this object empty; an
    // image still shared with other icons is handed out as a copy.
    HICON ReleaseHandle();

    // Shows source's image itself: no new handle, nothing drawn. Icons
    // never change an image in place, so holders can't disturb each other.
    void Share(const TIcon& source);

    // Loads an ICON resource at size x size pixels; 0 takes the size of the
    // first image the resource holds.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name, int size = 0);

    const std::string& ResourceName() const { return FResourceName; }
    void SetResourceName(const std::string& name);

    // From another icon (a copy of its image), a picture holding one, or
    // null (empties). Assigning an icon to itself only raises OnChange.
    void Assign(const TPersistent* source) override;

private:
    // Both raise OnChanging first: the old handle is destroyed here.
    void TakeImage(HICON icon);
    void TakeImage(HICON icon, int width, int height);

    std::shared_ptr<TIconHandle> FImage;
    int FWidth = 0;
    int FHeight = 0;
    std::string FResourceName;
};
