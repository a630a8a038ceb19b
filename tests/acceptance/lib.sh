# Shared helpers of the real-window tests of Lumetra. A test script sources this file,
# calls acc_begin with its name and the program, then acc_start_display and acc_start_app,
# and from then on acts only through the X server: xdotool moves the pointer, clicks and
# types, xclip reads what Ctrl+C copied, xprop reads the window's properties and import
# (ImageMagick) takes screenshots, of the check boxes and of the screen on failure. The X
# server, openbox and the search for the window come from ../x_session.sh.
#
# Controls are named as in the window's stored layout; their places below are the stored
# twips (15 twips make one pixel at 96 dots per inch), relative to their container.
#
# Environment: ACCEPTANCE_ARTIFACTS, the directory for failure screenshots (default
# ${TMPDIR:-/tmp}).

# The test scripts use the names defined here, and poll calls the predicates by name.
# shellcheck disable=SC2034,SC2317,SC2119,SC2120

set -u -o pipefail

ACC_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=SCRIPTDIR/../x_session.sh
source "$ACC_LIB_DIR/../x_session.sh"
ACC_PYTHON=/usr/bin/python3

ACC_NAME=""
ACC_BINARY=""
ACC_WORK=""
ACC_ARTIFACTS=""
APP_PID=""
APP_STATUS=""
WIN=""
MSG=""

# --- The stored layout -----------------------------------------------------------------

declare -A CTL_KIND CTL_X CTL_Y CTL_W CTL_H

# ctl NAME KIND CONTAINER LEFT TOP WIDTH HEIGHT: records a control, in twips relative to
# its container; a container must be recorded before what it contains.
ctl() {
  local name=$1 kind=$2 container=$3 left=$4 top=$5 width=$6 height=$7
  if [ -n "$container" ]; then
    left=$((left + CTL_X[$container] * 15))
    top=$((top + CTL_Y[$container] * 15))
  fi
  CTL_KIND[$name]=$kind
  CTL_X[$name]=$((left / 15))
  CTL_Y[$name]=$((top / 15))
  CTL_W[$name]=$((width / 15))
  CTL_H[$name]=$((height / 15))
}

ctl chkBajaStuntEnduro check "" 2520 480 1935 255
ctl chkMax2Armadillo check "" 2520 120 1815 255
ctl chkArmadillo2Max check "" 240 120 1815 255
ctl btnExit button "" 4680 2280 855 495
ctl Frame6 frame "" 120 3120 2175 1335
ctl txtGridSize field Frame6 960 360 1095 285
ctl txtMaxStrength field Frame6 960 840 1095 285
ctl lblCalcStrength label Frame6 240 840 645 195
ctl lblCalcGridSize label Frame6 240 360 675 195
ctl chkNatSX check "" 240 480 1815 255
ctl Frame5 frame "" 120 1920 4455 1095
ctl txtObjectScale field Frame5 1560 720 1095 285
ctl txtDistance field Frame5 3000 360 1215 285
ctl chkUseObjectScale check Frame5 240 360 1695 255
ctl lblObjectScale label Frame5 240 720 1215 195
ctl Label1 label Frame5 3000 720 1290 195
ctl Frame4 frame "" 120 840 2295 975
ctl txtGridRes field Frame4 1320 360 735 285
ctl txtDilloStrength field Frame4 240 360 855 285
ctl Label3 label Frame4 1320 720 615 195
ctl Label2 label Frame4 240 720 600 195
ctl Frame3 frame "" 120 4440 5415 615
ctl Label5 label Frame3 120 240 5175 255
ctl Frame2 frame "" 2400 3120 2175 1335
ctl txtZ field Frame2 960 960 1095 285
ctl txtY field Frame2 960 600 1095 285
ctl txtX field Frame2 960 240 1095 285
ctl lblMaxZ label Frame2 240 960 585 195
ctl lblMaxY label Frame2 240 600 585 195
ctl lblMaxX label Frame2 240 240 585 195
ctl Frame1 frame "" 2520 840 2055 975
ctl txtHeading field Frame1 240 360 735 285
ctl txtPitch field Frame1 1200 360 615 285
ctl lblDilloHeading label Frame1 240 720 600 195
ctl lblDilloPitch label Frame1 1320 720 360 195
ctl btnCalculate button "" 4680 1200 855 495

# The eleven numeric fields that the user can see, and the five check boxes.
readonly FIELDS=(txtHeading txtPitch txtDilloStrength txtGridRes txtDistance txtGridSize
  txtMaxStrength txtObjectScale txtX txtY txtZ)
readonly BOXES=(chkArmadillo2Max chkMax2Armadillo chkNatSX chkBajaStuntEnduro chkUseObjectScale)

