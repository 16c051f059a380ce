#pragma once
// Themed menu items: measured and drawn by the theme of their engine while
// it has an available theme, in the classic look otherwise.

#include "frame/KsItems.h"

class TNgThemeEngine;

class TNgItem : public TKsCustomItem {
    DECLARE_CLASS(TNgItem, TKsCustomItem)
public:
    explicit TNgItem(TComponent* owner) : TKsCustomItem(owner) {}
    ~TNgItem() override;

    TNgThemeEngine* ThemeEngine() const { return FThemeEngine; }
    // The item and its whole subtree.
    void SetThemeEngine(TNgThemeEngine* value);
    bool IsThemed() const;

    TKsPopupWindow* CreatePopupWindow(TKsItemView* parentView) override;
    void MeasureItem(TKsBitmap* bitmap, TKsItemView& view, int& width, int& height) override;
    void DrawItem(TKsBitmap& bitmap, TKsItemView& view, const RECT& rect, bool selected, bool up) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BindEngine(TNgThemeEngine* value);

    TNgThemeEngine* FThemeEngine = nullptr;
};
