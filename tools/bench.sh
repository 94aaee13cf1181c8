#!/usr/bin/env bash
# Measures, each on one line:
#   - self-play rounds per second over 5 runs of 3,000 games (minimum, median, maximum),
#   - the same with the trace written to /dev/null,
#   - the game's start-up time to its first shown window under Xvfb (median of 5),
#   - the same as a ratio to a bare Qt Widgets window with an MDI area (zelvani-bare-window,
#     built in FOLDER too), the two started alternately under the same X server.
#   - the strong player at each effort (game, fast): decisions per second of processor
#     time and the slowest decision, over self-play games with seats 1, 2 and 3 strong.
#
#   tools/bench.sh [FOLDER]     FOLDER holds zelvani-selfplay and zelvani (default: build)
#
# BENCH_DISPLAY=N runs the X server on display :N; by default Xvfb picks a free one.
# The self-play runs check every rule at every step, as always. This is a measurement,
# not a test: nothing passes or fails on a figure. Other work on the machine lowers the
# figures, so run it when the machine is quiet, and compare builds in one run each.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=$(cd "${1:-$root/build}" && pwd) || exit 2
runs=5
games=3000

# "min A, median B, max C" of the numbers given.
spread() {
  local sorted
  mapfile -t sorted < <(printf '%s\n' "$@" | sort -g)
  echo "min ${sorted[0]}, median ${sorted[$((${#sorted[@]} / 2))]}, max ${sorted[-1]}"
}

# Rounds per second of one self-play run: its last line ends "R rounds/s". Every run
# plays the same games, from the same seed.
selfplay_rate() {
  "$bin/zelvani-selfplay" --games "$games" --seed 1 "$@" 2>/dev/null |
    awk '/^selfplay:/ { rate = $(NF - 1) } END { if (rate == "") exit 1; print rate }'
}

selfplay_line() {
  local label=$1 rates=() rate i
  shift
  for ((i = 0; i < runs; i++)); do
    if ! rate=$(selfplay_rate "$@"); then
      echo "$label: a run failed ($bin/zelvani-selfplay --games $games --seed 1 $*)"
      return
    fi
    rates+=("$rate")
  done
  echo "$label, rounds/s over $runs runs of $games games: $(spread "${rates[@]}")"
}

