# The product's one version: the plug-in, the side libraries and the driver
# package take theirs from here, through the generated sx_version.h.
set(SX_VERSION 1.20.0.3)
set(SX_DRIVER_DATE 12/01/2026)
set(SX_COMPANY_NAME "SX Printing Systems")
set(SX_PRODUCT_NAME "SX Color PS driver")

string(REPLACE "." ";" SX_VERSION_PARTS ${SX_VERSION})
list(GET SX_VERSION_PARTS 0 SX_VERSION_MAJOR)
list(GET SX_VERSION_PARTS 1 SX_VERSION_MINOR)
list(GET SX_VERSION_PARTS 2 SX_VERSION_PATCH)
list(GET SX_VERSION_PARTS 3 SX_VERSION_BUILD)
set(SX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/sx_version.h.in ${SX_GENERATED_DIR}/sx_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/src/resources/sxoemui.manifest.in
               ${SX_GENERATED_DIR}/sxoemui.manifest @ONLY)
