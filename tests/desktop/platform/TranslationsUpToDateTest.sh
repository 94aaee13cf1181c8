#!/bin/sh
# The translation files hold exactly the texts of the sources: lupdate run again over a
# copy of each changes nothing. A text added or changed in the code without running
# tools/update-translations.sh fails here.
set -eu
root=$1
export LUPDATE=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
status=0
for ts in "$root"/translations/zelvani_*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$root/tools/update-translations.sh" "$copy"
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is not up to date with the sources; run tools/update-translations.sh:"
    diff "$ts" "$copy" | head -40
    status=1
  fi
done
exit $status
