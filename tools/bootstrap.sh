#!/usr/bin/env bash
# Shared set-up of play.sh and test.sh: install the Debian packages that are missing,
# then configure and build. Safe to run again; fast when everything is in place.
set -euo pipefail

zelvani_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs the named Debian packages that are not installed yet.
zelvani_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Packages ${missing[*]} are missing and this is not root, with no sudo." >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# qt6-translations-l10n: Qt's own buttons and dialogs in Japanese, checked by the tests.
# qt6-l10n-tools: lrelease, which builds the game's translations, and lupdate, with which
# the tests check that the translation files hold every text of the sources.
zelvani_build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools
  qt6-multimedia-dev libgtest-dev libgl-dev qt6-translations-l10n qt6-l10n-tools)
# What the tests of the install and the Debian package use: the validators of desktop
# entries and AppStream data, dpkg-shlibdeps (dpkg-dev) with file, which cpack runs, and
# lintian, Debian's checker of the built package.
zelvani_package_tools=(desktop-file-utils appstream dpkg-dev file lintian)
# The cross build for Windows that test.sh runs under Wine: MinGW-w64, Wine's 64-bit
# loader and GoogleTest's sources to build with that compiler.
zelvani_windows_packages=(g++-mingw-w64-x86-64-posix wine64 googletest)

# Configures (once) and builds one build folder. Extra arguments go to cmake.
zelvani_build() {
  local dir=$1
  shift
  if [ ! -f "$zelvani_root/$dir/build.ninja" ]; then
    cmake -S "$zelvani_root" -B "$zelvani_root/$dir" -G Ninja "$@"
  fi
  cmake --build "$zelvani_root/$dir" --parallel "$(nproc)"
}
