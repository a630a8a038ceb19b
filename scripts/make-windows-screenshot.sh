#!/usr/bin/env bash
# Takes the picture of Lumetra.exe under Wine for the README: the window with its frame,
# on a desktop of its own at 96 dots per inch, or at the density given (Wine's LogPixels;
# the window scales its twips and makes its font at that density).
#
# Usage: scripts/make-windows-screenshot.sh [Lumetra.exe [OUTPUT.png [DPI]]]
#        (defaults: build/windows/app/Lumetra.exe, docs/lumetra-windows.png, 96)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(realpath "${1:-build/windows/app/Lumetra.exe}")
output=${2:-docs/lumetra-windows.png}
dpi=${3:-96}
# shellcheck source=SCRIPTDIR/../tests/wine_session.sh
source tests/wine_session.sh

work=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-windows-screenshot.XXXXXX")
app=""
trap 'xs_stop "$app"; ws_stop; rm -rf "$work"' EXIT
ws_start "$work" 1600x1200
if [ "$dpi" != 96 ]; then
  # Wine reads the system density from the user's desktop settings when a program starts.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi
wine "$binary" >"$work/app.log" 2>&1 &
app=$!
xs_wait_window Lumetra "$app" 60000 || { cat "$work/app.log" >&2; echo "no Lumetra window appeared" >&2; exit 1; }
# The pointer rests outside the window, where it lights up nothing.
xdotool mousemove 0 0
# The picture is taken once two taken a moment apart agree: the window has painted.
settled() {
  local a b
  a=$(import -window "$XS_WINDOW" ppm:- 2>/dev/null | md5sum) && sleep 0.2 &&
    b=$(import -window "$XS_WINDOW" ppm:- 2>/dev/null | md5sum) && [ "$a" = "$b" ]
}
poll 10000 settled || true
# The frame window that openbox adds holds the title bar: it is taken too.
frame=$(xwininfo -id "$XS_WINDOW" -children | awk '/Parent window id/ {print $4}')
import -window "${frame:-$XS_WINDOW}" "$output"
echo "$output: the client area is $(xwininfo -id "$XS_WINDOW" | awk '
  /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} /Width/ {w = $2} /Height/ {h = $2}
  END {printf "%sx%s at %s,%s", w, h, x, y}') at $dpi dpi"
