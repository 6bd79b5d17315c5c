"""What the damage rules read beyond the base tables: each species row's weight, and per move and
generation (4 and 5) the flags and numbers of pkmn_dex_move_flags.csv.

Weights are PokeAPI's (`pokemon.csv`, hectograms), compared with @pkmn/dex's weight of the same
form; the generator stops on a difference."""

from gen_data_forms import dex_ids_of_rows
from gen_data_sources import move_index


def _flag(name):
    return lambda r: name in r["flags"].split()


# MoveBattleData::flags, bit by bit, from @pkmn/dex's move flags and fields.
FLAGS = (
    ("contact", _flag("contact")),
    ("punch", _flag("punch")),  # てつのこぶし
    ("sound", _flag("sound")),  # ぼうおん
    ("recoil", lambda r: bool(r["recoil"])),  # すてみ
    ("crash", lambda r: r["crash"] == "1"),  # すてみ too: とびげり, とびひざげり
    ("secondary", lambda r: r["secondary"] == "1"),  # what ちからずく removes
    ("gravity", _flag("gravity")),  # cannot be used under じゅうりょく
    ("charge", _flag("charge")),  # two turns
    ("recharge", _flag("recharge")),
    ("ignoresDefenceStages", lambda r: r["ignore_defensive"] == "1"),  # なしくずし, せいなるつるぎ
    ("hitsDefence", lambda r: r["override_defensive_stat"] == "def"),  # サイコショック
    ("usesTargetAttack", lambda r: r["override_offensive_pokemon"] == "target"),  # イカサマ
    ("alwaysCrits", lambda r: r["will_crit"] == "1"),
    ("breaksProtect", lambda r: r["breaks_protect"] == "1"),
    ("oneHitKo", lambda r: r["ohko"] == "1"),
    ("selfDestruct", lambda r: r["selfdestruct"] == "always"),  # だいばくはつ, じばく
    ("lowersOwnAttack", lambda r: bool(r["self_drop"])),  # オーバーヒート: its attacking stat falls
)
SINGLE_HIT, TWO_TO_FIVE, FIXED_HITS, TRIPLE_KICK, BEAT_UP = 0, 1, 2, 3, 4
LEVEL_DAMAGE = -1
GENERATIONS = ("4", "5")


def _multi_hit(r):
    """(kind, most hits)."""
    if r["id"] == "beatup":
        return BEAT_UP, 6
    if not r["multihit"]:
        return SINGLE_HIT, 1
    if "-" in r["multihit"]:
        low, high = map(int, r["multihit"].split("-"))
        if (low, high) != (2, 5):
            raise ValueError("move %s hits %s times: no kind for that" % (r["id"], r["multihit"]))
        return TWO_TO_FIVE, 5
    hits = int(r["multihit"])
    return (TRIPLE_KICK if r["multiaccuracy"] == "1" else FIXED_HITS), hits


def _fixed_damage(r):
    if not r["damage"]:
        return 0
    return LEVEL_DAMAGE if r["damage"] == "level" else int(r["damage"])


def _recoil(r):
    if not r["recoil"]:
        return 0, 0
    numerator, denominator = map(int, r["recoil"].split("/"))
    return numerator, denominator


def _move_row(r):
    flags = 0
    for bit, (_, test) in enumerate(FLAGS):
        if test(r):
            flags |= 1 << bit
    kind, hits = _multi_hit(r)
    numerator, denominator = _recoil(r)
    return {"flags": flags, "priority": int(r["priority"]), "multiHit": kind, "maxHits": hits,
            "critStage": int(r["crit_ratio"]) - 1, "fixedDamage": _fixed_damage(r),
            "recoil": (numerator, denominator), "id": r["id"]}


def build_battle_data(src, species_rows, move_count):
    dex_ids = dex_ids_of_rows(src, species_rows)
    dex_weight = {r["id"]: round(float(r["weightkg"]) * 10) for r in src.rows("pkmn_dex_species_forms.csv")}
    weight = {r["id"]: int(r["weight"]) for r in src.rows("pokemon.csv")}
    weights = []
    for row, dex_id in zip(species_rows, dex_ids):
        w = weight[row["pokemon_id"]]
        if w != dex_weight[dex_id]:
            raise ValueError("weight of %s: PokeAPI %d, @pkmn/dex %d hectograms" % (row["identifier"], w, dex_weight[dex_id]))
        weights.append(w)
    moves = {g: [None] * move_count for g in GENERATIONS}
    for r in src.rows("pkmn_dex_move_flags.csv"):
        moves[r["gen"]][move_index(r["num"])] = _move_row(r)
    if None in moves["5"]:
        raise ValueError("pkmn_dex_move_flags.csv lacks a move of generation 5")
    return {"weights": weights, "move_battle": moves}


def emit_battle_data(t, header, footer):
    out = [header, "// Hectograms, per species row.\nconst int16_t kSpeciesWeights[kSpeciesCount] = {\n"]
    weights = t["weights"]
    for i in range(0, len(weights), 16):
        out.append("    %s, // %d\n" % (", ".join(str(w) for w in weights[i:i + 16]), i))
    out.append("};\n\n// flags, priority, multiHit, maxHits, critStage, fixedDamage, recoilNumerator, recoilDenominator;\n"
               "// generation 4 (moves it lacks are all zero), then generation 5.\n"
               "const MoveBattleData kMoveBattleData[2][kMoveCount] = {\n")
    for g in GENERATIONS:
        out.append("{ // generation %s\n" % g)
        for i, m in enumerate(t["move_battle"][g]):
            if m is None:
                out.append("    {}, // %d\n" % i)
                continue
            out.append("    {0x%06x, %d, %d, %d, %d, %d, %d, %d}, // %d %s\n"
                       % (m["flags"], m["priority"], m["multiHit"], m["maxHits"], m["critStage"], m["fixedDamage"],
                          m["recoil"][0], m["recoil"][1], i, m["id"]))
        out.append("},\n")
    out.append("};\n")
    return "".join(out) + footer
