#!/usr/bin/env bash
# A throwaway Wine prefix for running the cross-built Windows programs: made fresh in a
# temporary folder, so that no state of an earlier run or of the user's ~/.wine leaks in,
# and removed again when the shell exits. Works as root and without a display; a caller
# that needs windows (e.g. under Xvfb) exports DISPLAY first, and Wine uses it.
#
# Run a command inside a fresh prefix:
#
#   bash scripts/wine-prefix.sh ctest --preset windows
#
# or source it and call:
#
#   wine_prefix_create    makes and initialises the prefix, exports WINEPREFIX, WINEDEBUG
#                         and WINEDLLOVERRIDES, and sets an EXIT trap that removes it; the
#                         trap replaces any EXIT trap of the shell, so call it in a script
#                         or subshell of its own, or call wine_prefix_remove from your trap
#   wine_prefix_remove    stops the prefix's wineserver and deletes everything it made
#
# WINE_PREFIX_SETTLE=0 returns as soon as the prefix has booted, its server still running:
# a caller that runs its programs there at once is spared the seconds the server takes to
# write the registry and exit.
#
# Set WINE_PREFIX_KEEP=1 to keep the folder for a look after a failure.

WINE_PREFIX_ROOT=""

# No debug channels: Wine's fixme lines would bury the test output.
export WINEDEBUG=${WINEDEBUG:--all}
# The Mono and Gecko installers would otherwise ask, in a window, to download themselves,
# and winemenubuilder would write menu entries into the caller's home.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

wine_prefix_create() {
  WINE_PREFIX_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-wine.XXXXXX")
  trap wine_prefix_remove EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  export WINEPREFIX=$WINE_PREFIX_ROOT/prefix
  # wineboot reports its progress and the missing 32-bit loader on stderr; that is noise
  # unless it fails.
  # On a busy machine wineboot now and then fails to start a program of the new prefix
  # (c0000135 for syswow64's rundll32.exe) and leaves it half made; a fresh one boots the
  # next time, so it gets three tries.
  local try
  for try in 1 2 3; do
    wineboot -i >"$WINE_PREFIX_ROOT/wineboot.log" 2>&1 && break
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ "$try" = 3 ]; then
      cat "$WINE_PREFIX_ROOT/wineboot.log" >&2
      echo "wine-prefix: wineboot -i failed three times in $WINEPREFIX" >&2
      return 1
    fi
    rm -rf -- "$WINEPREFIX"
  done
  # wineboot returns while the services it started still run and before the server has
  # written the new registry to disk; once the server has exited the prefix is settled.
  [ "${WINE_PREFIX_SETTLE:-1}" = 0 ] || wineserver -w
  # Windows's dialog font "MS Shell Dlg" stands for Tahoma in Wine. Debian ships Wine's
  # Tahoma in fonts-wine, but this Wine does not look there, so the prefix gets a copy;
  # without it every window would be drawn in a wider fallback font.
  local font
  for font in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
    [ -f "$font" ] && cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  return 0
}

wine_prefix_remove() {
  [ -n "$WINE_PREFIX_ROOT" ] || return 0
  if [ "${WINE_PREFIX_KEEP:-0}" = 1 ]; then
    echo "wine-prefix: kept $WINEPREFIX" >&2
    return 0
  fi
  WINEPREFIX=$WINE_PREFIX_ROOT/prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$WINE_PREFIX_ROOT/prefix wineserver -w 2>/dev/null || true
  # Debian's Wine keeps the server's socket in a folder of its own under TMPDIR and names
  # it in the prefix's "wineserver" file; that folder outlives the prefix otherwise.
  local server_dir=""
  if [ -f "$WINE_PREFIX_ROOT/prefix/wineserver" ]; then
    server_dir=$(head -c 200 "$WINE_PREFIX_ROOT/prefix/wineserver")
    case $server_dir in
      /*) ;;
      *) server_dir=${TMPDIR:-/tmp}/$server_dir ;;
    esac
    case ${server_dir##*/} in
      wine-??????) [ -d "$server_dir" ] && rm -rf -- "$server_dir" ;;
    esac
  fi
  rm -rf -- "$WINE_PREFIX_ROOT"
  WINE_PREFIX_ROOT=""
}

# Run as a program: the arguments are the command to run inside a fresh prefix.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARG...]" >&2
    exit 2
  fi
  wine_prefix_create
  "$@"
fi
