# Pictures, sprite files, font, layout and help text of the data archive, drawn by quarrik-gen
# from the sources in tools/gen. The command runs only when those sources change (the stamp
# records the last run); files whose content did not change keep their old times.
set(QUARRIK_VISUAL_DIR ${CMAKE_BINARY_DIR}/generated/pack)
set(QUARRIK_VISUAL_STAMP ${CMAKE_BINARY_DIR}/generated/visual.stamp)
# The contact sheet (every picture on one page, for people to look at) takes twice as long as
# the pictures themselves; a build that only tests them (CI) goes without it.
option(QUARRIK_CONTACT_SHEET "Draw generated/contact_sheet.png beside the game's pictures" ON)
set(QUARRIK_CONTACT_SHEET_ARGS "")
if(QUARRIK_CONTACT_SHEET)
    set(QUARRIK_CONTACT_SHEET_ARGS --contact-sheet ${CMAKE_BINARY_DIR}/generated/contact_sheet.png)
endif()
file(GLOB QUARRIK_VISUAL_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tools/gen/*.cpp ${CMAKE_SOURCE_DIR}/tools/gen/*.h)

# Naming the tool target in COMMAND orders the build (the tool is built first) without
# making every relink of the tool, e.g. after a change in the game library, redraw the data.
add_custom_command(
    OUTPUT ${QUARRIK_VISUAL_STAMP}
    COMMAND quarrik-gen ${QUARRIK_VISUAL_DIR} ${QUARRIK_CONTACT_SHEET_ARGS}
    COMMAND ${CMAKE_COMMAND} -E touch ${QUARRIK_VISUAL_STAMP}
    DEPENDS ${QUARRIK_VISUAL_SOURCES}
    COMMENT "Drawing the game's pictures, sprites, font and menus"
    VERBATIM)
add_custom_target(visual_assets ALL DEPENDS ${QUARRIK_VISUAL_STAMP})

list(APPEND QUARRIK_PACK_DIRS ${QUARRIK_VISUAL_DIR})
list(APPEND QUARRIK_PACK_DEPENDS ${QUARRIK_VISUAL_STAMP})

# The generator's encoders and sheet layout are unit-tested inside test_assets, which the test
# rules create later in the configuration.
set(QUARRIK_VISUAL_UNIT_SOURCES
    ${CMAKE_SOURCE_DIR}/tools/gen/canvas.cpp ${CMAKE_SOURCE_DIR}/tools/gen/image_io.cpp
    ${CMAKE_SOURCE_DIR}/tools/gen/sprite_sheet.cpp ${CMAKE_SOURCE_DIR}/tools/gen/text.cpp
    ${CMAKE_SOURCE_DIR}/tools/gen/font_sheet.cpp)
function(quarrik_visual_unit_tests)
    if(TARGET test_assets)
        target_sources(test_assets PRIVATE ${QUARRIK_VISUAL_UNIT_SOURCES})
        target_include_directories(test_assets PRIVATE ${CMAKE_SOURCE_DIR}/tools/gen)
    endif()
endfunction()
cmake_language(DEFER CALL quarrik_visual_unit_tests)
