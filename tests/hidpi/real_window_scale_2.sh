#!/usr/bin/env bash
# The real program at QT_SCALE_FACTOR=2 under a private Xvfb with openbox: its client area
# must be exactly twice the 377x343 pixels, fixed at that size, and the icon it hands the
# window manager must include renderings of 64 pixels or more, so that a doubled title bar
# or task switcher shows a sharp one (at scale 2 the 16-pixel icon is drawn from the 32-pixel one).
#
# Usage: real_window_scale_2.sh PATH/TO/lumetra

set -u -o pipefail

binary=${1:?usage: real_window_scale_2.sh PATH/TO/lumetra}
readonly EXPECTED_SIZE="754x686"

work=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-hidpi.XXXXXX")
xvfb_pid=""
wm_pid=""
app_pid=""
cleanup() {
  local pid
  for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 130' INT TERM

pass() { echo "PASS: $*"; }
fail() {
  echo "FAIL: $*"
  [ -s "$work/app.log" ] && { echo "--- program output ---"; cat "$work/app.log"; }
  exit 1
}
now_ms() { local t=${EPOCHREALTIME/[^0-9]/}; echo $((10#${t:0:-3})); }
poll() {
  local deadline=$(($(now_ms) + $1))
  shift
  while :; do
    "$@" && return 0
    (($(now_ms) < deadline)) || return 1
    sleep 0.02
  done
}

for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$binary" ] || { echo "FAIL: $binary is not an executable program"; exit 1; }

Xvfb -displayfd 3 -screen 0 1600x1200x24 -dpi 96 -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() { grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; }
poll 10000 display_ready || { cat "$work/xvfb.log"; fail "Xvfb did not report a display within 10 s"; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi

openbox_args=()
[ -f /etc/xdg/openbox/rc.xml ] && openbox_args=(--config-file /etc/xdg/openbox/rc.xml)
openbox "${openbox_args[@]}" >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll 10000 wm_ready || { cat "$work/openbox.log"; fail "openbox did not start within 10 s"; }

"$binary" >"$work/app.log" 2>&1 &
app_pid=$!
window=""
find_window() {
  window=$(xdotool search --onlyvisible --name '^Lumetra$' 2>/dev/null | head -n1)
  [ -n "$window" ]
}
app_exited() { ! kill -0 "$app_pid" 2>/dev/null; }
window_or_exit() { find_window || app_exited; }
poll 15000 window_or_exit && [ -n "$window" ] || fail "no window titled 'Lumetra' was mapped within 15 s"
pass "the window is mapped at scale 2"

geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: *//p')
[ "$geometry" = "$EXPECTED_SIZE" ] || fail "client area is '$geometry', expected $EXPECTED_SIZE"
pass "client area is $geometry"

hints=$(xprop -id "$window" WM_NORMAL_HINTS 2>/dev/null)
if ! grep -q 'minimum size: 754 by 686' <<<"$hints" || ! grep -q 'maximum size: 754 by 686' <<<"$hints"; then
  fail "the window is not fixed at $EXPECTED_SIZE; its size hints are: $hints"
fi
pass "the size is fixed at $EXPECTED_SIZE"

# xprop prints each image of _NET_WM_ICON as "Icon (W x H):".
icons=$(xprop -id "$window" _NET_WM_ICON 2>/dev/null | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | sort -un)
[ -n "$icons" ] || fail "the window offers no icon in _NET_WM_ICON"
largest=$(sed 's/x.*//' <<<"$icons" | sort -n | tail -n1)
[ "$largest" -ge 64 ] || fail "the largest icon offered is ${largest}px; sizes: $(tr '\n' ' ' <<<"$icons")"
for size in 32 64; do
  grep -qx "${size}x${size}" <<<"$icons" || fail "no ${size}x${size} icon offered; sizes: $(tr '\n' ' ' <<<"$icons")"
done
pass "icons offered: $(tr '\n' ' ' <<<"$icons")"

echo "PASS: Lumetra at scale 2"
