#!/usr/bin/env bash
# Renews the pictures of the browser edition's window in docs/, at scale 1 and 2: the page
# opened in Debian's headless chromium (or the engine LUMETRA_BROWSER names: firefox,
# webkit), cut to the window.
#
# Usage: scripts/make-web-screenshot.sh [SITE_FOLDER [OUTPUT_FOLDER]]  (default build/web/site, docs)
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web/site}
[ -f "$site/index.html" ] || { echo "make-web-screenshot: $site holds no built site" >&2; exit 2; }
/usr/bin/python3 - "$site" "${2:-docs}" <<'PY'
import subprocess
import sys

sys.path.insert(0, 'tests/web')
import webdriver

for scale, name in ((1, 'lumetra-web.png'), (2, 'lumetra-web@2x.png')):
    output = '%s/%s' % (sys.argv[2], name)
    with webdriver.serve(sys.argv[1]) as url, webdriver.Page(scale=scale) as page:
        page.navigate(url, webdriver.WINDOW_READY)
        # The focus stays on Calculate, as when the window opens, but the pointer is away.
        box = page.evaluate("(() => { const r = document.querySelector('.lumetra-window')"
                            ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
        crop = '%dx%d+%d+%d' % tuple(round(v * scale) for v in box[2:] + box[:2])
        subprocess.run(['convert', 'png:-', '-crop', crop, '+repage', output], input=page.screenshot(), check=True)
        print(output, '%gx%g CSS pixels at scale %d in %s' % (box[2], box[3], scale, webdriver.BROWSER))
PY
