# SPDX-License-Identifier: GPL-3.0-or-later
# The caller's voice: one wave file per call, spoken by espeak-ng at build time into
# audio/ beside the executable. Without espeak-ng the game builds and runs silent.
set(TOLVA_LETTERS B I N G O)
find_program(ESPEAK_NG espeak-ng)
set(VOICE_DIR ${CMAKE_BINARY_DIR}/audio)
if(NOT ESPEAK_NG)
  message(WARNING "espeak-ng was not found: no voice files are made and the game will run silent. "
                  "Install it with: apt-get install espeak-ng")
  return()
endif()

set(voice_files)
foreach(n RANGE 1 75)
  math(EXPR column "(${n} - 1) / 15")
  list(GET TOLVA_LETTERS ${column} letter)
  string(TOLOWER ${letter} lower)
  set(file ${VOICE_DIR}/${lower}${n}.wav)
  add_custom_command(OUTPUT ${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VOICE_DIR}
    COMMAND ${ESPEAK_NG} -v en -s 135 -a 180 -w ${file} "${letter} ${n}"
    VERBATIM)
  list(APPEND voice_files ${file})
endforeach()
add_custom_target(voices ALL DEPENDS ${voice_files})
