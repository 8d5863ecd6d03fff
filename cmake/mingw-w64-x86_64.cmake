# Cross build for 64-bit Windows with Debian's MinGW-w64. The -posix compilers are required:
# the win32-thread variant has no std::thread/std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)

find_program(MINGW_CXX ${MINGW_TRIPLE}-g++-posix)
find_program(MINGW_CC ${MINGW_TRIPLE}-gcc-posix)
find_program(MINGW_RC ${MINGW_TRIPLE}-windres)
foreach(tool MINGW_CXX MINGW_CC MINGW_RC)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} not found: run scripts/setup (Debian packages "
                        "g++-mingw-w64-x86-64-posix, gcc-mingw-w64-x86-64-posix, binutils-mingw-w64-x86-64)")
  endif()
endforeach()

set(CMAKE_C_COMPILER ${MINGW_CC})
set(CMAKE_CXX_COMPILER ${MINGW_CXX})
set(CMAKE_RC_COMPILER ${MINGW_RC})

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static: the programs then import system DLLs only.
set(ZLIB_USE_STATIC_LIBS ON)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows programs and tests run under Wine, each in a prefix of its own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
