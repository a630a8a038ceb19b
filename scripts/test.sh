#!/usr/bin/env bash
# Installs what is missing, then builds and checks everything: the sanitizer and the
# warnings-as-errors builds, static analysis, a short fuzzing run, the whole suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, the unit tests under Valgrind, the release
# made twice and compared, the Windows build under Wine and the browser build under node and
# in Chromium, Firefox and WebKit, and
# last the whole suite of the warnings-as-errors build, whose CTest summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for preset in asan ci; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
echo "== static analysis"
bash scripts/analyse.sh build/ci
echo "== fuzzing"
bash scripts/fuzz.sh
echo "== asan tests"
ctest --preset asan --timeout 300 -j2
echo "== valgrind"
bash scripts/memcheck.sh build/ci
echo "== release, made twice and compared"
bash scripts/check-reproducible.sh
# The setup, zip and Debian package tests below try the files of that release.
export LUMETRA_RELEASE_DIR=$PWD/build/release
echo "== windows build and tests"
bash scripts/build-windows.sh
# The core tests open no window; without a display wineboot shows none on the developer's
# desktop either. The tests that open windows, and the setup and zip tests (label
# windows-install), bring an X server and a prefix of their own.
env -u DISPLAY -u WAYLAND_DISPLAY WINE_PREFIX_SETTLE=0 \
  bash scripts/wine-prefix.sh ctest --preset windows --timeout 300 -j2
echo "== web build and tests"
cmake --preset web >/dev/null
cmake --build --preset web
# The browser build's texts are compared with the ci build's, made above; its page is driven in
# each of the three engines (WebKit on an X server of its own).
ctest --preset web --timeout 600 -j2
echo "== tests"
ctest --preset ci --timeout 300 -j2
