# Cross toolchain for the measuring-only x86-64 build (bench and gallery,
# run by 64-bit Wine where this kernel runs no 32-bit code). The product
# itself is only ever built for i686.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)

# Its programs run under 64-bit Wine in a 64-bit prefix of their own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine64-exec)
