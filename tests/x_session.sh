# The private X session of the tests that run the real program: an Xvfb server of their
# own, never the caller's display, openbox to manage it where a test needs one, and the
# program's window found by its title while the program is watched for an early exit.
#
#   now_ms                       the wall clock in milliseconds
#   poll MS COMMAND...           runs COMMAND every 20 ms until it succeeds or MS have
#                                passed; succeeds when COMMAND did
#   xs_start_xvfb DIR SIZE MS    Xvfb with a WIDTHxHEIGHT screen at 96 dots per inch, its
#                                output in DIR/xvfb.log; sets XVFB_PID and, once the server
#                                reports its display within MS, exports DISPLAY
#   xs_qt_env                    Qt on that display at scale 1, whatever the caller's
#                                desktop asked for
#   xs_runtime_dir DIR           DIR/runtime as XDG_RUNTIME_DIR when the caller has none
#   xs_start_openbox DIR MS      openbox, its output in DIR/openbox.log; sets WM_PID and
#                                succeeds once it manages the screen within MS
#   xs_find_window TITLE         the visible window titled TITLE that is not transient for
#                                another, in XS_WINDOW
#   xs_wait_window TITLE PID MS  waits MS for that window while process PID runs
#   xs_stop PID...               ends, in turn, the processes this shell started

# The callers read the variables set here.
# shellcheck shell=bash disable=SC2034

XVFB_PID=""
WM_PID=""
XS_WINDOW=""

now_ms() { local t=${EPOCHREALTIME/[^0-9]/}; echo $((10#${t:0:-3})); }

poll() {
  local deadline=$(($(now_ms) + $1))
  shift
  while :; do
    "$@" && return 0
    (($(now_ms) < deadline)) || return 1
    sleep 0.02
  done
}

xs_display_ready() { grep -q '^[0-9][0-9]*$' "$1/display" 2>/dev/null; }

xs_start_xvfb() {
  local dir=$1 size=$2 wait=$3
  Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset \
    3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  XVFB_PID=$!
  poll "$wait" xs_display_ready "$dir" || return 1
  DISPLAY=":$(head -n1 "$dir/display")"
  export DISPLAY
}

xs_qt_env() {
  unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_STYLE_OVERRIDE
  export QT_QPA_PLATFORM=xcb
}

xs_runtime_dir() {
  [ -z "${XDG_RUNTIME_DIR:-}" ] || return 0
  export XDG_RUNTIME_DIR=$1/runtime
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

xs_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

xs_start_openbox() {
  local dir=$1 wait=$2 args=()
  [ -f /etc/xdg/openbox/rc.xml ] && args=(--config-file /etc/xdg/openbox/rc.xml)
  openbox "${args[@]}" >"$dir/openbox.log" 2>&1 &
  WM_PID=$!
  poll "$wait" xs_wm_ready
}

xs_find_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    if ! xprop -id "$id" WM_TRANSIENT_FOR 2>/dev/null | grep -q 'window id'; then
      XS_WINDOW=$id
      return 0
    fi
  done
  XS_WINDOW=""
  return 1
}

xs_window_or_exit() { xs_find_window "$1" || ! kill -0 "$2" 2>/dev/null; }

# The window counts only while the process that should own it still runs.
xs_wait_window() {
  poll "$3" xs_window_or_exit "$1" "$2" && kill -0 "$2" 2>/dev/null && xs_find_window "$1"
}

# A process that has already ended is only reaped: its number may belong to another by now.
xs_stop() {
  local pid
  for pid in "$@"; do
    [ -n "$pid" ] || continue
    jobs -pr | grep -qx "$pid" || { wait "$pid" 2>/dev/null; continue; }
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  return 0
}
