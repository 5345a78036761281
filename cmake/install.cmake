# What a distribution installs: the executable, the game data under share/quarrik (found from
# the executable's own place, so the tree can be moved), and the desktop's files: the menu
# entry, icons drawn by quarrik-gen from the game's icon art, the AppStream metadata and the
# manual page, the last two carrying the project version.
include(GNUInstallDirs)

# The date of the release named by the project version.
set(QUARRIK_RELEASE_DATE 2026-12-08)
set(QUARRIK_APP_ID org.quarrik.Quarrik)

set(QUARRIK_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
configure_file(${CMAKE_SOURCE_DIR}/dist/${QUARRIK_APP_ID}.metainfo.xml.in
               ${QUARRIK_DIST_DIR}/${QUARRIK_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/quarrik.6.in ${QUARRIK_DIST_DIR}/quarrik.6 @ONLY)

set(QUARRIK_ICON_DIR ${CMAKE_BINARY_DIR}/generated/icons)
set(QUARRIK_ICON_SIZES 16 32 48 64 128 256)
set(QUARRIK_ICON_FILES "")
foreach(size ${QUARRIK_ICON_SIZES})
    list(APPEND QUARRIK_ICON_FILES ${QUARRIK_ICON_DIR}/hicolor/${size}x${size}/apps/quarrik.png)
endforeach()
add_custom_command(
    OUTPUT ${QUARRIK_ICON_FILES}
    COMMAND quarrik-gen --icons ${QUARRIK_ICON_DIR}
    DEPENDS ${QUARRIK_VISUAL_SOURCES}
    COMMENT "Drawing the desktop icons"
    VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${QUARRIK_ICON_FILES})

install(TARGETS quarrik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(QUARRIK_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/quarrik)
install(FILES ${QUARRIK_PACK_ARCHIVE} ${QUARRIK_SFX_FILES} DESTINATION ${QUARRIK_INSTALL_DATA})
install(FILES ${QUARRIK_MUSIC_FILES} DESTINATION ${QUARRIK_INSTALL_DATA}/music)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${QUARRIK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUARRIK_DIST_DIR}/${QUARRIK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUARRIK_DIST_DIR}/quarrik.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(DIRECTORY ${QUARRIK_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

if(QUARRIK_TESTS)
    # Debian's own checkers of the desktop entry, the metadata and the manual page.
    add_test(NAME DesktopFiles.DesktopEntryValidates
             COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/dist/${QUARRIK_APP_ID}.desktop)
    add_test(NAME DesktopFiles.MetainfoValidates
             COMMAND appstreamcli validate --no-net
                     ${QUARRIK_DIST_DIR}/${QUARRIK_APP_ID}.metainfo.xml)
    # groff prints a warning for every fault in the page; none is allowed.
    add_test(NAME DesktopFiles.ManPageHasNoWarnings
             COMMAND groff -man -ww -z ${QUARRIK_DIST_DIR}/quarrik.6)
    set_tests_properties(DesktopFiles.ManPageHasNoWarnings PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    # The installed-game test installs this build tree: everything it installs is built first.
    if(TARGET test_display)
        add_dependencies(test_display desktop_icons)
        target_compile_definitions(test_display PRIVATE QUARRIK_BUILD_DIR="${CMAKE_BINARY_DIR}"
                                                        QUARRIK_CMAKE="${CMAKE_COMMAND}")
    endif()
    set_tests_properties(DesktopFiles.DesktopEntryValidates DesktopFiles.MetainfoValidates
                         DesktopFiles.ManPageHasNoWarnings PROPERTIES LABELS desktop)
endif()
