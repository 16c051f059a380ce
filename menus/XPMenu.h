#pragma once
// Gives the menus of a form the flat look of Windows XP: a light item
// background with a shaded icon strip at the reading start, a framed
// selection bar, boxed check marks, faded images that light up with a
// shadow under the mouse, thin separators and, optionally, a flat border
// with a shadow around popup menus.
//
// While Active, every main and popup menu among the form's components is
// owner-drawn and its items measure and draw through this painter. Items
// with draw or measure handlers of their own keep them unless
// OverrideOwnerDraw is on; switching off clears only the painter's own
// handlers, so whatever was there before comes back untouched.
//
// With UseSystemColors (the default) the colours and the font are derived
// from the system's at every paint, so changes show on the next paint.

#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/MenuItem.h"
#include "menus/XPColors.h"

#include <windows.h>

#include <map>
#include <string>

class TBitmap;
class TCanvas;
class TCustomForm;

class TXPMenu : public TComponent {
    DECLARE_CLASS(TXPMenu, TComponent)
public:
    // The owner is the form whose menus are painted (any other owner
    // raises EInvalidCast).
    explicit TXPMenu(TComponent* owner);
    ~TXPMenu() override;

    TFont& Font() const { return *FFont; }
    // Copies the font and redraws the menu bar.
    void SetFont(const TFont& font);
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TColor IconBackColor() const { return FIconBackColor; }
    void SetIconBackColor(TColor color) { FIconBackColor = color; }
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor color);
    TColor SelectColor() const { return FSelectColor; }
    void SetSelectColor(TColor color) { FSelectColor = color; }
    TColor SelectBorderColor() const { return FSelectBorderColor; }
    void SetSelectBorderColor(TColor color) { FSelectBorderColor = color; }
    TColor SelectFontColor() const { return FSelectFontColor; }
    void SetSelectFontColor(TColor color) { FSelectFontColor = color; }
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor color) { FDisabledColor = color; }
    TColor SeparatorColor() const { return FSeparatorColor; }
    void SetSeparatorColor(TColor color) { FSeparatorColor = color; }
    TColor CheckedColor() const { return FCheckedColor; }
    void SetCheckedColor(TColor color) { FCheckedColor = color; }
    // Width of the icon strip in pixels.
    int IconWidth() const { return FIconWidth; }
    void SetIconWidth(int width) { FIconWidth = width; }
    bool DrawSelect() const { return FDrawSelect; }
    void SetDrawSelect(bool drawSelect) { FDrawSelect = drawSelect; }
    bool UseSystemColors() const { return FUseSystemColors; }
    void SetUseSystemColors(bool useSystemColors);
    // Also takes over items that have draw or measure handlers of their own.
    bool OverrideOwnerDraw() const { return FOverrideOwnerDraw; }
    void SetOverrideOwnerDraw(bool overrideOwnerDraw);
    // A gradient background (16 bits per pixel and more only).
    bool Gradient() const { return FGradient; }
    void SetGradient(bool gradient) { FGradient = gradient; }
    // A flat border with a shadow around popup menus.
    bool FlatMenu() const { return FFlatMenu; }
    void SetFlatMenu(bool flatMenu) { FFlatMenu = flatMenu; }
    // Switches on again whenever a menu item is added to the form.
    bool AutoDetect() const { return FAutoDetect; }
    void SetAutoDetect(bool autoDetect) { FAutoDetect = autoDetect; }
    bool Active() const { return FActive; }
    void SetActive(bool active);

    TCustomForm* Form() const { return FForm; }
    // The colours of the last paint.
    const TXPMenuColors& EffectiveColors() const { return FColors; }

    // The handlers the painter installs on the items.
    void MeasureItem(TObject* sender, TCanvas& canvas, int& width, int& height);
    void DrawItem(TObject* sender, TCanvas& canvas, const RECT& rect, bool selected);

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    TFont* FontObject() const { return FFont.get(); }
    void Attach(bool enable);
    void AttachItem(TMenuItem* item, bool enable);
    // Computes the effective colours for a paint on the canvas.
    void SetColors(TCanvas& canvas);
    void RedrawMenuBar();
    // The size of the item's image; items in menus other than a menu bar
    // reserve at least the icon strip's width.
    SIZE ImageSize(TMenuItem& item) const;
    // Fills the working bitmap with the image the item shows; true when
    // that image comes from an image list.
    bool LoadItemImage(TMenuItem& item, TBitmap& image);

    TOwned<TFont> FFont;
    TCustomForm* FForm = nullptr;
    TColor FColor = clBtnFace;
    TColor FIconBackColor = clBtnFace;
    TColor FMenuBarColor = clBtnFace;
    TColor FSelectColor = clHighlight;
    TColor FSelectBorderColor = clHighlight;
    TColor FSelectFontColor = clMenuText;
    TColor FDisabledColor = clInactiveCaption;
    TColor FSeparatorColor = clBtnFace;
    TColor FCheckedColor = clHighlight;
    int FIconWidth = 24;
    bool FDrawSelect = true;
    bool FUseSystemColors = true;
    bool FOverrideOwnerDraw = false;
    bool FGradient = false;
    bool FFlatMenu = false;
    bool FAutoDetect = false;
    bool FActive = false;
    TXPMenuColors FColors;
    // Handlers of the items' own that OverrideOwnerDraw took over.
    struct TOwnHandlers {
        TMenuDrawItemEvent Draw;
        TMenuMeasureItemEvent Measure;
    };
    std::map<const TComponent*, TOwnHandlers> FOwnHandlers;
};

// The font the system draws menus with, in the menu text colour; the old
// "MS Sans Serif" gives way to "Tahoma". False (font unchanged) when the
// system does not say.
bool LoadSystemMenuFont(TFont& font);
