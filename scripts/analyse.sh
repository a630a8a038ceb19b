#!/usr/bin/env bash
# Static analysis of the program's own code (core/, ui/, app/): clang-tidy with the checks
# in .clang-tidy, then cppcheck. Exits non-zero on any finding of either.
#
#   bash scripts/analyse.sh [build-dir]
#
# clang-tidy reads the compile flags from the build directory's compile_commands.json; with
# no argument, build/analyse is configured for that (configuring is enough: the only
# generated header, version.h, is written at configure time).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/analyse}
if [ $# -eq 0 ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
    -DLUMETRA_BUILD_TESTS=OFF >/dev/null
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "analyse.sh: $build/compile_commands.json not found; configure that build first" >&2
  exit 2
fi

# The sources themselves, not the compile database's list: that one also holds the Qt
# resource file generated into the build directory, which is not ours to check. The Win32
# and web bindings are compiled only by the Windows and browser builds, so clang-tidy has no
# flags for them here; cppcheck reads them below (the Win32 one with its knowledge of the
# Windows API). The trigonometry's tests, benchmark and measuring tool are checked as the
# other tests are: not here.
mapfile -t sources < <(find core ui app -name '*.cpp' -not -path 'ui/win32/*' -not -name 'win32_*' \
  -not -path 'ui/web/*' -not -name 'web_*' \
  -not -path 'core/trig/tests/*' -not -path 'core/trig/bench/*' -not -path 'core/trig/tools/*' | sort)

status=0
start=$(date +%s)
echo "== clang-tidy (${#sources[@]} files)"
# Each file is one clang-tidy run, two at a time. The count of diagnostics it suppressed
# in system headers goes to stderr on every run; only real output is kept.
if ! printf '%s\n' "${sources[@]}" |
  xargs -P2 -n1 clang-tidy -p "$build" --quiet 2> >(grep -v -E '^[0-9]+ (warning|error)s?( and [0-9]+ errors?)? generated\.$' >&2); then
  status=1
fi
echo "clang-tidy: $(($(date +%s) - start)) s"

start=$(date +%s)
echo "== cppcheck"
# Qt's headers are not given: cppcheck knows Qt's macros from its qt library file, and
# parsing the headers themselves would cost minutes and report on Qt, not on us.
if ! cppcheck --enable=warning,style,performance,portability --error-exitcode=1 --inline-suppr \
  --std=c++20 --language=c++ --library=qt --library=windows --quiet -j2 \
  -I core -I core/trig -I ui -I "$build/ui/qt" -DQT_NO_KEYWORDS -DQT_NO_CONTEXTLESS_CONNECT \
  -i core/trig/tests -i core/trig/bench -i core/trig/tools \
  --template='{file}:{line}:{column}: {severity}: {message} [{id}]' \
  core ui app; then
  status=1
fi
echo "cppcheck: $(($(date +%s) - start)) s"

if [ "$status" -ne 0 ]; then
  echo "analyse.sh: findings above" >&2
else
  echo "analyse.sh: clean"
fi
exit "$status"
