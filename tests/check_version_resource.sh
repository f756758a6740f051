#!/usr/bin/env bash
# Compiles the Windows resource script with a cross windres, reads the result back and checks
# the version record and the icon in it.
# Usage: check_version_resource.sh <tarvo.rc>
set -euo pipefail

windres=x86_64-w64-mingw32-windres
if ! command -v "$windres" >/dev/null 2>&1; then
    echo "FAIL: $windres is missing (scripts/install-deps.sh installs binutils-mingw-w64-x86-64)"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The script needs no macros, so the host's preprocessor does (no cross compiler needed).
"$windres" --preprocessor=cpp -i "$1" -O res -o "$work/tarvo.res"
"$windres" -i "$work/tarvo.res" -O rc -o "$work/readback.rc"

status=0
expect() {
    if ! grep -qF -- "$1" "$work/readback.rc"; then
        echo "FAIL: the compiled resources lack: $1"
        status=1
    fi
}
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "040904b0"'
expect 'VALUE "CompanyName", "The Tarvo project"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "InternalName", "Tarvo 1.00"'
expect 'VALUE "OriginalFilename", "Tarvo 1.00.exe"'
expect 'VALUE "ProductName", "Tarvo 1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "Translation", 0x409, 1200'
expect 'RT_GROUP_ICON'
# The icon's bitmap header: 40 bytes long, 32 wide, 64 high (colour and mask), 32 bits.
expect '0x28L      , 0x20L      , 0x40L      , 0x200001L'
[ $status -eq 0 ] && echo "PASS: version record and 32 x 32 icon"
exit $status
