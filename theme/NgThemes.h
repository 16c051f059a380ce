#pragma once
// The theme interface: every themed frame, menu and control asks a theme
// for its geometry, colours, fonts and drawing. The base class is the
// "No Theme" placeholder: it draws nothing and is never available, so its
// callers fall back to their classic look.

#include "framework/Colors.h"
#include "framework/Font.h"
#include "framework/Persistent.h"

#include <windows.h>

#include <string>

class TKsBitmap;
class TNgTheme;

// A theme class as the registry sees it: its name and availability are
// answered without an instance, and Create is its virtual constructor.
class TNgThemeClass {
public:
    using TFactory = TNgTheme* (*)();

    TNgThemeClass(const char* name, bool available, TFactory factory)
        : FName(name), FAvailable(available), FFactory(factory)
    {
    }
    TNgThemeClass(const TNgThemeClass&) = delete;
    TNgThemeClass& operator=(const TNgThemeClass&) = delete;

    const std::string& GetName() const { return FName; }
    bool IsAvailable() const { return FAvailable; }
    // A new theme of this class; the caller owns it (Free).
    TNgTheme* Create() const { return FFactory(); }

private:
    std::string FName;
    bool FAvailable;
    TFactory FFactory;
};

// The image list in effect for a menu item, as far as the theme needs it.
// The menu item wraps its own image list in one of these.
class INgItemImages {
public:
    virtual int ImageWidth() const = 0;
    virtual int ImageHeight() const = 0;
    virtual void DrawImage(TKsBitmap& bitmap, int x, int y, int index, bool enabled) const = 0;

protected:
    ~INgItemImages() = default;
};

// The numbers callers and themes share. The operations take them as int:
// a value outside its list is part of the contract (a theme answers the
// neutral value or draws nothing), so the names are ordinals, not types.

// GetMetric, in pixels. "Tool" is the tool-window frame.
enum TNgMetric {
    nmBorderWidth = 0,  // left, right, bottom border; top inset of the caption content
    nmToolBorderWidth = 1,
    nmCaptionHeight = 2,
    nmToolCaptionHeight = 3,
    nmCaptionCornerWidth = 4,  // the unstretched caption corner piece
    nmCaptionButtonWidth = 5,
    nmCaptionButtonHeight = 6,
    nmToolCaptionButtonWidth = 7,
    nmToolCaptionButtonHeight = 8,
    nmCaptionRightMargin = 9,  // right of the last caption button; inset of the caption text
    nmCaptionTop = 10,         // top of the caption buttons and text
    nmCaptionButtonGap = 11,
    nmToolCaptionRightMargin = 12,
    nmToolCaptionTop = 13,
    nmMenuItemHeight = 14,
    nmReserved15 = 15,  // 15 and 18 to 27: further controls, per theme
    nmCheckWidth = 16,  // check box and radio cell
    nmCheckHeight = 17,
    nmFirstReserved = 18,
    nmLastReserved = 27,
    nmCount = 28,
};

// GetColor: framework colours.
enum TNgColor {
    ncCaptionText = 0,
    ncUnused1 = 1,  // asked for by no caller
    ncInactiveCaptionText = 2,
    ncWindow = 3,      // client background of themed forms, panel fill
    ncBorder = 4,      // panels, group frames, header lines
    ncMenuBorder = 5,  // popup border, frame of a selected item
    ncMenuBar = 6,
    ncMenuBarSelected = 7,
    ncPopup = 8,  // popup background and item fill
    ncPopupSelected = 9,
    ncMenuBarText = 10,
    ncMenuBarSelectedText = 11,
    ncPopupText = 12,
    ncPopupSelectedText = 13,
    ncDisabledText = 14,
    ncHeaderText = 15,
    ncHeaderGradientFrom = 16,
    ncHeaderGradientTo = 17,
    ncCount = 18,
};

// GetFontName, GetFontSize, GetFontStyle.
enum TNgFont {
    nfCaption = 0,
    nfToolCaption = 1,
    nfMenuBarItem = 2,
    nfPopupItem = 3,
    nfHeaderBar = 4,
};

// DrawCaptionButton. The themed form passes ncbRestore for the minimize
// button of a minimized window and for the maximize button of a maximized
// one, ncbRolldown for the roll-up button of a rolled-up one.
enum TNgCaptionButton {
    ncbClose = 0,
    ncbHelp = 1,
    ncbMinimize = 2,
    ncbMaximize = 3,
    ncbRestore = 4,
    ncbRollup = 5,
    ncbRolldown = 6,
    ncbTray = 7,
};

// The state of a drawn element. Push buttons use all six; check boxes,
// radios and scroll parts the first four; small buttons the first three;
// track thumbs the first five; tabs normal, hot and focused.
enum TNgElementState {
    esNormal = 0,
    esHot = 1,
    esPressed = 2,
    esDisabled = 3,
    esFocused = 4,
    esDefault = 5,
};

// DrawCheckBox's check (a radio is checked by ckChecked, otherwise not).
enum TNgCheck {
    ckChecked = 0,
    ckUnchecked = 1,
    ckGrayed = 2,
};

// DrawSmallButton's glyph.
enum TNgSmallGlyph {
    sgChevrons = 0,
    sgCross = 1,
};

// DrawProgressChunks' orientation.
enum TNgOrientation {
    orHorizontal = 0,
    orVertical = 1,
};

// The skinned frame's border style as the frame and region operations
// take it; any other value draws nothing.
enum TNgBorderStyle {
    nbsNone = 0,
    nbsStandard = 1,
    nbsToolWindow = 2,
};

