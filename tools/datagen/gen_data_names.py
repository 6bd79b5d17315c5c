"""The English names of species, moves, abilities, natures and items, and the Japanese names of
natures and items, for reading and writing team text.

Species rows take the English species name; an alternate form adds @pkmn/dex's form suffix to it
("Rotom" + "-" + "Wash"), the spelling team text uses. The form row of the extract is found by the
PokeAPI identifier without its hyphens ("rotom-wash" -> "rotomwash")."""

from gen_data_forms import build_forms, build_kept_forms, emit_forms, emit_kept_forms
from gen_data_sources import JAPANESE, cp932_fits, move_ids_in_row_order, syllabary_key, type_index

ENGLISH = "9"
# PokeAPI stat ids of the stats a nature raises or lowers, in the program's order (attack ..
# speed); the nature table is grouped by the raised stat, then by the lowered one among the other
# four, with the neutral natures last in syllabary order.
NATURE_STATS = ("2", "3", "4", "5", "6")
NATURE_COUNT = 25


def _english(src, name, key):
    return src.column(name, key, "name", lambda r: r["local_language_id"] == ENGLISH)


def _require(names, what):
    for i, name in enumerate(names):
        if not name:
            raise ValueError("%s %d has no English name" % (what, i))
    return names


def english_species_names(src, species_rows):
    english = _english(src, "pokemon_species_names.csv", "pokemon_species_id")
    formes = {r["id"]: r["forme"] for r in src.rows("pkmn_dex_gen5_species.csv")}
    defaults = {r["id"]: r["is_default"] == "1" for r in src.rows("pokemon.csv")}
    names = []
    for row in species_rows:
        base = english.get(row["species_id"], "")
        if defaults[row["pokemon_id"]]:
            names.append(base)
            continue
        dex_id = row["identifier"].replace("-", "")
        if not formes.get(dex_id):
            raise ValueError("form row %s has no form in the @pkmn/dex extract" % row["identifier"])
        names.append(base + "-" + formes[dex_id])
    return _require(names, "species row")


def english_move_names(src):
    english = _english(src, "move_names.csv", "move_id")
    return _require([english.get(str(mid), "") for mid in move_ids_in_row_order()], "move row")


def english_ability_names(src, ability_index):
    """Index 0 (no ability) has none."""
    english = _english(src, "ability_names.csv", "ability_id")
    names = [""] * (len(ability_index) + 1)
    for aid, index in ability_index.items():
        names[index] = english.get(aid, "")
    return [""] + _require(names[1:], "ability index")


def english_type_names(src):
    """Per type index; the placeholder type 9 has none."""
    names = [""] * 18
    for tid, name in _english(src, "type_names.csv", "type_id").items():
        if 1 <= int(tid) <= 17:
            names[type_index(tid)] = name
    return names


def _nature_index(nature, neutral_order):
    up, down = nature["increased_stat_id"], nature["decreased_stat_id"]
    if up == down:
        return 20 + neutral_order.index(nature["id"])
    others = [s for s in NATURE_STATS if s != up]
    return 4 * NATURE_STATS.index(up) + others.index(down)


def nature_names(src):
    """(Japanese, English) per nature index."""
    kana = src.column("nature_names.csv", "nature_id", "name", lambda r: r["local_language_id"] == JAPANESE)
    english = _english(src, "nature_names.csv", "nature_id")
    natures = src.rows("natures.csv")
    neutral = sorted((n["id"] for n in natures if n["increased_stat_id"] == n["decreased_stat_id"]),
                     key=lambda i: syllabary_key(kana[i]))
    rows = [None] * NATURE_COUNT
    for n in natures:
        index = _nature_index(n, neutral)
        if rows[index] is not None:
            raise ValueError("two natures at index %d" % index)
        rows[index] = (kana[n["id"]], english[n["id"]])
    if None in rows or len(natures) != NATURE_COUNT:
        raise ValueError("natures.csv must hold the %d natures" % NATURE_COUNT)
    return rows


def item_names(src):
    """(Japanese, English) of every item that has both, in item id order."""
    kana = src.column("item_names.csv", "item_id", "name", lambda r: r["local_language_id"] == JAPANESE)
    english = _english(src, "item_names.csv", "item_id")
    rows = []
    for iid in sorted(set(kana) & set(english), key=int):
        if cp932_fits(kana[iid]):
            rows.append((kana[iid], english[iid]))
    return rows


SPELLING_KINDS = ("move", "item")


