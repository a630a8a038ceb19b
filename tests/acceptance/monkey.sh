#!/usr/bin/env bash
# A bounded random session: clicks on every kind of control (all but Exit) in random
# order, over-long, non-numeric and pasted multi-line text typed into the fields, and
# keys, with Calculate pressed now and then. Any message box is read and dismissed. The
# program must never end, never show an infinity or NaN in a field or a message, and
# each exclusive pair of check boxes must always show exactly one box ticked, in one of
# the three layouts.
#
# Usage: monkey.sh PATH/TO/lumetra
# Environment: ACCEPTANCE_MONKEY_ACTIONS, how many actions to take (default 100, about 30 s
# on a 2-core machine; a count, not a time, so that a seed gives the same session on a
# fast machine and a slow one); ACCEPTANCE_MONKEY_SEED, the random seed (default 1, fixed
# so that a failing run can be repeated without having to find its seed; it is printed
# either way).
source "$(dirname "$0")/lib.sh"
acc_begin monkey "${1:?usage: monkey.sh PATH/TO/lumetra}"
total=${ACCEPTANCE_MONKEY_ACTIONS:-100}
seed=${ACCEPTANCE_MONKEY_SEED:-1}
[[ $total =~ ^[0-9]+$ ]] || fail "ACCEPTANCE_MONKEY_ACTIONS must be a whole number, not '$total'"
[[ $seed =~ ^[0-9]+$ ]] || fail "ACCEPTANCE_MONKEY_SEED must be a whole number, not '$seed'"
total=$((10#$total)) seed=$((10#$seed))

# Every choice is drawn from two sequences of the seed (Park and Miller's minimal standard
# generator): one for the actions and one for the key that dismisses each message box. When
# a box is found, and so how many are found between two actions, depends on the machine's
# speed; with their own sequence the boxes cannot shift the actions that follow. bash's
# RANDOM is a single sequence, and one read in a $(...) advances only in the subshell.
# shellcheck disable=SC2034 # read by name in draw
rng_act=$((seed % 2147483646 + 1))
# shellcheck disable=SC2034
rng_msg=$(((seed + 1000003) % 2147483646 + 1))

# draw N [msg]: sets R to the next number from 0 to N-1 of the actions' sequence (of the
# message boxes' with msg). It sets a global so that it is never called in a subshell.
draw() {
  local -n state=rng_${2:-act}
  state=$((state * 16807 % 2147483647))
  R=$((state % $1))
}
echo "monkey: seed $seed, $total actions (ACCEPTANCE_MONKEY_SEED=$seed ACCEPTANCE_MONKEY_ACTIONS=$total repeats this run)"
acc_start_display
acc_start_app
learn_boxes

log=$ACC_WORK/actions.log
actions=0
messages=0
checks=0

keep_log() {
  mkdir -p "$ACC_ARTIFACTS" 2>/dev/null && cp "$log" "$ACC_ARTIFACTS/monkey-actions.log" 2>/dev/null \
    && echo "monkey: the actions are listed in $ACC_ARTIFACTS/monkey-actions.log"
}

acc_on_fail() {
  [ -s "${log:-}" ] || return 0
  echo "--- the last actions (seed $seed) ---"
  tail -n 25 "$log"
  echo "-------------------------------------"
  keep_log
}

monkey_fail() { fail "$@"; }

note() { echo "$actions: $*" >>"$log"; }

alive() {
  if app_exited; then
    collect_exit
    monkey_fail "the program ended with status $APP_STATUS during the random session"
  fi
}

has_bad_number() { grep -q -i -E 'inf|nan' <<<"$1"; }

# dismiss_messages: reads and closes every message box that is shown.
dismiss_messages() {
  local text n=0
  while find_message; do
    n=$((n + 1))
    ((n <= 20)) || monkey_fail "message boxes keep appearing"
    poll 3000 is_active "$MSG" || true
    text=$(message_text) || text=""
    note "message: $text"
    has_bad_number "$text" && monkey_fail "a message box shows an infinity or NaN: '$text'"
    messages=$((messages + 1))
    draw 2 msg
    if ((R)); then dismiss_message Return; else dismiss_message Escape; fi
    alive
  done
}

# check_boxes: each pair shows one box ticked; Use Object Scale is greyed exactly when
# 3dsMax to Armadillo is chosen.
boxes_consistent() {
  local states
  states=$(box_states "${BOXES[@]}" | tr '\n' ' ') || return 1
  last_states=$states
  case $states in
    *"chkArmadillo2Max=ticked chkMax2Armadillo=clear "*) [[ $states =~ chkUseObjectScale=(ticked|clear) ]] || return 1 ;;
    *"chkArmadillo2Max=clear chkMax2Armadillo=ticked "*) [[ $states =~ chkUseObjectScale=other ]] || return 1 ;;
    *) return 1 ;;
  esac
  [[ $states =~ "chkNatSX=ticked chkBajaStuntEnduro=clear" || $states =~ "chkNatSX=clear chkBajaStuntEnduro=ticked" ]]
}

