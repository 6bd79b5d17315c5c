#!/usr/bin/env python3
"""Runs rusrina-calc over a few cases: a line of results per case, in every mode, an error line for
each line it cannot read (and it goes on), and the log only when asked for."""

import json
import subprocess
import sys

CASE = {"id": "plain", "mode": "gen5", "row": 0, "move": 88,
        "attacker": {"species": 449, "level": 50, "nature": 3, "evs": [4, 252, 0, 0, 0, 252]},
        "defender": {"species": 93, "level": 50, "stats": [135, 85, 80, 150, 95, 130]}}
BAD = ['{"mode":"gen5"', '[1,2]', '{"attacker":{},"defender":{},"mode":"gen6"}', '"\\u12"', '{"a":' * 40 + '1']


def main(calc):
    cases = [dict(CASE, id=m, mode=m) for m in ("simple", "gen5", "gen4")] + [dict(CASE, id="log", log=True)]
    lines = [json.dumps(c) for c in cases] + BAD + [""]
    run = subprocess.run([calc], input="\n".join(lines) + "\n", capture_output=True, text=True)
    out = [json.loads(line) for line in run.stdout.splitlines()]
    failures = []
    if run.returncode != 0 or len(out) != len(cases) + len(BAD):
        failures.append("exit %d with %d result lines" % (run.returncode, len(out)))
    else:
        simple, gen5, gen4, logged = out[:4]
        if "rolls" in simple or len(gen5["rolls"]) != 16 or len(gen4["rolls"]) != 16:
            failures.append("mode results: %r %r %r" % (simple, gen5, gen4))
        if "log" in gen5 or "必要攻撃回数： " + logged["hits"] not in logged.get("log", ""):
            failures.append("log: %r" % logged)
        errors = [o for o in out[4:] if "error" in o]
        if [e["line"] for e in errors] != list(range(5, 5 + len(BAD))):
            failures.append("error lines: %r" % out[4:])
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
