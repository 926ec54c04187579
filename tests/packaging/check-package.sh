#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what a shop's
# computer needs from it: the Qt runtime, its platform plugins and a Chinese
# font among the dependencies; the programs, the menu entry and the icon among
# the files; the set-up script that prepares the data folder.
#   check-package.sh BUILD_FOLDER
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/xssj_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libsqlite3-0 libicu72 qt6-qpa-plugins fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
prefix=$(grep '^CMAKE_INSTALL_PREFIX:' "$build/CMakeCache.txt" | cut -d= -f2)
for needed in ".$prefix/xssj" ".$prefix/xssj-newdb" ./usr/share/applications/xssj.desktop \
              ./usr/share/icons/hicolor/48x48/apps/xssj.png ./usr/share/icons/hicolor/256x256/apps/xssj.png; do
    grep -qx -- "$needed" <<<"$files" || fail "the package lacks $needed"
done

control=$(mktemp -d -p "$out")
dpkg-deb -e "$deb" "$control"
[ -x "$control/postinst" ] || fail "no postinst"
grep -q "xssj-newdb" "$control/postinst" || fail "postinst makes no database"

entry=$(mktemp -d -p "$out")
dpkg-deb -x "$deb" "$entry"
desktop="$entry/usr/share/applications/xssj.desktop"
grep -qx "Exec=$prefix/xssj" "$desktop" || fail "the menu entry does not start $prefix/xssj"
grep -qx "Icon=xssj" "$desktop" || fail "the menu entry has no icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "the menu entry is not valid"
fi
echo "package ok: $(basename "$deb")"
