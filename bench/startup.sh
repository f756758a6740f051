#!/usr/bin/env bash
# Start-up to first painted frame, and peak resident memory, of a program against a baseline.
# Usage: startup.sh RUNS PROGRAM BASELINE  (both built with first_frame.h); runs them in turn on
# one X display of its own and prints the medians and their ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--runs" ]; then
    runs=$2
    for _ in $(seq 1 "$runs"); do
        for program in "$3" "$4"; do
            printf '%s ' "$(basename "$program")"
            TARVO_BENCH_T0=$(date +%s%N) QT_QPA_PLATFORM=xcb "$program" 2>/dev/null
        done
    done
    exit 0
fi

runs=$1
program=$2
baseline=$3
"$here/../tests/with_xvfb.sh" "$0" --runs "$runs" "$program" "$baseline" | awk -v p="$(basename "$program")" -v b="$(basename "$baseline")" -v n="$runs" '
    function median(a, k,   i, j, t) {
        for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return (k % 2) ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
    }
    $1 == p { pm[++np] = $2; pr[np] = $3 }
    $1 == b { bm[++nb] = $2; br[nb] = $3 }
    END {
        ps = median(pm, np); bs = median(bm, nb); prss = median(pr, np); brss = median(br, nb)
        printf "start-up to first frame, median of %d: %s %.1f ms, %s %.1f ms, ratio %.2f\n", n, p, ps, b, bs, ps / bs
        printf "peak resident memory, median of %d: %s %d KiB, %s %d KiB, ratio %.2f\n", n, p, prss, b, brss, prss / brss
    }'
