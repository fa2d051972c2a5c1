"""The page after one visit: it opens and computes with the network off, a new version
replaces the kept one at the next visit, and nothing typed is kept or sent anywhere."""

import os
import shutil
import subprocess
import tempfile
import time

from page_case import SITE, PageCase, open_window, unittest

# The names of the service worker's caches once it controls the page and has kept its files.
_KEPT = """
const done = arguments[0];
(function wait() {
  if (!navigator.serviceWorker.controller) return setTimeout(wait, 20);
  caches.keys().then(done);
})();
"""


def copy_of_site():
    folder = tempfile.mkdtemp(prefix="qelmar-site-")
    shutil.copytree(SITE, folder, dirs_exist_ok=True)
    return folder


class OfflineReload(PageCase):
    site = copy_of_site()

    def test_a_phone_can_add_it_to_its_home_screen(self):
        self.browser.execute_async_script(_KEPT)
        cdp = self.browser.execute_cdp_cmd
        self.assertEqual(cdp("Page.getInstallabilityErrors", {})["installabilityErrors"], [])
        manifest = cdp("Page.getAppManifest", {})
        self.assertEqual(manifest["errors"], [])
        self.assertEqual(manifest["manifest"]["name"], "Qelmar")
        self.assertEqual(manifest["manifest"]["display"], "kStandalone")
        self.assertEqual([icon["sizes"] for icon in manifest["manifest"]["icons"]],
                         ["192x192", "512x512"])
        self.assertEqual(self.browser.execute_async_script(
            "fetch('manifest.webmanifest').then((r) => r.json())"
            ".then((manifest) => arguments[0](manifest.lang))"), "ja")

    def test_after_one_visit_it_opens_and_computes_with_the_network_off(self):
        self.assertEqual(len(self.browser.execute_async_script(_KEPT)), 1)
        self.server.close()
        open_window(self.browser, self.server.url)
        self.pick("口座種別Combo", "円")  # example A
        self.pick("取引通貨Combo", "クロス円")
        self.pick("通貨単位Combo", "10000")
        self.press_計算()
        self.assertEqual(self.texts(["ポジション必要証拠金text", "PIPSあたりの損益額text", "Label1"]),
                         {"ポジション必要証拠金text": "10,000.00円",
                          "PIPSあたりの損益額text": "100.00円", "Label1": ""})

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(cls.site)


class NewVersion(PageCase):
    site = copy_of_site()

    def test_a_new_version_replaces_the_kept_one_at_the_next_visit(self):
        [old] = self.browser.execute_async_script(_KEPT)
        with open(os.path.join(self.site, "style.css"), "a") as style:
            style.write("\n/* the next version */\n")
        source = os.environ["QELMAR_SOURCE_DIR"]
        subprocess.run([os.environ["QELMAR_CMAKE"], f"-DSITE={self.site}",
                        f"-DTEMPLATE={source}/web/site/service_worker.js.in",
                        "-P", f"{source}/web/service_worker.cmake"], check=True)
        open_window(self.browser, self.server.url)  # the next visit
        deadline = time.monotonic() + 10
        # The new files are kept first, then the old ones dropped: at last only one version.
        while (kept := self.browser.execute_async_script(_KEPT)) == [old] or len(kept) != 1:
            self.assertLess(time.monotonic(), deadline, f"still kept: {kept}")
            time.sleep(0.05)
        self.server.close()
        open_window(self.browser, self.server.url)
        style = self.browser.execute_async_script(
            "fetch('style.css').then((r) => r.text()).then(arguments[0])")
        self.assertIn("the next version", style)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(cls.site)


class NothingKept(PageCase):
    def test_nothing_typed_is_kept_and_nothing_leaves_the_origin(self):
        self.worked_example_c()
        self.assertEqual(self.js("return [document.cookie, localStorage.length,"
                                 " sessionStorage.length]"), ["", 0, 0])
        self.assertEqual(self.browser.execute_async_script(
            "indexedDB.databases().then(arguments[0])"), [])
        origins = self.js("return performance.getEntriesByType('resource')"
                          ".map((entry) => new URL(entry.name).origin)")
        self.assertEqual(set(origins), {self.server.url.rstrip("/")})

    def test_the_page_runs_only_its_own_script_and_webassembly(self):
        self.assertEqual(self.js("return [...document.scripts].filter((s) => !s.src).length"), 0)
        self.js("const script = document.createElement('script');"
                "script.textContent = 'window.inline = true';"
                "document.head.append(script);")
        # A timer's text is compiled in the page, as eval would be.
        self.js("setTimeout('window.evaluated = true', 0)")
        self.browser.execute_async_script("setTimeout(arguments[0], 50)")
        self.assertEqual(self.js("return [window.inline, window.evaluated]"), [None, None])


if __name__ == "__main__":
    unittest.main()
