#include "tests/app/TestSupport.h"

#include "app/Seams.h"
#include "app/lib_Windows.h"
#include "framework/Application.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"

#include <doctest/doctest.h>

#include <fstream>

TEST_CASE("ShowWindowAs: maximize and show-maximized both maximize; restore undoes a minimize")
{
    CHECK(ShowCommandValue(scMaximize) == 3);
    CHECK(ShowCommandValue(scShowMaximized) == 3);

    TTestWindow window;
    ShowWindowAs(window.Handle(), scShowMaximized);
    CHECK(IsZoomed(window.Handle()));
    ShowWindowAs(window.Handle(), scShowNormal);
    CHECK_FALSE(IsZoomed(window.Handle()));
    ShowWindowAs(window.Handle(), scMaximize);
    CHECK(IsZoomed(window.Handle()));

    ShowWindowAs(window.Handle(), scMinimize);
    CHECK(IsMinimized(window.Handle()));
    CHECK(ShowWindowAs(window.Handle(), scRestore));
    CHECK_FALSE(IsMinimized(window.Handle()));

    ShowWindowAs(window.Handle(), scHide);
    CHECK_FALSE(IsWindowVisible(window.Handle()));
}

TEST_CASE("SetStayOnTop turns the topmost state on and off")
{
    TTestWindow window;
    ShowWindowAs(window.Handle(), scShowNoActivate);
    auto topmost = [&] { return (GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    CHECK(SetStayOnTop(window.Handle(), true));
    CHECK(topmost());
    CHECK(SetStayOnTop(window.Handle(), false));
    CHECK_FALSE(topmost());
}

TEST_CASE("GetFileVersion reads the file version of a version resource")
{
    unsigned major = 7, minor = 7, release = 7, build = 7;

    SUBCASE("the program's own version resource")
    {
        CHECK(GetFileVersion(ApplicationExeName(), major, minor, release, build));
        CHECK(major == 1);
        CHECK(minor == 0);
        CHECK(release == 0);
        CHECK(build == 0);
    }
    SUBCASE("each number from its own word, the file version and not the product version")
    {
        CHECK(GetFileVersion(ExeFolder() + "VersionSample.exe", major, minor, release, build));
        CHECK(major == 1);
        CHECK(minor == 2);
        CHECK(release == 3);
        CHECK(build == 4);
    }
    SUBCASE("a file without a version resource gives zeros and false")
    {
        std::string path = TempFileName("plain.txt");
        std::ofstream(path) << "no version here\n";
        CHECK_FALSE(GetFileVersion(path, major, minor, release, build));
        DeleteFileA(path.c_str());
        CHECK(major == 0);
        CHECK(minor == 0);
        CHECK(release == 0);
        CHECK(build == 0);
    }
    SUBCASE("a missing file gives zeros and false")
    {
        CHECK_FALSE(GetFileVersion(TempFileName("missing.exe"), major, minor, release, build));
        CHECK(major + minor + release + build == 0);
    }
}

namespace {

struct TShellCall {
    SHELLEXECUTEINFOA info = {};
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    bool directoryIsNull = false;
    int calls = 0;
};

TShellCall& LastShellCall()
{
    static TShellCall call;
    return call;
}

BOOL WINAPI RecordShellCall(SHELLEXECUTEINFOA* info)
{
    TShellCall& call = LastShellCall();
    call.info = *info;
    call.verb = info->lpVerb ? info->lpVerb : "";
    call.file = info->lpFile ? info->lpFile : "";
    call.parameters = info->lpParameters ? info->lpParameters : "";
    call.directoryIsNull = info->lpDirectory == nullptr;
    call.directory = info->lpDirectory ? info->lpDirectory : "";
    ++call.calls;
    return call.calls == 1;
}

}  // namespace

TEST_CASE("ShellRun hands a mailto: address to the shell unchanged")
{
    LastShellCall() = TShellCall();
    TScopedOverride<TShellExecute> shell(ShellExecuteFunction, RecordShellCall);
    const std::string address = "mailto:quorvel@tessaly.example?subject=Quorvel 1.0";

    CHECK(ShellRun(address, "", svOpen, scShowNormal));
    const TShellCall& call = LastShellCall();
    CHECK(call.file == address);
    CHECK(call.verb == "open");
    CHECK(call.parameters == "");
    CHECK_FALSE(call.directoryIsNull);
    CHECK(call.directory == "");
    CHECK(call.info.cbSize == 60);
    CHECK(call.info.fMask == (SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI));
    CHECK(call.info.hwnd == Application->Handle());
    CHECK(call.info.nShow == SW_SHOWNORMAL);

    // The shell's refusal is the result.
    CHECK_FALSE(ShellRun("http://example.invalid/", "-x", svExplore, scHide));
    CHECK(LastShellCall().verb == "explore");
    CHECK(LastShellCall().parameters == "-x");
    CHECK(LastShellCall().info.nShow == SW_HIDE);
}
