#!/usr/bin/env python3
"""What a blind trader hears of the Qt window: plays a user at the real window with the keys
and the mouse wheel, under Orca, and checks what Orca says after each step.

Usage, on an X display in a private D-Bus session (the test command does it):
    what_orca_hears.py PATH/TO/qelmar
"""

import subprocess
import sys

from orca_desktop import OrcaDesktop, wait_for

MESSAGE = "notification 取引通貨を選択してください."
# The middle of 口座種別Combo, from its box in the window table (2400, 1200, 1575, 300 twips).
ACCOUNT_KIND_BOX = (212, 90)
# Every step ends once it has been heard, within this many seconds.
PATIENCE = 5


def key(name):
    return lambda desktop: subprocess.run(["xdotool", "key", name], check=True)


def wheel_down_at(point):
    def turn(desktop):
        window = subprocess.run(["xdotool", "getactivewindow"], check=True, text=True,
                                capture_output=True).stdout.strip()
        subprocess.run(["xdotool", "mousemove", "--sync", "--window", window, *map(str, point),
                        "click", "5"], check=True)
    return turn


class Step:
    """An act and what Orca then says: `heard` exactly, or (`among`) as a run of what it says
    with other things. A step with `until` ends when Orca's log holds that line instead."""

    def __init__(self, name, act, heard, among=False, until=None):
        self.name, self.act, self.heard, self.among, self.until = name, act, heard, among, until

    def done(self, desktop, said_before, log_before):
        if self.until is not None:
            return self.until in desktop.text()[log_before:]
        return contains_run(desktop.utterances()[said_before:], self.heard)

    def fault(self, said, in_time):
        if in_time and (said == self.heard or (self.among and contains_run(said, self.heard))):
            return None
        late = "" if in_time else f" (waited {PATIENCE} s for {self.until or self.heard})"
        return f"{self.name}: expected {self.heard}, heard {said}{late}"


def contains_run(said, run):
    return any(said[i:i + len(run)] == run for i in range(len(said) - len(run) + 1))


def stops(unit):
    """The stops from 取引通貨 to 計算 in Tab order, each as Orca names it with what it holds
    (通貨単位 `unit`)."""
    return [("取引通貨 editable combo box.", "取引通貨を選択."),
            ("現在のUSDJPYレート text.", "100.000 selected."),
            ("現在の取引通貨レート text.", "100.000 selected."),
            ("通貨単位 editable combo box.", unit),
            ("レバレッジ text.", "100 selected."),
            ("購入比率 text.", "10% selected."),
            ("運用オーダー数 text.", "1 selected."),
            ("強制ロスカット証拠金維持率 text.", "100% selected."),
            ("計算 push button.", None)]


def tabs(to, keys="Tab"):
    """A move of the focus to each of `to` in turn, each heard once: the stop and what it
    holds, nothing more."""
    return [Step(f"{keys} to {stop}", key(keys), [stop] + ([value] if value else []))
            for stop, value in to]


def steps(qelmar):
    opens = Step("the window opens on 口座残高, heard whole",
                 lambda desktop: desktop.start([qelmar], stderr=None),
                 ["口座残高 text.", "10,000.00."], among=True)
    unchosen = stops("通貨単位を選択.")
    return [
        opens,
        Step("Tab to 口座種別", key("Tab"), ["口座種別 editable combo box.", "口座種別を選択."]),
        Step("Down picks ドル", key("Down"), ["ドル"]),
        Step("the wheel picks 円", wheel_down_at(ACCOUNT_KIND_BOX), ["円"]),
        *tabs(unchosen),
        Step("a press that fails", key("space"), [MESSAGE]),
        Step("the same press again", key("space"), [MESSAGE]),
        *tabs(reversed(unchosen[3:8]), "shift+Tab"),
        Step("Alt+Down opens the list", key("alt+Down"), ["List with 2 items."], among=True),
        Step("Down in the list", key("Down"), ["10000."], among=True),
        Step("Return picks 10000", key("Return"), ["通貨単位 editable combo box.", "10000."]),
        *tabs(reversed(unchosen[:3]), "shift+Tab"),
        Step("Down picks クロス円", key("Down"), ["クロス円"]),
        *tabs(stops("10000.")[1:]),
        Step("a sound press, which shows no message", key("space"), [],
             until="Dequeued object:property-change:accessible-name [notification | ]"),
        *tabs([("1オーダーの適正ロット text.", "0.01 selected."),
               ("ポジション必要証拠金 text.", "10,000.00円 selected."),
               ("余剰証拠金 text.", ".00円 selected.")]),
        Step("Shift+Left gives back the last character", key("shift+Left"), ["円", "unselected"]),
        Step("Shift+Right takes it again", key("shift+Right"), ["円", "selected"]),
    ]


def play(desktop, plan):
    """Plays every step; returns what Orca said from each step to the next, and the faults.
    What comes late for one step is heard with the next, where it is a fault too."""
    starts, in_time = [], []
    for step in plan:
        said_before, log_before = len(desktop.utterances()), len(desktop.text())
        starts.append(said_before)
        step.act(desktop)
        in_time.append(bool(wait_for(lambda: step.done(desktop, said_before, log_before),
                                     PATIENCE)))
    said = desktop.utterances()
    heard = [said[start:end] for start, end in zip(starts, starts[1:] + [len(said)])]
    faults = [step.fault(h, t) for step, h, t in zip(plan, heard, in_time)]
    return heard, [fault for fault in faults if fault]


def main():
    with OrcaDesktop() as desktop:
        plan = steps(sys.argv[1])
        heard, faults = play(desktop, plan)
    for step, said in zip(plan, heard):
        print(f"{step.name}: {said}")
    for fault in faults:
        print("FAULT", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
