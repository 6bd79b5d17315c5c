#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/. The box files are written here
from the record layout alone (144 bytes, little-endian int32 fields, a Shift-JIS name), so that a
layout mistake in the program cannot shape its own seeds. Run it again after changing it and
commit the result; the seeds are deterministic."""

import os
import shutil
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
FIXTURES = os.path.join(HERE, "..", "tests", "data")
CAPACITY = 1024
RECORD = 144
NO_MOVE = 65535


def record(name, species, level=50, nature=3, ability=9, item=16, direct=0,
           iv=(31,) * 6, ev=(0, 252, 0, 0, 6, 252), stat=(167, 120, 90, 100, 95, 156),
           moves=(84, 85, NO_MOVE, NO_MOVE)):
    raw = name.encode("cp932") if isinstance(name, str) else name
    body = struct.pack("<6i", species, level, nature, ability, item, direct)
    body += struct.pack("<6i", *iv) + struct.pack("<6i", *ev) + struct.pack("<6i", *stat)
    body += struct.pack("<4i", *moves)
    data = raw.ljust(32, b"\0") + body
    assert len(data) == RECORD
    return data


def box(records):
    data = b"".join(records)
    return data + b"\0" * (CAPACITY * RECORD - len(data))


def full_box():
    names = ["ピカチュウ", "ﾊﾞﾝｷﾞﾗｽ", "ガブリアス", "Direct", "ミュウツー", "ヒードラン"]
    records = []
    for i in range(CAPACITY):
        name = f"{names[i % len(names)]}{i}"
        records.append(record(name, species=(i * 7) % 663, level=1 + i % 100, nature=i % 25,
                              ability=i % 165, item=i % 17, direct=i % 2,
                              iv=tuple((i + s) % 32 for s in range(6)),
                              stat=tuple(1 + (i * 13 + s * 101) % 999 for s in range(6)),
                              moves=(i % 559, NO_MOVE if i % 3 else (i * 5) % 559, NO_MOVE, NO_MOVE)))
    return box(records)


def tie(data):
    """What ties an extension record to its 144-byte record: CRC-32 of the name bytes up to their
    terminator, one zero byte and the species number."""
    name = data[:32].split(b"\0", 1)[0]
    return zlib.crc32(name + b"\0" + data[32:36])


def extension_block(records, tied_to=None):
    """The block after the records: tag, version 1, record size 16, count 1024, the records
    (flags, gender, happiness, 0, held item index, the tie or four zero bytes, six zero bytes),
    CRC-32 of all before it. With `tied_to` (the box's bytes), each kept record carries its tie."""
    body = b"RUSRXTND" + struct.pack("<HHI", 1, 16, CAPACITY)
    for i, (flags, gender, happiness, item) in enumerate(records + [(0, 0, 0, 0)] * (CAPACITY - len(records))):
        tail = b"\0" * 10
        if tied_to is not None and flags & 1:
            flags |= 4
            tail = struct.pack("<I", tie(tied_to[i * RECORD:(i + 1) * RECORD])) + b"\0" * 6
        body += struct.pack("<BBBBH", flags, gender, happiness, 0, item) + tail
    return body + struct.pack("<I", zlib.crc32(body))


def write(target, name, data):
    path = os.path.join(CORPUS, target, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def box_seeds():
    full = full_box()
    write("box_file", "empty.vbd", b"")
    write("box_file", "saved_empty.vbd", box([]))
    write("box_file", "full.vbd", full)
    # A full box whose middle record has a species past the table and whose end runs long.
    bad = bytearray(full)
    bad[500 * RECORD + 32:500 * RECORD + 36] = struct.pack("<i", 663)
    write("box_file", "full_bad_record_long.vbd", bytes(bad) + b"\x01" * 300)
    write("box_file", "truncated_mid_record.vbd", full[:10 * RECORD + 77])
    # The same box with what each slot keeps beside its record: gender, happiness, shiny, and held
    # items that may or may not match the record's row; then the block with a wrong checksum.
    kept = [(1 | (2 if i % 16 == 0 else 0), i % 3, (i * 37) % 256, 0xFFFF if i % 4 else i % 250)
            for i in range(CAPACITY)]
    with_block = full + extension_block(kept)
    write("box_file", "full_with_block.vbd", with_block)
    write("box_file", "full_block_bad_checksum.vbd", with_block[:-1] + bytes([with_block[-1] ^ 1]))
    # Tied to their records; then the first two records swapped by a program that knows only them,
    # a flipped tag, and values out of range (a gender past 2, a flag no one writes).
    tied = full + extension_block(kept, full)
    write("box_file", "full_with_tied_block.vbd", tied)
    write("box_file", "full_tied_block_swapped.vbd", full[RECORD:2 * RECORD] + full[:RECORD] + tied[2 * RECORD:])
    write("box_file", "full_block_flipped_tag.vbd", full + b"RUSRXTNE" + tied[len(full) + 8:])
    odd = [(flags | (0x80 if i % 5 == 0 else 0), 9 if i % 7 == 0 else gender, happiness, item)
           for i, (flags, gender, happiness, item) in enumerate(kept)]
    write("box_file", "full_block_out_of_range.vbd", full + extension_block(odd, full))
    for fixture in ("box_mixed.vbd", "box_truncated.vbd"):
        shutil.copy(os.path.join(FIXTURES, fixture), os.path.join(CORPUS, "box_file", fixture))


# A settings input: key choice, int32 value, then the file.
def settings(pick, value, text):
    return bytes([pick]) + struct.pack("<i", value) + text


def settings_seeds():
    sections = {
        "Main": {"Version": 92},
        "TopWindow": {"left": 10, "top": 20, "right": 300, "bottom": 200},
        "Search": {"show": 1, "radio_w1": 1, "radio_w2": 0, "check_level": 1, "combo_u1": 3, "combo_wn4": 551},
        "ParaCheck": {"show": 0, "rule": 2, "level": 49, "seikaku": 7, "vant": 150},
        "Damage": {"show": 1, "left": -5, "top": 0, "right": 800, "bottom": 600},
        "DataView": {"number": 1, "clevel": 49, "qx": 1, "tk": 0},
        "DataEdit": {"left": 0, "top": 0, "right": 0, "bottom": 0, "rule": 1},
    }
    full = "".join(f"[{s}]\r\n" + "".join(f"{k}={v}\r\n" for k, v in keys.items()) for s, keys in sections.items())
    write("settings_file", "full.ini", settings(2, 0, full.encode()))
    write("settings_file", "version91.ini", settings(0, 92, full.replace("Version=92", "Version=91").encode()))
    write("settings_file", "lf_comments.ini",
          settings(6, 100, b"; notes\n[main]\nversion = 92\n\n[DataView]\nclevel=\"12\"\nextra = text\n"))
    write("settings_file", "odd_lines.ini",
          settings(5, -1, b"garbage\n[Search\nshow=1\n=5\n[]\n[Damage]\r\ntop=3\r\ntop=4\r\n\0\0binary"))
    write("settings_file", "empty.ini", settings(1, 7, b""))
    # A long-used, hand-edited file near the fuzzer's length limit: comments, other programs' keys
    # and sections, the program's own sections, a key repeated, blank runs and LF line ends mixed in.
    long_text = full
    i = 0
    while len(long_text) < 64 * 1024 - 200:
        long_text += f"; note {i}\r\n[Extra{i % 97}]\r\nname{i}=value {i}\r\ncount={i * 7}\n\r\n"
        if i % 50 == 0:
            long_text += f"[Search]\r\nshow={i % 2}\r\n[damage]\r\nTOP = {i}\r\n"
        i += 1
    write("settings_file", "long_hand_edited.ini", settings(3, 12345, long_text.encode()))


def cp932_seeds():
    texts = {
        "names_utf8": "フシギダネ ニドラン♀ デオキシス（ノーマル） ﾊﾞｰｼﾞｮﾝ ～－",
        "names_sjis": "ピカチュウ ①㈱纊 ＼￤".encode("cp932"),
        "mixed": b"abc\x82\xa0\xff\x80\xe3\x81\x82\xe3\x81\x81\xc0\x80\xed\xa0\x80\xf4\x90\x80\x80",
        "emoji": "😀 ASCII ｱｲｳ 漢字",
    }
    for i, (name, text) in enumerate(texts.items()):
        raw = text.encode("utf-8") if isinstance(text, str) else text
        write("cp932", name, bytes([7 + 9 * i]) + raw)


def set_text_seeds():
    os.makedirs(os.path.join(CORPUS, "set_text"), exist_ok=True)
    shutil.copy(os.path.join(FIXTURES, "team_sets.txt"), os.path.join(CORPUS, "set_text", "team_sets.txt"))
    texts = {
        "crlf_bom_direct": "\ufeffGarchomp (M) @ Choice Band\r\nLevel: 5\r\nTimid Nature\r\n"
                           "# Stats: 1 HP / 2 Atk / 3 Def / 4 SpA / 5 SpD / 6 Spe\r\n- Hidden Power [Ice]\r\n",
        "japanese_keys": "ニック (デオキシス(アタック))＠こだわりメガネ\n特性: プレッシャー\nレベル: 1\n"
                         "努力値: H252 / A 4 / 252 素早\n個体値: 0 C\nようきな性格\n－ サイコブースト\n",
        "failures": "Missingno\n\nGarchomp\nEVs: 252 HP / 252 Atk / 252 Spe\n\nPikachu\nLevel: x\n\n"
                    "Chomp\u2603 (Garchomp)\n- Spore\n- A / B\n",
    }
    for name, text in texts.items():
        write("set_text", name, text.encode("utf-8"))
    write("set_text", "shift_jis", "ガブリアス @ こだわりハチマキ\nLevel: 50\n- じしん\n".encode("cp932"))
    # Gender, shiny, happiness, a held item beyond the damage rows, a form with its base form's
    # stats and a hidden power without IVs; once with CR line ends, once as UTF-16 with its mark.
    whole = ("Arceus-Fire (F) @ Flame Plate\rShiny: Yes\rHappiness: 0\rJOLLY NATURE\r"
             "- Judgment\r- Hidden Power [Ice]\r\rGarchomp @ Silk Scarf\r# Item: 各種タイプ補正\r")
    write("set_text", "whole_sets_cr", whole.encode("utf-8"))
    write("set_text", "whole_sets_utf16", whole.replace("\r", "\r\n").encode("utf-16"))


if __name__ == "__main__":
    box_seeds()
    settings_seeds()
    cp932_seeds()
    set_text_seeds()
