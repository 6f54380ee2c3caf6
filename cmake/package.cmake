# SPDX-License-Identifier: GPL-3.0-or-later
# Installing, as Debian lays out a game: the program, its voice files and its translations in
# lib/games/tolva-bingo/, the command games/tolva-bingo pointing to it, a manual page, a desktop
# entry, AppStream metadata and icons for software centres. The Debian package (debian/) is made
# from these rules by dpkg-buildpackage, which adds the licence and the changelog.
set(TOLVA_PROGRAM_DIR lib/games/tolva-bingo)
set(TOLVA_ID org.example.TolvaBingo)
install(TARGETS tolva-bingo tolva-sound RUNTIME DESTINATION ${TOLVA_PROGRAM_DIR} LIBRARY DESTINATION ${TOLVA_PROGRAM_DIR})
# The voices: English in audio/, the other languages in audio/LANG/; the texts' translations.
install(DIRECTORY ${CMAKE_BINARY_DIR}/audio ${CMAKE_BINARY_DIR}/translations DESTINATION ${TOLVA_PROGRAM_DIR} OPTIONAL)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../lib/games/tolva-bingo/tolva-bingo ${CMAKE_BINARY_DIR}/packaging/tolva-bingo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tolva-bingo DESTINATION games)
install(FILES packaging/tolva-bingo.6 DESTINATION share/man/man6)
install(FILES packaging/${TOLVA_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${TOLVA_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 48 64 128)
  install(FILES packaging/icons/tolva-bingo-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME tolva-bingo.png)
endforeach()
install(FILES packaging/icons/tolva-bingo.svg DESTINATION share/icons/hicolor/scalable/apps)
