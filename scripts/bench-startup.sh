#!/usr/bin/env bash
# Start-up time and memory of the program against the minimal Qt Widgets baseline.
#
# Usage: scripts/bench-startup.sh [PROGRAM]
#
# For PROGRAM (default build/ci/app/lumetra) and the baseline (build/ci/bench/minimal_window)
# it measures, under its own Xvfb with the openbox window manager:
#   - start-up: the time from exec to the program's window being mapped (viewable);
#   - memory: VmRSS from /proc/PID/status once the window has been shown for a moment.
# The programs run in turn, the order rotating every round, after one untimed warm-up run
# each. It prints the medians and the ratios program / baseline.
#
# Environment (all optional):
#   BENCH_PROGRAM         program to measure (the argument wins over it)
#   BENCH_PROGRAM_TITLE   its window title (default "Lumetra")
#   BENCH_BASELINE        baseline binary (default build/ci/bench/minimal_window)
#   BENCH_BASELINE_TITLE  its window title (default "Baseline")
#   BENCH_PROBE           startup_probe helper (default: beside the baseline binary); when it
#                         is missing the window is polled with xdotool, which is coarser
#   BENCH_RUNS            timed runs of each program (default 21, at least 10)
#   BENCH_SETTLE_MS       wait between mapping and reading VmRSS (default 500)
#   BENCH_STRICT          when 1, exit with status 1 if a ratio misses its target
#   BENCH_DEB             a lumetra .deb (cpack's); when set, it is installed into a scratch root
#                         with dpkg and its /usr/bin/lumetra is measured in the same rounds as
#                         PROGRAM and the baseline, each against the baseline
set -euo pipefail
# shellcheck source=../tests/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/x_session.sh"

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-${BENCH_PROGRAM:-$root/build/ci/app/lumetra}}
program_title=${BENCH_PROGRAM_TITLE:-Lumetra}
baseline=${BENCH_BASELINE:-$root/build/ci/bench/minimal_window}
baseline_title=${BENCH_BASELINE_TITLE:-Baseline}
probe=${BENCH_PROBE:-$(dirname "$baseline")/startup_probe}
runs=${BENCH_RUNS:-21}
settle_ms=${BENCH_SETTLE_MS:-500}
strict=${BENCH_STRICT:-0}

startup_target=1.25
memory_target=1.15

die() { echo "bench-startup: $*" >&2; exit 2; }

check_binary() {  # what, path
  [ -e "$2" ] || die "$1 not found: $2
  Build it first (cmake --preset ci && cmake --build --preset ci), or pass its path."
  if [ ! -f "$2" ] || [ ! -x "$2" ]; then die "$1 is not an executable file: $2"; fi
}

check_binary "program" "$program"
check_binary "baseline" "$baseline"
program=$(realpath "$program")
baseline=$(realpath "$baseline")
if ! [[ $runs =~ ^[0-9]+$ ]] || [ "$runs" -lt 10 ]; then
  die "BENCH_RUNS must be a whole number of at least 10, not '$runs'"
fi
[[ $settle_ms =~ ^[0-9]+$ ]] || die "BENCH_SETTLE_MS must be a whole number of milliseconds, not '$settle_ms'"
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || die "$tool is not installed"
done
if [ -x "$probe" ]; then
  probe=$(realpath "$probe")
  method="startup_probe (X map events)"
else
  command -v xdotool >/dev/null || die "neither $probe nor xdotool is available"
  probe=""
  method="xdotool polling every 2 ms (coarser: build startup_probe for better figures)"
fi

# --- display and window manager ---------------------------------------------------------
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

