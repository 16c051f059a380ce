#pragma once
// How the theme engine reaches the themed forms on screen. The themed form
// component takes part by deriving from INgThemedForm; the engine finds it
// among the components each top-level form owns.

#include <windows.h>

class TComponent;
class TNgThemeEngine;

class INgThemedForm {
public:
    // The engine this form draws with; none when unbound.
    virtual TNgThemeEngine* ThemedFormEngine() const = 0;
    // Its engine's theme was replaced: re-lay the frame out and invalidate
    // the form's controls.
    virtual void ThemeReplaced() = 0;
    // Some engine's hue changed: repaint the frame, invalidate the form and
    // its controls.
    virtual void ThemeHueChanged() = 0;

protected:
    ~INgThemedForm() = default;
};

// The top-level forms in the screen's order, and their invalidation.
class INgFormList {
public:
    virtual int FormCount() const = 0;
    virtual TComponent* Forms(int index) const = 0;
    virtual void InvalidateForm(TComponent* form) const = 0;

protected:
    ~INgFormList() = default;
};

// The list the engine walks: the screen's forms, unless another list was
// installed (tests install a stand-in; none restores the screen's).
// Returns the list in effect before.
INgFormList* SetThemedFormList(INgFormList* list);
INgFormList* ThemedFormList();
