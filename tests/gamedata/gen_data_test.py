#!/usr/bin/env python3
"""The table generator's safeguards: it stops on disagreements between the sources that are not
reviewed, on stale or malformed reviews, on names that do not fit their slots, and --check reports
stale committed tables with a diff."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOLS = os.path.join(REPO, "tools", "datagen")
sys.path.insert(0, TOOLS)

from gen_data_sources import egg_group_index, move_index, syllabary_key, type_index  # noqa: E402

SOURCE = os.path.join(REPO, "data", "source")
GENERATED = os.path.join(REPO, "src", "data", "generated")


def run_generator(*args):
    return subprocess.run([sys.executable, os.path.join(TOOLS, "gen_data.py")] + list(args),
                          capture_output=True, text=True)


class GeneratorSafeguards(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        self.source = os.path.join(self.tmp, "source")
        shutil.copytree(SOURCE, self.source)
        self.out = os.path.join(self.tmp, "out")

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def edit(self, name, old, new):
        path = os.path.join(self.source, name)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        self.assertIn(old, text)
        if new is None:
            lines = [line for line in text.splitlines(True) if not line.startswith(old)]
            text = "".join(lines)
        else:
            text = text.replace(old, new, 1)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)

    def generate(self):
        return run_generator("--source", self.source, "--out", self.out)

    def test_sources_as_vendored_generate(self):
        self.assertEqual(self.generate().returncode, 0)
        generated = sorted(n for n in os.listdir(GENERATED) if n.endswith((".cpp", ".h")))
        self.assertEqual(sorted(os.listdir(self.out)), generated)

    def test_refusals(self):
        cases = [
            # An unreviewed disagreement: はねやすめ's PP without its exceptions row (None deletes the line).
            ("exceptions.csv", "move,355,roost,pp,5,10,10,", None, "move,355,roost,pp,5,10"),
            # A new disagreement: a base stat changed on one side only.
            ("pkmn_dex_gen5_species.csv", "1,bulbasaur,bulbasaur,,45,", "1,bulbasaur,bulbasaur,,46,",
             "species,1,bulbasaur,hp,45,46"),
            # A review whose values the sources no longer show.
            ("exceptions.csv", "move,355,roost,pp,5,10,10,", "move,355,roost,pp,5,15,15,", "no longer show"),
            # A chosen value that is neither source's.
            ("exceptions.csv", "move,355,roost,pp,5,10,10,", "move,355,roost,pp,5,10,7,", "chosen value"),
            # A species name too long for its 32-byte Shift-JIS slot (16 double-byte characters).
            ("form_names.csv", "10018,メロエッタ（ステップ）", "10018,メロエッタメロエッタメロエッタメロエ",
             "does not fit"),
            # A name Shift-JIS cannot hold.
            ("move_names.csv", "1,1,はたく", "1,1,はたく\u00e9", "does not fit"),
            # A characteristic text Shift-JIS cannot hold, and one that names no stat of ours.
            ("characteristic_text.csv", "1,1,たべるのが", "1,1,\u00e9たべるのが", "does not fit"),
            ("characteristics.csv", "30,6,4", "30,7,4", "out of range"),
            # Held item indices are stored in box files: an item the order lacks, renumbered items.
            ("held_item_order.csv", "245,bignugget", None, "lacks bignugget"),
            ("held_item_order.csv", "1,masterball", "2,masterball", "must number"),
            # A type boost worded in a way the generator does not read.
            ("pkmn_dex_items.csv", "Holder's Bug-type attacks have 1.2x power.,",
             "Holder's Bug-type moves have 1.2x power.,", "does not read"),
            # A damage-item row whose item is not the one the row names.
            ("damage_item_rows.csv", "2,lifeorb,", "2,leftovers,", "row 2 names いのちのたま"),
            # A form spelling that another form already has.
            ("form_spellings.csv", "Wormadam-S,", "Wormadam-G,", "folds like"),
            # Two abilities whose English names give one id.
            ("ability_names.csv", "2,9,Drizzle", "2,9,Stench", "both named Stench"),
            # A form whose abilities differ from its base form's, not kept beside its row.
            ("kept_forms.csv", "Basculin-Blue-Striped,", None, "the forms whose abilities or learnset differ"),
            # A reviewed legality source that @pkmn/dex has come to give itself.
            ("legality_additions.csv", "nosepass,headsmash,4E,", "nosepass,block,4E,", "gives nosepass block 4E already"),
        ]
        for name, old, new, message in cases:
            with self.subTest(name=name, new=new):
                shutil.rmtree(self.source)
                shutil.copytree(SOURCE, self.source)
                self.edit(name, old, new)
                run = self.generate()
                self.assertNotEqual(run.returncode, 0)
                self.assertIn(message, run.stderr)

    def test_check_reports_stale_tables_with_a_diff(self):
        shutil.copytree(GENERATED, self.out)
        self.assertEqual(run_generator("--check", "--source", self.source, "--out", self.out).returncode, 0)
        self.edit("moves.csv", "1,pound,1,1,40,35,100,", "1,pound,1,1,40,35,95,")
        self.edit("pkmn_dex_gen5_moves.csv", "1,pound,40,100,", "1,pound,40,95,")
        run = run_generator("--check", "--source", self.source, "--out", self.out)
        self.assertEqual(run.returncode, 1)
        self.assertIn('-    {"はたく", 40, 100, 35, 0, 0, 1, 0}, // 0 (national 1)', run.stdout)
        self.assertIn('+    {"はたく", 40, 95, 35, 0, 0, 1, 0}, // 0 (national 1)', run.stdout)
        # --check never writes.
        with open(os.path.join(self.out, "moves.cpp"), encoding="utf-8") as f:
            self.assertIn('{"はたく", 40, 100, 35,', f.read())


class Mappings(unittest.TestCase):
    def test_index_mappings(self):
        cases = [
            (type_index, [("1", 0), ("9", 8), ("10", 10), ("17", 17)]),
            (egg_group_index, [("1", 0), ("9", 8), ("12", 11), ("13", 14), ("14", 12), ("15", 15)]),
            (move_index, [("1", 0), ("552", 551), ("555", 552), ("553", 553), ("554", 554), ("556", 555),
                          ("559", 558)]),
        ]
        for function, pairs in cases:
            for given, expected in pairs:
                self.assertEqual(function(given), expected, (function.__name__, given))
        for function, bad in [(type_index, "18"), (egg_group_index, "16"), (move_index, "560")]:
            with self.assertRaises(ValueError):
                function(bad)

    def test_syllabary_order(self):
        cases = [
            # Voicing only breaks ties: plain, voiced, semi-voiced.
            (["ぱ", "は", "ば"], ["は", "ば", "ぱ"]),
            # ...so a voiced kana sorts with its plain kana, before the next plain kana.
            (["はさ", "ばか"], ["ばか", "はさ"]),
            # Katakana sorts as hiragana.
            (["かめ", "カキ"], ["カキ", "かめ"]),
            # The long-vowel mark is the preceding vowel: ノー = のお, before のま.
            (["ノーマル", "のか", "ノーてんき", "のお"], ["のお", "ノーてんき", "ノーマル", "のか"]),
            # Small kana compare as their plain form: ちょう = ちよう, after ちゆ.
            (["ちよか", "ちょう", "ちゆ"], ["ちゆ", "ちょう", "ちよか"]),
        ]
        for given, expected in cases:
            self.assertEqual(sorted(given, key=syllabary_key), expected)


if __name__ == "__main__":
    unittest.main()
