#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds: the program, its
# 75 voice files, the command, the desktop entry (which must validate) and the icon.
# Usage: package_check.sh BUILD_DIR. Exits 77 (skipped) where the tools are missing.
set -u
build=$1
for tool in cpack dpkg-deb desktop-file-validate dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package was made"; exit 1; }
dpkg-deb -c "$deb" | awk '{print $6 ($7 ? " " $7 " " $8 : "")}' >"$work/contents"

failed=0
expect() {  # expect PATTERN WHAT
  grep -qE "$1" "$work/contents" || { echo "FAIL: the package lacks $2"; failed=1; }
}
expect '^\./usr/lib/tolva-bingo/tolva-bingo$' "the program"
expect '^\./usr/lib/tolva-bingo/tolva-sound\.so$' "the sound module"
expect '^\./usr/bin/tolva-bingo -> \.\./lib/tolva-bingo/tolva-bingo$' "the command"
expect '^\./usr/share/applications/tolva-bingo\.desktop$' "the desktop entry"
expect '^\./usr/share/icons/hicolor/128x128/apps/tolva-bingo\.png$' "the icon"
voices=$(grep -cE '^\./usr/lib/tolva-bingo/audio/[bingo][0-9]+\.wav$' "$work/contents")
[ "$voices" -eq 75 ] || { echo "FAIL: $voices voice files instead of 75"; failed=1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: Qt is not among the dependencies"; failed=1; }

mkdir "$work/tree" && dpkg-deb -x "$deb" "$work/tree"
desktop-file-validate "$work/tree/usr/share/applications/tolva-bingo.desktop" || failed=1
[ $failed -eq 0 ] && echo "1 passed, 0 failed"
exit $failed
