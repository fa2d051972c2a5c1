"""The page on a phone, 390 x 844 CSS pixels: one column, type and targets big enough, nothing
to scroll sideways, and what a press shows in view."""

from page_case import COMBOS, INPUTS, RESULTS, PageCase, unittest

# Top to bottom: the inputs, then 計算, the message and the results.
COLUMN = INPUTS + ["計算", "Label1"] + RESULTS

_SCROLLS_SIDEWAYS = "return document.documentElement.scrollWidth > window.innerWidth"

# The size of type and of the box a finger taps, of every element a user reads or taps.
_SIZES = """
const sizes = [];
for (const element of document.querySelectorAll(
    '.caption, input, button, .arrow, .message-line, [role=option]')) {
  const box = element.getBoundingClientRect();
  const shown = box.width > 0;
  sizes.push([element.id || element.className, parseFloat(getComputedStyle(element).fontSize),
              box.width, box.height, shown, element.matches('input, button, .arrow, [role=option]')]);
}
return sizes;
"""

# What a numeric box asks of a phone's keyboard.
_ASKED = """
const box = document.getElementById(arguments[0]);
return ['inputmode', 'autocomplete', 'autocorrect', 'autocapitalize', 'spellcheck']
  .map((name) => box.getAttribute(name));
"""


class PhoneLayout(PageCase):
    width, height, phone = 390, 844, True

    def test_one_column_each_caption_above_its_field(self):
        boxes = [self.box(name) for name in COLUMN]
        for above, below, name in zip(boxes, boxes[1:], COLUMN[1:]):
            self.assertGreaterEqual(below["top"], above["bottom"] - 1, name)
        for name in INPUTS + RESULTS:
            caption = self.js("return document.querySelector(`label[for='${arguments[0]}']`)"
                              ".getBoundingClientRect().toJSON()", name)
            field = self.box(name)
            self.assertLessEqual(caption["bottom"], field["top"], name)
            self.assertAlmostEqual(caption["left"], field["left"], delta=1, msg=name)

    def test_nothing_scrolls_sideways(self):
        steps = [
            ("at start", lambda: None),
            ("after a worked example", self.worked_example_c),
            ("with the longest message", self.longest_message),
            ("with a long number typed", lambda: self.type("口座残高text", "9" * 60)),
            ("with a list open", lambda: self.pick_open("通貨単位Combo")),
        ]
        for what, step in steps:
            step()
            self.assertFalse(self.js(_SCROLLS_SIDEWAYS), what)

    def pick_open(self, combo):
        self.js("document.getElementById(arguments[0]).parentElement"
                ".querySelector('.arrow').click()", combo)

    def test_text_at_16_px_and_targets_at_44_px(self):
        for combo in COMBOS:  # their lists too
            self.pick_open(combo)
            for name, font, width, height, shown, tapped in self.js(_SIZES):
                if not shown:
                    continue
                self.assertGreaterEqual(font, 16, name)
                if tapped:
                    self.assertGreaterEqual(min(width, height), 44, name)

    def test_the_numeric_boxes_ask_for_a_decimal_keypad_and_complete_nothing(self):
        for name in [name for name in INPUTS if name not in COMBOS]:
            self.assertEqual(self.js(_ASKED, name), ["decimal", "off", "off", "off", "false"], name)

    def test_after_a_press_the_message_and_the_first_result_are_in_view(self):
        presses = [
            ("results", self.worked_example_c),
            ("a message", self.longest_message),
        ]
        for what, press in presses:
            self.js("window.scrollTo(0, 0)")
            press()
            viewport = self.js("return window.innerHeight")
            for name in ["Label1", RESULTS[0]]:
                box = self.box(name)
                self.assertGreaterEqual(box["top"], 0, f"{name} after {what}")
                self.assertLessEqual(box["bottom"], viewport, f"{name} after {what}")


if __name__ == "__main__":
    unittest.main()
