#include "frame/NgItems.h"

#include "frame/NgMenuForm.h"
#include "framework/ClassBuilder.h"
#include "framework/ImageList.h"
#include "theme/NgEngine.h"
#include "theme/NgThemes.h"

#include <optional>

IMPLEMENT_CLASS(TNgItem)
{
    Property("ThemeEngine", &TNgItem::ThemeEngine, &TNgItem::SetThemeEngine);
}

namespace {

// An item's image list as the theme sees it.
class TItemImages : public INgItemImages {
public:
    explicit TItemImages(TImageList& images) : FImages(images) {}
    int ImageWidth() const override { return FImages.Width(); }
    int ImageHeight() const override { return FImages.Height(); }
    void DrawImage(TKsBitmap& bitmap, int x, int y, int index, bool enabled) const override
    {
        ImageList_Draw(FImages.Handle(), index, bitmap.DC(), x, y,
                       enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
    }

private:
    TImageList& FImages;
};

TNgMenuItemData ItemData(TNgItem& item)
{
    TNgMenuItemData data;
    data.Caption = item.Caption();
    data.ShortCut = item.ShortCut() ? ShortCutToText(item.ShortCut()) : std::string();
    data.Checked = item.Checked();
    data.Enabled = item.Enabled();
    data.ImageIndex = item.ImageIndex();
    data.Count = item.Count();
    data.Kind = item.Kind();
    return data;
}

}  // namespace

TNgItem::~TNgItem()
{
    BindEngine(nullptr);
}

void TNgItem::BindEngine(TNgThemeEngine* value)
{
    ReplaceReference(FThemeEngine, value);
}

void TNgItem::SetThemeEngine(TNgThemeEngine* value)
{
    ForSubtree([value](TKsCustomItem& item) {
        if (auto* themed = dynamic_cast<TNgItem*>(&item))
            themed->BindEngine(value);
    });
}

void TNgItem::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FThemeEngine)
        FThemeEngine = nullptr;
}

bool TNgItem::IsThemed() const
{
    return FThemeEngine && FThemeEngine->IsThemeAvailable();
}

TKsPopupWindow* TNgItem::CreatePopupWindow(TKsItemView* parentView)
{
    auto* window = Create<TNgPopupWindow>(nullptr);
    window->SetThemeEngine(FThemeEngine);
    window->Setup(this, parentView);
    return window;
}

void TNgItem::MeasureItem(TKsBitmap* bitmap, TKsItemView& view, int& width, int& height)
{
    if (!IsThemed() || !bitmap) {
        inherited::MeasureItem(bitmap, view, width, height);
        return;
    }
    TNgMenuItemData data = ItemData(*this);
    std::optional<TItemImages> images;
    if (TImageList* list = GetImages())
        data.Images = &images.emplace(*list);
    TNgTheme& theme = *FThemeEngine->Theme();
    if (view.IsMenuBar())
        theme.MeasureMenuBarItem(*bitmap, data, width, height);
    else
        theme.MeasurePopupItem(*bitmap, data, width, height);
    if (Kind() != 0)
        width = height;
}

void TNgItem::DrawItem(TKsBitmap& bitmap, TKsItemView& view, const RECT& rect, bool selected, bool up)
{
    if (!IsThemed()) {
        inherited::DrawItem(bitmap, view, rect, selected, up);
        return;
    }
    TNgMenuItemData data = ItemData(*this);
    std::optional<TItemImages> images;
    if (TImageList* list = GetImages())
        data.Images = &images.emplace(*list);
    TNgTheme& theme = *FThemeEngine->Theme();
    if (Kind() != 0)
        theme.DrawMenuBarButton(bitmap, data, rect, selected, up);
    else if (view.IsMenuBar())
        theme.DrawMenuBarItem(bitmap, data, rect, selected, up);
    else
        theme.DrawPopupItem(bitmap, data, rect, selected, up);
}
