"""Once opened, the page opens and calculates with no network: the service worker's cache
answers for every file. Usage: offline_test.py SITE_FOLDER"""

import sys
import unittest

import cdp


class WebOffline(unittest.TestCase):
    def test_the_window_opens_and_calculates_with_the_network_and_server_gone(self):
        with cdp.Chromium() as browser:
            page = browser.page()
            self.addCleanup(page.close)
            with cdp.serve(SITE) as url:
                page.navigate(url, cdp.WINDOW_READY)
                page.wait_until('navigator.serviceWorker.controller !== null', 20)
            page.call('Network.enable')
            page.call('Network.emulateNetworkConditions', offline=True, latency=0,
                      downloadThroughput=-1, uploadThroughput=-1)
            page.call('Page.reload', ignoreCache=True)
            page.wait_until(cdp.WINDOW_READY, 20)
            page.click('#txtHeading')
            page.key('a', 2)
            page.type('30')
            page.click('#btnCalculate')
            self.assertEqual(page.evaluate('[txtCalcHeading.value, txtX.value, txtY.value]'),
                             ['150', '-612.372436', '353.553391'])


if __name__ == '__main__':
    SITE = sys.argv.pop(1)
    unittest.main()
