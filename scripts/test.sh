#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: under AddressSanitizer
# and UndefinedBehaviorSanitizer first, then in the warnings-as-errors build, whose CTest
# summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for preset in asan ci; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
echo "== asan tests"
ctest --preset asan --timeout 300 -j2
echo "== tests"
ctest --preset ci --timeout 300 -j2
