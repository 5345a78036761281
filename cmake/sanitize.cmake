# The sanitizer build of the whole project (scripts/test.sh --sanitize): AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer in every library, tool, test and the game itself.
# Read right after project() through -DCMAKE_PROJECT_INCLUDE=cmake/sanitize.cmake, so that the
# flags and the runtime object below reach every target the project defines.
set(quarrik_sanitizers address,undefined)
add_compile_options(-fsanitize=${quarrik_sanitizers} -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=${quarrik_sanitizers})

# Built-in sanitizer options and the dlclose that keeps libraries loaded (see the source). The
# executable exports dlclose so that the shared libraries' calls reach it.
add_library(quarrik_sanitizer_runtime OBJECT
            ${CMAKE_CURRENT_LIST_DIR}/sanitize/sanitizer_runtime.c)
target_compile_definitions(quarrik_sanitizer_runtime PRIVATE
    QUARRIK_LSAN_SUPPRESSIONS="${CMAKE_SOURCE_DIR}/tests/robustness/lsan.supp")
add_link_options(-Wl,--export-dynamic-symbol=dlclose)
link_libraries(quarrik_sanitizer_runtime)

# GCC 12 misfires -Wmaybe-uninitialized inside libstdc++'s <regex> once AddressSanitizer is on
# (std::function moved out of a regex state). Only the files that use <regex> are let off; the
# warning stays an error everywhere else.
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/probe/startup_probe_test.cpp
                            PROPERTIES COMPILE_OPTIONS -Wno-maybe-uninitialized)
