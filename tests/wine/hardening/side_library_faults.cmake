# Faulty variants of a side-library stand-in, for the hardening tests. For a
# stand-in target whose exports a .def file lists,
#     sx_side_library_faults(<target> KEY <capability key>)
# builds next to it:
#   <target>_no_<export>  the stand-in's own code without that one export;
#   <target>_fails        every export answers 0 and writes nothing;
#   <target>_minus1       every export answers -1 (non-zero: "done") and
#                         writes nothing;
#   <target>_garbage      garbage/<target>.cpp when there is one: success
#                         with unterminated strings, lengths beyond the
#                         buffers, negative numbers;
# and lists each in bin/sidelib-faults.txt as "key file what", which the
# tests read to install every variant under the key it is configured by.
# SX_FAULT_LINES collects the list; sx_write_side_library_faults() writes it.
set(SX_FAULT_LINES "")
set(SX_FAULT_TARGETS "")
set(SX_FAULT_DIR ${CMAKE_CURRENT_LIST_DIR})


# The export names of a .def file.
function(sx_def_exports def out)
    file(STRINGS ${def} lines)
    set(exports "")
    set(inExports FALSE)
    foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        if(line STREQUAL "EXPORTS")
            set(inExports TRUE)
        elseif(inExports AND line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)")
            list(APPEND exports ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(${out} ${exports} PARENT_SCOPE)
endfunction()

function(sx_fault_dll name sources)
    add_library(${name} SHARED ${sources})
    target_compile_options(${name} PRIVATE ${SX_WARNINGS})
    # A .def without exports would make the linker export every symbol,
    # the one meant to be missing included.
    target_link_options(${name} PRIVATE ${SX_DLL_LINK} -Wl,--exclude-all-symbols)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
endfunction()

function(sx_side_library_faults target)
    cmake_parse_arguments(ARG "" "KEY" "" ${ARGN})
    get_target_property(sources ${target} SOURCES)
    get_target_property(sourceDir ${target} SOURCE_DIR)
    set(code "")
    set(def "")
    foreach(source IN LISTS sources)
        if(NOT IS_ABSOLUTE ${source})
            set(source ${sourceDir}/${source})
        endif()
        if(source MATCHES "\\.def$")
            set(def ${source})
        else()
            list(APPEND code ${source})
        endif()
    endforeach()
    sx_def_exports(${def} exports)
    set(lines "${SX_FAULT_LINES}")
    set(targets ${SX_FAULT_TARGETS})
    set(outDir ${CMAKE_CURRENT_BINARY_DIR}/faults)

    foreach(missing IN LISTS exports)
        set(variant ${target}_no_${missing})
        set(variantDef ${outDir}/${variant}.def)
        set(text "LIBRARY ${variant}.dll\nEXPORTS\n")
        foreach(export IN LISTS exports)
            if(NOT export STREQUAL missing)
                string(APPEND text "    ${export}\n")
            endif()
        endforeach()
        file(WRITE ${variantDef} "${text}")
        sx_fault_dll(${variant} "${code};${variantDef}")
        foreach(property INCLUDE_DIRECTORIES LINK_LIBRARIES)
            get_target_property(value ${target} ${property})
            if(value)
                set_property(TARGET ${variant} APPEND PROPERTY ${property} ${value})
            endif()
        endforeach()
        string(APPEND lines "${ARG_KEY} ${variant}.dll lacks ${missing}\n")
        list(APPEND targets ${variant})
    endforeach()

    foreach(answer fails minus1)
        set(variant ${target}_${answer})
        set(variantDef ${outDir}/${variant}.def)
        set(text "LIBRARY ${variant}.dll\nEXPORTS\n")
        foreach(export IN LISTS exports)
            string(APPEND text "    ${export} = FaultAnswer\n")
        endforeach()
        file(WRITE ${variantDef} "${text}")
        sx_fault_dll(${variant} "${SX_FAULT_DIR}/fault_answer.cpp;${variantDef}")
        if(answer STREQUAL "fails")
            target_compile_definitions(${variant} PRIVATE SX_FAULT_ANSWER=0)
            string(APPEND lines "${ARG_KEY} ${variant}.dll every export fails\n")
        else()
            target_compile_definitions(${variant} PRIVATE SX_FAULT_ANSWER=-1)
            string(APPEND lines "${ARG_KEY} ${variant}.dll every export answers -1\n")
        endif()
        list(APPEND targets ${variant})
    endforeach()

    set(garbage ${SX_FAULT_DIR}/garbage/${target}.cpp)
    if(EXISTS ${garbage})
        set(variant ${target}_garbage)
        set(variantDef ${outDir}/${variant}.def)
        set(text "LIBRARY ${variant}.dll\nEXPORTS\n")
        foreach(export IN LISTS exports)
            string(APPEND text "    ${export}\n")
        endforeach()
        file(WRITE ${variantDef} "${text}")
        sx_fault_dll(${variant} "${garbage};${variantDef}")
        string(APPEND lines "${ARG_KEY} ${variant}.dll answers garbage\n")
        list(APPEND targets ${variant})
    endif()
    set(SX_FAULT_LINES "${lines}" PARENT_SCOPE)
    set(SX_FAULT_TARGETS ${targets} PARENT_SCOPE)
endfunction()

# A variant made of its own sources (a resource library, say).
function(sx_side_library_fault_variant key name what)
    sx_fault_dll(${name} "${ARGN}")
    set(SX_FAULT_LINES "${SX_FAULT_LINES}${key} ${name}.dll ${what}\n" PARENT_SCOPE)
    set(SX_FAULT_TARGETS ${SX_FAULT_TARGETS} ${name} PARENT_SCOPE)
endfunction()

# Writes the list and the target `side_library_faults` that builds every
# variant; programs that read the list depend on it.
function(sx_write_side_library_faults)
    file(WRITE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/sidelib-faults.txt "${SX_FAULT_LINES}")
    add_custom_target(side_library_faults)
    add_dependencies(side_library_faults ${SX_FAULT_TARGETS})
endfunction()
