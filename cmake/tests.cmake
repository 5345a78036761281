# Every folder tests/AREA becomes one GoogleTest executable, test_AREA, whose cases ctest lists
# one by one. Tests find the source tree and the built game directory through these definitions.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB test_dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*)
file(GLOB_RECURSE test_support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
foreach(dir ${test_dirs})
    get_filename_component(area ${dir} NAME)
    if(IS_DIRECTORY ${dir} AND NOT area STREQUAL "support" AND NOT area STREQUAL "data")
        file(GLOB_RECURSE area_tests CONFIGURE_DEPENDS ${dir}/*.cpp)
        if(area_tests)
            set(libraries quarrik_core quarrik_levels)
            set(support ${test_support})
            # The world's tests link the world alone: that they build shows it needs no
            # pictures, sound or window (their support is header-only).
            if(area STREQUAL "world")
                set(libraries quarrik_world)
                set(support "")
            endif()
            add_executable(test_${area} ${area_tests} ${support})
            target_link_libraries(test_${area} PRIVATE ${libraries} GTest::gtest GTest::gtest_main
                                                       GTest::gmock)
            target_include_directories(test_${area} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
            target_compile_definitions(test_${area} PRIVATE
                QUARRIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                QUARRIK_GAME_DIR="${QUARRIK_GAME_DIR}"
                QUARRIK_TOOLS_DIR="${CMAKE_BINARY_DIR}/tools")
            # Tests that read the game directory need the archive and generated files first.
            if(TARGET game_data)
                add_dependencies(test_${area} game_data)
            endif()
            # Some tests run the game itself or a tool (the driver, the simulator): building
            # one test target builds what it runs.
            add_dependencies(test_${area} quarrik ${QUARRIK_TOOL_TARGETS})
            # Windows on one shared X server take the focus from each other: the display tests
            # run one at a time.
            set(serial FALSE)
            if(area STREQUAL "display")
                set(serial TRUE)
            endif()
            gtest_discover_tests(test_${area} DISCOVERY_TIMEOUT 60
                                 PROPERTIES LABELS ${area} TIMEOUT 600 RUN_SERIAL ${serial})
        endif()
    endif()
endforeach()
