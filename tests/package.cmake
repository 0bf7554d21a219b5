# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build into a Debian package and checks what a person would get
# from "apt install": the files and where they go, the packages it depends on,
# and the desktop entry and AppStream data as they are installed.
# cmake -DBUILD_DIR= -DSOURCE_DIR= -DWORK_DIR= -DVERSION= -DAPP_ID= -DCPACK=
#       -DQT_QML_DIR= -DOWN_QML_DIR= -P package.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail message)
    list(APPEND failures "${message}")
endmacro()
function(not_checked what why)
    message(STATUS "Not checked: ${what} (${why})")
endfunction()

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_PROGRAM file)
foreach(tool CPACK DPKG_DEB DPKG_SHLIBDEPS FILE_PROGRAM)
    if(NOT ${tool} OR NOT EXISTS "${${tool}}")
        message("PACKAGE TEST SKIPPED: ${tool} is missing; scripts/install-deps.sh installs it")
        return()
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/home")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake"
                        -B "${WORK_DIR}/out"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs "${WORK_DIR}/out/vantrel_${VERSION}_*.deb")
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no vantrel_${VERSION}_*.deb (${result}):\n${output}")
endif()
file(SIZE "${debs}" size)
message(STATUS "Package: ${debs} (${size} bytes)")

