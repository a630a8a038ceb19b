#!/usr/bin/env bash
# The check boxes: the two exclusive pairs, and the three layouts of which fields can be
# typed into (Armadillo to 3dsMax by grid size or by object scale, 3dsMax to Armadillo),
# checked by typing into every field.
#
# Usage: layouts.sh PATH/TO/lumetra
source "$(dirname "$0")/lib.sh"
acc_begin layouts "${1:?usage: layouts.sh PATH/TO/lumetra}"
acc_start_display
acc_start_app
learn_boxes

ED=editable
RO=read-only
# expect_layout NAME USE_OBJECT_SCALE_STATE GRID_SIZE_LOOK OBJECT_SCALE_LOOK
expect_layout() {
  local name=$1 option=$2 grid=$3 scale=$4 ours theirs
  if [ "$name" = S3 ]; then
    expect_boxes "in $name" chkArmadillo2Max=clear chkMax2Armadillo=ticked chkUseObjectScale="$option"
    ours=$RO theirs=$ED
  else
    expect_boxes "in $name" chkArmadillo2Max=ticked chkMax2Armadillo=clear chkUseObjectScale="$option"
    ours=$ED theirs=$RO
  fi
  expect_looks "in $name" txtDilloStrength=$ours txtGridRes=$ours txtHeading=$ours txtPitch=$ours \
    txtDistance=$ours txtMaxStrength=$theirs txtX=$theirs txtY=$theirs txtZ=$theirs \
    txtGridSize="$grid" txtObjectScale="$scale"
}

expect_layout S1 clear $ED $RO
click_control chkUseObjectScale
expect_layout S2 ticked $RO $ED
click_control chkUseObjectScale
expect_boxes "after clearing Use Object Scale" chkUseObjectScale=clear
expect_looks "in S1 again" txtGridSize=$ED txtObjectScale=$RO

# The space bar ticks the focused box: Tab from the grid resolution reaches the option.
click_control txtGridRes
key Tab space
expect_boxes "after Tab and space from the grid resolution" chkUseObjectScale=ticked
expect_looks "in S2 again" txtGridSize=$RO txtObjectScale=$ED

# A value typed into a field stays in it when the field turns read-only.
enter txtHeading 12.3
key Tab

# Clicking the ticked direction box clears it and ticks the other one.
click_control chkArmadillo2Max
expect_layout S3 other $ED $ED
expect_field txtHeading 12.3 "typed before switching to 3dsMax to Armadillo"

# In 3dsMax to Armadillo the option is greyed and disabled: a click changes nothing and
# Tab passes over it.
click_control chkUseObjectScale
expect_boxes "after clicking the disabled Use Object Scale" chkUseObjectScale=other
expect_looks "after clicking the disabled Use Object Scale" txtGridSize=$ED txtObjectScale=$ED
distance=$(read_field txtDistance) || fail "the light distance copies nothing"
click_control txtGridRes
expect_tab_stop Tab "the light distance, past the disabled Use Object Scale" "$distance"

# Leaving 3dsMax to Armadillo always gives the layout by grid size.
click_control chkMax2Armadillo
expect_layout S1 clear $ED $RO
click_control chkMax2Armadillo
expect_boxes "after ticking 3dsMax to Armadillo" chkArmadillo2Max=clear chkMax2Armadillo=ticked chkUseObjectScale=other
click_control chkArmadillo2Max
expect_boxes "after ticking Armadillo to 3dsMax" chkArmadillo2Max=ticked chkMax2Armadillo=clear chkUseObjectScale=clear

# The track type: a click on either box swaps both.
click_control chkNatSX
expect_boxes "after clicking the ticked National or SX" chkNatSX=clear chkBajaStuntEnduro=ticked
click_control chkNatSX
expect_boxes "after clicking the clear National or SX" chkNatSX=ticked chkBajaStuntEnduro=clear
click_control chkBajaStuntEnduro
expect_boxes "after clicking the clear Baja, Stunt, or Enduro" chkNatSX=clear chkBajaStuntEnduro=ticked
click_control chkBajaStuntEnduro
expect_boxes "after clicking the ticked Baja, Stunt, or Enduro" chkNatSX=ticked chkBajaStuntEnduro=clear

# The track type does not depend on the direction.
click_control chkBajaStuntEnduro
click_control chkMax2Armadillo
expect_boxes "after switching direction" chkArmadillo2Max=clear chkMax2Armadillo=ticked \
  chkNatSX=clear chkBajaStuntEnduro=ticked
expect_no_message "after the toggles"
expect_running "after the toggles"
echo "PASS: $ACC_NAME"
