#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a copy of the source, as dpkg-buildpackage makes it from debian/,
# and checks it as Debian would: lintian with no error or warning, the desktop entry and the
# AppStream metadata valid, the manual page readable, and the game, its voices, its icons and its
# documents where they belong. The packaged game, started as a desktop starts it, has windows of
# the class its menu entry names, and without any display it says so in one line and ends with
# status 1. The tests are not run again in the package build (this suite has just run them).
# Usage: package_check.sh SOURCE_DIR. Exits 77 (skipped) where the tools or the package's build
# dependencies are missing.
set -u
src=$1
for tool in dpkg-buildpackage dpkg-deb desktop-file-validate appstreamcli lintian man xvfb-run xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
(cd "$src" && dpkg-checkbuilddeps) || { echo "SKIP: the build dependencies are missing (apt-get build-dep ./)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tolva-bingo"
tar -C "$src" --exclude='./build*' --exclude=./.git --exclude='./obj-*' --exclude=./debian/.debhelper \
  --exclude=./debian/tolva-bingo --exclude=./debian/files -cf - . | tar -C "$work/tolva-bingo" -xf -
(cd "$work/tolva-bingo" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b) \
  >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; echo "FAIL: dpkg-buildpackage"; exit 1; }
deb=$(ls "$work"/tolva-bingo_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was made"; exit 1; }
dpkg-deb -c "$deb" | awk '{print $6 ($7 ? " " $7 " " $8 : "")}' >"$work/contents"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
for path in usr/lib/games/tolva-bingo/tolva-bingo usr/lib/games/tolva-bingo/tolva-sound.so \
    "usr/games/tolva-bingo -> ../lib/games/tolva-bingo/tolva-bingo" usr/share/man/man6/tolva-bingo.6.gz \
    usr/share/doc/tolva-bingo/copyright usr/share/doc/tolva-bingo/changelog.Debian.gz \
    usr/share/applications/org.example.TolvaBingo.desktop usr/share/metainfo/org.example.TolvaBingo.metainfo.xml \
    usr/share/icons/hicolor/{48x48,64x64,128x128}/apps/tolva-bingo.png usr/share/icons/hicolor/scalable/apps/tolva-bingo.svg; do
  grep -qxF "./$path" "$work/contents" || fail "the package lacks $path"
done
voices=$(grep -cE '^\./usr/lib/games/tolva-bingo/audio/[bingo][0-9]+\.wav$' "$work/contents")
[ "$voices" -eq 75 ] || fail "$voices voice files instead of 75"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Qt is not among the dependencies"
dpkg-deb -f "$deb" Depends | grep -q 'libpulse0' || fail "the sound library is not among the dependencies"
! dpkg-deb -f "$deb" Recommends | grep -q 'wayland' || fail "the package recommends running natively on Wayland"
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-translations-l10n' || fail "Qt's own translations are not recommended"
lintian --fail-on error,warning "$work"/*.changes || fail "lintian"
mkdir "$work/tree" && dpkg-deb -x "$deb" "$work/tree"
for lang in es pt_BR fr de it; do
  grep -qxF "./usr/lib/games/tolva-bingo/translations/tolva-bingo_$lang.qm" "$work/contents" || fail "no $lang translation"
  [ "$(grep -cE "^\./usr/lib/games/tolva-bingo/audio/$lang/[bingo][0-9]+\.wav$" "$work/contents")" -eq 75 ] || fail "no whole $lang voice"
  [ "$(grep -cE "^(Name|GenericName|Comment|Keywords)\[$lang\]=" "$work"/tree/usr/share/applications/*.desktop)" -eq 4 ] || fail "the menu entry lacks $lang"
  [ "$(grep -cE "<(name|summary|p) xml:lang=\"$lang\">" "$work"/tree/usr/share/metainfo/*.xml)" -ge 4 ] || fail "AppStream lacks $lang"
done
[ -z "$(desktop-file-validate "$work"/tree/usr/share/applications/*.desktop 2>&1)" ] || fail "desktop-file-validate"
appstreamcli validate --no-net "$work"/tree/usr/share/metainfo/*.xml >"$work/appstream.log" 2>&1 \
  && ! grep -qE '^[EW]:' "$work/appstream.log" || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
MANWIDTH=200 man -l "$work/tree/usr/share/man/man6/tolva-bingo.6.gz" 2>&1 | tr -s " " | grep -q 'tolva-bingo - bingo for one player' || fail "the manual page"

# One identity: the desktop file, the AppStream id, the icon and the windows' class.
desktop_file=$(ls "$work"/tree/usr/share/applications/*.desktop)
id=$(basename "$desktop_file" .desktop)
grep -q "<id>$id</id>" "$work"/tree/usr/share/metainfo/*.xml || fail "the AppStream id is not $id"
icon=$(sed -n 's/^Icon=//p' "$desktop_file")
[ -f "$work/tree/usr/share/icons/hicolor/64x64/apps/$icon.png" ] || fail "no icon named $icon"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
program=$work/tree/usr/lib/games/tolva-bingo/tolva-bingo
# In English, whatever the caller's language, as the windows are found by their English titles.
classes=$(cd "$work" && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 LANGUAGE= xvfb-run -a sh -c '
  "$1" >game.log 2>&1 & game=$!
  for _ in $(seq 300); do
    ids=$(xwininfo -root -tree | awk "/\"Tolva BINGO Cards Table\"|\"Info\"/ { print \$1 }")
    [ -n "$ids" ] && break; sleep 0.1
  done
  for window in $ids; do xprop -id "$window" WM_CLASS; done
  kill $game' sh "$program")
[ -n "$classes" ] && ! echo "$classes" | grep -vqF "\"$wm_class\", \"Tolva Bingo\"" \
  || { cat "$work/game.log"; fail "the windows' class is not the desktop entry's $wm_class"; }
# No display at all: one line, status 1.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "no display" "$work/err" \
  || { cat "$work/err"; fail "without a display the game ended with status $status"; }

[ $failed -eq 0 ] && echo "1 passed, 0 failed"
exit $failed
