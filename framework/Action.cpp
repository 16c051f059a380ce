#include "framework/Action.h"

#include "framework/ActionList.h"
#include "framework/ClassBuilder.h"

#include <algorithm>

IMPLEMENT_CLASS(TAction)
{
    using C = TAction;
    Creatable();
    Property("Caption", &C::Caption, &C::SetCaption);
    Property("Checked", &C::Checked, &C::SetChecked, false);
    Property("Enabled", &C::Enabled, &C::SetEnabled, true);
    Property("HelpContext", &C::HelpContext, &C::SetHelpContext, 0);
    Property("Hint", &C::Hint, &C::SetHint);
    Property("ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1);
    Property("ShortCut", &C::ShortCut, &C::SetShortCut, 0);
    Property("Visible", &C::Visible, &C::SetVisible, true);
    Event("OnExecute", &C::FOnExecute);
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction()
{
    // The clients drop their links when they hear of the removal; until
    // then the links must not reach back into this object.
    for (TActionLink* link : FLinks)
        link->FAction = nullptr;
    FLinks.clear();
    SetActionList(nullptr);
}

void TAction::SetCaption(const std::string& value)
{
    Update(FCaption, value);
}

void TAction::SetChecked(bool value)
{
    Update(FChecked, value);
}

void TAction::SetEnabled(bool value)
{
    Update(FEnabled, value);
}

void TAction::SetHelpContext(int value)
{
    Update(FHelpContext, value);
}

void TAction::SetHint(const std::string& value)
{
    Update(FHint, value);
}

void TAction::SetImageIndex(int value)
{
    Update(FImageIndex, value);
}

void TAction::SetShortCut(TShortCut value)
{
    Update(FShortCut, value);
}

void TAction::SetVisible(bool value)
{
    Update(FVisible, value);
}

void TAction::SetOnExecute(const TNotifyEvent& value)
{
    Update(FOnExecute, value);
}

bool TAction::Execute()
{
    if (!FEnabled || !FOnExecute)
        return false;
    FOnExecute(this);
    return true;
}

void TAction::Changed()
{
    // A client may unlink itself while it hears of the change.
    for (TActionLink* link : std::vector<TActionLink*>(FLinks))
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end())
            link->Change();
}

void TAction::RegisterLink(TActionLink* link)
{
    if (std::find(FLinks.begin(), FLinks.end(), link) == FLinks.end())
        FLinks.push_back(link);
}

void TAction::UnregisterLink(TActionLink* link)
{
    FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), link), FLinks.end());
}

void TAction::SetActionList(TActionList* list)
{
    if (list == FActionList)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    FActionList = list;
    if (FActionList)
        FActionList->AddAction(this);
    Changed();
}

TComponent* TAction::GetParentComponent() const
{
    return FActionList;
}

void TAction::SetParentComponent(TComponent* parent)
{
    if (auto* list = dynamic_cast<TActionList*>(parent))
        SetActionList(list);
}

// ---- links ----

TActionLink::~TActionLink()
{
    SetAction(nullptr);
}

void TActionLink::SetAction(TAction* action)
{
    if (action == FAction)
        return;
    if (FAction)
        FAction->UnregisterLink(this);
    FAction = action;
    if (FAction)
        FAction->RegisterLink(this);
}

bool TActionLink::Execute()
{
    return FAction && FAction->Execute();
}

bool TActionLink::IsExecuteHandler(const TNotifyEvent& event) const
{
    return FAction && event == FAction->OnExecute();
}

void ClickWithAction(const TNotifyEvent& onClick, TActionLink* link, TObject* sender, bool designing)
{
    const bool linked = link && link->Action();
    if (onClick && linked && !link->IsExecuteHandler(onClick))
        onClick(sender);
    else if (!designing && linked)
        link->Execute();
    else
        onClick(sender);
}
