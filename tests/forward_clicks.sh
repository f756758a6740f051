#!/usr/bin/env bash
# Runs a test that asks for real mouse clicks and keys on its standard output, one line
# "tarvo-click X Y" or "tarvo-key KEY..." (xdotool's key names) each, and gives them with
# xdotool; every other line passes through. The test itself then starts no process, which keeps
# it simple to run under valgrind. Exits with the test's status.
if ! command -v xdotool >/dev/null 2>&1; then
    echo "SKIP: xdotool is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
"$@" | while IFS= read -r line; do
    read -r tag rest <<<"$line"
    if [ "$tag" = "tarvo-click" ]; then
        read -r x y <<<"$rest"
        xdotool mousemove "$x" "$y" sleep 0.1 click 1
    elif [ "$tag" = "tarvo-key" ]; then
        # shellcheck disable=SC2086 # one argument a key
        xdotool key --delay 80 $rest
    else
        printf '%s\n' "$line"
    fi
done
exit "${PIPESTATUS[0]}"
