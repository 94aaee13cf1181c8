#!/usr/bin/env bash
# The installed game. Usage: InstallTest.sh CASE BUILD_DIR STAGE_DIR APP_ID VERSION
#   install                 cmake --install into STAGE_DIR with DESTDIR, then move it
#   runs_from_its_install   the moved program, started elsewhere, finds all its files there
#   command_line            --help, --version and a refused option, with no display
#   desktop_files_validate  the installed desktop entry and AppStream data pass the validators
#   package                 cpack builds the Debian package, which holds everything and
#                           which lintian finds no error in
set -euo pipefail
case_name=$1 build=$2 stage=$3 app_id=$4 version=$5

# The install is moved after it is made, so nothing can rely on where it was put.
root=$stage/moved/usr
program=$root/games/zelvani

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

case $case_name in
install)
  rm -rf "$stage"
  mkdir -p "$stage"
  DESTDIR="$stage/made" cmake --install "$build" --prefix /usr >"$stage/install.log"
  mv "$stage/made" "$stage/moved"
  [ -x "$program" ] || fail "no program at $program"
  ;;

runs_from_its_install)
  work=$(mktemp -d)
  pid=
  trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
  root=$(realpath "$root")
  # A picture that only the shipped plug-in can read, as a seat's background, so that
  # the plug-in is loaded as well as the default files.
  cp "$root/share/icons/hicolor/48x48/apps/$app_id.png" "$work/back.png"
  mkdir -p "$work/config/Hollyfen"
  printf '[Form]\nPlayer1\\Back=back.png\n' >"$work/config/Hollyfen/Zelvani.ini"
  cd "$work"
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
    QT_LOGGING_RULES='zelvani.files.debug=true' QT_MESSAGE_PATTERN='%{category}: %{message}' \
    "$program" >"$work/log" 2>&1 &
  pid=$!
  data=$root/share/games/zelvani
  expected=(
    "Cards.bmp found at $data/Cards.bmp"
    "Click.wav found at $data/Click.wav"
    "Suteru.wav found at $data/Suteru.wav"
    "YakuDasu.wav found at $data/YakuDasu.wav"
    "Logo1.bmp found at $data/Logo1.bmp"
    "Logo2.bmp found at $data/Logo2.bmp"
    "Zelvani.hlp found at $data/Zelvani.hlp"
    "plug-in $root/lib/games/zelvani/plugins/ifimage.spi read back.png"
    "icon found at $root/share/icons/hicolor/48x48/apps/$app_id.png"
  )
  # Waits for start-up to have looked everything up; a start-up that hangs or dies fails.
  for _ in $(seq 600); do
    missing=0
    for line in "${expected[@]}"; do
      grep -qxF "zelvani.files: $line" "$work/log" || missing=$((missing + 1))
    done
    [ $missing -eq 0 ] && break
    grep -q '^zelvani\.files: .* not found$' "$work/log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  for line in "${expected[@]}"; do
    grep -qxF "zelvani.files: $line" "$work/log" || { cat "$work/log" >&2; fail "not logged: $line"; }
  done
  # Nothing was taken from anywhere but the install (and the background from here).
  if grep -E '^zelvani\.files: .* (found at|read) ' "$work/log" | grep -vF "$root/" |
    grep -v 'back.png'; then
    fail "a file was found outside the install"
  fi
  kill -0 "$pid" 2>/dev/null || fail "the game did not keep running"
  ;;

command_line)
  quiet=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_MESSAGES)
  [ "$("${quiet[@]}" LC_ALL=C.UTF-8 "$program" --version)" = "zelvani $version" ] ||
    fail "--version"
  "${quiet[@]}" LC_ALL=C.UTF-8 "$program" --help | grep -q '^Usage: zelvani' || fail "--help"
  "${quiet[@]}" LC_ALL=ja_JP.UTF-8 "$program" --help | grep -q '^使い方: zelvani' ||
    fail "--help in Japanese"
  status=0
  "${quiet[@]}" LC_ALL=C.UTF-8 "$program" --no-such-option 2>"$stage/refused" || status=$?
  [ $status -eq 2 ] || fail "an unknown option ended with $status"
  grep -q "unknown option '--no-such-option'" "$stage/refused" || fail "the refusal says why"
  [ "$("${quiet[@]}" "$root/games/zelvani-selfplay" --version)" = "zelvani-selfplay $version" ] ||
    fail "zelvani-selfplay --version"
  ;;

desktop_files_validate)
  desktop=$root/share/applications/$app_id.desktop
  desktop-file-validate "$desktop"
  appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml"
  grep -qx 'Exec=/usr/games/zelvani' "$desktop" || fail "Exec names the installed program"
  grep -qx "Icon=$app_id" "$desktop" || fail "the icon"
  for size in 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x$size/apps/$app_id.png" ] || fail "icon $size"
  done
  ;;

package)
  rm -rf "$stage"
  mkdir -p "$stage"
  (cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log) ||
    { cat "$stage/cpack.log" >&2; fail "cpack"; }
  deb=$stage/zelvani_${version}_$(dpkg --print-architecture).deb
  [ -f "$deb" ] || fail "no $deb"
  dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$stage/files"
  for file in /usr/games/zelvani /usr/games/zelvani-selfplay \
    /usr/share/games/zelvani/{Cards.bmp,Click.wav,Suteru.wav,YakuDasu.wav,Logo1.bmp,Logo2.bmp,Zelvani.hlp,Zelvani.en.hlp} \
    /usr/lib/games/zelvani/plugins/ifimage.spi \
    /usr/share/applications/$app_id.desktop /usr/share/metainfo/$app_id.metainfo.xml \
    /usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$app_id.png \
    /usr/share/man/man6/{zelvani,zelvani-selfplay}.6.gz \
    /usr/share/doc/zelvani/{copyright,changelog.gz}; do
    grep -qxF "$file" "$stage/files" || fail "the package lacks $file"
  done
  depends=$(dpkg-deb --field "$deb" Depends)
  for library in libqt6widgets6 libqt6multimedia6 libqt6gui6 libstdc++6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
  done
  [ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "section"
  # CI runs as root, where lintian only warns that it should not; that is no fault here.
  as_root=()
  [ "$(id -u)" -eq 0 ] && as_root=(--allow-root)
  lintian "${as_root[@]}" --fail-on error "$deb" >"$stage/lintian.log" 2>&1 ||
    { cat "$stage/lintian.log" >&2; fail "lintian found errors"; }
  ;;

*)
  fail "unknown case $case_name"
  ;;
esac
