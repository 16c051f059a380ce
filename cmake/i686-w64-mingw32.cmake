# Cross toolchain for 32-bit Windows (95/98/ME) with Debian's MinGW-w64.
# The win32 thread model matters: the posix model imports
# AddVectoredExceptionHandler, which Windows 9x lacks.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)

# Test executables run under Wine in the project's prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
