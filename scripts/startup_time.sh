#!/usr/bin/env bash
# How soon the game's window appears, beside kpat's as a yardstick of a desktop
# card game. Both start alternately on one X screen (Xvfb), each time with empty
# home and XDG folders; the time counts from the start until the program's main
# window is mapped (an X window of the expected name or class that is viewable).
# Prints every run, the medians and the ratio of the medians.
# Usage: scripts/startup_time.sh [tarvelo-binary [runs]]
# kpat is only the yardstick here, not a dependency of the game: install it
# (apt-get install kpat) to measure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$root/build/bin/tarvelo}"
runs="${2:-7}"

# Debian installs kpat among the games, outside a plain PATH.
kpat=$(command -v kpat || true)
[ -z "$kpat" ] && [ -x /usr/games/kpat ] && kpat=/usr/games/kpat
[ -n "$kpat" ] || { echo "startup_time.sh needs kpat to compare with: apt-get install kpat" >&2; exit 2; }
for tool in Xvfb xdotool xdpyinfo dbus-daemon; do
  command -v "$tool" >/dev/null || {
    echo "startup_time.sh needs $tool (packages xvfb, xdotool, x11-utils, dbus)" >&2
    exit 2
  }
done
[ -x "$program" ] || { echo "no game binary at $program (build it first, or name it)" >&2; exit 2; }

work=$(mktemp -d)
displayfile="$work/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
child=""
bus=""
cleanup() {
  [ -n "$child" ] && kill -9 "$child" 2>/dev/null || true
  [ -n "$bus" ] && kill "$bus" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 300); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# A session bus of this run's own, as on a desktop: kpat will not start without
# one. The game's sound opens SDL's dummy device (unless SDL_AUDIODRIVER says
# otherwise), so its start includes a device and the music's soundfont as on a
# desktop with sound.
busfile="$work/bus"
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3>"$busfile" 4>"$work/bus.pid"
bus=$(head -n 1 "$work/bus.pid")
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$busfile")
export DBUS_SESSION_BUS_ADDRESS
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

# One start: the milliseconds until a viewable window matching the search
# (xdotool search arguments) exists; the program is then ended.
measure() {
  local home
  home=$(mktemp -d "$work/home.XXXX")
  local start now found=""
  start=$(date +%s%N)
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    XDG_STATE_HOME="$home/.local/state" "${command[@]}" >/dev/null 2>&1 &
  child=$!
  # Twenty seconds at most. A short rest between tries leaves the processor to
  # the program measured; it costs at most those few milliseconds of resolution.
  while [ -z "$found" ]; do
    found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) || true
    now=$(date +%s%N)
    [ -z "$found" ] && sleep 0.003
    if ((now - start > 20000000000)); then
      echo "no window after 20 s: ${command[*]}" >&2
      kill -9 "$child" 2>/dev/null || true
      exit 1
    fi
  done
  kill -9 "$child" 2>/dev/null || true
  wait "$child" 2>/dev/null || true
  child=""
  rm -rf "$home"
  echo $(((now - start) / 1000000))
}

median() { tr ' ' '\n' <<<"$*" | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

game_times=()
kpat_times=()
for i in $(seq "$runs"); do
  # Alternate which one goes first, so neither always finds the caches warm.
  for who in $( ((i % 2)) && echo "game kpat" || echo "kpat game"); do
    if [ "$who" = game ]; then
      command=("$program")
      game_times+=("$(measure --name '^Tarvelo 5.0$')")
    else
      command=("$kpat")
      kpat_times+=("$(measure --classname '^kpat$')")
    fi
  done
done

game_median=$(median "${game_times[@]}")
kpat_median=$(median "${kpat_times[@]}")
echo "tarvelo runs (ms): ${game_times[*]}"
echo "kpat runs (ms):    ${kpat_times[*]}"
echo "tarvelo median: $game_median ms"
echo "kpat median:    $kpat_median ms"
awk -v g="$game_median" -v k="$kpat_median" 'BEGIN { printf "ratio tarvelo/kpat: %.2f\n", g / k }'
