#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo with Debian's own tools, and checks
# that both carry the program's version.
# Usage: check_desktop_files.sh <entry.desktop> <metainfo.xml> <version> <language>...
set -euo pipefail

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)"
        exit 1
    fi
done

desktop-file-validate "$1"
appstreamcli validate --no-net --explain "$2"
grep -qx "X-Tarvo-Version=$3" "$1" || { echo "FAIL: $1 does not carry version $3"; exit 1; }
grep -q "<release version=\"$3\"" "$2" || { echo "FAIL: $2 has no release $3"; exit 1; }
for lang in "${@:4}"; do
    [ "$lang" = en ] && continue
    for key in "$1:^GenericName\[$lang\]=" "$1:^Comment\[$lang\]=" "$1:^Keywords\[$lang\]=" \
        "$2:<summary xml:lang=\"$lang\">" "$2:<p xml:lang=\"$lang\">"; do
        grep -q "${key#*:}" "${key%%:*}" || { echo "FAIL: ${key%%:*} lacks ${key#*:}"; exit 1; }
    done
done
echo "PASS: desktop entry and metainfo are valid, in ${*:4}"
