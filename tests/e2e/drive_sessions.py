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
                  dialog empty, and saves the unsaved box afterwards;
  recovery-kept   a recovery kept for later at the next start, another edit, SIGTERM: both recoveries
                  lie side by side, are offered newest first, and both are restored and saved in turn
                  (the older one after a question whose default keeps it, as rusrina.vbd was saved since);
  recovery-save-as 名前を付けて保存 as team2.vbd, a deletion saved there, an unsaved move, SIGTERM:
                  restored and saved, the box goes to team2.vbd and rusrina.vbd keeps every entry;
  recovery-import an unsaved move, SIGTERM, then --import-text adds two sets: restoring asks about
                  that change, and keeping the recovery for later leaves both the sets and the recovery;
  recovery-damaged an empty recovery is offered and asks again before emptying the box (kept: nothing
                  changes); a cut one restores its two whole entries (nothing else is lost).

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

from harness import WAIT_TIMEOUT, Failure, Session, expect, poll, run_road, settings_text, step

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


# --- Recoveries: each session kept, restored to the file it came from, nothing dropped unasked ---

TEAM = (b"Garchomp @ Choice Band\nAbility: Sand Veil\nLevel: 50\nJolly Nature\n- Earthquake\n\n"
        b"Latios @ Soul Dew\nAbility: Levitate\nLevel: 50\nTimid Nature\n- Draco Meteor\n")


