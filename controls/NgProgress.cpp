#include "controls/NgProgress.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TNgProgressBar)
{
    Creatable();
    Property("ThemeEngine", &TNgProgressBar::ThemeEngine, &TNgProgressBar::SetThemeEngine);
    Property("Version", &TNgProgressBar::Version, &TNgProgressBar::SetVersion, std::string("2.1"));
}

void TNgProgressBar::PaintFrame()
{
    if (TNgTheme* theme = Theme())
        theme->DrawProgressFrame(Front(), RECT{0, 0, PaintWidth(), PaintHeight()});
    else
        inherited::PaintFrame();
}

void TNgProgressBar::PaintBar()
{
    TNgTheme* theme = Theme();
    if (!theme) {
        inherited::PaintBar();
        return;
    }
    const RECT bar = GetBarRect();
    const int length = BarLength(bar);
    // No room for blocks, whichever way the bar runs.
    if (length <= 0 || BarThickness(bar) <= 0)
        return;
    const int filled = NearestInt(static_cast<double>(GetFraction(Position())) * length);
    // The themed bar grows from the top when vertical.
    RECT part = bar;
    if (Orientation() == kboHorizontal)
        part.right = bar.left + filled;
    else
        part.bottom = bar.top + filled;
    theme->DrawProgressChunks(Front(), bar, part, Orientation() == kboHorizontal ? orHorizontal : orVertical, Smooth());
}
