#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A player who hears only the screen reader Orca: plays the board (code 3612) with the keys and
# checks what Orca says after each key. Run under with_orca.sh, with the program board_with_code
# as the argument. Writes the whole transcript to standard output.
import os
import re
import signal
import subprocess
import sys
import time

GAME = sys.argv[1]
SPOKEN = os.environ["TARVO_SPOKEN"]
failures = []


def spoken():
    """[(monotonic seconds, text, whole)] for every utterance Orca has begun so far: whole once the
    voice has said it to its end, not while it speaks or when a key cut it short."""
    with open(SPOKEN, "rb") as f:
        data = f.read()
    lines = data[: data.rfind(b"\n") + 1].decode("utf-8", "replace").splitlines()
    entries = [line.split("\t", 2) for line in lines]
    return [(float(t), text, i + 1 < len(entries) and entries[i + 1][1:] == ["said", text])
            for i, (t, what, text) in enumerate(entries) if what == "begun"]


def utterances():
    return [(t, text) for t, text, _ in spoken()]


def heard_after(pos, quiet=0.8, limit=5.0):
    """What was said whole after the pos-th utterance, once the voice has been quiet for `quiet`
    seconds; the utterances cut short are printed, marked so."""
    start = changed = time.monotonic()
    seen = open(SPOKEN, "rb").read()
    while time.monotonic() - start < limit:
        log = open(SPOKEN, "rb").read()
        if log != seen:
            seen, changed = log, time.monotonic()
        speaking = b"\tbegun\t" in log[log.rstrip(b"\n").rfind(b"\n") + 1:]
        if not speaking and time.monotonic() - changed >= quiet and (
                len(spoken()) > pos or time.monotonic() - start >= quiet * 2):
            break
        time.sleep(0.05)
    after = spoken()[pos:]
    cut = [text for _, text, whole in after if not whole and len(text.rstrip(".")) > 1]
    if cut:
        print("%-10s cut short: %r" % ("", cut), flush=True)
    return [(t, text) for t, text, whole in after if whole]


def press(keys, delay=0):
    """Types the keys (names, space-separated) delay ms apart; returns (when, what the game
    said), without Orca's echo of the keys or of the letters they typed."""
    pos = len(spoken())
    pressed = time.monotonic()
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", str(delay), *keys.split()], check=True)
    echoes = keys.lower().split()
    said = [(t, text) for t, text in heard_after(pos) if len(text.rstrip(".")) > 1
            and text.rstrip(".").lower() not in echoes]
    print("%-10s %s" % (keys + (" @%d" % delay if delay else ""), [text for _, text in said]), flush=True)
    return pressed, said


def expect(key, wanted, within=None):
    """The key makes the game say exactly one thing, matching the pattern `wanted`."""
    pressed, said = press(key)
    texts = [text for _, text in said]
    if len(said) != 1 or not re.fullmatch(wanted, texts[0]):
        failures.append("after %s: wanted %r once, heard %r" % (key, wanted, texts))
    elif within is not None and said[0][0] - pressed > within:
        failures.append("after %s: heard %r only after %.2f s" % (key, texts[0], said[0][0] - pressed))


SLOT = r"Row \d, position \d(: \d|, empty)\.?"


def expect_burst(keys, delay, wanted):
    """Typed delay ms apart, the keys make the game say each of `wanted` whole, in order, the
    last last; nothing else is said but slots passed on the way."""
    said = [text for _, text in press(keys, delay)[1]]
    # A text shown just as a key reaches Orca may be heard whole twice: Orca may take the key
    # before the text, and the game, which cannot tell, tells it again. Twice is not lost.
    said = [text for i, text in enumerate(said) if i == 0 or text != said[i - 1]]
    heard = [text for text in said if any(re.fullmatch(w, text) for w in wanted)]
    others = [text for text in said if text not in heard and not re.fullmatch(SLOT, text)]
    if len(heard) != len(wanted) or not all(map(re.fullmatch, wanted, heard)) or said[-1] != heard[-1] or others:
        failures.append("%s @%d ms: wanted %r in this order, heard %r" % (keys, delay, wanted, said))


def expect_silence(key):
    _, said = press(key)
    if said:
        failures.append("after %s: wanted silence, heard %r" % (key, [text for _, text in said]))


def start(*arguments, language=None):
    pos = len(utterances())
    game = subprocess.Popen([GAME, *arguments], env=dict(os.environ, LANGUAGE=language or ""))
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tarvo$"],
                           capture_output=True, text=True, timeout=30)
    subprocess.run(["xdotool", "windowactivate", "--sync", found.stdout.split()[0]], check=True)
    print("%-10s %s" % ("(start)", [text for _, text in heard_after(pos, quiet=1.5, limit=15)]), flush=True)
    return game


def quit(game):
    game.terminate()
    game.wait(10)


