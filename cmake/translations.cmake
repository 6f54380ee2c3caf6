# SPDX-License-Identifier: GPL-3.0-or-later
# The texts in the player's language: translations/tolva-bingo_LANG.ts, kept up to date with
# lupdate (see translations/README.md), made into .qm files in translations/ beside the program by
# lrelease (Debian's qt6-l10n-tools). Without lrelease the game builds and speaks English only.
set(TOLVA_LANGUAGES es pt_BR fr de it)
find_program(LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)
set(TRANSLATION_DIR ${CMAKE_BINARY_DIR}/translations)
if(NOT LRELEASE)
  message(WARNING "lrelease was not found: the game is built in English only. "
                  "Install it with: apt-get install qt6-l10n-tools")
  return()
endif()

set(translation_files)
foreach(language ${TOLVA_LANGUAGES})
  set(source ${PROJECT_SOURCE_DIR}/translations/tolva-bingo_${language}.ts)
  set(file ${TRANSLATION_DIR}/tolva-bingo_${language}.qm)
  add_custom_command(OUTPUT ${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TRANSLATION_DIR}
    COMMAND ${LRELEASE} -silent ${source} -qm ${file}
    DEPENDS ${source} VERBATIM)
  list(APPEND translation_files ${file})
endforeach()
add_custom_target(translations ALL DEPENDS ${translation_files})
