#!/usr/bin/env bash
# update.sh LUPDATE SOURCES TS_FILE...: brings each .ts file up to date with the texts that the
# code in SOURCES marks: new texts come in unfinished, texts gone from the code go. English
# takes only the texts with plural forms. The check of the translations runs this on copies.
set -euo pipefail
lupdate=$1 sources=$2
shift 2
for ts in "$@"; do
  only=()
  [[ $(basename "$ts") == *_en.ts ]] && only=(-pluralonly)
  "$lupdate" -silent -locations none -no-obsolete "${only[@]}" \
    -tr-function-alias QT_TRANSLATE_NOOP+=TARVO_TEXT,QT_TRANSLATE_N_NOOP+=TARVO_COUNTED \
    "$sources" -ts "$ts"
done
