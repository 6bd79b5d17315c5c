"""Builds the per-edition learnset tables from pokemon_moves_gen45.csv and machines.csv."""

from gen_data_sources import (
    EDITION_GROUPS, EGG, LEVEL_UP, LIGHT_BALL_EGG, MACHINE, TUTOR, move_index)

LEVEL_UP_ENTRIES, EGG_ENTRIES, TUTOR_ZV_ENTRIES, TUTOR_JYJY_ENTRIES = 24, 20, 40, 60
MACHINE_COLUMNS = 102
FIRST_GEN5_ROW = 505
DRAGON_TYPE = 16

# Machine sets QXZV, JYJY, TK: the version groups whose machine lists and flags they hold, how many
# numbered machines come before the hidden ones, and whether slots hold move numbers (index + 1).
MACHINE_SETS = (
    ((8, 9), 92, True),
    ((10,), 92, True),
    ((11,), 95, False),
)
EGG_SETS = ((8, 9), (10,), (11,))
HIDDEN_MACHINE_BASE = 100  # machine_number 101 is the first hidden machine

# Special rows: method text 1 (light-ball egg), 2 (dragon tutor), 3 (starter tutor).
VOLT_TACKLE = 344
DRACO_METEOR = 434
STARTER_MOVES = {338: 520, 307: 519, 308: 518}  # ultimate move -> pledge of the same type
SPECIAL_ROW_COUNTS = {1: 1, 2: 19, 3: 15}


def _learnset_rows(src):
    """{(pokemon_id, version group, method): [(level, move id), ...]} in file order."""
    by_key = {}
    for r in src.rows("pokemon_moves_gen45.csv"):
        key = (r["pokemon_id"], int(r["version_group_id"]), r["pokemon_move_method_id"])
        by_key.setdefault(key, []).append((int(r["level"] or 0), int(r["move_id"])))
    return by_key


def _fit(row, size, what):
    if len(row) > size:
        raise ValueError("%s has %d entries, more than its %d" % (what, len(row), size))
    return row


def _level_up(learn, species):
    tables = []
    for group in EDITION_GROUPS:
        table = []
        for row in species:
            entries = [(level, move_index(m)) for level, m in learn.get((row["pokemon_id"], group, LEVEL_UP), [])]
            if any(level < 1 for level, _ in entries):
                raise ValueError("level-up entry below level 1 for %s" % row["identifier"])
            table.append(_fit(entries, LEVEL_UP_ENTRIES, "level-up row %s/%d" % (row["identifier"], group)))
        tables.append(table)
    return tables


def _machine_slots(src, groups, numbered, as_number):
    lists = []
    for group in groups:
        slots = [0] * MACHINE_COLUMNS
        for r in src.rows("machines.csv"):
            if int(r["version_group_id"]) != group:
                continue
            n = int(r["machine_number"])
            slot = n - 1 if n <= numbered else numbered + n - HIDDEN_MACHINE_BASE - 1
            if not 0 <= slot < MACHINE_COLUMNS - 1 or slots[slot]:
                raise ValueError("machine %d of version group %d has no free slot" % (n, group))
            slots[slot] = move_index(r["move_id"]) + (1 if as_number else 0)
        lists.append(slots)
    if any(s != lists[0] for s in lists):
        raise ValueError("version groups %s do not share one machine list" % (groups,))
    return lists[0]


def _machines(src, learn, species):
    sets = []
    for set_index, (groups, numbered, as_number) in enumerate(MACHINE_SETS):
        slots = _machine_slots(src, groups, numbered, as_number)
        used = MACHINE_COLUMNS - 1 if not as_number else numbered + 8
        slot_of = {slots[s] - (1 if as_number else 0): s for s in range(used)}
        flags = []
        for index, row in enumerate(species):
            exists = set_index == 2 or index < FIRST_GEN5_ROW
            flag_row = [row["number"] if exists else 0] + [0] * (MACHINE_COLUMNS - 1)
            for group in groups:
                for _, m in learn.get((row["pokemon_id"], group, MACHINE), []):
                    if move_index(m) not in slot_of:
                        raise ValueError("%s learns move %d by a machine that group %d lacks"
                                         % (row["identifier"], m, group))
                    flag_row[1 + slot_of[move_index(m)]] = 1
            if not exists and any(flag_row):
                raise ValueError("%s has machine flags in an edition without it" % row["identifier"])
            flags.append(flag_row)
        sets.append({"slots": slots, "flags": flags})
    return sets


def _moves_of(learn, pokemon_id, groups, method):
    moves = set()
    for group in groups:
        moves.update(move_index(m) for _, m in learn.get((pokemon_id, group, method), []))
    return moves


def _eggs(learn, species):
    tables = []
    for groups in EGG_SETS:
        table = []
        for row in species:
            moves = sorted(_moves_of(learn, row["pokemon_id"], groups, EGG))
            if 0 in moves:
                raise ValueError("egg move はたく for %s cannot be stored" % row["identifier"])
            table.append(_fit(moves, EGG_ENTRIES, "egg row %s/%s" % (row["identifier"], groups)))
        tables.append(table)
    return tables


def _special(learn, species, evolutions):
    """Two (move number, method text) entries per species."""
    evolves_further = {f - 1 for f, _ in evolutions}
    all_groups = EDITION_GROUPS
    rows = []
    for index, row in enumerate(species):
        pid = row["pokemon_id"]
        tutor = _moves_of(learn, pid, all_groups, TUTOR)
        entries = []
        if _moves_of(learn, pid, all_groups, LIGHT_BALL_EGG) == {move_index(VOLT_TACKLE)}:
            entries.append((VOLT_TACKLE, 1))
        dragon = DRAGON_TYPE in (row["type1"], row["type2"])
        if dragon and index not in evolves_further and move_index(DRACO_METEOR) in tutor:
            entries.append((DRACO_METEOR, 2))
        for ultimate, pledge in STARTER_MOVES.items():
            if move_index(ultimate) in tutor:
                if move_index(pledge) not in tutor:
                    raise ValueError("starter %s lacks its pledge move" % row["identifier"])
                entries.extend([(ultimate, 3), (pledge, 3)])
        rows.append(_fit(entries, 2, "special row %s" % row["identifier"]))
    for method, count in SPECIAL_ROW_COUNTS.items():
        found = sum(1 for r in rows if r and r[0][1] == method)
        if found != count:
            raise ValueError("%d special rows of method %d, expected %d" % (found, method, count))
    return rows


def _tutors(learn, species, special, group, size):
    table = []
    for row, extra in zip(species, special):
        given = {move_index(number) for number, _ in extra}
        moves = [move_index(m) for _, m in learn.get((row["pokemon_id"], group, TUTOR), [])]
        moves = [m for m in moves if m not in given]
        if 0 in moves:
            raise ValueError("tutor move はたく for %s cannot be stored" % row["identifier"])
        table.append(_fit(moves, size, "tutor row %s/%d" % (row["identifier"], group)))
    return table


def build_learnsets(src, species, evolutions):
    learn = _learnset_rows(src)
    special = _special(learn, species, evolutions)
    return {
        "levelup": _level_up(learn, species),
        "machines": _machines(src, learn, species),
        "eggs": _eggs(learn, species),
        "tutor_zv": _tutors(learn, species, special, 9, TUTOR_ZV_ENTRIES),
        "tutor_jyjy": _tutors(learn, species, special, 10, TUTOR_JYJY_ENTRIES),
        "special": special,
    }
