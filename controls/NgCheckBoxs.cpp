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
        return SIZE{theme->GetMetric(nmCheckWidth), theme->GetMetric(nmCheckHeight)};
    return inherited::GetBoxSize();
}

void TNgCheckBox::PaintBox()
{
    TNgTheme* theme = Theme();
    if (!theme) {
        inherited::PaintBox();
        return;
    }
    const TNgElementState state = !Enabled() ? esDisabled : Hot() ? esHot : esNormal;
    static const TNgCheck Checks[] = {ckUnchecked, ckChecked, ckGrayed};  // by TCheckBoxState
    theme->DrawCheckBox(Front(), GetBoxRect(), state, Checks[State()]);
}
