#include "tests/support/MessagePump.h"
#include "tests/tray/ShellRecorder.h"

#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/Timer.h"
#include "resources/resource.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

namespace {

struct TFailingShellFixture {
    TShellRecorder Shell;
    TOwned<TVxTrayIcon> Tray = MakeOwned<TVxTrayIcon>(nullptr);

    int Adds() const
    {
        int adds = 0;
        for (const TShellCall& call : TShellRecorder::Calls())
            adds += call.Message == NIM_ADD;
        return adds;
    }
};

}  // namespace

TEST_CASE("A failed add is tried again with every change until the shell takes the icon")
{
    TFailingShellFixture f;
    TShellRecorder::Failures(NIM_ADD).Always = true;
    f.Tray->SetActive(true);
    CHECK(f.Tray->Active());
    CHECK_FALSE(f.Tray->Added());

    // Each new hint or image is a new try; nothing is modified meanwhile.
    f.Tray->SetHint("System: 40%");
    f.Tray->Icon()->Assign(f.Tray->Icon());
    CHECK(f.Adds() == 3);
    CHECK_FALSE(TShellRecorder::InTray());

    TShellRecorder::Failures(NIM_ADD).Always = false;
    f.Tray->SetHint("System: 41%");
    CHECK(f.Tray->Added());
    CHECK(TShellRecorder::InTray());
    CHECK(f.Shell.Last().Message == NIM_ADD);
    CHECK(f.Shell.Last().Tip() == "System: 41%");

    f.Tray->SetHint("System: 42%");
    CHECK(f.Shell.Last().Message == NIM_MODIFY);
    CHECK(f.Adds() == 4);

    SUBCASE("activating again while the icon is there keeps it counted as added")
    {
        TShellRecorder::Failures(NIM_ADD).Next = 1;  // the shell refuses a second add
        f.Tray->SetActive(true);
        CHECK(f.Tray->Added());
        CHECK(f.Shell.Last().Message == NIM_MODIFY);
    }
    SUBCASE("deactivating takes it out")
    {
        f.Tray->SetActive(false);
        CHECK_FALSE(f.Tray->Added());
        CHECK_FALSE(TShellRecorder::InTray());
    }
}

TEST_CASE("A new hint while animating sends a frame icon that still exists")
{
    TFailingShellFixture f;
    TOwned<TImageList> list = MakeOwned<TImageList>(nullptr);
    list->SetResourceName(RESOURCE_NAME(RES_GAUGES));
    list->SetMaskColor(clFuchsia);
    f.Tray->SetActive(true);
    f.Tray->SetAnimationList(list.get());
    f.Tray->SetDelay(10);
    f.Tray->SetAnimated(true);
    REQUIRE(PumpUntil([&] { return f.Shell.Count() >= 3; }));
    f.Tray->AnimationTimer()->SetEnabled(false);

    f.Tray->SetHint("System: 7%");
    CHECK(f.Shell.Last().Message == NIM_MODIFY);
    CHECK(IsIcon(f.Shell.Last().Data.hIcon));
    CHECK(f.Shell.Last().Gauge >= 0);

    f.Tray->SetAnimated(false);
    CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());
}
