#include "app/GaugeIcons.h"

#include "framework/ImageList.h"

const TIcon& TGaugeIcons::Icon(int index)
{
    if (index >= 0 && index < static_cast<int>(FIcons.size()) && FIcons[index])
        return *FIcons[index];
    TOwned<TIcon> icon = MakeOwned<TIcon>();
    FImages.GetIcon(index, *icon);
    if (index >= static_cast<int>(FIcons.size()))
        FIcons.resize(index + 1);
    FIcons[index] = std::move(icon);
    return *FIcons[index];
}

void TGaugeIcons::Release()
{
    FIcons.clear();
}
