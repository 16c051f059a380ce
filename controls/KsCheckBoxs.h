#pragma once
// The check box in the classic look: the system's check box glyph with
// three states and a caption to its right, with its access key. Every
// change of State, by the user or by the program, raises OnClick.

#include "controls/KsControls.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
DECLARE_ENUM_INFO(TCheckBoxState)

class TKsCustomCheckBox : public TKsCustomControl {
    DECLARE_CLASS(TKsCustomCheckBox, TKsCustomControl)
public:
    explicit TKsCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    // Pixels between the box and the caption.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    // Unchecked and grayed become checked, checked becomes unchecked.
    void Toggle();

    // Width and height of the box.
    virtual SIZE GetBoxSize();
    // The box, flush left and centred vertically.
    RECT GetBoxRect();

    void Loaded() override;

protected:
    void PaintForeground() override
    {
        PaintBox();
        PaintCaption();
    }
    virtual void PaintBox();
    // The caption, and the focus rectangle around it.
    virtual void PaintCaption();

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    void CMDialogChar(TMessage& message);

    TCheckBoxState FState = cbUnchecked;
    int FSpacing = 5;
    // The left button went down on the box and has not come up.
    bool FPressed = false;
};
