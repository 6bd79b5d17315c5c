#!/usr/bin/env python3
"""Drives the real rusrina executable through a typical road, from outside, under a virtual X display.

In a temporary copy of the program's directory (where it keeps rusrina.ini and rusrina.vbd):
  1. start the program with every window placed by a prepared settings file;
  2. register two creatures through "バントレボックス" -> "新規追加" -> the entry edit form (name, species,
     level, nature, item, IVs, EVs, four moves), answering the confirmation;
  3. set one as attacker and the other as defender, and copy two damage rows' logs with "詳細取得";
     the clipboard must hold exactly the logs the core computes for the same two creatures;
  4. move the windows, save, quit with "図鑑を閉じる";
  5. start again: the windows must be where they were left, the box must hold the same creatures
     (the same logs again, each name in the edit form), and quitting must leave the box file alone;
  6. the saved box file must equal, byte for byte, the one the core library writes directly
     (e2e_reference_box).

Where to click comes from e2e_layout_probe, which builds the same windows with the same code on the
same display. Every wait is a bounded poll; the program and the X server are always ended.
Needs Xvfb, xdotool and xclip.
"""

import argparse
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

OVERALL_TIMEOUT = 150  # seconds for the whole road
WAIT_TIMEOUT = 15  # seconds for any one thing to happen

TOP_TITLE = "^ルセリナ$"
BOX_TITLE = "バントレボックス$"
EDIT_TITLE = "バントレボックス　データ編集$"
CONFIRM_TITLE = "^パラメータ確認$"

# Window places prepared for the first start (left, top, right, bottom; right and bottom exclusive)
# and where the road moves them to before quitting.
START_PLACES = {
    "TopWindow": (10, 10, 250, 90),
    "Damage": (280, 10, 1270, 700),
    "DataEdit": (20, 330, 900, 830),
}
MOVED_TO = {"TopWindow": (40, 900), "Damage": (200, 60), "DataEdit": (60, 420)}


class Failure(Exception):
    pass


STARTED = time.monotonic()


def step(text):
    """Says what the road is doing, so that a failure shows how far it came."""
    print("%6.2f s  %s" % (time.monotonic() - STARTED, text), flush=True)


