#!/usr/bin/python3
"""Starts Debian's Orca as /usr/bin/orca does, but writing its debug log line by line and
without /usr/bin/orca's look for other Orca processes of the same user, which it refuses to
start beside or, told to replace them, kills: the user's own screen reader may be running.

Usage: start_orca.py PREFERENCES_FOLDER LOG_FILE
"""

import sys

from orca import debug


def main():
    preferences, log = sys.argv[1:3]
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(log, "w", encoding="utf-8", buffering=1)
    from orca import orca
    manager = orca.getSettingsManager()
    manager.activate(preferences, {})
    sys.path.insert(0, manager.getPrefsDir())
    return orca.main()


if __name__ == "__main__":
    sys.exit(main())
