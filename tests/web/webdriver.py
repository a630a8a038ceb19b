"""One client for the browser edition's tests in Chromium, Firefox and WebKit: serves a folder
on 127.0.0.1, starts the engine and drives one page with W3C WebDriver action lists, the real
key and pointer input of a person, over one of two small transports: classic WebDriver over
HTTP (Debian's chromedriver and WebKitWebDriver) or WebDriver BiDi over a WebSocket (built
into firefox-esr). Chromium's DevTools protocol, over the same WebSocket code as BiDi, is
kept for what only it can do: the tree a screen reader reads, and the benchmark's network log.

    webdriver.py SITE PAGE COMMAND...

opens SITE/PAGE and runs COMMAND (the binding tests' program under node), which asks for
the page's methods below, one JSON line ([method, arguments...]) on the descriptor named
first in LUMETRA_CLIENT, and reads one answer a line ({"value"} or {"error"}) on the second.

    webdriver.py --print FOLDER PAGE ARGUMENT...

opens FOLDER/PAGE with the arguments after "&"s (program.html?NAME.js runs a program) and
prints, once the program has ended, what it printed.

The engine is LUMETRA_BROWSER (chromium, firefox or webkit; firefox-unfocused keeps Firefox's
first window, which automation never gives the focus); LUMETRA_MAC_FOCUS=1 makes buttons and
check boxes keep the focus where it is on a press, as Safari and Firefox on macOS do.
Runs under Debian's /usr/bin/python3, which has python3-websocket."""

import base64
import contextlib
import functools
import http.server
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

import websocket

BROWSER = os.environ.get('LUMETRA_BROWSER', 'chromium')
MAC_FOCUS = os.environ.get('LUMETRA_MAC_FOCUS') == '1'
# Without the background-networking flags chromium keeps knocking on hosts this machine
# cannot reach; --no-sandbox because the tests run as root.
CHROMIUM_FLAGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--disable-default-apps', '--disable-extensions', '--hide-scrollbars', '--mute-audio']
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
# Firefox: no update or telemetry calls, and the page's own reads of the clipboard allowed.
FIREFOX_PREFS = {'app.update.disabledForTesting': True, 'datareporting.policy.dataSubmissionEnabled': False,
                 'dom.events.testing.asyncClipboard': True, 'toolkit.telemetry.reportingpolicy.firstRun': False}

# The keys of WebDriver's key actions.
TAB, RETURN, ENTER, ESCAPE, END, BACKSPACE = '\ue004', '\ue006', '\ue007', '\ue00c', '\ue010', '\ue003'
SHIFT, CONTROL, ALT = '\ue008', '\ue009', '\ue00a'

# The window is up and takes typing: the program has put the focus on Calculate.
WINDOW_READY = ("document.querySelector('.lumetra-window[data-ready]') && document.activeElement"
                " && document.activeElement.id === 'btnCalculate'")
