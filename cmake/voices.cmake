# SPDX-License-Identifier: GPL-3.0-or-later
# The caller's voice: one wave file per call, spoken by espeak-ng at build time into
# audio/ beside the executable, and for each of the game's other languages into audio/LANG/,
# the letter named as a caller of that language names it ("be siete", "bé sept"). Each file
# is a command of its own, so a parallel build speaks them side by side.
# Without espeak-ng the game builds and runs silent.
set(TOLVA_LETTERS B I N G O)
find_program(ESPEAK_NG espeak-ng)
find_program(SOX sox)
set(VOICE_DIR ${CMAKE_BINARY_DIR}/audio)
if(NOT ESPEAK_NG)
  message(WARNING "espeak-ng was not found: no voice files are made and the game will run silent. "
                  "Install it with: apt-get install espeak-ng")
  return()
endif()

# Per language: the folder, the espeak-ng voice and the five letters as they are spoken.
set(voices_en . en B I N G O)  # the English files stay in audio/ itself
set(voices_es es es be i ene ge o)
set(voices_pt_BR pt_BR pt-br bê i ene gê ó)
set(voices_fr fr fr bé i enne gé o)
set(voices_de de de B I N G O)
set(voices_it it it bi i enne gi o)

set(voice_files)
foreach(language en es pt_BR fr de it)
  list(POP_FRONT voices_${language} folder voice)
  set(dir ${VOICE_DIR})
  if(NOT folder STREQUAL ".")
    set(dir ${VOICE_DIR}/${folder})
  endif()
  foreach(n RANGE 1 75)
    math(EXPR column "(${n} - 1) / 15")
    list(GET TOLVA_LETTERS ${column} letter)
    list(GET voices_${language} ${column} spoken)
    string(TOLOWER ${letter} lower)
    set(file ${dir}/${lower}${n}.wav)
    set(speak ${ESPEAK_NG} -v ${voice} -s 135 -a 180 -w ${file} "${spoken} ${n}")
    if(SOX AND NOT language STREQUAL en)
      # espeak-ng opens a word that starts with a vowel with a glottal stop: the silence of it
      # goes, so that each voice begins as its tile turns red.
      set(speak ${ESPEAK_NG} -v ${voice} -s 135 -a 180 -w ${file}.spoken.wav "${spoken} ${n}"
          COMMAND ${SOX} ${file}.spoken.wav ${file} silence 1 0.002 0.1%
          COMMAND ${CMAKE_COMMAND} -E rm ${file}.spoken.wav)
    endif()
    add_custom_command(OUTPUT ${file}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${speak}
      VERBATIM)
    list(APPEND voice_files ${file})
  endforeach()
endforeach()
add_custom_target(voices ALL DEPENDS ${voice_files})
