#include "controls/NgThemed.h"

TNgTheme* ControlTheme(const TComponent& control, const TNgThemeEngine* engine)
{
    if (control.IsLoading() || control.IsDestroying() || !engine || !engine->IsThemeAvailable())
        return nullptr;
    return engine->Theme();
}
