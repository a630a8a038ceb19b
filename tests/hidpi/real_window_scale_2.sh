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

# shellcheck source=SCRIPTDIR/../x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x_session.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-hidpi.XXXXXX")
app_pid=""
cleanup() {
  xs_stop "$app_pid" "$WM_PID" "$XVFB_PID"
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

for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$binary" ] || { echo "FAIL: $binary is not an executable program"; exit 1; }

xs_start_xvfb "$work" 1600x1200 10000 || { cat "$work/xvfb.log"; fail "Xvfb did not report a display within 10 s"; }
xs_qt_env
export QT_SCALE_FACTOR=2
xs_runtime_dir "$work"
xs_start_openbox "$work" 10000 || { cat "$work/openbox.log"; fail "openbox did not start within 10 s"; }

"$binary" >"$work/app.log" 2>&1 &
app_pid=$!
xs_wait_window Lumetra "$app_pid" 15000 || fail "no window titled 'Lumetra' was mapped within 15 s"
window=$XS_WINDOW
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
