"""The page on a desktop browser, 1280 x 800: the desktop window's boxes at 96 dpi, the
numbers right-aligned, and every text whole in the face that fontconfig offers
(QELMAR_EXPECTED_FACE names it; the test runs once per face, the other one hidden)."""

import os

from page_case import COMBOS, INPUTS, RESULTS, PageCase, unittest

# The desktop window's boxes in pixels at 96 dpi (twips / 15), from the window's corner:
# the ends of both columns, the combo boxes' taller boxes, the bottom row, the decoration.
BOXES = {
    "Image1": (8, 8, 537, 45),
    "口座残高text": (160, 64, 105, 18),
    "口座種別Combo": (160, 80, 105, 20),
    "通貨単位Combo": (160, 144, 105, 20),
    "強制ロスカット証拠金維持率text": (160, 208, 105, 18),
    "オーダーの適正ロットtext": (432, 64, 113, 18),
    "ロスカット到達レート売text": (432, 176, 113, 18),
    "Label1": (280, 200, 153, 25),
    "計算": (440, 200, 105, 25),
    "Line1": (272, 64, 1, 160),
    "口座残高": (8, 64, 150, 14),
    "ロスカット到達レート売": (280, 176, 150, 14),
}

_PLACED = """
const window = document.querySelector('main').getBoundingClientRect();
const element = document.getElementById(arguments[0]);
const placed = element.matches('[role=combobox]') ? element.parentElement : element;
const box = placed.getBoundingClientRect();
return [box.left - window.left, box.top - window.top, box.width, box.height,
        window.width, window.height];
"""

# Elements whose text does not fit: wider than a caption or a box, taller than the line.
_CUT = """
const cut = [];
for (const element of document.querySelectorAll('.caption, input, .message-line')) {
  if (element.scrollWidth > element.clientWidth || element.scrollHeight > element.clientHeight) {
    cut.push(element.id + ': ' + (element.value ?? element.textContent));
  }
}
return cut;
"""


class DesktopLayout(PageCase):
    def test_the_boxes_of_the_desktop_window_at_96_dpi(self):
        for name, expected in BOXES.items():
            left, top, width, height, window_width, window_height = self.js(_PLACED, name)
            self.assertEqual((left, top, width, height), expected, name)
        self.assertEqual((window_width, window_height), (553, 233))

    def test_numbers_right_aligned_combo_boxes_left(self):
        for name in INPUTS + RESULTS:
            expected = {"start", "left"} if name in COMBOS else {"right"}
            align = self.js("return getComputedStyle(document.getElementById(arguments[0]))"
                            ".textAlign", name)
            self.assertIn(align, expected, name)

    def test_every_caption_start_text_result_and_message_whole(self):
        self.assertEqual(self.face_of("ロスカット到達レート売"), os.environ["QELMAR_EXPECTED_FACE"])
        states = [
            ("at start", lambda: None),
            ("after example C", self.worked_example_c),
            ("with the longest message", self.longest_message),
        ]
        for what, reach in states:
            reach()
            self.assertEqual(self.js(_CUT), [], what)
        self.assertEqual(self.js(_PLACED, "Label1")[3], 25, "two lines of the message in 25 px")

    def face_of(self, element_id):
        """The face Chromium draws the element's text in."""
        cdp = self.browser.execute_cdp_cmd
        cdp("DOM.enable", {})
        cdp("CSS.enable", {})
        root = cdp("DOM.getDocument", {})["root"]["nodeId"]
        node = cdp("DOM.querySelector", {"nodeId": root, "selector": f"[id='{element_id}']"})
        fonts = cdp("CSS.getPlatformFontsForNode", {"nodeId": node["nodeId"]})["fonts"]
        return max(fonts, key=lambda font: font["glyphCount"])["familyName"]


if __name__ == "__main__":
    unittest.main()
