#!/bin/sh
# Plays the same seeded games with two builds of zelvani-selfplay and requires the same
# trace, byte for byte.
#   compare-traces.sh OUT NATIVE OTHER...
# OUT is the path prefix of the two trace files kept for a look afterwards; NATIVE is the
# native program; OTHER is the command that runs the other build (its runner first).
set -eu
out=$1
native=$2
shift 2
options="--games 200 --seed 3"

# shellcheck disable=SC2086
"$native" $options --trace "$out-native.txt" >/dev/null
# shellcheck disable=SC2086
"$@" $options --trace "$out-windows.txt" >/dev/null
if ! cmp "$out-native.txt" "$out-windows.txt"; then
  echo "The traces of $options differ: $out-native.txt and $out-windows.txt"
  exit 1
fi
echo "Identical traces of $options: $(wc -l <"$out-native.txt") lines," \
  "sha256 $(sha256sum <"$out-native.txt" | cut -c1-16)"
