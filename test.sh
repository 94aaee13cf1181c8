#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build in build/,
# then the logic library and its tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
source "$(dirname "$0")/tools/bootstrap.sh"

zelvani_install_packages "${zelvani_build_packages[@]}" "${zelvani_package_tools[@]}"

export QT_QPA_PLATFORM=offscreen
# Tests never touch the real user's settings.
test_home=$(mktemp -d)
trap 'rm -rf "$test_home"' EXIT
export XDG_CONFIG_HOME="$test_home/config"

zelvani_build build
(cd "$zelvani_root/build" && ctest --output-on-failure --parallel "$(nproc)")

zelvani_build build-asan -DZELVANI_GUI=OFF -DZELVANI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$zelvani_root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --parallel "$(nproc)")
echo "All tests passed."