def click_row(program, row):
    """Any row of the box list: the probe measures two, the rest follow at the same pitch."""
    rows = program.layout["box"]["boxRows"]
    if row < len(rows):
        program.click_box_row(row)
        return
    left, top, _, _ = program.x.geometry(program.box)
    x, y, w, h = rows[1]
    pitch = rows[1][1] - rows[0][1]
    program.x.click(left + x + w // 2, top + y + (row - 1) * pitch + h // 2)


def box_part(data):
    """The records of a box file, without the extension block that may follow them."""
    return data[:1024 * RECORD]


def records(data):
    return [data[i:i + RECORD] for i in range(0, len(data), RECORD)]


def import_text(session, box):
    """`rusrina --import-text` adds the two sets of TEAM to `box`, as a user would from a terminal."""
    text = os.path.join(session.work, "sets.txt")
    with open(text, "wb") as f:
        f.write(TEAM)
    env = {k: v for k, v in session.env.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    result = subprocess.run([session.executable, "--import-text", text, box], env=env, cwd=session.run_dir,
                            capture_output=True, timeout=WAIT_TIMEOUT)
    expect("the import's exit status and words", (result.returncode, result.stdout.decode()), (0, "2 件追加しました。\n"))


# The first of a question's three buttons (上書きする), which is never its default: focus goes back
# from the default last button over the middle one, and Space presses it.
FIRST_OF_THREE = ("shift+Tab", "shift+Tab", "space")


def question(program):
    """The box window's next question, waited for. What each says is proven where the box window is
    tested; here, which questions come and what each answer leaves on disk."""
    return program.wait_window("^バントレボックス$")


def answer(program, window, *keys):
    program.x.focus(window)
    program.x.keys(*keys)
    poll("the question to close", lambda: window not in program.x.visible_windows("^バントレボックス$",
                                                                                   program.process.pid))


def edit_and_terminate(program, row, button):
    """One unsaved change (a button on a row), then SIGTERM; returns what the change left in the box."""
    click_row(program, row)
    program.click(program.box, "box", button)
    # Opening the edit form proves that the clicks before it were handled.
    program.click(program.box, "box", "editButton")
    program.wait_window("バントレボックス　データ編集$")
    program.process.send_signal(signal.SIGTERM)
    expect("exit status after SIGTERM", program.end(), 0)


def recovery_kept(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    box = session.path("rusrina.vbd")
    shutil.copy(session.reference_box, box)
    import_text(session, box)
    saved = read(box)
    first_file, second_file = session.path("rusrina.vbd.recovery"), session.path("rusrina.vbd.recovery-2")
    try:
        step("an unsaved move, then SIGTERM")
        edit_and_terminate(session.start(), 1, "upButton")
        first = read(first_file)
        expect("the first session's recovery", records(first)[:4], [records(saved)[i] for i in (1, 0, 2, 3)])

        def keep(program):
            answer(program, question(program), "Escape")

        step("start, keep that recovery for later, another unsaved move, SIGTERM")
        edit_and_terminate(session.start(before_windows=keep), 3, "upButton")
        expect("the kept recovery is as it was", read(first_file), first)
        second = read(second_file)
        expect("the second session's recovery beside it", records(second)[:4],
               [records(saved)[i] for i in (0, 1, 3, 2)])
        expect("the box file is as it was", read(box), saved)

        def restore_newest(program):
            answer(program, question(program), "Return")

        step("start: the newest is offered first; restore it and save")
        program = session.start(before_windows=restore_newest)
        program.click(program.box, "box", "saveButton")
        poll("the second session in rusrina.vbd", lambda: box_part(read(box)) == box_part(second))
        # The recovery goes just after the save, not with it: waited for.
        poll("the second session's recovery to go", lambda: not os.path.exists(second_file))
        expect("the kept one stays", read(first_file), first)
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)

        def restore_over_the_save(program):
            answer(program, question(program), "Return")
            # rusrina.vbd was saved after this recovery was written: asked first (Enter would keep the
            # recovery for later), then overwritten.
            answer(program, question(program), *FIRST_OF_THREE)

        step("start: the kept one is offered; restoring it asks about the save since, then it is saved")
        program = session.start(before_windows=restore_over_the_save)
        program.click(program.box, "box", "saveButton")
        poll("the first session in rusrina.vbd", lambda: box_part(read(box)) == box_part(first))
        poll("no recovery left", lambda: not glob.glob(session.path("rusrina.vbd.recovery*")))
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
    finally:
        session.close()


def recovery_save_as(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    box, team2 = session.path("rusrina.vbd"), session.path("team2.vbd")
    shutil.copy(session.reference_box, box)
    import_text(session, box)
    saved = read(box)
    try:
        step("名前を付けて保存 as team2.vbd, delete the first entry, 保存, an unsaved move, SIGTERM")
        program = session.start()
        program.click(program.box, "box", "saveAsButton")
        dialog = program.wait_window("^名前を付けて保存$")
        program.x.focus(dialog)
        program.x.tool("type", "--delay", "2", team2)
        program.x.keys("Return")
        poll("team2.vbd written", lambda: os.path.exists(team2) and box_part(read(team2)) == box_part(saved))
        program.click_box_row(0)
        program.click(program.box, "box", "deleteButton")
        program.click(program.box, "box", "saveButton")
        poll("the deletion saved in team2.vbd", lambda: records(read(team2))[:3] == records(saved)[1:4])
        edit_and_terminate(program, 1, "upButton")
        recovered = read(session.path("rusrina.vbd.recovery"))
        expect("the recovery", records(recovered)[:3], [records(saved)[i] for i in (2, 1, 3)])
        expect("rusrina.vbd is as it was", read(box), saved)

        step("start, restore, 保存: team2.vbd is written, rusrina.vbd is not")
        program = session.start(before_windows=lambda p: answer(p, question(p), "Return"))
        program.click(program.box, "box", "saveButton")
        poll("the restored box in team2.vbd", lambda: box_part(read(team2)) == box_part(recovered))
        expect("rusrina.vbd with every entry it had", read(box), saved)
        poll("the recovery file to go", lambda: not os.path.exists(session.path("rusrina.vbd.recovery")))
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
    finally:
        session.close()


def recovery_import(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    box = session.path("rusrina.vbd")
    recovery_file = session.path("rusrina.vbd.recovery")
    shutil.copy(session.reference_box, box)
    try:
        step("an unsaved move, SIGTERM, then --import-text adds two sets to rusrina.vbd")
        edit_and_terminate(session.start(), 1, "upButton")
        recovered = read(recovery_file)
        import_text(session, box)
        imported = read(box)

        def restore_and_keep(program):
            answer(program, question(program), "Return")
            answer(program, question(program), "Escape")

        step("start, restore: asked about the change since; kept for later, then 保存")
        program = session.start(before_windows=restore_and_keep)
        program.click(program.box, "box", "saveButton")
        # Input reaches the program in order: the save is done before the close.
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
        expect("rusrina.vbd with the imported sets", records(read(box))[:4], records(imported)[:4])
        expect("the recovery kept", read(recovery_file), recovered)
    finally:
        session.close()


def recovery_damaged(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    box = session.path("rusrina.vbd")
    recovery_file = session.path("rusrina.vbd.recovery")
    shutil.copy(session.reference_box, box)
    saved = read(box)
    # A box of four entries whose first two are those of rusrina.vbd, to cut a recovery from.
    four = os.path.join(work, "four.vbd")
    shutil.copy(session.reference_box, four)
    import_text(session, four)
    try:
        step("an empty recovery: restoring it asks again before emptying the box; kept for later")
        open(recovery_file, "wb").close()

        def empty(program):
            answer(program, question(program), "Return")
            answer(program, question(program), "Escape")

        program = session.start(before_windows=empty)
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
        expect("rusrina.vbd as it was, the empty recovery kept", (read(box), read(recovery_file)), (saved, b""))

        step("a recovery cut in its third entry: restored, its two whole entries saved")
        with open(recovery_file, "wb") as f:
            f.write(read(four)[:2 * RECORD + 40])

        def damaged(program):
            answer(program, question(program), "Return")
            # Without its info file the recovery cannot tell whether rusrina.vbd changed since: asked.
            answer(program, question(program), *FIRST_OF_THREE)

        program = session.start(before_windows=damaged)
        program.click(program.box, "box", "saveButton")
        poll("the recovery to go once saved", lambda: not os.path.exists(recovery_file))
        expect("rusrina.vbd with its two entries", box_part(read(box)), box_part(saved))
        program.click(program.top, "top", "closeButton")
        expect("exit status", program.end(), 0)
    finally:
        session.close()


ROADS = {"instances": instances, "recovery": recovery, "large-settings": large_settings, "stale-locks": stale_locks,
         "socket-flood": socket_flood, "large-clipboard": large_clipboard, "recovery-kept": recovery_kept,
         "recovery-save-as": recovery_save_as, "recovery-import": recovery_import, "recovery-damaged": recovery_damaged}

if __name__ == "__main__":
    sys.exit(run_road(ROADS, __doc__))
