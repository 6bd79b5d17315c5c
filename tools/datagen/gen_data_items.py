"""Every held item of generations 4 and 5 (the @pkmn/dex extract pkmn_dex_items.csv), with the
index box files store, the Japanese name, the damage-item row and the attributes the damage rules
read.

The index of an item is its line in held_item_order.csv: 0 is no item, and the order never changes
once written, because box files store the index. An item the extract gains is appended there; the
generator stops on an item of the extract the order does not list and on a listed one the extract
lost.

Japanese names come from item_names.csv (language 1): the PokeAPI item whose English name folds to
the same letters as the @pkmn/dex name, among those that have a Japanese name; item_matches.csv
lists the reviewed matches made by hand and the items that have no index at all.

What an item does to damage is read from @pkmn/dex's fields (berry, fling power, natural gift,
plate, drive, gem, the species an item belongs to) and, for the type an item boosts or a berry
resists, from its short description, whose wording the generator requires exactly."""

import re
import unicodedata

from gen_data_sources import JAPANESE, cp932_fits, type_index

ENGLISH = "9"
TYPE_BOOST_ROW = 1  # "各種タイプ補正"

# How an item raises the power of moves of a type (HeldItem::boostKind).
BOOST_NONE, BOOST_TYPE, BOOST_SPECIES_TYPES, BOOST_GEM = 0, 1, 2, 3

TYPE_ITEM = re.compile(r"^Holder's (\w+)-type attacks have 1\.2x power\.")
ORB = re.compile(r"(\w+)- (?:and|&) (\w+)-type attacks have 1\.2x power\.")
GEM = re.compile(r"^Holder's first successful (\w+)-type attack will have 1\.5x power\. Single use\.$")
ANY_TYPE_POWER = re.compile(r"-type\b.*\bpower")
RESIST_BERRY = re.compile(r"^Halves damage taken from a (?:supereffective )?(\w+)-type attack\. Single use\.$")


def fold_english(name):
    """Letters and digits of an English name, lower-case, accents dropped ("Poké Ball" -> "pokeball")."""
    ascii_text = unicodedata.normalize("NFKD", name).encode("ascii", "ignore").decode()
    return re.sub(r"[^a-z0-9]", "", ascii_text.lower())


class _Types:
    def __init__(self, src):
        ids = src.column("types.csv", "identifier", "id")
        self._index = {name: type_index(tid) for name, tid in ids.items() if 1 <= int(tid) <= 17}

    def __call__(self, name):
        if not name:
            return -1
        key = name.lower()
        if key not in self._index:
            raise ValueError("unknown type %r" % name)
        return self._index[key]


def _order(src, extract_ids, excluded):
    order = src.rows("held_item_order.csv")
    ids = [r["item"] for r in order]
    if [int(r["index"]) for r in order] != list(range(1, len(order) + 1)):
        raise ValueError("held_item_order.csv must number its items 1, 2, 3, ... in order")
    if len(set(ids)) != len(ids):
        raise ValueError("held_item_order.csv lists an item twice")
    missing = [i for i in extract_ids if i not in ids and i not in excluded]
    if missing:
        raise ValueError("held_item_order.csv lacks %s: append them at the end (indices never change)"
                         % ", ".join(missing))
    lost = [i for i in ids if i not in extract_ids or i in excluded]
    if lost:
        raise ValueError("held_item_order.csv lists %s, which the extract has no longer (or item_matches.csv "
                         "excludes)" % ", ".join(lost))
    return ids


def _japanese_names(src, items, matches):
    """{@pkmn/dex item id: kana name}."""
    kana = src.column("item_names.csv", "item_id", "name", lambda r: r["local_language_id"] == JAPANESE)
    by_english = {}
    for r in src.rows("item_names.csv"):
        if r["local_language_id"] == ENGLISH and r["item_id"] in kana:
            by_english.setdefault(fold_english(r["name"]), []).append(r["item_id"])
    names, used = {}, set()
    for item in items:
        if item["id"] in matches:
            item_id = matches[item["id"]]
            used.add(item["id"])
        else:
            found = by_english.get(fold_english(item["name"]), [])
            if len(found) != 1:
                raise ValueError("item %s matches %d PokeAPI items by its English name; list it in item_matches.csv"
                                 % (item["id"], len(found)))
            item_id = found[0]
        if item_id not in kana:
            raise ValueError("PokeAPI item %s (for %s) has no Japanese name" % (item_id, item["id"]))
        names[item["id"]] = kana[item_id]
    unused = set(matches) - used
    if unused:
        raise ValueError("item_matches.csv lists items the extract lacks: %s" % ", ".join(sorted(unused)))
    return names


