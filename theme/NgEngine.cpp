#include "theme/NgEngine.h"

#include "framework/ClassBuilder.h"
#include "framework/Stream.h"
#include "theme/NgThemedForms.h"

#include <vector>

IMPLEMENT_CLASS(TNgThemeEngine)
{
    Creatable();
    Object("Theme", &TNgThemeEngine::Theme);
    Property("DeltaHue", &TNgThemeEngine::DeltaHue, &TNgThemeEngine::SetDeltaHue, 0).AlwaysStored();
    Property("Version", &TNgThemeEngine::Version, &TNgThemeEngine::SetVersion, std::string("2.1")).AlwaysStored();
}

TNgThemeEngine::TNgThemeEngine(TComponent* owner) : TComponent(owner)
{
    FTheme = TNgTheme::StaticThemeClass().Create();
}

TNgThemeEngine::~TNgThemeEngine()
{
    FreeAndNil(FTheme);
}

void TNgThemeEngine::SetTheme(TNgTheme* value)
{
    // The engine owns its theme: the replaced one would otherwise leak its
    // atlases and their GDI objects.
    if (value != FTheme) {
        TNgTheme* previous = FTheme;
        FTheme = value;
        if (previous)
            previous->Free();
    }
    UpdateForms();
}

bool TNgThemeEngine::IsThemeAvailable() const
{
    return FTheme && FTheme->ThemeClass().IsAvailable();
}

void TNgThemeEngine::SetDeltaHue(int value)
{
    if (value == FDeltaHue)
        return;
    FDeltaHue = value;
    if (IsThemeAvailable()) {
        FTheme->SetDeltaHue(value);
        UpdateHue();
    }
}

void TNgThemeEngine::SelectThemeClass(const TNgThemeClass& themeClass)
{
    if (IsThemeClassRegistered(themeClass)) {
        // Build the new theme first: when its constructor fails, the
        // engine keeps a theme instead of none.
        TNgTheme* created = themeClass.Create();
        FreeAndNil(FTheme);
        FTheme = created;
    }
    if (IsThemeAvailable())
        FTheme->SetDeltaHue(FDeltaHue);
    UpdateForms();
}

void TNgThemeEngine::DefineProperties(TFiler& filer)
{
    inherited::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "ThemeClass", [this](TStream& stream) { ReadThemeClass(stream); },
        [this](TStream& stream) { WriteThemeClass(stream); }, true);
}

void TNgThemeEngine::ReadThemeClass(TStream& stream)
{
    // A stored name this program cannot use must not stop the form from
    // loading: whatever goes wrong, the engine keeps the state it reached.
    try {
        int32_t length = stream.ReadInt32();
        if (length < 0 || static_cast<size_t>(length) > stream.Size() - stream.Position())
            throw EStreamError("Malformed theme class name");
        std::string name(static_cast<size_t>(length), '\0');
        stream.ReadBuffer(name.data(), name.size());
        if (const TNgThemeClass* themeClass = FindThemeClass(name))
            SelectThemeClass(*themeClass);
    } catch (const std::exception&) {
    }
}

void TNgThemeEngine::WriteThemeClass(TStream& stream) const
{
    if (!FTheme)
        return;
    const std::string& name = FTheme->ThemeClass().GetName();
    stream.WriteInt32(static_cast<int32_t>(name.size()));
    stream.WriteBuffer(name.data(), name.size());
}

namespace {
// Every component of every form on screen, in the screen's order, that is
// a themed form.
template <class Visit>
void ForEachThemedForm(Visit visit)
{
    INgFormList* list = ThemedFormList();
    if (!list)
        return;
    for (int i = 0; i < list->FormCount(); ++i) {
        TComponent* form = list->Forms(i);
        if (!form)
            continue;
        std::vector<INgThemedForm*> themed;
        for (int j = 0; j < form->ComponentCount(); ++j)
            if (auto* themedForm = dynamic_cast<INgThemedForm*>(form->Components(j)))
                themed.push_back(themedForm);
        visit(*list, form, themed);
    }
}
}

void TNgThemeEngine::UpdateForms()
{
    ForEachThemedForm([this](const INgFormList& list, TComponent* form, const std::vector<INgThemedForm*>& themed) {
        for (INgThemedForm* themedForm : themed)
            if (themedForm->ThemedFormEngine() == this)
                themedForm->ThemeReplaced();
        list.InvalidateForm(form);
    });
}

void TNgThemeEngine::UpdateHue()
{
    ForEachThemedForm([](const INgFormList&, TComponent*, const std::vector<INgThemedForm*>& themed) {
        for (INgThemedForm* themedForm : themed)
            themedForm->ThemeHueChanged();
    });
}
