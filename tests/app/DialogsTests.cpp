#include "tests/app/TestSupport.h"
#include "tests/support/BoxRecorder.h"

#include "app/lib_Dialogs.h"
#include "framework/Application.h"

#include <doctest/doctest.h>

TEST_CASE("warning and error boxes pass their icon, buttons and topmost flag")
{
    TBoxRecorder boxes;
    SUBCASE("a topmost warning with OK")
    {
        CHECK(ShowWarning("Low", "Quorvel", mbOK, true) == IDOK);
        CHECK(boxes.Last().Flags == (MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST));
    }
    SUBCASE("an error with OK, not topmost")
    {
        ShowError("Broken", "Error", mbOK, false);
        CHECK(boxes.Last().Flags == (MB_OK | MB_ICONHAND));
    }
    SUBCASE("other buttons")
    {
        ShowWarning("?", "Quorvel", mbYesNo, false);
        CHECK(boxes.Last().Flags == (MB_YESNO | MB_ICONEXCLAMATION));
        ShowError("?", "Quorvel", mbRetryCancel, true);
        CHECK(boxes.Last().Flags == (MB_RETRYCANCEL | MB_ICONHAND | MB_TOPMOST));
    }
    SUBCASE("a plain box keeps its flags, text and caption")
    {
        ShowMessageBox("Some text", "A caption", MB_OKCANCEL | MB_ICONQUESTION);
        CHECK(boxes.Last().Flags == (MB_OKCANCEL | MB_ICONQUESTION));
        CHECK(boxes.Last().Text == "Some text");
        CHECK(boxes.Last().Caption == "A caption");
    }
}

TEST_CASE("boxes are owned by the application window and return the button pressed")
{
    TBoxRecorder boxes(IDCANCEL);
    CHECK(ShowMessageBox("t", "c", MB_OKCANCEL) == IDCANCEL);
    CHECK(boxes.Last().Owner == Application->Handle());
}

TEST_CASE("the application's other windows are disabled while a box is open")
{
    TTestWindow other;
    ShowWindow(other.Handle(), SW_SHOWNOACTIVATE);
    TBoxRecorder boxes(IDOK, other.Handle());

    ShowError("x", "y", mbOK, false);
    CHECK_FALSE(boxes.Last().WatchedEnabled);
    CHECK(IsWindowEnabled(other.Handle()));

    SUBCASE("a window that was disabled before stays disabled")
    {
        EnableWindow(other.Handle(), FALSE);
        ShowError("x", "y", mbOK, false);
        CHECK_FALSE(IsWindowEnabled(other.Handle()));
    }
}
