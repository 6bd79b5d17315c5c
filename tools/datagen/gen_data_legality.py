"""Which moves each species row can have in generations 4 and 5, from any source: the learnsets of
@pkmn/dex (pkmn_dex_learnsets.csv) of the species, of the forms it changes from and of its
pre-evolutions, with every edition of those generations, distributions and the transfer from
generation 3.

A source is "<generation><kind>...": L level, M machine, E egg, T tutor, S distribution, R a form
change or an evolution's gift (ロトム's form moves, ヌケニン's moves from テッカニン), D the Dream
World; legality_additions.csv adds the reviewed sources that the editions' own learnset tables give
and @pkmn/dex lacks. A move learned in generation g is legal in every later generation the creature is brought
to, except a hidden machine's move, which the transfer refuses. スケッチ gives ドーブル every move
that existed in the generation it sketches in.

Per row, move and generation 4 or 5, the mask holds one bit per (generation of the source 3..5,
kind): bit 8 * (g - 3) + kind, kind 0 L, 1 M, 2 E, 3 T, 4 S, 5 R, 6 D, 7 sketched; and bit 24 when
only pre-evolutions give the move. The table is a list of (move, palette index) pairs per row,
sorted by move, and a palette of the distinct (generation-4 mask, generation-5 mask) pairs."""

from gen_data_forms import BASE_SPECIES, classify_forms, dex_ids_of_rows
from gen_data_sources import move_index

KINDS = "LMETSRD"
SKETCH_KIND = 7
PRE_EVOLUTION_ONLY = 1 << 24
FIRST_SOURCE_GEN = 3
GENERATIONS = (4, 5)
# Moves of hidden machines cannot be brought to the next generation (the transfer refuses the
# creature): from generation 3 to 4, and from 4 to 5.
HM_BLOCKED_INTO = {
    4: {"cut", "fly", "surf", "strength", "flash", "rocksmash", "waterfall", "dive"},
    5: {"cut", "fly", "surf", "strength", "rocksmash", "waterfall", "rockclimb"},
}
# These species' forms inherit the base form's learnset without changing from it.
INHERITS_BASE_FORM = {"Gastrodon"}
LAST_GEN3_MOVE = 354


def _bit(gen, kind):
    return 1 << (8 * (gen - FIRST_SOURCE_GEN) + kind)


class _Dex:
    def __init__(self, src):
        self.species = {r["id"]: r for r in src.rows("pkmn_dex_species_forms.csv") if r["cosmetic"] == "0"}
        self.by_name = {r["name"]: r["id"] for r in self.species.values()}
        self.learnsets = {}
        for r in src.rows("pkmn_dex_learnsets.csv"):
            self.learnsets.setdefault(r["species"], {})[r["move"]] = r["sources"].split()
        self._add_reviewed(src)

    def _add_reviewed(self, src):
        """legality_additions.csv: sources the editions' own tables give and @pkmn/dex lacks."""
        for r in src.rows("legality_additions.csv"):
            if not r["reason"].strip():
                raise ValueError("legality_additions.csv: %s %s needs a reason" % (r["species"], r["move"]))
            if r["species"] not in self.learnsets:
                raise ValueError("legality_additions.csv: no learnset of %s" % r["species"])
            sources = self.learnsets[r["species"]].setdefault(r["move"], [])
            for source in r["sources"].split():
                if source in sources:
                    raise ValueError("legality_additions.csv: @pkmn/dex gives %s %s %s already"
                                     % (r["species"], r["move"], source))
                sources.append(source)

    def id_of(self, name):
        return self.by_name[name] if name else None

    def _parent(self, s):
        """The next species whose learnset a species' moves come from."""
        if s["base_species"] in INHERITS_BASE_FORM and s["forme"]:
            return self.id_of(s["base_species"])
        if s["prevo"]:
            return self.id_of(s["prevo"])
        if s["changes_from"] and s["base_species"] != "Kyurem":
            return self.id_of(s["changes_from"])
        return None

    def holders(self, dex_id):
        """The species whose learnsets a species draws on, itself first."""
        out, seen = [], set()
        while dex_id and dex_id not in seen:
            seen.add(dex_id)
            s = self.species[dex_id]
            if dex_id in self.learnsets:
                out.append(dex_id)
                dex_id = self._parent(s)
            elif (s["changes_from"] or s["base_species"]) != s["name"]:
                dex_id = self.id_of(s["changes_from"] or s["base_species"])  # a form without its own learnset
            elif s["prevo"] and self.id_of(s["prevo"]) in self.learnsets:
                dex_id = self.id_of(s["prevo"])
            else:
                raise ValueError("species %s has no learnset to draw on" % dex_id)
        return out


