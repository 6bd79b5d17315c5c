#!/usr/bin/env python3
"""Runs rusrina-dump for every table and checks its CSV: a header, one line per table row, the
same number of fields on every line, and exit status 2 with the usage text on bad arguments."""

import csv
import io
import subprocess
import sys

SPECIES = 663
TABLES = [
    (["species"], SPECIES, "0,1,フシギダネ,45,49,49,65,65,45,12,3,25,5120,0,6,40,0,118"),
    (["moves"], 559, "552,バークアウト,55,95,15,17,1,2,71"),
    (["abilities"], 165, "164,わるいてぐせ"),
    (["natures"], 25, "3,ゆうかん　（攻撃＋素早－）,11,10,10,10,9"),
    (["items"], 17, "9,たつじんのおび,4,12,0,0"),
    (["evolutions"], 322, "415,418,ミノムッチ,ミノマダム（ごみ）"),
    (["special"], SPECIES, "171,172,ピチュー,344,1,0,0,ボルテッカー"),
] + [(["levelup", e], SPECIES, None) for e in ("QX", "ZV", "JYJY", "TK")] \
  + [(["machines", s], SPECIES, None) for s in ("QXZV", "JYJY", "TK")] \
  + [(["eggs", s], SPECIES, None) for s in ("QXZV", "JYJY", "TK")] \
  + [(["tutor", e], SPECIES, None) for e in ("ZV", "JYJY")]
BAD_ARGUMENTS = [[], ["nosuchtable"], ["levelup"], ["levelup", "XX"], ["moves", "QX"], ["eggs", "ZV"]]


def main(dump):
    failures = []
    for args, rows, expected_line in TABLES:
        run = subprocess.run([dump] + args, capture_output=True)
        what = " ".join(args)
        if run.returncode != 0:
            failures.append("%s: exit status %d" % (what, run.returncode))
            continue
        text = run.stdout.decode("utf-8")
        lines = list(csv.reader(io.StringIO(text)))
        if len(lines) != rows + 1:
            failures.append("%s: %d lines, expected %d" % (what, len(lines), rows + 1))
        widths = {len(line) for line in lines}
        if len(widths) != 1:
            failures.append("%s: lines of %s fields" % (what, sorted(widths)))
        if expected_line and expected_line not in text.splitlines():
            failures.append("%s: no line %r" % (what, expected_line))
    for args in BAD_ARGUMENTS:
        run = subprocess.run([dump] + args, capture_output=True)
        if run.returncode != 2 or b"usage:" not in run.stderr or run.stdout:
            failures.append("%r: expected exit status 2 and the usage text, got %d" % (args, run.returncode))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
