# Installing and packaging: the program lives in lib/tolva-bingo/ with its audio/ folder
# beside it, bin/tolva-bingo points to it, and a desktop entry and an icon put it in the
# desktop's menu. `cpack -G DEB` in a build folder makes the Debian package.
set(TOLVA_PROGRAM_DIR lib/tolva-bingo)
install(TARGETS tolva-bingo tolva-sound RUNTIME DESTINATION ${TOLVA_PROGRAM_DIR} LIBRARY DESTINATION ${TOLVA_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/audio DESTINATION ${TOLVA_PROGRAM_DIR} OPTIONAL)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../${TOLVA_PROGRAM_DIR}/tolva-bingo ${CMAKE_BINARY_DIR}/packaging/tolva-bingo SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tolva-bingo DESTINATION bin)
install(FILES packaging/tolva-bingo.desktop DESTINATION share/applications)
install(FILES packaging/tolva-bingo.png DESTINATION share/icons/hicolor/128x128/apps)

set(CPACK_PACKAGE_NAME tolva-bingo)
set(CPACK_PACKAGE_VENDOR "Tolva Bingo")
set(CPACK_PACKAGE_CONTACT "Tolva Bingo developers <tolva-bingo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bingo for one player, with a caller who speaks every number")
set(CPACK_PACKAGE_DESCRIPTION "The computer calls the numbers 1 to 75, one every seven seconds, and \
speaks each call; you play four cards at once and claim your bingo. A hall of fame keeps the \
winners' names.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program links are found by dpkg-shlibdeps; the plugins Qt loads at run
# time (the window system, the sound output) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, pulseaudio | pipewire-pulse")
include(CPack)
