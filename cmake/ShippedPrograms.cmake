# The shipped programs come from a tree of their own built with the win32 thread-model
# compilers (the tests' tree uses the posix ones, which GoogleTest needs): each library is
# compiled with the thread model of the program that links it. Target `programs` builds them
# into this tree's bin directory, where the tests find them.
include(ExternalProject)
ExternalProject_Add(programs
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/programs
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DORVANTA_THREAD_MODEL=win32
    -DORVANTA_BIN_DIR=${ORVANTA_BIN_DIR}
    -DORVANTA_PRODUCT_DIR=${ORVANTA_PRODUCT_DIR}
    -DORVANTA_SIGN_PKCS12=${ORVANTA_SIGN_PKCS12}
    -DORVANTA_SOURCE_DATE_EPOCH=${ORVANTA_SOURCE_DATE_EPOCH}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${ORVANTA_BIN_DIR}/installer.exe ${ORVANTA_BIN_DIR}/${ORVANTA_PRODUCT_ID}.scr)

# Where no 32-bit program runs, the 9x family's runs take the x86_64 programs built again with
# the A side kept, unsigned, into bin-ansi: the same sources as the x86 pair's, so that a wide
# call on the 9x path shows in their relay check.
if(ORVANTA_NO_32BIT_CODE AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVANTA_ANSI_BIN_DIR ${CMAKE_BINARY_DIR}/bin-ansi)
  ExternalProject_Add(programs-ansi
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/programs-ansi
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DORVANTA_THREAD_MODEL=win32
      -DORVANTA_ANSI_SIDE=ON
      -DORVANTA_BIN_DIR=${ORVANTA_ANSI_BIN_DIR}
      -DORVANTA_PRODUCT_DIR=${ORVANTA_PRODUCT_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${ORVANTA_ANSI_BIN_DIR}/installer.exe ${ORVANTA_ANSI_BIN_DIR}/${ORVANTA_PRODUCT_ID}.scr)
endif()
