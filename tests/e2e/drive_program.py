#!/usr/bin/env python3
"""Drives the real rusrina executable through a typical road, from outside, under a virtual X display.

In a temporary copy of the program's directory (where it keeps rusrina.ini and rusrina.vbd):
  1. start the program with every window placed by a prepared settings file;
  2. register two creatures through "バントレボックス" -> "新規追加" -> the entry edit form (name, species,
     level, nature, item, IVs, EVs, four moves), answering the confirmation; the first one's species is
     found by typing its English name into the species chooser;
  3. set one as attacker and the other as defender, and copy two damage rows' logs with "詳細取得";
     the clipboard must hold exactly the logs the core computes for the same two creatures;
  4. delete the first creature and take the deletion back with Ctrl+Z (the saved box must still hold
     both, in their order), move the windows, save, quit with "図鑑を閉じる";
  5. start again: the windows must be where they were left, the box must hold the same creatures
     (the same logs again, each name in the edit form), and quitting must leave the box file alone;
  6. the saved box file must equal, byte for byte, the one the core library writes directly
     (e2e_reference_box).

Where to click comes from e2e_layout_probe, which builds the same windows with the same code on the
same display. Every wait is a bounded poll; the program and the X server are always ended.
Needs Xvfb, xdotool and xclip; the shared pieces are in harness.py.
"""

import os
import sys

from harness import Failure, Session, expect, main, poll, read_settings, settings_text, step, stored_place

EDIT_TITLE = "バントレボックス　データ編集$"
CONFIRM_TITLE = "^パラメータ確認$"

# Window places prepared for the first start (left, top, right, bottom; right and bottom exclusive)
# and where the road moves them to before quitting.
START_PLACES = {
    "TopWindow": (10, 10, 250, 90),
    "Damage": (260, 10, 1270, 700),
    "DataEdit": (20, 330, 900, 830),
}
MOVED_TO = {"TopWindow": (40, 900), "Damage": (200, 60), "DataEdit": (60, 420)}


def register(program, creature, move_to=None):
    x = program.x
    step("register " + creature["name"])
    program.click(program.box, "box", "newButton")
    edit = program.wait_window(EDIT_TITLE)
    # The window takes the keyboard focus as it opens; typing before that would go to the box window.
    x.focus(edit)
    if move_to:
        x.move(edit, *move_to)
    program.fill(edit, "edit", "edit_name", creature["name"])
    if creature.get("typed"):
        # Found by typing its English name, as a player with a romaji keyboard would.
        program.find(edit, "edit", "combo_species", creature["speciesEnglish"])
    else:
        program.choose(edit, "edit", "combo_species", creature["speciesRow"])
    program.choose(edit, "edit", "combo_level", creature["levelRow"])
    program.choose(edit, "edit", "combo_nature", creature["natureRow"])
    program.choose(edit, "edit", "combo_item", creature["itemRow"])
    for stat in range(6):
        program.fill(edit, "edit", "edit_iv%d" % stat, str(creature["iv"][stat]))
        program.fill(edit, "edit", "edit_ev%d" % stat, str(creature["ev"][stat]))
    for slot in range(4):
        program.choose(edit, "edit", "combo_move%d" % (slot + 1), creature["moveRows"][slot])
    step("confirm " + creature["name"])
    program.click(edit, "edit", "button_register")
    confirm = program.wait_window(CONFIRM_TITLE)
    x.focus(confirm)
    x.keys("Return")  # "Yes", the default button
    program.wait_gone(EDIT_TITLE)


def set_sides(program, attacker_row, defender_row):
    program.click_box_row(defender_row)
    program.click(program.box, "boxWithSides", "defenderButton")
    program.click_box_row(attacker_row)
    program.click(program.box, "boxWithSides", "attackerButton")


def copy_log(program, row, expected):
    x = program.x
    step("copy the log of row %d" % row)
    if x.clipboard() == expected:
        raise Failure("the clipboard already holds the log of row %d" % row)
    program.click(program.box, "boxWithSides", "copyButton%d" % row)
    try:
        poll("the log of row %d on the clipboard" % row, lambda: x.clipboard() == expected, timeout=5)
    except Failure as failure:
        raise Failure("%s; it holds:\n%s\nexpected:\n%s" % (failure, x.clipboard(), expected))