# What macOS's engines do with a press on a button or a check box.
MAC_FOCUS_RULE = ("addEventListener('mousedown', (e) => { if (e.target.closest('button, input[type=checkbox]'))"
                  " e.preventDefault(); }, true)")


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
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(QuietHandler, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def stop(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def poll(what, timeout, condition):
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
            if value:
                return value
        except (OSError, RuntimeError):
            pass
        if time.monotonic() > deadline:
            raise TimeoutError('%s within %g s' % (what, timeout))
        time.sleep(0.02)


class Http:
    """Classic WebDriver: one session, a request a command."""

    def __init__(self, port, capabilities):
        self.base = 'http://127.0.0.1:%d' % port
        poll('no WebDriver server', 30, lambda: self.send('GET', '/status'))
        session = self.send('POST', '/session', {'capabilities': {'alwaysMatch': capabilities}})
        self.base += '/session/' + session['sessionId']
        self.capabilities = session['capabilities']

    def send(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(self.base + path, data, {'Content-Type': 'application/json'}, method=method)
        try:
            with urllib.request.urlopen(request, timeout=120) as response:
                return json.load(response)['value']
        except urllib.error.HTTPError as failed:
            value = json.load(failed)['value']
            raise RuntimeError('%s %s: %s' % (method, path, value.get('message', value.get('error')))) from None


class Socket:
    """A WebSocket of numbered commands and their answers, with the events that come between:
    WebDriver BiDi, and Chromium's DevTools protocol."""

    def __init__(self, url):
        self.ws = poll('no WebSocket at ' + url, 30,
                       lambda: websocket.create_connection(url, timeout=120, suppress_origin=True))
        self.next_id = 0
        self.events = []

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get('id') == self.next_id:
                if 'error' in message:
                    error = message['error']
                    raise RuntimeError('%s: %s' % (method, message.get('message') or error.get('message')))
                return message['result']
            if 'method' in message:
                self.events.append(message)


class Page:
    """The engine with one page, as a person uses it: pointer and keys by action lists."""

    def __init__(self, scale=1):
        self.scale = scale
        self.stack = contextlib.ExitStack()
        self.folder = tempfile.mkdtemp(prefix='lumetra-%s-' % BROWSER)
        self.stack.callback(shutil.rmtree, self.folder, ignore_errors=True)
        try:
            getattr(self, 'start_' + BROWSER.split('-')[0])()
        except BaseException:
            self.stack.close()
            raise

    def process(self, *command, **options):
        started = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options)
        self.stack.callback(stop, started)
        return started

    def start_chromium(self):
        port = free_port()
        self.process('chromedriver', '--port=%d' % port)
        flags = CHROMIUM_FLAGS + ['--force-device-scale-factor=%g' % self.scale, '--window-size=800,600']
        self.http = Http(port, {'goog:chromeOptions': {'binary': '/usr/bin/chromium', 'args': flags}})

    def start_webkit(self):
        # WebKitGTK draws in a window: an X server of its own, its display chosen by itself.
        readable, writable = os.pipe()
        self.process('Xvfb', '-displayfd', str(writable), '-screen', '0', '1024x768x24', '-nolisten', 'tcp',
                     pass_fds=[writable])
        os.close(writable)
        with os.fdopen(readable) as display:
            env = dict(os.environ, DISPLAY=':' + display.readline().strip(), GDK_SCALE=str(self.scale))
        port = free_port()
        self.process('WebKitWebDriver', '--port=%d' % port, env=env)
        # The page's own reads of the clipboard allowed.
        self.http = Http(port, {'webkitgtk:browserOptions': {
            'binary': MINIBROWSER, 'args': ['--automation', '--javascript-can-access-clipboard=true']}})

    def start_firefox(self):
        with open(os.path.join(self.folder, 'user.js'), 'w') as prefs:
            for name, value in FIREFOX_PREFS.items():
                prefs.write('user_pref(%s, %s);\n' % (json.dumps(name), json.dumps(value)))
        port = free_port()
        self.process('firefox-esr', '--headless', '--no-remote', '--remote-debugging-port=%d' % port,
                     '--profile', self.folder)
        self.bidi = Socket('ws://127.0.0.1:%d/session' % port)
        self.bidi.call('session.new', capabilities={})
        # The first window is never given the focus under automation; a window opened
        # afterwards has it, as a person's has.
        first = self.bidi.call('browsingContext.getTree')['contexts'][0]['context']
        self.context = first if BROWSER == 'firefox-unfocused' else self.open_window()
        self.bidi.call('browsingContext.setViewport', context=self.context, viewport={'width': 800, 'height': 600},
                       devicePixelRatio=self.scale)

    def send(self, method, path, body=None):
        return self.http.send(method, path, body)

    def open_window(self):
        if hasattr(self, 'bidi'):
            return self.bidi.call('browsingContext.create', type='window')['context']
        return self.send('POST', '/window/new', {'type': 'window'})['handle']

    def close(self):
        if hasattr(self, 'http'):
            with contextlib.suppress(OSError, RuntimeError):
                self.send('DELETE', '')
        self.stack.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def navigate(self, url, ready='true', timeout=20.0):
        """Opens the address and waits until the expression holds in the page."""
        if hasattr(self, 'bidi'):
            self.bidi.call('browsingContext.navigate', context=self.context, url=url, wait='complete')
        else:
            self.send('POST', '/url', {'url': url})
        if BROWSER == 'chromium':
            # The page's own reads of the clipboard, allowed for its origin.
            self.send('POST', '/permissions', {'descriptor': {'name': 'clipboard-read'}, 'state': 'granted'})
        if MAC_FOCUS:
            self.evaluate(MAC_FOCUS_RULE)
        self.wait_until(ready, timeout)

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page, a promise's once it is kept."""
        script = 'Promise.resolve(%s).then((value) => JSON.stringify(value))' % expression
        if hasattr(self, 'bidi'):
            result = self.bidi.call('script.evaluate', expression=script, target={'context': self.context},
                                    awaitPromise=True, userActivation=True)
            if result['type'] == 'exception':
                raise RuntimeError('in the page: ' + result['exceptionDetails']['text'])
            text = result['result'].get('value')
        else:
            text = self.send('POST', '/execute/sync', {'script': 'return ' + script, 'args': []})
        return None if text is None else json.loads(text)

    def call(self, function, *args):
        """What a function of the page returns for the arguments."""
        return self.evaluate('%s(%s)' % (function, ', '.join(json.dumps(a) for a in args)))

    def wait_until(self, expression, timeout=10.0):
        poll('%s did not come true' % expression, timeout, lambda: self.evaluate(expression))

    def perform(self, *sources):
        if hasattr(self, 'bidi'):
            self.bidi.call('input.performActions', context=self.context, actions=list(sources))
        else:
            self.send('POST', '/actions', {'actions': list(sources)})

    def pointer(self, *actions):
        self.perform({'type': 'pointer', 'id': 'mouse', 'parameters': {'pointerType': 'mouse'}, 'actions': list(actions)})

    def centre(self, selector):
        return self.evaluate('(() => { const r = document.querySelector(%s).getBoundingClientRect();'
                             ' return [r.left + r.width / 2, r.top + r.height / 2]; })()' % json.dumps(selector))

    def press(self, selector, at=None):
        """Presses the mouse button on the element's centre (or a point of the page)."""
        x, y = at or self.centre(selector)
        self.pointer({'type': 'pointerMove', 'x': round(x), 'y': round(y)}, {'type': 'pointerDown', 'button': 0})

    def release(self):
        self.pointer({'type': 'pointerUp', 'button': 0})

    def click(self, selector, at=None):
        self.press(selector, at)
        self.release()

    def key(self, key, modifier=None):
        """Presses and releases a key, a WebDriver key (TAB...) or a character, with a modifier held."""
        held = [modifier] if modifier else []
        self.perform({'type': 'key', 'id': 'keyboard', 'actions':
                      [{'type': 'keyDown', 'value': k} for k in held + [key]] +
                      [{'type': 'keyUp', 'value': k} for k in [key] + held]})

    def type(self, text):
        for c in text:
            self.key(c)

    def clipboard(self):
        return self.evaluate('navigator.clipboard.readText()')

    def set_clipboard(self, text):
        self.evaluate('navigator.clipboard.writeText(%s)' % json.dumps(text))

    def away(self):
        """Another window takes the focus, and then the page's window has it back."""
        if hasattr(self, 'bidi'):
            other = self.open_window()
            self.bidi.call('browsingContext.activate', context=self.context)
            self.bidi.call('browsingContext.close', context=other)
            return
        mine = self.send('GET', '/window')
        other = self.open_window()
        for handle in (other, mine, other):
            self.send('POST', '/window', {'handle': handle})
        self.send('DELETE', '/window')
        self.send('POST', '/window', {'handle': mine})

    def screenshot(self):
        """The page as shown, PNG."""
        if hasattr(self, 'bidi'):
            return base64.b64decode(self.bidi.call('browsingContext.captureScreenshot', context=self.context)['data'])
        return base64.b64decode(self.send('GET', '/screenshot'))

    @functools.cached_property
    def devtools(self):
        """Chromium's DevTools protocol on the page."""
        address = self.http.capabilities['goog:chromeOptions']['debuggerAddress']
        with urllib.request.urlopen('http://%s/json/list' % address) as response:
            return Socket(next(t for t in json.load(response) if t['type'] == 'page')['webSocketDebuggerUrl'])


# What the program run by relay may ask of the page.
REQUESTS = ('call', 'press', 'release', 'click', 'key', 'type', 'clipboard', 'set_clipboard', 'away')


def relay(site, page_path, command):
    """Runs the command with the page open, answering its requests; ends with its status."""
    with serve(site) as url, Page() as page:
        page.navigate(url + page_path, 'window.Module && Module.harnessReady === true')
        requests, requests_to_us = os.pipe()
        answers_from_us, answers = os.pipe()
        env = dict(os.environ, LUMETRA_CLIENT='%d %d' % (requests_to_us, answers_from_us))
        program = subprocess.Popen(command, pass_fds=(requests_to_us, answers_from_us), env=env)
        os.close(requests_to_us)
        os.close(answers_from_us)
        with os.fdopen(requests) as asked, os.fdopen(answers, 'w') as answered:
            for line in asked:
                method, *args = json.loads(line)
                try:
                    if method not in REQUESTS:
                        raise ValueError('no such request: ' + method)
                    reply = {'value': getattr(page, method)(*args)}
                except Exception as error:  # every failure goes back to the test that asked
                    reply = {'error': '%s: %s' % (type(error).__name__, error)}
                answered.write(json.dumps(reply) + '\n')
                answered.flush()
        return program.wait()


def print_program(folder, page_path, *args):
    with serve(folder) as url, Page() as page:
        page.navigate(url + '&'.join((page_path,) + args), 'Module.ended', 300)
        for line in page.evaluate('Module.printed'):
            print(line)


if __name__ == '__main__':
    if sys.argv[1] == '--print':
        sys.exit(print_program(*sys.argv[2:]))
    sys.exit(relay(sys.argv[1], sys.argv[2], sys.argv[3:]))
