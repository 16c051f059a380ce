#include "tests/theme/ThemeTestSupport.h"

#include "framework/ClassBuilder.h"

std::vector<std::string> ThemeWalkLog;

IMPLEMENT_CLASS(TThemeTestForm)
{
    Creatable();
    Field("Engine", &TThemeTestForm::Engine);
}

void TThemeTestForm::GetChildren(const TGetChildProc& proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i)
        proc(Components(i));
}

IMPLEMENT_CLASS(TThemedFormStandIn) {}

IMPLEMENT_CLASS(TCountingTheme) {}

namespace {
TNgTheme* CreateCountingTheme()
{
    return Create<TCountingTheme>();
}
}

const TNgThemeClass& TCountingTheme::StaticThemeClass()
{
    static const TNgThemeClass themeClass("Counting", true, &CreateCountingTheme);
    return themeClass;
}