readonly CLIENT_SIZE="377x343"

# ctl_point NAME: the client-area point at which a person clicks the control: the middle
# of a field, button, label or frame, and the middle of a check box's square.
ctl_point() {
  local name=$1
  case ${CTL_KIND[$name]} in
    check) echo "$((CTL_X[$name] + 7)) $((CTL_Y[$name] + 8))" ;;
    *) echo "$((CTL_X[$name] + CTL_W[$name] / 2)) $((CTL_Y[$name] + CTL_H[$name] / 2))" ;;
  esac
}

# The inside of a check box's square, clear of its outline (which shows the focus).
box_rect() { echo "$((CTL_X[$1] + 3)),$((CTL_Y[$1] + 4)),8,8"; }

# --- Running and reporting -------------------------------------------------------------

pass() { echo "PASS: $*"; }

screenshot() {
  local file=$ACC_ARTIFACTS/$ACC_NAME-$1.png
  [ -n "${DISPLAY:-}" ] || return 1
  mkdir -p "$ACC_ARTIFACTS" 2>/dev/null || true
  if import -window root "$file" 2>/dev/null; then
    echo "$file"
  else
    return 1
  fi
}

# fail MESSAGE: reports the failure with a screenshot of the screen and ends the test.
# A test may define acc_on_fail to report more of what it did.
fail() {
  local file
  echo "FAIL: $*"
  if declare -F acc_on_fail >/dev/null; then acc_on_fail; fi
  if file=$(screenshot failure); then
    echo "FAIL: screenshot saved to $file"
  else
    echo "FAIL: no screenshot could be saved in $ACC_ARTIFACTS"
  fi
  if [ -s "$ACC_WORK/app.log" ]; then
    echo "--- program output ---"
    cat "$ACC_WORK/app.log"
    echo "----------------------"
  fi
  echo "FAIL: $ACC_NAME"
  exit 1
}

# The xclip processes that held clipboard markers end with the X server.
acc_cleanup() {
  xs_stop "$APP_PID" "$WM_PID" "$XVFB_PID"
  [ -n "$ACC_WORK" ] && rm -rf "$ACC_WORK"
}

# acc_begin NAME BINARY: names the test, checks its tools and prepares a scratch directory.
acc_begin() {
  ACC_NAME=$1
  ACC_BINARY=$2
  ACC_ARTIFACTS=${ACCEPTANCE_ARTIFACTS:-${TMPDIR:-/tmp}}
  trap acc_cleanup EXIT
  trap 'echo "FAIL: interrupted"; exit 130' INT TERM
  local tool
  for tool in Xvfb openbox xdotool xclip xprop xwininfo import "$ACC_PYTHON"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
  done
  [ -x "$ACC_BINARY" ] || { echo "FAIL: $ACC_BINARY is not an executable program"; exit 1; }
  ACC_WORK=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-$ACC_NAME.XXXXXX")
}

# acc_start_display: a private X server, at 96 dots per inch, managed by openbox.
acc_start_display() {
  xs_start_xvfb "$ACC_WORK" 1280x1024 20000 ||
    { cat "$ACC_WORK/xvfb.log"; fail "Xvfb did not report a display within 20 s"; }
  xs_qt_env
  xs_start_openbox "$ACC_WORK" 20000 ||
    { cat "$ACC_WORK/openbox.log"; fail "openbox did not start within 20 s"; }
}

app_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }
app_exited() { ! app_running; }

# The main window is the visible window titled Lumetra that is not transient for another.
find_main_window() { xs_find_window Lumetra && WIN=$XS_WINDOW; }

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# acc_start_app: starts the program and waits until its window is shown and active.
acc_start_app() {
  "$ACC_BINARY" >"$ACC_WORK/app.log" 2>&1 &
  APP_PID=$!
  # A loaded machine running sanitizer builds can take long over the first start.
  if xs_wait_window Lumetra "$APP_PID" 60000; then
    WIN=$XS_WINDOW
  else
    if app_exited; then
      collect_exit
      fail "the program exited with status $APP_STATUS before its window appeared"
    fi
    echo "windows on $DISPLAY: $(xdotool search --name '' 2>/dev/null | while read -r id; do
      printf '%s "%s"; ' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"; done)"
    fail "no visible window titled 'Lumetra' appeared within 60 s"
  fi
  poll 10000 is_active "$WIN" || fail "the Lumetra window did not become active within 10 s"
  # The first paint follows the mapping of the window.
  park_pointer
  sync_window
}

# collect_exit: waits for the program that has ended and records its status.
collect_exit() {
  wait "$APP_PID"
  APP_STATUS=$?
  APP_PID=""
}