// What a menu item shows; menu items fill one in for each measure and draw.
enum TNgItemKind {
    ikOrdinary = 0,
    ikClose = 1,
    ikRestore = 2,
    ikMinimize = 3,
    ikWindowIcon = 4,
};

struct TNgMenuItemData {
    std::string Caption;   // "-" marks a separator
    std::string ShortCut;  // shortcut text, empty when none
    bool Checked = false;
    bool Enabled = true;
    const INgItemImages* Images = nullptr;  // none when no list is in effect
    int ImageIndex = -1;
    int Count = 0;  // number of sub-items
    int Kind = ikOrdinary;

    bool IsSeparator() const { return Caption == "-"; }
    bool HasImage() const { return Images && ImageIndex >= 0; }
};

class TNgTheme : public TPersistent {
    DECLARE_CLASS(TNgTheme, TPersistent)
public:
    // Shift of the artwork's hue currently applied, in 1/255 of the circle.
    int DeltaHue() const { return FDeltaHue; }
    // The last change of DeltaHue, which HueChanged applies to the artwork.
    int HueDelta() const { return FHueDelta; }
    void SetDeltaHue(int value);

    // The theme class this object was made by.
    virtual const TNgThemeClass& ThemeClass() const;
    // The base class's descriptor: "No Theme", never available.
    static const TNgThemeClass& StaticThemeClass();

    virtual void HueChanged();
    // The arguments named after the enumerations above take their values:
    // GetMetric a TNgMetric, GetColor a TNgColor, the fonts a TNgFont,
    // button a TNgCaptionButton, borderStyle a TNgBorderStyle, state a
    // TNgElementState, check a TNgCheck, glyph a TNgSmallGlyph,
    // orientation a TNgOrientation.
    virtual int GetMetric(int index);
    virtual TColor GetColor(int index);
    virtual std::string GetFontName(int index);
    virtual int GetFontSize(int index);
    virtual TFontStyles GetFontStyle(int index);
    // A new window region owned by the caller; none from the base class.
    virtual HRGN CreateFormRegion(int width, int height, int borderStyle);
    virtual void DrawCaptionButton(TKsBitmap& bitmap, const RECT& rect, int button, bool hot, bool pressed, bool active,
                                   int borderStyle);
    virtual void DrawFormFrame(TKsBitmap& bitmap, int width, int height, const RECT& frameRect, bool active,
                               int borderStyle);
    virtual void MeasureMenuBarItem(TKsBitmap& bitmap, const TNgMenuItemData& item, int& width, int& height);
    virtual void MeasurePopupItem(TKsBitmap& bitmap, const TNgMenuItemData& item, int& width, int& height);
    virtual void DrawMenuBar(TKsBitmap& bitmap, int width, int height);
    virtual void DrawMenuBarItem(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                                 bool up);
    virtual void DrawMenuBarButton(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                                   bool up);
    virtual void DrawPopupFrame(TKsBitmap& bitmap, int width, int height);
    virtual void DrawPopupItem(TKsBitmap& bitmap, const TNgMenuItemData& item, const RECT& rect, bool selected,
                               bool up);
    virtual void DrawButton(TKsBitmap& bitmap, int width, int height, int state);
    virtual void DrawCheckBox(TKsBitmap& bitmap, const RECT& rect, int state, int check);
    virtual void DrawRadioButton(TKsBitmap& bitmap, const RECT& rect, int state, int check);
    virtual void DrawTrackThumb(TKsBitmap& bitmap, const RECT& rect, bool vertical, int kind, int state);
    virtual void DrawTrackChannel(TKsBitmap& bitmap, const RECT& rect, const RECT& selectionRect);
    virtual void DrawProgressFrame(TKsBitmap& bitmap, const RECT& rect);
    virtual void DrawProgressChunks(TKsBitmap& bitmap, const RECT& contentRect, const RECT& barRect, int orientation,
                                    bool smooth);
    virtual void DrawPanel(TKsBitmap& bitmap, const RECT& rect, int style);
    virtual void DrawHeaderBar(TKsBitmap& bitmap, const RECT& rect, const std::string& text);
    virtual void DrawSmallButton(TKsBitmap& bitmap, const RECT& rect, int glyph, int state, bool down);
    virtual void DrawGroupFrame(TKsBitmap& bitmap, const RECT& frameRect, const RECT& captionRect,
                                const std::string& caption);
    virtual void DrawScrollTrack(TKsBitmap& bitmap, const RECT& rect, bool kind);
    virtual void DrawScrollArrow(TKsBitmap& bitmap, const RECT& rect, bool vertical, bool towardStart, int state);
    virtual void DrawScrollThumb(TKsBitmap& bitmap, const RECT& rect, bool vertical, int state);
    virtual void DrawTabPage(TKsBitmap& bitmap, const RECT& rect);
    virtual void DrawTab(TKsBitmap& bitmap, const RECT& rect, int position, int state);

private:
    int FDeltaHue = 0;
    int FHueDelta = 0;
};

// The registry of theme classes, in registration order. The theme modules
// fill it while the program starts; it lives until the process ends.
void RegisterThemeClass(const TNgThemeClass& themeClass);
int ThemeClassCount();
const TNgThemeClass& ThemeClasses(int index);
// The first registered class whose name equals name exactly; null if none.
const TNgThemeClass* FindThemeClass(const std::string& name);
bool IsThemeClassRegistered(const TNgThemeClass& themeClass);
