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

// What a menu item shows; menu items fill one in for each measure and draw.
enum TNgItemKind {
    ikOrdinary = 0,
    ikClose = 1,
    ikRestore = 2,
    ikMinimize = 3,
    ikWindowIcon = 4,
};

struct TNgMenuItemData {
    std::string Caption;                    // "-" marks a separator
    std::string ShortCut;                   // shortcut text, empty when none
    bool Checked = false;
    bool Enabled = true;
    const INgItemImages* Images = nullptr;  // none when no list is in effect
    int ImageIndex = -1;
    int Count = 0;                          // number of sub-items
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
    virtual int GetMetric(int index);
    virtual TColor GetColor(int index);
    virtual std::string GetFontName(int index);
    virtual int GetFontSize(int index);
    virtual TFontStyles GetFontStyle(int index);
    // A new window region owned by the caller; none from the base class.
    virtual HRGN CreateFormRegion(int width, int height, int borderStyle);
    virtual void DrawCaptionButton(TKsBitmap& bitmap, const RECT& rect, int button, bool hot, bool pressed,
                                   bool active, int borderStyle);
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
    virtual void DrawProgressChunks(TKsBitmap& bitmap, const RECT& contentRect, const RECT& barRect,
                                    int orientation, bool smooth);
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
