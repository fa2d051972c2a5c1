"""What the page's tests share: the built site served on 127.0.0.1 and opened in headless
Chromium, one browser per test class, the page opened afresh for each test."""

import os
import sys
import unittest

BIN = os.environ["QELMAR_WEB_BIN"]  # build-web/bin: the driver, and its player's modules
sys.path.insert(0, BIN)

from chromium import open_chromium  # noqa: E402
from site_server import SiteServer  # noqa: E402
import user_actions  # noqa: E402
from window_page import element, open_window, shown  # noqa: E402

SITE = os.path.normpath(os.path.join(BIN, "..", "site"))

# The fields by name, in window order (written here, not read from the window table).
INPUTS = ["口座残高text", "口座種別Combo", "取引通貨Combo", "現在のUSDJYPレートtext",
          "現在の取引通貨レートtext", "通貨単位Combo", "レバレッジtext", "購入比率text",
          "運用オーダー数text", "強制ロスカット証拠金維持率text"]
RESULTS = ["オーダーの適正ロットtext", "ポジション必要証拠金text", "オーダー時の有効証拠金text",
           "PIPSあたりの損益額text", "許容含み損text", "ロスカットまでの余力PIPStext",
           "ロスカット到達レート買text", "ロスカット到達レート売text"]
COMBOS = ["口座種別Combo", "取引通貨Combo", "通貨単位Combo"]
# The longest message the line can show.
LONGEST_MESSAGE = "強制ロスカット証拠金維持率に半角数字以外が入力されています"


class PageCase(unittest.TestCase):
    width, height, phone = 1280, 800, False
    site = SITE

    @classmethod
    def setUpClass(cls):
        cls.server = SiteServer(cls.site)
        cls.browser = open_chromium(cls.width, cls.height, phone=cls.phone)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.close()

    def setUp(self):
        open_window(self.browser, self.server.url)

    def js(self, script, *arguments):
        return self.browser.execute_script(script, *arguments)

    def box(self, name):
        """The element's box in CSS pixels from the top-left corner of the viewport."""
        return self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return {left: r.left, top: r.top, right: r.right, bottom: r.bottom,"
                       "        width: r.width, height: r.height};", name)

    def texts(self, names):
        return dict(zip(names, shown(self.browser, names)[0]))

    # What a trader does, with the driver's own real keys and clicks.
    def pick(self, combo, item):
        index = {"ドル": 0, "円": 1, "クロス円": 0, "ドルストレート": 1, "1000": 0, "10000": 1}[item]
        self.assertEqual(user_actions.pick(self.browser, combo, index), "")

    def type(self, field, text):
        user_actions.type_text(self.browser, field, text)

    def press_計算(self):
        user_actions.click(self.browser)

    def worked_example_c(self):
        """Example C: "ドル", "クロス円", "1000" and three orders."""
        self.pick("口座種別Combo", "ドル")
        self.pick("取引通貨Combo", "クロス円")
        self.pick("通貨単位Combo", "1000")
        self.type("運用オーダー数text", "3")
        self.press_計算()

    def longest_message(self):
        self.type("強制ロスカット証拠金維持率text", "abc")
        self.press_計算()
        self.assertEqual(self.texts(["Label1"])["Label1"], LONGEST_MESSAGE)


__all__ = ["PageCase", "INPUTS", "RESULTS", "COMBOS", "LONGEST_MESSAGE", "element",
           "user_actions", "unittest"]
