#include "frame/NgMenuForm.h"

#include "framework/ClassBuilder.h"
#include "theme/NgEngine.h"
#include "theme/NgThemes.h"

IMPLEMENT_CLASS(TNgPopupForm) {}

IMPLEMENT_CLASS(TNgPopupWindow) {}

TNgThemeEngine* TNgPopupForm::ThemeEngine() const
{
    auto* window = dynamic_cast<TNgPopupWindow*>(Owner());
    TNgThemeEngine* engine = window ? window->ThemeEngine() : nullptr;
    return engine && engine->IsThemeAvailable() ? engine : nullptr;
}

void TNgPopupForm::PaintFrame(TKsBitmap& bitmap)
{
    TNgThemeEngine* engine = ThemeEngine();
    if (!engine || !View() || !View()->Item()) {
        inherited::PaintFrame(bitmap);
        return;
    }
    engine->Theme()->DrawPopupFrame(bitmap, FrameSize().cx, FrameSize().cy);
}

void TNgPopupForm::PaintBackground(TKsBitmap& bitmap)
{
    TNgThemeEngine* engine = ThemeEngine();
    if (!engine) {
        inherited::PaintBackground(bitmap);
        return;
    }
    const RECT client = GetClientBounds();
    bitmap.FillRect(client, ColorToPixel(engine->Theme()->GetColor(ncPopup)));
    if (View())
        View()->PaintItems(bitmap, POINT{client.left, client.top});
}

TKsPopupForm* TNgPopupWindow::CreatePopupForm()
{
    return Create<TNgPopupForm>(this);
}
