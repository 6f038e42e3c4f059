# Shared build settings and the small helpers every folder uses.

add_library(tk73_options INTERFACE)
target_compile_options(tk73_options INTERFACE -Wall -Wextra -Werror -Wno-unused-parameter)
# The stricter warnings that the code of a folder passes; the folder turns them on for its
# targets with add_compile_options(${TK73_STRICT_WARNINGS}).
set(TK73_STRICT_WARNINGS -Wshadow)
# The conversion warnings, on in the folders whose code passes them: add_compile_options(
# ${TK73_STRICT_WARNINGS} ${TK73_CONVERSION_WARNINGS}).
set(TK73_CONVERSION_WARNINGS -Wconversion -Wsign-conversion -Wold-style-cast)
target_include_directories(tk73_options INTERFACE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
# The source folder reaches only the few files that read the shipped installation from it, by a
# generated header: on every command line it would keep clones in other folders from sharing
# the compiler cache. The same header names where the build makes the user guide (guide/).
set(TK73_GUIDE_DIR ${CMAKE_BINARY_DIR}/user-guide)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/tk73_source_dir.h
     CONTENT "#pragma once\n#define TK73_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\"\n#define TK73_GUIDE_DIR \"${TK73_GUIDE_DIR}\"\n")
if(TK73_SANITIZE)
    target_compile_options(tk73_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(tk73_options INTERFACE -fsanitize=address,undefined)
endif()

# The environment every test runs in: the home and the known folders point into the build
# tree, so that a test that forgets its own overrides still never touches the real user's files,
# and Qt renders with the pinned font set whatever fonts the machine has.
set(TK73_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${TK73_TEST_HOME})
include(TK73FontSets)
set(TK73_TEST_BASE_ENVIRONMENT
    "HOME=${TK73_TEST_HOME}"
    "XDG_CONFIG_HOME=${TK73_TEST_HOME}/config"
    "XDG_DATA_HOME=${TK73_TEST_HOME}/data"
    "XDG_RUNTIME_DIR=${TK73_TEST_HOME}/run"
    "TK73_MACHINE_HIVE=${TK73_TEST_HOME}/machine.reg"
    "TK73_USER_HIVE=${TK73_TEST_HOME}/user.reg"
    "TK73_COMMON_APPDATA=${TK73_TEST_HOME}/common"
    "TK73_LOCAL_APPDATA=${TK73_TEST_HOME}/local"
    "TK73_DOCUMENTS=${TK73_TEST_HOME}/documents"
    "TK73_TEMP=${TK73_TEST_HOME}/temp"
    "TK73_MEDIA_FOLDERS=${TK73_TEST_HOME}/media"
    "TK73_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    "QT_QPA_PLATFORM=offscreen"
    "ASAN_OPTIONS=detect_leaks=1"
    "UBSAN_OPTIONS=print_stacktrace=1")
set(TK73_TEST_ENVIRONMENT ${TK73_TEST_BASE_ENVIRONMENT}
    "FONTCONFIG_FILE=${TK73_FONT_SET_DIR}/${TK73_PINNED_FONTS}.conf")
# The same with the second font set, which TK73_FONT_SET names: a test program's main keeps it.
set(TK73_SECOND_FONTS_ENVIRONMENT ${TK73_TEST_BASE_ENVIRONMENT}
    "FONTCONFIG_FILE=${TK73_FONT_SET_DIR}/${TK73_SECOND_FONTS}.conf"
    "TK73_FONT_SET=${TK73_SECOND_FONTS}")

# tk73_add_folders(FOLDER...): adds the named sub-folders of the current folder to the build. Each
# must hold a CMakeLists.txt: a folder that lost it fails the configure rather than dropping out
# of the build without a word.
function(tk73_add_folders)
    foreach(folder IN LISTS ARGN)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
            message(FATAL_ERROR "The folder ${folder}/ of the build has no CMakeLists.txt.")
        endif()
        add_subdirectory(${folder})
    endforeach()
endfunction()

# tk73_sources_of_other_configurations(FILE...): files that only targets of another configuration
# build (the fuzz targets); the check of the listed sources counts them as listed.
function(tk73_sources_of_other_configurations)
    foreach(file IN LISTS ARGN)
        cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE
                   OUTPUT_VARIABLE path)
        set_property(GLOBAL APPEND PROPERTY TK73_SOURCES_OF_OTHER_CONFIGURATIONS ${path})
    endforeach()
endfunction()