check_boxes() {
  last_states=""
  dismiss_messages
  # A click on a box that left a field holding a number too large to tidy reaches the box
  # only after the field's message has been dismissed, without its release, so the box
  # stays drawn pressed until the focus moves on: the grid size field takes it.
  click_control txtGridSize
  dismiss_messages
  poll 3000 boxes_consistent || monkey_fail "the check boxes show $last_states"
  note "boxes: $last_states"
  checks=$((checks + 1))
}

# check_fields: reads every field, the two below the visible area too, and looks for an
# infinity or NaN. Two fields are entered first so that the field typed into last has
# been left and tidied. monkey_read sets READ: in a $(...) the boxes it dismisses would
# draw their keys in the subshell, and a failure would end only the subshell.
monkey_read() {
  dismiss_messages
  click_control "$1"
  sleep 0.1
  dismiss_messages
  READ=$(copy_focused 1500) || READ=""
  dismiss_messages
}

check_fields() {
  local name text
  dismiss_messages
  click_control txtGridSize
  click_control txtDistance
  for name in "${FIELDS[@]}"; do
    monkey_read "$name"
    text=$READ
    note "field $name: $text"
    has_bad_number "$text" && monkey_fail "$name shows '$text'"
  done
  dismiss_messages
  click_control txtGridSize
  dismiss_messages
  for name in txtCalcHeading txtCalcPitch; do
    key shift+Tab
    text=$(copy_focused 1500) || text=""
    note "field $name: $text"
    has_bad_number "$text" && monkey_fail "$name shows '$text'"
  done
  dismiss_messages
  checks=$((checks + 1))
}

