#!/usr/bin/env bash
# A desktop of their own for the Windows programs that open windows under Wine: an Xvfb
# server at 96 dots per inch, managed by openbox so that activation goes through a window
# manager as on a desktop, and a fresh Wine prefix booted on that display (while the
# server of a prefix booted without a display runs, a program there can open no window).
#
#   bash tests/wine_session.sh PROGRAM.exe [ARG...]   runs the program under wine there;
#                                                     its exit status is the script's
#
# or source it and call
#
#   ws_start DIR [SIZE]   Xvfb (SIZE WIDTHxHEIGHT, 1280x1024 by default; its logs in DIR),
#                         openbox and the prefix; exports DISPLAY and WINEPREFIX
#   ws_stop               ends what ws_start started, prefix first, and what of it had
#                         started before a failure; call it from the caller's EXIT trap,
#                         which ws_start keeps

WS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=SCRIPTDIR/x_session.sh
source "$WS_DIR/x_session.sh"
# shellcheck source=SCRIPTDIR/../scripts/wine-prefix.sh
source "$WS_DIR/../scripts/wine-prefix.sh"

ws_start() {
  local dir=$1 size=${2:-1280x1024} caller_trap status=0
  caller_trap=$(trap -p EXIT)
  if ! xs_start_xvfb "$dir" "$size" 20000; then
    cat "$dir/xvfb.log" >&2
    echo "wine_session: Xvfb reported no display" >&2
    return 1
  fi
  if ! xs_start_openbox "$dir" 20000; then
    cat "$dir/openbox.log" >&2
    echo "wine_session: openbox did not start" >&2
    return 1
  fi
  # wine_prefix_create sets an EXIT trap of its own; the caller's, which calls ws_stop, is
  # put back.
  WINE_PREFIX_SETTLE=0 wine_prefix_create || status=$?
  eval "${caller_trap:-trap - EXIT}"
  return "$status"
}

ws_stop() {
  wine_prefix_remove
  xs_stop "$WM_PID" "$XVFB_PID"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  [ $# -gt 0 ] || { echo "usage: $0 PROGRAM.exe [ARG...]" >&2; exit 2; }
  ws_work=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-wine-session.XXXXXX")
  trap 'ws_stop; rm -rf "$ws_work"' EXIT
  ws_start "$ws_work"
  wine "$@"
fi
