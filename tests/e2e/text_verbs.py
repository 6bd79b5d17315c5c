#!/usr/bin/env python3
"""The two command-line verbs on a temporary box file, run with no display at all: the team
fixture imported into a new box (its held items, gender and the like in the box file's extension
block), the box exported in English and in Japanese and each export imported into a box that must
equal the first byte for byte, a failed set reported with its line and a non-zero exit while the
others are added, and the usage and missing-file errors."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

BOX_BYTES = 147456
EXTENSION_BLOCK_BYTES = 16404


def run(program, *args, stdin=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([program, *args], input=stdin, capture_output=True, env=env, timeout=60)


def expect(ok, what, result=None):
    if not ok:
        detail = "" if result is None else "\nexit %d\nstdout:\n%s\nstderr:\n%s" % (
            result.returncode, result.stdout.decode(errors="replace"), result.stderr.decode(errors="replace"))
        sys.exit("FAILED: " + what + detail)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--fixture", required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        first, second = os.path.join(tmp, "first.vbd"), os.path.join(tmp, "second.vbd")

        r = run(args.program, "--import-text", args.fixture, first)
        expect(r.returncode == 0, "the fixture imports into a new box", r)
        expect(r.stdout.decode() == "14 件追加しました。\n", "the import says how many it added", r)
        expect(r.stderr == b"", "every held item of the fixture is kept, without a warning", r)
        expect(os.path.getsize(first) == BOX_BYTES + EXTENSION_BLOCK_BYTES,
               "the box file is written whole, with the block of what the records cannot hold")

        r = run(args.program, "--export-text", first)
        expect(r.returncode == 0 and r.stderr == b"", "the box exports", r)
        text = r.stdout.decode()
        expect(text.count("\n\n") == 13 and text.startswith("Garchomp (M) @ Choice Band\nAbility: Sand Veil\n"),
               "fourteen blocks in the team-builder layout", r)
        expect("Speedy (Deoxys-Attack) @ Expert Belt\n" in text, "nicknames and forms are written", r)
        expect("Rotom-Wash @ Leftovers\n" in text, "held items other than the damage items are written", r)

        for language, export in (("en", text.encode()),
                                 ("ja", run(args.program, "--export-text", first, "--lang", "ja").stdout)):
            expect(language == "en" or "ガブリアス (M) @ こだわりハチマキ\n" in export.decode(),
                   "--lang ja writes Japanese names")
            if os.path.exists(second):
                os.remove(second)
            r = run(args.program, "--import-text", "-", second, stdin=export)
            expect(r.returncode == 0 and r.stderr == b"", "the %s export imports again without a warning" % language, r)
            with open(first, "rb") as a, open(second, "rb") as b:
                expect(a.read() == b.read(), "exporting (%s) and importing again gives the same box" % language)
        r = run(args.program, "--export-text", first, "--lang", "fr")
        expect(r.returncode == 2 and "--lang" in r.stderr.decode(), "an unknown language shows the usage", r)

        r = run(args.program, "--import-text", "-", second, stdin=b"Latios\n\nMissingno\n- Tackle\n\nLatias\n")
        expect(r.returncode == 1, "a failed set makes the exit non-zero", r)
        expect(r.stderr.decode() == "-:3: エラー: バントレ「Missingno」が見つかりません\n", "the failure names its line", r)
        r = run(args.program, "--export-text", second)
        expect(r.stdout.decode().count("\n\n") == 15, "the sets around the failed one are added", r)
        r = run(args.program, "--lang", "en", "--import-text", "-", second, stdin=b"Missingno\n")
        expect(r.stderr.decode() == '-:1: error: Species "Missingno" not found\n', "--lang en says it in English", r)

        # A copy whose directory holds the settings of one who chose English in the About box.
        english = os.path.join(tmp, "english")
        os.mkdir(english)
        program = shutil.copy(args.program, english)
        with open(os.path.join(english, "rusrina.ini"), "wb") as f:
            f.write(b"[Main]\r\nVersion=92\r\n[TopWindow]\r\nLanguage=1\r\n")
        for extra, message in (((), '-:1: error: Species "Missingno" not found\n'),
                               (("--lang", "ja"), "-:1: エラー: バントレ「Missingno」が見つかりません\n")):
            r = run(program, *extra, "--import-text", "-", second, stdin=b"Missingno\n")
            expect(r.stderr.decode() == message, "the About box's language, unless --lang names another", r)

        r = run(args.program, "--import-text", args.fixture)
        expect(r.returncode == 2 and "--import-text" in r.stderr.decode(), "a missing argument shows the usage", r)
        r = run(args.program, "--export-text", os.path.join(tmp, "none.vbd"))
        expect(r.returncode == 1 and r.stdout == b"", "exporting a missing box file fails", r)
    print("text verbs: all checks passed")


if __name__ == "__main__":
    main()
