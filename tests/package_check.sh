#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder and checks it as Debian would: lintian with
# no error or warning, the desktop entry and the AppStream metadata valid, the manual page
# readable, and the game, its voices, its icons and its documents where they belong.
# Usage: package_check.sh BUILD_DIR. Exits 77 (skipped) where the tools are missing.
set -u
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was made"; exit 1; }
dpkg-deb -c "$deb" | awk '{print $6 ($7 ? " " $7 " " $8 : "")}' >"$work/contents"
failed=0
fail() { echo "FAIL: $*"; failed=1; }
for path in usr/lib/games/tolva-bingo/tolva-bingo usr/lib/games/tolva-bingo/tolva-sound.so \
    "usr/games/tolva-bingo -> ../lib/games/tolva-bingo/tolva-bingo" usr/share/man/man6/tolva-bingo.6.gz \
    usr/share/doc/tolva-bingo/copyright usr/share/doc/tolva-bingo/changelog.gz \
    usr/share/applications/org.example.TolvaBingo.desktop usr/share/metainfo/org.example.TolvaBingo.metainfo.xml \
    usr/share/icons/hicolor/{48x48,64x64,128x128}/apps/tolva-bingo.png usr/share/icons/hicolor/scalable/apps/tolva-bingo.svg; do
  grep -qxF "./$path" "$work/contents" || fail "the package lacks $path"
done
voices=$(grep -cE '^\./usr/lib/games/tolva-bingo/audio/[bingo][0-9]+\.wav$' "$work/contents")
[ "$voices" -eq 75 ] || fail "$voices voice files instead of 75"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Qt is not among the dependencies"
lintian --fail-on error,warning "$deb" || fail "lintian"
mkdir "$work/tree" && dpkg-deb -x "$deb" "$work/tree"
[ -z "$(desktop-file-validate "$work"/tree/usr/share/applications/*.desktop 2>&1)" ] || fail "desktop-file-validate"
appstreamcli validate --no-net "$work"/tree/usr/share/metainfo/*.xml >"$work/appstream.log" 2>&1 \
  && ! grep -qE '^[EW]:' "$work/appstream.log" || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
man -l "$work/tree/usr/share/man/man6/tolva-bingo.6.gz" 2>&1 | grep -q 'tolva-bingo - bingo for one player' || fail "the manual page"
[ $failed -eq 0 ] && echo "1 passed, 0 failed"
exit $failed
