# The program's version is the one its main window shows in its caption ("... V2.18"). It is
# read from the form file, so the caption, the files' version resources and the release's names
# cannot disagree; scripts/version.sh reads it the same way.
set(devtool_form_file ${PROJECT_SOURCE_DIR}/app/Form1.dfm)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${devtool_form_file})
file(STRINGS ${devtool_form_file} devtool_caption REGEX "^  Caption = '.* V[0-9]+\\.[0-9]+'$"
     LIMIT_COUNT 1 ENCODING UTF-8)
if(NOT devtool_caption MATCHES "V([0-9]+)\\.([0-9]+)'$")
    message(FATAL_ERROR "${devtool_form_file}: the main window's caption names no version")
endif()
set(DEVTOOL_VERSION_MAJOR ${CMAKE_MATCH_1})
set(DEVTOOL_VERSION_MINOR ${CMAKE_MATCH_2})
set(DEVTOOL_VERSION ${DEVTOOL_VERSION_MAJOR}.${DEVTOOL_VERSION_MINOR})

# Gives a Windows program or library a version resource: the program's version as file and
# product version, with a description, so Explorer's properties and the program's /version
# report tell the files apart.
function(devtool_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
        set(VERSION_FILE_TYPE VFT_DLL)
        set(VERSION_FILE_NAME ${target}.dll)
    else()
        set(VERSION_FILE_TYPE VFT_APP)
        set(VERSION_FILE_NAME ${target}.exe)
    endif()
    set(VERSION_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
