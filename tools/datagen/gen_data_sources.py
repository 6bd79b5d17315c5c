"""Reading the vendored CSVs (by column name) and the small lookups shared by the table builders."""

import csv
import os
import unicodedata

JAPANESE = "1"  # local_language_id of the kana names

# version_group_id of each edition, in the program's edition order QX, ZV, JYJY, TK.
EDITION_GROUPS = (8, 9, 10, 11)
# The first version group of generation 6: values changed from it on are not ours.
FIRST_LATER_GROUP = 15

LEVEL_UP, EGG, TUTOR, MACHINE, LIGHT_BALL_EGG = "1", "2", "3", "4", "6"

# PokeAPI pokemon ids of the alternate forms, placed right after the default form of the number.
FORM_ROWS = {
    386: (10001, 10002, 10003),
    413: (10004, 10005),
    479: (10008, 10009, 10010, 10011, 10012),
    487: (10007,),
    492: (10006,),
    555: (10017,),
    648: (10018,),
}
# The second row of this number is a battle-only form: nothing evolves into it.
NO_EVOLUTION_INTO = {10017}

LAST_NATIONAL = 649
LAST_GEN4_NATIONAL = 493


class Sources:
    """The directory of vendored CSVs; each file is read once, rows as dicts keyed by column name."""

    def __init__(self, directory):
        self.directory = directory
        self._cache = {}

    def rows(self, name):
        if name not in self._cache:
            path = os.path.join(self.directory, name)
            if not os.path.exists(path):
                raise ValueError("missing source file " + path)
            with open(path, encoding="utf-8", newline="") as f:
                self._cache[name] = list(csv.DictReader(f))
        return self._cache[name]

    def column(self, name, key, value, where=None):
        """{row[key]: row[value]} over the rows of a file (optionally filtered)."""
        return {r[key]: r[value] for r in self.rows(name) if where is None or where(r)}


def species_row_ids():
    """PokeAPI pokemon ids in species-index order (663 rows)."""
    ids = []
    for number in range(1, LAST_NATIONAL + 1):
        ids.append(number)
        ids.extend(FORM_ROWS.get(number, ()))
    return ids


def type_index(type_id):
    """PokeAPI type id to the program's type index; index 9 is the placeholder and no id maps to it."""
    t = int(type_id)
    if not 1 <= t <= 17:
        raise ValueError("type id %d has no index in generation 5" % t)
    return t - 1 if t <= 9 else t


def egg_group_index(group_id):
    """PokeAPI egg group id to the program's egg group (13 "性別不明" has no PokeAPI id)."""
    g = int(group_id)
    if not 1 <= g <= 15:
        raise ValueError("egg group id %d has no index" % g)
    return {13: 14, 14: 12, 15: 15}.get(g, g - 1)


def move_index(move_id):
    """National move id to the row of the move table (バークアウト keeps row 552)."""
    m = int(move_id)
    if 1 <= m <= 552:
        return m - 1
    table = {555: 552, 553: 553, 554: 554, 556: 555, 557: 556, 558: 557, 559: 558}
    if m not in table:
        raise ValueError("move id %d has no row in the move table" % m)
    return table[m]


def move_ids_in_row_order():
    return list(range(1, 553)) + [555, 553, 554, 556, 557, 558, 559]


def cp932_fits(text, slot_bytes=32):
    """A name must fit its fixed Shift-JIS slot with its terminating NUL."""
    try:
        return len(text.encode("cp932")) <= slot_bytes - 1
    except UnicodeEncodeError:
        return False


# ---- Japanese syllabary order of kana names ---------------------------------------------------

_SMALL_KANA = dict(zip("ぁぃぅぇぉっゃゅょゎゕゖ", "あいうえおつやゆよわかけ"))
_VOWEL_ROWS = {
    "あ": "あかさたなはまやらわ",
    "い": "いきしちにひみりゐ",
    "う": "うくすつぬふむゆる",
    "え": "えけせてねへめれゑ",
    "お": "おこそとのほもよろを",
}
_VOWEL_OF = {kana: vowel for vowel, row in _VOWEL_ROWS.items() for kana in row}
_DAKUTEN, _HANDAKUTEN = "\u3099", "\u309a"


def _fold_kana(ch):
    if "\u30a1" <= ch <= "\u30f6":
        return chr(ord(ch) - 0x60)
    return ch


def syllabary_key(name):
    """Sort key: plain kana first (katakana folded, voicing and small kana set aside, the long-vowel
    mark read as the preceding vowel), then voicing, then smallness, then the text itself."""
    plain, voicing, small = [], [], []
    for ch in name:
        ch = _fold_kana(ch)
        if ch == "ー":
            base = _VOWEL_OF.get(plain[-1], plain[-1]) if plain else ch
            plain.append(base)
            voicing.append(0)
            small.append(0)
            continue
        decomposed = unicodedata.normalize("NFD", ch)
        base, marks = decomposed[0], decomposed[1:]
        voicing.append(2 if _HANDAKUTEN in marks else 1 if _DAKUTEN in marks else 0)
        small.append(1 if base in _SMALL_KANA else 0)
        plain.append(_SMALL_KANA.get(base, base))
    return (plain, voicing, small, name)