# --- one measurement --------------------------------------------------------------------
# Prints "<startup microseconds> <VmRSS kB>".
measure() {  # binary, title
  local binary=$1 title=$2 out
  if [ -n "$probe" ]; then
    out=$("$probe" --title "$title" --settle-ms "$settle_ms" --output "$work/output.log" -- "$binary") ||
      die "measuring $binary failed; its last output:
$(tail -n 5 "$work/output.log" 2>/dev/null)"
    local us=${out#startup_us=}; us=${us%% *}
    local kb=${out##*rss_kb=}
    echo "$us $kb"
    return
  fi
  local pattern="^${title}\$" t0 t1 pid kb=""
  t0=$(date +%s%N)
  "$binary" >>"$work/output.log" 2>&1 &
  pid=$!
  t1=""
  for _ in $(seq 15000); do
    if xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then
      t1=$(date +%s%N)
      break
    fi
    kill -0 "$pid" 2>/dev/null || die "$binary ended before its window was shown"
    sleep 0.002
  done
  [ -n "$t1" ] || { kill "$pid" 2>/dev/null; die "no window titled '$title' from $binary"; }
  sleep "$(awk -v ms="$settle_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
  kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$kb" ] || die "cannot read VmRSS of $binary"
  echo "$(( (t1 - t0) / 1000 )) $kb"
}

# Between two runs: let the X server and openbox finish with the window just closed.
pause() { sleep 0.2; }

median() {  # numbers on stdin, one a line
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# --- the installed package, when given ----------------------------------------------------
installed=""
if [ -n "${BENCH_DEB:-}" ]; then
  [ -f "$BENCH_DEB" ] || die "BENCH_DEB is not a file: $BENCH_DEB"
  command -v dpkg >/dev/null || die "dpkg is not installed"
  mkdir -p "$work/root" "$work/admin/updates" "$work/admin/info" "$work/admin/triggers"
  : >"$work/admin/status"
  : >"$work/admin/available"
  # The scratch root has no Qt: the installed program uses the system's libraries.
  dpkg_args=(--instdir="$work/root" --admindir="$work/admin" --force-depends --force-script-chrootless
             --log=/dev/null)
  [ "$(id -u)" = 0 ] || dpkg_args+=(--force-not-root)
  PATH="$PATH:/usr/sbin:/sbin" dpkg "${dpkg_args[@]}" --install "$BENCH_DEB" >"$work/dpkg.log" 2>&1 ||
    die "dpkg could not install $BENCH_DEB: $(tail -n 3 "$work/dpkg.log")"
  installed=$work/root/usr/bin/lumetra
  [ -x "$installed" ] || die "the package installs no /usr/bin/lumetra"
fi

names=(program baseline)
binaries=("$program" "$baseline")
titles=("$program_title" "$baseline_title")
if [ -n "$installed" ]; then
  names+=(installed)
  binaries+=("$installed")
  titles+=("$program_title")
fi
count=${#names[@]}

echo "Display $DISPLAY with openbox; window detection: $method"
echo "Machine:  $(nproc) CPUs, $(lscpu 2>/dev/null | sed -n 's/^Model name: *//p')"
echo "Program:  $program (title '$program_title')"
[ -z "$installed" ] || echo "Installed: $installed, from $BENCH_DEB"
echo "Baseline: $baseline (title '$baseline_title')"
echo "Runs: 1 warm-up + $runs timed each, order rotating; VmRSS read ${settle_ms} ms after mapping"

for k in $(seq 0 $((count - 1))); do
  measure "${binaries[$k]}" "${titles[$k]}" >/dev/null; pause
  : >"$work/${names[$k]}"
done
for i in $(seq "$runs"); do
  for j in $(seq 0 $((count - 1))); do
    k=$(( (i + j) % count ))
    measure "${binaries[$k]}" "${titles[$k]}" >>"$work/${names[$k]}"; pause
  done
  printf '.' >&2
done
echo >&2

stats() {  # file -> "median_ms min_ms max_ms median_kb"
  local file=$1 us kb
  us=$(cut -d' ' -f1 "$file" | median)
  kb=$(cut -d' ' -f2 "$file" | median)
  awk -v us="$us" -v kb="$kb" '
    NR == 1 || $1 < lo { lo = $1 }
    NR == 1 || $1 > hi { hi = $1 }
    END { printf "%.1f %.1f %.1f %.0f\n", us / 1000, lo / 1000, hi / 1000, kb }' "$file"
}

read -r b_ms b_lo b_hi b_kb < <(stats "$work/baseline")
printf "\n%-10s %14s %16s %14s %14s %13s\n" "" "start-up (ms)" "min - max (ms)" "VmRSS (MiB)" "start-up ratio" "memory ratio"
status=0
for name in "${names[@]}"; do
  read -r ms lo hi kb < <(stats "$work/$name")
  awk -v name="$name" -v ms="$ms" -v lo="$lo" -v hi="$hi" -v kb="$kb" -v b_ms="$b_ms" -v b_kb="$b_kb" '
    BEGIN { printf "%-10s %14.1f %7.1f - %6.1f %14.1f %14.3f %13.3f\n", name, ms, lo, hi, kb / 1024, ms / b_ms, kb / b_kb }'
  [ "$name" = baseline ] && continue
  awk -v name="$name" -v ms="$ms" -v kb="$kb" -v b_ms="$b_ms" -v b_kb="$b_kb" -v ts="$startup_target" \
      -v tm="$memory_target" -v n="$runs" '
    function verdict(r, t) { return r <= t ? "within target" : "ABOVE TARGET" }
    BEGIN {
      rs = ms / b_ms; rm = kb / b_kb
      printf "  %s: start-up ratio %.3f (target <= %.2f): %s; memory ratio %.3f (target <= %.2f): %s.\n",
        name, rs, ts, verdict(rs, ts), rm, tm, verdict(rm, tm)
      exit (rs > ts || rm > tm) ? 1 : 0
    }' >"$work/verdict" || status=1
  verdicts+=$(cat "$work/verdict")$'\n'
done
printf "\nMedians of %d runs each.\n%s" "$runs" "${verdicts:-}"
if [ "$strict" = 1 ] && [ "$status" != 0 ]; then exit 1; fi
exit 0
