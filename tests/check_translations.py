#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# check_translations.py LUPDATE SOURCES TS_FILE...: each translation holds exactly the texts the
# code marks (lupdate, run on a copy, changes nothing), each finished, with the source's
# placeholders, each access key the only one of its letter where the toolkit needs it: within a
# menu, and within the menu bar (a menu's texts are a context of their own), and each count spoken
# in digits or by one of ICU's spellout rule sets.
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def clashing_access_keys(menus):
    """The letters taken twice within one menu: {menu: [(letter, text), ...]} -> messages."""
    clashes = []
    for menu, keys in menus.items():
        for letter in sorted({k for k, _ in keys}):
            texts = [t for k, t in keys if k == letter]
            if len(texts) > 1:
                clashes.append("%s shares the access key %r: %s" % (menu, letter, ", ".join(texts)))
    return clashes


# The rule itself: a letter may come back in another menu, never twice in one.
assert not clashing_access_keys({"File menu": [("n", "&New")], "Level menu": [("n", "&Normal")]})
assert clashing_access_keys({"Level menu": [("n", "&Normal"), ("n", "&Nightmare")]})

lupdate, sources, *files = sys.argv[1:]
update = pathlib.Path(__file__).resolve().parent.parent / "translations" / "update.sh"
failures = []
listed = {pathlib.Path(f).resolve() for f in files}
for stray in set(pathlib.Path(files[0]).parent.resolve().glob("*.ts")) - listed:
    failures.append("%s is not built: add its language to translations/CMakeLists.txt" % stray.name)

with tempfile.TemporaryDirectory() as tmp:
    for ts in map(pathlib.Path, files):
        copy = pathlib.Path(tmp) / ts.name
        shutil.copy(ts, copy)
        subprocess.run([update, lupdate, sources, copy], check=True)
        if copy.read_bytes() != ts.read_bytes():
            diff = subprocess.run(["diff", "-u", ts, copy], capture_output=True, text=True).stdout
            failures.append("%s differs from the texts in the code (make translations):\n%s" % (ts.name, diff))

        menus = {}  # a menu's, or the menu bar's, access keys: the letter and the texts that have it
        for context in ET.parse(ts).getroot().iter("context"):
            for message in context.iter("message"):
                source, translation = message.findtext("source"), message.find("translation")
                forms = [f.text or "" for f in translation] if message.get("numerus") else [translation.text or ""]
                if translation.get("type") or not all(forms):
                    failures.append("%s: %r is not translated" % (ts.name, source))
                for form in forms:
                    if sorted(re.findall(r"%\d|%n", form)) != sorted(re.findall(r"%\d|%n", source)):
                        failures.append("%s: %r has other placeholders than %r" % (ts.name, form, source))
                if source.endswith(" in digits") and forms[0] != source and not re.fullmatch(r"%spellout-[a-z-]+", forms[0]):
                    failures.append("%s: %r is neither %r nor a spellout rule set" % (ts.name, forms[0], source))
                if "&" in source:
                    key = re.search(r"&(.)", forms[0])
                    if key:
                        menus.setdefault(context.findtext("name"), []).append((key.group(1).lower(), forms[0]))
                    else:
                        failures.append("%s: %r has no access key, as %r has" % (ts.name, forms[0], source))
        failures += ["%s: %s" % (ts.name, clash) for clash in clashing_access_keys(menus)]

for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
