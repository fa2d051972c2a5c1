"""A desktop with Debian's screen reader in it, under Xvfb and a private D-Bus session: the
AT-SPI bus, Openbox as window manager, and Orca, whose utterances are read back from its
debug log (no speech engine is needed; Orca logs every utterance as a SPEECH OUTPUT line)."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# No speech engine (the utterances are read from the log), no braille, no echo of the keys.
PREFS = os.path.join(HERE, "orca_prefs")
UTTERANCE = re.compile(r" - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?[\[{]")


def wait_for(found, seconds):
    """Polls `found` until it returns something true, for at most `seconds`; returns what it
    returned last."""
    deadline = time.monotonic() + seconds
    while True:
        result = found()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.05)


class OrcaDesktop:
    """Starts the desktop on entry and ends every process it started on exit."""

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="qelmar-orca-")
        self.log = os.path.join(self.home, "orca.log")
        # The desktop's own accessibility bus, whatever the caller's session names; GSettings
        # kept in memory, so that Orca needs no settings service.
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ.update(HOME=self.home, XDG_RUNTIME_DIR=self.home, GSETTINGS_BACKEND="memory")
        prefs = shutil.copytree(PREFS, os.path.join(self.home, "prefs"))
        self.processes = []
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        ready = os.path.join(self.home, "window-manager-ready")
        self.start(["openbox", "--startup", "touch " + ready])
        if not wait_for(lambda: os.path.exists(ready), 20):
            raise RuntimeError("Openbox did not start")
        self.start(["/usr/bin/python3", os.path.join(HERE, "start_orca.py"), prefs, self.log])
        if not wait_for(lambda: "Screen reader on." in self.utterances(), 30):
            raise RuntimeError("Orca did not start:\n" + self.text())
        return self

    def __exit__(self, *exception):
        for process in reversed(self.processes):
            # Orca may not end on a polite signal; the bus and its registry form one group.
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    def start(self, command, stderr=subprocess.DEVNULL):
        """Starts `command` in a process group of its own, ended on exit."""
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=stderr,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def text(self):
        """Orca's whole log so far."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def utterances(self):
        """Everything Orca has said so far, in order."""
        return UTTERANCE.findall(self.text())
