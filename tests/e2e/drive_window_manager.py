#!/usr/bin/env python3
"""Drives the real rusrina executable under a real window manager (openbox on a virtual 1366 x 768
display), where windows get frames, title bars and a stacking order.

  wm-places    the launcher stored at (10,10) and at (0,0): on each of three runs in a row it opens
               with its title bar and borders on the screen, at the same place every run, and what
               the program stores as it closes is the window's own rectangle as it was on the screen;
  wm-in-front  a name typed into the search window's name field and Enter open the species detail,
               which belongs to the search window (WM_TRANSIENT_FOR) and stays above it when the
               search list is clicked; "ボックスに登録" there opens the edit form, which stays above
               the box window it belongs to when the box list is clicked.

Usage: drive_window_manager.py ROAD --program ... --reference ... --probe ... [--keep]
"""

import os
import shutil
import sys

from harness import Failure, Session, expect, poll, read_settings, run_road, settings_text, step, stored_place

SCREEN = "1366x768"
SEARCH_TITLE = "バントレ絞込み検索$"
DETAIL_TITLE = "バントレ詳細データ$"
EDIT_TITLE = "バントレボックス　データ編集$"
LAUNCHER_SIZE = (240, 80)


def wm_session(options, work, places, extra=None):
    if not shutil.which("openbox"):
        raise Failure("missing openbox (scripts/deps installs it)")
    text = settings_text(places, extra or {})
    if "Search" in places:  # its own place and show key instead of the hidden default
        text = text.replace("[Search]\r\nshow=0\r\n", "")
    return Session(options, work, text, screen=SCREEN, window_manager=True)


def frame_on_screen(x, window):
    left, top, width, height = x.geometry(window)
    f_left, f_right, f_top, f_bottom = x.frame_extents(window)
    screen_width, screen_height = map(int, SCREEN.split("x"))
    return (left - f_left >= 0 and top - f_top >= 0 and left + width + f_right <= screen_width
            and top + height + f_bottom <= screen_height)


def places(options, work):
    for corner in ((10, 10), (0, 0)):
        place = corner + (corner[0] + LAUNCHER_SIZE[0], corner[1] + LAUNCHER_SIZE[1])
        corner_work = os.path.join(work, "at_%d_%d" % corner)
        os.mkdir(corner_work)
        session = wm_session(options, corner_work, {"TopWindow": place})
        try:
            seen = []
            for run in range(3):
                step("launcher stored at %s: run %d" % (corner, run + 1))
                program = session.start(box_shown=False)
                # The frame is drawn a moment after the window appears; the place is then final.
                poll("the launcher framed", lambda: any(session.x.frame_extents(program.top)))
                poll("the launcher's title bar on the screen", lambda: frame_on_screen(session.x, program.top))
                here = session.x.geometry(program.top)
                seen.append(here[:2])
                program.click(program.top, "top", "closeButton")
                expect("exit status", program.end(), 0)
                stored = stored_place(read_settings(session.path("rusrina.ini")), "TopWindow")
                expect("the stored place (the window's own rectangle)", stored[:2], here[:2])
            expect("the same place on every run", seen, [seen[0]] * 3)
        finally:
            session.close()


def above(session, upper, lower):
    order = session.x.stacking()
    return int(upper) in order and int(lower) in order and order.index(int(upper)) > order.index(int(lower))


def in_front(options, work):
    session = wm_session(options, work, {"TopWindow": (10, 30, 250, 110), "Search": (280, 30, 1300, 700)},
                         {"Search": {"show": 1}})
    try:
        program = session.start(box_shown=False)
        x = session.x
        search = program.wait_window(SEARCH_TITLE)
        step("type a name into the search window's name field and press Enter")
        program.fill(search, "search", "edit_find_name", "garchomp")
        x.keys("Return")
        detail = program.wait_window(DETAIL_TITLE)
        expect("the detail window belongs to", x.transient_for(detail), int(search))
        step("click the search list: the detail window stays in front")
        program.click(search, "search", "list_result")
        poll("the detail window above the search window", lambda: above(session, detail, search))
        step("ボックスに登録 opens the edit form in front of the box window")
        program.click(detail, "detail", "button_to_box")
        edit = program.wait_window(EDIT_TITLE)
        box = program.wait_window("バントレボックス$")
        expect("the edit form belongs to", x.transient_for(edit), int(box))
        program.click(box, "box", "boxList")
        poll("the edit form above the box window", lambda: above(session, edit, box))
    finally:
        session.close()


ROADS = {"wm-places": places, "wm-in-front": in_front}

if __name__ == "__main__":
    sys.exit(run_road(ROADS, __doc__))
