#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A player who hears only the screen reader Orca, and reads its braille display: plays the board
# (code 3612) with the keys and checks what Orca says after each key, and what the display shows.
# Only what needs the real screen reader is here: what the board hands over after each key, the
# schedule of its messages and the keys' times are tables in tst_accessibility and tst_drops. Run
# under with_orca.sh, with the program board_with_code as the argument. Writes the whole
# transcript to standard output.
import os
import re
import subprocess
import sys
import threading
import time

import pyatspi

GAME = sys.argv[1]
SPOKEN = os.environ["TARVO_SPOKEN"]
BRAILLE = os.environ["TARVO_BRAILLE"]
failures = []


def shown():
    """[(monotonic seconds, "text@cursor cell")] for every line the display has shown, "-" for no
    cursor; without the " $l" that Orca ends a text's line with."""
    with open(BRAILLE, "rb") as f:
        data = f.read()
    rows = [line.split("\t") for line in data[: data.rfind(b"\n") + 1].decode("utf-8", "replace").splitlines()]
    return [(float(t), "%s@%s" % (text.removesuffix(" $l"), cursor)) for t, text, cursor in rows]


def expect_shown(key, since, wanted):
    """Since the key, the display showed the lines `wanted`, "text@cursor" patterns, in that order."""
    rows = "\n".join(line for _, line in shown()[since:])
    print("%-10s braille: %r" % ("", rows.splitlines()), flush=True)
    if not re.search("(?ms)" + ".*".join("^%s$" % w for w in wanted), rows):
        failures.append("after %s: wanted the display to show %r in turn, it showed %r" % (key, wanted, rows.splitlines()))


def spoken():
    """[(monotonic seconds, text, whole)] for every utterance Orca has begun so far: whole once the
    voice has said it to its end, not while it speaks or when a key cut it short."""
    with open(SPOKEN, "rb") as f:
        data = f.read()
    lines = data[: data.rfind(b"\n") + 1].decode("utf-8", "replace").splitlines()
    entries = [line.split("\t", 2) for line in lines]
    return [(float(t), text, i + 1 < len(entries) and entries[i + 1][1:] == ["said", text])
            for i, (t, what, text) in enumerate(entries) if what == "begun"]


# What a magnifier that follows the keyboard listens to on the accessibility bus, as it arrives:
# (type, detail1, the source's name, its extents on the screen).
BUS = []


def on_bus_event(event):
    try:
        box = event.source.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        BUS.append((event.type, event.detail1, event.source.name, (box.x, box.y, box.width, box.height)))
    except Exception as error:  # the source may be gone already
        BUS.append((event.type, event.detail1, repr(error), None))


pyatspi.Registry.registerEventListener(on_bus_event, "object:state-changed:focused",
                                       "object:state-changed:selected", "object:text-caret-moved")
threading.Thread(target=pyatspi.Registry.start, daemon=True).start()


def expect_magnified(key, since, row, position):
    """Since the key, the last event a magnifier follows selects the slot under the cursor, with
    that slot's extents: a box of a slot's size."""
    events = BUS[since:]
    print("%-10s bus: %r" % ("", events), flush=True)
    chosen = [e for e in events if e[1] == 1]
    name, box = (chosen[-1][2], chosen[-1][3]) if chosen else ("", None)
    if not name.startswith("Row %d, position %d" % (row, position)) or not box or not 15 <= box[2] == box[3] <= 40:
        failures.append("after %s: wanted a magnifier led to row %d, position %d, the bus carried %r"
                        % (key, row, position, chosen[-1:] or events))


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


def expect(key, wanted, within=None, cursor=None, shows=()):
    """The key makes the game say exactly one thing, matching the pattern `wanted`; a magnifier is
    led to the cursor's (row, position) if given; the display shows the lines `shows` in turn."""
    since, lines = len(BUS), len(shown())
    pressed, said = press(key)
    if cursor:
        expect_magnified(key, since, *cursor)
    if shows:
        expect_shown(key, lines, shows)
    texts = [text for _, text in said]
    if len(said) != 1 or not re.fullmatch(wanted, texts[0]):
        failures.append("after %s: wanted %r once, heard %r" % (key, wanted, texts))
    elif within is not None and said[0][0] - pressed > within:
        failures.append("after %s: heard %r only after %.2f s" % (key, texts[0], said[0][0] - pressed))


SLOT = r"Row \d, position \d(: \d|, empty)\.?"


def expect_burst(keys, delay, wanted):
    """Typed delay ms apart, the keys make the game say each of `wanted` whole, in order, the
    last last; nothing else is said but slots passed on the way. On the display the first stays
    until the next comes, a reading time later."""
    lines = len(shown())
    said = [text for _, text in press(keys, delay)[1]]
    rows = shown()[lines:]
    first = next((i for i, (_, line) in enumerate(rows) if re.fullmatch(wanted[0] + "@-", line)), len(rows))
    if first + 1 >= len(rows) or rows[first + 1][0] - rows[first][0] < 0.5:
        failures.append("%s @%d ms: wanted the display to show %r, the next a reading time later, it showed %r"
                        % (keys, delay, wanted[0], [(round(t - rows[0][0], 2), line) for t, line in rows]))
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
# Each key leads a magnifier to the slot under the cursor, and Orca says nothing of it.
game = start()
expect("1", r"Row 1, position 1: 1\.?", cursor=(1, 2))
expect("2", r"Row 1, position 2: 2\.?", cursor=(1, 3))
expect("Right", r"Row 1, position 4, empty\.?", cursor=(1, 4))
expect("3", r"Row 1, position 4: 3\.?", cursor=(1, 4))
expect("Home", r"Row 1, position 1: 1\.?", cursor=(1, 1))
for place in range(1, 5):
    expect("1", r"Row 1, position %d: 1\.?" % place)
