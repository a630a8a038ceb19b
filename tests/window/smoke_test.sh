#!/usr/bin/env bash
# Real-window smoke test of Lumetra.
#
# Usage: smoke_test.sh PATH/TO/lumetra
#
# Runs the program under a private Xvfb server with the openbox window manager and drives
# it like a person with xdotool: it checks the window's title and size, the initial focus
# and the first steps of the Tab order, types a heading of 30, presses Calculate, reads the
# light position back through the clipboard and finally closes the window with Alt+F4
# through the window manager, expecting the program to exit with status 0.
#
# The helpers are those of the acceptance suite (tests/acceptance/lib.sh). On failure a
# screenshot is saved to ${SMOKE_ARTIFACTS:-/tmp}/real_window_smoke-failure.png.
export ACCEPTANCE_ARTIFACTS=${SMOKE_ARTIFACTS:-${ACCEPTANCE_ARTIFACTS:-/tmp}}
source "$(dirname "$0")/../acceptance/lib.sh"
acc_begin real_window_smoke "${1:?usage: smoke_test.sh PATH/TO/lumetra}"
acc_start_display
pass "Xvfb runs on display $DISPLAY, managed by openbox"
acc_start_app
pass "window $WIN titled 'Lumetra' is visible and active"

title=$(xprop -id "$WIN" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
[ "$title" = "Lumetra" ] || fail "window title is '$title', expected 'Lumetra'"
geometry=$(xdotool getwindowgeometry "$WIN" | sed -n 's/^ *Geometry: *//p')
[ "$geometry" = "$CLIENT_SIZE" ] || fail "client area is '$geometry', expected $CLIENT_SIZE"
hints=$(xprop -id "$WIN" WM_NORMAL_HINTS)
if ! grep -q 'minimum size: 377 by 343' <<<"$hints" || ! grep -q 'maximum size: 377 by 343' <<<"$hints"; then
  fail "window is not fixed at 377x343; its size hints are: $hints"
fi
pass "title 'Lumetra', client area $geometry, fixed size"

# The focus starts on Calculate; Tab goes to the pitch field, then to the heading field.
expect_tab_stop Tab "the pitch field" "45.0"
expect_tab_stop Tab "the heading field" "90.0"
pass "Tab from the initial focus reaches the pitch, then the heading"

enter txtHeading 30
# Tab from the heading goes to Max X, which still shows the stored position.
expect_tab_stop Tab "Max X, before Calculate" "0.000000"
expect_tab_stop shift+Tab "the heading, typed as 30 and left" "30.0"
pass "the heading typed as 30 reads '30.0' once left"

click_control btnCalculate
expect_field txtX -612.372436 "heading 30, pitch 45, distance 1000"
expect_field txtY 353.553391 "heading 30, pitch 45, distance 1000"

poll 5000 is_active "$WIN" || fail "the Lumetra window is not active before closing it"
# Alt+F4 is openbox's default binding for closing the active window, as its close box does.
key alt+F4
expect_exit "closing the window with Alt+F4"

echo "PASS: Lumetra real-window smoke test"
