"""The browser edition's figures, in one run: what the page loads (gzip -9, as a static host
serves it), the time from navigation to a window that takes typing against a static page of
the same 41 controls, and a Calculate click to the repainted results.
Usage: web_bench.py SITE_FOLDER [LOADS] [CLICKS]  (run by scripts/bench-web.sh)"""

import gzip
import os
import re
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
import webdriver  # noqa: E402
from webdriver import CONTROL, TAB  # noqa: E402

SIZE_TARGET = 200 * 1024
RATIO_TARGET = 1.3

# Runs in every document before its own scripts. The window takes typing once its controls
# are there (and, for the program, once it has put the focus on Calculate); the time taken is
# that of the first animation frame after that, so the first paint is counted on both sides.
READY_PROBE = r"""
if (location.protocol === 'http:') {
  const program = !location.pathname.endsWith('baseline.html');
  const ready = () => document.getElementById('txtHeading') &&
      (!program || (document.activeElement && document.activeElement.id === 'btnCalculate'));
  // Checked as the controls arrive, as the focus moves (the page's own autofocus moves it
  // without changing the document) and once the document is parsed.
  let seen = false;
  const check = () => {
    if (seen || !ready()) return;
    seen = true;
    requestAnimationFrame(() => { window.lumetraReady = performance.now(); });
  };
  new MutationObserver(check).observe(document, { childList: true, subtree: true });
  document.addEventListener('focusin', check, true);
  document.addEventListener('DOMContentLoaded', check);
  // And at every frame until then, for a focus given before the probe could see it.
  const poll = () => { check(); if (!seen) requestAnimationFrame(poll); };
  requestAnimationFrame(poll);
  // The program's own milestones: its code compiled and instantiated, and main returned.
  window.lumetraMarks = {};
  window.Module = {
    preRun: [() => { window.lumetraMarks.instantiated = performance.now(); }],
    postRun: [() => { window.lumetraMarks.started = performance.now(); }],
  };
}
"""

# From the release of a click on Calculate (the input event's own time stamp) to the frame
# after the handler changed the field texts, once that frame has been handed on for display
# (the message after the animation frame runs when the frame's work is done).
CLICK_PROBE = r"""
(() => {
  const button = document.getElementById('btnCalculate');
  const fields = ['txtX', 'txtY', 'txtZ', 'txtDistance', 'txtPitch', 'txtHeading']
    .map((id) => document.getElementById(id));
  let released = 0, before = '';
  window.lumetraClicks = [];
  addEventListener('mouseup', (e) => {
    if (e.target !== button) return;
    released = e.timeStamp;
    before = fields.map((f) => f.value).join();
  }, true);
  addEventListener('click', (e) => {
    if (e.target !== button) return;
    if (fields.map((f) => f.value).join() === before) { window.lumetraClicks.push([-1, -1]); return; }
    const handled = performance.now() - released;
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => window.lumetraClicks.push([performance.now() - released, handled]);
      channel.port2.postMessage(0);
    });
  });
})()
"""


def site_files(site, loaded):
    """The site's files that the page or its service worker fetch on a first visit."""
    files = {}
    for path in loaded:
        files[path] = 'page'
    sw = os.path.join(site, 'sw.js')
    if os.path.exists(sw):
        files.setdefault('sw.js', 'page')
        with open(sw) as f:
            listed = re.search(r'const site = \[(.*?)\];', f.read()).group(1)
        for name in re.findall(r"'([^']+)'", listed):
            files.setdefault('index.html' if name == './' else name, 'service worker')
    return files


def sizes(site, page, url):
    devtools = page.devtools
    devtools.call('Network.enable')
    devtools.events.clear()
    page.navigate(url, webdriver.WINDOW_READY)
    page.wait_until("document.readyState === 'complete'")
    devtools.call('Network.disable')
    requested = [e['params']['request']['url'] for e in devtools.events if e['method'] == 'Network.requestWillBeSent']
    loaded = sorted({u[len(url):].split('?')[0] or 'index.html' for u in requested if u.startswith(url)})
    print('(a) What a first visit loads, gzip -9 as a static host serves it:')
    print('    %-26s %-15s %10s %10s' % ('file', 'fetched by', 'bytes', 'gzip -9'))
    total = {'page': [0, 0], 'service worker': [0, 0]}
    for name, who in sorted(site_files(site, loaded).items(), key=lambda item: (item[1], item[0])):
        with open(os.path.join(site, name), 'rb') as f:
            data = f.read()
        packed = len(gzip.compress(data, 9))
        total[who][0] += len(data)
        total[who][1] += packed
        print('    %-26s %-15s %10d %10d' % (name, who, len(data), packed))
    both = [total['page'][i] + total['service worker'][i] for i in (0, 1)]
    print('    %-26s %-15s %10d %10d' % ('total, the page', '', *total['page']))
    print('    %-26s %-15s %10d %10d  (%.1f KB; target %d KB: %s)' % (
        'total, the whole visit', '', *both, both[1] / 1024, SIZE_TARGET // 1024,
        'met' if both[1] <= SIZE_TARGET else 'MISSED by %.1f KB' % ((both[1] - SIZE_TARGET) / 1024)))


