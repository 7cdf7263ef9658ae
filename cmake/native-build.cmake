# Native half: the pure library, its GoogleTest tests and benchmarks, and the
# cross build of everything that runs under Wine, whose test programs are
# registered here so that one ctest run covers both.
include(ExternalProject)
enable_testing()

add_compile_options(-Wall -Wextra -Werror)

add_library(sxcore STATIC ${PURE_SOURCES})
target_include_directories(sxcore PUBLIC ${CMAKE_SOURCE_DIR}/src)

find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE sxcore GTest::gtest GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE SX_HELP_TOPICS_DIR="${CMAKE_SOURCE_DIR}/help/topics")
add_test(NAME native_tests COMMAND native_tests)

# The include graph of src/ points down its layers (cmake/check-layers.cmake).
add_test(NAME src_layers
    COMMAND ${CMAKE_COMMAND} -DSRC_DIR=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/check-layers.cmake)

file(GLOB NATIVE_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
add_executable(native_bench ${NATIVE_BENCH_SOURCES})
target_link_libraries(native_bench PRIVATE sxcore benchmark::benchmark benchmark::benchmark_main)

# Every libFuzzer target of fuzz/ replays its seed corpus under the address
# and undefined-behaviour sanitizers, built with clang in a folder of its own.
add_test(NAME fuzz_corpus_replay COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh)
set_tests_properties(fuzz_corpus_replay PROPERTIES
    ENVIRONMENT "SX_FUZZ_BUILD_DIR=${CMAKE_BINARY_DIR}/fuzz" TIMEOUT 900)

set(WIN_BUILD_DIR ${CMAKE_BINARY_DIR}/win)
set(WIN_BIN_DIR ${WIN_BUILD_DIR}/bin)
ExternalProject_Add(windows
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${WIN_BUILD_DIR}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
        -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    CMAKE_GENERATOR Ninja
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)

# Everything under Wine shares one prefix inside the build tree.
set(WINE /usr/lib/wine/wine64)
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(WINE_ENV
    WINEPREFIX=${WINE_PREFIX}
    WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml,winedbg.exe=
    LC_ALL=C.UTF-8)

add_test(NAME wine_setup
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-setup.sh ${WINE_PREFIX} ${WIN_BIN_DIR})
set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${WINE_ENV}")

include(${CMAKE_SOURCE_DIR}/cmake/wine-tests.cmake)
foreach(t IN LISTS WINE_TESTS)
    add_test(NAME ${t}
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/run-wine-test.sh ${WIN_BIN_DIR}/${t}.exe)
    set_tests_properties(${t} PROPERTIES
        FIXTURES_REQUIRED wine
        ENVIRONMENT "${WINE_ENV};SX_BIN_DIR=${WIN_BIN_DIR}"
        TIMEOUT 600)
endforeach()

# The resource checks again at 150% scaling (144 dots per inch); the prefix
# is set to it for this run alone.
add_test(NAME resource_tests_144dpi
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/at-dpi.sh 144
            ${CMAKE_SOURCE_DIR}/scripts/run-wine-test.sh ${WIN_BIN_DIR}/resource_tests.exe)
set_tests_properties(resource_tests_144dpi PROPERTIES
    FIXTURES_REQUIRED wine
    RUN_SERIAL ON
    ENVIRONMENT "${WINE_ENV};SX_BIN_DIR=${WIN_BIN_DIR};SX_SCREEN_DPI=144"
    TIMEOUT 600)

# The foreign printer descriptions of ppd_sample_tests come out of a Linux
# program, so a native step writes them into the build tree first.
set(PPD_SAMPLE_DIR ${CMAKE_BINARY_DIR}/ppd-sample)
add_test(NAME ppd_sample_setup
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-ppd-sample.py
            ${CMAKE_SOURCE_DIR}/tests/wine/ppdsample/sample-ppds.txt ${PPD_SAMPLE_DIR})
set_tests_properties(ppd_sample_setup PROPERTIES FIXTURES_SETUP ppd_sample TIMEOUT 300)
set_property(TEST ppd_sample_tests APPEND PROPERTY FIXTURES_REQUIRED ppd_sample)
set_property(TEST ppd_sample_tests APPEND PROPERTY
    ENVIRONMENT "SX_PPD_SAMPLE_DIR=Z:${PPD_SAMPLE_DIR}")
