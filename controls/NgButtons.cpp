#include "controls/NgButtons.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TNgButton)
{
    Creatable();
    Property("ThemeEngine", &TNgButton::ThemeEngine, &TNgButton::SetThemeEngine);
    Property("Version", &TNgButton::Version, &TNgButton::SetVersion, std::string("2.1"));
}

int TNgButton::FaceState() const
{
    if (!Enabled())
        return 3;
    if (Down())
        return 2;
    if (Hot())
        return 1;
    if (HasFocus())
        return 4;
    if (DefaultShown())
        return 5;
    return 0;
}

void TNgButton::PaintFace()
{
    if (TNgTheme* theme = Theme())
        theme->DrawButton(Front(), PaintWidth(), PaintHeight(), FaceState());
    else
        inherited::PaintFace();
}
