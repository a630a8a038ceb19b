"""A small client of Chromium's DevTools protocol for the browser edition's tests: serves a
folder on 127.0.0.1, starts Debian's headless chromium, and drives one page with real input
events (Input.dispatchMouseEvent / dispatchKeyEvent) as a person would.

Runs under Debian's own python3 (/usr/bin/python3), which has python3-websocket."""

import contextlib
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

CHROMIUM = os.environ.get('LUMETRA_CHROMIUM', '/usr/bin/chromium')
# Without the background-networking flags chromium keeps knocking on hosts this machine
# cannot reach; --no-sandbox because the tests run as root.
FLAGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--disable-default-apps', '--disable-extensions', '--hide-scrollbars', '--mute-audio']


# The window is up and takes typing: the program has put the focus on Calculate.
WINDOW_READY = ("document.querySelector('.lumetra-window[data-ready]') && document.activeElement"
                " && document.activeElement.id === 'btnCalculate'")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.js': 'text/javascript'}

    def log_message(self, *args):
        pass

    def end_headers(self):
        # Each test run sees the files as built, never a copy the browser kept.
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()


@contextlib.contextmanager
def serve(folder):
    """Serves the folder on 127.0.0.1 at a free port; yields the site's address."""
    handler = functools.partial(QuietHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


class Page:
    """One page target, over its own WebSocket."""

    def __init__(self, ws_url):
        self.ws = websocket.create_connection(ws_url, timeout=60, suppress_origin=True)
        self.next_id = 0
        self.events = []

    def close(self):
        self.ws.close()

    def call(self, method, **params):
        self.next_id += 1
        ident = self.next_id
        self.ws.send(json.dumps({'id': ident, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get('id') == ident:
                if 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message['error'].get('message')))
                return message.get('result', {})
            if 'method' in message:
                self.events.append(message)

    def wait_event(self, method, timeout=10.0, matching=lambda params: True):
        """The params of the first event of that name (kept or still to come) that matches."""
        deadline = time.monotonic() + timeout
        while True:
            for i, event in enumerate(self.events):
                if event['method'] == method and matching(event.get('params', {})):
                    del self.events[i]
                    return event.get('params', {})
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError('no %s within %.0f s' % (method, timeout))
            self.ws.settimeout(left)
            try:
                message = json.loads(self.ws.recv())
            except websocket.WebSocketTimeoutException:
                continue
            finally:
                self.ws.settimeout(60)
            if 'method' in message:
                self.events.append(message)

    def evaluate(self, expression, await_promise=False):
        """The value of a JavaScript expression in the page, as JSON gives it."""
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True,
                           awaitPromise=await_promise, userGesture=True)
        if 'exceptionDetails' in result:
            details = result['exceptionDetails']
            raise RuntimeError('in the page: %s' % details.get('exception', {}).get('description', details.get('text')))
        return result.get('result', {}).get('value')

    def navigate(self, url, ready='true', timeout=20.0):
        """Opens the address and waits until the expression holds in the page."""
        self.call('Page.navigate', url=url)
        self.wait_until(ready, timeout)

    def wait_until(self, expression, timeout=10.0):
        deadline = time.monotonic() + timeout
        while True:
            try:
                if self.evaluate(expression):
                    return
            except RuntimeError:
                pass
            if time.monotonic() > deadline:
                raise TimeoutError('%s did not come true within %.0f s' % (expression, timeout))
            time.sleep(0.02)

    # Real input, as the operating system would deliver it.
    def mouse(self, kind, x, y, click_count=1):
        self.call('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left',
                  buttons=1 if kind == 'mousePressed' else 0, clickCount=click_count)

    def click_at(self, x, y):
        self.mouse('mouseMoved', x, y)
        self.mouse('mousePressed', x, y)
        self.mouse('mouseReleased', x, y)

    def centre(self, selector):
        box = self.evaluate('(() => { const r = document.querySelector(%s).getBoundingClientRect();'
                            ' return [r.left + r.width / 2, r.top + r.height / 2]; })()' % json.dumps(selector))
        return box[0], box[1]

    def click(self, selector):
        self.click_at(*self.centre(selector))

    def key(self, key, modifiers=0):
        """Presses and releases one key: 'Tab', 'Enter', 'Escape', 'End', 'Backspace', ' ' or
        a printable character; modifiers 1 Alt, 2 Ctrl, 8 Shift."""
        params, text = key_params(key, modifiers)
        # Alt with a letter still types a character, which is how an access key arrives.
        if text is not None and not modifiers & 2:
            self.call('Input.dispatchKeyEvent', type='keyDown', text=text, unmodifiedText=text, **params)
        else:
            self.call('Input.dispatchKeyEvent', type='rawKeyDown', **params)
        self.call('Input.dispatchKeyEvent', type='keyUp', **params)

    def type(self, text):
        for c in text:
            self.key(c)


KEYS = {
    'Tab': ('Tab', 9), 'Enter': ('Enter', 13), 'Escape': ('Escape', 27), 'End': ('End', 35),
    'Backspace': ('Backspace', 8), ' ': ('Space', 32), 'Shift': ('ShiftLeft', 16),
    'Control': ('ControlLeft', 17), 'Alt': ('AltLeft', 18),
}


def key_params(key, modifiers):
    """The key's event fields, and the text it types, if any."""
    if key in KEYS:
        code, vk = KEYS[key]
    elif key.isalpha():
        code, vk = 'Key' + key.upper(), ord(key.upper())
    elif key.isdigit():
        code, vk = 'Digit' + key, ord(key)
    else:
        code, vk = {'.': ('Period', 190), '-': ('Minus', 189), ',': ('Comma', 188),
                    '+': ('Equal', 187)}.get(key, ('', 0))
    params = {'key': key, 'code': code, 'windowsVirtualKeyCode': vk, 'nativeVirtualKeyCode': vk,
              'modifiers': modifiers}
    text = {'Enter': '\r', ' ': ' '}.get(key, key if len(key) == 1 else None)
    return params, text


def read(path):
    with open(path) as f:
        return f.read()


def read_bytes(path):
    with open(path, 'rb') as f:
        return f.read()


class Chromium:
    """Debian's chromium, headless, with an empty profile of its own."""

    def __init__(self, width=800, height=600, scale=1):
        self.profile = tempfile.mkdtemp(prefix='lumetra-chromium-')
        self.process = subprocess.Popen(
            [CHROMIUM, *FLAGS, '--remote-debugging-port=0', '--user-data-dir=' + self.profile,
             '--window-size=%d,%d' % (width, height), '--force-device-scale-factor=%g' % scale,
             'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, 'DevToolsActivePort')
        deadline = time.monotonic() + 30
        while not (os.path.exists(port_file) and read(port_file).count('\n') >= 1):
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.close()
                raise RuntimeError('chromium did not start')
            time.sleep(0.05)
        self.port = int(read(port_file).split('\n')[0])

    def targets(self):
        with urllib.request.urlopen('http://127.0.0.1:%d/json/list' % self.port) as response:
            return json.load(response)

    def page(self):
        """The first page target, with its Page and Runtime domains on."""
        target = next(t for t in self.targets() if t['type'] == 'page')
        page = Page(target['webSocketDebuggerUrl'])
        page.target_id = target['id']
        page.call('Page.enable')
        page.call('Runtime.enable')
        return page

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
