#!/usr/bin/env bash
# Each numeric field tidies what was typed into it when the focus leaves it with Tab:
# clamped into its range, rounded (ties to the even digit) and written in its fixed form.
#
# Usage: normalisers.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin normalisers "${1:?usage: normalisers.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app
learn_boxes

# expect_tidied FIELD TYPED EXPECTED: types TYPED over the field's text (nothing: empties
# it), leaves it with Tab and comes back with Shift+Tab to read it.
expect_tidied() {
  local name=$1 typed=$2 expected=$3 got
  enter "$name" "$typed"
  key Tab shift+Tab
  got=$(copy_focused) || got="(nothing copied)"
  [ "$got" = "$expected" ] || fail "$name typed '$typed' reads '$got' after Tab, expected '$expected'"
  pass "$name typed '$typed' reads '$expected' after Tab"
}

# The fields that are typed into in the layout by grid size.
while read -r name typed expected; do
  [ "$typed" = "''" ] && typed=""
  expect_tidied "$name" "$typed" "$expected"
done <<'ROWS'
txtHeading 400 359.9
txtHeading 359.9 359.9
txtHeading -10 0.0
txtHeading 2.25 2.2
txtHeading '' 0.0
txtPitch 95 89.9
txtPitch -5 0.0
txtPitch 45 45.0
txtPitch 0.25 0.2
txtDilloStrength 0.5 1.000
txtDilloStrength 40 40.000
txtGridRes 0.05 0.1000
txtGridRes 0.1 0.1000
txtGridRes 3 3.0000
txtGridSize 12.5 12
txtGridSize 13.5 14
txtGridSize 0.4 1
txtGridSize 0 1
txtDistance 1000 1000.000000
txtDistance 0.5 1.000000
txtDistance 1,5 1.000000
txtDistance '' 1.000000
ROWS

# The pitch takes four characters: the fifth of -45.5 is refused.
enter txtPitch -45.5
got=$(copy_focused) || got="(nothing copied)"
[ "$got" = "-45." ] || fail "txtPitch typed '-45.5' holds '$got', expected '-45.'"
pass "txtPitch typed '-45.5' holds '-45.' before it is left"
key Tab shift+Tab
got=$(copy_focused) || got="(nothing copied)"
[ "$got" = "0.0" ] || fail "txtPitch holding '-45.' reads '$got' after Tab, expected '0.0'"
pass "txtPitch holding '-45.' reads '0.0' after Tab"

# The object scale is typed into in the layout by object scale.
click_control chkUseObjectScale
expect_boxes "after ticking Use Object Scale" chkUseObjectScale=ticked
expect_tidied txtObjectScale 0 0.100000
expect_tidied txtObjectScale 13.3333333 13.333333

# The 3dsMax strength and position are typed into in 3dsMax to Armadillo.
click_control chkMax2Armadillo
expect_boxes "after ticking 3dsMax to Armadillo" chkArmadillo2Max=clear chkMax2Armadillo=ticked
while read -r name typed expected; do
  expect_tidied "$name" "$typed" "$expected"
done <<'ROWS'
txtMaxStrength 0 0.100000
txtMaxStrength 13.3333333 13.333333
txtX -12.5 -12.500000
txtX 1e3 1000.000000
txtX abc 0.000000
txtY -12.5 -12.500000
txtY 1e3 1000.000000
txtY abc 0.000000
txtZ -12.5 -12.500000
txtZ 1e3 1000.000000
txtZ abc 0.000000
ROWS

# A long number is taken whole by a field without a typing limit.
expect_tidied txtX 123456789012.25 123456789012.250000

# A read-only field is tidied too when the focus passes through it, even a result.
enter_all txtX=0.5 txtY=0 txtZ=0
click_control btnCalculate
expect_field txtDistance 0.500000 "light at 0.5, 0, 0"
key Tab shift+Tab
got=$(copy_focused) || got="(nothing copied)"
[ "$got" = "1.000000" ] || fail "the read-only light distance 0.500000 reads '$got' after Tab, expected '1.000000'"
pass "the read-only light distance 0.500000 reads '1.000000' after Tab"
expect_no_message "after tidying the fields"
expect_running "after tidying the fields"
echo "PASS: $ACC_NAME"
