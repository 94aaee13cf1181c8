#!/bin/sh
# Runs the Windows programs of a cross build under Wine, in a Wine prefix of the test
# run's own in a temporary folder, so the user's own prefix is never touched.
#   wine.sh create STATE     make a fresh prefix and note its folder in the file STATE
#   wine.sh run STATE PROG [ARGS...]   run a program in the noted prefix
#   wine.sh remove STATE     stop the prefix's Wine server and delete the prefix
# The 64-bit loader is called directly: the plain "wine" command needs the 32-bit part.
set -eu
wine_dir=${ZELVANI_WINE_DIR:-/usr/lib/wine}
export WINEDEBUG=-all
# No windows, no menu entries, no Mono or Gecko prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

action=$1
state=$2
shift 2

noted_prefix() {
  if [ ! -s "$state" ]; then
    echo "wine.sh: no Wine prefix noted in $state; run the tests through ctest" >&2
    exit 2
  fi
  cat "$state"
}

# Only a folder this script made is ever deleted.
remove_prefix() {
  prefix=$1
  case "$(basename "$prefix")" in
    zelvani-wine.*) ;;
    *) return 0 ;;
  esac
  [ -d "$prefix" ] || return 0
  WINEPREFIX=$prefix "$wine_dir/wineserver" -k 2>/dev/null || true
  WINEPREFIX=$prefix "$wine_dir/wineserver" -w 2>/dev/null || true
  rm -rf "$prefix"
}

case $action in
  create)
    if [ -s "$state" ]; then
      remove_prefix "$(cat "$state")"
    fi
    prefix=$(mktemp -d "${TMPDIR:-/tmp}/zelvani-wine.XXXXXX")
    echo "$prefix" >"$state"
    started=$(date +%s)
    # wineboot fills the new prefix; waiting for the server makes sure it is complete.
    WINEPREFIX=$prefix "$wine_dir/wine64" wineboot --init >/dev/null 2>&1 || true
    WINEPREFIX=$prefix "$wine_dir/wineserver" -w
    if [ ! -f "$prefix/system.reg" ]; then
      echo "wine.sh: Wine could not make a prefix in $prefix" >&2
      exit 1
    fi
    echo "Wine prefix $prefix made in $(($(date +%s) - started)) s"
    ;;
  run)
    WINEPREFIX=$(noted_prefix) exec "$wine_dir/wine64" "$@"
    ;;
  remove)
    if [ -s "$state" ]; then
      remove_prefix "$(cat "$state")"
      rm -f "$state"
    fi
    ;;
  *)
    echo "wine.sh: unknown action $action" >&2
    exit 2
    ;;
esac
