"""The Qelmar page as a window: opening it, and reading what it shows."""

from selenium.webdriver.support.ui import WebDriverWait

# The page marks its window busy until it is built and Form_Load has run.
_OPEN = "return !document.querySelector('main[aria-busy]')"

# What the window shows once the events of an action have run out: a message said again is
# held back 100 ms (the line is "repeating" meanwhile). Then each named field's text (an
# input's value, the message line's text), and the id of the element with the focus, empty
# when the page has none.
_SHOWN = """
const [names, done] = arguments;
(function look() {
  if (document.querySelector('.repeating')) return setTimeout(look, 10);
  const texts = names.map((name) => {
    const element = document.getElementById(name);
    return element.matches('input') ? element.value : element.textContent;
  });
  const focused = document.activeElement;
  const inPage = document.hasFocus() && focused && focused !== document.body;
  done([texts, inPage ? focused.id : '']);
})();
"""


def open_window(browser, url):
    browser.get(url)
    WebDriverWait(browser, 30, poll_frequency=0.01).until(lambda b: b.execute_script(_OPEN))


def element(browser, name):
    """The element of the page whose id is `name`: a field's (a combo box's text part), 計算."""
    return browser.execute_script("return document.getElementById(arguments[0])", name)


def shown(browser, names):
    """The texts of the fields `names`, and the name of the element that has the focus."""
    return browser.execute_async_script(_SHOWN, names)
