# Every folder tests/AREA becomes one GoogleTest executable, test_AREA, whose cases ctest lists
# one by one. Tests find the source tree and the built game directory through these definitions.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB test_dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*)
# What each test area runs beside its own code: the game, tools, and the game directory's data
# (game_data). Building a test target builds only these; an area not named needs none.
set(QUARRIK_TEST_NEEDS_app quarrik game_data)
set(QUARRIK_TEST_NEEDS_assets game_data quarrik-gen)
set(QUARRIK_TEST_NEEDS_audio_assets game_data)
set(QUARRIK_TEST_NEEDS_display quarrik game_data quarrik-drive)
set(QUARRIK_TEST_NEEDS_game game_data quarrik-sim)
set(QUARRIK_TEST_NEEDS_levels quarrik-levels)
set(QUARRIK_TEST_NEEDS_probe quarrik game_data quarrik-startup-probe)
set(QUARRIK_TEST_NEEDS_robustness quarrik game_data)
set(QUARRIK_TEST_NEEDS_sound game_data)
set(QUARRIK_TEST_NEEDS_storage ${QUARRIK_TOOL_TARGETS})
set(QUARRIK_TEST_NEEDS_world game_data quarrik-sim)

# The helpers every test area shares, compiled once.
file(GLOB_RECURSE test_support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(quarrik_test_support STATIC ${test_support})
target_link_libraries(quarrik_test_support PUBLIC quarrik_core quarrik_levels GTest::gtest
                                                  GTest::gmock)
target_include_directories(quarrik_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
set(QUARRIK_TEST_PLACES QUARRIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QUARRIK_GAME_DIR="${QUARRIK_GAME_DIR}" QUARRIK_TOOLS_DIR="${CMAKE_BINARY_DIR}/tools")
target_compile_definitions(quarrik_test_support PUBLIC ${QUARRIK_TEST_PLACES})

foreach(dir ${test_dirs})
    get_filename_component(area ${dir} NAME)
    if(IS_DIRECTORY ${dir} AND NOT area STREQUAL "support" AND NOT area STREQUAL "data")
        file(GLOB_RECURSE area_tests CONFIGURE_DEPENDS ${dir}/*.cpp)
        if(area_tests)
            add_executable(test_${area} ${area_tests})
            # The world's tests link the world alone: that they build shows it needs no
            # pictures, sound or window (their support is header-only).
            if(area STREQUAL "world")
                target_link_libraries(test_${area} PRIVATE quarrik_world GTest::gtest
                                                           GTest::gtest_main GTest::gmock)
                target_include_directories(test_${area} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
                target_compile_definitions(test_${area} PRIVATE ${QUARRIK_TEST_PLACES})
            else()
                target_link_libraries(test_${area} PRIVATE quarrik_test_support GTest::gtest_main)
            endif()
            foreach(need ${QUARRIK_TEST_NEEDS_${area}})
                if(TARGET ${need})
                    add_dependencies(test_${area} ${need})
                endif()
            endforeach()
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
