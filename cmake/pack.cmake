# The data archive data/data.pk, packed from every folder in QUARRIK_PACK_DIRS (later folders
# win on equal names). Source folders are globbed with CONFIGURE_DEPENDS so added or removed
# files re-run the configuration; generated folders announce their outputs (or a stamp) in
# QUARRIK_PACK_DEPENDS, since their files may not exist yet at configure time.
set(QUARRIK_PACK_ARCHIVE ${QUARRIK_DATA_DIR}/data.pk)
set(pack_inputs "")
set(pack_dirs "")
foreach(dir ${QUARRIK_PACK_DIRS})
    string(FIND "${dir}/" "${CMAKE_SOURCE_DIR}/" in_source)
    string(FIND "${dir}/" "${CMAKE_BINARY_DIR}/" in_build)
    if(in_source EQUAL 0 AND NOT in_build EQUAL 0)
        file(GLOB_RECURSE dir_files CONFIGURE_DEPENDS ${dir}/*)
        # A source folder that does not exist (yet) has nothing to pack.
        if(IS_DIRECTORY ${dir})
            list(APPEND pack_dirs ${dir})
        endif()
    else()
        file(GLOB_RECURSE dir_files ${dir}/*)
        list(APPEND pack_dirs ${dir})
    endif()
    list(APPEND pack_inputs ${dir_files})
endforeach()

if(pack_dirs)
    set(pack_command $<TARGET_FILE:quarrik-pack> pack ${pack_dirs} ${QUARRIK_PACK_ARCHIVE})
else()
    # Nothing to pack yet: an empty archive still lets the game fall back to loose files.
    set(empty_dir ${CMAKE_BINARY_DIR}/pack-empty)
    file(MAKE_DIRECTORY ${empty_dir})
    set(pack_command $<TARGET_FILE:quarrik-pack> pack ${empty_dir} ${QUARRIK_PACK_ARCHIVE})
endif()

add_custom_command(
    OUTPUT ${QUARRIK_PACK_ARCHIVE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUARRIK_DATA_DIR}
    COMMAND ${pack_command}
    DEPENDS quarrik-pack ${pack_inputs} ${QUARRIK_PACK_DEPENDS}
    COMMENT "Packing data/data.pk"
    VERBATIM)
add_custom_target(game_data ALL DEPENDS ${QUARRIK_PACK_ARCHIVE})
if(TARGET audio_data)
    add_dependencies(game_data audio_data)
endif()
