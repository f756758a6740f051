#!/usr/bin/env bash
# Every benchmark with its baseline, measured in the same run: make bench.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}

echo "machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo), $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
"$here/startup.sh" 20 "$build/startup_game" "$build/floor_window" "$build/plain_board"
QT_QPA_PLATFORM=xcb "$here/../tests/with_xvfb.sh" "$build/new_latency" 2>/dev/null
"$here/cpu_running.sh" 10 3 "$build/tarvo" "$build/board_with_code --seconds-left 0" \
    "$build/floor_clock" "$build/floor_clock --tick" "$build/floor_timer"
"$build/scoring_bench"
