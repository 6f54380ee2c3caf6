#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to the real program's voice, on a desktop whose sound system changes under the game.
# Each case starts a private PulseAudio server with null sinks (outputs) "a" and "b", runs the
# program through the probe, does to the server what a desktop does, and listens to the outputs'
# monitors:
#   start      nothing: the first call is heard (a busy machine may starve the server for a
#              moment: a silent try is tried again, twice);
#   unplug     the output in use disappears (a headset unplugged): the calls go on and are heard
#              on the output that is left;
#   switch     the default output changes (headphones plugged in): the next calls are heard
#              there, and no longer on the old one;
#   restart    the server dies and a new one starts 4 s later: the calls are heard again;
#   stall      the server stops answering for 5 s: the calls keep their rhythm, the window
#              thread never waits, and the voice is back once the server is;
#   closing    the server stops answering and the player closes the game: it ends at once;
#   none       no server at all: the calls go on in silence, and nothing is printed.
# Usage: sound_faults.sh PROBE SOUND_MODULE AUDIO_DIR [CASE...]. Exits 77 (skipped) where the
# tools are missing.
set -u
probe=$1 module=$2 audio=$3
shift 3
cases=${*:-start unplug switch restart stall closing none}
for tool in pulseaudio pactl parec sox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -d "$audio" ] || { echo "SKIP: no voice files were made"; exit 77; }
work=$(mktemp -d)
server= recorders=
trap 'kill -CONT $server 2>/dev/null; kill $recorders $server 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/run HOME=$work/home PULSE_SERVER=unix:$work/run/pulse/native QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR/pulse" "$HOME" "$work/game" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$probe" "$module" "$work/game/" && cp -r "$audio" "$work/game/audio"
[ ! -d "$audio/../translations" ] || cp -r "$audio/../translations" "$work/game/"  # for LANGUAGE=de and the like
interval=1500

start_server() {
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
    -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
    -L "module-null-sink sink_name=a rate=22050" -L "module-null-sink sink_name=b rate=22050" \
    >>"$work/server.log" 2>&1 &
  server=$!
  for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -qw b && break; sleep 0.1; done
  pactl set-default-sink a
  sleep 0.5  # a server that has only just started drops the first streams that reach it
}
stop_server() { [ -z "$server" ] || { kill -CONT "$server"; kill "$server"; wait "$server"; } 2>/dev/null; server=; }
# record SINK NAME: from now on, what the sink plays goes to NAME.raw.
record() { parec -d "$1.monitor" --format=s16le --rate=22050 --channels=1 >"$work/$2.raw" 2>/dev/null & recorders="$recorders $!"; }
stop_recording() { kill $recorders 2>/dev/null; wait $recorders 2>/dev/null; recorders=; }
# Runs the probe for CALLS calls in the background.
run_probe() {
  (cd "$work/game" && exec ./voice_probe "$1" "$interval") >"$work/probe.out" 2>"$work/probe.err" &
  probe_pid=$!
  # It closes its main window a second after its last call.
  probe_end=$(($(date +%s%N) / 1000000 + 300 + ($1 - 1) * interval + 1000))
}
wait_for_call() { for _ in $(seq 200); do grep -q "^call $1 " "$work/probe.out" && return; sleep 0.05; done; }
# Waits until SECONDS after the probe closed its main window for it to end by itself; a probe
# still running then is frozen.
finish_probe() {
  while kill -0 "$probe_pid" 2>/dev/null && [ $(($(date +%s%N) / 1000000)) -lt $((probe_end + $1 * 1000)) ]; do
    sleep 0.1
  done
  kill -0 "$probe_pid" 2>/dev/null && { kill -9 "$probe_pid"; fail "the game did not end within $1 s of its main window closing (frozen)"; }
  wait "$probe_pid" || fail "the game ended with status $?"
}
# The calls made, and the longest gap between two of them and in the window thread.
check_rhythm() {
  local calls gap stall
  calls=$(grep -c '^call ' "$work/probe.out")
  [ "$calls" -eq "$1" ] || fail "$calls calls made instead of $1"
  gap=$(awk '/^call / { if (NR > 1 && $3 - t > g) g = $3 - t; t = $3 } END { print g + 0 }' "$work/probe.out")
  stall=$(awk '/^stall / { print $2 }' "$work/probe.out")
  echo "  $calls calls, longest gap ${gap} ms, window thread away ${stall:-?} ms at most"
  [ "$gap" -le $((interval + 400)) ] || fail "the calls lost their rhythm: a gap of $gap ms"
  [ -n "$stall" ] && [ "$stall" -le 400 ] || fail "the window thread waited ${stall:-for ever} ms"
}
# heard RECORDING WHERE, or silent RECORDING WHERE: RMS above 0.01 is a voice, below 0.001 none.
heard() { loud "$1" '>' 0.01 || fail "no voice heard on $2"; }
silent() { loud "$1" '<' 0.001 || fail "a voice was still heard on $2"; }
loud() {
  local rms; rms=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/$1.raw" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
  echo "  $1: RMS ${rms:-none}"
  awk -v r="${rms:-0}" -v limit="$3" "BEGIN { exit !(r $2 limit) }"
}

failed=0 passed=0 case_failed=0
fail() { echo "  FAIL ($case): $*"; case_failed=1; }

for case in $cases; do
  echo "$case"
  case_failed=0
  [ "$case" = none ] || start_server
  case $case in
    start)
      for try in 1 2 3; do
        record a first-call; sleep 0.3
        run_probe 1; finish_probe 2; stop_recording
        loud first-call '>' 0.01 && break
      done
      [ "$try" -lt 3 ] || heard first-call "the default output"
      sed -n 's/^call 1 [0-9]* .*\/audio\//  the voice: /p' "$work/probe.out" ;;
    unplug)
      run_probe 8; wait_for_call 2
      pactl unload-module "$(pactl list short modules | awk '/sink_name=a / { print $1 }')"
      sleep 1.3; record b after-unplug
      finish_probe 2; stop_recording
      check_rhythm 8; heard after-unplug "the output that was left" ;;
    switch)
      run_probe 8; wait_for_call 2
      pactl set-default-sink b
      sleep 1.3; record a old-output; record b new-output
      finish_probe 2; stop_recording
      check_rhythm 8; heard new-output "the new default output"; silent old-output "the old output" ;;
    restart)
      run_probe 10; wait_for_call 2
      stop_server; sleep 4; start_server  # calls made while there is no server, too
      record a after-restart
      finish_probe 2; stop_recording
      check_rhythm 10; heard after-restart "the restarted server" ;;
    stall)
      run_probe 9; wait_for_call 2
      kill -STOP "$server"; sleep 5; kill -CONT "$server"
      sleep 1.3; record a after-stall
      finish_probe 2; stop_recording
      check_rhythm 9; heard after-stall "the server once it answered again" ;;
    closing)
      run_probe 4; wait_for_call 2
      kill -STOP "$server"
      finish_probe 2 ;;
    none)
      PULSE_SERVER=unix:$work/nothing-here run_probe 3
      finish_probe 2
      check_rhythm 3
      [ ! -s "$work/probe.err" ] || { cat "$work/probe.err"; fail "the game printed on its console"; } ;;
  esac
  stop_server
  [ $case_failed -eq 0 ] && passed=$((passed + 1)) || failed=$((failed + 1))
done
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
