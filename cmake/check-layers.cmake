# Fails when a source file of src/ includes a header of a folder above its
# own. The folders from the bottom up; folders of one layer may include each
# other. Run as: cmake -DSRC_DIR=<src> -P check-layers.cmake
set(SX_LAYERS
    "docstate resources"
    "core"
    "optiontree"
    "joboptions color overlays watermarks adjust printer docevents"
    "plugin")

if(NOT SRC_DIR)
    message(FATAL_ERROR "check-layers: SRC_DIR is not set")
endif()

set(rank 0)
foreach(layer IN LISTS SX_LAYERS)
    string(REPLACE " " ";" folders "${layer}")
    foreach(folder IN LISTS folders)
        set(rank_${folder} ${rank})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

# Resource scripts are left out: a dialog layout takes its control ids from
# the folder of the page that owns the dialog.
file(GLOB_RECURSE sources RELATIVE "${SRC_DIR}" "${SRC_DIR}/*.h" "${SRC_DIR}/*.cpp")
set(violations "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" from "${source}")
    if(NOT DEFINED rank_${from})
        if(source MATCHES "/")
            string(APPEND violations "\n  ${source}: its folder has no place in the layers")
        endif()
        continue()
    endif()
    file(STRINGS "${SRC_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"/]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" to "${line}")
        if(NOT DEFINED rank_${to})
            continue()
        endif()
        if(rank_${to} GREATER rank_${from})
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
            string(APPEND violations "\n  ${source} includes ${header}, a layer above its own")
        endif()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "src/ layers broken:${violations}")
endif()
message(STATUS "src/ layers hold: ${SX_LAYERS}")
