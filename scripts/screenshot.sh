#!/usr/bin/env bash
# Starts the program under its own Xvfb with a window manager and saves a picture of
# its window. Usage: scripts/screenshot.sh BINARY OUTPUT.png [SCALE]
set -euo pipefail
binary=${1:?binary}
output=${2:?output png}
scale=${3:-1}

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$display_file")
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
QT_SCALE_FACTOR=$scale "$binary" &
app=$!
window=""
for _ in $(seq 400); do
  window=$(xdotool search --onlyvisible --name '^Lumetra$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.02
done
[ -n "$window" ] || { echo "window did not appear" >&2; exit 1; }
sleep 0.7
# The frame window that openbox adds holds the title bar: capture it too.
frame=$(xwininfo -id "$window" -children | awk '/Parent window id/ {print $4}')
import -window "${frame:-$window}" "$output"
echo "$output"
