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
# Its FILES are where the install put them: the package's prefix, and any other one.
grep -q '/usr/lib/games/tarvo/Ikone/namest~1.ico' <<<"$manual" || fail "the manual page misplaces the pictures"
touch "$work/before-install"
cmake --install "$build" --prefix "$work/elsewhere" >/dev/null
zcat "$work/elsewhere/share/man/man6/tarvo.6.gz" | grep -q "$work/elsewhere/lib/games/tarvo/Ikone/vanmes~1.ico" ||
    fail "installed under $work/elsewhere, the manual page names other folders"
written=$(find "$build/packaging" -newer "$work/before-install" -not -type d)
[ -z "$written" ] || fail "installing wrote into the build tree: $written"

# The changelog, in a configured copy of the sources: awkward notes arrive whole in both records,
# and a newest release that is not the program's stops cmake --build.
source=$(cd "$(dirname "$0")/.." && pwd)
copy=$work/source
mkdir "$copy"
tar -C "$source" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$copy" -xf -
cmake -S "$copy" -B "$copy/build" -G Ninja -DBUILD_TESTING=OFF >"$work/configure.log" 2>&1 ||
    fail "the copy does not configure: $(tail -n 3 "$work/configure.log")"
# Notes that CMake could take apart: list syntax, false words, @ and a trailing backslash.
notes=('A note with [one bracket, a & b < c; and more.' 'Off' 'Found-NOTFOUND' 'Write a@b.c@d, not @lb@.'
    'A note ending in a backslash \')
printf -- '- %s\n' "${notes[@]}" >"$work/notes"
awk -v notes="$work/notes" '!done && /^- /{while ((getline note <notes) > 0) print note; done = 1} 1' \
    "$copy/CHANGELOG.md" >"$work/CHANGELOG.md" && mv "$work/CHANGELOG.md" "$copy/CHANGELOG.md"
cmake --build "$copy/build" --target documents >"$work/build.log" 2>&1 || fail "awkward notes stop the build"
python3 -c 'import sys, xml.etree.ElementTree as E; [print("".join(li.itertext())) for li in E.parse(sys.argv[1]).iter("li")]' \
    "$copy/build/packaging/$app_id.metainfo.xml" >"$work/metainfo-notes"
zcat "$copy/build/packaging/doc/changelog.gz" | sed -n 's/^  \* //p' >"$work/debian-notes"
for note in "${notes[@]}"; do
    grep -qxF -- "$note" "$work/metainfo-notes" || fail "the metainfo does not carry '$note' whole"
    grep -qxF -- "$note" "$work/debian-notes" || fail "the Debian changelog does not carry '$note' whole"
done
# A program folder named absolutely is named as it is, under DESTDIR too.
cmake "$copy/build" -DTARVO_INSTALL_PROGRAMDIR=/opt/tarvo >>"$work/configure.log" 2>&1 || fail "/opt/tarvo does not configure"
mkdir -p "$work/staged/opt/tarvo" && cp "$build/tarvo" "$work/staged/opt/tarvo/"
DESTDIR=$work/staged cmake -DCMAKE_INSTALL_PREFIX=/usr -P "$copy/build/packaging/install.cmake" >/dev/null ||
    fail "the install steps fail for /opt/tarvo"
zcat "$work/staged/usr/share/man/man6/tarvo.6.gz" | grep -q '^\.I /opt/tarvo/Ikone/namest~1.ico' ||
    fail "installed to /opt/tarvo, the manual page names other folders"
sed -i '0,/^## [0-9.]* /s//## 9.99 /' "$copy/CHANGELOG.md"
if cmake --build "$copy/build" --target documents >"$work/build.log" 2>&1; then
    fail "a newest release of 9.99 did not stop cmake --build"
else
    grep -q 'the newest release is 9.99' "$work/build.log" || fail "the build stopped, but not for the version: $(tail -n 3 "$work/build.log")"
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libicu72 fonts-dejavu-core fonts-liberation qt6-translations-l10n; do
    grep -qw -- "$package" <<<"$depends" || fail "the package does not depend on $package"
done

# Start the command of the desktop entry, found on the path as a desktop would find it.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
[ "$exec_line" = tarvo ] || fail "the desktop entry starts '$exec_line', not tarvo"
[ $status -eq 0 ] || exit $status

cd "$work"  # the program finds Ikone/ beside itself, not in the working folder
PATH="$root/usr/games:$PATH" TARVO_PROGRAM="$exec_line" TARVO_XVFB_SCREEN=1600x1200x24 QT_QPA_PLATFORM=xcb \
    "$with_xvfb" "$player" playsAGameAsStarted
