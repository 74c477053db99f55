# Test registration: one executable per area, one CTest test per executable.
# Every run writes a GoogleTest XML report to ${KV_RESULTS_DIR}; test.sh counts
# the cases from there.
set(KV_RESULTS_DIR "${CMAKE_BINARY_DIR}/test-results" CACHE PATH "GoogleTest XML reports")

if(KV_TESTS)
    enable_testing()
    if(CMAKE_CROSSCOMPILING)
        # Debian ships the GoogleTest sources; build them with the cross compiler.
        set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
        foreach(t gtest gtest_main gmock)
            if(NOT TARGET GTest::${t})
                add_library(GTest::${t} ALIAS ${t})
            endif()
        endforeach()
    else()
        find_package(GTest REQUIRED)
    endif()
endif()

# kv_add_test(<name> SOURCES <files...> LIBS <libraries...> [NO_MAIN])
function(kv_add_test name)
    if(NOT KV_TESTS)
        return()
    endif()
    cmake_parse_arguments(T "NO_MAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    # Tests that check files of the repository (help pages, demo data) find them here.
    target_compile_definitions(${name} PRIVATE KV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    if(NOT T_NO_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    # Under Wine the report path needs the drive that maps the Linux root.
    set(report "${KV_RESULTS_DIR}/${name}.xml")
    if(CMAKE_CROSSCOMPILING)
        set(report "Z:${report}")
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${report}
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    # Programs with windows share one virtual display: run them one at a time,
    # or focus and activation move between two test programs at random.
    if(T_NO_MAIN)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
endfunction()

# kv_folder(<lib> DEPS <libs...> WIN32_DEPS <libs...> [WIN32_TEST_RESOURCES <libs...>])
#
# The sources of a folder decide its libraries, so that adding a file needs no
# CMake change:
#   <folder>/*.cpp              -> <lib>        portable, built in both trees
#   <folder>/win32/*.cpp        -> <lib>_win32  Win32 part, cross tree only
#   <folder>/tests/*.cpp        -> <lib>_tests  GoogleTest, both trees
#   <folder>/win32/tests/*.cpp  -> <lib>_win32_tests, under Wine with the program's
#                                  resources, or those WIN32_TEST_RESOURCES names
function(kv_folder lib)
    cmake_parse_arguments(F "" "" "DEPS;WIN32_DEPS;WIN32_TEST_RESOURCES" ${ARGN})
    if(NOT F_WIN32_TEST_RESOURCES)
        set(F_WIN32_TEST_RESOURCES kv_resources kv_testkit_program)
    endif()
    set(dir ${CMAKE_CURRENT_SOURCE_DIR})
    file(GLOB portable CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB portable_tests CONFIGURE_DEPENDS ${dir}/tests/*.cpp)
    file(GLOB win32 CONFIGURE_DEPENDS ${dir}/win32/*.cpp)
    file(GLOB win32_tests CONFIGURE_DEPENDS ${dir}/win32/tests/*.cpp)

    if(portable)
        add_library(${lib} STATIC ${portable})
        target_link_libraries(${lib} PUBLIC ${F_DEPS})
    else()
        add_library(${lib} INTERFACE)
        target_link_libraries(${lib} INTERFACE ${F_DEPS})
    endif()
    if(portable_tests)
        kv_add_test(${lib}_tests SOURCES ${portable_tests} LIBS ${lib} kv_testkit)
    endif()

    if(WIN32)
        if(win32)
            add_library(${lib}_win32 STATIC ${win32})
            target_link_libraries(${lib}_win32 PUBLIC ${lib} ${F_WIN32_DEPS})
        else()
            add_library(${lib}_win32 INTERFACE)
            target_link_libraries(${lib}_win32 INTERFACE ${lib} ${F_WIN32_DEPS})
        endif()
        if(win32_tests)
            kv_add_test(${lib}_win32_tests NO_MAIN SOURCES ${win32_tests}
                        LIBS ${lib}_win32 kv_testkit_win32 ${F_WIN32_TEST_RESOURCES})
        endif()
    endif()
endfunction()

# kv_add_file_size_limit_test(<test program> <gtest filter> [RESOURCE_LOCK <lock>])
#
# Under Wine a failing write needs a real limit the Windows program cannot set
# itself: the filtered cases of the test program run once more with the file
# size limited by the shell (1 MiB); the tests read the limit from
# KV_FILE_SIZE_LIMIT. Registered as <test program>_file_size_limit.
function(kv_add_file_size_limit_test program filter)
    if(NOT (KV_TESTS AND CMAKE_CROSSCOMPILING AND TARGET ${program}))
        return()
    endif()
    cmake_parse_arguments(L "" "RESOURCE_LOCK" "" ${ARGN})
    set(name ${program}_file_size_limit)
    add_test(NAME ${name}
             COMMAND sh -c "trap '' XFSZ; ulimit -f 1024; export KV_FILE_SIZE_LIMIT=1048576; exec \"$@\""
                     sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}>
                     --gtest_filter=${filter}
                     --gtest_output=xml:Z:${KV_RESULTS_DIR}/${name}.xml
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
    if(L_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${L_RESOURCE_LOCK})
    endif()
endfunction()

# kv_add_slow_delete_test(<test program> <gtest filter>)
#
# The filtered cases run once more with every file deletion held up for 300 ms
# (scripts/slow-delete.sh, through strace); the tests read the delay from
# KV_SLOW_DELETE_MS. A step that leaves a file missing while something is
# deleted then lasts long enough to be seen. Registered as
# <test program>_slow_delete.
function(kv_add_slow_delete_test program filter)
    if(NOT (KV_TESTS AND TARGET ${program}))
        return()
    endif()
    set(name ${program}_slow_delete)
    set(report "${KV_RESULTS_DIR}/${name}.xml")
    if(CMAKE_CROSSCOMPILING)
        set(report "Z:${report}")
    endif()
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/slow-delete.sh 300
                     ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}>
                     --gtest_filter=${filter} --gtest_output=xml:${report}
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
