#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# check_translations.py LUPDATE SOURCES TS_FILE...: each translation holds exactly the texts the
# code marks (lupdate, run on a copy, changes nothing), each finished, with the source's
# placeholders, and every menu's access keys unique across the menu bar.
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

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

        keys = {}
        for message in ET.parse(ts).getroot().iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            forms = [f.text or "" for f in translation] if message.get("numerus") else [translation.text or ""]
            if translation.get("type") or not all(forms):
                failures.append("%s: %r is not translated" % (ts.name, source))
            for form in forms:
                if sorted(re.findall(r"%\d|%n", form)) != sorted(re.findall(r"%\d|%n", source)):
                    failures.append("%s: %r has other placeholders than %r" % (ts.name, form, source))
            if "&" in source:  # a menu's: its access key is the only one of its letter in the menu bar
                key = re.search(r"&(.)", forms[0])
                if key:
                    keys.setdefault(key.group(1).lower(), []).append(forms[0])
                else:
                    failures.append("%s: %r has no access key, as %r has" % (ts.name, forms[0], source))
        failures += ["%s: the menus share the access key %r: %s" % (ts.name, k, ", ".join(t)) for k, t in keys.items() if len(t) > 1]

for failure in failures:
    print("FAIL: " + failure)
sys.exit(1 if failures else 0)
