#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the README's screenshots from the real program under Xvfb: the three game
# windows in play, the hall of fame and the name entry. Needs xvfb, xdotool, imagemagick
# and a release build in build/ (./setup play builds one).
#   tools/screenshots.sh [OUTPUT_FOLDER]     (default: docs/)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath "${1:-docs}")
mkdir -p "$out"
[ -x build/tolva-bingo ] || { echo "build/tolva-bingo is missing: run ./setup play first" >&2; exit 1; }
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: apt-get install xvfb xdotool imagemagick" >&2; exit 1; }
done

# The README's pictures show the game in English, whatever the desktop's language.
export LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '"Ann",31,1\r\n"Sam, the caller'"'"'s friend",44,1\r\n"Jo",52,1\r\n' > "$work/bingolst.dat"

xvfb-run -a -s "-screen 0 1000x520x24" bash -s "$out" "$work" "$PWD/build/tolva-bingo" <<'INNER'
set -eu
out=$1 work=$2 program=$3
cd "$work"
"$program" 2>/dev/null &
sleep 2
window() { xdotool search --sync --name "^$1" | head -n 1; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
main=$(window "Tolva Bingo v")
eval "$(xdotool getwindowgeometry --shell "$main")"
# Start, then a few calls (a call comes every seven seconds).
click $((X + 330)) $((Y + HEIGHT - 153 + 12))
sleep 15
import -window root -crop 560x400+70+90 "$out/game.png"
# The hall of fame, from the Game menu.
click $((X + 20)) $((Y + 8))
sleep 0.5
xdotool key Down Down Down Return
sleep 1
fame=$(window "Hall Of Fame")
import -window "$fame" "$out/hall-of-fame.png"
eval "$(xdotool getwindowgeometry --shell "$fame")"
click $((X + 100)) $((Y + 196))  # Return to Tolva Bingo
sleep 1
# The name entry, from the info window's own menu.
info=$(window "Info")
eval "$(xdotool getwindowgeometry --shell "$info")"
xdotool mousemove $((X + 40)) $((Y + 90)) click 3
sleep 0.5
click $((X + 100)) $((Y + 100))
sleep 1
sleep 0.5
# The name entry has no caption to find it by; it stands where it was placed.
import -window root -crop 442x191+138+181 "$out/name-entry.png"
kill %1
INNER
echo "screenshots written to $out"
