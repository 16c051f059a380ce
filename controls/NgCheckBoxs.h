#pragma once
// The check box whose box the theme draws (Luna's 16 x 16 boxes, normal,
// hot and disabled, checked, unchecked and grayed) whenever its engine has
// a theme that can draw; the classic box otherwise.

#include "controls/KsCheckBoxs.h"
#include "controls/NgThemed.h"

class TNgCheckBox : public TNgThemed<TKsCustomCheckBox> {
    DECLARE_CLASS(TNgCheckBox, TNgThemed<TKsCustomCheckBox>)
public:
    explicit TNgCheckBox(TComponent* owner) : TNgThemed(owner) {}

    SIZE GetBoxSize() override;

protected:
    void PaintBox() override;
};
