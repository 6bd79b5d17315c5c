"""The values of the 4th generation where they differ from those of the 5th: the power, accuracy,
type and category of the moves that changed in the 5th generation, the types of the species that
changed, and the first move row the 4th generation did not have yet. The exact damage engine
reads them in its 4th-generation mode."""

from gen_data_sources import move_index, species_row_ids, type_index

FIRST_GEN5_GROUP = 11  # black-white: a change recorded here holds the value before it, generation 4's
FIRST_LATER_GROUP = 15
PLACEHOLDER_TYPE = 9  # "－－－": the ??? type that のろい had until generation 5
UNKNOWN_TYPE_ID = "10001"
VARIABLE_POWER = 1


def _gen4_type(type_id):
    return PLACEHOLDER_TYPE if type_id == UNKNOWN_TYPE_ID else type_index(type_id)


def build_gen4_moves(src, moves):
    """[(move index, power, accuracy, type, category)] for the moves whose generation-4 values
    differ. A change recorded in a generation-5 version group holds the value before it; of
    several, the oldest. A move of variable power in generation 5 stays variable."""
    changes = sorted((r for r in src.rows("move_changelog.csv")
                      if FIRST_GEN5_GROUP <= int(r["changed_in_version_group_id"]) < FIRST_LATER_GROUP),
                     key=lambda r: -int(r["changed_in_version_group_id"]))
    old = {}
    for r in changes:  # newest first, so that the oldest change is applied last
        values = old.setdefault(int(r["move_id"]), {})
        if r["power"]:
            values["power"] = int(r["power"])
        if r["accuracy"]:
            values["accuracy"] = int(r["accuracy"])
        if r["type_id"]:
            values["type"] = _gen4_type(r["type_id"])
    rows = []
    for move_id, values in sorted(old.items(), key=lambda kv: move_index(kv[0])):
        row = moves[move_index(move_id)]
        if row["power"] == VARIABLE_POWER:
            values.pop("power", None)
        gen4 = (values.get("power", row["power"]), values.get("accuracy", row["accuracy"]),
                values.get("type", row["type"]), row["category"])
        if gen4 != (row["power"], row["accuracy"], row["type"], row["category"]):
            rows.append((move_index(move_id),) + gen4)
    return rows


def first_gen5_move_row(src, moves):
    """The first row of the move table that generation 4 did not have; every later row is new too."""
    generation = {move_index(r["id"]): int(r["generation_id"]) for r in src.rows("moves.csv")
                  if move_index_known(r["id"])}
    newer = [i for i in range(len(moves)) if generation[i] >= 5]
    if not newer or newer != list(range(newer[0], len(moves))):
        raise ValueError("the moves of generation 5 must be the last rows of the move table")
    return newer[0]


def move_index_known(move_id):
    try:
        move_index(move_id)
        return True
    except ValueError:
        return False


def build_gen4_species_types(src, species):
    """[(species index, type1, type2)] for the species whose types in generation 4 differ: a past-type
    row holds the types up to its generation; the one of the smallest generation from 4 on counts."""
    best = {}
    for r in src.rows("pokemon_types_past.csv"):
        g = int(r["generation_id"])
        if g < 4:
            continue
        pid = r["pokemon_id"]
        if pid not in best or g < best[pid][0]:
            best[pid] = (g, {})
        if g == best[pid][0]:
            best[pid][1][r["slot"]] = r["type_id"]
    rows = []
    for index, pid in enumerate(map(str, species_row_ids())):
        if pid not in best:
            continue
        types = [type_index(best[pid][1][s]) for s in sorted(best[pid][1])]
        gen4 = (types[0], types[-1])
        if gen4 != (species[index]["type1"], species[index]["type2"]):
            rows.append((index,) + gen4)
    return rows
