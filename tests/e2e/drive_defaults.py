#!/usr/bin/env python3
"""Drives the real rusrina executable from outside, under a virtual X display, through what it does when
nothing is changed from its defaults.

  fresh-start  with no rusrina.ini at all, the program starts and is closed at once: the file it leaves
               holds the version and the keys each window writes as it closes, every one at its
               default, and nothing the program added to them (no calculation mode, no matrix, no
               pair);
  pair-unkept  the attacker and defender set, the program closed with "並べ替えても攻撃側・防御側を保つ"
               left unticked: nothing of the pair is stored, and the next start has no pair, so that a
               row's 詳細取得 copies nothing.

Usage: drive_defaults.py ROAD --program ... --reference ... --probe ... [--keep]
"""

import os
import shutil
import subprocess
import sys

from harness import Session, expect, poll, read_settings, run_road, settings_text, step

PLACES = {"TopWindow": (10, 10, 250, 90), "Damage": (280, 10, 1270, 700)}


def window_keys(section, defaults):
    return {(section, key): str(value) for key, value in defaults.items()}


def numbered(stem, count, value=0):
    return {"%s%d" % (stem, n): value for n in range(1, count + 1)}


# What a first start writes as it closes: each window's own keys at their defaults, and the places of the
# windows that were on the screen (the launcher alone). The places' values depend on the window manager.
EXPECTED = {
    **window_keys("main", {"version": 92}),
    **window_keys("search", {"show": 0, "radio_w1": 1, "radio_w2": 0, "check_level": 0, "check_iden": 0,
                             "check_mw": 0, "check_osie": 0, "check_qx": 0, "check_zv": 0, "check_jy": 0,
                             "check_tk": 0, **numbered("combo_u", 6), **numbered("combo_l", 6), "combo_t1": 0,
                             "combo_t2": 0, **numbered("combo_wt", 4), **numbered("combo_wn", 4), "combo_t3": 0,
                             "combo_t4": 0, "combo_r1": 0}),
    **window_keys("paracheck", {"show": 0, "rule": 0, "level": 0, "seikaku": 0, "vant": 0}),
    **window_keys("damage", {"show": 0}),
    **window_keys("dataview", {"show": 0, "number": 1, "level": 1, "mc": 1, "eg": 1, "sd": 1, "sp": 1, "qx": 1,
                               "zv": 1, "jy": 1, "tk": 1, "type": 0, "spec": 0, "clevel": 49}),
    **window_keys("dataedit", {"rule": 0, "level": 0}),
}
PLACE_KEYS = {("topwindow", edge) for edge in ("left", "top", "right", "bottom")}
PAIR_KEYS = {("damage", side + part) for side in ("attacker", "defender") for part in ("slot", "name", "species")}


def fresh_start(options, work):
    session = Session(options, work, settings_text(PLACES, {}))
    ini = session.path("rusrina.ini")
    os.remove(ini)
    try:
        step("start with no settings file and close at once")
        program = session.start(box_shown=False)
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
        written = read_settings(ini)
        expect("the keys written", set(written), set(EXPECTED) | PLACE_KEYS)
        expect("their values", {key: written[key] for key in EXPECTED}, EXPECTED)
    finally:
        session.close()


def put_on_clipboard(session, text):
    # xclip keeps serving the selection in the background until another owner takes it.
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(), env=session.env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=5, check=True)


def pair_unkept(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    shutil.copy(session.reference_box, session.path("rusrina.vbd"))
    row, log = sorted(session.plan["logs"].items())[0]
    try:
        step("set the pair, copy a row's log, close")
        first = session.start()
        first.click_box_row(1)
        first.click(first.box, "boxWithSides", "defenderButton")
        first.click_box_row(0)
        first.click(first.box, "boxWithSides", "attackerButton")
        first.click(first.box, "boxWithSides", "copyButton%s" % row)
        poll("the row's log on the clipboard", lambda: session.x.clipboard() == log)
        first.click(first.top, "top", "closeButton")
        expect("exit status", first.end(), 0)
        stored = read_settings(session.path("rusrina.ini"))
        expect("the pair's keys", sorted(PAIR_KEYS & set(stored)), [])
        expect("the check box's key", ("damage", "keeppair") in stored, False)

        step("start again: no pair, so 詳細取得 copies nothing")
        second = session.start()
        put_on_clipboard(session, "before")
        second.click(second.box, "boxWithSides", "copyButton%s" % row)
        # The edit form opening proves that the click before it was handled.
        second.click(second.box, "box", "editButton")
        edit = second.wait_window("バントレボックス　データ編集$")
        expect("the clipboard", session.x.clipboard(), "before")
        session.x.move(edit, 300, 300)  # off the launcher's close button
        second.click(second.top, "top", "closeButton")
        expect("exit status", second.end(), 0)
    finally:
        session.close()


ROADS = {"fresh-start": fresh_start, "pair-unkept": pair_unkept}

if __name__ == "__main__":
    sys.exit(run_road(ROADS, __doc__))
