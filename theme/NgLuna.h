#pragma once
// The Luna theme: the Windows XP blue look, cut from two picture atlases
// held as resources ("XP_MAIN" for active frames and the controls,
// "XP_MAIN1" for inactive frames and the further controls), with menus
// painted from its colour table.

#include "framework/Object.h"
#include "theme/KsBitmap.h"
#include "theme/NgThemes.h"

class TNgLuna : public TNgTheme {
    DECLARE_CLASS(TNgLuna, TNgTheme)
public:
    // Loads and keys both atlases; a missing resource raises EResNotFound.
    TNgLuna();
    ~TNgLuna() override;

    static const TNgThemeClass& StaticThemeClass();
    const TNgThemeClass& ThemeClass() const override;

    void HueChanged() override;
    int GetMetric(int index) override;
    TColor GetColor(int index) override;
    std::string GetFontName(int index) override;
    int GetFontSize(int index) override;
    TFontStyles GetFontStyle(int index) override;
    HRGN CreateFormRegion(int width, int height, int borderStyle) override;
    void DrawCaptionButton(TKsBitmap& bitmap, const RECT& rect, int button, bool hot, bool pressed, bool active,
                           int borderStyle) override;
    void DrawFormFrame(TKsBitmap& bitmap, int width, int height, const RECT& frameRect, bool active,
                       int borderStyle) override;
    void MeasureMenuBarItem(TKsBitmap& bitmap, const TNgMenuItemData& item, int& width, int& height) override;
    void MeasurePopupItem(TKsBitmap& bitmap, const TNgMenuItemData& item, int& width, int& height) override;
    void DrawMenuBar(TKsBitmap& bitmap, int width, int height) override;
    void DrawMenuBarItem(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                         bool up) override;
    void DrawMenuBarButton(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                           bool up) override;
    void DrawPopupFrame(TKsBitmap& bitmap, int width, int height) override;
    void DrawPopupItem(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                       bool up) override;
    void DrawButton(TKsBitmap& bitmap, int width, int height, int state) override;
    void DrawCheckBox(TKsBitmap& bitmap, const RECT& rect, int state, int check) override;
    void DrawRadioButton(TKsBitmap& bitmap, const RECT& rect, int state, int check) override;
    void DrawTrackThumb(TKsBitmap& bitmap, const RECT& rect, bool vertical, int kind, int state) override;
    void DrawTrackChannel(TKsBitmap& bitmap, const RECT& rect, const RECT& selectionRect) override;
    void DrawProgressFrame(TKsBitmap& bitmap, const RECT& rect) override;
    void DrawProgressChunks(TKsBitmap& bitmap, const RECT& contentRect, const RECT& barRect, int orientation,
                            bool smooth) override;
    void DrawPanel(TKsBitmap& bitmap, const RECT& rect, int style) override;
    void DrawHeaderBar(TKsBitmap& bitmap, const RECT& rect, const std::string& text) override;
    void DrawSmallButton(TKsBitmap& bitmap, const RECT& rect, int glyph, int state, bool down) override;
    void DrawGroupFrame(TKsBitmap& bitmap, const RECT& frameRect, const RECT& captionRect,
                        const std::string& caption) override;
    void DrawScrollTrack(TKsBitmap& bitmap, const RECT& rect, bool kind) override;
    void DrawScrollArrow(TKsBitmap& bitmap, const RECT& rect, bool vertical, bool towardStart, int state) override;
    void DrawScrollThumb(TKsBitmap& bitmap, const RECT& rect, bool vertical, int state) override;
    void DrawTabPage(TKsBitmap& bitmap, const RECT& rect) override;
    void DrawTab(TKsBitmap& bitmap, const RECT& rect, int position, int state) override;

    // The atlases as loaded, keyed and tinted (for tests and the gallery).
    TKsBitmap& ActiveAtlas() const { return *FActive; }
    TKsBitmap& InactiveAtlas() const { return *FInactive; }

protected:
    // Loads the atlases from other resources: lets tests see the failure
    // of a missing one.
    TNgLuna(const char* activeResource, const char* inactiveResource);

private:
    // Sets the bitmap's font from the font table and its colour from the
    // colour table.
    void UseFont(TKsBitmap& bitmap, int fontIndex, int colorIndex);
    uint32_t Pixel(int colorIndex);

    TOwned<TKsBitmap> FActive;
    TOwned<TKsBitmap> FInactive;
};

// Copies src of the atlas to (x, y) of target, opaque or keeping the
// target where the atlas is transparent; the atlas's PerPixelAlpha mode is
// restored afterwards.
void CopyPiece(TKsBitmap& atlas, TKsBitmap& target, int x, int y, const RECT& src, bool transparent);
// Stretches src of the atlas onto dst of target, opaque.
void StretchPiece(TKsBitmap& atlas, TKsBitmap& target, const RECT& dst, const RECT& src);
// Nine-slice: edge strips of width margin and the centre stretched, the
// corners copied (transparent when transparentCorners).
void NineSlice(TKsBitmap& atlas, TKsBitmap& target, const RECT& dst, const RECT& src, int margin,
               bool transparentCorners);
