# SPDX-License-Identifier: GPL-3.0-or-later
# Installing and packaging, as Debian lays out a game: the program, its voice files and its
# translations in lib/games/tolva-bingo/, the command games/tolva-bingo pointing to it, a manual
# page, the licence and changelog, a desktop entry, AppStream metadata and icons for software centres.
# `cpack -G DEB` in a build folder makes the Debian package.
set(TOLVA_PROGRAM_DIR lib/games/tolva-bingo)
set(TOLVA_ID org.example.TolvaBingo)
set(TOLVA_DOC_DIR share/doc/tolva-bingo)
install(TARGETS tolva-bingo tolva-sound RUNTIME DESTINATION ${TOLVA_PROGRAM_DIR} LIBRARY DESTINATION ${TOLVA_PROGRAM_DIR})
# The voices: English in audio/, the other languages in audio/LANG/; the texts' translations.
install(DIRECTORY ${CMAKE_BINARY_DIR}/audio ${CMAKE_BINARY_DIR}/translations DESTINATION ${TOLVA_PROGRAM_DIR} OPTIONAL)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../lib/games/tolva-bingo/tolva-bingo ${CMAKE_BINARY_DIR}/packaging/tolva-bingo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tolva-bingo DESTINATION games)

# The manual page and the changelog go in gzipped, as Debian wants them.
foreach(name tolva-bingo.6 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${name} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${name} VERBATIM)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/tolva-bingo.6.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tolva-bingo.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright DESTINATION ${TOLVA_DOC_DIR})

install(FILES packaging/${TOLVA_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${TOLVA_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 48 64 128)
  install(FILES packaging/icons/tolva-bingo-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME tolva-bingo.png)
endforeach()
install(FILES packaging/icons/tolva-bingo.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME tolva-bingo)
set(CPACK_PACKAGE_VENDOR "Tolva Bingo")
set(CPACK_PACKAGE_CONTACT "Tolva Bingo developers <tolva-bingo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bingo for one player, with a caller who speaks every number")
# Debian wraps nothing itself: the long description, under the summary, comes in lines
# under 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The computer calls the numbers 1 to 75, one every seven seconds, and
speaks each call; you play four cards at once and claim your bingo.
A hall of fame keeps the winners' names.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_STRIP_FILES ON)
# The libraries the program links are found by dpkg-shlibdeps; the plugins Qt loads at run
# time (the window system, the sound output) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Not qt6-wayland: on a Wayland desktop the game runs through Xwayland, where it can place its
# windows; natively on Wayland only where there is no Xwayland, and then the player installs it.
# Qt's own translations give its standard buttons in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")
configure_file(${PROJECT_SOURCE_DIR}/cmake/cpack_options.cmake.in ${CMAKE_BINARY_DIR}/packaging/cpack_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack_options.cmake)
include(CPack)
