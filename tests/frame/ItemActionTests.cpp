// Menu items linked to actions: the values they take and the click that
// runs the action.

#include "frame/KsItems.h"
#include "framework/ActionList.h"
#include "framework/ClassBuilder.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "tests/support/MessagePump.h"

#include <doctest/doctest.h>

namespace {

// The root of the layouts here, with the handlers they bind.
class TActionHost : public TComponent {
    DECLARE_CLASS(TActionHost, TComponent)
public:
    explicit TActionHost(TComponent* owner) : TComponent(owner) {}
    int Executed = 0;
    int OwnClicks = 0;
    void ActionExecute(TObject*) { ++Executed; }
    void ItemClick(TObject*) { ++OwnClicks; }
    void GetChildren(const TGetChildProc& proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i)
            if (!Components(i)->HasParent())
                proc(Components(i));
    }
    const TMethodTable* MethodTable() const override
    {
        static const TMethodTable table = {PUBLISHED_METHOD(TActionHost, ActionExecute),
                                           PUBLISHED_METHOD(TActionHost, ItemClick)};
        return &table;
    }
};

const char* const ItemLayout = "object Host: TActionHost\n"
                               "  object itmClose: TKsCustomItem\n"
                               "    Caption = 'Shut'\n"
                               "    Enabled = False\n"
                               "    Action = actClose\n"
                               "  end\n"
                               "  object alCommands: TActionList\n"
                               "    object actClose: TAction\n"
                               "      Caption = '&Close'\n"
                               "      Checked = True\n"
                               "      HelpContext = 7\n"
                               "      Hint = 'Closes the window'\n"
                               "      ImageIndex = 3\n"
                               "      ShortCut = 32883\n"
                               "      OnExecute = ActionExecute\n"
                               "    end\n"
                               "  end\n"
                               "end\n";

struct TItemFixture {
    TActionHost* Host = Create<TActionHost>(nullptr);
    TKsCustomItem* Item = nullptr;
    TAction* Action = nullptr;

    TItemFixture()
    {
        ReadLayout(Host, ItemLayout, "ITEMS");
        Item = dynamic_cast<TKsCustomItem*>(Host->FindComponent("itmClose"));
        Action = dynamic_cast<TAction*>(Host->FindComponent("actClose"));
    }
    ~TItemFixture() { Host->Free(); }
    TItemFixture(const TItemFixture&) = delete;
    TItemFixture& operator=(const TItemFixture&) = delete;

    // Chooses the item and waits for the click handler.
    void Choose(int executed, int ownClicks)
    {
        Item->Click();
        PumpUntil([&] { return Host->Executed >= executed && Host->OwnClicks >= ownClicks; }, 5000);
        // Nothing more comes.
        PumpFor(50);
    }
};

}  // namespace

IMPLEMENT_CLASS(TActionHost)
{
    Creatable();
}

TEST_CASE_FIXTURE(TItemFixture, "an item read from a layout keeps its own values and takes the rest from its action")
{
    REQUIRE(Item);
    REQUIRE(Action);
    CHECK(Item->Action() == Action);
    CHECK(Item->Caption() == "Shut");
    CHECK_FALSE(Item->Enabled());
    CHECK(Item->Checked());
    CHECK(Item->HelpContext() == 7);
    CHECK(Item->Hint() == "Closes the window");
    CHECK(Item->ImageIndex() == 3);
    CHECK(Item->ShortCut() == MakeShortCut(VK_F4, scAlt));
    CHECK(Item->OnClick == Action->OnExecute());

    // Written back: the values of its own and the reference, not what the
    // action supplies.
    Item->SetHint("Own hint");
    const std::string written = WriteLayout(Host);
    const std::string item = written.substr(0, written.find("object alCommands"));
    CHECK(item.find("Caption = 'Shut'") != std::string::npos);
    CHECK(item.find("Enabled = False") != std::string::npos);
    CHECK(item.find("Hint = 'Own hint'") != std::string::npos);
    CHECK(item.find("Action = actClose") != std::string::npos);
    for (const char* supplied : {"Checked", "HelpContext", "ImageIndex", "ShortCut", "OnClick"})
        CHECK_MESSAGE(item.find(supplied) == std::string::npos, supplied);
}

TEST_CASE("linking copies every value of the action, and each later change reaches the item")
{
    TOwned<TAction> action(Create<TAction>(nullptr));
    action->SetCaption("&Restore");
    action->SetHint("Restores");
    action->SetImageIndex(1);
    action->SetShortCut(MakeShortCut('R', scCtrl));
    action->SetHelpContext(4);
    TOwned<TKsCustomItem> item(Create<TKsCustomItem>(nullptr));
    item->SetCaption("old");
    item->SetAction(action.get());
    CHECK(item->Caption() == "&Restore");
    CHECK(item->Hint() == "Restores");
    CHECK(item->ImageIndex() == 1);
    CHECK(item->ShortCut() == MakeShortCut('R', scCtrl));
    CHECK(item->HelpContext() == 4);

    int changes = 0;
    struct TCounter {
        int* Count;
        void Changed(TObject*) { ++*Count; }
    } counter{&changes};
    item->OnItemChange = TNotifyEvent::Bind<&TCounter::Changed>(&counter);
    action->SetCaption("Re&store");
    action->SetChecked(true);
    action->SetEnabled(false);
    action->SetHint("Back");
    action->SetImageIndex(2);
    action->SetShortCut(0);
    action->SetVisible(false);
    CHECK(item->Caption() == "Re&store");
    CHECK(item->Checked());
    CHECK_FALSE(item->Enabled());
    CHECK(item->Hint() == "Back");
    CHECK(item->ImageIndex() == 2);
    CHECK(item->ShortCut() == 0);
    CHECK_FALSE(item->Visible());
    CHECK(changes >= 6);

    item->SetAction(nullptr);
    action->SetCaption("gone");
    CHECK(item->Caption() == "Re&store");
}

TEST_CASE_FIXTURE(TItemFixture, "a chosen item runs OnClick or its action, once, and a freed action is forgotten")
{
    Item->SetEnabled(true);
    SUBCASE("OnClick is the action's handler: the action runs once")
    {
        Choose(1, 0);
        CHECK(Host->Executed == 1);
    }
    SUBCASE("a handler of the item's own runs instead of the action")
    {
        Item->OnClick = TNotifyEvent::Bind<&TActionHost::ItemClick>(Host);
        Choose(0, 1);
        CHECK(Host->OwnClicks == 1);
        CHECK(Host->Executed == 0);
    }
    SUBCASE("without OnClick the action runs")
    {
        Item->OnClick = TNotifyEvent();
        Choose(1, 0);
        CHECK(Host->Executed == 1);
    }
    SUBCASE("a freed action leaves no link behind, and a click chosen before it went runs nothing of it")
    {
        Item->OnClick = TNotifyEvent();
        Item->Click();
        Action->Free();
        CHECK(Item->Action() == nullptr);
        PumpFor(100);
        CHECK(Host->Executed == 0);
        Item->Click();
        PumpFor(50);
        CHECK(Host->Executed == 0);
    }
}
