#pragma once
// Skinned menu items and the view that shows one level of them. An item
// tree is shown as cascading popups (see KsMenuForm); each open popup's
// view runs a modal tracking loop that reads the mouse and keyboard from
// the thread's queue until the popup closes. A chosen item runs only after
// the menus have gone, from a message posted to the click handler.

#include "frame/KsForms.h"
#include "framework/Action.h"
#include "framework/Component.h"
#include "framework/ShortCut.h"

#include <string>
#include <vector>

class TImageList;
class TKsItemView;
class TKsPopupWindow;

// The private messages of the menus.
enum : UINT {
    KM_OPENSUBMENU = WM_USER + 1,  // posted to a view's window: open Selected's submenu
    KM_ITEMCLICK = 2234,           // posted to the click handler: wParam serial, lParam item
};

class TKsCustomItem : public TComponent {
    DECLARE_CLASS(TKsCustomItem, TComponent)
public:
    explicit TKsCustomItem(TComponent* owner);
    ~TKsCustomItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // The action whose values the item shows and which a click runs; not
    // owned. Linking copies its values; with checkDefaults (while the
    // action or the item is read from a layout) only where the item still
    // has its defaults.
    TAction* Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
    void SetAction(TAction* value);
    void ActionChange(TAction* action, bool checkDefaults);
    int Kind() const { return FKind; }
    void SetKind(int value) { FKind = value; }
    TNotifyEvent OnClick;
    // Called when a visible property changes (the root's repaints its bar).
    TNotifyEvent OnItemChange;

    // The tree. Children are owned: freeing an item frees them.
    TKsCustomItem* Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TKsCustomItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
    void Add(TKsCustomItem* item);
    // Raises EKsMenuError ("Toolbar item already inserted") for an item
    // that has a parent already.
    void Insert(int index, TKsCustomItem* item);
    void Delete(int index);
    void Remove(TKsCustomItem* item);
    int IndexOf(const TKsCustomItem* item) const;
    TKsCustomItem* Root();

    // Popup settings, applied to the item and its whole subtree.
    bool PopupBlend() const { return FPopupBlend; }
    void SetPopupBlend(bool value);
    int PopupBlendValue() const { return FPopupBlendValue; }
    void SetPopupBlendValue(int value);
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool value);
    int ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int value);
    TKsAnimation ShowAnimation() const { return FShowAnimation; }
    void SetShowAnimation(TKsAnimation value);
    int ShowAnimationTime() const { return FShowAnimationTime; }
    void SetShowAnimationTime(int value);
    bool AnimateNow() const { return FAnimateNow; }
    void SetAnimateNow(bool value);
    bool AnimateFirstOnly() const { return FAnimateFirstOnly; }
    void SetAnimateFirstOnly(bool value);

    bool IsSeparator() const { return FCaption == "-"; }
    // Visible, not a separator: the keyboard can stop on it.
    bool IsSelectable() const { return FVisible && !IsSeparator(); }
    // Images, or the root's when this item has none.
    TImageList* GetImages();
    // The first child whose caption has "&" before the character.
    TKsCustomItem* FindAccelerator(char key) const;
    // Clicks every item of the subtree whose shortcut is key with shift.
    void DispatchShortCut(WORD key, TShiftState shift);

    // Shows the children as a popup at (x, y), screen coordinates, out of
    // the way of exclude (empty for the system menu); returns once it has
    // closed.
    void Popup(TKsItemView* parentView, int x, int y, const RECT& exclude);

    virtual TKsPopupWindow* CreatePopupWindow(TKsItemView* parentView);
    virtual void Changed();
    virtual void MeasureItem(TKsBitmap* bitmap, TKsItemView& view, int& width, int& height);
    virtual void DrawItem(TKsBitmap& bitmap, TKsItemView& view, const RECT& rect, bool selected, bool up);
    // Chooses the item: its OnClick runs later, from the click handler.
    virtual void Click();
    // What a chosen item does once the menus have gone: OnClick, or the
    // linked action when OnClick is not a handler of the item's own.
    void RunClick();

    // The item is alive (the click handler checks before running one).
    static bool IsLive(const TKsCustomItem* item, unsigned serial);
    unsigned Serial() const { return FSerial; }

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

