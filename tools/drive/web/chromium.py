"""Debian's Chromium, headless, through Debian's chromedriver: nothing downloads a browser."""

import os
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


def open_chromium(width, height, *, phone=False):
    """A fresh browser (a profile of its own, so no service worker of an earlier run) whose
    page is `width` x `height` CSS pixels at one device pixel each. A phone's page reads the
    viewport meta of the page and is touched rather than clicked."""
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    options.add_argument("--headless=new")
    options.add_argument(f"--window-size={width},{height}")
    if os.geteuid() == 0:
        # Chromium's sandbox refuses to start as root, as in a container.
        options.add_argument("--no-sandbox")
    # Chromium leaves a folder in the temporary one each time its driver ends it: give it a
    # folder of its own, gone with the browser object (at the latest when Python exits).
    scratch = tempfile.TemporaryDirectory(prefix="qelmar-chromium-")
    service = Service("/usr/bin/chromedriver", env=dict(os.environ, TMPDIR=scratch.name))
    browser = webdriver.Chrome(service=service, options=options)
    browser.qelmar_scratch = scratch
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": phone})
    if phone:
        browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    return browser
