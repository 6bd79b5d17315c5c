#!/usr/bin/env python3
"""A new user's tasks under a real window manager (openbox, 1366 x 768), each input counted (a click,
a typed text, a key) and the counts printed: from the launcher, find a species by typing its English
name and open its detail; judge a trained one's IVs from there; take a damage pair from team text on
the clipboard into the box, the defender coming in on ステルスロック; see the attacker's rows against
the box in 一覧・努力値探索, find its EVs for the pair there and what speed it takes to move first.
Windows are reached from the one in front (ツール, Ctrl+1..5), never by Alt+Tab.

Usage: drive_new_user.py new-user --program ... --reference ... --probe ... [--keep]
"""

import re
import shutil
import subprocess
import sys

from harness import Failure, Session, poll, run_road, settings_text, step

GARCHOMP_STATS = (184, 182, 115, 90, 105, 169)  # level 50, ようき, IV 31, EV H4 A252 S252
TEAM_TEXT = ("Garchomp @ Choice Band\nAbility: Rough Skin\nLevel: 50\nEVs: 4 HP / 252 Atk / 252 Spe\nJolly Nature\n"
             "- Outrage\n\nFerrothorn @ Leftovers\nAbility: Iron Barbs\nLevel: 50\nEVs: 252 HP / 88 Def / 168 SpD\n"
             "Relaxed Nature\n- Power Whip\n")


