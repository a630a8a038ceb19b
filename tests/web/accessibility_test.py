"""The window as chromium hands it to a screen reader (Accessibility.getFullAXTree, which only
its DevTools protocol reads): every control named by the caption a sighted user reads beside
it, and its state. Usage: accessibility_test.py SITE_FOLDER"""

import contextlib
import sys
import unittest

import webdriver

# Each text field, the caption that names it and whether it is read-only in the window's
# first layout and in the 3dsMax to Armadillo layout.
FIELDS = [
    ('txtHeading', 'Heading', False, True),
    ('txtPitch', 'Pitch', False, True),
    ('txtDilloStrength', 'Strength', False, True),
    ('txtGridRes', 'Grid Res', False, True),
    ('txtDistance', 'Light Distance (ft):', False, True),
    ('txtObjectScale', 'Object Scale (%):', True, False),
    ('txtGridSize', 'Grid Size:', False, False),
    ('txtMaxStrength', 'Strength:', True, False),
    ('txtX', 'Max X =', True, False),
    ('txtY', 'Max Y =', True, False),
    ('txtZ', 'Max Z =', True, False),
    ('txtCalcHeading', 'Heading', True, True),
    ('txtCalcPitch', 'Pitch', True, True),
]
# Each check box and button, its name and its state in the same two layouts.
OTHERS = [
    ('chkArmadillo2Max', 'checkbox', 'Armadillo to 3dsMax', 'true', 'false'),
    ('chkMax2Armadillo', 'checkbox', '3dsMax to Armadillo', 'false', 'true'),
    ('chkNatSX', 'checkbox', 'National or SX Track', 'true', 'true'),
    ('chkBajaStuntEnduro', 'checkbox', 'Baja, Stunt, or Enduro', 'false', 'false'),
    ('chkUseObjectScale', 'checkbox', 'Use Object Scale', 'false', 'mixed'),
    ('btnCalculate', 'button', 'Calculate', None, None),
    ('btnExit', 'button', 'Exit', None, None),
]


class WebAccessibility(unittest.TestCase):
    def setUp(self):
        stack = contextlib.ExitStack()
        self.addCleanup(stack.close)
        url = stack.enter_context(webdriver.serve(SITE))
        self.page = stack.enter_context(webdriver.Page())
        self.page.navigate(url, webdriver.WINDOW_READY)
        self.devtools = self.page.devtools
        self.devtools.call('Accessibility.enable')

    def tree(self):
        """The nodes a screen reader sees, by the id of their element."""
        nodes = {}
        for node in self.devtools.call('Accessibility.getFullAXTree')['nodes']:
            if node.get('ignored') or 'backendDOMNodeId' not in node:
                continue
            element = self.devtools.call('DOM.describeNode', backendNodeId=node['backendDOMNodeId'])['node']
            attributes = element.get('attributes', [])
            ident = dict(zip(attributes[::2], attributes[1::2])).get('id', '')
            node['state'] = {p['name']: p['value'].get('value') for p in node.get('properties', [])}
            nodes[ident or node['nodeId']] = node
        return nodes

    def check_controls(self, layout):
        tree = self.tree()
        for name, caption, *read_only in FIELDS:
            with self.subTest(field=name, layout=layout):
                node = tree[name]
                self.assertEqual((node['role']['value'], node['name']['value'], node['state'].get('readonly')),
                                 ('textbox', caption, read_only[layout]))
        for name, role, caption, *checked in OTHERS:
            with self.subTest(control=name, layout=layout):
                node = tree[name]
                self.assertEqual((node['role']['value'], node['name']['value'], node['state'].get('checked')),
                                 (role, caption, checked[layout]))
        return tree

    def test_controls_are_named_by_their_captions_in_both_directions(self):
        tree = self.check_controls(0)
        self.assertEqual(tree['btnExit']['state'].get('keyshortcuts'), 'Alt+X')
        self.assertNotIn('Command1', tree)
        self.page.click('#chkMax2Armadillo')
        tree = self.check_controls(1)
        self.assertTrue(tree['chkUseObjectScale']['state'].get('disabled'))

    def test_the_message_is_a_modal_dialog_named_lumetra_with_its_text(self):
        page = self.page
        page.click('#chkMax2Armadillo')
        page.click('#txtX')
        for _ in range(3):
            page.key('a', webdriver.CONTROL)
            page.key('0')
            page.key(webdriver.TAB)
        page.click('#btnCalculate')
        page.wait_until("!!document.querySelector('dialog[open]')")
        # The description reaches a screen reader with each run of spaces made one.
        dialog = [n for n in self.tree().values() if n['role']['value'] == 'dialog']
        self.assertEqual(len(dialog), 1)
        self.assertEqual((dialog[0]['name']['value'], dialog[0]['description']['value'], dialog[0]['state'].get('modal')),
                         ('Lumetra', 'Cannot calculate Pitch because Light Distance is Zero. '
                          'Please check light X, Y, Z coordinates', True))


if __name__ == '__main__':
    SITE = sys.argv.pop(1)
    unittest.main()
