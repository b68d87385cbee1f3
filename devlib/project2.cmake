# The import library of the terminal library: made from project2.def by dlltool with
# --kill-at, so a program linked against `project2_import` imports the undecorated names
# (newreadcard, not _newreadcard@16) from project2.dll, ours or any other that keeps them.
if(WIN32 AND NOT TARGET project2_import)
    # 64-bit Windows has no stdcall decoration: there the names go without their suffixes.
    set(project2_def ${CMAKE_CURRENT_LIST_DIR}/project2.def)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        file(READ ${project2_def} def_text)
        string(REGEX REPLACE "@[0-9]+" "" def_text "${def_text}")
        set(project2_def ${CMAKE_CURRENT_BINARY_DIR}/project2-64.def)
        file(WRITE ${project2_def} "${def_text}")
    endif()
    set(PROJECT2_DEF ${project2_def} CACHE INTERNAL "Module definition of project2.dll")
    set(project2_import_file ${CMAKE_CURRENT_BINARY_DIR}/libproject2_import.a)
    add_custom_command(
        OUTPUT ${project2_import_file}
        COMMAND ${CMAKE_DLLTOOL} --kill-at --dllname project2.dll
                --input-def ${project2_def}
                --output-lib ${project2_import_file}
        DEPENDS ${project2_def}
        COMMENT "Import library of project2.dll")
    add_custom_target(project2_import_file DEPENDS ${project2_import_file})
    add_library(project2_import INTERFACE)
    target_link_libraries(project2_import INTERFACE ${project2_import_file})
    target_include_directories(project2_import INTERFACE ${CMAKE_CURRENT_LIST_DIR}/..)
    add_dependencies(project2_import project2_import_file)
endif()
