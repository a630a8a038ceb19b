#!/usr/bin/env bash
# Renews the pictures of the browser edition's window in docs/, at scale 1 and 2: the page
# opened in Debian's headless chromium, cut to the window.
#
# Usage: scripts/make-web-screenshot.sh [SITE_FOLDER]  (default build/web/site)
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web/site}
[ -f "$site/index.html" ] || { echo "make-web-screenshot: $site holds no built site" >&2; exit 2; }
/usr/bin/python3 - "$site" <<'PY'
import base64
import sys

sys.path.insert(0, 'tests/web')
import cdp

for scale, output in ((1, 'docs/lumetra-web.png'), (2, 'docs/lumetra-web@2x.png')):
    with cdp.serve(sys.argv[1]) as url, cdp.Chromium(scale=scale) as browser:
        page = browser.page()
        page.navigate(url, cdp.WINDOW_READY)
        # The focus stays on Calculate, as when the window opens, but the pointer is away.
        box = page.evaluate("(() => { const r = document.querySelector('.lumetra-window')"
                            ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
        clip = dict(zip(('x', 'y', 'width', 'height'), box), scale=1)
        shot = page.call('Page.captureScreenshot', format='png', clip=clip)
        with open(output, 'wb') as f:
            f.write(base64.b64decode(shot['data']))
        page.close()
        print(output, '%gx%g CSS pixels at scale %d' % (box[2], box[3], scale))
PY
