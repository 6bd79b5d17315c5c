"""Compares the generation-5 values taken from PokeAPI with those of @pkmn/dex.

Every disagreement must be listed in exceptions.csv (table, id, name, field, pokeapi, pkmn_dex,
chosen, reason) with the same two values as the sources give; the chosen value is used. An
unlisted disagreement, or a listed one the sources no longer show, stops the generator.
"""

STAT_FIELDS = ("hp", "atk", "def", "spa", "spd", "spe")
ABILITY_FIELDS = ("ability1", "ability2", "hidden_ability")
MOVE_FIELDS = ("power", "accuracy", "pp", "type", "category", "target")

# @pkmn/dex describes targets for battles of up to three per side and folds some of PokeAPI's
# distinctions together; a target agrees when the PokeAPI identifier is one of these.
TARGET_AGREES = {
    "normal": {"selected-pokemon"},
    "any": {"selected-pokemon"},
    "adjacentFoe": {"selected-pokemon", "selected-pokemon-me-first"},
    "self": {"user"},
    "allAdjacentFoes": {"all-opponents"},
    "allAdjacent": {"all-other-pokemon"},
    "randomNormal": {"random-opponent"},
    "allyTeam": {"user-and-allies"},
    "allies": {"all-allies"},
    "adjacentAlly": {"ally"},
    "adjacentAllyOrSelf": {"user-or-ally"},
    "allySide": {"users-field"},
    "foeSide": {"opponents-field"},
    "all": {"entire-field", "all-pokemon"},
    "scripted": {"specific-move"},
}


def _pokeapi_target(dex_target):
    """The PokeAPI target identifier of an @pkmn/dex target chosen over PokeAPI's."""
    candidates = TARGET_AGREES.get(dex_target, set())
    if len(candidates) != 1:
        raise ValueError("@pkmn/dex target %s has no single PokeAPI equivalent" % dex_target)
    return next(iter(candidates))


def _plain_id(identifier):
    return identifier.replace("-", "")


class CrossCheck:
    def __init__(self, src):
        self._dex_species = {r["id"]: r for r in src.rows("pkmn_dex_gen5_species.csv")}
        self._dex_moves = {r["num"]: r for r in src.rows("pkmn_dex_gen5_moves.csv")}
        self._exceptions = {}
        for r in src.rows("exceptions.csv"):
            key = (r["table"], r["id"], r["field"])
            if key in self._exceptions:
                raise ValueError("exceptions.csv lists %s twice" % (key,))
            if r["chosen"] not in (r["pokeapi"], r["pkmn_dex"]) or not r["reason"].strip():
                raise ValueError("exceptions.csv %s: the chosen value must be one of the two, with a reason"
                                 % (key,))
            self._exceptions[key] = r
        self._used = set()
        self._problems = []

    def _resolve(self, table, ident, name, field, pokeapi, dex, agree):
        """The value to use for one field: PokeAPI's when the sources agree, else the listed choice."""
        if agree:
            return pokeapi
        key = (table, ident, field)
        listed = self._exceptions.get(key)
        if listed is None or listed["pokeapi"] != str(pokeapi) or listed["pkmn_dex"] != str(dex):
            self._problems.append("%s,%s,%s,%s,%s,%s" % (table, ident, name, field, pokeapi, dex))
            return pokeapi
        self._used.add(key)
        return listed["chosen"]

    def _dex_species_row(self, row):
        if row["pokemon_id"] == str(row["number"]):  # the default form: @pkmn/dex's base species
            matches = [r for r in self._dex_species.values()
                       if r["num"] == str(row["number"]) and r["id"] == r["base_species"]]
            dex = matches[0] if len(matches) == 1 else None
        else:
            dex = self._dex_species.get(_plain_id(row["identifier"]))
        if dex is None:
            raise ValueError("@pkmn/dex extract has no row for %s" % row["identifier"])
        return dex

    def species(self, row, pokeapi):
        dex = self._dex_species_row(row)
        ident, name = row["pokemon_id"], row["identifier"]
        stats = [int(self._resolve("species", ident, name, f, v, int(dex[f]), v == int(dex[f])))
                 for f, v in zip(STAT_FIELDS, pokeapi["stats"])]
        ours = "/".join(pokeapi["types"])
        theirs = "/".join(t for t in (dex["type1"], dex["type2"]) if t)
        types = self._resolve("species", ident, name, "types", ours, theirs, ours == theirs).split("/")
        abilities = [self._resolve("species", ident, name, f, a, dex[f], _plain_id(a) == dex[f])
                     for f, a in zip(ABILITY_FIELDS, pokeapi["abilities"])]
        return {"stats": stats, "types": types, "abilities": abilities}

    def move(self, move_id, identifier, pokeapi):
        dex = self._dex_moves.get(move_id)
        if dex is None:
            raise ValueError("@pkmn/dex extract has no move %s" % move_id)
        dex_power = int(dex["power"])
        if dex_power == 0 and dex["category"] != "status":
            dex_power = 1
        theirs = {"power": dex_power, "accuracy": int(dex["accuracy"]), "pp": int(dex["pp"]),
                  "type": dex["type"], "category": dex["category"], "target": dex["target"]}
        chosen = {}
        for f in MOVE_FIELDS:
            ours = pokeapi[f]
            agree = ours in TARGET_AGREES.get(theirs[f], ()) if f == "target" else ours == theirs[f]
            value = self._resolve("move", move_id, identifier, f, ours, theirs[f], agree)
            if f == "target" and value == theirs[f] and not agree:
                value = _pokeapi_target(value)
            chosen[f] = int(value) if isinstance(ours, int) else value
        return chosen

    def finish(self):
        stale = sorted(set(self._exceptions) - self._used)
        lines = []
        if self._problems:
            lines.append("PokeAPI and @pkmn/dex disagree; review and list in exceptions.csv "
                         "(table,id,name,field,pokeapi,pkmn_dex):")
            lines.extend("  " + p for p in self._problems)
        if stale:
            lines.append("exceptions.csv lists disagreements the sources no longer show:")
            lines.extend("  %s,%s,%s" % k for k in stale)
        if lines:
            raise ValueError("\n".join(lines))
