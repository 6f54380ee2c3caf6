#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the game against a bare Qt program with the same three windows, on a real X
# server (Xvfb, started here unless DISPLAY is set): the time from the launch until all three
# windows are painted on the display, and the peak memory by then. The two run by turns;
# prints the medians, their ratio, and the median of the run-by-run ratios.
#   bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 30)
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-30}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi
export QT_QPA_PLATFORM=xcb
once() { TOLVA_LAUNCH_NS=$(date +%s%N) "$1" 2>/dev/null || true; }
median() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
once "$build/bench_startup_probe" >/dev/null; once "$build/bench_bare_windows" >/dev/null  # warm the caches
pairs=$(for _ in $(seq "$runs"); do echo "$(once "$build/bench_startup_probe") $(once "$build/bench_bare_windows")"; done)
column() { awk -v c="$1" '{ print $c }' <<<"$pairs" | median; }
game_ms=$(column 1) game_kb=$(column 2) bare_ms=$(column 3) bare_kb=$(column 4)
paired=$(awk '{ print $1 / $3 }' <<<"$pairs" | median)
awk -v g="$game_ms" -v b="$bare_ms" -v gm="$game_kb" -v bm="$bare_kb" -v p="$paired" -v n="$runs" 'BEGIN {
  printf "%d runs each, until three windows are painted on the display\n", n
  printf "start-up: game %.1f ms, bare %.1f ms, ratio of medians %.2f, median ratio %.2f\n", g, b, g / b, p
  printf "peak memory: game %d kB, bare %d kB, ratio %.2f\n", gm, bm, gm / bm }'
