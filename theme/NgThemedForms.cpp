#include "theme/NgThemedForms.h"

// The screen's list (NgScreenForms.cpp).
INgFormList* ScreenThemedFormList();

namespace {
// None: the screen's forms.
INgFormList* InstalledList = nullptr;
}

INgFormList* SetThemedFormList(INgFormList* list)
{
    INgFormList* previous = ThemedFormList();
    InstalledList = list;
    return previous;
}

INgFormList* ThemedFormList()
{
    return InstalledList ? InstalledList : ScreenThemedFormList();
}
