#include "TestSupport.h"

#include "app/lib_Dialogs.h"
#include "framework/Application.h"

#include <doctest/doctest.h>

namespace {

// Records the boxes the application would show, answering with a fixed
// button, and what the test's window looked like while the box was up.
struct TShownBox {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT flags = 0;
    bool otherWindowEnabled = true;
};

class TRecordedBoxes {
public:
    explicit TRecordedBoxes(int answer = IDOK, HWND watched = nullptr)
    {
        Last() = TShownBox();
        Answer() = answer;
        Watched() = watched;
        saved_ = Application->MessageBoxFunction;
        Application->MessageBoxFunction = Record;
    }
    ~TRecordedBoxes() { Application->MessageBoxFunction = saved_; }
    const TShownBox& Box() const { return Last(); }

private:
    static int WINAPI Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
    {
        Last().owner = owner;
        Last().text = text;
        Last().caption = caption;
        Last().flags = flags;
        Last().otherWindowEnabled = Watched() && IsWindowEnabled(Watched());
        return Answer();
    }
    static TShownBox& Last()
    {
        static TShownBox box;
        return box;
    }
    static int& Answer()
    {
        static int answer;
        return answer;
    }
    static HWND& Watched()
    {
        static HWND window;
        return window;
    }

    TApplication::TMessageBoxFunction saved_;
};

} // namespace

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
