#!/usr/bin/env bash
# The command line of the program, with no display and no platform named: --help and --version
# answer and exit 0, a bad option or argument exits 2 with the usage, and the toolkit's own
# options still start the game.
# Usage: check_command_line.sh <program> <version text>
set -u
program=$1 version=$2
status=0
fail() { echo "FAIL: $*"; status=1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err"; }
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

for option in --version -v; do
    run "$option"; code=$?
    [ $code -eq 0 ] || fail "$option exits $code"
    [ "$(cat "$out")" = "Tarvo $version" ] || fail "$option prints '$(cat "$out")'"
    [ ! -s "$err" ] || fail "$option writes to standard error: $(cat "$err")"
done

for option in --help -h; do
    run "$option"; code=$?
    [ $code -eq 0 ] || fail "$option exits $code"
    head -n 1 "$out" | grep -qx 'Usage: tarvo \[options\]' || fail "$option gives no usage line"
    grep -q 'code-breaking game' "$out" || fail "$option does not say what the game is"
    grep -q -- '--version' "$out" || fail "$option does not list --version"
done

for wrong in --bogus -x extra; do
    run "$wrong"; code=$?
    [ $code -eq 2 ] || fail "'$wrong' exits $code, not 2"
    [ ! -s "$out" ] || fail "'$wrong' writes to standard output"
    [ "$(head -n 1 "$err" | grep -c "^tarvo: .*${wrong##*-}")" -eq 1 ] || fail "'$wrong': no one-line error naming it"
    grep -q '^Usage: tarvo' "$err" || fail "'$wrong' gives no usage"
done

# The toolkit's own options pass through: the game starts and keeps running until stopped.
timeout 3 env -u DISPLAY "$program" -platform offscreen -style fusion -reverse >"$out" 2>"$err"; code=$?
[ $code -eq 124 ] || fail "-platform offscreen -style fusion -reverse: the game ended with $code: $(cat "$err")"

[ $status -eq 0 ] && echo "command line: all checks passed"
exit $status
