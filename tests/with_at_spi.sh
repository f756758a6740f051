#!/usr/bin/env bash
# Runs a command on a D-Bus session of its own with the accessibility (AT-SPI) bus, as a desktop
# with a screen reader runs, and with Qt's bridge to it switched on. Exits 77, which CTest reports
# as skipped, with the reason, when D-Bus or the AT-SPI bus is not to be had here.
set -u

skip() { echo "SKIP: $*"; exit 77; }
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (the dbus package)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TARVO_AT_SPI_LISTENER="$(dirname "$0")/at_spi_listen.py"
# Asking the session bus for the accessibility bus starts it, as a desktop session does.
exec dbus-run-session -- bash -c '
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 || { echo "SKIP: the AT-SPI bus did not start"; exit 77; }
    exec "$@"' bash "$@"
