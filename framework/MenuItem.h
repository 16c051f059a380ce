#pragma once
// One entry of a menu and the entries below it. Captions mark the access
// key with "&"; the caption "-" makes a separator. Items nest: the root
// item of a menu holds its top-level items, and any item may hold a
// sub-menu. Items are components of their form (so the form hears of each
// one inserted) and, at the same time, children of their parent item,
// which frees the children it still holds when it goes.
//
// When the menu is owner-drawn the system's measure and draw requests
// reach OnMeasureItem and OnDrawItem; without handlers the item measures
// and draws itself plainly. The handlers are plain bound-method values, so
// a painter can install its own and later put back exactly what was there.

#include "framework/Component.h"
#include "framework/ShortCut.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class TBitmap;
class TCanvas;
class TImageList;
class TMenu;

using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas&, int&, int&>;
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas&, const RECT&, bool>;

class TMenuItem : public TComponent {
    DECLARE_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);
    bool IsSeparator() const { return FCaption == "-"; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut shortCut);

    // Checking a radio item unchecks the other radio items of its group
    // (same parent, same GroupIndex).
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    // Click toggles Checked before OnClick runs.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool autoCheck) { FAutoCheck = autoCheck; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool radioItem);
    uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t groupIndex);
    // The default item of its sub-menu (shown bold).
    bool Default() const { return FDefault; }
    void SetDefault(bool isDefault);
    // Index into the image list in effect (GetImageList); -1 for none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int index);
    // The item's own picture, used when no image list image applies.
    TBitmap& Bitmap() const { return *FBitmap; }
    // Images for the items of this item's sub-menu.
    TImageList* SubMenuImages() const { return FSubMenuImages; }
    void SetSubMenuImages(TImageList* images);

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    // Raises EInvalidOperation for an item that already has a parent.
    void Insert(int index, TMenuItem* item);
    // Takes the item out (it is not freed).
    void Delete(int index);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    // Frees every sub-item.
    void Clear();

    // The menu whose tree holds this item, or null.
    TMenu* GetParentMenu() const;
    // The images this item's ImageIndex refers to: its parent's
    // SubMenuImages, else the menu's Images.
    TImageList* GetImageList() const;
    // A top-level item of a main menu: drawn in the menu bar.
    bool IsMenuBarItem() const;
    // Identifier of the item in its menu's HMENU (WM_COMMAND, item data).
    UINT Command() const { return FCommand; }

    // What choosing the item does: nothing when disabled; else AutoCheck,
    // then OnClick.
    virtual void Click();
    // OnMeasureItem, or the plain measure.
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    // OnDrawItem, or the plain look.
    void DrawItem(TCanvas& canvas, const RECT& rect, bool selected);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TMenu;

    // Tells the menu that its HMENU no longer matches the items.
    void Changed();
    void BitmapChanged(TObject* sender);
    TBitmap* BitmapObject() const { return FBitmap.get(); }
    void UncheckGroupSiblings();

    std::string FCaption;
    TShortCut FShortCut = scNone;
    bool FChecked = false;
    bool FAutoCheck = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    uint8_t FGroupIndex = 0;
    bool FDefault = false;
    int FImageIndex = -1;
    TOwned<TBitmap> FBitmap;
    TImageList* FSubMenuImages = nullptr;

    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;  // set on a menu's root item only
    UINT FCommand = 0;
};
