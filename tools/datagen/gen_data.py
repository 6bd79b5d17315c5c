#!/usr/bin/env python3
"""Writes the game tables (src/data/generated/*.cpp) and the ids (ids.h) from the vendored sources in data/source/.

The PokeAPI CSVs give the species, move, learnset and name values; the @pkmn/dex extract
cross-checks the generation-5 species and move values, and gives the held items, the legality of
moves from every source, the forms of team text and the move flags of the damage rules. A
disagreement between the two sources stops the run unless data/source/exceptions.csv lists it with
the value chosen and the reason. Standard library only; no network.

    tools/datagen/gen_data.py [--source DIR] [--out DIR] [--check]

--check writes into a temporary directory and exits non-zero with a unified diff when the
files in --out differ from what the sources give.
"""

import argparse
import difflib
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gen_data_tables import build_tables  # noqa: E402
from gen_data_emit import emit_files  # noqa: E402
from gen_data_characteristics import characteristic_files  # noqa: E402
from gen_data_sources import Sources  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def write_files(files, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, text in files.items():
        with open(os.path.join(out_dir, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)


def read_text(path):
    try:
        with open(path, encoding="utf-8", newline="") as f:
            return f.read()
    except FileNotFoundError:
        return None


def check_files(files, out_dir):
    """Returns the unified diff between the committed files and freshly generated ones."""
    with tempfile.TemporaryDirectory() as tmp:
        write_files(files, tmp)
        diff = []
        committed = {n for n in os.listdir(out_dir) if n.endswith((".cpp", ".h"))} if os.path.isdir(out_dir) else set()
        for name in sorted(set(files) | committed):
            old = read_text(os.path.join(out_dir, name))
            new = read_text(os.path.join(tmp, name))
            if old == new:
                continue
            diff.extend(difflib.unified_diff((old or "").splitlines(True), (new or "").splitlines(True),
                                             fromfile="committed/" + name, tofile="generated/" + name, n=1))
        return diff


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", default=os.path.join(REPO, "data", "source"))
    parser.add_argument("--out", default=os.path.join(REPO, "src", "data", "generated"))
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed files instead of writing them")
    args = parser.parse_args(argv)

    try:
        tables = build_tables(args.source)
        characteristics = characteristic_files(Sources(args.source))
    except ValueError as e:
        print("gen_data: " + str(e), file=sys.stderr)
        return 1
    files = emit_files(tables)
    files.update(characteristics)

    if args.check:
        diff = check_files(files, args.out)
        if diff:
            sys.stdout.writelines(diff[:400])
            if len(diff) > 400:
                print("... (%d more diff lines)" % (len(diff) - 400))
            print("gen_data: the generated tables are stale; rerun tools/datagen/gen_data.py", file=sys.stderr)
            return 1
        return 0
    write_files(files, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
