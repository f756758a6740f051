#!/usr/bin/env bash
# Runs a command on an X display of its own (a fresh Xvfb server), for tests that need real
# windows and real mouse events. Exits 77, which CTest reports as skipped, when no X server
# can be started here. TARVO_XVFB_SCREEN sets the screen (default 1024x768x24); TARVO_XVFB_WM=openbox
# runs that window manager on it, for what only a window manager does (stacking, transient dialogs).
set -u

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${TARVO_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$displayfile"' EXIT

for _ in $(seq 1 100); do
    [ -s "$displayfile" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$displayfile" ]; then
    echo "SKIP: no X server could be started"
    exit 77
fi

export DISPLAY=":$(head -n 1 "$displayfile")"
if [ -n "${TARVO_XVFB_WM:-}" ]; then
    command -v "$TARVO_XVFB_WM" >/dev/null 2>&1 || { echo "SKIP: $TARVO_XVFB_WM is not installed (scripts/install-deps.sh installs it)"; exit 77; }
    "$TARVO_XVFB_WM" >/dev/null 2>&1 &
    wm=$!
    trap 'kill "$wm" "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$displayfile"' EXIT
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
"$@"
