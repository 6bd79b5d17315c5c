"""What the end-to-end roads share: a virtual X display, xdotool and xclip on it, one run of the real
program and the places of its widgets, bounded waits, and a main that always ends the program and
the X server. Each road (drive_program.py, drive_sessions.py) is a function of its own."""

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

    def __init__(self, work, size="1280x1024"):
        read_end, write_end = os.pipe()
        self.log = open(os.path.join(work, "xvfb.log"), "w")
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size + "x24", "-nolisten", "tcp",
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


class WindowManager:
    """openbox on a virtual display, ready once it has announced itself on the root window."""

    def __init__(self, env, work):
        self.log = open(os.path.join(work, "openbox.log"), "w")
        self.process = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=self.log, stderr=self.log)
        poll("the window manager", lambda: "window id" in run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env,
                                                               check=False).stdout)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(5)
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
        """The window's own area on the screen (left, top, width, height), without the window manager's frame."""
        info = run(["xwininfo", "-id", window], self.env).stdout
        values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return tuple(int(values[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame_extents(self, window):
        """The frame around the window (left, right, top, bottom); zeros without a window manager."""
        text = run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], self.env, check=False).stdout
        numbers = text.split("=", 1)[1].split(",") if "=" in text else ["0"] * 4
        return tuple(int(n) for n in numbers)

    def transient_for(self, window):
        text = run(["xprop", "-id", window, "WM_TRANSIENT_FOR"], self.env, check=False).stdout
        return int(text.split("#", 1)[1], 16) if "#" in text else None

    def stacking(self):
        """The managed windows from the bottom to the top."""
        text = run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], self.env).stdout
        return [int(w, 16) for w in text.split("#", 1)[1].split(",")] if "#" in text else []

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

    def __init__(self, executable, env, x, layout, log, before_windows=None, box_shown=True):
        """`before_windows(program)` answers what the program asks before its windows appear;
        `box_shown`: the settings show the box window at start, so it is waited for too."""
        self.x = x
        self.layout = layout
        self.process = subprocess.Popen([executable], cwd=os.path.dirname(executable), env=env,
                                        stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        try:
            if before_windows:
                before_windows(self)
            self.top = self.wait_window(TOP_TITLE)
            self.box = self.wait_window(BOX_TITLE) if box_shown else None
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

    def arrow(self, window, part, widget):
        """The drop-down arrow at the right end of a chooser, which opens its list whether the chooser
        takes typed text or not."""
        x, y = self.centre(window, part, widget)
        return x + self.layout[part]["widgets"][widget][2] // 2 - 8, y

    def click_box_row(self, row):
        left, top, _, _ = self.x.geometry(self.box)
        rect = self.layout["box"]["boxRows"][row]
        self.x.click(left + rect[0] + rect[2] // 2, top + rect[1] + rect[3] // 2)

    def choose(self, window, part, combo, row):
        """Picks row `row` of a drop-down list with the keyboard in its opened list."""
        windows = self.window_count()
        self.x.click(*self.arrow(window, part, combo))
        poll("the list of " + combo, lambda: self.window_count() > windows)
        self.x.keys("Home", *["Down"] * row, "Return")
        poll("the list of %s to close" % combo, lambda: self.window_count() == windows)

    def fill(self, window, part, field, text):
        self.x.click_and_type(*self.centre(window, part, field), text)

    def find(self, window, part, combo, text):
        """Types into a chooser that finds its entries by typing, and picks what it found with Enter."""
        windows = self.window_count()
        self.fill(window, part, combo, text)
        poll("the list of what %s finds" % text, lambda: self.window_count() > windows)
        self.x.keys("Return")
        poll("the list of %s to close" % combo, lambda: self.window_count() == windows)

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


def probe_layout(probe, work, env, reference_box):
    probe_dir = os.path.join(work, "probe")
    os.mkdir(probe_dir)
    shutil.copy(os.path.join(work, "run", "rusrina.ini"), probe_dir)
    shutil.copy(reference_box, os.path.join(probe_dir, "rusrina.vbd"))
    return json.loads(run([probe], env, cwd=probe_dir, timeout=30).stdout)


class Session:
    """A working copy of the program's directory, a virtual display and the widget places, for one road.

    The program is copied to run/ with the given settings file and the reference box is written; the
    layout probe measures the windows with the same settings and that box."""

    def __init__(self, options, work, settings, screen="1280x1024", window_manager=False):
        self.work = work
        self.run_dir = os.path.join(work, "run")
        os.mkdir(self.run_dir)
        self.executable = os.path.join(self.run_dir, "rusrina")
        shutil.copy2(options.program, self.executable)
        with open(os.path.join(self.run_dir, "rusrina.ini"), "w", newline="") as f:
            f.write(settings)
        self.reference_box = os.path.join(work, "reference.vbd")
        self.plan = json.loads(run([options.reference, self.reference_box], os.environ).stdout)
        self.display = VirtualDisplay(work, screen)
        self.log = open(os.path.join(work, "program.log"), "w")
        self.window_manager = None
        self.programs = []
        self.env = dict(os.environ, DISPLAY=self.display.name, QT_QPA_PLATFORM="xcb", HOME=work,
                        XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=os.path.join(work, "config"))
        self.env.pop("XAUTHORITY", None)
        self.x = X(self.env)
        if window_manager:
            self.window_manager = WindowManager(self.env, work)
        step("measure the windows on display " + self.display.name)
        self.layout = probe_layout(options.probe, work, self.env, self.reference_box)

    def path(self, name):
        return os.path.join(self.run_dir, name)

    def start(self, before_windows=None, box_shown=True):
        """Starts the program and waits for its launcher (and its box window)."""
        program = Program(self.executable, self.env, self.x, self.layout, self.log, before_windows, box_shown)
        self.programs.append(program)
        return program

    def close(self):
        for program in self.programs:
            program.kill()
        if self.window_manager:
            self.window_manager.stop()
        self.display.stop()
        self.log.close()


def main(road, description, passed):
    """Runs `road(options, work)` in a fresh working directory; any failure ends the program and the X
    server, prints the program's output and keeps the directory."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--program", required=True, help="the rusrina executable")
    parser.add_argument("--reference", required=True, help="the e2e_reference_box executable")
    parser.add_argument("--probe", required=True, help="the e2e_layout_probe executable")
    parser.add_argument("--keep", action="store_true", help="keep the working directory")
    options = parser.parse_args()
    for name in ("program", "reference", "probe"):
        setattr(options, name, os.path.abspath(getattr(options, name)))
    for tool in ("Xvfb", "xdotool", "xclip", "xwininfo", "xprop"):
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
            if os.path.exists(path) and os.path.getsize(path) < 100000:
                with open(path, errors="replace") as f:
                    sys.stderr.write("--- %s\n%s" % (name, f.read()))
        print("working directory kept: %s" % work, file=sys.stderr)
        return 1
    signal.alarm(0)
    step(passed)
    if not options.keep:
        shutil.rmtree(work, ignore_errors=True)
    return 0


def run_road(roads, doc):
    """The main of a driver of several roads: the first argument names the road, `doc` describes them."""
    if len(sys.argv) < 2 or sys.argv[1] not in roads:
        print("first argument: one of %s" % ", ".join(roads), file=sys.stderr)
        return 2
    name = sys.argv.pop(1)
    return main(roads[name], doc.splitlines()[0], "road %s passed" % name)