def baseline_page(page, folder):
    """The page as the program leaves it, with no script: the same controls, drawn by the
    same style sheet, but nothing to load, compile or run."""
    html = page.evaluate("""(() => {
      const copy = document.documentElement.cloneNode(true);
      copy.querySelectorAll('script, link[rel=preload]').forEach((e) => e.remove());
      return '<!DOCTYPE html>\\n' + copy.outerHTML;
    })()""")
    with open(os.path.join(folder, 'baseline.html'), 'w') as f:
        f.write(html)
    return page.evaluate("document.querySelectorAll('.lumetra-window .control').length")


def load_time(page, url):
    """The time to the window, then the program's milestones: its files in, its code
    instantiated, main returned."""
    page.devtools.call('Page.navigate', url='about:blank')
    page.wait_until("location.href === 'about:blank'")
    page.devtools.call('Page.navigate', url=url)
    page.wait_until('window.lumetraReady !== undefined', 30)
    # The window comes with the page; the program then loads behind it.
    if not url.endswith('baseline.html'):
        page.wait_until('window.lumetraMarks.started !== undefined', 30)
    return page.evaluate("[window.lumetraReady, Math.max(0, ...performance.getEntriesByType('resource')"
                         ".filter((r) => /lumetra[.](js|wasm)$/.test(r.name)).map((r) => r.responseEnd)),"
                         " lumetraMarks.instantiated, lumetraMarks.started]")


def summary(values):
    q = statistics.quantiles(values, n=10, method='inclusive')
    return 'median %7.2f  min %7.2f  p10 %7.2f  p90 %7.2f  max %7.2f' % (
        statistics.median(values), min(values), q[0], q[-1], max(values))


def start_up(page, url, loads):
    devtools = page.devtools
    devtools.call('Page.enable')
    devtools.call('Network.enable')
    devtools.call('Page.addScriptToEvaluateOnNewDocument', source=READY_PROBE)
    # First as on a first visit; then as on a return visit, from the service worker's cache,
    # with the compiled code chromium keeps beside the cached wasm.
    for fresh in (True, False):
        devtools.call('Network.setCacheDisabled', cacheDisabled=fresh)
        devtools.call('Network.setBypassServiceWorker', bypass=fresh)
        print('\n(b) Navigation to a window that takes typing, ms (%d loads each, alternating; %s):' % (
            loads, 'no HTTP cache, no service worker: every file from the local server' if fresh
            else 'a return visit: HTTP cache and service worker as the browser keeps them'))
        program, static = [], []
        load_time(page, url)
        load_time(page, url + 'baseline.html')
        for i in range(loads):
            order = [(program, url), (static, url + 'baseline.html')]
            for times, address in order if i % 2 == 0 else reversed(order):
                times.append(load_time(page, address))
        print('    program  %s' % summary([t[0] for t in program]))
        for i, milestone in ((1, 'lumetra.js and .wasm in'), (2, 'code instantiated'), (3, 'main returned')):
            print('      %-23s %s' % (milestone, summary([t[i] for t in program])))
        print('    static   %s' % summary([t[0] for t in static]))
        ratio = statistics.median([t[0] for t in program]) / statistics.median([t[0] for t in static])
        print('    ratio of the medians %.2f (target %.1f: %s)' % (
            ratio, RATIO_TARGET, 'met' if ratio <= RATIO_TARGET else 'MISSED by %.2f' % (ratio - RATIO_TARGET)))


def type_into(page, field, text):
    page.click('#' + field)
    page.key('a', CONTROL)
    page.type(text)


def clicks(page, url, count):
    print('\n(c) A click on Calculate to the repainted results, ms (%d timed clicks a direction,'
          ' after 5 untimed):' % count)
    page.navigate(url, webdriver.WINDOW_READY)
    page.evaluate(CLICK_PROBE)
    # Two sets of inputs taken in turn, so that every click changes three visible results.
    directions = [
        ('Armadillo to 3dsMax', None, [('txtHeading', '30', '60'), ('txtPitch', '20', '45')]),
        ('3dsMax to Armadillo', '#chkMax2Armadillo', [('txtX', '-300', '100'), ('txtZ', '250', '300')]),
    ]
    for name, switch, inputs in directions:
        if switch:
            page.click(switch)
        page.evaluate('window.lumetraClicks = []')
        for i in range(count + 5):
            for field, *texts in inputs:
                type_into(page, field, texts[i % 2])
            page.key(TAB)
            page.evaluate('new Promise((done) => requestAnimationFrame(() => setTimeout(done)))')
            page.click('#btnCalculate')
            page.wait_until('window.lumetraClicks.length === %d' % (i + 1))
        times, handled = zip(*page.evaluate('window.lumetraClicks')[5:])
        if min(times) < 0:
            raise SystemExit('a click on Calculate changed no result')
        print('    %-20s %s  mean %.2f' % (name, summary(times), statistics.mean(times)))
        print('    %-20s %s' % ('  to the handler\'s end', summary(handled)))


def main():
    site = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 51
    folder = tempfile.mkdtemp(prefix='lumetra-web-bench-')
    try:
        shutil.copytree(site, folder, dirs_exist_ok=True)
        with webdriver.serve(folder) as url, webdriver.Page() as page:
            sizes(site, page, url)
            controls = baseline_page(page, folder)
            print('\n    static page: %d controls, from the program\'s own page with its scripts removed' % controls)
            start_up(page, url, loads)
        with webdriver.serve(folder) as url, webdriver.Page() as page:
            clicks(page, url, count)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == '__main__':
    main()
