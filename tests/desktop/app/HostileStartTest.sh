#!/usr/bin/env bash
# The real program started on hostile files: it must reach its windows and go on running.
# Usage: HostileStartTest.sh CASE PROGRAM
#   pipe          a FIFO in place of the settings file (once blocked the first read for ever)
#   link_to_pipe  the settings file a link to a FIFO
#   huge_strings  names and paths of a megabyte each in the settings
#   cut_plugin    plug-ins cut short in the plug-in folder, with a background to read
# What the close then writes or reports is checked by frame_settings_tests, in-process.
set -euo pipefail
case_name=$1
program=$(realpath "$2")

work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
config=$work/config
mkdir -p "$config/Hollyfen"
ini=$config/Hollyfen/Zelvani.ini

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/log" ] && cat "$work/log" >&2
  exit 1
}

case $case_name in
pipe) mkfifo "$ini" ;;
link_to_pipe)
  mkfifo "$work/pipe"
  ln -s "$work/pipe" "$ini"
  ;;
huge_strings)
  huge=$(head -c 1048576 /dev/zero | tr '\0' x)
  printf '[Form]\nPlayer1\\Name=%s\nPlayer2\\Back=/%s\n[Options]\nCardPicture=/%s\n' \
    "$huge" "$huge" "$huge" >"$ini"
  ;;
cut_plugin)
  mkdir -p "$work/plugins" "$config/Morwick"
  library=$(dirname "$program")/plugins/ifimage.spi
  for kib in 1 4 8 64; do head -c $((kib * 1024)) "$library" >"$work/plugins/cut$kib.spi"; done
  cp "$library" "$work/plugins/whole.spi"
  # A picture only the plug-in reads: the icon the build drew.
  cp "$(dirname "$program")"/icons/hicolor/48x48/apps/*.png "$work/back.png"
  printf '[Plug-in]\nPath=%s\n' "$work/plugins" >"$config/Morwick/Susie.ini"
  printf '[Form]\nPlayer1\\Back=%s\n' "$work/back.png" >"$ini"
  ;;
*) fail "no case $case_name" ;;
esac

cd "$(dirname "$program")"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" \
  QT_LOGGING_RULES='zelvani.files.debug=true' QT_MESSAGE_PATTERN='%{category}: %{message}' \
  "$program" >"$work/log" 2>&1 &
pid=$!
# The splash's pictures are looked up last, once every window exists.
for _ in $(seq 600); do
  grep -q '^zelvani.files: Logo2.bmp ' "$work/log" && break
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    pid=
    fail "the game ended during its start (exit status $status)"
  fi
  sleep 0.1
done
grep -q '^zelvani.files: Logo2.bmp ' "$work/log" || fail "the start never reached the splash"
sleep 0.5
if ! kill -0 "$pid" 2>/dev/null; then
  status=0
  wait "$pid" || status=$?
  pid=
  fail "the game did not keep running (exit status $status)"
fi

case $case_name in
pipe) [ -p "$ini" ] || fail "the pipe was replaced" ;;
link_to_pipe) [ -L "$ini" ] && [ -p "$work/pipe" ] || fail "the link or its pipe was replaced" ;;
cut_plugin)
  grep -q "^zelvani.files: plug-in .*/whole.spi read $work/back.png" "$work/log" ||
    fail "the whole plug-in did not read the background"
  ;;
esac
echo "PASS: $case_name"
