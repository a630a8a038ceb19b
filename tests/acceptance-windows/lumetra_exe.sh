#!/usr/bin/env bash
# Lumetra.exe under Wine, from outside: a person's clicks and keys through the X server
# (xdotool), and what the window shows read back through the Win32 API by a separate
# program, as an accessibility client reads it. Both conversions, a warning, a fault the
# window survives, and Exit.
#
# Usage: lumetra_exe.sh PATH/TO/Lumetra.exe PATH/TO/lumetra_reader.exe
# shellcheck source=SCRIPTDIR/../acceptance/lib.sh
source "$(dirname "$0")/../acceptance/lib.sh"
# shellcheck source=SCRIPTDIR/../wine_session.sh
source "$(dirname "$0")/../wine_session.sh"
acc_begin windows "${1:?usage: lumetra_exe.sh Lumetra.exe lumetra_reader.exe}"
READER=${2:?usage: lumetra_exe.sh Lumetra.exe lumetra_reader.exe}
acc_start_display
# The prefix boots on this display; its own exit trap gives way to one that also ends the
# program and the X server.
WINE_PREFIX_SETTLE=0 wine_prefix_create
prefix_status=$?
trap 'xs_stop "$APP_PID"; wine_prefix_remove; acc_cleanup' EXIT
[ "$prefix_status" -eq 0 ] || fail "no Wine prefix could be made"

wine "$ACC_BINARY" >"$ACC_WORK/app.log" 2>&1 &
APP_PID=$!
xs_wait_window Lumetra "$APP_PID" 60000 || fail "no window titled 'Lumetra' appeared within 60 s"
WIN=$XS_WINDOW
poll 10000 is_active "$WIN" || fail "the Lumetra window did not become active within 10 s"
park_pointer

# read_window: what the reader sees, in $ACC_WORK/shown.
read_window() { wine "$READER" >"$ACC_WORK/shown" 2>>"$ACC_WORK/reader.log"; }

acc_on_fail() { echo "--- the window as read last ---"; cat "$ACC_WORK/shown" 2>/dev/null; }

# shown KIND NAME: the value of the control the reader named so.
shown() { awk -F'\t' -v kind="$1" -v name="$2" '$1 == kind && $2 == name { print $3; exit }' "$ACC_WORK/shown"; }

# fields_read FRAME/LABEL TEXT...: each field named so reads its TEXT. The names hold '='.
fields_read() {
  read_window || return 1
  while [ $# -gt 0 ]; do
    [ "$(shown field "$1")" = "$2" ] || return 1
    shift 2
  done
}

# expect_shown WHAT FRAME/LABEL TEXT...: the fields must come to read so.
expect_shown() {
  local what=$1
  shift
  poll 10000 fields_read "$@" || fail "$what: expected $(printf "'%s' " "$@")"
  pass "$what: $(printf "'%s' " "$@")"
}

message_read() { read_window && [ -n "$(shown message Lumetra)" ]; }
message_gone() { read_window && [ -z "$(shown message Lumetra)" ]; }

# expect_message TEXT: a message box captioned Lumetra must read TEXT; Enter dismisses it
# and the window is back.
expect_message() {
  poll 10000 message_read || fail "no message box appeared (expected '$1')"
  [ "$(shown message Lumetra)" = "$1" ] || fail "the message box reads '$(shown message Lumetra)', expected '$1'"
  poll 10000 find_message || fail "the message box is not shown over the window"
  poll 10000 is_active "$MSG" || fail "the message box did not get the focus"
  key Return
  poll 10000 message_gone || fail "the message box did not close on Enter"
  poll 10000 is_active "$WIN" || fail "the window did not get the focus back"
  expect_running "after the message box was dismissed"
  pass "a message box titled 'Lumetra' reads '$1', dismissed with Enter"
}

readonly HEADING="Armadillo Light Settings:/Heading" PITCH="Armadillo Light Settings:/Pitch"
readonly X="3dsMax Light Settings:/Max X =" Y="3dsMax Light Settings:/Max Y =" Z="3dsMax Light Settings:/Max Z ="
readonly DISTANCE="3dsMax Desired Settings:/Light Distance (ft):"

enter txtHeading 30
key Tab
click_control btnCalculate
expect_shown "Armadillo to 3dsMax, heading 30" "$X" -612.372436 "$Y" 353.553391 "$Z" 707.106781

click_control chkMax2Armadillo
enter_all txtX=-300 txtY=400
click_control btnCalculate
expect_shown "3dsMax to Armadillo, X -300 and Y 400" \
  "$Z" 707.106781 "$DISTANCE" 866.025404 "$PITCH" 54.7 "$HEADING" 53.1

enter_all txtX=0 txtY=0 txtZ=0
click_control btnCalculate
expect_message "Cannot calculate Pitch because Light Distance is Zero.  Please check light X, Y, Z coordinates"

enter_all txtZ=-100
click_control btnCalculate
expect_message "Unexpected Calculation Error: Division by zero ( 11)"
enter_all txtX=-300 txtY=400 txtZ=707.106781
click_control btnCalculate
expect_shown "the window works on after the fault" "$DISTANCE" 866.025404 "$PITCH" 54.7 "$HEADING" 53.1

click_control btnExit
expect_exit "a click on Exit"
