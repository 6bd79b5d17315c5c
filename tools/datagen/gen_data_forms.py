"""The forms that team text names, read as our species rows or refused with a reason.

Every species and form of national numbers 1..649 in the @pkmn/dex extract
(pkmn_dex_species_forms.csv, cosmetic forms included) is one of:

- a row of ours: its English name is the row's (names.cpp); the name of a default form with its
  form written out ("Giratina-Altered", "Unown-A") is another spelling of that row;
- a form of a later generation (status Future in generation 5): refused, naming its generation;
- a form with the stats of its base form (Arceus-Fire, Gastrodon-East, Unown-B, Castform-Sunny,
  Genesect-Douse, Keldeo-Resolute, Pichu-Spiky-eared ...): read as the base form's row, with a note;
- any other form of generation 5 (Landorus-Therian, Kyurem-Black ...): one that only the later
  editions of that generation have, refused with that reason.

A form with its base form's stats whose abilities or learnset of the 4th and 5th generations differ
from its base form's (Basculin-Blue-Striped, Pichu-Spiky-eared) is kept beside the row: the box file
stores its number, and team text writes it back by its own name. kept_forms.csv names each such form
with its number in the games and its Japanese name; the generator stops when the forms found and
the forms listed differ.

The short spellings are @pkmn/dex's aliases that begin with the species' name ("rotomw" for
Rotom-Wash, written "Rotom-W" here) and the reviewed ones of form_spellings.csv; each reads as the
form it stands for."""

import re

SAME_ROW, BASE_SPECIES, LATER_EDITION, LATER_GENERATION = 0, 1, 2, 3
STATS = ("hp", "atk", "def", "spa", "spd", "spe")


def fold(name):
    """The letters team-text names are compared by (as text::foldName folds ASCII names)."""
    return re.sub(r"[\s\-'’.:_]", "", name.lower().replace("♀", "f").replace("♂", "m"))


def to_id(name):
    return re.sub(r"[^a-z0-9]", "", name.lower())


def dex_ids_of_rows(src, species_rows):
    """The @pkmn/dex id of each of our rows: a default form is the base entry of its number, an
    alternate form the PokeAPI identifier without its hyphens."""
    forms = src.rows("pkmn_dex_species_forms.csv")
    base_of_number = {int(r["num"]): r["id"] for r in forms if r["name"] == r["base_species"]}
    known = {r["id"] for r in forms}
    defaults = {r["id"]: r["is_default"] == "1" for r in src.rows("pokemon.csv")}
    ids = []
    for row in species_rows:
        dex_id = base_of_number[row["number"]] if defaults[row["pokemon_id"]] else row["identifier"].replace("-", "")
        if dex_id not in known:
            raise ValueError("species row %s has no entry in pkmn_dex_species_forms.csv" % row["identifier"])
        ids.append(dex_id)
    if len(set(ids)) != len(ids):
        raise ValueError("two species rows stand for the same @pkmn/dex entry")
    return ids


def _stats(r):
    return tuple(int(r[s]) for s in STATS)


def classify_forms(src, species_rows):
    """{@pkmn/dex id: (reading, row, generation, name)} for every entry of the forms extract."""
    forms = src.rows("pkmn_dex_species_forms.csv")
    by_name = {r["name"]: r for r in forms}
    row_of = {dex_id: i for i, dex_id in enumerate(dex_ids_of_rows(src, species_rows))}
    found = {}
    for r in forms:
        base = by_name[r["base_species"]]
        if r["id"] in row_of:
            found[r["id"]] = (SAME_ROW, row_of[r["id"]], 0, r["name"])
        elif r["gen5_status"] == "Future":
            found[r["id"]] = (LATER_GENERATION, row_of[base["id"]], int(r["gen"]), r["name"])
        elif r["cosmetic"] == "1" or _stats(r) == _stats(base):
            found[r["id"]] = (BASE_SPECIES, row_of[base["id"]], 0, r["name"])
        elif r["gen"] == "5":
            found[r["id"]] = (LATER_EDITION, row_of[base["id"]], 5, r["name"])
        else:
            raise ValueError("form %s is no row of ours, exists in generation 5 and has stats of its own" % r["id"])
    return found


def _alias_name(alias, target):
    """"rotomw" for Rotom-Wash -> "Rotom-W": the species' name, then the rest of the alias."""
    base = target["base_species"]
    rest = alias[len(to_id(base)):]
    return base + "-" + rest[:1].upper() + rest[1:]


