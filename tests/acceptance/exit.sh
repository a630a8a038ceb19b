#!/usr/bin/env bash
# Ending the program, one way per run: the Exit button clicked, its access key Alt+X, or
# the close box in the title bar that the window manager draws. Each must close the
# window at once, without a question, and end the program with status 0.
#
# Usage: exit.sh PATH/TO/lumetra button|access-key|close-box
source "$(dirname "$0")/lib.sh"
way=${2:?usage: exit.sh PATH/TO/lumetra button|access-key|close-box}
acc_begin "exit_$way" "${1:?usage: exit.sh PATH/TO/lumetra button|access-key|close-box}"
acc_start_display
acc_start_app

# Something typed and not calculated is no reason to ask anything on the way out.
enter txtHeading 123
key Tab
expect_field txtHeading 123.0 "typed before exiting"

case $way in
  button)
    click_control btnExit
    expect_exit "clicking Exit"
    ;;
  access-key)
    # Enter and Esc in a field press no button.
    click_control txtDistance
    key Return Escape
    expect_no_message "after Enter and Esc in a field"
    expect_running "on Enter and Esc in a field"
    expect_field txtDistance 1000.000000 "after Enter and Esc"
    key alt+x
    expect_exit "pressing Alt+X in the light distance field"
    ;;
  close-box)
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
    ;;
  *)
    fail "unknown way to exit: $way"
    ;;
esac
echo "PASS: $ACC_NAME"
