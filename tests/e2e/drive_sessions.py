#!/usr/bin/env python3
"""Drives the real rusrina executable through the ends of a session, from outside, under a virtual X display.

One road per run, named by the first argument:
  instances       a second start on the same directory brings the first one's launcher to the front
                  and ends; killed, the first leaves its lock (and a temporary file), and the next
                  start takes the lock over (and removes the file);
  recovery        a change not saved, then SIGTERM: the program ends at once, leaving the unsaved box
                  in rusrina.vbd.recovery and rusrina.vbd as it was; the next start offers it, restores
                  it on Enter, and a save puts it in rusrina.vbd and removes the recovery file;
  large-settings  a 100 MB rusrina.ini with a valid version line: the program says once that it is
                  not a settings file, starts with the defaults (the bounded waits only catch a hang)
                  and leaves the file exactly as it was;
  stale-locks     with no program running, a rusrina.lock that is empty, garbage, or names a running
                  process that is not rusrina: each start takes it over, and removes it at the end;
  socket-flood    a thousand clients connect to the running program's socket and say nothing: it
                  closes them, keeps its descriptors few, stays alive and still brings its launcher
                  forward for a real second start;
  large-clipboard 52 MB of team text on the clipboard and "テキスト入力" pressed with an unsaved
                  change in the box: the program says at once that the text is too large, opens the
                  dialog empty, and saves the unsaved box afterwards.

Usage: drive_sessions.py ROAD --program ... --reference ... --probe ... [--keep]
"""

import glob
import os
import resource
import shutil
import signal
import socket
import stat
import subprocess
import sys
import time

from harness import WAIT_TIMEOUT, Failure, Session, expect, main, poll, settings_text, step

PLACES = {"TopWindow": (10, 10, 250, 90), "Damage": (280, 10, 1270, 700)}
RECORD = 144


def read(path):
    with open(path, "rb") as f:
        return f.read()


def answer_with_enter(title):
    """A `before_windows` hook: the question of that title is answered with its default button."""

    def answer(program):
        question = program.wait_window(title)
        program.x.focus(question)
        program.x.keys("Return")

    return answer


def window_at(x, point):
    """The top-level window under a point of the screen: the one in front there."""
    x.tool("mousemove", *point)
    shell = x.tool("getmouselocation", "--shell")
    return dict(line.split("=", 1) for line in shell.splitlines() if "=" in line).get("WINDOW")


def instances(options, work):
    # The box window lies over the launcher, so that the window in front there tells which is raised.
    covering = dict(PLACES, Damage=(5, 5, 1000, 700))
    session = Session(options, work, settings_text(covering, {"Damage": {"show": 1}}))
    x = session.x
    launcher_point = (PLACES["TopWindow"][0] + 40, PLACES["TopWindow"][1] + 40)
    try:
        step("start the first program and put its box window in front")
        first = session.start()
        x.tool("windowraise", first.box)
        poll("the box window in front of the launcher", lambda: window_at(x, launcher_point) == first.box)

        step("start a second program on the same directory")
        second = subprocess.Popen([session.executable], cwd=session.run_dir, env=session.env,
                                  stdin=subprocess.DEVNULL, stdout=session.log, stderr=session.log)
        expect("the second program's exit status", second.wait(WAIT_TIMEOUT), 0)
        poll("the first program's launcher in front", lambda: window_at(x, launcher_point) == first.top)
        first.alive()

        step("kill the first program")
        first.kill()
        expect("a lock left by the killed program", os.path.exists(session.path("rusrina.lock")), True)
        # What a kill in the middle of a save leaves behind.
        stale = session.path("rusrina.vbd.tmp%d-1" % first.process.pid)
        with open(stale, "wb") as f:
            f.write(b"\0" * RECORD)
        step("start again over that lock")
        third = session.start()
        expect("the killed program's temporary file", os.path.exists(stale), False)
        third.click(third.top, "top", "closeButton")
        expect("exit status", third.end(), 0)
        expect("a lock after a normal end", os.path.exists(session.path("rusrina.lock")), False)
    finally:
        session.close()


