# SPDX-License-Identifier: MIT
# The speech-dispatcher voice of the screen-reader test. It takes time to speak, as a voice does
# (TARVO_WORD_MS a word), so that a key can cut it short: it appends
# "<monotonic seconds><TAB>begun<TAB><text>" as it starts and "...<TAB>said<TAB><text>" once the
# whole text is spoken, each in one write, to $TARVO_SPOKEN. Cut short, it is killed between the two.
import os
import sys
import time

text = b" ".join(os.fsencode(sys.argv[1]).split())
log = os.open(os.environ["TARVO_SPOKEN"], os.O_WRONLY | os.O_APPEND | os.O_CREAT, 0o644)
os.write(log, b"%.3f\tbegun\t%s\n" % (time.monotonic(), text))
time.sleep(len(text.split()) * int(os.environ.get("TARVO_WORD_MS", "60")) / 1000)
os.write(log, b"%.3f\tsaid\t%s\n" % (time.monotonic(), text))
