#!/usr/bin/env bash
# CPU time a running program uses, read from /proc, against a baseline measured in the same run.
# Usage: cpu_running.sh SECONDS ROUNDS PROGRAM BASELINE
# Each round runs both at the same time, each on an X display of its own, so that both meet the
# same machine; it reads the CPU time they use over SECONDS once started. Prints the medians of
# the rounds and their ratio.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--measure" ]; then
    seconds=$2
    program=$3
    QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    pid=$!
    sleep 2  # start-up is not part of the figure
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$seconds"
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f\n", t / hz }'
    exit 0
fi

seconds=$1
rounds=$2
program=$3
baseline=$4
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
program_times=()
baseline_times=()
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for round in $(seq 1 "$rounds"); do
    "$here/../tests/with_xvfb.sh" "$0" --measure "$seconds" "$program" >"$results/p$round" &
    "$here/../tests/with_xvfb.sh" "$0" --measure "$seconds" "$baseline" >"$results/b$round" &
    wait
    program_times+=("$(cat "$results/p$round")")
    baseline_times+=("$(cat "$results/b$round")")
done
p=$(printf '%s\n' "${program_times[@]}" | median)
b=$(printf '%s\n' "${baseline_times[@]}" | median)
echo "cpu over ${seconds} s, median of ${rounds}: $(basename "$program") ${p} s (${program_times[*]}), $(basename "$baseline") ${b} s (${baseline_times[*]}), ratio $(awk -v p="$p" -v b="$b" 'BEGIN { printf "%.2f", p / b }')"
