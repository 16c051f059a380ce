#include "tests/app/TestSupport.h"

#include "app/lib_Dialogs.h"
#include "framework/Application.h"

#include <doctest/doctest.h>

TEST_CASE("warning and error boxes pass their icon, buttons and topmost flag")
{
    TRecordedBoxes boxes;
    SUBCASE("a topmost warning with OK")
    {
        CHECK(ShowWarning("Low", "Quorvel", mbOK, true) == IDOK);
        CHECK(boxes.Box().flags == 262192);
    }
    SUBCASE("an error with OK, not topmost")
    {
        ShowError("Broken", "Error", mbOK, false);
        CHECK(boxes.Box().flags == 16);
    }
    SUBCASE("other buttons")
    {
        ShowWarning("?", "Quorvel", mbYesNo, false);
        CHECK(boxes.Box().flags == (MB_YESNO | MB_ICONEXCLAMATION));
        ShowError("?", "Quorvel", mbRetryCancel, true);
        CHECK(boxes.Box().flags == (MB_RETRYCANCEL | MB_ICONHAND | MB_TOPMOST));
    }
    SUBCASE("a plain box keeps its flags, text and caption")
    {
        ShowMessageBox("Some text", "A caption", MB_OKCANCEL | MB_ICONQUESTION);
        CHECK(boxes.Box().flags == (MB_OKCANCEL | MB_ICONQUESTION));
        CHECK(boxes.Box().text == "Some text");
        CHECK(boxes.Box().caption == "A caption");
    }
}

TEST_CASE("boxes are owned by the application window and return the button pressed")
{
    TRecordedBoxes boxes(IDCANCEL);
    CHECK(ShowMessageBox("t", "c", MB_OKCANCEL) == IDCANCEL);
    CHECK(boxes.Box().owner == Application->Handle());
}

TEST_CASE("the application's other windows are disabled while a box is open")
{
    TTestWindow other;
    ShowWindow(other.Handle(), SW_SHOWNOACTIVATE);
    TRecordedBoxes boxes(IDOK, other.Handle());

    ShowError("x", "y", mbOK, false);
    CHECK_FALSE(boxes.Box().otherWindowEnabled);
    CHECK(IsWindowEnabled(other.Handle()));

    SUBCASE("a window that was disabled before stays disabled")
    {
        EnableWindow(other.Handle(), FALSE);
        ShowError("x", "y", mbOK, false);
        CHECK_FALSE(IsWindowEnabled(other.Handle()));
    }
}
