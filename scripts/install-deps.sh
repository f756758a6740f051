#!/usr/bin/env bash
# Installs the Debian packages Tarvo needs: `install-deps.sh run` only what building and running
# the game take; `install-deps.sh` (or `test`) also the tools of the test suite.
# Idempotent: asks apt only for what is missing. Works as root or through sudo.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libicu-dev
  qt6-translations-l10n
  fonts-dejavu-core fonts-liberation
)
test_packages=(
  clang-format
  xvfb xdotool
  valgrind
  desktop-file-utils appstream binutils-mingw-w64-x86-64
  lintian man-db
  dbus at-spi2-core orca speech-dispatcher brltty openbox x11-utils
  qt6-wayland
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: install-deps.sh [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
