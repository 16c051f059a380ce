#include "tests/app/TestSupport.h"

#include "app/lib_Windows.h"

#include <doctest/doctest.h>

#include <fstream>
#include <iterator>
#include <string>

TEST_CASE("ShowWindowAs tells whether the call worked, not whether the window was visible")
{
    TTestWindow window;
    REQUIRE_FALSE(IsWindowVisible(window.Handle()));
    CHECK(ShowWindowAs(window.Handle(), scShowNoActivate));
    CHECK(IsWindowVisible(window.Handle()));
    CHECK(ShowWindowAs(window.Handle(), scShowNoActivate));
    CHECK(ShowWindowAs(window.Handle(), scHide));
    CHECK(ShowWindowAs(window.Handle(), scHide));
    CHECK_FALSE(IsWindowVisible(window.Handle()));

    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    CHECK_FALSE(ShowWindowAs(gone, scShow));
}

TEST_CASE("GetFileVersion rejects a fixed file information without its signature")
{
    std::ifstream sample(ExeFolder() + "VersionSample.exe", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    const std::string signature("\xBD\x04\xEF\xFE", 4);
    size_t at = bytes.find(signature);
    REQUIRE(at != std::string::npos);
    bytes.replace(at, 4, std::string(4, '\0'));
    std::string path = TempFileName("unsigned-version.exe");
    std::ofstream(path, std::ios::binary) << bytes;

    unsigned major = 7, minor = 7, release = 7, build = 7;
    CHECK_FALSE(GetFileVersion(path, major, minor, release, build));
    DeleteFileA(path.c_str());
    CHECK(major + minor + release + build == 0);
}
