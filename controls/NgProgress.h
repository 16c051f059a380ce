#pragma once
// The progress bar drawn by the theme (Luna's rounded frame, light track
// and green blocks) whenever its engine has a theme that can draw, and in
// the classic look otherwise.

#include "controls/KsProgress.h"
#include "controls/NgThemed.h"

class TNgProgressBar : public TNgThemed<TKsCustomProgressBar> {
    DECLARE_CLASS(TNgProgressBar, TNgThemed<TKsCustomProgressBar>)
public:
    explicit TNgProgressBar(TComponent* owner) : TNgThemed(owner) {}

protected:
    void PaintBar() override;
    void PaintFrame() override;
};
