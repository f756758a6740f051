#!/usr/bin/env bash
# Wake-ups and CPU time of running programs, read from /proc, all measured in the same run.
# Usage: cpu_running.sh SECONDS ROUNDS PROGRAM... (a program may carry arguments: "prog --arg 1")
# Each round runs every program at the same time, each on an X display of its own, so that all
# meet the same machine; it reads what each uses over SECONDS once started. Prints, per program,
# the medians of the rounds: voluntary context switches a second (each a wake-up from a wait)
# and CPU seconds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Voluntary context switches of all the process's threads, and its CPU ticks.
reading() {
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
    awk '{print $14 + $15}' "/proc/$1/stat"
}

if [ "${1:-}" = "--measure" ]; then
    seconds=$2
    shift 2
    QT_QPA_PLATFORM=xcb "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 3  # start-up, and a game's ending where it ends at once, are not part of the figure
    read -r -d '' w0 c0 < <(reading "$pid") || true
    sleep "$seconds"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "$* ended before it was measured" >&2
        echo "- -"
        exit 0
    fi
    read -r -d '' w1 c1 < <(reading "$pid") || true
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v w=$((w1 - w0)) -v c=$((c1 - c0)) -v s="$seconds" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.1f %.2f\n", w / s, c / hz }'
    exit 0
fi

seconds=$1
rounds=$2
shift 2
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for round in $(seq 1 "$rounds"); do
    i=0
    for program in "$@"; do
        # shellcheck disable=SC2086 # a program's words are its arguments
        "$here/../tests/with_xvfb.sh" "$0" --measure "$seconds" $program >"$results/$i.$round" &
        i=$((i + 1))
    done
    wait
done
echo "running for ${seconds} s, median of ${rounds}: wake-ups a second, CPU seconds"
i=0
for program in "$@"; do
    w=$(cat "$results/$i".* | awk '{print $1}' | median)
    c=$(cat "$results/$i".* | awk '{print $2}' | median)
    printf '  %-40s %8s /s %6s s\n' "$(basename "${program%% *}")${program#"${program%% *}"}" "$w" "$c"
    i=$((i + 1))
done
