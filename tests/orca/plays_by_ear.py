#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A player who hears only the screen reader Orca: plays the board (code 3612) with the keys and
# checks what Orca says after each key. Run under with_orca.sh, with the program board_with_code
# as the argument. Writes the whole transcript to standard output.
import os
import re
import subprocess
import sys
import time

GAME = sys.argv[1]
SPOKEN = os.environ["TARVO_SPOKEN"]
failures = []


def utterances():
    """[(monotonic seconds, text)] for every whole line Orca has spoken so far."""
    with open(SPOKEN, "rb") as f:
        data = f.read()
    lines = data[: data.rfind(b"\n") + 1].decode("utf-8", "replace").splitlines()
    return [(float(t), text) for t, _, text in (line.partition("\t") for line in lines)]


def heard_after(pos, quiet=0.8, limit=5.0):
    """What was spoken after pos, once the speech has been quiet for `quiet` seconds."""
    start = changed = time.monotonic()
    seen = pos
    while time.monotonic() - start < limit:
        n = len(utterances())
        if n != seen:
            seen, changed = n, time.monotonic()
        if time.monotonic() - changed >= quiet and (seen > pos or time.monotonic() - start >= quiet * 2):
            break
        time.sleep(0.05)
    return utterances()[pos:]


def press(keys, delay=0):
    """Types the keys (names, space-separated) delay ms apart; returns (when, what the game
    said), without Orca's echo of the keys or of the letters they typed."""
    pos = len(utterances())
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


def expect_burst(keys, delay, wanted, retold=False):
    """Typed delay ms apart, the keys make the game say each of `wanted` once, in order, the last
    last, with only slots passed on the way between; retold: once more where a key cut it short."""
    said = [text for _, text in press(keys, delay)[1]]
    heard = [text for text in said if any(re.fullmatch(w, text) for w in wanted)]
    if retold:
        heard = [text for i, text in enumerate(heard) if i == 0 or text != heard[i - 1]]
    if len(heard) != len(wanted) or not all(map(re.fullmatch, wanted, heard)) or said[-1] != heard[-1]:
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
quit(game)

# A typist who does not wait: a score, the time and the ending are each heard, in order, before
# where the cursor ended; a held key is one press; T's place tells the time on a Russian layout;
# after the loss on time the rows can be reviewed.
TIME = r"(\d+ minutes?( \d+ seconds?)?|\d+ seconds?) left\."
game = start("--seconds-left", "30")
for row, delay in [(1, 0), (2, 25), (3, 60), (4, 200)]:
    # No key twice in a row: at 0 ms the toolkit would take the second for the first held down.
    expect_burst("Home 1 2 1 2 Return 3", delay, [r"Row %d: 1 2 1 2\. 2 in place, 0 out of place\." % row,
                                                  r"Row %d, position 1: 3\.?" % (row + 1)], retold=delay > 150)
expect_burst("t Right", 0, [TIME, r"Row 5, position 3, empty\.?"])
pos = len(utterances())
subprocess.run(["xdotool", "keydown", "5", "sleep", "1.5", "keyup", "5"], check=True)
said = [text for _, text in heard_after(pos) if text.rstrip(".") != "5"]
print("%-10s %s" % ("held 5", said), flush=True)
if said != ["Row 5, position 3: 5."]:
    failures.append("5 held down: wanted 'Row 5, position 3: 5.' once, heard %r" % said)
subprocess.run(["setxkbmap", "ru"], check=True)  # T's place types a Cyrillic letter, the digits stay
expect("Cyrillic_ie", TIME)
expect("6", r"Row 5, position 4: 6\.?")
subprocess.run(["setxkbmap", "us"], check=True)
while not any("You Lost" in text for _, text in utterances()[pos:]):
    time.sleep(0.5)
time.sleep(1)
expect("Up", r"Row 4: 1 2 1 2\. 2 in place, 0 out of place\.")
expect("Up", r"Row 3: 1 2 1 2\. 2 in place, 0 out of place\.")
expect("t", r"0 seconds left\.")
expect_silence("4")
quit(game)

# On a German desktop the game's words are German, whichever voice Orca speaks them with.
game = start(language="de")
expect("1", r"Reihe 1, Stelle 1: 1\.?")
for key, place in [("1", 2), ("1", 3), ("1", 4)]:
    press(key)
expect("Return", r"Reihe 1: 1 1 1 1\. 1 richtig platziert, 0 falsch platziert\.", within=1.0)
expect("t", r"Noch (2 Minuten( \d+ Sekunden?)?|1 Minute \d+ Sekunden?)\.?")
quit(game)

def alt(letter):
    """Opens a menu by its access key, held as a hand holds it: Orca hears each key first."""
    subprocess.run(["xdotool", "keydown", "alt", "sleep", "0.3", "key", letter, "sleep", "0.3", "keyup", "alt"],
                   check=True)
    time.sleep(1)


# The clock runs out while About, and then a menu, is open: the ending is told on coming back.
for opened, closing_key in [("About", "Return"), ("the File menu", "Escape")]:
    game = start("--seconds-left", "6")
    alt("h" if opened == "About" else "f")
    if opened == "About":
        press("a")
    time.sleep(6)
    if any("You Lost" in text for _, text in utterances()[-3:]):
        failures.append("the loss on time was told while %s was open" % opened)
    _, said = press(closing_key)
    if [text for _, text in said if "You Lost" in text] != ["You Lost ! The code was 3 6 1 2."]:
        failures.append("after %s closed: wanted the loss on time told once, heard %r" % (opened, said))
    quit(game)

for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