class Counted:
    """The program's inputs, counted for the task under way."""

    def __init__(self, program):
        self.program, self.x, self.counts, self.task = program, program.x, {}, None

    def start(self, task):
        self.task, self.counts[task] = task, 0
        step(task)

    def add(self, n=1):
        self.counts[self.task] += n

    def click(self, window, part, widget):
        self.program.click(window, part, widget)
        self.add()

    def fill(self, window, part, field, text):
        """A click and a typed text; what the field held is selected once the click has given it the
        focus (on a busy machine Ctrl+A could reach the field before)."""
        self.x.click(*self.program.centre(window, part, field), "sleep", "0.3", "key", "ctrl+a", "type", text)
        self.add(2)

    def find(self, window, part, combo, text):
        """A chooser's list opened, searched by typing once it shows, and Enter."""
        windows = self.program.window_count()
        self.x.click(*self.program.centre(window, part, combo))
        poll("the list of " + combo, lambda: self.program.window_count() > windows)
        self.x.tool("type", "--delay", "2", text)
        self.keys("Return")
        poll("the list of %s to close" % combo, lambda: self.program.window_count() == windows)
        self.add(2)

    def pick(self, window, part, combo, row, shown):
        """A chooser's list opened and a row clicked in it (`shown` rows fill the list's height)."""
        program, x = self.program, self.x
        listed = lambda: set(x.tool("search", "--onlyvisible", "--pid", program.process.pid, check=False).split())
        before = listed()
        x.click(*program.centre(window, part, combo))
        popup = poll("the list of " + combo, lambda: (sorted(listed() - before) or [None])[0])
        left, top, width, height = x.geometry(popup)
        x.click(left + width // 2, top + int((row + 0.5) * height / shown))
        poll("the list of %s to close" % combo, lambda: popup not in listed())
        self.add(2)

    def keys(self, *keys):
        self.x.keys(*keys)
        self.add(len(keys))

    def read(self, window, part, label):
        """A label's text as a user reads it, not counted: three clicks on its first line select the
        paragraph, which X keeps as the primary selection (emptied first, so that an old one does not
        pass). The first line, as the label's height follows its text, which differs from the probe's."""
        primary = ["xclip", "-selection", "primary"]
        subprocess.run(primary, input=b"", env=self.x.env, timeout=5, check=True)
        left, top, _, _ = self.x.geometry(window)
        rect = self.program.layout[part]["widgets"][label]
        self.x.tool("mousemove", left + rect[0] + 40, top + rect[1] + 8,
                    "click", "--repeat", "3", "--delay", "80", "1")
        read = lambda: subprocess.run(primary + ["-o"], env=self.x.env, capture_output=True, timeout=5).stdout
        return poll("the text of " + label, read).decode("utf-8", "replace")


def tasks(user):
    program, x = user.program, user.x
    user.start("search by typing a name")
    user.click(program.top, "top", "searchButton")
    search = program.wait_window("バントレ絞込み検索$")
    user.fill(search, "search", "edit_find_name", "garchomp")
    user.keys("Return")
    detail = program.wait_window("バントレ詳細データ$")

    user.start("trained IV judge from the species' detail")
    user.click(detail, "detail", "button_to_iv_judge")
    judge = program.wait_window("バントレ個体値Ｖ判定$")
    x.focus(judge)
    user.find(judge, "ivjudge", "combo_level", "50")
    user.pick(judge, "ivjudge", "combo_seikaku", 18, 25)  # ようき, of the 25 the list shows whole
    for stat, ev in ((0, 4), (1, 252), (5, 252)):
        user.fill(judge, "ivjudge", "spin_ev_%d" % stat, str(ev))
    user.click(judge, "ivjudge", "edit_stat_0")
    for value in GARCHOMP_STATS:  # Enter picks the typed value's row and goes to the next field
        x.tool("type", "--delay", "2", str(value))
        user.add()
        user.keys("Return")
    program.click(judge, "ivjudge", "button_output")  # checked, not counted
    poll("the report of the judged ガブリアス", lambda: (x.clipboard() or "").startswith(
        "種族：ガブリアス　ＬＶ： 50　性格：ようき") and "ＨＰ：184" in x.clipboard() and "素早：169" in x.clipboard())

    subprocess.run(["xclip", "-selection", "clipboard"], input=TEAM_TEXT.encode(), env=x.env, timeout=5, check=True)
    user.start("a damage pair from pasted team text with a hazard")
    x.focus(judge)
    user.keys("ctrl+4")  # ツール: the box window
    program.box = program.wait_window("バントレボックス$")
    x.focus(program.box)
    user.click(program.box, "box", "textImportButton")
    dialog = program.wait_window("^テキスト入力$")
    user.click(dialog, "textDialog", "setTextAddButton")
    program.wait_gone("^テキスト入力$")
    for row, button in ((1, "defenderButton"), (0, "attackerButton")):  # no box file at start: rows 0 and 1
        program.click_box_row(row)
        user.add()
        user.click(program.box, "boxWithSides", button)
    user.pick(program.box, "boxWithSides", "damageModeCombo", 1, 3)  # 実機（第5世代）
    user.click(program.box, "boxExact", "stateToggle")
    user.click(program.box, "boxWithState", "defenderStealthRock")
    user.click(program.box, "boxWithState", "defenderSwitchingIn")
    program.click(program.box, "boxWithState", "copyButton0")  # checked, not counted
    poll("げきりん's log with ステルスロック", lambda: "ステルスロック" in (x.clipboard() or ""))

    user.start("the attacker's rows against the box")
    x.focus(program.box)
    user.keys("ctrl+5")  # ツール: 一覧・努力値探索
    matrix = program.wait_window("一覧・努力値探索$")
    x.focus(matrix)
    user.click(matrix, "matrix", "matrixAttackerSide")
    subprocess.run(["xclip", "-selection", "clipboard"], input=b"", env=x.env, timeout=5, check=True)
    program.click(matrix, "matrix", "matrixCopyButton")  # checked, not counted
    poll("ガブリアス's rows against ナットレイ", lambda: re.search(r"ナットレイ.*\d", x.clipboard() or ""))

    user.start("EVs for the pair from the spread finder")
    user.click(matrix, "matrix", "matrixTab1")  # 努力値探索
    found = user.read(matrix, "spread", "offenceSummary")
    if not re.search(r"\d", found):
        raise Failure("no EVs in the spread finder's answer: %r" % found)

    user.start("the speed it takes to move first")
    user.pick(matrix, "spread", "speedTargetCombo", 1, 5)  # 最速
    answer = user.read(matrix, "spread", "speedSummary")
    if not re.search(r"最速.*\d", answer) or "抜" not in answer:
        raise Failure("no speed to move first in %r" % answer)


def new_user(options, work):
    if not shutil.which("openbox"):
        raise Failure("missing openbox (scripts/deps installs it)")
    session = Session(options, work, settings_text({"TopWindow": (10, 30, 250, 110)}, {}), screen="1366x768",
                      window_manager=True)
    try:
        user = Counted(session.start(box_shown=False))
        tasks(user)
        for task, count in user.counts.items():
            print("actions: %-50s %d" % (task, count))
        print("actions: Alt+Tab 0")
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(run_road({"new-user": new_user}, __doc__))