def _species_numbers(src, item):
    numbers = {r["name"]: int(r["num"]) for r in src.rows("pkmn_dex_species_forms.csv")}
    users = sorted({numbers[name] for name in item["item_user"].split(";") if name})
    if len(users) > 2:
        raise ValueError("item %s belongs to more than two species" % item["id"])
    return users + [0] * (2 - len(users))


def _boost_in(item, desc, types):
    if item["is_gem"] == "1":
        m = GEM.match(desc)
        if not m:
            raise ValueError("gem %s: unexpected description %r" % (item["id"], desc))
        return BOOST_GEM, types(m.group(1)), -1
    m = TYPE_ITEM.match(desc)
    if m:
        return BOOST_TYPE, types(m.group(1)), -1
    m = ORB.search(desc)
    if m:
        if not item["item_user"]:
            raise ValueError("item %s boosts two types but belongs to no species" % item["id"])
        return BOOST_SPECIES_TYPES, types(m.group(1)), types(m.group(2))
    if ANY_TYPE_POWER.search(desc):
        raise ValueError("item %s: a type boost whose description the generator does not read: %r"
                         % (item["id"], desc))
    return BOOST_NONE, -1, -1


def _resist_in(item, desc, types):
    m = RESIST_BERRY.match(desc)
    if not m:
        if desc.startswith("Halves damage"):
            raise ValueError("berry %s: unexpected description %r" % (item["id"], desc))
        return -1
    return types(m.group(1))


def _from_descriptions(item, types, read):
    """What both generations' descriptions say alike; they must not disagree."""
    found = {read(item, item[column], types) for column in ("desc_gen4", "desc_gen5") if item[column]}
    if len(found) != 1:
        raise ValueError("item %s: the descriptions of generations 4 and 5 disagree" % item["id"])
    return found.pop()


def _damage_rows(src, japanese):
    rows = {}
    for r in src.rows("damage_item_rows.csv"):
        if r["item"] not in japanese:
            raise ValueError("damage_item_rows.csv: no held item %s" % r["item"])
        if japanese[r["item"]] != r["name"]:
            raise ValueError("damage_item_rows.csv: row %s names %s, the item is %s"
                             % (r["row"], r["name"], japanese[r["item"]]))
        rows[r["item"]] = int(r["row"])
    if sorted(rows.values()) != list(range(2, 16)):
        raise ValueError("damage_item_rows.csv must name the items of rows 2..15 once each")
    return rows


def _int(text):
    return int(text) if text else 0


