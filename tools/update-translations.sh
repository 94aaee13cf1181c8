#!/bin/sh
# Collects every text the player can see into the translation files, keeping the
# translations already made: run after adding or changing a text, then translate what
# Qt Linguist shows as unfinished. The logic marks its texts with Translatable(context,
# text), which lupdate is told to read as QT_TRANSLATE_NOOP. With file names, updates
# those files instead of translations/*.ts.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
if [ $# -eq 0 ]; then
  set -- "$root"/translations/zelvani_*.ts
fi
for ts in "$@"; do
  case $ts in /*) ;; *) ts=$PWD/$ts ;; esac
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -source-language ja \
    -tr-function-alias QT_TRANSLATE_NOOP+=Translatable logic desktop -ts "$ts")
done
