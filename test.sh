#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build in build/,
# then the logic library and its tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/, and last for Windows in build-windows/,
# tested under Wine.
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

# The logic, the registry back end and the self-play tool cross-built for Windows in
# build-windows/, their tests run under Wine, and the self-play trace compared with the
# native one. A machine where Wine cannot run is told so and skips only this part.
windows_tests() {
  echo "== Windows build (MinGW-w64) in build-windows/, tests under Wine =="
  if ! zelvani_install_packages "${zelvani_windows_packages[@]}"; then
    echo "Windows build SKIPPED: MinGW-w64, Wine or GoogleTest's sources cannot be installed."
    return 0
  fi
  local dir="$zelvani_root/build-windows" started=$SECONDS
  zelvani_build build-windows -DZELVANI_GUI=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$zelvani_root/tools/windows/mingw-w64-x86_64.cmake" \
    -DZELVANI_NATIVE_SELFPLAY="$zelvani_root/build/zelvani-selfplay"
  local built=$SECONDS
  if ! (cd "$dir" && ctest --output-on-failure --parallel "$(nproc)"); then
    if grep -q ':wine_prefix_create$' "$dir/Testing/Temporary/LastTestsFailed.log" 2>/dev/null; then
      echo "Windows tests SKIPPED: Wine cannot run programs on this machine."
      return 0
    fi
    return 1
  fi
  grep -m1 '^Identical traces' "$dir/Testing/Temporary/LastTest.log" || {
    echo "The self-play traces were not compared." >&2
    return 1
  }
  echo "Windows build and tests under Wine passed (build $((built - started)) s," \
    "tests $((SECONDS - built)) s)."
}
windows_tests
echo "All tests passed."
