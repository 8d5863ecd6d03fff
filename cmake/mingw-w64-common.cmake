# Shared by the per-architecture toolchain files, which set MINGW_TRIPLE, CMAKE_SYSTEM_PROCESSOR
# and ORVANTA_WINE_ARCH first. ORVANTA_THREAD_MODEL picks the compilers: posix (the default) for
# the tests, since GoogleTest needs std::mutex; win32 for the shipped programs, whose C++ runtime
# then links no winpthreads and imports nothing the oldest supported Windows lacks.
set(CMAKE_SYSTEM_NAME Windows)

if(NOT ORVANTA_THREAD_MODEL)
  set(ORVANTA_THREAD_MODEL posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANTA_THREAD_MODEL)

find_program(MINGW_CXX ${MINGW_TRIPLE}-g++-${ORVANTA_THREAD_MODEL})
find_program(MINGW_CC ${MINGW_TRIPLE}-gcc-${ORVANTA_THREAD_MODEL})
find_program(MINGW_RC ${MINGW_TRIPLE}-windres)
foreach(tool MINGW_CXX MINGW_CC MINGW_RC)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} not found for ${MINGW_TRIPLE}: run scripts/setup")
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

# Windows programs and tests run under Wine, each in a prefix of its own whose architecture
# matches the programs'.
set(CMAKE_CROSSCOMPILING_EMULATOR env ORVANTA_WINEARCH=${ORVANTA_WINE_ARCH}
    ${CMAKE_CURRENT_LIST_DIR}/../tests/tools/wine-run)

include(${CMAKE_CURRENT_LIST_DIR}/reproducible.cmake)
