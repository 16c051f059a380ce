#pragma once
// The popup window that shows one level of a menu item tree: a top-most
// tool window that never takes the activation, framed by a borderless
// skinned frame (translucency, drop shadow and show effect come from the
// frame) whose client area is the item view's rows.

#include "frame/KsForms.h"
#include "frame/KsItems.h"
#include "framework/Form.h"

class TKsPopupWindow;

class TKsPopupView : public TKsItemView {
    DECLARE_CLASS(TKsPopupView, TKsItemView)
public:
    explicit TKsPopupView(TComponent* owner) : TKsItemView(owner) {}
    void Repaint() override;
};

class TKsPopupForm : public TKsCustomForm {
    DECLARE_CLASS(TKsPopupForm, TKsCustomForm)
public:
    explicit TKsPopupForm(TComponent* owner);

    // The width of the border around the rows.
    static constexpr int BorderWidth = 3;

    TKsPopupView* View() const { return FView; }
    void SetView(TKsPopupView* value) { FView = value; }

    RECT GetClientBounds() override;
    POINT GetMinTrackSize() override;
    void PaintFrame(TKsBitmap& bitmap) override;
    void PaintBackground(TKsBitmap& bitmap) override;

protected:
    void PaintClassicFrame(TKsBitmap& bitmap);

private:
    TKsPopupView* FView = nullptr;
};

class TKsPopupWindow : public TCustomForm {
    DECLARE_CLASS(TKsPopupWindow, TCustomForm)
public:
    explicit TKsPopupWindow(TComponent* owner) : TCustomForm(owner) {}

    // Makes the frame and the view for the item's children.
    void Setup(TKsCustomItem* item, TKsItemView* parentView);
    TKsPopupForm& Frame() const { return *FFrame; }
    TKsPopupView& View() const { return *FView; }
    // The window size the rows need, border and shadow included.
    SIZE PopupSize();
    // On screen without activating or moving in the z-order, so that the
    // window that opened the menu stays active.
    void ShowPopup();

protected:
    virtual TKsPopupForm* CreatePopupForm();
    void CreateParams(TCreateParams& params) override;

private:
    TKsPopupForm* FFrame = nullptr;
    TKsPopupView* FView = nullptr;
};
