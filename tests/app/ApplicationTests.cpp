#include "tests/app/TestSupport.h"
#include "tests/support/BoxRecorder.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"

#include <doctest/doctest.h>

#include <stdexcept>

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

TEST_CASE("the application window is a hidden top-level window of its own class")
{
    HWND window = Application->Handle();
    REQUIRE(IsWindow(window));
    CHECK(ClassOf(window) == "TApplication");
    CHECK(GetParent(window) == nullptr);
    CHECK_FALSE(IsWindowVisible(window));
    CHECK(Application->Icon() != nullptr);
}

TEST_CASE("the title is the application window's text")
{
    std::string saved = Application->Title();
    CHECK(saved == "test_app");
    Application->SetTitle("Quorvel");
    char text[64] = "";
    GetWindowTextA(Application->Handle(), text, sizeof text);
    CHECK(std::string(text) == "Quorvel");
    CHECK(Application->Title() == "Quorvel");
    Application->SetTitle(saved);
}

TEST_CASE("an exception is reported in the standard error box and the program goes on")
{
    TBoxRecorder boxes;

    try {
        throw ERegistryException("Failed to set data for 'AlwaysOnTop'");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    CHECK(TBoxRecorder::Boxes().size() == 1);
    CHECK(boxes.Last().Text == "Failed to set data for 'AlwaysOnTop'");
    CHECK(boxes.Last().Caption == Application->Title());
    CHECK(boxes.Last().Flags == (MB_OK | MB_ICONSTOP));

    try {
        throw std::runtime_error("plain");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    CHECK(boxes.Last().Text == "plain");

    // Outside a handler there is nothing to report.
    Application->HandleException(nullptr);
    CHECK(TBoxRecorder::Boxes().size() == 2);
}

TEST_CASE("the message loop runs until the application window is closed")
{
    TApplication application;
    CHECK_FALSE(application.Terminated());
    PostMessageA(application.Handle(), WM_CLOSE, 0, 0);
    application.Run();
    CHECK(application.Terminated());
}
