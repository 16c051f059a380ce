#include "controls/KsCheckBoxs.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_ENUM_INFO(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

IMPLEMENT_CLASS(TKsCustomCheckBox)
{
    Creatable();
    // None of the three has a default: all are always stored.
    Property("Checked", &TKsCustomCheckBox::Checked, &TKsCustomCheckBox::SetChecked);
    Property("Spacing", &TKsCustomCheckBox::Spacing, &TKsCustomCheckBox::SetSpacing);
    Property("State", &TKsCustomCheckBox::State, &TKsCustomCheckBox::SetState);
    Message(CM_DIALOGCHAR, &TKsCustomCheckBox::CMDialogChar);
}

TKsCustomCheckBox::TKsCustomCheckBox(TComponent* owner) : TKsCustomControl(owner)
{
    // The state changes on release and raises OnClick itself: the
    // framework's own click on release would raise it a second time.
    SetControlStyle(ControlStyle() - csClickEvents);
    SetBounds(0, 0, 98, 20);
    SetTabStop(true);
    SetTransparent(true);
    SetShowsHot(true);
    SetCaption("CheckBox");
}

void TKsCustomCheckBox::SetState(TCheckBoxState value)
{
    if (value == FState)
        return;
    FState = value;
    Invalidate();
    Click();
}

void TKsCustomCheckBox::SetSpacing(int value)
{
    if (value == FSpacing)
        return;
    FSpacing = value;
    Invalidate();
}

void TKsCustomCheckBox::Toggle()
{
    SetState(FState == cbChecked ? cbUnchecked : cbChecked);
}

SIZE TKsCustomCheckBox::GetBoxSize()
{
    return SIZE{13, 13};
}

RECT TKsCustomCheckBox::GetBoxRect()
{
    const SIZE box = GetBoxSize();
    RECT rect{0, 0, box.cx, box.cy};
    OffsetRect(&rect, 0, (PaintHeight() - box.cy) / 2);
    return rect;
}

void TKsCustomCheckBox::Loaded()
{
    inherited::Loaded();
    Invalidate();
}

void TKsCustomCheckBox::PaintBox()
{
    UINT flags = DFCS_BUTTONCHECK;
    if (FState == cbChecked)
        flags |= DFCS_CHECKED;
    else if (FState == cbGrayed)
        flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
    if (!Enabled())
        flags |= DFCS_INACTIVE;
    RECT box = GetBoxRect();
    DrawFrameControl(Front().DC(), &box, DFC_BUTTON, flags);
}

void TKsCustomCheckBox::PaintCaption()
{
    TKsBitmap& front = Front();
    front.Font().Assign(Font());
    const std::string& text = Caption();
    const int width = front.TextWidth(text);
    const int height = front.TextHeight(text);
    const int left = GetBoxSize().cx + FSpacing;
    RECT box{left, 0, left + width, height};
    OffsetRect(&box, 0, (PaintHeight() - height) / 2);
    const UINT format = DT_LEFT | DT_SINGLELINE;
    DrawCaptionText(text, box, format);
    if (HasFocus())
        front.DrawFocusRect(RECT{box.left - 1, box.top - 2, box.right + 3, box.bottom + 2}, MakeColor(0, 0, 0));
}

void TKsCustomCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FPressed = true;
    if (CanFocus())
        SetFocus();
    SetMouseCapture(true);
}

void TKsCustomCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    SetMouseCapture(false);
    // Only a left click that began on the box toggles it; the right edge
    // and the bottom edge still count as on it.
    if (button == mbLeft && FPressed) {
        FPressed = false;
        if (x >= 0 && x <= PaintWidth() && y >= 0 && y <= PaintHeight())
            SetChecked(!Checked());
    }
    inherited::MouseUp(button, shift, x, y);
}

void TKsCustomCheckBox::KeyUp(WORD& key, TShiftState shift)
{
    if (key == VK_SPACE)
        SetChecked(!Checked());
    inherited::KeyUp(key, shift);
}

void TKsCustomCheckBox::CMDialogChar(TMessage& message)
{
    if (IsAccelerator(message.WParam)) {
        SetFocus();
        if (Focused() || HasFocus())
            Toggle();
        message.Result = 1;
        return;
    }
    InheritedMessage<TKsCustomCheckBox>(message);
}
