# Included by the cross toolchain, so it holds for whichever compiler builds the programs: the
# same commit gives the same bytes whatever folder it was built in and whenever.
get_filename_component(ORVANTA_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# No build folder in __FILE__, assertion texts or debug information.
foreach(lang C CXX)
  string(APPEND CMAKE_${lang}_FLAGS_INIT " -ffile-prefix-map=${ORVANTA_SOURCE_ROOT}/=")
endforeach()

# The PE link time stamp is the commit's time (ld honours SOURCE_DATE_EPOCH). It is part of the
# link command, so a new commit relinks; a tree without git and without the variable links with
# no time stamp at all rather than the current time. A tree configured by another passes it on
# as -DORVANTA_SOURCE_DATE_EPOCH.
if(ORVANTA_SOURCE_DATE_EPOCH)
elseif(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ORVANTA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C "${ORVANTA_SOURCE_ROOT}" log -1 --format=%ct
    OUTPUT_VARIABLE ORVANTA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(ORVANTA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  set(CMAKE_C_LINKER_LAUNCHER env SOURCE_DATE_EPOCH=${ORVANTA_SOURCE_DATE_EPOCH})
  set(CMAKE_CXX_LINKER_LAUNCHER env SOURCE_DATE_EPOCH=${ORVANTA_SOURCE_DATE_EPOCH})
else()
  set(ORVANTA_SOURCE_DATE_EPOCH "")
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
endif()