def recovery(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    shutil.copy(session.reference_box, session.path("rusrina.vbd"))
    saved = read(session.reference_box)
    moved = saved[RECORD:2 * RECORD] + saved[:RECORD] + saved[2 * RECORD:]
    recovery_file = session.path("rusrina.vbd.recovery")
    try:
        step("move the second creature up, unsaved")
        first = session.start()
        first.click_box_row(1)
        first.click(first.box, "box", "upButton")
        # Opening the edit form proves that the clicks before it were handled.
        first.click(first.box, "box", "editButton")
        first.wait_window("バントレボックス　データ編集$")

        step("end it with SIGTERM")
        first.process.send_signal(signal.SIGTERM)
        expect("exit status after SIGTERM", first.end(), 0)
        expect("the recovery file holds the unsaved box", read(recovery_file) == moved, True)
        expect("the box file is as it was", read(session.path("rusrina.vbd")) == saved, True)
        expect("the settings were written", "Damage" in read(session.path("rusrina.ini")).decode("latin-1"), True)

        step("start again and restore")
        second = session.start(before_windows=answer_with_enter("^バントレボックス$"))
        second.click(second.box, "box", "saveButton")
        poll("the restored box in rusrina.vbd", lambda: read(session.path("rusrina.vbd")) == moved)
        poll("the recovery file to go", lambda: not os.path.exists(recovery_file))
        second.click(second.top, "top", "closeButton")
        expect("exit status", second.end(), 0)
    finally:
        session.close()


def large_settings(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    path = session.path("rusrina.ini")
    line = b"; a line of a settings file that grew without end\r\n"
    with open(path, "ab") as f:
        chunk = line * (1 << 20 // len(line) + 1)
        while f.tell() < 100_000_000:
            f.write(chunk)
    before = os.stat(path)
    head = read(path)[:4096]
    try:
        step("start with a %d MB settings file" % (before.st_size // 1_000_000))
        program = session.start(before_windows=answer_with_enter("^設定ファイル$"), box_shown=False)
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
        after = os.stat(path)
        expect("the settings file's size and time", (after.st_size, after.st_mtime_ns),
               (before.st_size, before.st_mtime_ns))
        with open(path, "rb") as f:
            expect("the settings file's first bytes", f.read(4096) == head, True)
    finally:
        session.close()
        os.remove(path)  # 100 MB is not worth keeping with --keep


def stale_locks(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    lock = session.path("rusrina.lock")
    locks = [("an empty lock", b""),
             ("a garbage lock", b"\x7fELF\x02\x01\x01\x00\xff\xfe not a lock at all"),
             ("a lock naming a running process that is not rusrina", b"%d\nrusrina\nhost\n" % os.getpid())]
    try:
        for what, content in locks:
            with open(lock, "wb") as f:
                f.write(content)
            step("start over " + what)
            program = session.start()
            program.click(program.top, "top", "closeButton")
            expect("exit status after a start over " + what, program.end(), 0)
            expect("the lock after the end", os.path.exists(lock), False)
    finally:
        session.close()


def descriptors(pid):
    return len(os.listdir("/proc/%d/fd" % pid))


def silent_clients(path, count):
    """`count` clients connected to the socket at `path` that say nothing. A full backlog (the program
    busy shedding the others) is waited out."""
    clients = []

    def connect_one():
        client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        client.setblocking(False)
        try:
            client.connect(path)
        except BlockingIOError:
            client.close()
            return False
        clients.append(client)
        return len(clients) == count

    poll("%d clients connected" % count, connect_one, interval=0.001)
    return clients


def closed_by_peer(client):
    try:
        return client.recv(1, socket.MSG_DONTWAIT) == b""
    except BlockingIOError:
        return False
    except OSError:
        return True


def socket_flood(options, work):
    floods, burst = 10, 100
    _, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, 4096), hard))
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    clients = []
    try:
        first = session.start()
        # The session's XDG_RUNTIME_DIR is the working directory: the socket is there.
        sockets = [p for p in glob.glob(os.path.join(work, "rusrina-*")) if stat.S_ISSOCK(os.lstat(p).st_mode)]
        expect("sockets in the runtime directory", len(sockets), 1)
        expect("the socket's mode", stat.S_IMODE(os.lstat(sockets[0]).st_mode) & 0o077, 0)
        before = peak = descriptors(first.process.pid)
        step("%d silent clients, %d at a time (the program has %d descriptors open)" % (floods * burst, burst, before))
        for _ in range(floods):
            clients += silent_clients(sockets[0], burst)
            peak = max(peak, descriptors(first.process.pid))
            first.alive()
        step("%d connected; the program's descriptors peaked at %d" % (len(clients), peak))
        poll("every silent client closed by the program", lambda: all(closed_by_peer(c) for c in clients))
        if peak - before > 50:
            raise Failure("the program held %d descriptors more during the flood" % (peak - before))

        step("a real second start during another flood")
        clients += silent_clients(sockets[0], burst)
        started = time.monotonic()
        second = subprocess.Popen([session.executable], cwd=session.run_dir, env=session.env,
                                  stdin=subprocess.DEVNULL, stdout=session.log, stderr=session.log)
        expect("the second program's exit status", second.wait(WAIT_TIMEOUT), 0)
        step("the second start was answered in %.2f s" % (time.monotonic() - started))
        first.alive()
        first.click(first.top, "top", "closeButton")
        expect("exit status", first.end(), 0)
    finally:
        for client in clients:
            client.close()
        session.close()


def peak_memory_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        fields = dict(line.split(":", 1) for line in f if ":" in line)
    return int(fields["VmHWM"].split()[0]) // 1024


def large_clipboard(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    shutil.copy(session.reference_box, session.path("rusrina.vbd"))
    saved = read(session.reference_box)
    moved = saved[RECORD:2 * RECORD] + saved[:RECORD] + saved[2 * RECORD:]
    team = b"Garchomp @ Choice Band\nAbility: Sand Veil\nLevel: 50\nJolly Nature\n- Earthquake\n\n"
    text = os.path.join(work, "team.txt")
    with open(text, "wb") as f:
        f.write(team * -(-52_000_000 // len(team)))
    owner = None
    try:
        step("move the second creature up, unsaved")
        program = session.start()
        program.click_box_row(1)
        program.click(program.box, "box", "upButton")

        step("put %d MB of team text on the clipboard" % (os.path.getsize(text) // 1_000_000))
        # xclip keeps the clipboard while it runs; -quiet keeps it in the foreground, to be ended here.
        owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i", text], env=session.env,
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll("the clipboard offered", lambda: subprocess.run(
            ["xclip", "-o", "-selection", "clipboard", "-t", "TARGETS"], env=session.env, capture_output=True,
            timeout=5).returncode == 0)
        started = time.monotonic()
        program.click(program.box, "box", "textImportButton")
        # The dialog shows once its text is settled, so the first window of that title is the refusal;
        # had the text been taken, no second window would follow.
        refusal = program.wait_window("^テキスト入力$")
        step("the refusal appeared after %.2f s (the program's memory peaked at %d MB)"
             % (time.monotonic() - started, peak_memory_mb(program.process.pid)))
        program.x.focus(refusal)
        program.x.keys("Return")
        dialog = poll("the dialog after the refusal", lambda: [w for w in program.x.visible_windows(
            "^テキスト入力$", program.process.pid) if w != refusal])[0]
        program.x.focus(dialog)
        program.x.keys("Escape")
        program.wait_gone("^テキスト入力$")

        step("save: the unsaved change is all there")
        program.click(program.box, "box", "saveButton")
        poll("the box with its unsaved change in rusrina.vbd", lambda: read(session.path("rusrina.vbd")) == moved)
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
    finally:
        if owner:
            owner.kill()
            owner.wait()
        session.close()
        os.remove(text)


ROADS = {"instances": instances, "recovery": recovery, "large-settings": large_settings, "stale-locks": stale_locks,
         "socket-flood": socket_flood, "large-clipboard": large_clipboard}

if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in ROADS:
        print("first argument: one of %s" % ", ".join(ROADS), file=sys.stderr)
        sys.exit(2)
    name = sys.argv.pop(1)
    sys.exit(main(ROADS[name], __doc__.splitlines()[0], "road %s passed" % name))
