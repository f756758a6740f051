#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, unpacks it into a scratch root, checks what
# it holds, what it depends on and its manual page, then starts the game the way its desktop
# entry does, from another folder, and plays it under Xvfb.
# Usage: check_package.sh <build folder> <with_xvfb.sh> <tst_program_window>
set -euo pipefail

build=$1 with_xvfb=$2 player=$3
app_id=example.tarvo.Tarvo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/tarvo_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
root=$work/root
dpkg-deb -x "$deb" "$root"

status=0
fail() { echo "FAIL: $*"; status=1; }

# Debian's own judge: no error and no warning.
for tool in lintian man; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done
lintian --pedantic -I "$deb" >"$work/lintian.log" 2>&1 || true
grep -v '^running with root privileges' "$work/lintian.log" || true
! grep -Eq '^[EW]: ' "$work/lintian.log" || fail "lintian reports errors or warnings"

for file in usr/lib/games/tarvo/tarvo "usr/lib/games/tarvo/Ikone/namest~1.ico" \
    "usr/lib/games/tarvo/Ikone/vanmes~1.ico" "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" usr/share/doc/tarvo/copyright \
    usr/share/doc/tarvo/changelog.gz usr/share/man/man6/tarvo.6.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for size in 16 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}x${size} icon"
done
[ "$(readlink "$root/usr/games/tarvo")" = ../lib/games/tarvo/tarvo ] || fail "/usr/games/tarvo is not a link to the program"

manual=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/tarvo.6.gz" 2>"$work/man.log") ||
    fail "man cannot render the manual page"
[ ! -s "$work/man.log" ] || fail "man warns: $(cat "$work/man.log")"
for section in NAME SYNOPSIS DESCRIPTION KEYS OPTIONS FILES "EXIT STATUS" "SEE ALSO"; do
    grep -qx "$section" <<<"$manual" || fail "the manual page has no $section"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
    grep -qw -- "$package" <<<"$depends" || fail "the package does not depend on $package"
done

# Start the command of the desktop entry, found on the path as a desktop would find it.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
[ "$exec_line" = tarvo ] || fail "the desktop entry starts '$exec_line', not tarvo"
[ $status -eq 0 ] || exit $status

cd "$work"  # the program finds Ikone/ beside itself, not in the working folder
PATH="$root/usr/games:$PATH" TARVO_PROGRAM="$exec_line" TARVO_XVFB_SCREEN=1600x1200x24 QT_QPA_PLATFORM=xcb \
    "$with_xvfb" "$player" playsAGameAsStarted