def build_forms(src, species_rows, species_english):
    """[(name, reading, row, generation, form name)] of every form spelling that is not already a
    row's own English name, in name order."""
    forms = {r["id"]: r for r in src.rows("pkmn_dex_species_forms.csv")}
    by_name = {r["name"]: r for r in forms.values()}
    readings = classify_forms(src, species_rows)
    entries = []
    for dex_id, (reading, row, gen, name) in readings.items():
        r = forms[dex_id]
        if reading != SAME_ROW:
            entries.append((name, reading, row, gen, name))
        elif r["base_forme"]:
            entries.append((name + "-" + r["base_forme"], reading, row, gen, name))
    for r in src.rows("pkmn_dex_form_aliases.csv"):
        target = by_name[r["target"]]
        if not target["forme"]:
            continue  # another spelling of a species' own name, not of a form
        reading, row, gen, name = readings[target["id"]]
        entries.append((_alias_name(r["alias"], target), reading, row, gen, name))
    for r in src.rows("form_spellings.csv"):
        if not r["reason"].strip():
            raise ValueError("form_spellings.csv: %s needs a reason" % r["name"])
        reading, row, gen, name = readings[to_id(r["target"])]
        entries.append((r["name"], reading, row, gen, name))
    _check_unique(entries, species_english)
    return sorted(entries, key=lambda e: (fold(e[0]), e[0]))


def _check_unique(entries, species_english):
    seen = {fold(name): ("species row", i) for i, name in enumerate(species_english)}
    for name, reading, row, gen, form in entries:
        key = fold(name)
        if key in seen and seen[key] != (form, row):
            if seen[key][0] == "species row" and seen[key][1] == row and reading == SAME_ROW:
                raise ValueError("form spelling %s is the species row's own name" % name)
            raise ValueError("form spelling %s folds like %s" % (name, seen[key]))
        seen[key] = (form, row)


def _learnset_4_5(src, dex_id):
    """{move: sorted sources of generations 4 and 5} of an entry of the learnsets extract."""
    found = {}
    for r in src.rows("pkmn_dex_learnsets.csv"):
        if r["species"] == dex_id:
            sources = sorted(x for x in r["sources"].split() if x[0] in "45")
            if sources:
                found[r["move"]] = sources
    return found


def build_kept_forms(src, species_rows, ability_index):
    """[(row, number, English name, Japanese name, [ability1, ability2, hidden])] of the forms read
    as their base form's row whose abilities or 4th/5th-generation learnset differ from it."""
    readings = classify_forms(src, species_rows)
    gen5 = {r["id"]: r for r in src.rows("pkmn_dex_gen5_species.csv")}
    ability_ident = src.column("abilities.csv", "id", "identifier")
    ability_of = {v.replace("-", ""): ability_index[k] for k, v in ability_ident.items() if k in ability_index}
    row_ids = dex_ids_of_rows(src, species_rows)
    found = {}
    for dex_id, (reading, row, _, name) in readings.items():
        if reading != BASE_SPECIES:
            continue
        abilities = list(species_rows[row]["abilities"])
        if dex_id in gen5:
            abilities = [ability_of[gen5[dex_id][k]] if gen5[dex_id][k] else 0
                         for k in ("ability1", "ability2", "hidden_ability")]
        own = _learnset_4_5(src, dex_id)
        if sorted(abilities) != sorted(species_rows[row]["abilities"]) or (own and own != _learnset_4_5(src, row_ids[row])):
            found[name] = (row, abilities)
    listed = {r["form"]: r for r in src.rows("kept_forms.csv")}
    if set(found) != set(listed):
        raise ValueError("kept_forms.csv lists %s; the forms whose abilities or learnset differ are %s"
                         % (sorted(listed), sorted(found)))
    kept = []
    for name in sorted(found, key=lambda n: (found[n][0], int(listed[n]["number"]))):
        r = listed[name]
        if not r["reason"].strip() or int(r["number"]) < 1:
            raise ValueError("kept_forms.csv: %s needs a number from 1 and a reason" % name)
        kept.append((found[name][0], int(r["number"]), name, r["japanese"], found[name][1]))
    return kept


def emit_kept_forms(kept):
    out = ["// Forms kept beside their row (kept_forms.csv): species row, the form's number, its names and\n"
           "// abilities.\nconst KeptForm kKeptForms[] = {\n"]
    out.extend("    {%d, %d, %s, %s, {%s}},\n" % (row, number, c_string(en), c_string(ja), ", ".join(map(str, ab)))
               for row, number, en, ja, ab in kept)
    out.append("};\nconst int kKeptFormCount = sizeof kKeptForms / sizeof kKeptForms[0];\n")
    return "".join(out)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def emit_forms(entries):
    out = ["// Form spellings of team text, by folded name: name, reading (0 the row itself, 1 the base form's\n"
           "// row, 2 later 5th-generation editions, 3 a later generation), species row, generation, form.\n"
           "const TeamTextForm kTeamTextForms[] = {\n"]
    out.extend("    {%s, %d, %d, %d, %s},\n" % (c_string(name), reading, row, gen, c_string(form))
               for name, reading, row, gen, form in entries)
    out.append("};\nconst int kTeamTextFormCount = sizeof kTeamTextForms / sizeof kTeamTextForms[0];\n")
    return "".join(out)
