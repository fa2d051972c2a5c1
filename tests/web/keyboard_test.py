"""What a keyboard user and a screen reader get from the page: the combo boxes' keys, Enter,
Tab, the names of the fields and the message line spoken after every press."""

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from page_case import INPUTS, RESULTS, PageCase, element, unittest

# The caption that names each field, as the window shows it (written here, not read from
# the window table the page is made from).
CAPTIONS = {
    "口座残高text": "口座残高", "口座種別Combo": "口座種別", "取引通貨Combo": "取引通貨",
    "現在のUSDJYPレートtext": "現在のUSDJPYレート", "現在の取引通貨レートtext": "現在の取引通貨レート",
    "通貨単位Combo": "通貨単位", "レバレッジtext": "レバレッジ", "購入比率text": "購入比率",
    "運用オーダー数text": "運用オーダー数", "強制ロスカット証拠金維持率text": "強制ロスカット証拠金維持率",
    "オーダーの適正ロットtext": "1オーダーの適正ロット", "ポジション必要証拠金text": "ポジション必要証拠金",
    "オーダー時の有効証拠金text": "余剰証拠金", "PIPSあたりの損益額text": "1PIPSあたりの損益額",
    "許容含み損text": "許容含み損", "ロスカットまでの余力PIPStext": "ロスカットまでの余力PIPS",
    "ロスカット到達レート買text": "ロスカット到達レート（買）",
    "ロスカット到達レート売text": "ロスカット到達レート（売）",
}

_KEYS = {"Down": Keys.ARROW_DOWN, "Up": Keys.ARROW_UP, "Enter": Keys.ENTER,
         "Escape": Keys.ESCAPE, "Tab": Keys.TAB}

# The combo box's text, whether its list is open, the item the keys are on, whether its
# whole text is selected, and its list.
_COMBO = """
const text = document.getElementById(arguments[0]);
const shown = text.getAttribute('aria-activedescendant');
return [text.value, text.getAttribute('aria-expanded') === 'true',
        shown ? document.getElementById(shown).textContent : null,
        text.selectionStart === 0 && text.selectionEnd === text.value.length,
        [...text.parentElement.querySelectorAll('[role=option]')].map((o) => o.textContent)];
"""


class Keyboard(PageCase):
    def keys(self, *names):
        chain = ActionChains(self.browser, duration=0)
        for name in names:
            modifier, _, key = name.rpartition("+")
            modifier = {"Alt": Keys.ALT, "Shift": Keys.SHIFT, "Ctrl": Keys.CONTROL}.get(modifier)
            if modifier:
                chain.key_down(modifier)
            chain.send_keys(_KEYS.get(key, key))
            if modifier:
                chain.key_up(modifier)
        chain.perform()

    def focused(self):
        return self.js("return document.hasFocus() && document.activeElement !== document.body"
                       " ? document.activeElement.id : ''")

    def test_a_combo_box_keys_as_the_combobox_pattern_has_them(self):
        prompt = "口座種別を選択"
        rows = [  # keys in 口座種別Combo: text, list open, item the keys are on
            (["Alt+Down"], prompt, True, None),
            (["Down"], prompt, True, "ドル"),
            (["Down", "Down"], prompt, True, "円"),
            (["Down", "Down", "Down"], prompt, True, "ドル"),
            (["Up"], prompt, True, "円"),
            (["Down", "Enter"], "ドル", False, None),
            (["Up", "Enter"], "円", False, None),
            (["Down", "Escape"], prompt, False, None),
            (["Down", "Alt+Up"], prompt, False, None),
            (["Alt+Down", "Enter"], prompt, False, None),
            (["Down", "Tab"], prompt, False, None),
            (["Down", "Ctrl+a", "ド"], "ド", False, None),  # typed text is never completed
            (["Ctrl+a", "ド", "Enter"], "ド", False, None),  # nor added to the list
        ]
        for keys, text, is_open, item in rows:
            self.setUp()
            element(self.browser, "口座種別Combo").click()
            self.keys(*keys)
            shown = self.js(_COMBO, "口座種別Combo")
            self.assertEqual(shown[:3], [text, is_open, item], keys)
            if keys[-1] == "Enter" and text in ("ドル", "円"):
                self.assertTrue(shown[3], f"{keys}: a picked item's text is selected")
            self.assertEqual(shown[4], ["ドル", "円"], keys)

    def test_a_pick_in_取引通貨_leaves_the_rate_to_the_next_press(self):
        for pick in [lambda: self.pick("取引通貨Combo", "ドルストレート"),
                     lambda: self.keys("Down", "Down", "Enter")]:
            self.setUp()
            self.type("現在の取引通貨レートtext", "1.2345")
            element(self.browser, "取引通貨Combo").click()
            pick()
            self.assertEqual(self.texts(["取引通貨Combo", "現在の取引通貨レートtext"]),
                             {"取引通貨Combo": "ドルストレート", "現在の取引通貨レートtext": "1.2345"})

    def test_enter_presses_計算_only_when_it_has_the_focus(self):
        self.type("口座残高text", "")  # a press would show a message
        for name in INPUTS + RESULTS:
            element(self.browser, name).click()
            self.keys("Enter")
            self.assertEqual(self.texts(["Label1"]), {"Label1": ""}, name)
        element(self.browser, "計算").send_keys(Keys.ENTER)
        self.assertEqual(self.texts(["Label1"]), {"Label1": "口座残高を半角数字で入力してください"})

    def test_tab_walks_the_table_order_and_then_leaves_the_page(self):
        order = INPUTS + ["計算"] + RESULTS
        for name in order[1:]:
            self.keys("Tab")
            self.assertEqual(self.focused(), name)
        self.keys("Tab")
        self.assertEqual(self.focused(), "", "the focus goes on to the browser")
        element(self.browser, order[0]).click()
        self.keys("Shift+Tab")
        self.assertEqual(self.focused(), "", "the focus goes back to the browser")

    def test_every_field_named_by_its_caption(self):
        for name, caption in CAPTIONS.items():
            field = element(self.browser, name)
            self.assertEqual(field.accessible_name, caption, name)
            expected_role = "combobox" if name.endswith("Combo") else "textbox"
            self.assertEqual(field.aria_role, expected_role, name)

    def test_the_message_line_speaks_after_every_press_that_shows_a_message(self):
        line = element(self.browser, "Label1")
        self.assertEqual((line.aria_role, line.get_attribute("aria-live")), ("status", "polite"))
        for combo, item in [("口座種別Combo", "円"), ("取引通貨Combo", "クロス円"),
                            ("通貨単位Combo", "10000")]:
            self.pick(combo, item)
        self.js("window.heard = [];"
                "new MutationObserver(() => heard.push(document.getElementById('Label1')"
                "  .textContent)).observe(document.getElementById('Label1'),"
                "  {childList: true, characterData: true, subtree: true});")
        presses = [  # what the balance holds at the press, and what the live region then does
            ("", ["口座残高を半角数字で入力してください"]),
            ("", ["", "口座残高を半角数字で入力してください"]),  # the same again: away and back
            ("abc", ["口座残高に半角数字以外が入力されています"]),
            ("10000", [""]),
        ]
        for balance, heard in presses:
            self.type("口座残高text", balance)
            self.js("heard.length = 0")
            self.press_計算()
            self.texts(["Label1"])  # waits for the message held back
            self.assertEqual(self.js("return heard"), heard, balance)


if __name__ == "__main__":
    unittest.main()
