#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
source "$(dirname "$0")/tools/bootstrap.sh"

# The fonts make the Japanese captions readable on a machine that has none.
zelvani_install_packages "${zelvani_build_packages[@]}" fonts-noto-cjk
zelvani_build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start an X server (or Xvfb) and set DISPLAY, then run ./play.sh again." >&2
  exit 1
fi
exec "$zelvani_root/build/zelvani" "$@"
