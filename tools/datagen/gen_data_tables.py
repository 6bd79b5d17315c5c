"""Builds the species, ability, evolution and move tables from the PokeAPI sources, cross-checked
against the @pkmn/dex extract."""

from gen_data_battle import build_battle_data
from gen_data_crosscheck import CrossCheck
from gen_data_items import build_held_items
from gen_data_legality import build_legality
from gen_data_gen4 import build_gen4_moves, build_gen4_species_types, first_gen5_move_row
from gen_data_learnsets import build_learnsets
from gen_data_names import build_names
from gen_data_sources import (
    FIRST_LATER_GROUP, JAPANESE, LAST_GEN4_NATIONAL, NO_EVOLUTION_INTO, Sources, cp932_fits, egg_group_index,
    move_ids_in_row_order, species_row_ids, syllabary_key, type_index)

STAT_IDS = ("1", "2", "3", "4", "5", "6")  # hp, attack, defense, special-attack, special-defense, speed
CATEGORY = {"2": 0, "3": 1, "1": 2}  # damage class: physical, special, status
STATUS_CLASS = "1"
TARGET = {"7": 0, "10": 1, "2": 1, "11": 2, "8": 3, "9": 4, "13": 5, "15": 5, "3": 6, "1": 7, "12": 8,
          "4": 9, "6": 10, "14": 11, "5": 13}
ABILITY_COUNT = 165
GEN4_LAST_ABILITY = 123


def _gen5_rows(past_rows, key):
    """Of the past-value rows, per key, those of the smallest generation >= 5 (the values in force
    in generation 5); keys without such a row keep today's value."""
    best = {}
    for r in past_rows:
        g = int(r["generation_id"])
        if g < 5:
            continue
        k = key(r)
        if k not in best or g < best[k][0]:
            best[k] = (g, [r])
        elif g == best[k][0]:
            best[k][1].append(r)
    return {k: rows for k, (g, rows) in best.items()}


def _stats(src):
    current = {(r["pokemon_id"], r["stat_id"]): int(r["base_stat"]) for r in src.rows("pokemon_stats.csv")}
    for (pid, stat), rows in _gen5_rows(src.rows("pokemon_stats_past.csv"),
                                         lambda r: (r["pokemon_id"], r["stat_id"])).items():
        current[(pid, stat)] = int(rows[0]["base_stat"])
    return current


def _types(src):
    current = {}
    for r in src.rows("pokemon_types.csv"):
        current.setdefault(r["pokemon_id"], {})[r["slot"]] = r["type_id"]
    for pid, rows in _gen5_rows(src.rows("pokemon_types_past.csv"), lambda r: r["pokemon_id"]).items():
        current[pid] = {r["slot"]: r["type_id"] for r in rows}
    return current


def _abilities(src):
    current = {}
    for r in src.rows("pokemon_abilities.csv"):
        current.setdefault(r["pokemon_id"], {})[r["slot"]] = r["ability_id"]
    for (pid, slot), rows in _gen5_rows(src.rows("pokemon_abilities_past.csv"),
                                         lambda r: (r["pokemon_id"], r["slot"])).items():
        current.setdefault(pid, {})[slot] = rows[0]["ability_id"]
    return current


def build_ability_names(src):
    """Index 0 "無指定", then the abilities of generations 3-4 and those of generation 5, each group
    in syllabary order. Returns (names, {ability id: index})."""
    kana = src.column("ability_names.csv", "ability_id", "name", lambda r: r["local_language_id"] == JAPANESE)
    ids = sorted(int(r["id"]) for r in src.rows("abilities.csv"))
    if ids != list(range(1, ABILITY_COUNT)):
        raise ValueError("abilities.csv must hold ability ids 1..%d" % (ABILITY_COUNT - 1))
    index_of, names = {}, ["無指定"]
    for group in (ids[:GEN4_LAST_ABILITY], ids[GEN4_LAST_ABILITY:]):
        for aid in sorted(group, key=lambda a: syllabary_key(kana[str(a)])):
            index_of[str(aid)] = len(names)
            names.append(kana[str(aid)])
    return names, index_of


def _form_names(src):
    return {r["pokemon_id"]: r["name"] for r in src.rows("form_names.csv")}


def build_species(src, check, ability_index):
    pokemon = {r["id"]: r for r in src.rows("pokemon.csv")}
    species = {r["id"]: r for r in src.rows("pokemon_species.csv")}
    names = src.column("pokemon_species_names.csv", "pokemon_species_id", "name",
                       lambda r: r["local_language_id"] == JAPANESE)
    form_names = _form_names(src)
    egg_groups = {}
    for r in src.rows("pokemon_egg_groups.csv"):
        egg_groups.setdefault(r["species_id"], []).append(int(r["egg_group_id"]))
    stats, types, abilities = _stats(src), _types(src), _abilities(src)
    ability_ident = src.column("abilities.csv", "id", "identifier")
    type_ident = src.column("types.csv", "id", "identifier")
    type_ids = {v: k for k, v in type_ident.items()}
    # A chosen ability is PokeAPI's identifier or @pkmn/dex's (the same without hyphens).
    ability_ids = {v.replace("-", ""): k for k, v in ability_ident.items()}
    ability_ids.update({v: k for k, v in ability_ident.items()})

    rows = []
    for pid in map(str, species_row_ids()):
        p = pokemon[pid]
        number = int(p["species_id"])
        sp = species[p["species_id"]]
        row = {"pokemon_id": pid, "identifier": p["identifier"], "number": number,
               "species_id": p["species_id"], "name": form_names.get(pid, names[p["species_id"]])}
        pokeapi = {
            "stats": [stats[(pid, s)] for s in STAT_IDS],
            "types": [type_ident[types[pid][s]] for s in sorted(types[pid])],
            "abilities": [ability_ident.get(abilities[pid].get(s) or "", "") for s in ("1", "2", "3")],
        }
        chosen = check.species(row, pokeapi)
        row["stats"] = chosen["stats"]
        t = [type_index(type_ids[x]) for x in chosen["types"]]
        row["type1"], row["type2"] = t[0], t[-1]
        row["abilities"] = [ability_index[ability_ids[a]] if a else 0 for a in chosen["abilities"]]
        rate = int(sp["gender_rate"])
        row["femaleRate"] = 255 if rate == -1 else rate * 25
        row["hatchSteps"] = int(sp["hatch_counter"]) * (256 if number <= LAST_GEN4_NATIONAL else 255)
        groups = sorted(egg_groups[p["species_id"]])
        row["eggGroup1"] = egg_group_index(groups[0])
        row["eggGroup2"] = egg_group_index(groups[1]) if len(groups) > 1 else 255
        if not cp932_fits(row["name"]):
            raise ValueError("species name %r does not fit its 32-byte Shift-JIS slot" % row["name"])
        if row["abilities"][0] == 0:
            raise ValueError("species %s has no first ability" % row["identifier"])
        rows.append(row)
    return rows


