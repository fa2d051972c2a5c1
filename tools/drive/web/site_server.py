"""The page's files served on 127.0.0.1, as any static web server serves them."""

import functools
import http.server
import threading


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


class SiteServer:
    """Serves the folder `site` at `url` on a free port until closed (also as a `with`)."""

    def __init__(self, site):
        handler = functools.partial(_QuietHandler, directory=site)
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_port}/"
        threading.Thread(target=self._server.serve_forever, daemon=True).start()

    def close(self):
        """Takes the site off the network: a request then finds nobody listening."""
        self._server.shutdown()
        self._server.server_close()

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()
