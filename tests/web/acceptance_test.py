"""The browser edition used as a person uses it: real keys and clicks in headless chromium,
read back from what the page shows. Usage: acceptance_test.py SITE_FOLDER"""

import contextlib
import sys
import unittest

import cdp

ZERO_DISTANCE = ('Cannot calculate Pitch because Light Distance is Zero.  '
                 'Please check light X, Y, Z coordinates')


class WebAcceptance(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.stack = contextlib.ExitStack()
        cls.url = cls.stack.enter_context(cdp.serve(SITE))
        cls.page = cls.stack.enter_context(cdp.Chromium()).page()

    @classmethod
    def tearDownClass(cls):
        cls.page.close()
        cls.stack.close()

    def setUp(self):
        self.page.navigate(self.url, cdp.WINDOW_READY)

    def texts(self, *ids):
        return self.page.evaluate('[%s].map(id => document.getElementById(id).value)' % ','.join(
            "'%s'" % i for i in ids))

    def replace(self, text):
        """Selects the focused field's text and types over it."""
        self.page.key('a', 2)
        self.page.type(text)

    def test_armadillo_to_3dsmax_typed_with_tab_and_clicks(self):
        page = self.page
        page.key('Tab')
        self.replace('20')
        page.key('Tab')
        self.replace('400')
        page.key('Tab')
        self.assertEqual(self.texts('txtPitch', 'txtHeading'), ['20.0', '359.9'])
        self.assertEqual(page.evaluate('document.activeElement.id'), 'txtX')

        page.click('#txtHeading')
        self.replace('30')
        page.click('#txtDistance')
        self.replace('500')
        page.click('#btnCalculate')
        self.assertEqual(
            self.texts('txtHeading', 'txtDistance', 'txtX', 'txtY', 'txtZ', 'txtCalcHeading', 'txtCalcPitch'),
            ['30.0', '500.000000', '-406.898841', '234.923155', '171.010072', '150', '20'])

    def test_3dsmax_to_armadillo_and_a_warning_dismissed(self):
        page = self.page
        page.click('#chkMax2Armadillo')
        self.assertEqual(page.evaluate('[chkArmadillo2Max.checked, txtX.readOnly, txtHeading.readOnly]'),
                         [False, False, True])
        page.click('#txtX')
        for text in ('-300', '400', '707.106781'):
            self.replace(text)
            page.key('Tab')
        self.assertEqual(self.texts('txtX', 'txtY', 'txtZ'), ['-300.000000', '400.000000', '707.106781'])
        page.click('#btnCalculate')
        self.assertEqual(self.texts('txtDistance', 'txtPitch', 'txtHeading', 'txtCalcHeading'),
                         ['866.025404', '54.7', '53.1', '126.869897645844'])

        for field, text in (('txtX', '0'), ('txtY', '0'), ('txtZ', '0'), ('txtGridSize', '512'),
                            ('txtObjectScale', '100'), ('txtMaxStrength', '40')):
            page.click('#' + field)
            self.replace(text)
        page.click('#btnCalculate')
        page.wait_until("!!document.querySelector('dialog[open]')")
        self.assertEqual(page.evaluate("document.querySelector('dialog[open]').innerText").split('\n\n')[:2],
                         ['Lumetra', ZERO_DISTANCE])
        # The handler sleeps in the message: the grid is converted only once it is dismissed.
        self.assertEqual(self.texts('txtDistance', 'txtGridRes'), ['0.000000', '3.0000'])
        page.key('Enter')
        page.wait_until("!document.querySelector('dialog')")
        self.assertEqual(self.texts('txtPitch', 'txtHeading', 'txtDilloStrength', 'txtGridRes', 'txtObjectScale'),
                         ['54.7', '53.1', '40.000', '2.0000', '100.000000'])

    def test_exit_by_alt_x_and_start_again(self):
        page = self.page
        page.click('#txtHeading')
        self.replace('12')
        page.key('x', 1)
        page.wait_until("document.body.innerText.includes('Lumetra has ended.')")
        self.assertIsNone(page.evaluate("document.getElementById('txtHeading')"))
        self.assertEqual(page.evaluate("document.querySelector('.lumetra-ended button').textContent"),
                         'Start Lumetra again')
        page.click('.lumetra-ended button')
        page.wait_until(cdp.WINDOW_READY, 20)
        self.assertEqual(self.texts('txtHeading'), ['90.0'])


if __name__ == '__main__':
    SITE = sys.argv.pop(1)
    unittest.main()