# tk73_write_listed_sources(FILE): every file of the source folder that a target of the build
# lists (or a target of another configuration), one path a line relative to the source folder,
# for the check that no source or header is left out of the build (tests/policy).
function(tk73_write_listed_sources file)
    get_property(listed GLOBAL PROPERTY TK73_SOURCES_OF_OTHER_CONFIGURATIONS)
    set(folders ${CMAKE_SOURCE_DIR})
    while(folders)
        list(POP_FRONT folders folder)
        get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target IN LISTS targets)
            get_target_property(sources ${target} SOURCES)
            get_target_property(base ${target} SOURCE_DIR)
            foreach(source IN LISTS sources)
                if(source AND NOT source MATCHES "^\\$<")
                    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${base} NORMALIZE
                               OUTPUT_VARIABLE path)
                    list(APPEND listed ${path})
                endif()
            endforeach()
        endforeach()
        get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
        list(APPEND folders ${subfolders})
    endwhile()
    set(text "")
    foreach(path IN LISTS listed)
        cmake_path(IS_PREFIX CMAKE_SOURCE_DIR ${path} NORMALIZE inside)
        if(inside)
            cmake_path(RELATIVE_PATH path BASE_DIRECTORY ${CMAKE_SOURCE_DIR})
            string(APPEND text "${path}\n")
        endif()
    endforeach()
    file(WRITE ${file} "${text}")
endfunction()

# The same without the fonts as C++ string literals, for the test programs' main, and the pinned
# set's configuration, for the programs that pick their fonts themselves (tests/support).
set(environment_literals "")
foreach(assignment IN LISTS TK73_TEST_BASE_ENVIRONMENT)
    string(APPEND environment_literals "    \"${assignment}\",\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/tk73_test_environment.inc
     CONTENT "${environment_literals}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/tk73_pinned_fonts.h
     CONTENT "#pragma once\n#define TK73_PINNED_FONTS \"${TK73_FONT_SET_DIR}/${TK73_PINNED_FONTS}.conf\"\n")

# tk73_library(NAME [STATIC] SOURCES file... LINKS ...): a library of the listed files (paths
# relative to the folder of the CMakeLists.txt); shared unless STATIC. Every target carries
# tk73_options.
function(tk73_library name)
    cmake_parse_arguments(ARG "STATIC" "" "SOURCES;LINKS" ${ARGN})
    if(ARG_STATIC)
        add_library(${name} STATIC ${ARG_SOURCES})
    else()
        add_library(${name} SHARED ${ARG_SOURCES})
    endif()
    target_link_libraries(${name} PUBLIC tk73_options ${ARG_LINKS})
endfunction()

# tk73_gtest(NAME SOURCES file... LINKS ...): one GoogleTest program of the listed files, its
# cases registered in CTest.
function(tk73_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tk73_options tk73testmain GTest::gtest ${ARG_LINKS})
    # Discovered cases cannot carry a list-valued ENVIRONMENT property, so the test programs'
    # main (tk73testsupport) sets the test environment itself before any case runs.
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 300)
endfunction()

# tk73_qtest(NAME SOURCES ... LINKS ...): one Qt Test program (offscreen), one CTest case.
function(tk73_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE tk73_options tk73testsupport Qt6::Test Qt6::Widgets
                                          ${ARG_LINKS})
    add_test(NAME ${name} COMMAND ${name})
    # Its run with the second font set (tk73_second_fonts) takes the same lock.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TK73_TEST_ENVIRONMENT}" TIMEOUT 300
                                            RESOURCE_LOCK ${name})
endfunction()

# tk73_second_fonts(PROGRAM [ARGS arg...]): a test program that renders windows under the layout
# check (tests/ui_checks) run a second time with the second font set, as the test
# PROGRAM_<set>_fonts; ARGS picks the cases that render (every case without it). The two runs of a
# program never overlap: its cases may listen on fixed loopback ports. The normal configuration
# runs it: the sanitizers find nothing in a layout that the first run missed.
function(tk73_second_fonts program)
    cmake_parse_arguments(ARG "" "" "ARGS" ${ARGN})
    if(TK73_SANITIZE)
        return()
    endif()
    set(name ${program}_${TK73_SECOND_FONTS}_fonts)
    add_test(NAME ${name} COMMAND ${program} ${ARG_ARGS})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TK73_SECOND_FONTS_ENVIRONMENT}"
                                            TIMEOUT 300 RESOURCE_LOCK ${program})
endfunction()