# A game won by keys: the cursor, an incomplete row, every score, a review, the time, the ending.
game = start()
expect("1", r"Row 1, position 1: 1\.?")
expect("Right", r"Row 1, position 3, empty\.?")
expect("Left", r"Row 1, position 2, empty\.?")
expect("Return", r"Row 1, position 2 is empty\.")
for key, place in [("1", 2), ("1", 3), ("1", 4)]:
    expect(key, r"Row 1, position %d: 1\.?" % place)
expect("Return", r"Row 1: 1 1 1 1\. 1 in place, 0 out of place\.", within=1.0)
expect("3", r"Row 2, position 1: 3\.?")
expect("Up", r"Row 1: 1 1 1 1\. 1 in place, 0 out of place\.")
expect("Down", r"Row 2, position 2, empty\.?")
expect_silence("Tab")  # the clock box is not on Tab's way: its ticks are never read out
expect("t", r"(2 minutes( \d+ seconds?)?|1 minute \d+ seconds?) left\.?")
for key in ["End", "2", "Home", "Right", "3", "1"]:
    press(key)
expect("Return", r"Row 2: 3 3 1 2\. 3 in place, 0 out of place\.", within=1.0)
for key in ["3", "6", "1", "2"]:
    press(key)
expect("Return", r"You Won ! The code was 3 6 1 2\.", within=1.0)
for key in ["1", "Left", "Home"]:
    expect_silence(key)
expect("Up", r"Row 2: 3 3 1 2\. 3 in place, 0 out of place\.")
expect("Down", r"Row 3: 3 6 1 2\. 4 in place, 0 out of place\.")
# F1 opens How to play, and Orca reads the rules whole, the first words to the last.
pos = len(utterances())
subprocess.run(["xdotool", "key", "F1"], check=True)
rules = [text for _, text in heard_after(pos, limit=20)]
print("%-10s %s" % ("F1", rules), flush=True)
heard = " ".join(rules)  # Orca reads it a paragraph at a time
if not re.fullmatch(r"How to play\. OK push button\. Find the hidden code: .* T tells the time left\.", heard):
    failures.append("F1: wanted the rules read whole, heard %r" % rules)
press("Escape")
quit(game)

# A typist who does not wait: each score is heard whole, in order, before where the cursor
# ended, and nothing else but the slots passed; a digit typed twice is two presses at a typist's
# pace. (At 0 ms X11 gives the release and the next press one time, as it repeats a held key.)
game = start()
SCORES = {"1 2 1 2": "2 in place, 0 out of place", "1 1 2 2": "1 in place, 1 out of place"}
for row, (digits, delay) in enumerate([("1 2 1 2", 0), ("1 1 2 2", 30), ("1 1 2 2", 60), ("1 1 2 2", 150),
                                       ("1 1 2 2", 200)], 1):
    expect_burst("Home %s Return 3" % digits, delay, [r"Row %d: %s\. %s\." % (row, digits, SCORES[digits]),
                                                     r"Row %d, position 1: 3\.?" % (row + 1)])
quit(game)


def keys_heard(name, *xdotool, stall=None):
    """Types with xdotool's own commands, the game stopped for `stall` seconds meanwhile;
    returns what the game said."""
    pos = len(utterances())
    if stall:
        os.kill(game.pid, signal.SIGSTOP)
    subprocess.run(["xdotool", *xdotool], check=True)
    if stall:
        time.sleep(stall)
        os.kill(game.pid, signal.SIGCONT)
    said = [text for _, text in heard_after(pos) if len(text.rstrip(".")) > 1]
    print("%-10s %s" % (name, said), flush=True)
    return said


# The time and where the cursor went are heard in order; a held key is one press, and a tap
# right after it another; presses that wait while the game is busy all count; T's place tells
# the time on a Russian layout; after the loss on time the rows can be reviewed.
TIME = r"(\d+ minutes?( \d+ seconds?)?|\d+ seconds?) left\."
game = start("--seconds-left", "30")
expect_burst("1 2 1 2 Return 3", 60, [r"Row 1: 1 2 1 2\. 2 in place, 0 out of place\.", r"Row 2, position 1: 3\.?"])
expect_burst("t Right", 0, [TIME, r"Row 2, position 3, empty\.?"])
press("Home")
said = keys_heard("held 5, 5", "keydown", "5", "sleep", "1", "keyup", "5", "sleep", "0.12", "key", "5")
if said[-1:] != ["Row 2, position 2: 5."] or any("position 3" in text for text in said):
    failures.append("5 held for 1 s, then tapped: wanted 'Row 2, position 2: 5.' last, heard %r" % said)
subprocess.run(["xdotool", "keydown", "1"], check=True)
time.sleep(0.3)  # then the game is busy: the release and the next press wait, and come together
said = keys_heard("stalled 1", "keyup", "1", "sleep", "0.12", "key", "1", stall=0.6)
if said[-1:] != ["Row 2, position 4: 1."]:
    failures.append("1, 1 while the game was busy: wanted 'Row 2, position 4: 1.' last, heard %r" % said)
