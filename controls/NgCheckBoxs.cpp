#include "controls/NgCheckBoxs.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TNgCheckBox)
{
    Creatable();
    Property("ThemeEngine", &TNgCheckBox::ThemeEngine, &TNgCheckBox::SetThemeEngine);
    Property("Version", &TNgCheckBox::Version, &TNgCheckBox::SetVersion, std::string("2.1"));
}

SIZE TNgCheckBox::GetBoxSize()
{
    if (TNgTheme* theme = Theme())
        return SIZE{theme->GetMetric(16), theme->GetMetric(17)};
    return inherited::GetBoxSize();
}

void TNgCheckBox::PaintBox()
{
    TNgTheme* theme = Theme();
    if (!theme) {
        inherited::PaintBox();
        return;
    }
    const int state = !Enabled() ? 3 : Hot() ? 1 : 0;
    static const int Checks[] = {1, 0, 2};  // by TCheckBoxState
    theme->DrawCheckBox(Front(), GetBoxRect(), state, Checks[State()]);
}