# expect_exit WHAT: the program must end within 10 s with status 0.
expect_exit() {
  poll 10000 app_exited || fail "the program still runs 10 s after $1"
  collect_exit
  [ "$APP_STATUS" -eq 0 ] || fail "the program exited with status $APP_STATUS after $1"
  if xdotool search --onlyvisible --name '^Lumetra$' >/dev/null 2>&1; then
    fail "a window titled 'Lumetra' is still shown after $1"
  fi
  pass "$1 ends the program with status 0"
}

expect_running() {
  app_running || { collect_exit; fail "the program ended (status $APP_STATUS) $1"; }
}

# --- Acting like a person --------------------------------------------------------------

key() { xdotool key --delay 15 "$@"; }

type_text() { xdotool type --delay 8 -- "$1"; }

click_at() { xdotool mousemove --window "$WIN" "$1" "$2" click 1; }

# The pointer rests on the title label, where it lights up nothing.
park_pointer() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$WIN" $(ctl_point Label5)
}

click_control() {
  # shellcheck disable=SC2046
  click_at $(ctl_point "$1")
}

# --- The clipboard ---------------------------------------------------------------------

ACC_SEQ=0

# clip_own TEXT: puts TEXT on the clipboard; an xclip process holds it until another
# client takes the clipboard over, or the X server ends.
clip_own() {
  printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  clip_is "$1" || poll 2000 clip_is "$1" || fail "could not put text on the clipboard"
}

clip_text() { timeout 2 xclip -selection clipboard -o 2>/dev/null; }
# The x keeps the trailing newlines of the text, which $(...) would cut.
clip_is() { local now; now=$(clip_text && printf x) || return 1; [ "${now%x}" = "$1" ]; }
clip_changed() { local now; now=$(clip_text) && [ "$now" != "$1" ]; }

# copy_focused [MILLISECONDS]: selects all of the focused control, copies it, and prints
# what was copied. A marker put on the clipboard first tells a copy from an old clipboard;
# fails when nothing was copied in time (an empty selection copies nothing).
copy_focused() {
  local wait=${1:-5000} marker
  ACC_SEQ=$((ACC_SEQ + 1))
  marker="lumetra-marker-$$-$ACC_SEQ"
  clip_own "$marker"
  key ctrl+a ctrl+c
  poll "$wait" clip_changed "$marker" || return 1
  clip_text
}

# window_settled: two screenshots of the window taken a moment apart are the same, so
# the window has painted what it was last asked to.
window_settled() {
  local a b
  a=$(import -window "$WIN" ppm:- 2>/dev/null | md5sum) || return 1
  sleep 0.05
  b=$(import -window "$WIN" ppm:- 2>/dev/null | md5sum) || return 1
  [ "$a" = "$b" ]
}

sync_window() { poll 5000 window_settled || true; }

# read_field NAME: clicks into the field and prints its text.
read_field() {
  click_control "$1"
  copy_focused
}

# expect_field NAME EXPECTED [WHAT]: the field must read EXPECTED.
expect_field() {
  local name=$1 expected=$2 what=${3:-} got
  got=$(read_field "$name") || got="(nothing copied)"
  [ "$got" = "$expected" ] || fail "$name reads '$got', expected '$expected'${what:+ ($what)}"
  pass "$name reads '$expected'${what:+ ($what)}"
}

# expect_fields WHAT NAME=TEXT...: several fields, each read in turn.
expect_fields() {
  local what=$1 pair
  shift
  for pair in "$@"; do expect_field "${pair%%=*}" "${pair#*=}" "$what"; done
}

# enter NAME TEXT: clicks into the field, replaces all of its text by TEXT as typed.
enter() {
  click_control "$1"
  key ctrl+a
  if [ -n "$2" ]; then type_text "$2"; else key BackSpace; fi
}

# enter_all NAME=TEXT...: enters several fields in turn.
enter_all() {
  local pair
  for pair in "$@"; do enter "${pair%%=*}" "${pair#*=}"; done
}

# --- Message boxes ---------------------------------------------------------------------

# find_message: a visible window titled Lumetra that is transient for the main window.
find_message() {
  local id
  MSG=""
  for id in $(xdotool search --onlyvisible --name '^Lumetra$' 2>/dev/null); do
    [ "$id" = "$WIN" ] && continue
    if xprop -id "$id" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id'; then
      MSG=$id
      return 0
    fi
  done
  return 1
}

message_ready() { find_message && is_active "$MSG"; }

# wait_message [MILLISECONDS]: waits until a message box is shown and has the focus.
wait_message() { poll "${1:-10000}" message_ready; }

