"""Once opened, the page opens and calculates with its server gone: the service worker's cache
answers for every file. Usage: offline_test.py SITE_FOLDER, in the engine webdriver.py is told."""

import sys
import unittest

import webdriver


class WebOffline(unittest.TestCase):
    def test_the_window_opens_and_calculates_with_the_server_gone(self):
        with webdriver.Page() as page:
            with webdriver.serve(SITE) as url:
                page.navigate(url, webdriver.WINDOW_READY)
                page.wait_until('navigator.serviceWorker.controller !== null', 20)
            page.navigate(url, webdriver.WINDOW_READY)
            page.click('#txtHeading')
            page.key('a', webdriver.CONTROL)
            page.type('30')
            page.click('#btnCalculate')
            self.assertEqual(page.evaluate('[txtCalcHeading.value, txtX.value, txtY.value]'),
                             ['150', '-612.372436', '353.553391'])


if __name__ == '__main__':
    SITE = sys.argv.pop(1)
    unittest.main()
