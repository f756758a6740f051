# SPDX-License-Identifier: MIT
# The speech-dispatcher voice of the screen-reader test: appends each utterance, as
# "<monotonic seconds><TAB><text>", to $TARVO_SPOKEN in one write.
import os
import sys
import time

text = b" ".join(os.fsencode(sys.argv[1]).split())
log = os.open(os.environ["TARVO_SPOKEN"], os.O_WRONLY | os.O_APPEND | os.O_CREAT, 0o644)
os.write(log, b"%.3f\t%s\n" % (time.monotonic(), text))
