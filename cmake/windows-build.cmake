# Cross half: the plug-in DLL, the driver host, the side-library stand-ins
# and the test programs that run under Wine. Everything lands in bin/ with
# the sample model's files, which is the set the host installs.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_SHARED_LIBRARY_PREFIX "")

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
set(SX_WARNINGS -Wall -Wextra -Werror)
set(SX_EXE_LINK -static)
set(SX_DLL_LINK -static -static-libgcc -static-libstdc++)

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(src)
add_subdirectory(sidelibs)
add_subdirectory(host)
add_subdirectory(samples)
add_subdirectory(help)
add_subdirectory(package)
add_subdirectory(tests/wine)
add_subdirectory(bench/wine)