expect("Return", r"Row 2: 5 5 1 1\. 1 in place, 0 out of place\.")
subprocess.run(["setxkbmap", "ru"], check=True)  # T's place types a Cyrillic letter, the digits stay
expect("Cyrillic_ie", TIME)
expect("6", r"Row 3, position 1: 6\.?")
subprocess.run(["setxkbmap", "us"], check=True)
pos = len(utterances())
while not any("You Lost" in text for _, text in utterances()[pos:]):
    time.sleep(0.5)
time.sleep(1)
expect("Up", r"Row 2: 5 5 1 1\. 1 in place, 0 out of place\.")
expect("Up", r"Row 1: 1 2 1 2\. 2 in place, 0 out of place\.")
expect("t", r"0 seconds left\.")
expect_silence("4")
quit(game)

# In the desktop's language, the game's words are that language's, whichever voice Orca speaks
# them with: a slot, a score and the time, each count with the form its grammar asks for.
def form(language, n):
    """Which of the language's plural forms the count n takes."""
    if language in ("ru", "pl"):
        few = 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14
        one = n % 10 == 1 and n % 100 != 11 if language == "ru" else n == 1
        return 0 if one else 1 if few else 2
    return int(n > 1) if language == "fr" else int(n != 1)


WORDS = {  # slot, score, then the time: seconds, minutes and the verb by form, and the sentence
    "de": ("Reihe 1, Stelle 1: 1.", "Reihe 1: 1 1 1 1. 1 richtig platziert, 0 falsch platziert.",
           ["Sekunde", "Sekunden"], ["Minute", "Minuten"], ["Noch", "Noch"], "{verb} {m} {minute} und {s} {second}."),
    "fr": ("Rangée 1, position 1 : 1.",  # the game's no-break spaces, as Orca passes them on
           "Rangée 1 : 1 1 1 1. Bien placés : 1, mal placés : 0.",
           ["seconde", "secondes"], ["minute", "minutes"], ["Il reste", "Il reste"],
           "{verb} {m} {minute} et {s} {second}."),
    "es": ("Fila 1, posición 1: 1.", "Fila 1: 1 1 1 1. En su lugar: 1; en otro lugar: 0.",
           ["segundo", "segundos"], ["minuto", "minutos"], ["Queda", "Quedan"], "{verb} {m} {minute} y {s} {second}."),
    "ru": ("Ряд 1, позиция 1: 1.", "Ряд 1: 1 1 1 1. На своём месте: 1, не на своём: 0.",
           ["секунда", "секунды", "секунд"], ["минута", "минуты", "минут"], ["Осталась", "Осталось", "Осталось"],
           "{verb} {m} {minute} {s} {second}."),
    "pl": ("Rząd 1, pozycja 1: 1.", "Rząd 1: 1 1 1 1. Na swoim miejscu: 1, na innym miejscu: 0.",
           ["sekunda", "sekundy", "sekund"], ["minuta", "minuty", "minut"], ["Została", "Zostały", "Zostało"],
           "{verb} {m} {minute} i {s} {second}."),
}
for language, (slot, score, second, minute, verb, sentence) in WORDS.items():
    game = start(language=language)
    expect("1", re.escape(slot) + "?")
    for key in ["1", "1", "1"]:
        press(key)
    expect("Return", re.escape(score), within=1.0)
    _, said = press("t")
    counts = [int(n) for n in re.findall(r"\d+", said[0][1])] if len(said) == 1 else []
    m, sec = counts if len(counts) == 2 else (0, 0)
    wanted = sentence.format(verb=verb[form(language, m)], m=m, minute=minute[form(language, m)], s=sec,
                             second=second[form(language, sec)])
    if [text for _, text in said] != [wanted]:
        failures.append("%s, after t: wanted %r, heard %r" % (language, wanted, [text for _, text in said]))
    quit(game)

def alt(letter):
    """Opens a menu by its access key, held as a hand holds it: Orca hears each key first."""
    subprocess.run(["xdotool", "keydown", "alt", "sleep", "0.3", "key", letter, "sleep", "0.3", "keyup", "alt"],
                   check=True)
    time.sleep(1)


# The clock runs out while About, and then a menu, is open: the ending is told on coming back,
# and after a new game taken from the menu too.
for opened, closing_key in [("About", "Return"), ("the File menu", "Escape"), ("the File menu", "n")]:
    game = start("--seconds-left", "6")
    alt("h" if opened == "About" else "f")
    if opened == "About":
        press("a")
    time.sleep(6)
    if any("You Lost" in text for _, text in utterances()[-3:]):
        failures.append("the loss on time was told while %s was open" % opened)
    pos = len(utterances())
    _, said = press(closing_key)
    for _ in range(100):  # a new board, under the sanitizers, may take its time
        if any("You Lost" in text for _, text in utterances()[pos:]):
            break
        time.sleep(0.1)
    said = heard_after(pos)
    if [text for _, text in said if "You Lost" in text] != ["You Lost ! The code was 3 6 1 2."]:
        failures.append("after %s, then %s: wanted the loss on time told once, heard %r" % (opened, closing_key, said))
    quit(game)

for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