protected:
    // The classic look: caption, check column, shortcut, submenu arrow.
    void DrawClassicItem(TKsBitmap& bitmap, const RECT& rect, bool selected);
    void MeasureClassicItem(TKsBitmap* bitmap, const TKsItemView& view, int& width, int& height) const;
    template <class TFunc>
    void ForSubtree(TFunc func)
    {
        func(*this);
        for (TKsCustomItem* child : FItems)
            child->ForSubtree(func);
    }

private:
    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int FHelpContext = 0;
    std::string FHint;
    int FImageIndex = -1;
    TImageList* FImages = nullptr;
    TShortCut FShortCut = 0;
    bool FVisible = true;
    TOwned<TActionLink> FActionLink;
    TKsCustomItem* FParent = nullptr;
    std::vector<TKsCustomItem*> FItems;
    bool FPopupBlend = false;
    int FPopupBlendValue = 150;
    int FKind = 0;
    bool FDropShadow = false;
    int FShowAnimationTime = 300;
    int FShadowWidth = 4;
    TKsAnimation FShowAnimation = kaNone;
    bool FAnimateNow = false;
    bool FAnimateFirstOnly = false;
    unsigned FSerial = 0;
};

// An item's link to its action: every change of the action reaches the
// item.
class TKsCustomItemActionLink : public TClientActionLink<TKsCustomItem> {
public:
    using TClientActionLink::TClientActionLink;
};

// Shows the visible children of one item and tracks the choice among them.
class TKsItemView : public TComponent {
    DECLARE_CLASS(TKsItemView, TComponent)
public:
    explicit TKsItemView(TComponent* owner);
    ~TKsItemView() override;

    TKsCustomItem* Item() const { return FItem; }
    void SetItem(TKsCustomItem* value) { FItem = value; }
    bool IsMenuBar() const { return FIsMenuBar; }
    bool Horizontal() const { return FHorizontal; }
    // The window whose client coordinates the view uses and which gets the
    // posted messages.
    HWND Window() const { return FWindow; }
    void SetWindow(HWND value) { FWindow = value; }
    TKsItemView* ParentView() const { return FParentView; }
    void SetParentView(TKsItemView* value) { FParentView = value; }
    TKsItemView* ChildView() const { return FChildView; }
    void SetChildView(TKsItemView* value) { FChildView = value; }
    TKsBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TKsBitmap* value) { FBitmap = value; }
    TKsCustomItem* Selected() const { return FSelected; }
    void SetSelected(TKsCustomItem* value) { FSelected = value; }
    bool SubmenuOpen() const { return FSubmenuOpen; }
    bool Tracking() const { return FTracking; }
    POINT PaintOrigin() const { return FPaintOrigin; }

    // Content size of the visible children, measured.
    SIZE ContentSize();
    // A child's rectangle, shifted by the paint origin; empty when invisible.
    RECT GetItemRect(const TKsCustomItem* child);
    void PaintItems(TKsBitmap& bitmap, POINT origin);

    // The modal loop; returns when this view's popup closes.
    void Track();
    void HitTest(POINT screen);
    void SelectNext();
    void SelectPrevious();
    void CloseAll();
    bool OpenSubmenu();
    virtual void Repaint() {}
    virtual void UpdateSize() {}

    // The innermost view whose loop runs, or none.
    static TKsItemView* TrackingView();

protected:
    bool FIsMenuBar = false;
    bool FHorizontal = false;

private:
    void Step(int direction);
    TKsItemView* Outermost();
    // One message of the loop: false to leave it.
    bool HandleMessage(MSG& msg);
    bool HandleKey(MSG& msg);
    bool MouseButton(const MSG& msg, bool down);
    bool MouseMove(const MSG& msg);
    bool OnSelectedChain(POINT screen);
    void PostKey(WPARAM key) const;

    TKsCustomItem* FItem = nullptr;
    HWND FWindow = nullptr;
    TKsItemView* FParentView = nullptr;
    TKsItemView* FChildView = nullptr;
    TKsBitmap* FBitmap = nullptr;
    TKsCustomItem* FSelected = nullptr;
    bool FSubmenuOpen = false;
    bool FTracking = false;
    POINT FPaintOrigin{0, 0};
};

// The menu font of the system's non-client metrics, made once; items are
// measured and drawn with it.
const LOGFONTA& KsMenuLogFont();
// The window the deferred clicks are posted to.
HWND KsClickHandlerWindow();