# The score on the display, after the line at rest has moved on to the next row.
expect("Return", r"Row 1: 1 1 1 1\. 1 in place, 0 elsewhere\.", within=1.0,
       shows=[r"Row 2: _ _ _ _@8", r"Row 1: 1 1 1 1\. 1 in place, 0 elsewhere\.@-"])
# At rest, the row as it stands, the display's cursor under the cursor's slot.
expect("3", r"Row 2, position 1: 3\.?", shows=[r"Row 2: 3 _ _ _@10", r"Row 2, position 1: 3@-"])
expect("Up", r"Row 1: 1 1 1 1\. 1 in place, 0 elsewhere\.", cursor=(1, 2))
expect("Down", r"Row 2, position 2, empty\.?")
expect_silence("Tab")  # the clock box is not on Tab's way: its ticks are never read out
for key in ["End", "2", "Home", "Right", "3", "1"]:
    press(key)
expect("Return", r"Row 2: 3 3 1 2\. 3 in place, 0 elsewhere\.", within=1.0)
# A typist who does not wait: the score is heard whole, before where the cursor ended, and
# nothing else but the slots passed; a digit typed twice is two presses.
expect_burst("Home 1 1 2 2 Return 3", 60, [r"Row 3: 1 1 2 2\. 1 in place, 1 elsewhere\.", r"Row 4, position 1: 3\.?"])
for key in ["6", "1", "2"]:
    press(key)
# The ending, with the code, on the display and at rest, in place of a button switched off.
expect("Return", r"You Won ! The code was 3 6 1 2\.", within=1.0,
       shows=[r"You Won ! The code was 3 6 1 2\.@1", r"You Won ! The code was 3 6 1 2\.@-"])
for key in ["1", "Left", "Home"]:
    expect_silence(key)
expect("Up", r"Row 3: 1 1 2 2\. 1 in place, 1 elsewhere\.")
expect("Down", r"Row 4: 3 6 1 2\. 4 in place, 0 elsewhere\.")
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

# In the desktop's language, the game's words are that language's, whichever voice Orca speaks
# them with: a slot, a score, and the time told by T found at its place on a Russian keyboard, as
# Ctrl+N is,
# each count in the form Russian grammar asks for and spelled out in the gender of its noun, which
# the voice would miss in a digit: "две минуты", not "два". (Every language: tst_accessibility.)
def russian(n, one, few, many):
    if n % 10 == 1 and n % 100 != 11:
        return one
    return few if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14 else many


UNITS = "одна две три четыре пять шесть семь восемь девять".split()
TEENS = "десять одиннадцать двенадцать тринадцать четырнадцать пятнадцать шестнадцать семнадцать восемнадцать девятнадцать".split()
TENS = {2: "двадцать", 3: "тридцать", 4: "сорок", 5: "пятьдесят"}


def feminine(n):
    """1 to 59 as a Russian says them of minutes or seconds, which are feminine nouns."""
    if n < 10:
        return UNITS[n - 1]
    if n < 20:
        return TEENS[n - 10]
    return TENS[n // 10] + ("" if n % 10 == 0 else " " + UNITS[n % 10 - 1])


COUNTS = {feminine(n): n for n in range(1, 60)}

game = start(language="ru")
expect("1", r"Ряд 1, позиция 1: 1\.?")
for key in ["1", "1", "1"]:
    press(key)
expect("Return", re.escape("Ряд 1: 1 1 1 1. Чёрных: 1, белых: 0."), within=1.0)
subprocess.run(["setxkbmap", "ru"], check=True)  # T's place types a Cyrillic letter, the digits stay
_, said = press("Cyrillic_ie")
press("ctrl+Cyrillic_te")  # Ctrl and N's place: a new game, back on row 1
subprocess.run(["setxkbmap", "us"], check=True)
expect("1", r"Ряд 1, позиция 1: 1\.?")
found = re.fullmatch(r"\w+ (\w+) минут\w* (.+) секунд\w*\.", said[0][1]) if len(said) == 1 else None
if not found or found.group(1) not in COUNTS or found.group(2) not in COUNTS:
    failures.append("ru, after T: wanted the time, its counts in words of the feminine, heard %r" % [text for _, text in said])
else:
    m, sec = COUNTS[found.group(1)], COUNTS[found.group(2)]
    wanted = "%s %s %s %s %s." % (russian(m, "Осталась", "Осталось", "Осталось"), feminine(m),
                                   russian(m, "минута", "минуты", "минут"), feminine(sec),
                                   russian(sec, "секунда", "секунды", "секунд"))
    if said[0][1] != wanted:
        failures.append("ru, after T: wanted %r, heard %r" % (wanted, said[0][1]))
quit(game)

for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
