#!/usr/bin/env bash
# Armadillo to 3dsMax, typed and calculated in the window: the light's position and the
# 3dsMax heading and pitch, and the grid size, strength and object scale for both track
# types, with the grid size or the object scale given, including the ties in rounding.
#
# Usage: armadillo_to_max.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin armadillo_to_max "${1:?usage: armadillo_to_max.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app
learn_boxes

calculate() { click_control btnCalculate; }

# The stored texts are one consistent result: Calculate rewrites what the fields show.
calculate
expect_fields "Calculate on the stored texts" txtX=0.000000 txtY=707.106781 txtZ=707.106781 \
  txtGridSize=256 txtMaxStrength=13.333333 txtObjectScale=33.333333
expect_calc_fields 90 45 "Calculate on the stored texts"
expect_no_message "after Calculate"

# The heading typed as 30 and left with Tab.
enter txtHeading 30
key Tab
expect_field txtHeading 30.0 "typed 30, then Tab"
calculate
expect_fields "heading 30, pitch 45, distance 1000" txtX=-612.372436 txtY=353.553391 txtZ=707.106781
expect_calc_fields 150 45 "heading 30, pitch 45"

enter_all txtHeading=30 txtPitch=20 txtDistance=500
calculate
expect_fields "heading 30, pitch 20, distance 500" txtX=-406.898841 txtY=234.923155 txtZ=171.010072
expect_calc_fields 150 20 "heading 30, pitch 20"

# The 3dsMax heading is 180 minus the Armadillo heading, not brought into any range.
enter_all txtPitch=45 txtDistance=1000
for pair in 200=-20 0=180 359.9=-179.9 90.1=89.9; do
  enter txtHeading "${pair%%=*}"
  calculate
  expect_calc_fields "${pair#*=}" 45 "heading ${pair%%=*}"
done

# The grid, by the four states of National or SX and Use Object Scale, from grid
# resolution 3, strength 40, grid size 256 and object scale 33.333333.
enter txtHeading 90
click_control chkUseObjectScale
expect_boxes "after ticking Use Object Scale" chkNatSX=ticked chkUseObjectScale=ticked
calculate
expect_fields "National or SX, object scale given" txtGridSize=256 txtMaxStrength=13.333333 \
  txtObjectScale=33.333333
click_control chkNatSX
expect_boxes "after clearing National or SX" chkNatSX=clear chkBajaStuntEnduro=ticked chkUseObjectScale=ticked
calculate
expect_fields "Baja, Stunt, or Enduro, object scale given" txtGridSize=512 txtMaxStrength=13.333333 \
  txtObjectScale=33.333333
click_control chkUseObjectScale
expect_boxes "after clearing Use Object Scale" chkNatSX=clear chkUseObjectScale=clear
enter txtGridSize 256
calculate
expect_fields "Baja, Stunt, or Enduro, grid size given" txtGridSize=256 txtMaxStrength=6.666667 \
  txtObjectScale=16.666667

# Exact ties at six decimals go to the even digit: 0.1953125 and 0.0078125.
enter_all txtGridRes=1 txtGridSize=1 txtDilloStrength=4
calculate
expect_fields "grid resolution 1, grid size 1, strength 4, factor 512" txtObjectScale=0.195312 \
  txtMaxStrength=0.007812
expect_no_message "after Calculate"

# A grid size of exactly 2.5, 3.5 or 4.5 goes to the even whole number.
click_control chkNatSX
click_control chkUseObjectScale
expect_boxes "after ticking National or SX and Use Object Scale" chkNatSX=ticked chkUseObjectScale=ticked
enter txtGridRes 0.5
for pair in 1.953125=2 2.734375=4 3.515625=4; do
  enter txtObjectScale "${pair%%=*}"
  calculate
  expect_field txtGridSize "${pair#*=}" "grid resolution 0.5, object scale ${pair%%=*}"
done

# An object scale typed as 50: 50 % of 768 is a grid size of 384, and 50 % of 40 a
# strength of 20.
enter_all txtGridRes=3 txtDilloStrength=40 txtObjectScale=50
calculate
expect_fields "object scale 50 given" txtObjectScale=50.000000 txtGridSize=384 txtMaxStrength=20.000000
expect_no_message "after Calculate"
expect_running "after the calculations"
echo "PASS: $ACC_NAME"
