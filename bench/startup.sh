#!/usr/bin/env bash
# Start-up to first painted frame, and peak resident memory, of a program against baselines.
# Usage: startup.sh RUNS PROGRAM BASELINE...  (all built with first_frame.h); runs them in turn on
# one X display of its own and prints the medians and their ratios to each baseline.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--runs" ]; then
    runs=$2
    shift 2
    for _ in $(seq 1 "$runs"); do
        for program in "$@"; do
            printf '%s ' "$(basename "$program")"
            TARVO_BENCH_T0=$(date +%s%N) QT_QPA_PLATFORM=xcb "$program" 2>/dev/null
        done
    done
    exit 0
fi

runs=$1
shift
"$here/../tests/with_xvfb.sh" "$0" --runs "$runs" "$@" | awk -v p="$(basename "$1")" -v n="$runs" '
    function median(a, k,   i, j, t) {
        for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return (k % 2) ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
    }
    { if (!($1 in count)) order[++programs] = $1; k = ++count[$1]; ms[$1, k] = $2; rss[$1, k] = $3 }
    END {
        for (i = 1; i <= programs; i++) {
            q = order[i]
            for (k = 1; k <= count[q]; k++) { m[k] = ms[q, k]; r[k] = rss[q, k] }
            startMs[q] = median(m, count[q]); peakKb[q] = median(r, count[q])
        }
        for (i = 2; i <= programs; i++) {
            b = order[i]
            printf "start-up to first frame, median of %d: %s %.1f ms, %s %.1f ms, ratio %.2f\n", n, p, startMs[p], b, startMs[b], startMs[p] / startMs[b]
            printf "peak resident memory, median of %d: %s %d KiB, %s %d KiB, ratio %.2f\n", n, p, peakKb[p], b, peakKb[b], peakKb[p] / peakKb[b]
        }
    }'