def poll(what, predicate, timeout=WAIT_TIMEOUT, interval=0.05):
    """Returns the first true value of predicate(), or fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


def run(args, env, check=True, timeout=WAIT_TIMEOUT, **kwargs):
    result = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout, **kwargs)
    if check and result.returncode != 0:
        raise Failure("%s failed (%d): %s" % (" ".join(map(str, args)), result.returncode, result.stderr.strip()))
    return result


class VirtualDisplay:
    """An Xvfb server on a display number it chooses itself."""

    def __init__(self, work):
        read_end, write_end = os.pipe()
        self.log = open(os.path.join(work, "xvfb.log"), "w")
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             # Without -noreset the server restarts whenever its last client leaves (the layout probe,
             # the first run) and refuses the next one while it does.
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.log)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.stop()
            raise Failure("Xvfb did not start (see xvfb.log)")
        self.name = ":" + number

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


class X:
    """xdotool and xclip on one display."""

    def __init__(self, env):
        self.env = env

    def tool(self, *args, check=True):
        return run(["xdotool", *map(str, args)], self.env, check=check).stdout.strip()

    def visible_windows(self, title, pid):
        found = self.tool("search", "--all", "--onlyvisible", "--pid", pid, "--name", title, check=False)
        return found.split()

    def wait_window(self, title, pid, alive):
        def found():
            alive()
            return (self.visible_windows(title, pid) or [None])[0]

        return poll("window " + title, found)

    def wait_gone(self, title, pid):
        poll("window %s to close" % title, lambda: not self.visible_windows(title, pid))

    def geometry(self, window):
        shell = self.tool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in shell.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    # Input goes through the X server in order, so no pause is needed between events sent to one
    # window; whatever opens or closes a window is waited for by polling.
    def click(self, x, y, *then):
        self.tool("mousemove", x, y, "click", "--delay", "1", "1", *then)

    def keys(self, *keys):
        self.tool("key", "--delay", "2", *keys)

    def click_and_type(self, x, y, text):
        """Clicks a text field, selects what it holds and types over it."""
        self.click(x, y, "key", "--delay", "2", "ctrl+a", "type", "--delay", "2", text)

    def focus(self, window):
        self.tool("windowfocus", "--sync", window)

    def move(self, window, x, y):
        self.tool("windowmove", "--sync", window, x, y)

    def clipboard(self):
        # Bytes, so that the log's CR LF line ends arrive as they are.
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env, capture_output=True,
                                timeout=5)
        return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None


class Program:
    """One run of the real executable, and the windows of that run."""

    def __init__(self, executable, env, x, layout, log):
        self.x = x
        self.layout = layout
        self.process = subprocess.Popen([executable], cwd=os.path.dirname(executable), env=env,
                                        stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        try:
            self.top = self.wait_window(TOP_TITLE)
            self.box = self.wait_window(BOX_TITLE)
        except BaseException:
            self.kill()
            raise

    def wait_window(self, title):
        return self.x.wait_window(title, self.process.pid, self.alive)

    def alive(self):
        if self.process.poll() is not None:
            raise Failure("the program ended (status %d)" % self.process.returncode)

    def wait_gone(self, title):
        self.x.wait_gone(title, self.process.pid)

    def window_count(self):
        return len(self.x.tool("search", "--onlyvisible", "--pid", self.process.pid, check=False).split())

    def centre(self, window, part, widget):
        """The middle of a named widget on the screen, wherever its window is now."""
        left, top, _, _ = self.x.geometry(window)
        rect = self.layout[part]["widgets"].get(widget)
        if rect is None:
            raise Failure("no widget %s in the %s window" % (widget, part))
        return left + rect[0] + rect[2] // 2, top + rect[1] + rect[3] // 2

    def click(self, window, part, widget):
        self.x.click(*self.centre(window, part, widget))

    def click_box_row(self, row):
        left, top, _, _ = self.x.geometry(self.box)
        rect = self.layout["box"]["boxRows"][row]
        self.x.click(left + rect[0] + rect[2] // 2, top + rect[1] + rect[3] // 2)

    def choose(self, window, part, combo, row):
        """Picks row `row` of a drop-down list with the keyboard in its opened list."""
        windows = self.window_count()
        self.click(window, part, combo)
        poll("the list of " + combo, lambda: self.window_count() > windows)
        self.x.keys("Home", *["Down"] * row, "Return")
        poll("the list of %s to close" % combo, lambda: self.window_count() == windows)

    def fill(self, window, part, field, text):
        self.x.click_and_type(*self.centre(window, part, field), text)

    def end(self, timeout=WAIT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def settings_text(places, extra):
    lines = ["[Main]", "Version=92"]
    for section, (left, top, right, bottom) in places.items():
        lines += ["[%s]" % section, "left=%d" % left, "top=%d" % top, "right=%d" % right, "bottom=%d" % bottom]
        lines += ["%s=%s" % item for item in extra.get(section, {}).items()]
    lines += ["[Search]", "show=0", "[ParaCheck]", "show=0"]
    return "\r\n".join(lines) + "\r\n"


def read_settings(path):
    """The integer keys of an INI file, as {(section, key): value}, names in lower case."""
    values, section = {}, ""
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1].lower()
            elif "=" in line:
                key, value = line.split("=", 1)
                values[(section, key.strip().lower())] = value.strip()
    return values


def stored_place(settings, section):
    s = section.lower()
    left, top = int(settings[(s, "left")]), int(settings[(s, "top")])
    return left, top, int(settings[(s, "right")]) - left, int(settings[(s, "bottom")]) - top


def expect(what, actual, expected):
    if actual != expected:
        raise Failure("%s: expected %r, got %r" % (what, expected, actual))


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


def first_run(program, plan, work):
    x = program.x
    expect("launcher place", x.geometry(program.top)[:2], START_PLACES["TopWindow"][:2])
    expect("box window place", x.geometry(program.box), tuple(program.layout["box"]["geometry"]))
    register(program, plan["creatures"][0])
    register(program, plan["creatures"][1], move_to=MOVED_TO["DataEdit"])
    x.move(program.top, *MOVED_TO["TopWindow"])
    x.move(program.box, *MOVED_TO["Damage"])
    set_sides(program, 0, 1)
    for row, log in sorted(plan["logs"].items()):
        copy_log(program, int(row), log)
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


def probe_layout(probe, work, env, reference_box):
    probe_dir = os.path.join(work, "probe")
    os.mkdir(probe_dir)
    shutil.copy(os.path.join(work, "run", "rusrina.ini"), probe_dir)
    shutil.copy(reference_box, os.path.join(probe_dir, "rusrina.vbd"))
    return json.loads(run([probe], env, cwd=probe_dir, timeout=30).stdout)


def road(options, work):
    run_dir = os.path.join(work, "run")
    os.mkdir(run_dir)
    executable = os.path.join(run_dir, "rusrina")
    shutil.copy2(options.program, executable)
    with open(os.path.join(run_dir, "rusrina.ini"), "w", newline="") as f:
        f.write(settings_text(START_PLACES, {"Damage": {"show": 1}}))
    reference_box = os.path.join(work, "reference.vbd")
    plan = json.loads(run([options.reference, reference_box], os.environ).stdout)

    display = VirtualDisplay(work)
    program = None
    log = open(os.path.join(work, "program.log"), "w")
    try:
        env = dict(os.environ, DISPLAY=display.name, QT_QPA_PLATFORM="xcb", HOME=work,
                   XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=os.path.join(work, "config"))
        env.pop("XAUTHORITY", None)
        x = X(env)
        step("measure the windows on display " + display.name)
        layout = probe_layout(options.probe, work, env, reference_box)
        edit_size = tuple(layout["edit"]["geometry"][2:])

        step("start the program")
        program = Program(executable, env, x, layout, log)
        places = first_run(program, plan, run_dir)
        check_files(run_dir, reference_box, places, edit_size)

        step("start it again")
        program = Program(executable, env, x, layout, log)
        second_run(program, plan, places)
        check_files(run_dir, reference_box, places, edit_size)
    finally:
        if program:
            program.kill()
        display.stop()
        log.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the rusrina executable")
    parser.add_argument("--reference", required=True, help="the e2e_reference_box executable")
    parser.add_argument("--probe", required=True, help="the e2e_layout_probe executable")
    parser.add_argument("--keep", action="store_true", help="keep the working directory")
    options = parser.parse_args()
    for name in ("program", "reference", "probe"):
        setattr(options, name, os.path.abspath(getattr(options, name)))
    for tool in ("Xvfb", "xdotool", "xclip"):
        if not shutil.which(tool):
            print("missing %s (scripts/deps installs it)" % tool, file=sys.stderr)
            return 1

    def stopped(signum, frame):
        if signum == signal.SIGALRM:
            raise Failure("the whole road took longer than %d s" % OVERALL_TIMEOUT)
        raise Failure("stopped by signal %d" % signum)

    # Raised as failures, so that the program and the X server are ended on the way out.
    for signum in (signal.SIGALRM, signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, stopped)
    signal.alarm(OVERALL_TIMEOUT)
    work = tempfile.mkdtemp(prefix="rusrina-e2e-")
    try:
        road(options, work)
    except (Failure, subprocess.TimeoutExpired, OSError) as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        for name in ("program.log", "run/rusrina.ini"):
            path = os.path.join(work, name)
            if os.path.exists(path):
                with open(path, errors="replace") as f:
                    sys.stderr.write("--- %s\n%s" % (name, f.read()))
        print("working directory kept: %s" % work, file=sys.stderr)
        return 1
    signal.alarm(0)
    step("typical road passed")
    if not options.keep:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
