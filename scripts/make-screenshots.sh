#!/usr/bin/env bash
# Renews the pictures of the window in docs/, at scale 1 and at scale 2.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/default/app/lumetra}
bash scripts/screenshot.sh "$binary" docs/lumetra.png 1
bash scripts/screenshot.sh "$binary" docs/lumetra@2x.png 2
