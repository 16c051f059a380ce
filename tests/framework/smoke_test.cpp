#include <doctest/doctest.h>
#include <windows.h>

TEST_CASE("Wine reports Windows 98")
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    REQUIRE(GetVersionExA(&info));
    CHECK(info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS);
}
