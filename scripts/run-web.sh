#!/usr/bin/env bash
# Installs what is missing, builds the browser edition with Debian's emscripten, and serves
# it on 127.0.0.1, printing its address. The site is the one folder build/web/site/, ready to
# copy onto any static host (it needs nothing but the files served as they are).
#
#   bash scripts/run-web.sh            # http://127.0.0.1:8080/
#   PORT=9000 bash scripts/run-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh cmake ninja-build emscripten node-acorn libfast-float-dev libfmt-dev googletest python3
cmake --preset web >/dev/null
cmake --build --preset web --target lumetra_site

port=${PORT:-8080}
echo "Lumetra is served at http://127.0.0.1:$port/ (Ctrl+C stops it)."
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
