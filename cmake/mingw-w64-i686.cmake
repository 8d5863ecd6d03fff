# Cross build for 32-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-i686-posix and -win32,
# binutils-mingw-w64-i686, libz-mingw-w64-dev). Tests run in a 32-bit Wine prefix, as on a
# 32-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLE i686-w64-mingw32)
set(ORVANTA_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
