// The theme classes register here, in one place, so that the registry's
// order does not depend on the order in which the linker lays out units:
// first the "No Theme" base, then Luna.

#include "theme/NgLuna.h"
#include "theme/NgThemes.h"

namespace {
struct TThemeModules {
    TThemeModules()
    {
        RegisterThemeClass(TNgTheme::StaticThemeClass());
        RegisterThemeClass(TNgLuna::StaticThemeClass());
    }
};
const TThemeModules ThemeModules;
}