def undo_a_deletion(program):
    """Deletes row 0 and takes it back with the keyboard; the saved box shows whether it came back."""
    step("delete row 0 and undo")
    program.click_box_row(0)
    program.click(program.box, "boxWithSides", "deleteButton")
    program.x.focus(program.box)
    program.x.keys("ctrl+z")


def first_run(program, plan, work):
    x = program.x
    expect("launcher place", x.geometry(program.top)[:2], START_PLACES["TopWindow"][:2])
    expect("box window place", x.geometry(program.box), tuple(program.layout["box"]["geometry"]))
    register(program, dict(plan["creatures"][0], typed=True))
    register(program, plan["creatures"][1], move_to=MOVED_TO["DataEdit"])
    x.move(program.top, *MOVED_TO["TopWindow"])
    x.move(program.box, *MOVED_TO["Damage"])
    set_sides(program, 0, 1)
    for row, log in sorted(plan["logs"].items()):
        copy_log(program, int(row), log)
    undo_a_deletion(program)
    places = {window: x.geometry(getattr(program, window)) for window in ("top", "box")}
    step("save and quit")
    program.click(program.box, "box", "saveButton")
    poll("the saved box file", lambda: os.path.exists(os.path.join(work, "rusrina.vbd")))
    program.click(program.top, "top", "closeButton")
    expect("exit status", program.end(), 0)
    return places


def second_run(program, plan, places):
    x = program.x
    step("restarted")
    expect("launcher place after restart", x.geometry(program.top), places["top"])
    expect("box window place after restart", x.geometry(program.box), places["box"])
    set_sides(program, 0, 1)
    for row, log in sorted(plan["logs"].items(), reverse=True):
        copy_log(program, int(row), log)
    for row, creature in enumerate(plan["creatures"]):
        check_name(program, row, creature["name"])
    step("quit again")
    program.click(program.top, "top", "closeButton")
    expect("exit status after restart", program.end(), 0)


def check_name(program, row, name):
    """Opens the edit form on a box row and copies its name field: the logs do not show names."""
    x = program.x
    step("edit row %d" % row)
    program.click_box_row(row)
    program.click(program.box, "box", "editButton")
    edit = program.wait_window(EDIT_TITLE)
    expect("edit window place after restart", x.geometry(edit)[:2], MOVED_TO["DataEdit"])
    x.focus(edit)
    x.click(*program.centre(edit, "edit", "edit_name"), "key", "--delay", "2", "ctrl+a", "ctrl+c")
    poll("the name %s on the clipboard" % name, lambda: x.clipboard() == name, timeout=5)
    program.click(edit, "edit", "button_cancel")
    program.wait_gone(EDIT_TITLE)


def check_files(work, reference, places, edit_size):
    with open(os.path.join(work, "rusrina.vbd"), "rb") as f:
        saved = f.read()
    with open(reference, "rb") as f:
        expected = f.read()
    expect("box file size", len(saved), 147456)
    if saved != expected:
        first = next(i for i in range(len(saved)) if saved[i] != expected[i])
        raise Failure("the saved box differs from the core's at byte %d (record %d, offset %d)"
                      % (first, first // 144, first % 144))
    settings = read_settings(os.path.join(work, "rusrina.ini"))
    expect("stored launcher place", stored_place(settings, "TopWindow"), places["top"])
    expect("stored box window place", stored_place(settings, "Damage"), places["box"])
    expect("stored edit window place", stored_place(settings, "DataEdit"), MOVED_TO["DataEdit"] + edit_size)
    expect("stored box window visibility", settings.get(("damage", "show")), "1")


def road(options, work):
    session = Session(options, work, settings_text(START_PLACES, {"Damage": {"show": 1}}))
    plan, run_dir, reference_box = session.plan, session.run_dir, session.reference_box
    try:
        edit_size = tuple(session.layout["edit"]["geometry"][2:])
        step("start the program")
        places = first_run(session.start(), plan, run_dir)
        check_files(run_dir, reference_box, places, edit_size)

        step("start it again")
        second_run(session.start(), plan, places)
        check_files(run_dir, reference_box, places, edit_size)
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main(road, __doc__.splitlines()[0], "typical road passed"))
