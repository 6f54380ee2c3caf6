#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to the real program's voice, on a desktop whose sound system changes under the game.
# Each case starts a private sound server, PulseAudio or PipeWire (with its PulseAudio service and
# WirePlumber, on a private D-Bus session), with null sinks (outputs) "a" and "b", runs the program
# through the probe, which presses Start only once the server lists the game (it connects when it
# opens, ahead of the first call), does to the server what a desktop does, and listens to the
# outputs' monitors (PulseAudio's without rewinds, which would garble them). What is heard must
# be whole calls, each voice file once, in order:
#   start      nothing: the first call is heard (a busy machine may starve the server for a
#              moment: a silent try is tried again, twice);
#   unplug     the output in use disappears (a headset unplugged): the calls go on and are heard
#              on the output that is left;
#   switch     the default output changes (headphones plugged in): the next calls are heard
#              there, and no longer on the old one;
#   restart    the server dies and a new one starts 4 s later: the calls are heard again;
#   stall      the server stops answering through two calls and a while more: the calls keep
#              their rhythm, the window thread never waits, the calls made meanwhile are too old
#              to be spoken when it answers again, the voice is back with the next call, and no
#              stream outlives its call;
#   closing    the server stops answering and the player closes the game: it ends at once;
#   none       no server at all: the calls go on in silence, and nothing is printed.
# Usage: sound_faults.sh PROBE SOUND_MODULE AUDIO_DIR pulseaudio|pipewire [CASE...]. Exits 77
# (skipped) where the tools are missing.
set -u
probe=$1 module=$2 audio=$3 kind=$4
shift 4
cases=${*:-start unplug switch restart stall closing none}
here=$(dirname "$(realpath "$0")")
tools="pactl parec sox python3 pulseaudio"
[ "$kind" = pulseaudio ] || tools="pactl parec sox python3 pipewire pipewire-pulse wireplumber dbus-daemon"
for tool in $tools; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -d "$audio" ] || { echo "SKIP: no voice files were made"; exit 77; }
work=$(mktemp -d)
server= servers= recorders= bus=
trap 'kill -CONT $servers 2>/dev/null; kill $recorders $servers $bus 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/run HOME=$work/home PULSE_SERVER=unix:$work/run/pulse/native QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
mkdir -p "$XDG_RUNTIME_DIR/pulse" "$HOME" "$work/game" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$probe" "$module" "$work/game/" && cp -r "$audio" "$work/game/audio"
[ ! -d "$audio/../translations" ] || cp -r "$audio/../translations" "$work/game/"  # for LANGUAGE=de and the like
mkfifo "$work/go"
interval=2000  # the longest voice file and the time to start it fit between two calls
if [ "$kind" = pipewire ]; then
  read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd ' ')
  export DBUS_SESSION_BUS_ADDRESS
fi