# Start-up: from starting the program to the X server mapping its first top-level window
# (one that is not override-redirect), as a client listening on the root window sees it.
# No window manager runs, so the map is not delayed by one; the server does not reset when
# its last client leaves, so no launch finds it resetting. Before each launch a property
# is set on the root window and every event up to it is skipped, so nothing left over
# from one launch counts for the next. One launch before the five is not counted: it
# writes the fresh settings and fills the file cache.
startup_line() {
  local label="start-up to the first shown window under Xvfb"
  local tool
  for tool in Xvfb xev xprop stdbuf; do
    if ! command -v "$tool" >/dev/null; then
      echo "$label: not measured ($tool is not installed)"
      return
    fi
  done
  local tmp display xvfb tries
  tmp=$(mktemp -d)
  mkdir -p "$tmp/config" "$tmp/runtime"
  chmod 700 "$tmp/runtime"
  if [ -n "${BENCH_DISPLAY:-}" ]; then
    display=":${BENCH_DISPLAY#:}"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" \
      >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
    for ((tries = 0; tries < 100; tries++)); do
      [ -s "$tmp/display" ] && break
      sleep 0.05
    done
    display=":$(head -n1 "$tmp/display")"
  fi
  local ready=0
  for ((tries = 0; tries < 100; tries++)); do
    # Our own server, not one that already held the display.
    kill -0 "$xvfb" 2>/dev/null || break
    if DISPLAY=$display xprop -root >/dev/null 2>&1; then
      ready=1
      break
    fi
    sleep 0.05
  done
  if [ $ready -eq 0 ]; then
    kill "$xvfb" 2>/dev/null
    echo "$label: not measured (no X server of its own on $display)"
    rm -rf "$tmp"
    return
  fi

  coproc XEV { exec stdbuf -oL xev -display "$display" -root -event substructure -event property; }
  local xev=${XEV_PID:-}

  # Sets the mark and skips every event up to it; xev may not be listening yet at the
  # first mark, so the mark is set again until it is seen. False if xev never answers.
  skip_to_mark() {
    local line tries
    for ((tries = 0; tries < 10; tries++)); do
      [ -n "${XEV[0]:-}" ] || return 1
      DISPLAY=$display xprop -root -f ZELVANI_BENCH 8s -set ZELVANI_BENCH mark
      while read -r -t 1 line <&"${XEV[0]}"; do
        [[ $line == *"(ZELVANI_BENCH)"* ]] && return 0
      done
    done
    return 1
  }

  # Milliseconds to the first shown window of one launch of the program given (the game
  # by default); nothing if none within 30 s.
  launch_ms() {
    local start shown="" line app program=${1:-$bin/zelvani}
    skip_to_mark || return 0
    start=$EPOCHREALTIME
    env DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$tmp/config" \
      XDG_RUNTIME_DIR="$tmp/runtime" "$program" >/dev/null 2>&1 &
    app=$!
    while read -r -t 30 line <&"${XEV[0]}"; do
      [[ $line == MapNotify* ]] || continue
      local mapped=$EPOCHREALTIME
      read -r -t 5 line <&"${XEV[0]}" || break
      if [[ $line == *"override NO"* ]]; then
        shown=$mapped
        break
      fi
    done
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    [ -n "$shown" ] && awk -v a="$start" -v b="$shown" 'BEGIN { printf "%.0f\n", (b - a) * 1000 }'
    return 0
  }

  launch_ms >/dev/null
  local times=() ms i
  for ((i = 0; i < runs; i++)); do
    ms=$(launch_ms)
    [ -n "$ms" ] && times+=("$ms")
  done
  local ratio
  ratio=$(startup_ratio_line)
  [ -n "$xev" ] && kill "$xev" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$tmp"
  if [ ${#times[@]} -ne $runs ]; then
    echo "$label: not measured (${#times[@]} of $runs launches showed a window)"
    return
  fi
  mapfile -t times < <(printf '%s\n' "${times[@]}" | sort -g)
  echo "$label, median of $runs: ${times[$((runs / 2))]} ms (all: ${times[*]} ms)"
  echo "$ratio"
}

# ---- The start-up against a bare window --------------------------------------------------
# Run inside startup_line, on its X server: the game and zelvani-bare-window (a Qt Widgets
# frame with an MDI area and nothing else) started in turn, so that both see the same load
# on a shared machine; the medians of each and the ratio of the medians.
ratio_runs=11

startup_ratio_line() {
  local label="start-up as a ratio to a bare Qt window with an MDI area"
  local bare=$bin/zelvani-bare-window
  if [ ! -x "$bare" ]; then
    echo "$label: not measured (no $bare)"
    return
  fi
  launch_ms "$bare" >/dev/null
  local games=() bares=() ms i
  for ((i = 0; i < ratio_runs; i++)); do
    ms=$(launch_ms) && [ -n "$ms" ] && games+=("$ms")
    ms=$(launch_ms "$bare") && [ -n "$ms" ] && bares+=("$ms")
  done
  if [ ${#games[@]} -ne $ratio_runs ] || [ ${#bares[@]} -ne $ratio_runs ]; then
    echo "$label: not measured (${#games[@]} and ${#bares[@]} of $ratio_runs launches showed a window)"
    return
  fi
  mapfile -t games < <(printf '%s\n' "${games[@]}" | sort -g)
  mapfile -t bares < <(printf '%s\n' "${bares[@]}" | sort -g)
  local game=${games[$((ratio_runs / 2))]} plain=${bares[$((ratio_runs / 2))]}
  echo "$label, medians of $ratio_runs alternate launches: game $game ms, bare $plain ms," \
    "ratio $(awk -v a="$game" -v b="$plain" 'BEGIN { printf "%.2f", a / b }')"
}

# The strong seats' decisions, timed by zelvani-selfplay itself in processor time: its
# line "strong decisions: N, R a second of processor time, slowest S ms".
strong_line() {
  local effort=$1 games=$2 line
  line=$("$bin/zelvani-selfplay" --games "$games" --seed 1 --strong 1,2,3 --effort "$effort" \
    2>/dev/null | grep '^strong decisions:')
  if [ -z "$line" ]; then
    echo "strong player, effort $effort: a run failed"
    return
  fi
  echo "strong player, effort $effort, $games games with seats 1-3 strong: ${line#strong decisions: }"
}

echo "tools/bench.sh: $bin"
selfplay_line "self-play"
selfplay_line "self-play with --trace /dev/null" --trace /dev/null
strong_line game 10
strong_line fast 100
startup_line
