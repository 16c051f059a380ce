#include "controls/NgButtons.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TNgButton)
{
    Creatable();
    Property("ThemeEngine", &TNgButton::ThemeEngine, &TNgButton::SetThemeEngine);
    Property("Version", &TNgButton::Version, &TNgButton::SetVersion, std::string("2.1"));
}

TNgElementState TNgButton::FaceState() const
{
    if (!Enabled())
        return esDisabled;
    if (Down())
        return esPressed;
    if (Hot())
        return esHot;
    if (HasFocus())
        return esFocused;
    if (DefaultShown())
        return esDefault;
    return esNormal;
}

void TNgButton::PaintFace()
{
    if (TNgTheme* theme = Theme())
        theme->DrawButton(Front(), PaintWidth(), PaintHeight(), FaceState());
    else
        inherited::PaintFace();
}
