# SPDX-License-Identifier: MIT
# The braille display of the screen-reader test: 40 cells on the socket of brltty's virtual
# driver. brltty sends each line it shows as `Visual "<text>"`, then `Braille "<each cell's dots>"`
# (dots 7 and 8 under Orca's cursor); this appends "<monotonic seconds>\t<text>\t<cursor cell or
# ->" to $TARVO_BRAILLE each time the display changes. Usage: braille_display.py SOCKET
import os
import re
import socket
import sys
import time

display = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
for _ in range(300):  # brltty makes the socket once it runs
    try:
        display.connect(sys.argv[1])
        break
    except OSError:
        time.sleep(0.1)
display.sendall(b"cells 40\n")


def unquoted(text):
    """A string of the protocol, quoted, with \\", \\\\ and \\X<hex> escapes."""
    return re.sub(r"\\(X[0-9A-Fa-f]{2,8}|.)", lambda m: chr(int(m[1][1:], 16)) if len(m[1]) > 1 else m[1],
                  text.strip()[1:-1])


log = os.open(os.environ["TARVO_BRAILLE"], os.O_WRONLY | os.O_APPEND | os.O_CREAT, 0o644)
shown, text, pending = None, None, b""
while data := display.recv(65536):
    *lines, pending = (pending + data).split(b"\n")
    for line in lines:
        word, _, argument = line.decode("utf-8", "replace").strip().partition(" ")
        if word.lower() == "visual":
            text = unquoted(argument).rstrip()
        elif word.lower() == "braille" and text is not None:
            cells = unquoted(argument).split("|")
            row = (text, next((str(n) for n, dots in enumerate(cells, 1) if "7" in dots and "8" in dots), "-"))
            if row != shown:
                shown = row
                os.write(log, ("%.3f\t%s\t%s\n" % (time.monotonic(), *row)).encode())
