#!/usr/bin/env bash
# The conversions write the same texts on Linux and on Windows: runs conversion_texts of the
# Linux build and Lumetra's Windows build (under Wine) on the same inputs and compares their
# output byte for byte, showing the first lines that differ.
#
# Usage: same_texts.sh LINUX_PROGRAM WINDOWS_PROGRAM.exe COUNT WORKDIR
# Exits 77 (skipped) when the Linux build has not been made.
set -u -o pipefail

linux=$1 windows=$2 count=$3 work=$4
if [ ! -x "$linux" ]; then
  echo "SKIP: no Linux build of conversion_texts at $linux (cmake --build --preset ci first)"
  exit 77
fi
mkdir -p "$work"
"$linux" "$count" >"$work/linux.txt" || { echo "FAIL: the Linux program failed"; exit 1; }
wine "$windows" "$count" | tr -d '\r' >"$work/windows.txt" || { echo "FAIL: the Windows program failed"; exit 1; }
lines=$(wc -l <"$work/linux.txt")
if [ "$lines" -ne $((2 * count)) ]; then
  echo "FAIL: $lines lines from Linux, expected $((2 * count))"
  exit 1
fi
if ! cmp -s "$work/linux.txt" "$work/windows.txt"; then
  echo "FAIL: the texts differ; the first differences (< Linux, > Windows):"
  diff "$work/linux.txt" "$work/windows.txt" | head -20
  exit 1
fi
echo "PASS: $lines conversions, every text the same on Linux and Windows"
rm -f "$work/linux.txt" "$work/windows.txt"
