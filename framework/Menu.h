#pragma once
// What popup menus and menu bars share: the item tree under Items, the
// HMENU built from it (rebuilt whenever the items change, owned here), the
// image list the items' ImageIndex refers to, the owner-draw switch, and
// the one entry point through which the window that owns the menu passes
// its menu messages on:
//
//   if (menu->DispatchMenuMessage(message)) return;   // handled
//
// DispatchMenuMessage answers WM_COMMAND (runs the chosen item's Click),
// WM_MEASUREITEM and WM_DRAWITEM (owner-drawn items, through the items'
// events with a canvas) and WM_MENUCHAR (access keys of owner-drawn items,
// which the system cannot read: answered from the captions).

#include "framework/Component.h"
#include "framework/GdiObject.h"
#include "framework/Message.h"

#include <windows.h>

#include <utility>
#include <vector>

class TImageList;
class TMenuItem;

class TMenu : public TComponent {
    DECLARE_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item; its sub-items are the menu's entries.
    TMenuItem* Items() const { return FItems; }

    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    // Every item owner-drawn: the system's measure and draw requests go to
    // the items' OnMeasureItem and OnDrawItem.
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool ownerDraw);
    // Gives captions without "&" an access key of their own when the
    // handle is built (the first letter not yet taken on that level).
    bool AutoHotkeys() const { return FAutoHotkeys; }
    void SetAutoHotkeys(bool autoHotkeys);
    // Items read and align right to left.
    bool RightToLeft() const { return FRightToLeft; }
    void SetRightToLeft(bool rightToLeft);

    // The menu as the system sees it, rebuilt if the items changed.
    HMENU Handle();
    // The item with that command identifier, searched through the tree.
    TMenuItem* FindItem(UINT command) const;

    bool DispatchMenuMessage(TMessage& message);

    // The items changed: the handle is rebuilt when next asked for (while
    // the menu is open it stays as it is).
    virtual void MenuChanged();

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

protected:
    // A popup menu or a menu bar.
    virtual HMENU NewMenuHandle() const { return CreatePopupMenu(); }
    // Called after a rebuild, while the old handle still exists.
    virtual void HandleRebuilt() {}
    void RebuildHandle();
    bool HasHandle() const { return static_cast<bool>(FHandle); }
    // Gives up the handle without destroying it (its window destroyed it).
    void AbandonHandle() { FHandle.Release(); }

    // Set while the system tracks the menu: no rebuild then.
    int FOpenCount = 0;

private:
    void FillMenu(HMENU menu, TMenuItem* parent);
    void AssignHotkeys(TMenuItem* parent);
    TMenuItem* LevelOf(HMENU menu) const;
    bool MeasureItem(TMessage& message);
    bool DrawItem(TMessage& message);
    bool MenuChar(TMessage& message);

    TMenuItem* FItems = nullptr;
    TImageList* FImages = nullptr;
    bool FOwnerDraw = false;
    bool FAutoHotkeys = true;
    bool FRightToLeft = false;
    TMenuHandle FHandle;
    bool FStale = true;
    // Each HMENU of the tree with the item whose sub-items it shows.
    std::vector<std::pair<HMENU, TMenuItem*>> FLevels;
};
