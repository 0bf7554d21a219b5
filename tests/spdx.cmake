# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file says under which licence it is offered, near its top:
# cmake -DSOURCE_DIR= -P spdx.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE candidates LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/*")
set(missing "")
set(count 0)
foreach(name IN LISTS candidates)
    if(name MATCHES "^(build[^/]*|\\.git)/")
        continue()
    endif()
    get_filename_component(base "${name}" NAME)
    set(source FALSE)
    if(base MATCHES "\\.(cpp|h|qml|js|cmake|sh|py|in|desktop|svg)$|\\.metainfo\\.xml$"
       OR base STREQUAL "CMakeLists.txt")
        set(source TRUE)
    elseif(NOT base MATCHES "\\." AND name MATCHES "^platform/")
        set(source TRUE) # headers under the platform's class names
    elseif(NOT base MATCHES "\\.")
        file(READ "${SOURCE_DIR}/${name}" start LIMIT 2)
        if(start STREQUAL "#!")
            set(source TRUE) # a script
        endif()
    endif()
    if(NOT source)
        continue()
    endif()
    math(EXPR count "${count} + 1")
    file(STRINGS "${SOURCE_DIR}/${name}" head LIMIT_COUNT 5)
    string(FIND "${head}" "SPDX-License-Identifier: " at)
    if(at LESS 0)
        list(APPEND missing "${name}")
    endif()
endforeach()
if(missing)
    list(LENGTH missing n)
    list(JOIN missing "\n  " text)
    message(FATAL_ERROR "${n} of ${count} source files have no SPDX-License-Identifier line "
                        "in their first five lines:\n  ${text}")
endif()
message(STATUS "${count} source files, each with its SPDX-License-Identifier")
