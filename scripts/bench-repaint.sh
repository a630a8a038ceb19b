#!/usr/bin/env bash
# From a real click on Calculate to every changed result field repainted, on the real
# window, under its own Xvfb with the openbox window manager.
#
# Usage: scripts/bench-repaint.sh [REPAINT_BENCH] [-- BENCH ARGUMENTS]
#
# REPAINT_BENCH defaults to build/ci/bench/repaint_bench (built with the benchmarks when
# libxtst-dev is installed). Arguments after -- go to it, e.g. -- --clicks 101.
# With BENCH_STRICT=1 it exits with status 1 when a median misses the 16 ms target.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench=$root/build/ci/bench/repaint_bench
if [ $# -gt 0 ] && [ "$1" != "--" ]; then bench=$1; shift; fi
[ $# -gt 0 ] && [ "$1" = "--" ] && shift
strict=${BENCH_STRICT:-0}

die() { echo "bench-repaint: $*" >&2; exit 2; }
[ -x "$bench" ] || die "$bench not found: build the benchmarks (cmake --preset ci && cmake --build --preset ci; needs libxtst-dev)"
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || die "$tool is not installed"
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
  sleep 0.025
done
[ -s "$work/display" ] || die "Xvfb did not report a display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$wm_pid" 2>/dev/null || die "openbox did not start: $(tail -n 3 "$work/openbox.log")"
  sleep 0.025
done

echo "Display $DISPLAY with openbox; $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p')"
"$bench" "$@" | tee "$work/result"
if [ "$strict" = 1 ] && grep -q 'ABOVE TARGET' "$work/result"; then
  exit 1
fi
