#include "TestSupport.h"
#include "tests/support/BoxRecorder.h"
#include "tests/support/FailingAllocation.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Strings.h"
#include "framework/TaskWindows.h"

#include <doctest/doctest.h>

#include <new>

namespace {

// Reports an exception as a timer's or a window's handler does; true when
// something escaped the report.
template <class E>
bool Report(const E& error)
{
    try {
        throw error;
    } catch (...) {
        try {
            Application->HandleException(nullptr);
        } catch (...) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_CASE("the error report: one box at a time, an error raised meanwhile shown once after it")
{
    TBoxRecorder boxes;
    int nestedRounds = 0;
    // A timer failing on every tick in the box's loop, the first time only.
    TBoxRecorder::WhileOpen() = [&] {
        if (nestedRounds++ > 0)
            return;
        for (int tick = 1; tick <= 3; ++tick)
            Report(EOutOfResources(Format("Out of system resources (tick %d)", tick)));
        CHECK(Application->ErrorBoxOpen());
    };
    Report(EOutOfResources("first"));

    CHECK(TBoxRecorder::MostErrorBoxesOpen() == 1);
    REQUIRE(TBoxRecorder::Boxes().size() == 2);
    CHECK(TBoxRecorder::Boxes()[0].Text == "first");
    CHECK(TBoxRecorder::Boxes()[1].Text == "Out of system resources (tick 1)");
    CHECK(TBoxRecorder::Boxes()[1].Flags == (MB_OK | MB_ICONSTOP));
    CHECK_FALSE(Application->ErrorBoxOpen());

    // Closed, the report shows the next error at once again.
    Report(EOutOfResources("later"));
    CHECK(TBoxRecorder::Boxes().back().Text == "later");
}

TEST_CASE("memory running out: the error report and the window lists throw nothing")
{
    TBoxRecorder boxes;
    TTestWindow window(WS_POPUP | WS_VISIBLE);
    REQUIRE(IsWindowVisible(window.Handle()));

    SUBCASE("the report shows the error's own text, or a fixed one, without building any")
    {
        EOutOfResources outOfResources("Out of system resources");
        bool escaped = false;
        {
            TFailingAllocation failing;
            escaped |= Report(outOfResources);
            escaped |= Report(42);
            escaped |= Report(std::bad_alloc());
        }
        CHECK_FALSE(escaped);
        REQUIRE(TBoxRecorder::Boxes().size() == 3);
        CHECK(TBoxRecorder::Boxes()[0].Text == "Out of system resources");
        CHECK(TBoxRecorder::Boxes()[1].Text == "Unknown exception");
        CHECK(TBoxRecorder::Boxes()[2].Text == "Out of memory");
    }
    SUBCASE("the windows a modal box disables and the topmost windows it lowers")
    {
        SetWindowPos(window.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        int refused = TFailingAllocation::Refused();
        bool escaped = false;
        {
            TFailingAllocation failing;
            try {
                // Each lists the thread's windows from inside EnumThreadWindows.
                {
                    TDisabledTaskWindows disabled(nullptr);
                }
                Application->NormalizeTopMosts();
                Application->RestoreTopMosts();
                Application->MessageBox("text", "caption", MB_OK);
            } catch (...) {
                escaped = true;
            }
        }
        CHECK_FALSE(escaped);
        CHECK(TFailingAllocation::Refused() > refused);
        CHECK(IsWindowEnabled(window.Handle()));
        CHECK(TBoxRecorder::Boxes().size() == 1);
    }
}

TEST_CASE("a loop inside another that takes the quit message puts it back and ends")
{
    TApplication application;
    PostMessageA(application.Handle(), WM_NULL, 0, 0);
    PostQuitMessage(3);
    application.ProcessMessages();
    CHECK(application.Terminated());
    CHECK(application.ExitCode() == 3);
    MSG quit;
    REQUIRE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK(quit.wParam == 3);

    // The outermost loop takes it for good.
    TApplication outer;
    PostQuitMessage(0);
    outer.Run();
    CHECK(outer.ExitCode() == 0);
    CHECK_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
