# libFuzzer targets for every reader of outside bytes (fuzz/fuzz_*.cpp, one executable each,
# fuzz_NAME). Needs clang; configure a build directory of its own with -DQUARRIK_FUZZ=ON (see
# scripts/fuzz.sh). The layers the readers live in are built with coverage, AddressSanitizer
# and UndefinedBehaviorSanitizer in that directory.
option(QUARRIK_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(QUARRIK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUARRIK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(quarrik_fuzz_sanitizers address,undefined)
    set(quarrik_fuzz_flags -fsanitize=fuzzer-no-link,${quarrik_fuzz_sanitizers}
                           -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
    # The readers live in the lower layers: the targets link those alone, so the screens, the
    # game and the rest of the application are not built a second time for the fuzzer.
    quarrik_area_sources(quarrik_reader_sources gfx sound platform)
    add_library(quarrik_fuzz_readers STATIC ${quarrik_reader_sources})
    target_link_libraries(quarrik_fuzz_readers PUBLIC quarrik_world quarrik_base
        SDL2::SDL2 OpenGL::GL OpenGL::GLU JPEG::JPEG Freetype::Freetype PkgConfig::MIKMOD)
    foreach(library quarrik_base quarrik_world quarrik_fuzz_readers)
        target_compile_options(${library} PUBLIC ${quarrik_fuzz_flags})
        target_link_options(${library} INTERFACE -fsanitize=${quarrik_fuzz_sanitizers})
    endforeach()

    file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/fuzz_*.cpp)
    set(QUARRIK_FUZZ_TARGETS "")
    foreach(source ${fuzz_sources})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_link_libraries(${name} PRIVATE quarrik_fuzz_readers)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        target_compile_definitions(${name} PRIVATE QUARRIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                 ${CMAKE_BINARY_DIR}/fuzz)
        list(APPEND QUARRIK_FUZZ_TARGETS ${name})
    endforeach()
    add_custom_target(fuzz_all DEPENDS ${QUARRIK_FUZZ_TARGETS})
endif()
