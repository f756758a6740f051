#!/usr/bin/env bash
# The command line of the program, with no display and no platform named: --help and --version
# answer and exit 0, a bad option or argument exits 2 with the usage, the toolkit's own
# options still start the game, and when the toolkit cannot start the game says why in one line.
# The program's table of the toolkit's options is checked against the toolkit on Xvfb.
# Usage: check_command_line.sh <program> <version text> <toolkit_options>
set -u
program=$1 version=$2 toolkit_options=$3
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

for wrong in --bogus -x extra -platform=offscreen; do
    run "$wrong"; code=$?
    [ $code -eq 2 ] || fail "'$wrong' exits $code, not 2"
    [ ! -s "$out" ] || fail "'$wrong' writes to standard output"
    name=${wrong##*-}
    [ "$(head -n 1 "$err" | grep -c "^tarvo: .*${name%%=*}")" -eq 1 ] || fail "'$wrong': no one-line error naming it"
    grep -q '^Usage: tarvo' "$err" || fail "'$wrong' gives no usage"
done

# The toolkit's own options pass through: the game starts and keeps running until stopped.
timeout 3 env -u DISPLAY "$program" -platform offscreen -style fusion -reverse >"$out" 2>"$err"; code=$?
[ $code -eq 124 ] || fail "-platform offscreen -style fusion -reverse: the game ended with $code: $(cat "$err")"

# When the toolkit cannot start: one line that names the cause it gave, exit 1, no abort.
while IFS='|' read -r rules words wanted; do
    # shellcheck disable=SC2086 # the words are separate arguments
    QT_LOGGING_RULES=$rules run $words; code=$?
    [ $code -eq 1 ] || fail "'$words' with no display: the game exits $code, not 1"
    [ "$(wc -l <"$err")" -eq 1 ] && grep -qF "$wanted" "$err" || fail "'$words' with no display says: $(cat "$err")"
done <<'CASES'
||tarvo: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)
|-display :93|tarvo: no display to open the window on (could not connect to display :93)
|-platform bogus|tarvo: the toolkit could not start (Could not find the Qt platform plugin "bogus" in "")
qt.qpa.*.debug=true|-platform bogus|tarvo: the toolkit could not start (Could not find the Qt platform plugin "bogus" in "")
CASES

# Nor with a Wayland display named and no XDG_RUNTIME_DIR, where Wayland's client writes its own line.
env -u DISPLAY -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-0 "$program" >"$out" 2>"$err"; code=$?
[ $code -eq 1 ] && [ "$(wc -l <"$err")" -eq 1 ] && grep -qF "XDG_RUNTIME_DIR" "$err" ||
    fail "WAYLAND_DISPLAY, no XDG_RUNTIME_DIR: the game exits $code and says: $(cat "$err")"

# When it starts, what it said meanwhile comes out as it would have, with its category; where the
# user asked it to abort on a warning, the warning comes out first.
timeout 3 env QT_LOGGING_RULES='qt.qpa.plugin.debug=true' "$program" -platform offscreen >"$out" 2>"$err"
grep -q '^qt\.qpa\.plugin: ' "$err" || fail "messages held at start-up lose their category: $(head -n 2 "$err")"
env -u XDG_RUNTIME_DIR QT_FATAL_WARNINGS=1 "$program" -platform offscreen >"$out" 2>"$err"; code=$?
[ $code -ne 0 ] && grep -q 'XDG_RUNTIME_DIR' "$err" || fail "a fatal warning: exit $code, and it says: $(cat "$err")"

# In the desktop's language, as gettext chooses it: the first of LANGUAGE's languages that has a
# translation, else the locale's, the toolkit's words ("Usage") with the game's; English when
# LANGUAGE names none that has one, and whatever LANGUAGE says while the messages' locale is C or
# POSIX (or unset); --version the same in all.
while IFS='|' read -r language all messages lang usage help; do
    LANGUAGE=$language LC_ALL=$all LC_MESSAGES=$messages LANG=$lang run --help
    head -n 1 "$out" | grep -qxF "$usage" && grep -qF -- "-h, --help     $help" "$out" ||
        fail "LANGUAGE=$language LC_ALL=$all LC_MESSAGES=$messages LANG=$lang: --help says: $(cat "$out")"
    LANGUAGE=$language LC_ALL=$all LC_MESSAGES=$messages LANG=$lang run --version
    [ "$(cat "$out")" = "Tarvo $version" ] || fail "LANG=$lang: --version prints '$(cat "$out")'"
done <<'CASES'
|||de_DE.UTF-8|Aufruf: tarvo [Optionen]|Diese Hilfe anzeigen und beenden.
pt_BR:fr:de|||C.UTF-8|Utilisation : tarvo [options]|Afficher cette aide et quitter.
||es_ES.UTF-8|C|Uso: tarvo [opciones]|Mostrar esta ayuda y salir.
en_GB:de|||C.UTF-8|Usage: tarvo [options]|Show this help and exit.
de|C|||Usage: tarvo [options]|Show this help and exit.
de|||C|Usage: tarvo [options]|Show this help and exit.
de||POSIX|de_DE.UTF-8|Usage: tarvo [options]|Show this help and exit.
de||||Usage: tarvo [options]|Show this help and exit.
|C.UTF-8||de_DE.UTF-8|Usage: tarvo [options]|Show this help and exit.
it_IT|||it_IT.UTF-8|Usage: tarvo [options]|Show this help and exit.
|||ru_RU.UTF-8|Использование: tarvo [параметры]|Показать эту справку и выйти.
pl:en|||C.UTF-8|Sposób użycia: tarvo [opcje]|Wyświetla tę pomoc i kończy działanie.
nl|||de_DE.UTF-8|Usage: tarvo [options]|Show this help and exit.
CASES
LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= run --bogus
[ "$(head -n 1 "$err")" = "tarvo: Unbekannte Option 'bogus'." ] || fail "in German, --bogus says: $(head -n 1 "$err")"
LANG=fr_FR.UTF-8 LC_ALL= LANGUAGE= run
[ "$(cat "$err")" = "tarvo: aucun affichage disponible pour ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définis)" ] ||
    fail "in French, with no display: $(cat "$err")"

# Each of the toolkit's options in the table, in each form: the toolkit takes it out of the
# command line (on X11, where the game runs), and the game accepts it.
here=$(dirname "$0")
while read -r words; do
    # shellcheck disable=SC2086 # the words are separate arguments
    left=$(QT_QPA_PLATFORM=xcb "$here/with_xvfb.sh" "$toolkit_options" $words 2>/dev/null)
    [ -z "$left" ] || fail "the toolkit leaves '$left' of '$words'"
    # shellcheck disable=SC2086
    run ${words/@DISPLAY/:0} --version; code=$?
    [ $code -eq 0 ] && [ "$(cat "$out")" = "Tarvo $version" ] || fail "'$words --version' exits $code: $(cat "$err")"
done < <("$toolkit_options")

[ $status -eq 0 ] && echo "command line: all checks passed"
exit $status
