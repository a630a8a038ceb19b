#!/usr/bin/env bash
# The window under a real window manager: its title, fixed size and title-bar boxes as the
# window manager is asked for them; one number typed, tidied on leaving its field and
# calculated with, read back through the clipboard; and the close box that openbox draws,
# which must end the program with status 0 and no question.
#
# Usage: window.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin window "${1:?usage: window.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app

count=$(xdotool search --onlyvisible --name '^Lumetra$' | wc -l)
[ "$count" -eq 1 ] || fail "expected one visible window titled 'Lumetra', found $count"
title=$(xprop -id "$WIN" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
[ "$title" = "Lumetra" ] || fail "the window title is '$title', expected 'Lumetra'"
pass "one window, titled exactly 'Lumetra'"

geometry=$(xdotool getwindowgeometry "$WIN" | sed -n 's/^ *Geometry: *//p')
[ "$geometry" = "$CLIENT_SIZE" ] || fail "the client area is $geometry, expected $CLIENT_SIZE"
hints=$(xprop -id "$WIN" WM_NORMAL_HINTS)
if ! grep -q 'minimum size: 377 by 343' <<<"$hints" || ! grep -q 'maximum size: 377 by 343' <<<"$hints"; then
  fail "the window's size is not fixed at 377x343; its size hints are: $hints"
fi
pass "the client area is $CLIENT_SIZE, and its minimum and maximum size are both 377x343"

# The Motif hints name the functions and decorations the program asks for: flags, then
# functions (2 resize, 4 move, 8 minimise, 16 maximise, 32 close) and decorations
# (8 title, 16 menu, 32 minimise box, 64 maximise box); bit 1 of either means "all".
motif=$(xprop -id "$WIN" _MOTIF_WM_HINTS | sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = //p')
IFS=', ' read -r m_flags m_functions m_decorations _ <<<"$motif"
[ -n "${m_decorations:-}" ] || fail "the window sets no _MOTIF_WM_HINTS"
((m_flags & 1 && m_flags & 2)) || fail "the Motif hints ($motif) do not state both functions and decorations"
((!(m_functions & 1) && !(m_functions & 8) && !(m_functions & 16) && m_functions & 32 && m_functions & 4)) \
  || fail "the Motif functions ($m_functions) should allow moving and closing, not minimising or maximising"
((!(m_decorations & 1) && !(m_decorations & 32) && !(m_decorations & 64) && m_decorations & 8)) \
  || fail "the Motif decorations ($m_decorations) should give a title bar without minimise and maximise boxes"
pass "the program asks for a title bar with a close box only: Motif hints $motif"

actions=$(xprop -id "$WIN" _NET_WM_ALLOWED_ACTIONS)
grep -q '_NET_WM_ACTION_CLOSE' <<<"$actions" || fail "the window manager does not offer to close the window: $actions"
if grep -q -E '_NET_WM_ACTION_(RESIZE|MAXIMIZE_HORZ|MAXIMIZE_VERT)' <<<"$actions"; then
  fail "the window manager offers to resize or maximise the window: $actions"
fi
pass "the window manager offers closing, and neither resizing nor maximising"

# Typed, left by Tab, calculated: heading 30 at pitch 45 and distance 1000 puts the light
# at X = -cos 45 * cos 30 * 1000 and Y = cos 45 * sin 30 * 1000.
enter txtHeading 30
key Tab
expect_field txtHeading 30.0 "typed as 30 and left by Tab"
click_control btnCalculate
expect_fields "after Calculate" txtX=-612.372436 txtY=353.553391 txtZ=707.106781
expect_no_message "after Calculate"

# openbox draws its close box at the right end of the title bar, the frame being the
# client area widened by the frame extents (left, right, top, bottom).
read -r left right top _ < <(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed -n 's/^.* = //p' | tr -d ',')
if [ -z "${top:-}" ] || ((top == 0)); then fail "openbox draws no title bar for the window"; fi
info=$(xwininfo -id "$WIN")
x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
width=$(sed -n 's/^ *Width: *//p' <<<"$info")
frame_x=$((x - left)) frame_y=$((y - top)) frame_width=$((width + left + right))
xdotool mousemove $((frame_x + frame_width - right - 10)) $((frame_y + top / 2)) click 1
expect_exit "clicking the close box in the title bar"
echo "PASS: $ACC_NAME"
