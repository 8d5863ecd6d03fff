# The product this tree builds: ORVANTA_PRODUCT_DIR names a folder with a product.cmake (see
# resources/product, the default) and the files it names. Everything that tells one product
# from another follows from it: the code asks the generated ProductIdentity.h; the resource
# scripts that, ProductFiles.rch and the product's texts.rch, within the programs' own texts
# of the product's language (resources/text/<language>).
set(ORVANTA_PRODUCT_DIR ${PROJECT_SOURCE_DIR}/resources/product CACHE PATH "Folder of the product to build")
get_filename_component(ORVANTA_PRODUCT_DIR "${ORVANTA_PRODUCT_DIR}" ABSOLUTE)
set(ORVANTA_PRODUCT_DEFINITION ${ORVANTA_PRODUCT_DIR}/product.cmake)
if(NOT EXISTS ${ORVANTA_PRODUCT_DEFINITION})
  message(FATAL_ERROR "${ORVANTA_PRODUCT_DIR}: no product.cmake")
endif()
include(${ORVANTA_PRODUCT_DEFINITION})

if(NOT ORVANTA_PRODUCT_ID MATCHES "^[A-Za-z0-9]+$")
  message(FATAL_ERROR "${ORVANTA_PRODUCT_DEFINITION}: the id '${ORVANTA_PRODUCT_ID}' is not letters and digits")
endif()
set(ORVANTA_TEXT_DIR ${PROJECT_SOURCE_DIR}/resources/text/${ORVANTA_PRODUCT_LANGUAGE})
if(NOT ORVANTA_PRODUCT_LANGUAGE OR NOT EXISTS ${ORVANTA_TEXT_DIR}/language.cmake)
  message(FATAL_ERROR "${ORVANTA_PRODUCT_DEFINITION}: no texts for the language '${ORVANTA_PRODUCT_LANGUAGE}'")
endif()
include(${ORVANTA_TEXT_DIR}/language.cmake)

# The product's files as absolute paths, each required.
foreach(var SCRIPT PICTURES ICON BITMAP PICTURE_FILES)
  set(paths)
  foreach(file IN LISTS ORVANTA_PRODUCT_${var})
    get_filename_component(path "${file}" ABSOLUTE BASE_DIR ${ORVANTA_PRODUCT_DIR})
    if(NOT EXISTS ${path})
      message(FATAL_ERROR "${ORVANTA_PRODUCT_DEFINITION}: ORVANTA_PRODUCT_${var}: ${path} does not exist")
    endif()
    list(APPEND paths ${path})
  endforeach()
  set(ORVANTA_PRODUCT_${var} ${paths})
endforeach()
# The product's own texts, .rc defines in the language's code page, beside its definition.
set(ORVANTA_PRODUCT_TEXTS ${ORVANTA_PRODUCT_DIR}/texts.rch)
if(NOT EXISTS ${ORVANTA_PRODUCT_TEXTS})
  message(FATAL_ERROR "${ORVANTA_PRODUCT_DIR}: no texts.rch")
endif()

# The installer unpacks the member that the script names: the script must name <id>.scr, both
# as the member and where it is written and registered, byte for byte.
file(READ ${ORVANTA_PRODUCT_SCRIPT} script)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVANTA_PRODUCT_SCRIPT})
set(saver "$(SYSTEMDIR)${ORVANTA_PRODUCT_ID}.scr")
string(REGEX MATCH "\nSCRNSAVE\\.EXE=([^\r\n]*)" line "${script}")
set(registered "${CMAKE_MATCH_1}")
string(REGEX MATCH "\n([^\r\n,]*\\.scr),([^\r\n]*)" line "${script}")
if(NOT registered STREQUAL saver OR NOT CMAKE_MATCH_1 STREQUAL "${ORVANTA_PRODUCT_ID}.scr" OR
   NOT CMAKE_MATCH_2 STREQUAL saver)
  message(FATAL_ERROR "${ORVANTA_PRODUCT_SCRIPT}: must register and install ${ORVANTA_PRODUCT_ID}.scr as ${saver}")
endif()

set(ORVANTA_PRODUCT_GENERATED ${CMAKE_BINARY_DIR}/product)
configure_file(${CMAKE_CURRENT_LIST_DIR}/product/ProductIdentity.h.in ${ORVANTA_PRODUCT_GENERATED}/ProductIdentity.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/product/ProductFiles.rch.in ${ORVANTA_PRODUCT_GENERATED}/ProductFiles.rch @ONLY)
# Both programs' manifests name the product they are.
configure_file(${PROJECT_SOURCE_DIR}/resources/installer/installer.manifest.in
  ${ORVANTA_PRODUCT_GENERATED}/installer.manifest @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/saver/saver.manifest.in ${ORVANTA_PRODUCT_GENERATED}/saver.manifest @ONLY)

# What the code of every program and tool includes to know its product.
add_library(orvanta_product INTERFACE)
target_include_directories(orvanta_product INTERFACE ${ORVANTA_PRODUCT_GENERATED})

# orvanta_product_rc(TARGET RC [DEPENDS FILES...]): RC of TARGET compiled as a resource script of
# the product (orvanta_rc), finding the product's headers and its language's texts.
function(orvanta_product_rc target rc)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  orvanta_rc(${rc} DEPENDS ${ARG_DEPENDS} ${ORVANTA_PRODUCT_TEXTS} ${ORVANTA_PRODUCT_BITMAP}
    ${ORVANTA_PRODUCT_ICON} ${ORVANTA_PRODUCT_SCRIPT} ${ORVANTA_TEXT_DIR}/installer-texts.rc
    ${ORVANTA_TEXT_DIR}/saver-texts.rc ${ORVANTA_TEXT_DIR}/language.rch)
  target_include_directories(${target} PRIVATE ${ORVANTA_PRODUCT_GENERATED} ${ORVANTA_PRODUCT_DIR}
    ${ORVANTA_TEXT_DIR})
endfunction()