# What is typed: numbers, too long numbers, numbers beyond the range of a double, words.
# Each replaces the whole text of the field. The lists are read through pick. The
# functions that draw set a global instead of printing, so that no draw is made in a
# $(...), whose output would also lose the trailing newlines of a pasted text.
long_digits() {
  local n s=""
  draw 60
  n=$((20 + R))
  while ((${#s} < n)); do draw 32768; s+=$R; done
  TEXT=${s:0:n}
}
# shellcheck disable=SC2034
typed_texts=(0 -0 1 -1 0.05 2.25 13.5 359.95 89.95 -45.5 1e3 1e308 1e309 -1e400 9e99999 0.0000001
  '1,5' ' 12 ft' abc - . -. +5 ++5 e5 1e 1e- 0x10 inf -inf nan NaN Infinity 99999999999
  123456789012345678901234567890 -99999999999999999999)
# Pasted: several lines, and a number of 400 digits.
huge=$(printf '9%.0s' $(seq 400))
# shellcheck disable=SC2034
pasted_texts=($'12.5\n34' $'1\n2\n3' $'-7\r\n8' $'\n\n' $'abc\ndef' "$huge" $'5\n'"$huge" $'\t42\t')

# shellcheck disable=SC2034
targets=("${FIELDS[@]}" "${BOXES[@]}" btnCalculate Frame1 Frame2 Frame3 Frame4 Frame5 Frame6
  Label1 Label2 Label3 Label5 lblMaxX lblMaxY lblMaxZ lblDilloHeading lblDilloPitch
  lblObjectScale lblCalcGridSize lblCalcStrength)
# shellcheck disable=SC2034
pair_boxes=(chkArmadillo2Max chkMax2Armadillo chkNatSX chkBajaStuntEnduro)
# shellcheck disable=SC2034
keys=(Tab Tab shift+Tab Return Escape BackSpace Delete Home End Left ctrl+z ctrl+a ctrl+c ctrl+x ctrl+v)

pick() { local -n list=$1; draw ${#list[@]}; PICKED=${list[R]}; }

# A click anywhere in the client area but on Exit (whose button ends the session).
random_point() {
  while :; do
    draw 377
    POINT_X=$R
    draw 343
    POINT_Y=$R
    ((POINT_X >= CTL_X[btnExit] - 2 && POINT_X < CTL_X[btnExit] + CTL_W[btnExit] + 2 &&
      POINT_Y >= CTL_Y[btnExit] - 2 && POINT_Y < CTL_Y[btnExit] + CTL_H[btnExit] + 2)) || break
  done
}

act() {
  local name text
  draw 100
  case $R in
    [0-9] | 1[0-9] | 2[0-4])
      pick targets
      name=$PICKED
      note "click $name"
      click_control "$name"
      ;;
    2[5-9] | 3[0-9] | 4[0-4])
      pick FIELDS
      name=$PICKED
      draw 3
      if ((R == 0)); then long_digits; else pick typed_texts; TEXT=$PICKED; fi
      text=$TEXT
      note "type into $name: '$text'"
      click_control "$name"
      key ctrl+a
      type_text "$text"
      ;;
    4[5-9] | 5[0-4])
      pick FIELDS
      name=$PICKED
      pick pasted_texts
      text=$PICKED
      note "paste into $name: $(printf '%q' "$text")"
      clip_own "$text"
      click_control "$name"
      key ctrl+a ctrl+v
      ;;
    5[5-9] | 6[0-9])
      pick keys
      text=$PICKED
      note "key $text"
      key "$text"
      ;;
    7[0-9])
      pick pair_boxes
      name=$PICKED
      draw 2
      if ((R)); then
        note "click $name, then space"
        click_control "$name"
        key space
      else
        note "click $name"
        click_control "$name"
      fi
      ;;
    8[0-9])
      random_point
      note "click at $POINT_X $POINT_Y"
      click_at "$POINT_X" "$POINT_Y"
      ;;
    *)
      note "click btnCalculate"
      click_control btnCalculate
      ;;
  esac
  actions=$((actions + 1))
}

start=$(now_ms)
half=$(((total + 1) / 2))
while ((actions < total)); do
  act
  alive
  if find_message; then dismiss_messages; fi
  ((actions % 10 == 0)) && check_boxes
  ((actions == half)) && check_fields
done
elapsed=$(($(now_ms) - start))
check_boxes
check_fields
check_boxes
alive
pass "the random session: $actions actions in $((elapsed / 1000)).$((elapsed % 1000 / 100)) s, $messages message boxes dismissed, $checks checks of the boxes and fields"

# The session ends by the Exit button; a field that cannot be tidied shows its message
# first and keeps the click from reaching the button, so it is pressed again.
for _ in 1 2 3 4 5; do
  dismiss_messages
  click_control btnExit
  poll 3000 app_exited && break
done
expect_exit "clicking Exit after the random session"
keep_log
echo "PASS: $ACC_NAME"
