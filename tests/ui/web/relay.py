"""Carries the web binding tests' driver to the page: the driver, a test program that runs
under node, writes one request a line (JSON) into one named pipe and reads one answer a line
from another. Each answer is the request's result as text, after "=", or its error after "!",
with backslashes and line feeds escaped.

    relay.py FOLDER PAGE REQUESTS ANSWERS

serves FOLDER on 127.0.0.1, opens FOLDER/PAGE in headless chromium, and answers until the
requests' pipe is closed."""

import json
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'web'))
import cdp  # noqa: E402


def escaped(text):
    return text.replace('\\', '\\\\').replace('\n', '\\n')


def answer(page, browser, url, request):
    op = request['op']
    if op == 'open':
        page.navigate(url, 'window.Module && Module.harnessReady === true')
        origin = url.split('/', 3)
        browser_call(browser, 'Browser.grantPermissions', origin='/'.join(origin[:3]),
                     permissions=['clipboardReadWrite', 'clipboardSanitizedWrite'])
        return ''
    if op == 'eval':
        value = page.evaluate(request['js'], await_promise=request.get('await', False))
        return '' if value is None else str(value)
    if op == 'mouse':
        page.mouse(request['type'], request['x'], request['y'])
        return ''
    if op == 'key':
        page.key(request['key'], request.get('modifiers', 0))
        return ''
    if op == 'type':
        page.type(request['text'])
        return ''
    if op == 'away':
        # Another window takes the focus, and then the page's window has it back.
        other = browser_call(browser, 'Target.createTarget', url='about:blank', newWindow=True)['targetId']
        browser_call(browser, 'Target.activateTarget', targetId=other)
        time.sleep(0.1)
        browser_call(browser, 'Target.activateTarget', targetId=page.target_id)
        browser_call(browser, 'Target.closeTarget', targetId=other)
        return ''
    raise ValueError('no such request: ' + op)


def browser_call(browser, method, **params):
    if not hasattr(browser, 'connection'):
        with cdp.urllib.request.urlopen('http://127.0.0.1:%d/json/version' % browser.port) as response:
            browser.connection = cdp.Page(json.load(response)['webSocketDebuggerUrl'])
    return browser.connection.call(method, **params)


def main(folder, page_path, requests_path, answers_path):
    with cdp.serve(folder) as site, cdp.Chromium() as browser:
        page = browser.page()
        page.call('Emulation.setFocusEmulationEnabled', enabled=True)
        url = site + page_path
        with open(requests_path, 'r', encoding='utf-8') as requests, \
                open(answers_path, 'w', encoding='utf-8') as answers:
            for line in requests:
                try:
                    reply = '=' + escaped(answer(page, browser, url, json.loads(line)))
                except Exception as error:  # every failure goes back to the test that asked
                    reply = '!' + escaped('%s: %s' % (type(error).__name__, error))
                answers.write(reply + '\n')
                answers.flush()


if __name__ == '__main__':
    main(*sys.argv[1:5])
