#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole game played by ear: the Orca screen reader and the game in a private desktop (Xvfb,
# openbox, D-Bus with the accessibility bus, speech-dispatcher speaking into a private
# PulseAudio server), keys pressed as a finger does, and everything Orca says logged. Prints the
# transcript: "== KEY" lines for the keys, then what Orca said.
#   dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" tools/play_by_ear.sh BUILD_DIR ORCA_LOGGER
# ORCA_LOGGER: an Orca customizations file that appends each utterance to $A11Y_SPEECH_LOG.
# With LANGUAGE=es (or pt_BR, fr, de, it) set, the game and Orca both speak that language.
# Needs orca, speech-dispatcher(-espeak-ng), at-spi2-core, openbox, xdotool and pulseaudio.
# Orca sometimes fails to come up in such a session: run it again.
set -u
game=$(realpath "$1")/tolva-bingo logger=$(realpath "$2")
work=$(mktemp -d)
cd "$work"
prefs=$work/prefs; mkdir "$prefs"; cp "$logger" "$prefs/orca-customizations.py"
export A11Y_SPEECH_LOG=$work/speech.log
export XDG_RUNTIME_DIR=$work/run HOME=$work/home
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
touch speech.log
trap 'kill $(jobs -p) 2>/dev/null; cut -f2- "$work/speech.log" | grep -v KEYECHO; rm -rf "$work"' EXIT
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
mkdir -p "$XDG_RUNTIME_DIR/pulse"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
  -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
  -L "module-null-sink sink_name=tolva rate=22050" >$work/pa.log 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
speech-dispatcher --spawn -t 10 >$work/sd.out 2>&1
sleep 2
orca -u "$prefs" >$work/orca.out 2>&1 &
# Orca's first words, then the game's, in whatever language the session speaks.
for _ in $(seq 60); do grep -q SPEAK speech.log 2>/dev/null && break; sleep 0.5; done
grep -q SPEAK speech.log || { echo "Orca did not come up: run this again" >&2; exit 1; }
said=$(wc -l <speech.log)
"$game" >$work/game.out 2>&1 &
for _ in $(seq 60); do [ "$(wc -l <speech.log)" -gt "$said" ] && break; sleep 0.5; done
sleep 2
key() {
  local before; before=$(wc -l <speech.log)
  echo "== $*" >> speech.log
  for k in "$@"; do xdotool keydown $k; done; sleep 0.1; for k in $(echo "$@" | tr ' ' '\n' | tac); do xdotool keyup $k; done
  for _ in $(seq 20); do [ "$(wc -l <speech.log)" -gt $((before + 1)) ] && break; sleep 0.5; done
  sleep 1
}
key space                       # Start
sleep 12                        # two more calls
key F6                          # to the cards table
# every cell of card 1: Space chips it if its number has been called
for column in 1 2 3 4 5; do for row in 1 2 3 4 5; do key space; key Down; done; key Right; done
key F6                          # the Info window
key shift F10                   # its menu
key Return                      # Enter Your Name in the Hall of Fame...
echo "== types Ann" >> speech.log; xdotool type --delay 200 "Ann"; sleep 2
key Return                      # Enter Me
key alt                         # the menu bar
key Down                        # the Game menu opens
key Up                          # Exit, the last item
key Return
sleep 3
key Return                      # Yes
sleep 2
echo "== end" >> speech.log
