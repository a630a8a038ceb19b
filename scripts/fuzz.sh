#!/usr/bin/env bash
# Builds the libFuzzer targets of the arithmetic core (fuzz preset: clang, AddressSanitizer
# and UndefinedBehaviorSanitizer), replays the saved regression inputs, then fuzzes every
# target in turn from a scratch copy of its seed corpus, so the tree is never modified.
# Exits non-zero if any target crashes, times out, leaks or fails a check, and prints the
# input that did it.
#
# Environment:
#   FUZZ_SECONDS_TOTAL  seconds shared out among all targets (default 60)
#   FUZZ_SECONDS        seconds for each target; overrides the share
#   FUZZ_RUNS           executions for each target instead of a time, for long runs
#   FUZZ_TARGETS        the targets to run, separated by spaces (default: all)
#   FUZZ_MAX_LEN        the longest input in bytes (default 1024)
#   FUZZ_KEEP           directory to keep the final corpora and logs in (default: discarded)
# With FUZZ_RUNS set, a summary of executions, speed, coverage and corpus size follows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
echo "== fuzz build"
cmake --preset fuzz "${launcher[@]}" >/dev/null
cmake --build --preset fuzz -j2

bindir=$root/build/fuzz/fuzz
read -r -a targets <<<"${FUZZ_TARGETS:-$(tr '\n' ' ' <"$bindir/targets.txt")}"
max_len=${FUZZ_MAX_LEN:-1024}
if [[ -n ${FUZZ_RUNS:-} ]]; then
  budget=(-runs="$FUZZ_RUNS")
else
  seconds=${FUZZ_SECONDS:-$(((${FUZZ_SECONDS_TOTAL:-60} + ${#targets[@]} - 1) / ${#targets[@]}))}
  budget=(-max_total_time="$seconds")
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
summary=()

show_reproducer() {
  local target=$1 log=$2 dir=$3
  echo "-- $target failed; the end of its log:"
  tail -n 40 "$log"
  local keep=$root/build/fuzz/artifacts/$target
  mkdir -p "$keep"
  for input in "$dir"/crash-* "$dir"/timeout-* "$dir"/leak-* "$dir"/oom-*; do
    [[ -f $input ]] || continue
    cp "$input" "$keep/"
    echo "-- reproducer $keep/$(basename "$input") ($(stat -c %s "$input") bytes):"
    od -A d -c "$input" | head -n 20
    echo "-- replay: $bindir/$target $keep/$(basename "$input")"
  done
}

for target in "${targets[@]}"; do
  bin=$bindir/$target
  dict=$root/fuzz/dict/number.dict
  [[ $target == fuzz_armadillo_to_max || $target == fuzz_max_to_armadillo ]] && dict=$root/fuzz/dict/fields.dict
  work=$scratch/$target
  mkdir -p "$work/corpus" "$work/artifacts"

  regressions=("$root/fuzz/regressions/$target"/*)
  if [[ -e ${regressions[0]} ]]; then
    echo "== $target: ${#regressions[@]} regression inputs"
    if ! "$bin" "${regressions[@]}" >"$work/regressions.log" 2>&1; then
      tail -n 40 "$work/regressions.log"
      failed+=("$target (regression input)")
      continue
    fi
  fi

  cp -r "$root/fuzz/corpus/$target/." "$work/corpus/"
  echo "== $target: ${budget[*]}"
  if ! nice -n "${FUZZ_NICE:-0}" "$bin" "${budget[@]}" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
      -dict="$dict" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
      "$work/corpus" >"$work/fuzz.log" 2>&1; then
    show_reproducer "$target" "$work/fuzz.log" "$work/artifacts"
    failed+=("$target")
    continue
  fi

  last=$(grep -E '^#[0-9]+' "$work/fuzz.log" | tail -n 1)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/fuzz.log")
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$work/fuzz.log")
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  # libFuzzer's own count: inputs that a reduction superseded stay on disk but not in it.
  corpus=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  echo "   $execs executions in ${took:-?} s ($rate/s), cov $cov, ft $ft, corpus $corpus inputs"
  summary+=("$(printf '%-34s %12s %9s %7s %6s %6s %7s' "$target" "$execs" "$rate" "${took:-?}" "$cov" "$ft" "$corpus")")
  if [[ -n ${FUZZ_KEEP:-} ]]; then
    mkdir -p "$FUZZ_KEEP/$target"
    cp -r "$work/corpus" "$work/fuzz.log" "$FUZZ_KEEP/$target/"
  fi
done

if [[ -n ${FUZZ_RUNS:-} && ${#summary[@]} -gt 0 ]]; then
  echo "== summary"
  printf '%-34s %12s %9s %7s %6s %6s %7s\n' target executions exec/s seconds cov ft corpus
  printf '%s\n' "${summary[@]}"
fi
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "== fuzzing failed: ${failed[*]}"
  exit 1
fi
echo "== fuzzing passed: ${#targets[@]} targets, no crash, timeout or leak"
