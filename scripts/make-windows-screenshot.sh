#!/usr/bin/env bash
# Takes the picture of Lumetra.exe under Wine for the README: the window with the frame that
# Wine draws as Windows would, on a desktop of its own at 96 dots per inch, or at the density
# given (Wine's LogPixels; the window scales its twips and makes its font at that density).
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
# Wine draws the window's frame itself, as Windows would, with the close box only: the window
# manager is told to leave the window undecorated instead of drawing its own frame and boxes.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
# Its caption buttons are glyphs of Wine's Marlett, which this Wine, as with Tahoma (see
# scripts/wine-prefix.sh), finds only in the prefix.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
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
# Wine's window holds its own frame and title bar: it is the picture.
import -window "$XS_WINDOW" "$output"
echo "$output: the window with its frame is $(xwininfo -id "$XS_WINDOW" | awk '
  /Width/ {w = $2} /Height/ {h = $2} END {printf "%sx%s", w, h}') at $dpi dpi"
