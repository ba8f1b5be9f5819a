#!/bin/sh
# Builds the Debian package of a configured and built tree with cpack, unpacks it into a
# scratch root and checks that everything is in its place and that the programs start.
# Usage: deb_package_test.sh BUILD_DIR
set -eu
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$scratch/pkg" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
deb="$(ls "$scratch"/pkg/kalimor_*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "no kalimor_*.deb in $(ls "$scratch/pkg")"

info="$(dpkg-deb --info "$deb")"
echo "$info" | grep -q '^ Package: kalimor$' || fail "package name"
echo "$info" | grep -q '^ Depends:.*libqt6widgets6' || fail "Depends lacks the Qt widgets library: $info"
echo "$info" | grep -q '^ Depends:.*qt6-qpa-plugins' || fail "Depends lacks the Qt platform plugins: $info"
echo "$info" | grep -q '^ Section: science$' || fail "section"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/kalimor usr/bin/kalimor-cli \
         usr/share/applications/kalimor.desktop \
         usr/share/icons/hicolor/scalable/apps/kalimor.svg \
         usr/share/mime/packages/kalimor.xml \
         usr/share/kalimor/manual/index.html; do
  [ -s "$root/$f" ] || fail "missing $f"
done
[ -x "$root/usr/bin/kalimor" ] && [ -x "$root/usr/bin/kalimor-cli" ] || fail "programs not executable"

# The desktop entry opens .srv files: its MIME type is the one the MIME package declares.
grep -q '^Exec=kalimor %f$' "$root/usr/share/applications/kalimor.desktop" || fail "Exec line"
grep -q '^MimeType=application/x-kalimor-project;$' "$root/usr/share/applications/kalimor.desktop" \
  || fail "MimeType line"
grep -q 'type="application/x-kalimor-project"' "$root/usr/share/mime/packages/kalimor.xml" || fail "MIME type"
grep -q '<glob pattern="\*.srv"/>' "$root/usr/share/mime/packages/kalimor.xml" || fail "MIME glob"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$root/usr/share/applications/kalimor.desktop" || fail "desktop-file-validate"
fi
if command -v xmllint >/dev/null 2>&1; then
  xmllint --noout "$root/usr/share/mime/packages/kalimor.xml" || fail "MIME XML"
fi

# What the desktop's triggers make of them: .srv files belong to Kalimor.
if command -v update-mime-database >/dev/null 2>&1; then
  update-mime-database "$root/usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database"
  grep -q 'application/x-kalimor-project:\*\.srv$' "$root/usr/share/mime/globs2" || fail "no .srv glob"
fi
if command -v update-desktop-database >/dev/null 2>&1; then
  update-desktop-database "$root/usr/share/applications" || fail "update-desktop-database"
  grep -q '^application/x-kalimor-project=kalimor.desktop;$' "$root/usr/share/applications/mimeinfo.cache" \
    || fail "kalimor.desktop does not open .srv files"
fi

# The programs start from the unpacked root.
"$root/usr/bin/kalimor-cli" --version | grep -q '1.0.0.0b' || fail "kalimor-cli --version"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/kalimor" --screenshot "$scratch/window.png" >"$scratch/kalimor.log" 2>&1 \
  || { cat "$scratch/kalimor.log" >&2; fail "kalimor did not start"; }
[ -s "$scratch/window.png" ] || fail "kalimor drew no window"
echo "OK: $(basename "$deb")"
