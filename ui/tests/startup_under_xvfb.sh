#!/usr/bin/env bash
# Starts the game on an X screen (1600x1200 unless given) with an empty home
# folder and checks that its window "Tarvelo 5.0" comes up at the expected size
# (1280x1024, the largest that fits, unless given). A size as wide as the screen
# is maximized when its height fits too: with no window manager here, it must
# still cover the screen.
set -euo pipefail
program="$1"
screen="${2:-1600x1200}"
expected="${3:-1280x1024}"
home=$(mktemp -d)
# Xvfb picks a free display itself and writes its number once it accepts clients.
displayfile="$home/display"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${game:-}" "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
for _ in $(seq 300); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

start=$(date +%s%N)
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" "$program" &
game=$!
window=""
for _ in $(seq 200); do  # twenty seconds at most
  window=$(xdotool search --name '^Tarvelo 5.0$' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no window titled 'Tarvelo 5.0' appeared"; exit 1; }
echo "window after $(( ($(date +%s%N) - start) / 1000000 )) ms"
sleep 0.5
geometry=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
echo "window size ${width} x ${height}"
[ "${width}x${height}" = "$expected" ] || { echo "expected $expected"; exit 1; }
kill -0 "$game" || { echo "the game exited"; exit 1; }
echo "passed"
