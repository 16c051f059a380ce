#include "app/GaugeIcons.h"

#include "framework/ImageList.h"

#include <algorithm>

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

int TGaugeIcons::Held() const
{
    return static_cast<int>(
        std::count_if(FIcons.begin(), FIcons.end(), [](const TOwned<TIcon>& icon) { return !!icon; }));
}
