# Sound effects and music are synthesised by our own tools at build time, straight into the
# game's data folder (they are loose files beside the archive, not inside it). The custom
# commands depend on the tool targets, so the files are made again only when a tool changes.

set(QUARRIK_SFX_FILES "")
foreach(i RANGE 1 6)
    list(APPEND QUARRIK_SFX_FILES ${QUARRIK_DATA_DIR}/s${i}.wav ${QUARRIK_DATA_DIR}/s0${i}.wav)
endforeach()

set(QUARRIK_MUSIC_FILES "")
foreach(name 001.mod 002.mod 003.mod 004.mod 005.xm 006.xm 007.xm 008.mod 009.mod 010.mod
             011.mod)
    list(APPEND QUARRIK_MUSIC_FILES ${QUARRIK_DATA_DIR}/music/${name})
endforeach()

add_custom_command(
    OUTPUT ${QUARRIK_SFX_FILES}
    COMMAND quarrik-sfx ${QUARRIK_DATA_DIR}
    DEPENDS quarrik-sfx
    COMMENT "Synthesising the sound effects"
    VERBATIM)

add_custom_command(
    OUTPUT ${QUARRIK_MUSIC_FILES}
    COMMAND quarrik-music ${QUARRIK_DATA_DIR}
    DEPENDS quarrik-music
    COMMENT "Composing the music"
    VERBATIM)

add_custom_target(audio_data ALL DEPENDS ${QUARRIK_SFX_FILES} ${QUARRIK_MUSIC_FILES})

# Building only the game (as scripts/run.sh does) still lays its sounds beside it.
if(TARGET quarrik AND QUARRIK_GAME_DATA)
    add_dependencies(quarrik audio_data)
endif()

# The audio tests read the generated files; test targets are made after this file is read,
# so the dependency is added once the whole directory has been processed.
function(quarrik_audio_test_dependency)
    if(TARGET test_audio_assets)
        add_dependencies(test_audio_assets audio_data)
    endif()
endfunction()
if(CMAKE_VERSION VERSION_GREATER_EQUAL 3.19)
    cmake_language(DEFER CALL quarrik_audio_test_dependency)
endif()