def name_spellings(src, moves_en):
    """The reviewed spellings of name_spellings.csv: (kind, spelling, name). Each names a move or
    held item by its English name in our tables, and folds to other letters than that name."""
    rows = []
    held_english = {r["name"] for r in src.rows("pkmn_dex_items.csv")}
    for r in src.rows("name_spellings.csv"):
        kind, spelling, name = r["kind"], r["spelling"], r["name"]
        if kind not in SPELLING_KINDS or not r["reason"]:
            raise ValueError("name_spellings.csv: %s needs a kind of %s and a reason" % (spelling, SPELLING_KINDS))
        if name not in (moves_en if kind == "move" else held_english):
            raise ValueError("name_spellings.csv: %s names no %s %s" % (spelling, kind, name))
        if _fold(spelling) == _fold(name):
            raise ValueError("name_spellings.csv: %s already reads as %s" % (spelling, name))
        rows.append((kind, spelling, name))
    return rows


def _fold(text):
    return "".join(c for c in text.lower() if c not in " -'.:_")


def hidden_power_ivs(src):
    """Per type index, the IVs a team builder fills in for a hidden power of that type; None for
    the types hidden power cannot have."""
    ivs = [None] * 18
    names = {r["identifier"]: r["id"] for r in src.rows("types.csv")}
    for r in src.rows("pkmn_dex_hidden_power_ivs.csv"):
        ivs[type_index(names[r["type"]])] = [int(r[s]) for s in ("hp", "atk", "def", "spa", "spd", "spe")]
    return ivs


def build_names(src, species_rows, ability_index):
    species_en = english_species_names(src, species_rows)
    moves_en = english_move_names(src)
    return {
        "spellings": name_spellings(src, moves_en),
        "hidden_power_ivs": hidden_power_ivs(src),
        "species_en": species_en,
        "team_text_forms": build_forms(src, species_rows, species_en),
        "kept_forms": build_kept_forms(src, species_rows, ability_index),
        "moves_en": moves_en,
        "abilities_en": english_ability_names(src, ability_index),
        "types_en": english_type_names(src),
        "natures": nature_names(src),
        "items": item_names(src),
    }


def _c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def emit_names(t, header, footer):
    out = [header.replace('#include "data/raw_tables.h"', '#include "data/name_tables.h"')]
    for name, size, rows in (("kSpeciesEnglishNames", "kSpeciesCount", t["species_en"]),
                             ("kMoveEnglishNames", "kMoveCount", t["moves_en"]),
                             ("kAbilityEnglishNames", "kAbilityCount", t["abilities_en"]),
                             ("kTypeEnglishNames", "kTypeCount", t["types_en"])):
        out.append("const char* const %s[%s] = {\n" % (name, size))
        out.extend("    %s, // %d\n" % (_c_string(n), i) for i, n in enumerate(rows))
        out.append("};\n\n")
    out.append("// Japanese, English; in nature index order.\n"
               "const NamePair kNatureNames[kNatureCount] = {\n")
    out.extend("    {%s, %s}, // %d\n" % (_c_string(ja), _c_string(en), i) for i, (ja, en) in enumerate(t["natures"]))
    out.append("};\n\n// Japanese, English; every item with both names, in item id order.\n"
               "const NamePair kItemNames[] = {\n")
    out.extend("    {%s, %s},\n" % (_c_string(ja), _c_string(en)) for ja, en in t["items"])
    out.append("};\n")
    out.append("const int kItemNameCount = sizeof kItemNames / sizeof kItemNames[0];\n\n")
    out.append(emit_forms(t["team_text_forms"]))
    out.append("\n" + emit_kept_forms(t["kept_forms"]))
    out.append("\n// Other spellings of names (name_spellings.csv): kind (0 move, 1 held item), spelling, the name\n"
               "// in our tables.\nconst NameSpelling kNameSpellings[] = {\n")
    out.extend("    {%d, %s, %s},\n" % (SPELLING_KINDS.index(k), _c_string(s), _c_string(n)) for k, s, n in t["spellings"])
    out.append("};\nconst int kNameSpellingCount = sizeof kNameSpellings / sizeof kNameSpellings[0];\n\n")
    out.append("// The IVs team builders fill in for a hidden power of each type (pkmn_dex_hidden_power_ivs.csv),\n"
               "// by type index; all 0 for the types it cannot have.\n"
               "const int8_t kHiddenPowerIvs[kTypeCount][6] = {\n")
    out.extend("    {%s}, // %d\n" % (", ".join(str(v) for v in (ivs or [0] * 6)), i)
               for i, ivs in enumerate(t["hidden_power_ivs"]))
    out.append("};\n")
    return "".join(out) + footer
