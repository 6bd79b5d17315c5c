#!/usr/bin/env python3
"""The command line's bound on team text, with no display: a text of exactly 1 MiB is read whole; one
byte more, from a file or from standard input, is refused with a message before anything is read or
written (the box file is not touched), and 52 MB of standard input is refused as quickly; what the
import echoes of the text on standard error shows control characters escaped."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

LIMIT = 1 << 20
REFUSAL = "テキストが 1 MiB（1,048,576 バイト）を超えるため読み込みませんでした"


def run(program, *args, stdin=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([program, *args], input=stdin, capture_output=True, env=env, timeout=60)


def expect(ok, what, result=None):
    if not ok:
        detail = "" if result is None else "\nexit %d\nstdout:\n%s\nstderr:\n%s" % (
            result.returncode, result.stdout.decode(errors="replace"), result.stderr.decode(errors="replace")[:2000])
        sys.exit("FAILED: " + what + detail)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--fixture", required=True)
    args = parser.parse_args()
    with open(args.fixture, "rb") as f:
        team = f.read()
    at_limit = team + b"\n" * (LIMIT - len(team))
    with tempfile.TemporaryDirectory() as tmp:
        box, text = os.path.join(tmp, "box.vbd"), os.path.join(tmp, "team.txt")

        with open(text, "wb") as f:
            f.write(at_limit)
        r = run(args.program, "--import-text", text, box)
        expect(r.returncode == 0 and r.stdout.decode() == "14 件追加しました。\n", "a text of exactly 1 MiB is read", r)
        with open(box, "rb") as f:
            saved = f.read()

        with open(text, "ab") as f:
            f.write(b"\n")
        r = run(args.program, "--import-text", text, box)
        expect(r.returncode == 1 and r.stderr.decode() == "%s: %s（1,048,577 バイト）\n" % (text, REFUSAL),
               "a file one byte over is refused, with its size", r)
        r = run(args.program, "--import-text", "-", box, stdin=at_limit + b"\n")
        expect(r.returncode == 1 and r.stderr.decode() == "-: %s\n" % REFUSAL, "standard input one byte over too", r)
        huge = at_limit * 50
        started = time.monotonic()
        r = run(args.program, "--import-text", "-", box, stdin=huge)
        print("%d MB of standard input refused in %.2f s" % (len(huge) // 1000000, time.monotonic() - started))
        expect(r.returncode == 1 and r.stdout == b"", "52 MB of standard input is refused", r)
        with open(box, "rb") as f:
            expect(f.read() == saved, "nothing refused reaches the box file")

        hostile = b"\x1b]0;owned\x07\x1b[2J @ Leftovers\n\nLatios @ \x1b[31mRed\r\n"
        r = run(args.program, "--import-text", "-", box, stdin=hostile)
        err = r.stderr.decode()
        expect(r.returncode == 1 and all(c not in err for c in "\x1b\x07\r"), "no control character reaches stderr", r)
        expect("\\x1B]0;owned\\x07\\x1B[2J" in err and "\\x1B[31mRed" in err, "each shows as an escape", r)
    print("input limits: all checks passed")


if __name__ == "__main__":
    main()
