#!/usr/bin/env bash
# The message boxes as a window manager shows them: modal over the window, captioned
# Lumetra, dismissed with Enter or with Esc; a 400-digit number pasted into a field, which
# is reported as too large on leaving the field and then by Calculate; and a click let go
# while such a message is up, which must leave nothing held down.
#
# Usage: messages.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin messages "${1:?usage: messages.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app
learn_boxes

readonly ZERO_DISTANCE="Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates"
readonly STEEP_PITCH="Invalid Light Coordinates.  Pitch is greater than 89.9 degrees"

click_control chkMax2Armadillo
expect_boxes "after ticking 3dsMax to Armadillo" chkArmadillo2Max=clear chkMax2Armadillo=ticked

enter_all txtX=0 txtY=0 txtZ=0
click_control btnCalculate
expect_message "$ZERO_DISTANCE" Return
enter_all txtZ=100
click_control btnCalculate
expect_message "$STEEP_PITCH" Escape
expect_field txtDistance 100.000000 "after the steep-pitch warning"

# expect_reported WHAT PATTERN: a message box must be shown whose text matches PATTERN and
# holds no infinity or NaN; it is dismissed and the program must still run.
expect_reported() {
  local text
  wait_message || fail "no message box appeared on $1"
  text=$(message_text) || text=""
  [[ $text =~ $2 ]] || fail "the message box shown on $1 reads '$text'"
  grep -q -i -E 'inf|nan' <<<"$text" && fail "the message box shown on $1 reads '$text'"
  pass "$1 shows '$text'"
  dismiss_message Return
  expect_running "after the message shown on $1"
}

huge=$(printf '9%.0s' $(seq 400))
click_control txtX
key ctrl+a
clip_own "$huge"
key ctrl+v
key Tab
expect_reported "leaving Max X holding a pasted 400-digit number" '^The number in "Max X" is too large'
expect_field txtX "$huge" "after the message about the 400-digit number"
click_control btnCalculate
expect_reported "leaving Max X again for Calculate" '^The number in "Max X" is too large'
# The message took the click, and the focus is on Calculate now: the next click calculates.
click_control btnCalculate
expect_reported "Calculate with the 400-digit number" '^Unexpected Calculation Error: Overflow \( 6\)$'
find_main_window || fail "the main window is gone after the calculation error report"

# The button is let go while the message is up: the click is lost, and the box it was
# meant for must not be left looking held down.
click_control txtX
click_control chkNatSX
expect_reported "leaving Max X for a check box" '^The number in "Max X" is too large'
expect_boxes "after a click that the message took" chkNatSX=ticked chkBajaStuntEnduro=clear
click_control chkBajaStuntEnduro
expect_boxes "after the next click" chkNatSX=clear chkBajaStuntEnduro=ticked
expect_running "at the end"
echo "PASS: $ACC_NAME"
