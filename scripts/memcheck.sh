#!/usr/bin/env bash
# Runs every GoogleTest binary of the core, window and property suites under Valgrind's
# memcheck. Any memory error, or any block definitely lost, fails the run; memory that Qt
# still reaches at exit (its one-time caches) is not a leak and is not reported.
#
#   bash scripts/memcheck.sh [build-dir]
#
# The build must be one without sanitizers (they and Valgrind exclude each other); with no
# argument, the default preset's release build with debug info is configured and built.
# Each binary's full Valgrind output goes to <build-dir>/memcheck/<binary>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -eq 0 ]; then
  build=build/default
  cmake --preset default >/dev/null
  cmake --build --preset default
else
  build=$1
fi
if grep -q -- '-fsanitize' "$build/CMakeCache.txt" 2>/dev/null; then
  echo "memcheck.sh: $build is a sanitizer build; Valgrind needs one without" >&2
  exit 2
fi

# gtest_discover_tests leaves a "<binary>[1]_include.cmake" beside each GoogleTest binary,
# so the binaries are found without naming them here.
binaries=()
for dir in tests/core tests/ui tests/ui/qt tests/property; do
  [ -d "$build/$dir" ] || continue
  while IFS= read -r include; do
    binary=${include%\[1\]_include.cmake}
    [ -x "$binary" ] && binaries+=("$binary")
  done < <(find "$build/$dir" -maxdepth 1 -name '*\[1\]_include.cmake' | sort)
done
if [ ${#binaries[@]} -eq 0 ]; then
  echo "memcheck.sh: no test binaries in $build; build it first" >&2
  exit 2
fi

logs="$build/memcheck"
mkdir -p "$logs"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

status=0
for binary in "${binaries[@]}"; do
  name=$(basename "$binary")
  log="$logs/$name.log"
  start=$(date +%s)
  rc=0
  # The window tests draw offscreen; Qt wants a private runtime directory.
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime GTEST_COLOR=no \
    valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
    --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=40 \
    "$binary" >"$log" 2>&1 || rc=$?
  seconds=$(($(date +%s) - start))
  # A run that frees everything prints no "definitely lost" line at all.
  errors=$(grep -o 'ERROR SUMMARY: [0-9,]* errors' "$log" | tail -1 | grep -o '[0-9,]*' | head -1 || true)
  lost=$(grep -o 'definitely lost: [0-9,]* bytes' "$log" | tail -1 | grep -o '[0-9,]*' | head -1 || true)
  tests=$(grep -E '^\[  (PASSED|FAILED)  \]' "$log" | head -1 || true)
  echo "$name: ${seconds} s, ${errors:-?} errors, ${lost:-0} bytes definitely lost, ${tests:-no test summary}"
  if [ "$rc" -ne 0 ]; then
    echo "memcheck.sh: $name failed (exit $rc), see $log" >&2
    status=1
  fi
done
exit "$status"
