# Fuzz half, configured on its own by scripts/fuzz.sh with clang: every
# fuzz/<name>_fuzz.cpp is one libFuzzer target linked with the pure library,
# all built with the fuzzer, address and undefined-behaviour sanitizers. A
# sanitizer report ends the run, so a finding is never mistaken for success.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (CC=clang CXX=clang++)")
endif()

set(FUZZ_SANITIZERS address,undefined)
add_compile_options(-g -fno-omit-frame-pointer -fno-sanitize-recover=all -Wall -Wextra)

add_library(sxcore_fuzz STATIC ${PURE_SOURCES})
target_include_directories(sxcore_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(sxcore_fuzz PUBLIC -fsanitize=fuzzer-no-link,${FUZZ_SANITIZERS})

file(GLOB FUZZ_TARGET_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source IN LISTS FUZZ_TARGET_SOURCES)
    get_filename_component(target ${source} NAME_WE)
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer,${FUZZ_SANITIZERS})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,${FUZZ_SANITIZERS})
    target_link_libraries(${target} PRIVATE sxcore_fuzz)
endforeach()
