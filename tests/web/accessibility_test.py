"""axe-core, from the npm registry (package.json here), run in the page in Chromium: no
violation of its rules on a desktop or on a phone, at start, with results, with a message
and with a list open. On a phone, WCAG 2.2's target size too."""

import os

from page_case import PageCase, unittest

with open(os.environ["QELMAR_AXE"]) as source:
    AXE = source.read()

_RUN = """
const [options, done] = arguments;
axe.run(document, options).then((results) => done(results.violations.map((violation) =>
  `${violation.id}: ${violation.help} (${violation.nodes.map((node) => node.target).join(' ')})`)));
"""


class DesktopAccessibility(PageCase):
    options = {}

    def open_a_list(self):
        self.js("document.querySelector('.arrow').click()")

    def test_no_violations(self):
        states = [
            ("at start", lambda: None),
            ("with results", self.worked_example_c),
            ("with a message", self.longest_message),
            ("with a list open", self.open_a_list),
        ]
        for what, reach in states:
            reach()
            self.js(AXE)
            self.assertEqual(self.browser.execute_async_script(_RUN, self.options), [], what)


class PhoneAccessibility(DesktopAccessibility):
    width, height, phone = 390, 844, True
    options = {"rules": {"target-size": {"enabled": True}}}


if __name__ == "__main__":
    unittest.main()
