// The items' link to their actions and the click that runs them.

#include "frame/KsItems.h"

void TKsCustomItem::SetAction(TAction* value)
{
    if (RelinkAction<TKsCustomItemActionLink>(this, FActionLink, value))
        ActionChange(value, value->IsLoading());
}

void TKsCustomItem::ActionChange(TAction* action, bool checkDefaults)
{
    if (!checkDefaults || FCaption.empty())
        SetCaption(action->Caption());
    if (!checkDefaults || !FChecked)
        SetChecked(action->Checked());
    if (!checkDefaults || FEnabled)
        SetEnabled(action->Enabled());
    if (!checkDefaults || FHelpContext == 0)
        SetHelpContext(action->HelpContext());
    if (!checkDefaults || FHint.empty())
        SetHint(action->Hint());
    if (!checkDefaults || FImageIndex == -1)
        SetImageIndex(action->ImageIndex());
    if (!checkDefaults || FShortCut == 0)
        SetShortCut(action->ShortCut());
    if (!checkDefaults || FVisible)
        SetVisible(action->Visible());
    if (!checkDefaults || !OnClick)
        OnClick = action->OnExecute();
}

void TKsCustomItem::Loaded()
{
    inherited::Loaded();
    if (TAction* action = Action())
        ActionChange(action, true);
}

void TKsCustomItem::RunClick()
{
    ClickWithAction(OnClick, FActionLink.get(), this, IsDesigning());
}
