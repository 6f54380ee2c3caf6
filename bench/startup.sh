#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and peak memory of the game against a bare Qt program showing three empty
# windows, both run the same way, each many times; prints medians and the ratios.
#   bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 30)
# Runs headless unless QT_QPA_PLATFORM says otherwise (under xvfb-run, set it to xcb).
set -euo pipefail
build=${1:-build}
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
measure() {  # measure PROGRAM: prints "milliseconds kilobytes", medians over the runs
  local times=() peaks=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    peaks+=("$(/usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1)")
    end=$(date +%s%N)
    times+=("$(( (end - start) / 1000 ))")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}
"$build/bench_startup_probe" >/dev/null 2>&1; "$build/bench_bare_windows" >/dev/null 2>&1  # warm the caches
read -r game_us game_kb < <(measure "$build/bench_startup_probe")
read -r bare_us bare_kb < <(measure "$build/bench_bare_windows")
awk -v g="$game_us" -v b="$bare_us" -v gm="$game_kb" -v bm="$bare_kb" 'BEGIN {
  printf "start-up: game %.1f ms, bare %.1f ms, ratio %.2f\n", g / 1000, b / 1000, g / b
  printf "peak memory: game %d kB, bare %d kB, ratio %.2f\n", gm, bm, gm / bm }'
