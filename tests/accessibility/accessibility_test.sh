#!/usr/bin/env bash
# Accessibility test of Lumetra: reads the window as a screen reader does.
#
# Usage: accessibility_test.sh PATH/TO/lumetra PATH/TO/read_window.py
#
# Starts a private Xvfb server, a private D-Bus session bus (dbus-run-session) and on it
# the accessibility bus (at-spi-bus-launcher, which activates at-spi2-registryd), runs the
# program with Qt's AT-SPI bridge switched on, and hands over to read_window.py, which
# finds the application on the accessibility desktop and checks the roles, names, states
# and texts of its controls and edits a field. Every process started here is ended here.
#
# Needs: Xvfb, xdotool, xprop (x11-utils), dbus-run-session (dbus), at-spi-bus-launcher (at-spi2-core) and
# Debian's python3 with pyatspi (python3-pyatspi).

set -u -o pipefail

if [ "${1:-}" = "--in-session" ]; then
  shift
  in_session=1
else
  in_session=0
fi

binary=${1:?usage: accessibility_test.sh PATH/TO/lumetra PATH/TO/read_window.py}
checks=${2:?usage: accessibility_test.sh PATH/TO/lumetra PATH/TO/read_window.py}
python=/usr/bin/python3

# shellcheck source=SCRIPTDIR/../x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x_session.sh"

show_logs() {
  local log
  for log in "$work"/*.log; do
    [ -s "$log" ] || continue
    echo "--- $(basename "$log") ---"
    grep -v 'Failed to set fd limit' "$log"
  done
}

# --- Inside the private session bus: the accessibility bus, the program, the checks ----

if [ "$in_session" = 1 ]; then
  work=${LUMETRA_A11Y_WORK:?}
  launcher_pid=""
  app_pid=""
  cleanup_session() { xs_stop "$app_pid" "$launcher_pid"; }
  trap cleanup_session EXIT

  launcher=""
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && { launcher=$candidate; break; }
  done
  [ -n "$launcher" ] || { echo "FAIL: at-spi-bus-launcher (at-spi2-core) is not installed"; exit 1; }
  "$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
  launcher_pid=$!
  # Asked whether the name has an owner, not through the name itself, which would have the
  # session bus start a second launcher of its own.
  bus_ready() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
  }
  poll 10000 bus_ready || { show_logs; echo "FAIL: the accessibility bus did not start within 10 s"; exit 1; }
  echo "PASS: the accessibility bus runs"

  # Qt 6 joins the accessibility bus only when asked to, as a desktop with a screen reader
  # running would ask it.
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" >"$work/app.log" 2>&1 &
  app_pid=$!

  if ! xs_wait_window Lumetra "$app_pid" 10000; then
    show_logs
    echo "FAIL: no window titled 'Lumetra' appeared within 10 s"
    exit 1
  fi
  window=$XS_WINDOW
  # There is no window manager to hand the window the keyboard, so it is given it directly:
  # a field loses the focus to another, and is tidied, only in the active window.
  timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
  echo "PASS: the window $window is shown and has the keyboard"

  "$python" "$checks"
  status=$?
  if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL: the program ended during the checks"
    status=1
  fi
  [ "$status" = 0 ] || show_logs
  exit "$status"
fi

# --- Outside: the display, then the session bus around the rest ------------------------

for tool in Xvfb xdotool xprop dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$python" ] || { echo "FAIL: $python is not installed"; exit 1; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "FAIL: pyatspi (python3-pyatspi) is not installed"; exit 1; }
[ -x "$binary" ] || { echo "FAIL: $binary is not an executable program"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-a11y.XXXXXX")
cleanup() {
  xs_stop "$XVFB_PID"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 130' INT TERM

xs_start_xvfb "$work" 1280x1024 10000 ||
  { show_logs; echo "FAIL: Xvfb did not report a display within 10 s"; exit 1; }
echo "PASS: Xvfb runs on display $DISPLAY"

# Nothing from the caller's desktop may leak in: this display, this session bus and the
# accessibility bus found through them are the only ones the program and the checks see.
mkdir -m 700 "$work/runtime"
xs_qt_env
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS QT_ACCESSIBILITY
XDG_RUNTIME_DIR="$work/runtime" LUMETRA_A11Y_WORK="$work" \
  dbus-run-session -- bash "$0" --in-session "$binary" "$checks" 2>"$work/session.log"
status=$?
if [ "$status" = 0 ]; then
  echo "PASS: Lumetra accessibility test"
else
  grep -v 'Failed to set fd limit' "$work/session.log"
  echo "FAIL: Lumetra accessibility test"
fi
exit "$status"
