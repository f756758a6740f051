#!/usr/bin/env bash
# Runs a command in a desktop session of its own with the screen reader Orca at its defaults:
# Xvfb, a D-Bus session with the accessibility bus, openbox, a private speech-dispatcher whose
# only voice (voice.py) writes each utterance as a line to $TARVO_SPOKEN, and a 40-cell braille
# display (brltty's virtual driver, played by braille_display.py) that writes each line it shows
# to $TARVO_BRAILLE, both in OUTDIR.
# Usage: with_orca.sh OUTDIR COMMAND [ARGS...]. Exit status: the command's, or 77 (skipped, with
# the reason) when the session cannot be had here.
set -u
[ $# -ge 2 ] || { echo "usage: with_orca.sh OUTDIR COMMAND [ARGS...]" >&2; exit 2; }
skip() { echo "SKIP: $*"; exit 77; }
for tool in Xvfb xdpyinfo dbus-daemon openbox speech-dispatcher brltty orca xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done

# Orca will not start while another process of this user is named orca: a PID namespace of our
# own hides them, and ends whatever we leave behind.
if [ -z "${TARVO_ORCA_NS:-}" ] && unshare --pid --fork --mount-proc true 2>/dev/null; then
    TARVO_ORCA_NS=1 exec unshare --pid --fork --mount-proc "$BASH" "$0" "$@"
fi
mkdir -p "$1" && out=$(cd "$1" && pwd) || exit 2
shift
here=$(cd "$(dirname "$0")" && pwd)
rt=$(mktemp -d /tmp/tarvo-orca.XXXXXX)  # short: a socket path holds 108 bytes
export HOME=$rt/home XDG_RUNTIME_DIR=$rt/run XDG_CONFIG_HOME=$rt/home/.config LANG=C.UTF-8 \
    TARVO_SPOKEN=$out/spoken.log TARVO_BRAILLE=$out/braille.log QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset TARVO_ORCA_NS DISPLAY LC_ALL LANGUAGE SPEECHD_ADDRESS QT_QPA_PLATFORM BRLAPI_HOST BRLAPI_AUTH
mkdir -p -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$rt/prefs"
: >"$TARVO_SPOKEN"
: >"$TARVO_BRAILLE"
pids=()
stop() {  # newest first; an idle Orca often needs the KILL, its speech is logged already
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || continue
        for _ in $(seq 30); do kill -0 "${pids[i]}" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "${pids[i]}" 2>/dev/null
    done
    rm -rf "$rt"
}
trap stop EXIT
waitfor() { local n=$(($1 * 10)); shift; until "$@" 2>/dev/null; do ((n-- > 0)) || return 1; sleep 0.1; done; }

# The voice plays nothing, but the module opens an audio device: ALSA's null one. Symbols are
# not spelled out, so the log holds the text Orca sent.
printf 'pcm.!default {\n    type null\n}\n' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogDir "$out"
AddModule "log" "sd_generic" "log.conf"
DefaultModule log
AudioOutputMethod "alsa"
SymbolsPreproc "no"
CONF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/log.conf" <<CONF
GenericExecuteSynth "exec /usr/bin/python3 -I $here/voice.py \'\$DATA\'"
GenericMaxChunkLength 30000
GenericDelimiters "$(printf '\037')"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "log"
DefaultVoice "log"
CONF

displayfile=$rt/display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$displayfile" 2>"$out/xvfb.log" &
pids+=($!)
waitfor 10 test -s "$displayfile" || skip "Xvfb did not start"
export DISPLAY=":$(head -n1 "$displayfile")"
dbus-daemon --session --nofork --print-address=3 3>"$rt/bus" 2>"$out/dbus.log" &
pids+=($!)
waitfor 10 test -s "$rt/bus" || skip "dbus-daemon did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$rt/bus")
# Asking for the accessibility bus starts it, as a desktop session does.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || skip "the accessibility bus did not start"
openbox --sm-disable >"$out/openbox.log" 2>&1 &
pids+=($!)
waitfor 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || skip "openbox did not start"
speech-dispatcher --run-single --timeout 0 >"$out/speechd.out" 2>&1 &
pids+=($!)
waitfor 10 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" || skip "speech-dispatcher did not start"
# The display first, stopped last: brltty without it waits for another. BrlAPI takes the X display's number.
/usr/bin/python3 -I "$here/braille_display.py" "$rt/braille.sock" >"$out/braille_display.log" 2>&1 &
pids+=($!)
brltty -n -e -q -Z -f /dev/null -F /dev/null -b vr -d "server:$rt/braille.sock" -x no -s no -t en-nabcc \
    -A "auth=none,host=$DISPLAY" -W "$rt" -U "$rt" -P "$rt/brltty.pid" >"$out/brltty.log" 2>&1 &
pids+=($!)
waitfor 15 grep -q 'no screen' "$TARVO_BRAILLE" || skip "brltty or its braille display did not start"
export BRLAPI_HOST=$DISPLAY
orca --user-prefs="$rt/prefs" >"$out/orca.log" 2>&1 &
pids+=($!)
waitfor 60 grep -q 'Screen reader on' "$TARVO_SPOKEN" ||
    skip "Orca did not start: $(tail -n2 "$out/orca.log" | tr '\n' ' ')"
"$@"
