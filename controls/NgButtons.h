#pragma once
// The push button whose face the theme draws (Luna's normal, hot, pressed,
// disabled and focused faces) whenever its engine has a theme that can
// draw; the classic face otherwise. Caption and glyph are the classic ones.

#include "controls/KsButtons.h"
#include "controls/NgThemed.h"

class TNgButton : public TNgThemed<TKsCustomButton> {
    DECLARE_CLASS(TNgButton, TNgThemed<TKsCustomButton>)
public:
    explicit TNgButton(TComponent* owner) : TNgThemed(owner) {}

    // The theme's face state: disabled, pressed, hot, focused, default,
    // else normal, in that order of priority.
    TNgElementState FaceState() const;

protected:
    void PaintFace() override;
};