# The files: all under /usr, those a working program needs, none of the build's.
execute_process(COMMAND "${DPKG_DEB}" --contents "${debs}" OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" lines "${listing}")
set(entries "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([-dl][-rwxsStT]+) [^ ]+ +[0-9]+ [0-9-]+ [0-9:]+ \\./(.*)$")
        set(mode "${CMAKE_MATCH_1}")
        string(REGEX REPLACE " -> .*$" "" name "${CMAKE_MATCH_2}")
        list(APPEND entries "${name}")
        set(mode_${name} "${mode}")
        if(NOT name STREQUAL "" AND NOT name MATCHES "^usr/")
            fail("outside /usr: /${name}")
        endif()
        if(name MATCHES "CMakeFiles|_autogen|\\.(o|a|cmake|cpp|h|ts)$|/qmldir$|CTestTestfile|/tst_|/bench_")
            fail("from the build tree: /${name}")
        endif()
    elseif(NOT line STREQUAL "")
        list(APPEND failures "unread line of the listing: ${line}")
    endif()
endforeach()
set(executables usr/bin/vantrel usr/libexec/vantrel/vantrel)
set(wanted ${executables}
    usr/share/vantrel/app/native/assets/main.qml
    usr/share/vantrel/app/native/qm/Vantrel_de.qm
    usr/share/vantrel/app/native/qm/Vantrel_fr.qm
    usr/share/vantrel/app/native/qm/Vantrel_es.qm
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/doc/vantrel/copyright
    usr/share/doc/vantrel/changelog.gz
    usr/share/man/man1/vantrel.1.gz)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND wanted usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(name IN LISTS wanted)
    if(NOT name IN_LIST entries)
        fail("missing: /${name}")
    endif()
endforeach()
foreach(name IN LISTS executables)
    if(NOT "${mode_${name}}" STREQUAL "-rwxr-xr-x")
        fail("/${name} is not executable for all: ${mode_${name}}")
    endif()
endforeach()

# The control data: name, version, and what it needs installed beside it.
foreach(field Package Version Depends)
    execute_process(COMMAND "${DPKG_DEB}" --field "${debs}" ${field} OUTPUT_VARIABLE ${field}
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT Package STREQUAL "vantrel" OR NOT Version STREQUAL VERSION)
    fail("the package is ${Package} ${Version}, not vantrel ${VERSION}")
endif()
string(REGEX REPLACE " *\\([^)]*\\)" "" depends "${Depends}")
string(REGEX REPLACE ", *" ";" depends "${depends}")
message(STATUS "Depends: ${Depends}")
# From the libraries the program links (dpkg-shlibdeps ran).
foreach(library libqt6core6 libqt6gui6 libqt6qml6 libqt6quick6 libqt6dbus6)
    if(NOT library IN_LIST depends)
        fail("Depends lacks ${library}")
    endif()
endforeach()

# Every QML module the scene imports, with the modules those import in turn
# and the Controls style the program sets, must come with a package that the
# package depends on: the one that holds the module here.
find_program(DPKG dpkg)
if(NOT DPKG)
    not_checked("the QML modules' packages" "no dpkg database")
else()
    file(GLOB_RECURSE qml_files "${SOURCE_DIR}/*.qml")
    set(modules "")
    foreach(qml IN LISTS qml_files)
        if(qml MATCHES "^${SOURCE_DIR}/(build[^/]*|tests)/")
            continue()
        endif()
        file(STRINGS "${qml}" imports REGEX "^import +[A-Za-z]")
        foreach(line IN LISTS imports)
            string(REGEX REPLACE "^import +([A-Za-z][A-Za-z0-9_.]*).*$" "\\1" module "${line}")
            list(APPEND modules "${module}")
        endforeach()
    endforeach()
    file(GLOB_RECURSE cpp_files "${SOURCE_DIR}/platform/*.cpp" "${SOURCE_DIR}/src/*.cpp")
    foreach(cpp IN LISTS cpp_files)
        file(STRINGS "${cpp}" styles REGEX "QQuickStyle::setStyle\\(QStringLiteral\\(\"[A-Za-z]+\"")
        foreach(line IN LISTS styles)
            string(REGEX REPLACE ".*QStringLiteral\\(\"([A-Za-z]+)\".*" "QtQuick.Controls.\\1"
                   module "${line}")
            list(APPEND modules "${module}")
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES modules)
    set(seen "")
    set(owners "")
    while(modules)
        list(POP_FRONT modules module)
        if(module IN_LIST seen)
            continue()
        endif()
        list(APPEND seen "${module}")
        string(REPLACE "." "/" folder "${module}")
        if(EXISTS "${OWN_QML_DIR}/${folder}/qmldir")
            continue() # built into the program
        endif()
        set(qmldir "${QT_QML_DIR}/${folder}/qmldir")
        if(NOT EXISTS "${qmldir}")
            list(APPEND failures "the scene imports ${module}, which nothing here provides")
            continue()
        endif()
        execute_process(COMMAND "${DPKG}" -S "${qmldir}" OUTPUT_VARIABLE owner
                        RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
        string(REGEX REPLACE ":.*$" "" owner "${owner}")
        if(NOT result EQUAL 0)
            not_checked("the package of ${module}" "${qmldir} belongs to no package")
        else()
            list(APPEND owners "${module} (${owner})")
            if(NOT owner IN_LIST depends)
                fail("Depends lacks ${owner}, which holds ${module}")
            endif()
        endif()
        file(STRINGS "${qmldir}" uses REGEX "^(import|depends) ")
        foreach(line IN LISTS uses)
            string(REGEX REPLACE "^[a-z]+ +([A-Za-z0-9_.]+).*$" "\\1" used "${line}")
            list(APPEND modules "${used}")
        endforeach()
    endwhile()
    list(JOIN owners ", " owners)
    message(STATUS "QML modules: ${owners}")
endif()

# Installed as apt would, in a folder of our own.
set(root "${WORK_DIR}/root")
execute_process(COMMAND "${DPKG_DEB}" --extract "${debs}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
foreach(name IN LISTS executables)
    foreach(tree "${BUILD_DIR}" "${SOURCE_DIR}")
        file(STRINGS "${root}/${name}" mentions)
        string(FIND "${mentions}" "${tree}" at)
        if(at GREATER_EQUAL 0)
            fail("/${name} names ${tree}")
        endif()
    endforeach()
endforeach()
file(STRINGS "${root}/usr/share/applications/${APP_ID}.desktop" desktop)
foreach(line "Icon=${APP_ID}" "Exec=vantrel %U" "MimeType=inode/directory;")
    if(NOT line IN_LIST desktop)
        fail("the desktop entry lacks ${line}")
    endif()
endforeach()
file(READ "${root}/usr/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
string(FIND "${metainfo}" "<id>${APP_ID}</id>" id_at)
string(FIND "${metainfo}" "<launchable type=\"desktop-id\">${APP_ID}.desktop<" launchable_at)
if(id_at LESS 0 OR launchable_at LESS 0)
    fail("the metainfo's id or launchable is not ${APP_ID}")
endif()
# A new version needs its release in the metainfo and its changelog entry.
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("the metainfo's newest release is ${CMAKE_MATCH_1}, not ${VERSION}")
endif()
find_program(GZIP gzip)
if(GZIP)
    execute_process(COMMAND "${GZIP}" -dc "${root}/usr/share/doc/vantrel/changelog.gz"
                    OUTPUT_VARIABLE changelog)
    string(FIND "${changelog}" "vantrel (${VERSION}) " entry_at)
    if(NOT entry_at EQUAL 0)
        fail("the changelog's newest entry is not ${VERSION}")
    endif()
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}"
                            "${root}/usr/share/applications/${APP_ID}.desktop"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
        fail("desktop-file-validate: ${output}")
    endif()
else()
    not_checked("the desktop entry" "desktop-file-validate is missing; it comes with desktop-file-utils")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net
                            "${root}/usr/share/metainfo/${APP_ID}.metainfo.xml"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        fail("appstreamcli validate: ${output}")
    endif()
else()
    not_checked("the AppStream data" "appstreamcli is missing; it comes with appstream")
endif()

# The packed launcher finds the packed program, stripped as it is.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME "HOME=${WORK_DIR}/home"
                        "${root}/usr/bin/vantrel" --version
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "Vantrel ${VERSION}\n")
    fail("the installed vantrel --version answered ${result}: ${output}${errors}")
endif()

find_program(LINTIAN lintian)
if(LINTIAN)
    execute_process(COMMAND "${LINTIAN}" --fail-on error "${debs}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    message(STATUS "lintian:\n${output}")
    if(NOT result EQUAL 0)
        fail("lintian found errors:\n${output}${errors}")
    endif()
else()
    not_checked("lintian's errors" "lintian is missing")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The package is not right:\n  ${text}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