def _move_tables(src):
    moves = {r["id"]: int(r["num"]) for r in src.rows("pkmn_dex_gen5_moves.csv")}
    gen4 = {r["id"] for r in src.rows("pkmn_dex_move_flags.csv") if r["gen"] == "4"}
    no_sketch = {r["id"] for r in src.rows("pkmn_dex_move_flags.csv") if "nosketch" in r["flags"].split()}

    def move_gen(move_id):
        return 3 if moves[move_id] <= LAST_GEN3_MOVE else 4 if move_id in gen4 else 5

    return moves, move_gen, no_sketch


def _masks(sources, move_id, target):
    mask = 0
    for source in sources:
        gen, kind = int(source[0]), source[1]
        if not FIRST_SOURCE_GEN <= gen <= target:
            continue
        if any(gen < into <= target and move_id in HM_BLOCKED_INTO[into] for into in HM_BLOCKED_INTO):
            continue
        mask |= _bit(gen, SKETCH_KIND if kind == "K" else KINDS.index(kind))
    return mask


def _sketched(learnset, moves, move_gen, no_sketch):
    """ドーブル's スケッチ: every move that existed in the generation of a スケッチ source, as "K"."""
    sketch = learnset.get("sketch", [])
    out = {}
    for move_id in moves:
        if move_id in no_sketch:
            continue
        gens = sorted({s[0] for s in sketch if move_gen(move_id) <= int(s[0])})
        if gens:
            out[move_id] = [g + "K" for g in gens]
    return out


def build_legality(src, species_rows, species_exists_in_gen4):
    dex = _Dex(src)
    moves, move_gen, no_sketch = _move_tables(src)
    row_ids = dex_ids_of_rows(src, species_rows)
    # Forms read as a row in team text (Arceus-Fire, Pichu-Spiky-eared) bring their own learnsets.
    extra = {}
    for dex_id, (reading, row, _, _) in classify_forms(src, species_rows).items():
        if reading == BASE_SPECIES and dex_id in dex.species:
            extra.setdefault(row, []).append(dex_id)
    palette, palette_index, table = [(0, 0)], {(0, 0): 0}, []
    for row, dex_id in enumerate(row_ids):
        number = dex.species[dex_id]["num"]
        holders = []
        for start in [dex_id] + extra.get(row, []):
            holders.extend(h for h in dex.holders(start) if h not in holders)
        found = {}
        for holder in holders:
            own = dex.species[holder]["num"] == number
            learnset = dict(dex.learnsets[holder])
            for move_id, sources in _sketched(learnset, moves, move_gen, no_sketch).items():
                learnset[move_id] = learnset.get(move_id, []) + sources
            for move_id, sources in learnset.items():
                masks = found.setdefault(move_id, [0, 0, False, False])
                for i, target in enumerate(GENERATIONS):
                    if target == 4 and not species_exists_in_gen4[row]:
                        continue
                    mask = _masks(sources, move_id, target)
                    masks[i] |= mask
                    masks[2 + i] |= own and mask != 0
        entries = []
        for move_id, (mask4, mask5, own4, own5) in found.items():
            if mask4 and not own4:
                mask4 |= PRE_EVOLUTION_ONLY
            if mask5 and not own5:
                mask5 |= PRE_EVOLUTION_ONLY
            if not mask4 and not mask5:
                continue
            pair = (mask4, mask5)
            if pair not in palette_index:
                palette_index[pair] = len(palette)
                palette.append(pair)
            entries.append((move_index(moves[move_id]), palette_index[pair]))
        table.append(sorted(entries))
    return {"legality": table, "legality_palette": palette}


def emit_legality(t, header, footer):
    palette, table = t["legality_palette"], t["legality"]
    out = [header,
           "// Distinct (generation 4, generation 5) source masks; entry 0 is no source.\n"
           "const MoveSourcePair kMoveSourcePalette[] = {\n"]
    out.extend("    {0x%07x, 0x%07x}, // %d\n" % (m4, m5, i) for i, (m4, m5) in enumerate(palette))
    out.append("};\nconst int kMoveSourcePaletteCount = %d;\n\n" % len(palette))
    out.append("// Per species row, its entries begin at kLegalMoveStart[row] and end at kLegalMoveStart[row + 1].\n"
               "const int32_t kLegalMoveStart[kSpeciesCount + 1] = {\n")
    start = 0
    starts = []
    for entries in table:
        starts.append(start)
        start += len(entries)
    starts.append(start)
    for i in range(0, len(starts), 16):
        out.append("    %s,\n" % ", ".join(str(v) for v in starts[i:i + 16]))
    out.append("};\n\n// move index << 16 | palette index, sorted by move within each row.\n"
               "const uint32_t kLegalMoves[] = {\n")
    for row, entries in enumerate(table):
        values = ["%d" % (move << 16 | pal) for move, pal in entries]
        out.append("    // %d\n" % row)
        for i in range(0, len(values), 12):
            out.append("    %s,\n" % ", ".join(values[i:i + 12]))
    out.append("};\nconst int kLegalMoveCount = %d;\n" % start)
    return "".join(out) + footer
