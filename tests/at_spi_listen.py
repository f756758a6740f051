#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A screen reader's ears: listens on the AT-SPI bus through pyatspi, the client library a screen
# reader uses, and prints one line a focus change, "focus<TAB>name<TAB>description", and one a
# change of name, "name<TAB>name". Prints "ready" once it listens.
import sys

import pyatspi


def say(kind, accessible, *fields):
    try:
        values = [getattr(accessible, field) for field in fields]
    except Exception:  # the object is gone already
        return
    print("\t".join([kind] + [v.replace("\t", " ").replace("\n", " ") for v in values]), flush=True)


def on_focus(event):
    if event.type.startswith("object:state-changed") and not event.detail1:
        return  # the focus left
    say("focus", event.source, "name", "description")


def on_name(event):
    say("name", event.source, "name")


pyatspi.Registry.registerEventListener(on_focus, "focus:", "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
print("ready", flush=True)
try:
    pyatspi.Registry.start()
except KeyboardInterrupt:
    sys.exit(0)
