#!/usr/bin/env bash
# The conversions write the same texts on every platform: runs conversion_texts of the Linux
# build and of another build (Lumetra's Windows build under Wine, the browser build under
# node) on the same inputs and compares their output byte for byte, showing the first lines
# that differ.
#
# Usage: same_texts.sh LINUX_PROGRAM COUNT WORKDIR NAME COMMAND...
#   NAME names the other build in messages; COMMAND... runs its conversion_texts, to which
#   COUNT is added, e.g. `wine conversion_texts.exe` or `node conversion_texts.js`.
# Exits 77 (skipped) when the Linux build has not been made.
set -u -o pipefail

linux=$1 count=$2 work=$3 name=$4
shift 4
if [ ! -x "$linux" ]; then
  echo "SKIP: no Linux build of conversion_texts at $linux (cmake --build --preset ci first)"
  exit 77
fi
mkdir -p "$work"
"$linux" "$count" >"$work/linux.txt" || { echo "FAIL: the Linux program failed"; exit 1; }
"$@" "$count" | tr -d '\r' >"$work/other.txt" || { echo "FAIL: the $name program failed"; exit 1; }
lines=$(wc -l <"$work/linux.txt")
if [ "$lines" -ne $((2 * count)) ]; then
  echo "FAIL: $lines lines from Linux, expected $((2 * count))"
  exit 1
fi
if ! cmp -s "$work/linux.txt" "$work/other.txt"; then
  echo "FAIL: the texts differ; the first differences (< Linux, > $name):"
  diff "$work/linux.txt" "$work/other.txt" | head -20
  exit 1
fi
echo "PASS: $lines conversions, every text the same on Linux and $name"
rm -f "$work/linux.txt" "$work/other.txt"
