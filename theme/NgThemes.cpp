#include "theme/NgThemes.h"

#include "framework/ClassBuilder.h"

#include <vector>

IMPLEMENT_CLASS(TNgTheme) {}

namespace {
TNgTheme* CreateBaseTheme()
{
    return Create<TNgTheme>();
}

// Created on first registration and never freed: engines may outlive
// static destruction order.
std::vector<const TNgThemeClass*>& Registry()
{
    static auto* registry = new std::vector<const TNgThemeClass*>;
    return *registry;
}
}

const TNgThemeClass& TNgTheme::StaticThemeClass()
{
    static const TNgThemeClass themeClass("No Theme", false, &CreateBaseTheme);
    return themeClass;
}

const TNgThemeClass& TNgTheme::ThemeClass() const
{
    return StaticThemeClass();
}

void TNgTheme::SetDeltaHue(int value)
{
    if (value == FDeltaHue)
        return;
    FHueDelta = value - FDeltaHue;
    FDeltaHue = value;
    HueChanged();
}

// The base theme has no artwork, no geometry and draws nothing: callers
// ask IsAvailable first and use their classic look.
void TNgTheme::HueChanged() {}
int TNgTheme::GetMetric(int)
{
    return 0;
}
TColor TNgTheme::GetColor(int)
{
    return clBlack;
}
std::string TNgTheme::GetFontName(int)
{
    return std::string();
}
int TNgTheme::GetFontSize(int)
{
    return 0;
}
TFontStyles TNgTheme::GetFontStyle(int)
{
    return TFontStyles();
}
HRGN TNgTheme::CreateFormRegion(int, int, int)
{
    return nullptr;
}
void TNgTheme::DrawCaptionButton(TKsBitmap&, const RECT&, int, bool, bool, bool, int) {}
void TNgTheme::DrawFormFrame(TKsBitmap&, int, int, const RECT&, bool, int) {}
void TNgTheme::MeasureMenuBarItem(TKsBitmap&, const TNgMenuItemData&, int&, int&) {}
void TNgTheme::MeasurePopupItem(TKsBitmap&, const TNgMenuItemData&, int&, int&) {}
void TNgTheme::DrawMenuBar(TKsBitmap&, int, int) {}
void TNgTheme::DrawMenuBarItem(TKsBitmap&, const TNgMenuItemData&, const RECT&, bool, bool) {}
void TNgTheme::DrawMenuBarButton(TKsBitmap&, const TNgMenuItemData&, const RECT&, bool, bool) {}
void TNgTheme::DrawPopupFrame(TKsBitmap&, int, int) {}
void TNgTheme::DrawPopupItem(TKsBitmap&, const TNgMenuItemData&, const RECT&, bool, bool) {}
void TNgTheme::DrawButton(TKsBitmap&, int, int, int) {}
void TNgTheme::DrawCheckBox(TKsBitmap&, const RECT&, int, int) {}
void TNgTheme::DrawRadioButton(TKsBitmap&, const RECT&, int, int) {}
void TNgTheme::DrawTrackThumb(TKsBitmap&, const RECT&, bool, int, int) {}
void TNgTheme::DrawTrackChannel(TKsBitmap&, const RECT&, const RECT&) {}
void TNgTheme::DrawProgressFrame(TKsBitmap&, const RECT&) {}
void TNgTheme::DrawProgressChunks(TKsBitmap&, const RECT&, const RECT&, int, bool) {}
void TNgTheme::DrawPanel(TKsBitmap&, const RECT&, int) {}
void TNgTheme::DrawHeaderBar(TKsBitmap&, const RECT&, const std::string&) {}
void TNgTheme::DrawSmallButton(TKsBitmap&, const RECT&, int, int, bool) {}
void TNgTheme::DrawGroupFrame(TKsBitmap&, const RECT&, const RECT&, const std::string&) {}
void TNgTheme::DrawScrollTrack(TKsBitmap&, const RECT&, bool) {}
void TNgTheme::DrawScrollArrow(TKsBitmap&, const RECT&, bool, bool, int) {}
void TNgTheme::DrawScrollThumb(TKsBitmap&, const RECT&, bool, int) {}
void TNgTheme::DrawTabPage(TKsBitmap&, const RECT&) {}
void TNgTheme::DrawTab(TKsBitmap&, const RECT&, int, int) {}

void RegisterThemeClass(const TNgThemeClass& themeClass)
{
    Registry().push_back(&themeClass);
}

int ThemeClassCount()
{
    return static_cast<int>(Registry().size());
}

const TNgThemeClass& ThemeClasses(int index)
{
    return *Registry().at(static_cast<size_t>(index));
}

const TNgThemeClass* FindThemeClass(const std::string& name)
{
    for (const TNgThemeClass* themeClass : Registry())
        if (themeClass->GetName() == name)
            return themeClass;
    return nullptr;
}

bool IsThemeClassRegistered(const TNgThemeClass& themeClass)
{
    for (const TNgThemeClass* registered : Registry())
        if (registered == &themeClass)
            return true;
    return false;
}
