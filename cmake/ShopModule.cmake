# shop_module(<target> DIR <folder> [SHARED] [DEPENDS <targets>...])
# A library made of every .cpp/.h in one source folder. Folders add files without touching
# any CMakeLists. Static unless SHARED: the layers that a module loaded at run time shares
# with the program are shared libraries, so that both see one copy of every global.
function(shop_module target)
    cmake_parse_arguments(ARG "SHARED" "DIR" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp" "${ARG_DIR}/*.h")
    set(kind STATIC)
    if(ARG_SHARED)
        set(kind SHARED)
    endif()
    if(sources)
        add_library(${target} ${kind} ${sources})
        target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src"
            "${PROJECT_BINARY_DIR}/src/generated")
        target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
    else()
        # A subsystem whose folder has no code yet still takes part in the link graph.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}/src"
            "${PROJECT_BINARY_DIR}/src/generated")
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
    endif()
endfunction()

# shop_test(<name> DIR <folder> [DEPENDS <targets>...])
# One test program per test folder; every TEST in it becomes its own CTest entry.
function(shop_test name)
    cmake_parse_arguments(ARG "" "DIR" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp" "${ARG_DIR}/*.h")
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    shop_executable(${name})
    target_link_libraries(${name} PRIVATE shop_testsupport ${ARG_DEPENDS})
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1"
            TIMEOUT 120)
endfunction()

# Every executable gets the sanitizer defaults so that Qt's process-lifetime
# allocations do not fail a run at exit.
function(shop_executable target)
    if(SHOP_SANITIZE)
        target_sources(${target} PRIVATE "${PROJECT_SOURCE_DIR}/cmake/sanitizer_defaults.cpp")
    endif()
endfunction()
