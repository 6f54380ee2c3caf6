#!/usr/bin/env bash
# Listens to the real program: a private PulseAudio server with a null sink records what
# the program plays in the second after Start. With its voice files there, the recording
# holds a voice; with the audio folder gone, it holds silence and no message is shown.
# Usage: voice_e2e.sh PROBE SOUND_MODULE AUDIO_DIR. Exits 77 (skipped) where the tools are missing.
set -u
probe=$1
module=$2
audio=$3
for tool in pulseaudio pactl parec sox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -d "$audio" ] || { echo "SKIP: no voice files were made"; exit 77; }

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/run HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR/pulse" "$HOME"
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
  -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
  -L "module-null-sink sink_name=tolva rate=22050" >"$work/server.log" 2>&1 &
server_pid=$!
# The server is ready once its null sink is listed.
for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -qw tolva && break; sleep 0.1; done
pactl list short sinks 2>/dev/null | grep -qw tolva || { cat "$work/server.log"; echo "FAIL: the sound server did not start"; exit 1; }
pactl set-default-sink tolva
sleep 0.5  # a server that has only just started drops the first streams that reach it

# rms FILE: the loudness of a recording, 0 for silence.
rms() { sox -t raw -r 22050 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }

listen() {  # listen FOLDER_WITH_PROBE: records while the probe runs
  parec -d tolva.monitor --format=s16le --rate=22050 --channels=1 >"$work/recording.raw" &
  local recorder=$!
  sleep 0.3
  QT_QPA_PLATFORM=offscreen "$1/voice_probe" >"$work/probe.out" 2>"$work/probe.err"
  sleep 0.2
  kill $recorder; wait $recorder 2>/dev/null
}

failed=0
mkdir -p "$work/with" "$work/without"
cp "$probe" "$module" "$work/with/"
cp -r "$audio" "$work/with/audio"
# A busy machine may starve the sound server for a moment: a silent try is tried again.
for try in 1 2 3; do
  listen "$work/with"
  loud=$(rms "$work/recording.raw")
  echo "with voice files, try $try: RMS $loud"
  awk -v r="$loud" 'BEGIN { exit !(r > 0.01) }' && break
done
awk -v r="$loud" 'BEGIN { exit !(r > 0.01) }' || { echo "FAIL: Start played no voice"; failed=1; }

cp "$probe" "$module" "$work/without/"
listen "$work/without"
quiet=$(rms "$work/recording.raw")
echo "without the audio folder: RMS $quiet, $(cat "$work/probe.out")"
awk -v r="$quiet" 'BEGIN { exit !(r < 0.001) }' || { echo "FAIL: sound without voice files"; failed=1; }
grep -qx 'no message' "$work/probe.out" || { echo "FAIL: a message was shown"; failed=1; }
[ $failed -eq 0 ] && echo "1 passed, 0 failed"
exit $failed
