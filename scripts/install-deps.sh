#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, asking apt only
# for what is missing so that a second run costs nothing. With package names as arguments
# it installs just those, in the same way.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libbenchmark-dev
  # the numbers' texts, read (fast_float) and written (fmt) with the same digits everywhere
  libfast-float-dev libfmt-dev
  # the window's font
  fonts-dejavu-core fonts-dejavu-extra
  # real-window tests and screenshots
  xvfb xauth openbox xdotool xclip x11-utils imagemagick
  # rsvg-convert, with which scripts/make-icons.sh renders the icon's larger sizes
  librsvg2-bin
  # packaging checks
  desktop-file-utils appstream binutils-mingw-w64-x86-64 dpkg-dev file
  # the repaint benchmark clicks through the X server
  libxtst-dev
  # fuzzing, memory checking and static analysis
  clang libclang-rt-14-dev valgrind clang-tidy cppcheck
  # the accessibility test reads the window as a screen reader does
  at-spi2-core python3-pyatspi dbus
  # the real-window suites read pixels with a small script
  python3
  # MPFR for the trigonometry: its tables, error bounds and test vectors, checked by the tests
  # against their generators, and its reference values
  python3-gmpy2
  # the search for the trigonometry's hard cases, run by hand, not by the tests
  python3-numpy
  # the Windows cross build (scripts/build-windows.sh), and Wine to run its tests
  g++-mingw-w64-x86-64 wine64 wine
  # the browser build (the web preset) and the acorn its linker's optimizer runs on
  emscripten node-acorn
  # Wine's Tahoma, which stands for the Windows dialog font
  fonts-wine
  # makensis, with which cpack makes the Windows setup program
  nsis
  # wrestool, which reads the version information of the installed Lumetra.exe
  icoutils
  # the browser edition's tests, benchmark and pictures: its three engines (chromium,
  # firefox-esr, and WebKitGTK's MiniBrowser), each with what WebDriver drives it by
  # (chromedriver, firefox's own, WebKitWebDriver), from Debian's python
  chromium chromium-driver firefox-esr webkit2gtk-driver python3-websocket
  # lintian checks the Debian package as Debian would; zip, unzip and strip-nondeterminism
  # make and read the release's zips, whose entries strip-nondeterminism puts in a fixed order
  # with fixed times, owners and modes
  lintian zip unzip strip-nondeterminism
  # the reproducibility check builds the second release under another clock (faketime) and
  # locale (locales), and diffoscope shows where two releases differ
  faketime locales diffoscope
)

# Given package names, only those are checked (the Windows build needs no Qt or X tools).
if [ $# -gt 0 ]; then
  packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
