#!/usr/bin/env bash
# 3dsMax to Armadillo, typed and calculated in the window: the light distance, pitch and
# headings for a light in every direction, and the Armadillo strength and grid resolution
# for both track types.
#
# Usage: max_to_armadillo.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin max_to_armadillo "${1:?usage: max_to_armadillo.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app
learn_boxes

calculate() { click_control btnCalculate; }

click_control chkMax2Armadillo
expect_boxes "after ticking 3dsMax to Armadillo" chkArmadillo2Max=clear chkMax2Armadillo=ticked chkNatSX=ticked

calculate
expect_fields "Calculate on the stored texts" txtDistance=1000.000000 txtPitch=45.0 txtHeading=90.0 \
  txtDilloStrength=40.000 txtGridRes=3.0000 txtObjectScale=33.333333
expect_calc_fields 90 "" "Calculate on the stored texts; the 3dsMax pitch is not written"
expect_no_message "after Calculate"

click_control chkNatSX
expect_boxes "after clearing National or SX" chkNatSX=clear chkBajaStuntEnduro=ticked
calculate
expect_fields "the stored texts, Baja, Stunt, or Enduro" txtGridRes=1.5000 txtDilloStrength=40.000 \
  txtDistance=1000.000000 txtObjectScale=33.333333

enter_all txtGridSize=512 txtObjectScale=100 txtMaxStrength=40
calculate
expect_fields "grid size 512, object scale 100, strength 40, Baja, Stunt, or Enduro" \
  txtDilloStrength=40.000 txtGridRes=1.0000 txtObjectScale=100.000000
click_control chkNatSX
expect_boxes "after ticking National or SX" chkNatSX=ticked chkBajaStuntEnduro=clear
calculate
expect_fields "grid size 512, object scale 100, strength 40, National or SX" \
  txtDilloStrength=40.000 txtGridRes=2.0000 txtObjectScale=100.000000

# One light for each way of finding the heading, all at Z 707.106781.
enter txtZ 707.106781
while read -r x y distance pitch calc heading; do
  enter_all txtX="$x" txtY="$y"
  calculate
  expect_fields "light at $x, $y, 707.106781" txtDistance="$distance" txtPitch="$pitch" txtHeading="$heading"
  expect_calc_heading "$calc" "light at $x, $y, 707.106781"
done <<'ROWS'
0 500 866.025404 54.7 90 90.0
0 -500 866.025404 54.7 -90 270.0
500 0 866.025404 54.7 0 180.0
-500 0 866.025404 54.7 180 0.0
-500 -500 1000.000000 45.0 -135 315.0
-500 500 1000.000000 45.0 135 45.0
500 500 1000.000000 45.0 45 135.0
500 -500 1000.000000 45.0 -45 225.0
-300 400 866.025404 54.7 126.869897645844 53.1
ROWS

# Pitches near the limit, a light almost at the origin, and a heading just short of 360.
while read -r x y z distance pitch calc heading; do
  enter_all txtX="$x" txtY="$y" txtZ="$z"
  calculate
  expect_fields "light at $x, $y, $z" txtDistance="$distance" txtPitch="$pitch" txtHeading="$heading"
  expect_calc_heading "$calc" "light at $x, $y, $z"
done <<'ROWS'
1.8 0 1000 1000.001620 89.9 0 180.0
0.000001 0 0 0.000001 0.0 0 180.0
1 0 -1000 1000.000500 -89.9 0 180.0
-1000 -0.5 0 1000.000125 0.0 -179.971352112631 360.0
ROWS
expect_no_message "after the calculations"
expect_calc_fields -179.971352112631 "" "after the calculations; the 3dsMax pitch is never written"

# The direction reads the position, grid size and strength and writes none of them.
expect_fields "after the calculations" txtX=-1000.000000 txtY=-0.500000 txtZ=0.000000 \
  txtGridSize=512 txtMaxStrength=40.000000
expect_running "after the calculations"
echo "PASS: $ACC_NAME"
