#!/usr/bin/env python3
"""Drives the real rusrina executable against a data directory someone else has prepared.

One road per run, named by the first argument:
  recovery-elsewhere a recovery whose info names a file outside the data directory (one that does not
                  exist yet, in a folder that does): restored on Enter, 保存 asks for a name (cancelled)
                  and the named file is never created; the recovery written at the next SIGTERM names
                  rusrina.vbd, and rusrina.vbd keeps every entry;
  unopenable-lock rusrina.lock is a directory, then a link to nowhere: a second start still brings the
                  first forward and ends, and the lock path is left as it was.

Usage: drive_guards.py ROAD --program ... --reference ... --probe ... [--keep]
"""

import os
import shutil
import signal
import subprocess
import sys

from drive_sessions import PLACES, answer, question, read
from harness import WAIT_TIMEOUT, Session, expect, run_road, settings_text, step


def recovery_elsewhere(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    box, recovery_file = session.path("rusrina.vbd"), session.path("rusrina.vbd.recovery")
    shutil.copy(session.reference_box, box)
    saved = read(box)
    autostart = os.path.join(work, "home", ".config", "autostart")
    os.makedirs(autostart)
    planted = os.path.join(autostart, "x.desktop")
    shutil.copy(box, recovery_file)
    with open(recovery_file + ".info", "w") as f:
        f.write("rusrina recovery 1\nwritten=1\nfile=%s\nexists=0\nsize=0\nmtime=0\nhash=%s\n" % (planted, "0" * 16))
    try:
        step("start, restore on Enter, 保存: a name is asked for and not given")
        program = session.start(before_windows=lambda p: answer(p, question(p), "Return"))
        program.click(program.box, "box", "saveButton")
        dialog = program.wait_window("^名前を付けて保存$")
        program.x.focus(dialog)
        program.x.keys("Escape")
        program.wait_gone("^名前を付けて保存$")
        expect("the file the info names", os.path.exists(planted), False)

        step("SIGTERM: the recovery kept names rusrina.vbd")
        program.process.send_signal(signal.SIGTERM)
        expect("exit status after SIGTERM", program.end(), 0)
        info = read(recovery_file + ".info").decode()
        expect("the file the new info names", [line for line in info.splitlines() if line.startswith("file=")],
               ["file=" + box])
        expect("the file the old info named", os.listdir(autostart), [])
        expect("rusrina.vbd as it was", read(box), saved)
    finally:
        session.close()


def unopenable_lock(options, work):
    session = Session(options, work, settings_text(PLACES, {"Damage": {"show": 1}}))
    lock = session.path("rusrina.lock")
    nowhere = os.path.join(work, "nowhere")
    try:
        for what, make, left in (("a directory", os.mkdir, os.path.isdir),
                                 ("a link to nowhere", lambda path: os.symlink(nowhere, path), os.path.islink)):
            make(lock)
            step("rusrina.lock is %s: start one program, then a second" % what)
            first = session.start()
            second = subprocess.Popen([session.executable], cwd=session.run_dir, env=session.env,
                                      stdin=subprocess.DEVNULL, stdout=session.log, stderr=session.log)
            try:
                expect("the second program's exit status", second.wait(WAIT_TIMEOUT), 0)
            finally:
                if second.poll() is None:  # a second program running beside the first
                    second.kill()
                    second.wait()
            first.alive()
            first.click(first.top, "top", "closeButton")
            expect("exit status", first.end(), 0)
            expect("rusrina.lock left as " + what, left(lock), True)
            expect("nothing made where the link points", os.path.exists(nowhere), False)
            if os.path.isdir(lock) and not os.path.islink(lock):
                os.rmdir(lock)
            else:
                os.remove(lock)
    finally:
        session.close()


ROADS = {"recovery-elsewhere": recovery_elsewhere, "unopenable-lock": unopenable_lock}

if __name__ == "__main__":
    sys.exit(run_road(ROADS, __doc__))
