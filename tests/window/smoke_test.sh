#!/usr/bin/env bash
# Real-window smoke test of Lumetra.
#
# Usage: smoke_test.sh PATH/TO/lumetra
#
# Starts a private Xvfb server with the openbox window manager, runs the program in it
# and drives it like a person with xdotool: it checks the window's title and size, the
# initial focus and the first steps of the Tab order, types a heading of 30, presses
# Calculate, reads the light position back through the clipboard and finally closes the
# window with Alt+F4 through the window manager, expecting the program to exit with
# status 0.
#
# Needs: Xvfb, openbox, xdotool, xclip, xprop (x11-utils); import (imagemagick) for the
# screenshot taken on failure. On failure the screenshot is saved to
# ${SMOKE_ARTIFACTS:-/tmp}/lumetra-smoke-failure.png.

set -u -o pipefail

binary=${1:?usage: smoke_test.sh PATH/TO/lumetra}
artifacts=${SMOKE_ARTIFACTS:-/tmp}
screenshot="$artifacts/lumetra-smoke-failure.png"

# The window's client area and the centres of the controls that the test touches, in
# pixels relative to the client area (stored twips divided by 15; controls inside a
# frame are offset by the frame's top-left corner).
readonly EXPECTED_SIZE="377x343"
readonly HEADING_XY="208 89"     # txtHeading: frame 168,56 + 16,24; 49x19
readonly CALCULATE_XY="340 96"   # btnCalculate: 312,80; 57x33
readonly X_XY="260 233"          # txtX: frame 160,208 + 64,16; 73x19
readonly Y_XY="260 257"          # txtY: frame 160,208 + 64,40; 73x19

work=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-smoke.XXXXXX")
xvfb_pid=""
wm_pid=""
app_pid=""
window=""

