"""A user's actions on the page, with the real keys and mouse clicks of WebDriver."""

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from window_page import element

_KEYS = {
    "Tab": (None, Keys.TAB),
    "Shift+Tab": (Keys.SHIFT, Keys.TAB),
    "Enter": (None, Keys.ENTER),
    "Escape": (None, Keys.ESCAPE),
}


def _focus_in_page(browser):
    return browser.execute_script(
        "return document.hasFocus() && document.activeElement !== document.body")


def type_text(browser, name, text):
    """Clicks the field, selects all its text with Ctrl+A and types `text` one key press a
    character; an empty text presses Delete."""
    element(browser, name).click()
    keys = ActionChains(browser, duration=0).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL)
    keys.send_keys(text if text else Keys.DELETE).perform()


def press(browser, key):
    """Presses `key` in the element that has the focus. Tab past the page's last stop (or
    Shift+Tab before its first) takes the focus out to the browser's own controls: the page
    traps nobody. Headless Chromium has no controls, only one empty stop there, and the
    user's next press comes back into the page: that press is made too, so the focus goes
    round as in the desktop window."""
    modifier, key_code = _KEYS[key]

    def once():
        keys = ActionChains(browser, duration=0)
        if modifier:
            keys.key_down(modifier)
        keys.send_keys(key_code)
        if modifier:
            keys.key_up(modifier)
        keys.perform()

    once()
    if key_code == Keys.TAB and not _focus_in_page(browser):
        once()


def click(browser):
    element(browser, "計算").click()


_PARTS = """
const text = document.getElementById(arguments[0]);
const box = text.parentElement;
return [text, box.querySelector('.arrow'), box.querySelector('[role=listbox]')];
"""


def _wait(browser, condition):
    try:
        WebDriverWait(browser, 5, poll_frequency=0.01).until(lambda b: condition())
        return True
    except Exception:  # the wait timed out
        return False


def pick(browser, name, index):
    """Clicks the combo box's arrow, waits for its list, clicks the item at `index` and waits
    for the list to close. Returns what went wrong (the Qt driver's words for the same
    causes) or an empty text."""
    text, arrow, listbox = browser.execute_script(_PARTS, name)
    is_open = lambda: not browser.execute_script("return arguments[0].hidden", listbox)
    ActionChains(browser, duration=0).move_to_element(arrow).click().perform()
    if not _wait(browser, is_open):
        return f"the list of {name} did not open"
    option = browser.execute_script(
        "return arguments[0].querySelectorAll('[role=option]')[arguments[1]]", listbox, index)
    item = option.get_property("textContent")
    ActionChains(browser, duration=0).move_to_element(option).click().perform()
    if not _wait(browser, lambda: not is_open()):
        ActionChains(browser, duration=0).send_keys(Keys.ESCAPE).perform()
        return f'the list of {name} did not close on "{item}"'
    value, focused = browser.execute_script(
        "return [arguments[0].value, document.activeElement === arguments[0]]", text)
    if value != item:
        return f'{name} shows "{value}" after picking "{item}"'
    if not focused:
        return f"the focus is not in {name} after the pick"
    return ""


def grab(browser, path):
    """Writes a PNG of the window to `path`; False when it cannot be written."""
    return browser.find_element("css selector", "main").screenshot(path)
