#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long after a tile turns red on the display its voice begins: the real game on a real
# X server (Xvfb), its sound through a private PulseAudio or PipeWire server (with
# pipewire-pulse and WirePlumber on a private D-Bus session) into a null sink whose monitor is
# read as it plays, both timed on one clock. Measures the first call of LAUNCHES fresh launches
# (Start pressed 1.5 s after start-up), then CALLS calls of one game in real time (one every
# 7 s), and prints each distribution in milliseconds.
#   bench/voice_timing.sh [BUILD_DIR] [LAUNCHES] [CALLS] [pulseaudio|pipewire]
#   (defaults: build, 10, 20, pulseaudio)
# Needs xvfb, pulseaudio-utils (pactl, parec), python3, and pulseaudio or pipewire-pulse.
set -euo pipefail
build=$(realpath "${1:-build}")
launches=${2:-10}
calls=${3:-20}
kind=${4:-pulseaudio}
here=$(dirname "$(realpath "$0")")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$launches" "$calls" "$kind"
fi
work=$(mktemp -d)
trap 'kill $recorder $servers $bus 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
recorder= bus=
export XDG_RUNTIME_DIR=$work/run HOME=$work/home PULSE_SERVER=unix:$work/run/pulse/native QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
mkdir -p "$XDG_RUNTIME_DIR/pulse" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
if [ "$kind" = pulseaudio ]; then
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
    -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native auth-anonymous=1" \
    -L "module-null-sink sink_name=tolva rate=22050" >"$work/server.log" 2>&1 &
  servers=$!
else
  read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd ' ')
  export DBUS_SESSION_BUS_ADDRESS
  pipewire >"$work/server.log" 2>&1 & servers=$!
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.05; done
  wireplumber >>"$work/server.log" 2>&1 & servers="$servers $!"
  pipewire-pulse >>"$work/server.log" 2>&1 & servers="$servers $!"
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl load-module module-null-sink sink_name=tolva rate=22050 >/dev/null
fi
for _ in $(seq 100); do pactl list short sinks 2>/dev/null | grep -qw tolva && pactl set-default-sink tolva 2>/dev/null && break; sleep 0.1; done
parec -d tolva.monitor --format=s16le --rate=22050 --channels=1 --latency-msec=2 \
  | python3 "$here/voice_onsets.py" >"$work/voices" &
recorder=$!
sleep 1
cd "$work"
run() { "$build/bench_voice_timing_probe" "$1" 2>/dev/null >>"$work/$2"; sleep 1; }
for _ in $(seq "$launches"); do run 1 first; done
run "$calls" later
sleep 1
# Each red tile against the first voice that begins after it (or at most 50 ms before).
delays() {
  cat "$work/$1" "$work/voices" | awk '{ print $NF, $1 }' | sort -n | awk '
    $2 == "red" { red[++reds] = $1 }
    $2 == "voice" { voice[++voices] = $1 }
    END { for (r = 1; r <= reds; ++r) for (v = 1; v <= voices; ++v)
            if (!used[v] && voice[v] > red[r] - 50000000) { printf "%.1f\n", (voice[v] - red[r]) / 1e6; used[v] = 1; break } }' | sort -g
}
report() {
  awk -v what="$1" '{ a[NR] = $1 } END {
    if (!NR) { print what ": no voice heard"; exit }
    printf "%s (%d): min %.0f, median %.0f, 90%% %.0f, max %.0f ms;", what, NR, a[1], a[int((NR + 1) / 2)], a[int(NR * 0.9 + 0.5)], a[NR]
    for (i = 1; i <= NR; ++i) printf " %.0f", a[i]; print "" }'
}
delays first | report "first call after start-up"
delays later | report "later calls"