cleanup() {
  local pid
  for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || true
  done
  for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
    [ -n "$pid" ] || continue
    # Give each process a moment to go, then make sure it is gone.
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 130' INT TERM

pass() { echo "PASS: $*"; }

# Records a failure, saves a screenshot of the whole screen and stops the test.
fail() {
  echo "FAIL: $*"
  if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null 2>&1; then
    mkdir -p "$artifacts" 2>/dev/null || true
    if import -window root "$screenshot" 2>/dev/null; then
      echo "FAIL: screenshot saved to $screenshot"
    else
      echo "FAIL: could not save a screenshot to $screenshot"
    fi
  fi
  if [ -s "$work/app.log" ]; then
    echo "--- program output ---"
    cat "$work/app.log"
    echo "----------------------"
  fi
  echo "FAIL: Lumetra real-window smoke test"
  exit 1
}

# now_ms: the wall-clock time in milliseconds.
now_ms() { local t=${EPOCHREALTIME/[^0-9]/}; echo $((10#${t:0:-3})); }

# poll MILLISECONDS COMMAND...: runs COMMAND every 20 ms until it succeeds or until
# MILLISECONDS have passed; succeeds when COMMAND did.
poll() {
  local deadline=$(($(now_ms) + $1))
  shift
  while :; do
    "$@" && return 0
    (($(now_ms) < deadline)) || return 1
    sleep 0.02
  done
}

for tool in Xvfb openbox xdotool xclip xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$binary" ] || { echo "FAIL: $binary is not an executable program"; exit 1; }

# --- X server and window manager -------------------------------------------------------

display_ready() { grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; }
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
poll 10000 display_ready || {
  cat "$work/xvfb.log"
  fail "Xvfb did not report a display within 10 s"
}
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
  QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
export QT_QPA_PLATFORM=xcb
pass "Xvfb runs on display $DISPLAY"

openbox_args=()
[ -f /etc/xdg/openbox/rc.xml ] && openbox_args=(--config-file /etc/xdg/openbox/rc.xml)
openbox "${openbox_args[@]}" >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll 10000 wm_ready || { cat "$work/openbox.log"; fail "openbox did not start within 10 s"; }
pass "openbox manages the display"

# --- Start-up --------------------------------------------------------------------------

"$binary" >"$work/app.log" 2>&1 &
app_pid=$!

find_window() {
  window=$(xdotool search --onlyvisible --name '^Lumetra$' 2>/dev/null | head -n1)
  [ -n "$window" ]
}
app_exited() { ! kill -0 "$app_pid" 2>/dev/null; }
window_or_exit() { find_window || app_exited; }
if ! poll 10000 window_or_exit || [ -z "$window" ]; then
  if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid"
    status=$?
    app_pid=""
    fail "the program exited with status $status before a window titled 'Lumetra' appeared"
  fi
  fail "no visible window titled 'Lumetra' appeared within 10 s"
fi
count=$(xdotool search --onlyvisible --name '^Lumetra$' 2>/dev/null | wc -l)
[ "$count" -eq 1 ] || fail "expected one visible window titled 'Lumetra', found $count"
pass "window $window titled 'Lumetra' is visible"

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
poll 10000 is_active || fail "the Lumetra window did not become the active window within 10 s"
# Let the toolkit finish its first paint and settle the focus inside the window.
sleep 0.3

title=$(xprop -id "$window" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
[ "$title" = "Lumetra" ] || fail "window title is '$title', expected 'Lumetra'"
pass "window title is exactly 'Lumetra'"

geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: *//p')
[ "$geometry" = "$EXPECTED_SIZE" ] || fail "client area is '$geometry', expected $EXPECTED_SIZE"
pass "client area is $geometry"

hints=$(xprop -id "$window" WM_NORMAL_HINTS 2>/dev/null)
if ! grep -q 'minimum size: 377 by 343' <<<"$hints" \
  || ! grep -q 'maximum size: 377 by 343' <<<"$hints"; then
  fail "window is not fixed at 377x343; its size hints are: $hints"
fi
pass "window size is fixed (minimum = maximum = 377x343)"

# --- Helpers that act like a person ----------------------------------------------------

# click X Y: moves the pointer to X,Y of the client area and clicks the left button.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

key() { xdotool key --clearmodifiers "$@"; }

clipboard_is() { [ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }

# expect_copy WHAT EXPECTED: selects all of the focused field, copies it and checks that
# the clipboard then holds EXPECTED. Every value read in this test differs from the one
# read before it, so a clipboard that still holds the previous copy never passes.
expect_copy() {
  local what=$1 expected=$2
  key ctrl+a
  key ctrl+c
  if ! poll 3000 clipboard_is "$expected"; then
    local got
    got=$(timeout 2 xclip -selection clipboard -o 2>&1)
    fail "$what reads '$got', expected '$expected'"
  fi
  pass "$what reads '$expected'"
}

# --- Initial focus and Tab order -------------------------------------------------------

# The focus starts on Calculate; Tab goes to the pitch field, then to the heading field.
key Tab
expect_copy "first field after Tab from the initial focus (pitch)" "45.0"
key Tab
expect_copy "second field in the Tab order (heading)" "90.0"

# --- Typing a heading and calculating --------------------------------------------------

# shellcheck disable=SC2086
click $HEADING_XY
key ctrl+a
xdotool type --delay 40 "30"
key Tab
# Tab from the heading goes to txtX, which still shows the stored position.
expect_copy "field after Tab from the heading (X, before Calculate)" "0.000000"
key shift+Tab
expect_copy "heading field after typing 30 and Tab" "30.0"

# shellcheck disable=SC2086
click $CALCULATE_XY

# shellcheck disable=SC2086
click $X_XY
expect_copy "Max X after Calculate (heading 30, pitch 45, distance 1000)" "-612.372436"
# shellcheck disable=SC2086
click $Y_XY
expect_copy "Max Y after Calculate" "353.553391"

# --- Closing through the window manager ------------------------------------------------

poll 5000 is_active || fail "the Lumetra window is not active before closing it"
# Alt+F4 is openbox's default binding for closing the active window with its close box.
key alt+F4
poll 5000 app_exited || fail "the program did not exit within 5 s of closing its window"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program exited with status $status after its window was closed"
pass "closing the window with its close box ends the program with status 0"

echo "PASS: Lumetra real-window smoke test"
