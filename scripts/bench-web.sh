#!/usr/bin/env bash
# The browser edition's figures in one run, in Debian's headless chromium: what a first
# visit loads (gzip -9), navigation to a window that takes typing against a static page of
# the same controls, and a click on Calculate to the repainted results.
#
# Usage: scripts/bench-web.sh [SITE_FOLDER] [LOADS] [CLICKS]
#
# SITE_FOLDER defaults to build/web/site; LOADS (default 21) page loads of each kind, CLICKS
# (default 51) timed clicks in each direction.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
site=${1:-$root/build/web/site}
die() { echo "bench-web: $*" >&2; exit 2; }
if [ ! -f "$site/index.html" ] || [ ! -f "$site/lumetra.wasm" ]; then
  die "$site holds no built site (cmake --preset web && cmake --build --preset web)"
fi
chromium=/usr/bin/chromium
[ -x "$chromium" ] && command -v chromedriver >/dev/null || die "chromium and chromium-driver are not installed"
/usr/bin/python3 -c 'import websocket' 2>/dev/null || die "python3-websocket is not installed"

echo "Machine: $(nproc) CPUs; $(lscpu | sed -n 's/^Model name: *//p'); load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Browser: $("$chromium" --version 2>/dev/null | head -n 1)"
echo "Site: $site"
echo
/usr/bin/python3 "$root/bench/web_bench.py" "$site" "${2:-21}" "${3:-51}"
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
