// Actions, their lists and the link a control holds to one.

#include "tests/framework/TestComponents.h"

#include "framework/Action.h"
#include "framework/ActionList.h"
#include "framework/ImageList.h"
#include "framework/Label.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"

#include <doctest/doctest.h>

namespace {
const char* const ActionLayout = "object Host: TTestForm\n"
                                 "  object First: TGadget\n"
                                 "  end\n"
                                 "  object Second: TGadget\n"
                                 "  end\n"
                                 "  object ilCommands: TImageList\n"
                                 "  end\n"
                                 "  object alCommands: TActionList\n"
                                 "    Images = ilCommands\n"
                                 "    object actOpen: TAction\n"
                                 "      Caption = '&Open'\n"
                                 "      ImageIndex = 2\n"
                                 "      ShortCut = 16463\n"
                                 "      OnExecute = GadgetChanged\n"
                                 "    end\n"
                                 "  end\n"
                                 "end\n";

struct THostFixture {
    TTestForm* Host = Create<TTestForm>(nullptr);
    TActionList* List = nullptr;
    TAction* Open = nullptr;

    THostFixture()
    {
        ReadLayout(Host, ActionLayout, "ACTIONS");
        List = dynamic_cast<TActionList*>(Host->FindComponent("alCommands"));
        Open = dynamic_cast<TAction*>(Host->FindComponent("actOpen"));
    }
    ~THostFixture() { Host->Free(); }
    THostFixture(const THostFixture&) = delete;
    THostFixture& operator=(const THostFixture&) = delete;
};
}

TEST_CASE_FIXTURE(THostFixture, "an action list and its actions come from a layout and are written back nested")
{
    REQUIRE(List);
    REQUIRE(Open);
    CHECK(List->Count() == 1);
    CHECK(List->Actions(0) == Open);
    CHECK(Open->ActionList() == List);
    CHECK(List->Images() == Host->FindComponent("ilCommands"));
    CHECK(Open->Caption() == "&Open");
    CHECK(Open->ImageIndex() == 2);
    CHECK(Open->ShortCut() == MakeShortCut('O', scCtrl));

    CHECK(Open->Execute());
    CHECK(Host->Changes == 1);
    Open->SetEnabled(false);
    CHECK_FALSE(Open->Execute());
    CHECK(Host->Changes == 1);
    Open->SetEnabled(true);

    const std::string written = WriteLayout(Host);
    const size_t list = written.find("object alCommands: TActionList");
    const size_t action = written.find("    object actOpen: TAction");
    CHECK(list != std::string::npos);
    CHECK(action > list);
    CHECK(action != std::string::npos);
    CHECK(written.find("Images = ilCommands") != std::string::npos);
    CHECK(written.find("OnExecute = GadgetChanged") != std::string::npos);
    // Only what differs from the defaults.
    CHECK(written.find("Enabled") == std::string::npos);

    Host->FindComponent("ilCommands")->Free();
    CHECK(List->Images() == nullptr);
    // A freed action leaves its list; a freed list takes its actions along.
    Open->Free();
    CHECK(List->Count() == 0);
    auto* kept = Create<TAction>(Host);
    kept->SetActionList(List);
    List->Free();
    CHECK(Host->FindComponent("alCommands") == nullptr);
    CHECK(Host->ComponentCount() == 2);
}

TEST_CASE_FIXTURE(THostFixture,
                  "a control takes its action's values, runs it when clicked, and forgets it when it goes")
{
    TOwned<TLabel> label(Create<TLabel>(nullptr));
    label->SetHint("own hint");
    label->SetAction(Open);
    CHECK(label->Action() == Open);
    CHECK(label->Caption() == "&Open");
    CHECK(label->Hint().empty());
    CHECK(label->OnClick == Open->OnExecute());

    Open->SetCaption("&Open...");
    Open->SetEnabled(false);
    Open->SetVisible(false);
    CHECK(label->Caption() == "&Open...");
    CHECK_FALSE(label->Enabled());
    CHECK_FALSE(label->Visible());
    Open->SetEnabled(true);

    // The action's own handler runs once, as the action.
    label->Click();
    CHECK(Host->Changes == 1);
    // A handler of the control's own runs instead of the action.
    label->OnClick = TNotifyEvent::Bind<&TTestForm::OtherChanged>(Host);
    label->Click();
    CHECK(Host->Changes == 11);
    // Without a handler the action runs.
    label->OnClick = TNotifyEvent();
    label->Click();
    CHECK(Host->Changes == 12);

    Open->Free();
    CHECK(label->Action() == nullptr);
    label->Click();
    CHECK(Host->Changes == 12);
    label->SetAction(nullptr);
}
