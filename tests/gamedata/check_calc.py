#!/usr/bin/env python3
"""Runs rusrina-calc over a few cases: a line of results per case, in every mode, an error line for
each line it cannot read (and it goes on), and the log only when asked for. Every value outside what
the edit form and the box window accept gives an error line naming it, never a clamped result nor an
overflow; the edges of each range are computed."""

import json
import subprocess
import sys

CASE = {"id": "plain", "mode": "gen5", "row": 0, "move": 88,
        "attacker": {"species": 449, "level": 50, "nature": 3, "evs": [4, 252, 0, 0, 0, 252]},
        "defender": {"species": 93, "level": 50, "stats": [135, 85, 80, 150, 95, 130]}}
BAD = ['{"mode":"gen5"', '[1,2]', '{"attacker":{},"defender":{},"mode":"gen6"}', '"\\u12"', '{"a":' * 40 + '1']


def changed(path, value):
    """CASE with the field at `path` ("attacker.evs.1") set to `value`."""
    case = json.loads(json.dumps(CASE))
    keys = path.split(".")
    target = case
    for key in keys[:-1]:
        target = target.setdefault(key, {}) if not key.isdigit() else target[int(key)]
    target[int(keys[-1]) if keys[-1].isdigit() else keys[-1]] = value
    return case


# Field, value, and the name the error line gives it (None: the value is accepted).
RANGES = [
    ("attacker.level", 0, "attacker.level"), ("attacker.level", 101, "attacker.level"),
    ("attacker.level", 999999999, "attacker.level"), ("attacker.level", 1, None), ("attacker.level", 100, None),
    ("attacker.level", 1e10, "integer"), ("attacker.evs", [0, 999999999, 0, 0, 0, 0], "attacker.evs[1]"),
    ("attacker.evs", [0, 256, 0, 0, 0, 0], "attacker.evs[1]"), ("attacker.evs", [255] * 6, None),
    ("attacker.ivs", [-1, 31, 31, 31, 31, 31], "attacker.ivs[0]"), ("attacker.ivs", [255] * 6, None),
    ("attacker.species", 663, "attacker.species"), ("attacker.nature", 25, "attacker.nature"),
    ("attacker.ability", -1, "attacker.ability"), ("attacker.item", 17, "attacker.item"),
    ("defender.stats", [135, 85, 80, 150, 95, 1000], "defender.stats[5]"),
    ("defender.stats", [0, 85, 80, 150, 95, 130], "defender.stats[0]"), ("defender.stats", [999, 1, 1, 1, 1, 1], None),
    ("move", 999999, "move"), ("move", 65535, None), ("row", 5, "row"),
    ("conditions.attackStage", 7, "conditions.attackStage"), ("conditions.defenceStage", -6, None),
    ("conditions.weather", 5, "conditions.weather"),
    ("direct", {"power": 7, "category": 0, "type": 1}, "direct.power"),
    ("direct", {"power": 200, "category": 1, "type": 9}, "direct.type"),
    ("direct", {"power": 200, "category": 1, "type": 17}, None),
    ("attacker.heldItem", 245, None), ("attacker.heldItem", 246, "attacker.heldItem"),
    ("attacker.heldItem", -2, "attacker.heldItem"), ("defender.gender", 3, "defender.gender"),
    ("defender.happiness", 256, "defender.happiness"), ("defender.happiness", 0, None),
]


def check_ranges(calc):
    cases = [changed(path, value) for path, value, _ in RANGES]
    run = subprocess.run([calc], input="\n".join(json.dumps(c) for c in cases) + "\n", capture_output=True, text=True)
    out = [json.loads(line) for line in run.stdout.splitlines()]
    if run.returncode != 0 or len(out) != len(cases):
        return ["ranges: exit %d with %d result lines" % (run.returncode, len(out))]
    failures = []
    for (path, value, name), result in zip(RANGES, out):
        error = result.get("error")
        if (name is None) != (error is None) or (name and name not in error):
            failures.append("%s = %r: %r" % (path, value, result))
    return failures


def main(calc):
    cases = [dict(CASE, id=m, mode=m) for m in ("simple", "gen5", "gen4")] + [dict(CASE, id="log", log=True)]
    cases.append(changed("attacker.heldItem", 150))  # いのちのたま, given as the full held item alone
    lines = [json.dumps(c) for c in cases] + BAD + [""]
    run = subprocess.run([calc], input="\n".join(lines) + "\n", capture_output=True, text=True)
    out = [json.loads(line) for line in run.stdout.splitlines()]
    failures = []
    if run.returncode != 0 or len(out) != len(cases) + len(BAD):
        failures.append("exit %d with %d result lines" % (run.returncode, len(out)))
    else:
        simple, gen5, gen4, logged, held = out[:5]
        if held["rolls"][-1] != gen5["rolls"][-1] * 5324 // 4096 + (gen5["rolls"][-1] * 5324 % 4096 > 2048):
            failures.append("held item: %r against %r" % (held, gen5))
        if "rolls" in simple or len(gen5["rolls"]) != 16 or len(gen4["rolls"]) != 16:
            failures.append("mode results: %r %r %r" % (simple, gen5, gen4))
        if "log" in gen5 or "必要攻撃回数： " + logged["hits"] not in logged.get("log", ""):
            failures.append("log: %r" % logged)
        errors = [o for o in out[5:] if "error" in o]
        if [e["line"] for e in errors] != list(range(6, 6 + len(BAD))):
            failures.append("error lines: %r" % out[5:])
    failures += check_ranges(calc)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
