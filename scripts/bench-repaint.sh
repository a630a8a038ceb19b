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
# shellcheck source=../tests/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/x_session.sh"

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
cleanup() {
  xs_stop "$WM_PID" "$XVFB_PID"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

xs_start_xvfb "$work" 1280x1024 5000 || die "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
xs_qt_env
xs_runtime_dir "$work"
xs_start_openbox "$work" 5000 || die "openbox did not start: $(tail -n 3 "$work/openbox.log")"

echo "Display $DISPLAY with openbox; $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p')"
"$bench" "$@" | tee "$work/result"
if [ "$strict" = 1 ] && grep -q 'ABOVE TARGET' "$work/result"; then
  exit 1
fi