def build_evolutions(src, species_rows):
    """A link from every row of the species evolved from to every row of the evolved species."""
    evolves_from = src.column("pokemon_species.csv", "id", "evolves_from_species_id")
    rows_of = {}
    for index, row in enumerate(species_rows):
        rows_of.setdefault(row["species_id"], []).append(index)
    links = []
    for index, row in enumerate(species_rows):
        parent = evolves_from[row["species_id"]]
        if not parent or row["pokemon_id"] in map(str, NO_EVOLUTION_INTO):
            continue
        for from_index in rows_of[parent]:
            links.append((from_index + 1, index + 1))
    return sorted(links)


def _gen5_move_values(src):
    """PokeAPI move rows with the changes made after generation 5 undone: the oldest later
    changelog entry that names a field holds that field's generation-5 value."""
    moves = {r["id"]: dict(r) for r in src.rows("moves.csv")}
    later = sorted((r for r in src.rows("move_changelog.csv")
                    if int(r["changed_in_version_group_id"]) >= FIRST_LATER_GROUP),
                   key=lambda r: -int(r["changed_in_version_group_id"]))
    for r in later:  # newest first, so that the oldest later change is applied last
        for field in ("type_id", "power", "pp", "accuracy", "target_id", "effect_id"):
            if r[field]:
                moves[r["move_id"]][field] = r[field]
    return moves


def build_moves(src, check):
    moves = _gen5_move_values(src)
    names = src.column("move_names.csv", "move_id", "name", lambda r: r["local_language_id"] == JAPANESE)
    type_ident = src.column("types.csv", "id", "identifier")
    class_ident = src.column("move_damage_classes.csv", "id", "identifier")
    target_ident = src.column("move_targets.csv", "id", "identifier")
    type_ids = {v: k for k, v in type_ident.items()}
    class_ids = {v: k for k, v in class_ident.items()}
    target_ids = {v: k for k, v in target_ident.items()}
    rows = []
    for mid in map(str, move_ids_in_row_order()):
        m = moves[mid]
        variable = not m["power"] and m["damage_class_id"] != STATUS_CLASS
        pokeapi = {
            "power": 1 if variable else int(m["power"] or 0),
            "accuracy": int(m["accuracy"] or 0),
            "pp": int(m["pp"]),
            "type": type_ident[m["type_id"]],
            "category": class_ident[m["damage_class_id"]],
            "target": target_ident[m["target_id"]],
        }
        chosen = check.move(mid, m["identifier"], pokeapi)
        row = {"id": int(mid), "name": names[mid], "power": chosen["power"], "accuracy": chosen["accuracy"],
               "pp": chosen["pp"], "type": type_index(type_ids[chosen["type"]]),
               "category": CATEGORY[class_ids[chosen["category"]]],
               "target": TARGET[target_ids[chosen["target"]]], "effect": int(m["effect_id"]) - 1}
        if not cp932_fits(row["name"]):
            raise ValueError("move name %r does not fit its 32-byte Shift-JIS slot" % row["name"])
        rows.append(row)
    return rows


def build_tables(source_dir):
    src = Sources(source_dir)
    check = CrossCheck(src)
    ability_names, ability_index = build_ability_names(src)
    for name in ability_names:
        if not cp932_fits(name):
            raise ValueError("ability name %r does not fit its 32-byte Shift-JIS slot" % name)
    species = build_species(src, check, ability_index)
    moves = build_moves(src, check)
    check.finish()
    evolutions = build_evolutions(src, species)
    counts = {"species rows": (len(species), 663), "evolution links": (len(evolutions), 322),
              "moves": (len(moves), 559), "ability names": (len(ability_names), ABILITY_COUNT)}
    for what, (found, expected) in counts.items():
        if found != expected:
            raise ValueError("%d %s, expected %d" % (found, what, expected))
    tables = {"species": species, "ability_names": ability_names, "evolutions": evolutions, "moves": moves,
              "first_gen5_ability": GEN4_LAST_ABILITY + 1}
    tables.update(build_learnsets(src, species, evolutions))
    tables.update({"gen4_moves": build_gen4_moves(src, moves),
                   "gen4_first_new_move": first_gen5_move_row(src, moves),
                   "gen4_species_types": build_gen4_species_types(src, species)})
    tables.update(build_names(src, species, ability_index))
    tables.update(build_held_items(src))
    tables.update(build_battle_data(src, species, len(moves)))
    tables.update(build_legality(src, species, [s["number"] <= LAST_GEN4_NATIONAL for s in species]))
    return tables
