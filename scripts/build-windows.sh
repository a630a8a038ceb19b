#!/usr/bin/env bash
# Installs what the Windows cross build needs and is missing, then configures and builds
# the windows preset (mingw-w64, warnings are errors). Its tests run under Wine:
#
#   bash scripts/wine-prefix.sh ctest --preset windows
#
# and `cpack --config build/windows/CPackConfig.cmake` then makes the setup program and
# the portable zip.
#
# Only the cross build's own packages are checked, not the whole of install-deps.sh, so
# that a machine which only builds for Windows does not get Qt, clang and the X tools.
set -euo pipefail
cd "$(dirname "$0")/.."

# googletest: its sources in /usr/src/googletest are compiled with the cross compiler;
# libfast-float-dev and libfmt-dev: the headers that read and write the numbers' texts;
# nsis: cpack makes the setup program with its makensis; python3-gmpy2: the reference values
# that the trigonometry test checks under Wine.
bash scripts/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64 googletest libfast-float-dev libfmt-dev \
  wine64 wine fonts-wine nsis python3-gmpy2

cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)"
