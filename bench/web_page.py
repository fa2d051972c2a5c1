#!/usr/bin/python3
"""The web page measured in headless Chromium (run by tools/bench-web): the time from the
navigation to a working window, at a first visit (nothing kept) and at a later one (the
service worker's files), and one press of 計算 inside the page.
Usage: web_page.py BUILD_WEB_BIN [N]"""

import statistics
import sys

sys.path.insert(0, sys.argv[1])

from chromium import open_chromium  # noqa: E402
from site_server import SiteServer  # noqa: E402
import user_actions  # noqa: E402
from window_page import open_window  # noqa: E402

# The page drops its window's aria-busy once the window is built and Form_Load has run:
# that moment, from the navigation's start.
_OPENED_AT = """
new MutationObserver((changes, observer) => {
  if (document.querySelector('main') && !document.querySelector('main[aria-busy]')) {
    window.openedAt = performance.now();
    observer.disconnect();
  }
}).observe(document, {attributes: true, subtree: true, attributeFilter: ['aria-busy']});
"""

# The mean of `count` presses in a row, each the whole click event with its handler.
_PRESSES = """
const [count] = arguments;
const button = document.getElementById('計算');
button.click();
const start = performance.now();
for (let i = 0; i < count; ++i) button.click();
return (performance.now() - start) / count;
"""


def opening_times(browser, url, runs, keep):
    times = []
    for _ in range(runs):
        if not keep:
            browser.execute_cdp_cmd("Storage.clearDataForOrigin",
                                    {"origin": url.rstrip("/"), "storageTypes": "all"})
            browser.execute_cdp_cmd("Network.clearBrowserCache", {})
        open_window(browser, url)
        times.append(browser.execute_script("return window.openedAt"))
    return statistics.median(times)


def press_time(browser, url, setup):
    open_window(browser, url)
    setup(browser)
    return statistics.median(browser.execute_script(_PRESSES, 1000) for _ in range(5))


def example_c(browser):
    for combo, index in [("口座種別Combo", 0), ("取引通貨Combo", 0), ("通貨単位Combo", 0)]:
        user_actions.pick(browser, combo, index)
    user_actions.type_text(browser, "運用オーダー数text", "3")


def main():
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    with SiteServer(f"{sys.argv[1]}/../site") as server:
        browser = open_chromium(1280, 800)
        try:
            browser.execute_cdp_cmd("Network.enable", {})
            browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": _OPENED_AT})
            print(f"navigation to a working window, median of {runs}:")
            print(f"  first visit   {opening_times(browser, server.url, runs, False):7.1f} ms")
            print(f"  later visits  {opening_times(browser, server.url, runs, True):7.1f} ms")
            print("one press of 計算, mean of 1000, median of 5:")
            print(f"  example C     {press_time(browser, server.url, example_c) * 1000:7.1f} µs")
            print(f"  a message     {press_time(browser, server.url, lambda b: None) * 1000:7.1f} µs")
        finally:
            browser.quit()


if __name__ == "__main__":
    main()
