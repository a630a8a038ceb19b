"""The browser edition used as a person uses it: real keys and clicks, read back from what the
page shows. Usage: acceptance_test.py SITE_FOLDER, in the engine webdriver.py is told."""

import contextlib
import sys
import unittest

import webdriver
from webdriver import ALT, CONTROL, ENTER, TAB

ZERO_DISTANCE = ('Cannot calculate Pitch because Light Distance is Zero.  '
                 'Please check light X, Y, Z coordinates')


class WebAcceptance(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.stack = contextlib.ExitStack()
        cls.url = cls.stack.enter_context(webdriver.serve(SITE))
        cls.page = cls.stack.enter_context(webdriver.Page())

    @classmethod
    def tearDownClass(cls):
        cls.stack.close()

    def setUp(self):
        self.page.navigate(self.url, webdriver.WINDOW_READY)

    def texts(self, *ids):
        return self.page.evaluate('[%s].map(id => document.getElementById(id).value)' % ','.join(
            "'%s'" % i for i in ids))

    def replace(self, text):
        """Selects the focused field's text and types over it."""
        self.page.key('a', CONTROL)
        self.page.type(text)

    def test_armadillo_to_3dsmax_typed_with_tab_and_clicks(self):
        page = self.page
        page.key(TAB)
        self.replace('20')
        page.key(TAB)
        self.replace('400')
        page.key(TAB)
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

    def test_a_heading_beyond_its_range_is_clamped_before_calculate_whatever_was_pressed_between(self):
        page = self.page
        page.click('#txtHeading')
        self.replace('400')
        page.click('body', at=(5, 5))
        page.click('#lumetra-caption')
        page.click('#btnCalculate')
        # 359.9 degrees, pitch 45 and distance 1000: X = cos 45 cos -179.9 1000, Y = cos 45 sin -179.9 1000.
        self.assertEqual(self.texts('txtHeading', 'txtX', 'txtY', 'txtZ', 'txtCalcHeading', 'txtCalcPitch'),
                         ['359.9', '-707.105704', '-1.234134', '707.106781', '-179.9', '45'])

    def test_3dsmax_to_armadillo_and_a_warning_dismissed(self):
        page = self.page
        page.click('#chkMax2Armadillo')
        self.assertEqual(page.evaluate('[chkArmadillo2Max.checked, txtX.readOnly, txtHeading.readOnly]'),
                         [False, False, True])
        page.click('#txtX')
        for text in ('-300', '400', '707.106781'):
            self.replace(text)
            page.key(TAB)
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
        self.assertEqual(page.evaluate("['.caption', '.text'].map((part) => "
                                       "document.querySelector('dialog[open] ' + part).textContent)"),
                         ['Lumetra', ZERO_DISTANCE])
        # The handler sleeps in the message: the grid is converted only once it is dismissed.
        self.assertEqual(self.texts('txtDistance', 'txtGridRes'), ['0.000000', '3.0000'])
        page.key(ENTER)
        page.wait_until("!document.querySelector('dialog')")
        self.assertEqual(self.texts('txtPitch', 'txtHeading', 'txtDilloStrength', 'txtGridRes', 'txtObjectScale'),
                         ['54.7', '53.1', '40.000', '2.0000', '100.000000'])

    def test_a_press_on_the_disabled_option_leaves_max_z_to_be_tidied_by_calculate(self):
        page = self.page
        page.click('#chkMax2Armadillo')
        page.click('#txtZ')
        self.replace('-315.89')
        page.click('#chkUseObjectScale')
        page.click('#btnCalculate')
        # X 0, Y 707.106781, Z -315.89: distance 774.4588380..., pitch asin(Z / distance) -24.072...
        self.assertEqual(self.texts('txtZ', 'txtDistance', 'txtPitch', 'txtHeading', 'txtCalcHeading'),
                         ['-315.890000', '774.458838', '-24.1', '90.0', '90'])

    def test_exit_by_alt_x_and_start_again(self):
        page = self.page
        page.click('#txtHeading')
        self.replace('12')
        page.key('x', ALT)
        page.wait_until("document.body.innerText.includes('Lumetra has ended.')")
        self.assertIsNone(page.evaluate("document.getElementById('txtHeading')"))
        self.assertEqual(page.evaluate("document.querySelector('.lumetra-ended button').textContent"),
                         'Start Lumetra again')
        page.click('.lumetra-ended button')
        page.wait_until(webdriver.WINDOW_READY, 20)
        self.assertEqual(self.texts('txtHeading'), ['90.0'])


if __name__ == '__main__':
    SITE = sys.argv.pop(1)
    unittest.main()