# $server is the process that speaks the PulseAudio protocol: the one a stall stops.
start_server() {
  if [ "$kind" = pulseaudio ]; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
      -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
      -L "module-null-sink sink_name=a rate=22050 norewinds=1" -L "module-null-sink sink_name=b rate=22050 norewinds=1" \
      >>"$work/server.log" 2>&1 &
    server=$! servers=$!
  else
    # Each server starts afresh, as the PulseAudio one does: WirePlumber would otherwise bring back
    # the default output an earlier case chose, and could do so after this one chose its own.
    rm -rf "$XDG_STATE_HOME/wireplumber"
    pipewire >>"$work/server.log" 2>&1 & servers=$!
    # The session manager gives up when PipeWire is not there yet.
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.05; done
    wireplumber >>"$work/server.log" 2>&1 & servers="$servers $!"
    pipewire-pulse >>"$work/server.log" 2>&1 & server=$! servers="$servers $!"
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    for sink in a b; do pactl load-module module-null-sink sink_name=$sink rate=22050 >/dev/null; done
  fi
  # The session manager takes the default output once it is up.
  for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -qw b && pactl set-default-sink a 2>/dev/null && break; sleep 0.1; done
  sleep 0.5  # a server that has only just started drops the first streams that reach it
}
stop_server() { [ -z "$servers" ] || { kill -CONT $servers; kill $servers; wait $servers; } 2>/dev/null; server= servers=; }
# record SINK NAME: from now on, what the sink plays goes to NAME.raw.
record() { parec -d "$1.monitor" --format=s16le --rate=22050 --channels=1 --latency-msec=20 >"$work/$2.raw" 2>/dev/null & recorders="$recorders $!"; }
stop_recording() { kill $recorders 2>/dev/null; wait $recorders 2>/dev/null; recorders=; }
# Runs the probe for CALLS calls in the background; it presses Start once the server lists it.
run_probe() {
  (cd "$work/game" && exec ./voice_probe "$1" "$interval" <"$work/go") >"$work/probe.out" 2>"$work/probe.err" &
  probe_pid=$!
  exec 3>"$work/go"
  if [ "$case" != none ]; then
    for _ in $(seq 100); do pactl list clients 2>/dev/null | grep -q "process.id = \"$probe_pid\"" && break; sleep 0.1; done
    pactl list clients | grep -q "process.id = \"$probe_pid\"" || fail "the game was not connected to the server before Start"
  fi
  echo >&3 && exec 3>&-
  # It closes its main window an interval after its last call.
  probe_end=$(($(date +%s%N) / 1000000 + $1 * interval))
}
wait_for_call() { for _ in $(seq 300); do grep -q "^call $1 " "$work/probe.out" && return; sleep 0.05; done; }
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
# whole RECORDING FIRST LEAST WHERE: whole calls only, from call FIRST on, LEAST at least.
whole() { echo "  $1:"; python3 "$here/voice_heard.py" "$work/$1.raw" "$work/probe.out" "$2" "$3" || fail "not the whole calls on $4"; }
# loud RECORDING OP LIMIT: whether its RMS is above (>) or below (<) the limit.
loud() {
  local rms; rms=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/$1.raw" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
  echo "  $1: RMS ${rms:-none}"
  awk -v r="${rms:-0}" -v limit="$3" "BEGIN { exit !(r $2 limit) }"
}
# The streams the game has on the server.
streams() { pactl list sink-inputs | awk -v pid="\"$probe_pid\"" '/^Sink Input/ { n = $3 } $1 == "application.process.id" && $3 == pid { print n }'; }

failed=0 passed=0 case_failed=0
fail() { echo "  FAIL ($case): $*"; case_failed=1; }

for case in $cases; do
  echo "$case ($kind)"
  case_failed=0
  [ "$case" = none ] || start_server
  case $case in
    start)
      for try in 1 2 3; do
        record a first-call; sleep 0.3
        run_probe 1; finish_probe 2; stop_recording
        loud first-call '>' 0.01 && break
      done
      whole first-call 1 1 "the default output"
      sed -n 's/^call 1 [0-9]* .*\/audio\//  the voice: /p' "$work/probe.out" ;;
    unplug)
      run_probe 6; wait_for_call 2
      pactl unload-module "$(pactl list short modules | awk '/sink_name=a / { print $1 }')"
      sleep 1.3; record b after-unplug
      finish_probe 2; stop_recording
      check_rhythm 6; whole after-unplug 3 3 "the output that was left" ;;
    switch)
      run_probe 6; wait_for_call 2
      pactl set-default-sink b
      sleep 1.3; record a old-output; record b new-output
      finish_probe 2; stop_recording
      check_rhythm 6; whole new-output 3 3 "the new default output"; loud old-output '<' 0.001 || fail "a voice was still heard on the old output" ;;
    restart)
      run_probe 7; wait_for_call 2
      stop_server; sleep 4; start_server  # calls made while there is no server, too
      record a after-restart
      finish_probe 2; stop_recording
      check_rhythm 7; whole after-restart 4 2 "the restarted server" ;;
    stall)
      # The calls from the third on go to b. On PulseAudio b is listened to from before the stall,
      # so that a call spoken late would follow the silence recorded then; PipeWire's service
      # loses what it records while it is stopped, so there b is listened to from a while after.
      run_probe 8; wait_for_call 2
      pactl set-default-sink b
      if [ "$kind" = pulseaudio ]; then
        record b after-stall
        for _ in $(seq 100); do [ "$(stat -c %s "$work/after-stall.raw")" -gt 20000 ] && break; sleep 0.05; done
      fi
      kill -STOP "$server"; wait_for_call 4; sleep 1.7; kill -CONT "$server"
      [ "$kind" = pulseaudio ] || { sleep 1.3; record b after-stall; }
      wait_for_call 5; early=" $(echo $(streams)) "; wait_for_call 7
      for stream in $(streams); do [[ "$early" != *" $stream "* ]] || fail "stream $stream outlived its call"; done
      finish_probe 2; stop_recording
      check_rhythm 8; whole after-stall 5 3 "the server once it answered again" ;;
    closing)
      run_probe 3; wait_for_call 2
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
