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


def tab(to, keys="Tab"):
    return Step(f"{keys} to {to}", key(keys), [to], among=True)


def steps(qelmar):
    opens = Step("the window opens on 口座残高, heard whole",
                 lambda desktop: desktop.start([qelmar], stderr=None),
                 ["口座残高 text.", "10,000.00."], among=True)
    to_button = [tab(f) for f in ("取引通貨 editable combo box.", "現在のUSDJPYレート text.",
                                  "現在の取引通貨レート text.", "通貨単位 editable combo box.",
                                  "レバレッジ text.", "購入比率 text.", "運用オーダー数 text.",
                                  "強制ロスカット証拠金維持率 text.", "計算 push button.")]
    back_to_unit = [tab(f, "shift+Tab") for f in (
        "強制ロスカット証拠金維持率 text.", "運用オーダー数 text.", "購入比率 text.",
        "レバレッジ text.", "通貨単位 editable combo box.")]
    back_to_trade = [tab(f, "shift+Tab") for f in (
        "現在の取引通貨レート text.", "現在のUSDJPYレート text.", "取引通貨 editable combo box.")]
    return [
        opens,
        Step("Tab to 口座種別", key("Tab"), ["口座種別 editable combo box.", "口座種別を選択."]),
        Step("Down picks ドル", key("Down"), ["ドル"]),
        Step("the wheel picks 円", wheel_down_at(ACCOUNT_KIND_BOX), ["円"]),
        *to_button,
        Step("a press that fails", key("space"), [MESSAGE]),
        Step("the same press again", key("space"), [MESSAGE]),
        *back_to_unit,
        Step("Alt+Down opens the list", key("alt+Down"), ["List with 2 items."], among=True),
        Step("Down in the list", key("Down"), ["10000."], among=True),
        Step("Return picks 10000", key("Return"), ["通貨単位 editable combo box.", "10000."]),
        *back_to_trade,
        Step("Down picks クロス円", key("Down"), ["クロス円"]),
        *to_button[1:],
        Step("a sound press, which shows no message", key("space"), [],
             until="Dequeued object:property-change:accessible-name [notification | ]"),
        Step("Tab to the lot, heard whole", key("Tab"),
             ["1オーダーの適正ロット text.", "0.01 selected."], among=True),
        Step("Tab to the margin, heard whole", key("Tab"),
             ["ポジション必要証拠金 text.", "10,000.00円 selected."], among=True),
        tab("余剰証拠金 text."),
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
