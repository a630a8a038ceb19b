#!/usr/bin/env bash
# The window as it opens: its title, fixed size and title-bar boxes as the window manager
# is asked for them, the stored texts and check boxes, and the keyboard focus order.
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

learn_boxes
expect_boxes "as stored" chkArmadillo2Max=ticked chkMax2Armadillo=clear chkNatSX=ticked \
  chkBajaStuntEnduro=clear chkUseObjectScale=clear

# The focus starts on Calculate; Tab goes round all the controls that can take it, in
# the stored order, through the two fields that lie below the visible area.
expect_tab_stop Tab "the pitch field" "45.0"
expect_tab_stop Tab "the heading field" "90.0"
expect_tab_stop Tab "Max X" "0.000000"
expect_tab_stop Tab "Max Y" "707.106781"
expect_tab_stop Tab "Max Z" "707.106781"
expect_tab_stop Tab "the Armadillo strength" "40.000"
expect_tab_stop Tab "the grid resolution" "3.0000"
expect_tab_stop Tab "Use Object Scale"
expect_tab_stop Tab "the light distance" "1000.000000"
expect_tab_stop Tab "National or SX Track"
expect_tab_stop Tab "the 3dsMax strength" "13.333333"
expect_tab_stop Tab "Exit"
expect_tab_stop Tab "Armadillo to 3dsMax"
expect_tab_stop Tab "the 3dsMax pitch (empty)"
expect_tab_stop Tab "the 3dsMax heading (empty)"
expect_tab_stop Tab "the grid size" "256"
expect_tab_stop Tab "the object scale" "33.333333"
expect_tab_stop Tab "3dsMax to Armadillo"
expect_tab_stop Tab "Baja, Stunt, or Enduro"
expect_tab_stop Tab "Calculate"
expect_tab_stop Tab "the pitch field again" "45.0"
expect_tab_stop shift+Tab "Calculate"
expect_tab_stop shift+Tab "Baja, Stunt, or Enduro"
pass "Tab and Shift+Tab go round the controls in the stored order"

expect_fields "as stored" txtHeading=90.0 txtPitch=45.0 txtDilloStrength=40.000 txtGridRes=3.0000 \
  txtDistance=1000.000000 txtGridSize=256 txtMaxStrength=13.333333 txtObjectScale=33.333333 \
  txtX=0.000000 txtY=707.106781 txtZ=707.106781
expect_no_message "at start-up"
expect_boxes "after reading every field" chkArmadillo2Max=ticked chkMax2Armadillo=clear \
  chkNatSX=ticked chkBajaStuntEnduro=clear chkUseObjectScale=clear
echo "PASS: $ACC_NAME"
