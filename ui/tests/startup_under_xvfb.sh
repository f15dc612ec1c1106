#!/usr/bin/env bash
# Starts the game on an X screen (1600x1200 unless given) with an empty home
# folder and checks that its window "Tarvelo 5.0" comes up at the expected size
# (1280x1024, the largest that fits, unless given). A size as wide as the screen
# is maximized when its height fits too: with no window manager here, it must
# still cover the screen. Then it checks the titles the window manager is given:
# the table's, the Rules dialog's and the help's, each its own caption alone.
set -euo pipefail
program="$1"
screen="${2:-1600x1200}"
expected="${3:-1280x1024}"
home=$(mktemp -d)
# Xvfb picks a free display itself and writes its number once it accepts clients.
# Two servers choosing at the same moment can take each other's socket, so the
# tests that run side by side start their servers one at a time. Without
# -noreset the server resets when its last client (the readiness probe) leaves,
# and a game connecting in that moment is turned away.
displayfile="$home/display"
exec 9>"${TMPDIR:-/tmp}/tarvelo-xvfb-start.lock"
flock 9
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$displayfile" 9>&- >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${game:-}" "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
for _ in $(seq 300); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY takes no clients"; exit 1; }
flock -u 9
exec 9>&-

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

# The titles the window manager shows are the windows' own captions, with
# nothing appended: the table, a dialog opened from the menu, and the help.
title_of() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }
expect_title() {  # window, title
  local shown
  shown=$(title_of "$1")
  echo "title '$shown'"
  [ "$shown" = "$2" ] || { echo "expected the title '$2'"; exit 1; }
}
find_window() {  # the first window whose title starts with the text
  local found=""
  for _ in $(seq 50); do
    found=$(xdotool search --name "^$1" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || { echo "no window titled '$1' appeared" >&2; exit 1; }
  echo "$found"
}
expect_title "$window" "Tarvelo 5.0"
xdotool windowfocus "$window"
xdotool key --delay 100 alt+o r
rules=$(find_window "Rules")
expect_title "$rules" "Rules"
xdotool key Escape
sleep 0.3
xdotool windowfocus "$window"
xdotool key F1
help=$(find_window "Tarvelo Help")
expect_title "$help" "Tarvelo Help"
echo "passed"
