#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to the real program: a private PulseAudio server with a null sink records what
# the program plays in the second after Start; the recording must hold a voice.
# Usage: voice_e2e.sh PROBE SOUND_MODULE AUDIO_DIR. Exits 77 (skipped) where the tools are missing.
set -u
probe=$1 module=$2 audio=$3
for tool in pulseaudio pactl parec sox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -d "$audio" ] || { echo "SKIP: no voice files were made"; exit 77; }
work=$(mktemp -d)
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/run HOME=$work/home PULSE_SERVER=unix:$work/run/pulse/native
mkdir -p "$XDG_RUNTIME_DIR/pulse" "$HOME" "$work/game"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
  -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
  -L "module-null-sink sink_name=tolva rate=22050" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -qw tolva && break; sleep 0.1; done
pactl set-default-sink tolva || { cat "$work/server.log"; echo "FAIL: the sound server did not start"; exit 1; }
sleep 0.5  # a server that has only just started drops the first streams that reach it
cp "$probe" "$module" "$work/game/" && cp -r "$audio" "$work/game/audio"
# A busy machine may starve the sound server for a moment: a silent try is tried again.
for try in 1 2 3; do
  parec -d tolva.monitor --format=s16le --rate=22050 --channels=1 >"$work/voice.raw" &
  recorder=$!
  sleep 0.3
  QT_QPA_PLATFORM=offscreen "$work/game/voice_probe" >/dev/null 2>&1
  sleep 0.2
  kill $recorder; wait $recorder 2>/dev/null
  loud=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/voice.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
  echo "try $try: RMS $loud"
  awk -v r="$loud" 'BEGIN { exit !(r > 0.01) }' && { echo "1 passed, 0 failed"; exit 0; }
done
echo "FAIL: Start played no voice"
exit 1