def build_held_items(src):
    extract = {r["id"]: r for r in src.rows("pkmn_dex_items.csv")}
    matches, excluded = {}, set()
    for r in src.rows("item_matches.csv"):
        if not r["reason"].strip():
            raise ValueError("item_matches.csv: %s needs a reason" % r["item"])
        if r["item_id"]:
            matches[r["item"]] = r["item_id"]
        else:
            excluded.add(r["item"])
    order = _order(src, list(extract), excluded)
    items = [extract[i] for i in order]
    japanese = _japanese_names(src, items, matches)
    damage_rows = _damage_rows(src, japanese)
    types = _Types(src)
    rows = []
    for item in items:
        boost_kind, boost_type, boost_type2 = _from_descriptions(item, types, _boost_in)
        row = {
            "id": item["id"], "japanese": japanese[item["id"]], "english": item["name"],
            "generation": max(4, int(item["gen"])),
            "flingPower": _int(item["fling_power"]),
            "naturalGiftType": types(item["natural_gift_type"]), "naturalGiftPower": _int(item["natural_gift_power"]),
            "boostKind": boost_kind, "boostType": boost_type, "boostType2": boost_type2,
            "resistType": _from_descriptions(item, types, _resist_in),
            "plateType": types(item["plate_type"]), "driveType": types(item["drive_type"]),
            "berry": int(item["is_berry"]), "species": _species_numbers(src, item),
        }
        if item["id"] in damage_rows:
            row["damageRow"] = damage_rows[item["id"]]
        elif boost_kind in (BOOST_TYPE, BOOST_SPECIES_TYPES):
            row["damageRow"] = TYPE_BOOST_ROW
        else:
            row["damageRow"] = 0
        if not cp932_fits(row["japanese"]):
            raise ValueError("item name %r does not fit its 32-byte Shift-JIS slot" % row["japanese"])
        rows.append(row)
    row_items = {r: 0 for r in range(16)}
    row_items[TYPE_BOOST_ROW] = -1
    for index, row in enumerate(rows, 1):
        if row["id"] in damage_rows:
            row_items[damage_rows[row["id"]]] = index
    return {"held_items": rows, "damage_row_items": [row_items[r] for r in range(16)],
            "other_items": build_other_items(src)}


def build_other_items(src):
    """(Japanese name or "", English name, generation) of every item the extract knows that is not
    a held item of generations 4 and 5, so that team text naming one can be answered with its
    generation. The Japanese name is that of the one PokeAPI item matching the English name."""
    kana = src.column("item_names.csv", "item_id", "name", lambda r: r["local_language_id"] == JAPANESE)
    by_english = {}
    for r in src.rows("item_names.csv"):
        if r["local_language_id"] == ENGLISH and r["item_id"] in kana:
            by_english.setdefault(fold_english(r["name"]), []).append(kana[r["item_id"]])
    rows = []
    for r in src.rows("pkmn_dex_other_items.csv"):
        found = by_english.get(fold_english(r["name"]), [])
        japanese = found[0] if len(found) == 1 and cp932_fits(found[0]) else ""
        rows.append((japanese, r["name"], int(r["gen"])))
    return rows


def _c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def emit_held_items(t, header, footer):
    out = [header,
           "// Index 0 is no item; the order never changes (box files store the index).\n"
           "// japanese, english, generation, damageRow, flingPower, naturalGiftType, naturalGiftPower, boostKind,\n"
           "// boostType, boostType2, resistType, plateType, driveType, berry, species1, species2\n"
           "const HeldItem kHeldItems[] = {\n"
           '    {"", "", 0, 0, 0, -1, 0, 0, -1, -1, -1, -1, -1, 0, 0, 0}, // 0\n']
    for index, r in enumerate(t["held_items"], 1):
        values = [r["generation"], r["damageRow"], r["flingPower"], r["naturalGiftType"], r["naturalGiftPower"],
                  r["boostKind"], r["boostType"], r["boostType2"], r["resistType"], r["plateType"], r["driveType"],
                  r["berry"]] + r["species"]
        out.append("    {%s, %s, %s}, // %d\n" % (_c_string(r["japanese"]), _c_string(r["english"]),
                                                  ", ".join(str(v) for v in values), index))
    out.append("};\nconst int kHeldItemCount = sizeof kHeldItems / sizeof kHeldItems[0];\n\n")
    out.append("// The held item of each damage-item row 0..15 (-1: the row stands for many items).\n"
               "const int16_t kDamageRowItems[16] = {%s};\n\n"
               % ", ".join(str(v) for v in t["damage_row_items"]))
    out.append("// Japanese name (\"\" when unknown), English name, generation: the items of other generations.\n"
               "const OtherGenerationItem kOtherGenerationItems[] = {\n")
    out.extend("    {%s, %s, %d},\n" % (_c_string(ja), _c_string(en), gen) for ja, en, gen in t["other_items"])
    out.append("};\nconst int kOtherGenerationItemCount = sizeof kOtherGenerationItems / sizeof "
               "kOtherGenerationItems[0];\n")
    return "".join(out) + footer
