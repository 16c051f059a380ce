#pragma once
// Actions: one command that several menu items and buttons share. The
// action holds the caption, the state and the handler; each client owns a
// link to it, through which it copies those values when it is linked and
// again whenever the action changes, and through which a click runs the
// handler. A client hears the action's end through the usual removal
// notification and then drops its link.

#include "framework/Component.h"
#include "framework/ShortCut.h"

#include <string>
#include <vector>

class TActionLink;
class TActionList;

class TAction : public TComponent {
    DECLARE_CLASS(TAction, TComponent)
public:
    explicit TAction(TComponent* owner);
    ~TAction() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    const TNotifyEvent& OnExecute() const { return FOnExecute; }
    void SetOnExecute(const TNotifyEvent& value);

    // Runs OnExecute with the action as sender; false when the action is
    // disabled or has no handler.
    virtual bool Execute();

    // The list the action belongs to (its images are the action's images).
    TActionList* ActionList() const { return FActionList; }
    void SetActionList(TActionList* list);

    // Every link hears each change (Change) after it has been made.
    void RegisterLink(TActionLink* link);
    void UnregisterLink(TActionLink* link);
    // Tells the links; the action list calls it when its images change.
    void Changed();

    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return FActionList != nullptr; }
    void SetParentComponent(TComponent* parent) override;

private:
    template <class T>
    void Update(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int FHelpContext = 0;
    std::string FHint;
    int FImageIndex = -1;
    TShortCut FShortCut = 0;
    bool FVisible = true;
    TNotifyEvent FOnExecute;
    TActionList* FActionList = nullptr;
    std::vector<TActionLink*> FLinks;
};

// The client's end of a link: owned by the client, registered with the
// action for as long as it points at one.
class TActionLink : public TObject {
public:
    TActionLink() = default;
    ~TActionLink() override;

    TAction* Action() const { return FAction; }
    void SetAction(TAction* action);
    // The action has changed one of its values.
    virtual void Change() {}
    // Runs the action; false when there is none or it did not run.
    bool Execute();
    // The action's handler is this event: clicking should run it once, as
    // the action.
    bool IsExecuteHandler(const TNotifyEvent& event) const;

private:
    friend class TAction;
    TAction* FAction = nullptr;
};

// A link that passes every change of its action to a client, which takes
// the action's values in ActionChange(action, checkDefaults).
template <class TClient>
class TClientActionLink : public TActionLink {
public:
    explicit TClientActionLink(TClient* client) : FClient(client) {}
    void Change() override
    {
        if (TAction* action = Action())
            FClient->ActionChange(action, false);
    }

private:
    TClient* FClient;
};

// Points a client's link at action: makes the link on first use, frees it
// for no action, and keeps the client's removal notice in step. True when
// the client now has another action, whose values it should then take.
template <class TLink, class TClient>
bool RelinkAction(TClient* client, TOwned<TActionLink>& link, TAction* action)
{
    TAction* old = link ? link->Action() : nullptr;
    if (action == old)
        return false;
    if (old)
        old->RemoveFreeNotification(client);
    if (!action) {
        link.reset();
        return false;
    }
    if (!link)
        link = MakeOwned<TLink>(client);
    link->SetAction(action);
    action->FreeNotification(client);
    return true;
}

// A client's click: OnClick when it is a handler of its own; otherwise the
// linked action (never while designing); otherwise OnClick.
void ClickWithAction(const TNotifyEvent& onClick, TActionLink* link, TObject* sender, bool designing);
