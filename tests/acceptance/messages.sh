#!/usr/bin/env bash
# The message boxes of Calculate: the two warnings for a light position that gives no
# pitch, after which the grid is still converted, and the report of an unexpected
# calculation error, after which the window stays open and goes on working. Also a typed
# number too large to calculate with.
#
# Usage: messages.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin messages "${1:?usage: messages.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app
learn_boxes

calculate() { click_control btnCalculate; }

readonly ZERO_DISTANCE="Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates"
readonly STEEP_PITCH="Invalid Light Coordinates.  Pitch is greater than 89.9 degrees"

# expect_fault_report KEY: the error report must be shown; it is dismissed with KEY.
expect_fault_report() {
  local got
  wait_message || fail "no message box appeared (expected the calculation error report)"
  got=$(message_text) || got="(nothing copied)"
  if ! [[ $got =~ ^"Unexpected Calculation Error: "[^[:space:]].*" ("(" "[0-9]+|-[0-9]+)")"$ ]]; then
    fail "the message box reads '$got', expected 'Unexpected Calculation Error: ' with a description and the fault's number in parentheses"
  fi
  pass "a message box titled 'Lumetra' reports '$got'"
  dismiss_message "$1"
  expect_running "after the calculation error report was dismissed"
  find_main_window || fail "the main window is gone after the calculation error report"
  pass "the window is still open after the calculation error report"
}

click_control chkMax2Armadillo
expect_boxes "after ticking 3dsMax to Armadillo" chkArmadillo2Max=clear chkMax2Armadillo=ticked

# A light at the origin: no pitch, but the grid is converted once the warning is gone.
enter_all txtX=0 txtY=0 txtZ=0 txtGridSize=512 txtObjectScale=100 txtMaxStrength=20
calculate
expect_message "$ZERO_DISTANCE" Return
expect_fields "after the zero-distance warning" txtDistance=0.000000 txtPitch=45.0 txtHeading=90.0 \
  txtDilloStrength=20.000 txtGridRes=2.0000 txtObjectScale=100.000000
expect_calc_heading "" "after the zero-distance warning"

# A light almost straight above the origin: the pitch of 89.94 is too steep.
enter_all txtX=1 txtY=0 txtZ=1000 txtMaxStrength=30
calculate
expect_message "$STEEP_PITCH" Escape
expect_fields "after the steep-pitch warning" txtDistance=1000.000500 txtPitch=45.0 txtHeading=90.0 \
  txtDilloStrength=30.000 txtGridRes=2.0000
expect_calc_heading "" "after the steep-pitch warning"

# Straight above: exactly 90 degrees.
enter_all txtX=0 txtZ=100
calculate
expect_message "$STEEP_PITCH" Return
expect_field txtDistance 100.000000 "light at 0, 0, 100"

# Straight below: the pitch cannot be found and the calculation stops after the distance.
enter_all txtZ=-100 txtDistance=5 txtMaxStrength=10
calculate
expect_fault_report Return
expect_fields "after the calculation error" txtDistance=100.000000 txtPitch=45.0 txtDilloStrength=30.000

# The window goes on working.
enter_all txtX=500 txtY=500 txtZ=707.106781
calculate
expect_fields "light at 500, 500, 707.106781 after the error" txtDistance=1000.000000 txtPitch=45.0 \
  txtHeading=135.0 txtDilloStrength=10.000
expect_no_message "after a calculation without fault"

# An object scale of zero, which only a calculation can write, cannot be divided by: a
# grid resolution of 999999 makes the object scale for a grid size of 1 round to 0. The
# field is not entered before the division, as leaving it would raise it to 0.1.
click_control chkArmadillo2Max
expect_boxes "after ticking Armadillo to 3dsMax" chkArmadillo2Max=ticked chkMax2Armadillo=clear
enter_all txtGridRes=999999 txtGridSize=1
calculate
click_control chkMax2Armadillo
enter_all txtX=0 txtY=500 txtZ=707.106781
calculate
expect_fault_report Escape
expect_fields "after dividing by an object scale of 0" txtDistance=866.025404 txtPitch=54.7 txtHeading=90.0 \
  txtGridRes=999999.0000 txtObjectScale=0.000000

# A number beyond the range of a double, pasted into Max X, cannot be tidied on leaving
# the field; it stays as typed, and Calculate reports the error.
enter txtObjectScale 100
huge=$(printf '9%.0s' $(seq 400))

# expect_too_large WHAT: leaving Max X has shown a message; it must have a text without
# an infinity or NaN in it, and is dismissed.
expect_too_large() {
  local text
  wait_message || fail "no message box appeared on $1"
  text=$(message_text) || text=""
  [ -n "$text" ] || fail "the message box shown on $1 has no text"
  grep -q -i -E 'inf|nan' <<<"$text" && fail "the message box shown on $1 reads '$text'"
  pass "$1 shows '$text'"
  dismiss_message Return
  expect_running "after the message shown on $1"
}

click_control txtX
key ctrl+a
clip_own "$huge"
key ctrl+v
key Tab
expect_too_large "leaving Max X holding a pasted 400-digit number"
expect_field txtX "$huge" "after the message about the 400-digit number"
calculate
expect_too_large "leaving Max X again for Calculate"
calculate
expect_fault_report Return

# The button is let go while the message is up: the click is lost, and the box it was
# meant for must not be left looking held down.
click_control txtX
click_control chkNatSX
expect_too_large "leaving Max X for a check box"
expect_boxes "after a click that the message took" chkNatSX=ticked chkBajaStuntEnduro=clear
click_control chkBajaStuntEnduro
expect_boxes "after the next click" chkNatSX=clear chkBajaStuntEnduro=ticked
expect_running "at the end"
echo "PASS: $ACC_NAME"
