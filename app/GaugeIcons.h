#pragma once
// The gauge images as icons, each made the first time it is shown and then
// kept. Making an icon costs more than all the rest of a tick, and System
// hovering at a gauge boundary would otherwise make one every time it
// crosses. Thirteen small icons at most; the controller lets the spares go
// in a shortage.

#include "framework/Icon.h"
#include "framework/Object.h"

#include <vector>

class TImageList;

class TGaugeIcons {
public:
    explicit TGaugeIcons(TImageList& images) : FImages(images) {}
    TGaugeIcons(const TGaugeIcons&) = delete;
    TGaugeIcons& operator=(const TGaugeIcons&) = delete;

    // The icon of an image, made now unless it is held. A failure throws
    // as the image list does, and keeps nothing, so the next call tries
    // again.
    const TIcon& Icon(int index);
    // Lets every icon go; one shared with the tray lives on there.
    void Release();

private:
    TImageList& FImages;
    std::vector<TOwned<TIcon>> FIcons;
};