# message_text: prints the text of the shown message box: a click on the text gives it
# the focus, then it is selected and copied.
message_text() {
  local geometry width
  geometry=$(xdotool getwindowgeometry "$MSG" | sed -n 's/^ *Geometry: *//p')
  width=${geometry%x*}
  # The text stands above the OK button, starting near the top-left corner.
  xdotool mousemove --window "$MSG" $((width / 2)) 18 click 1
  copy_focused
}

# dismiss_message KEY: closes the shown message box with KEY (Return or Escape).
dismiss_message() {
  local box=$MSG
  key "$1"
  gone() { ! xdotool getwindowname "$box" >/dev/null 2>&1 || ! xdotool search --onlyvisible --name '^Lumetra$' 2>/dev/null | grep -qx "$box"; }
  poll 10000 gone || fail "the message box did not close after $1"
  # Input that reached the window while the box was shown, such as a click on Calculate,
  # may open the next box at once; that box is the caller's to find.
  back_or_next() { is_active "$WIN" || find_message; }
  poll 10000 back_or_next || fail "the main window did not get the focus back after the message box closed"
  MSG=""
}

# expect_message TEXT KEY: a message box with caption Lumetra and TEXT must be shown; it is
# then dismissed with KEY and the program must still run.
expect_message() {
  local expected=$1 dismiss=$2 got
  wait_message || fail "no message box appeared (expected '$expected')"
  got=$(message_text) || got="(nothing copied)"
  [ "$got" = "$expected" ] || fail "the message box reads '$got', expected '$expected'"
  pass "a message box titled 'Lumetra' reads '$expected'"
  dismiss_message "$dismiss"
  expect_running "after the message box was dismissed"
}

expect_no_message() {
  sleep 0.3
  if find_message; then
    local text
    text=$(message_text) || text="(unreadable)"
    fail "an unexpected message box appeared $1: '$text'"
  fi
}

# --- Check boxes -----------------------------------------------------------------------

BOX_TICKED=""
BOX_CLEAR=""

# box_means NAME...: the mean brightness of the inside of each box's square, one a line.
box_means() {
  local rects=() name
  for name in "$@"; do rects+=("$(box_rect "$name")"); done
  import -window "$WIN" -depth 8 ppm:- 2>/dev/null | "$ACC_PYTHON" "$ACC_LIB_DIR/pixels.py" "${rects[@]}"
}

# learn_boxes: takes the look of a ticked and of a clear box from the freshly started
# window, where "Armadillo to 3dsMax" is stored ticked and "3dsMax to Armadillo" clear.
learn_boxes() {
  park_pointer
  sync_window
  looks_apart() {
    local means
    means=$(box_means chkArmadillo2Max chkMax2Armadillo) || return 1
    BOX_TICKED=$(sed -n 1p <<<"$means")
    BOX_CLEAR=$(sed -n 2p <<<"$means")
    awk -v t="$BOX_TICKED" -v c="$BOX_CLEAR" 'BEGIN { exit !(c - t > 0.08) }'
  }
  poll 5000 looks_apart \
    || fail "a ticked box ($BOX_TICKED) and a clear box ($BOX_CLEAR) cannot be told apart"
}

# classify MEAN: ticked or clear when the square looks like one of the two learnt looks,
# other when it is neither (the greyed look).
classify() {
  awk -v m="$1" -v t="$BOX_TICKED" -v c="$BOX_CLEAR" 'BEGIN {
    gap = c - t; dt = m - t; dc = m - c
    if (dt < 0) dt = -dt
    if (dc < 0) dc = -dc
    if (dt < gap / 4) print "ticked"; else if (dc < gap / 4) print "clear"; else print "other"
  }'
}

# box_states NAME...: prints NAME=STATE for each box, from one screenshot.
box_states() {
  local means name i=0
  park_pointer
  means=$(box_means "$@") || return 1
  mapfile -t means <<<"$means"
  for name in "$@"; do
    echo "$name=$(classify "${means[$i]}")"
    i=$((i + 1))
  done
}

# boxes_are NAME=STATE...: succeeds when every box shows its state.
boxes_are() {
  local want=("$@") names=() pair
  for pair in "${want[@]}"; do names+=("${pair%%=*}"); done
  [ "$(box_states "${names[@]}" | tr '\n' ' ')" = "$(printf '%s ' "${want[@]}")" ]
}

# expect_boxes WHAT NAME=STATE...: the boxes must show these states (polled, as the window
# repaints after it has handled a click).
expect_boxes() {
  local what=$1
  shift
  if ! poll 5000 boxes_are "$@"; then
    fail "check boxes $what: expected $*, shown $(box_states "${@%%=*}" | tr '\n' ' ')"
  fi
  pass "check boxes $what: $*"
}
