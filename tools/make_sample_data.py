#!/usr/bin/env python3
"""Writes a sample meeting day for MIR_TOTE into a start folder.

    python3 tools/make_sample_data.py START_FOLDER [--pat-folder NAME]

Creates the five working folders below START_FOLDER and fills them with one meeting day,
東京 3回8日 (Sunday 10 May 1998), 12 races of 8 to 18 runners:

  DATA/東京19980510.DEN   race-card records, 584 bytes each, race r is record r
  DATA/東京19980510.UMA   horse records, 1825 bytes each, in entry order
  DATA/騎手.DAT           jockey records, 1065 bytes each
  LZH/JV980510.LZH        the same three files as the data service delivers them
                          (JRA#DEN1.DAT, JRA#UMAJ.DAT, JRA#KISI.DAT; stored, -lh0-)
  FILE/ZO-58?.JRA         PAT odds files (PAT95 layout), UO-58?.JRA for more than 8 runners
  FILE/File/              empty: where the posting scripts go with the default settings
  FILE/KORVAN0510.ODS     a forum odds log of races 1 to 7 (sources of the conversions,
  FILE/OD980510.CSV       a TARGET odds file of races 1, 10, 11  copied from tests/data)

The PAT odds files go into START_FOLDER/FILE, the default PAT installation folder; the
odds-log folder "File" is taken relative to it during a run, hence FILE/File. Everything is
CP932. The data are made up, drawn from a fixed seed, so every run writes the same bytes
(the ZO files' modification times, shown as fetch times, are set too).
"""

import argparse
import datetime
import os
import random
import struct
import shutil
import sys

ENCODING = "cp932"
FULL_SPACE = "\u3000"

VENUE_CODE = "05"  # 東京
VENUE_CHAR = "5"
VENUE_NAME = "東京"
YEAR = "98"
MEETING = "3"
DAY = "8"
MONTH_DAY = "0510"
WEEKDAY = "2"  # 日
STEM = VENUE_NAME + "19" + YEAR + MONTH_DAY

# (post time, race name, edition, race type, weight rule, class codes 3/4/5/6+ years,
#  distance, course, grade, runners)
RACES = [
    ("0950", "４歳未勝利", "000", "12", "3", ("000", "703", "000", "000"), "1400", "24", " ", 16),
    ("1020", "４歳未勝利", "000", "12", "3", ("000", "703", "000", "000"), "1600", "11", " ", 12),
    ("1050", "４歳新馬", "000", "12", "3", ("000", "701", "000", "000"), "1400", "11", " ", 8),
    ("1120", "障害４歳以上未勝利", "000", "18", "4", ("000", "703", "703", "703"), "3000", "51", " ", 10),
    ("1210", "４歳５００万下", "000", "12", "3", ("000", "005", "000", "000"), "1600", "24", " ", 14),
    ("1240", "４歳以上５００万下", "000", "13", "4", ("000", "005", "005", "005"), "2000", "11", " ", 18),
    ("1310", "５歳以上９００万下", "000", "14", "4", ("000", "000", "009", "009"), "2100", "24", " ", 9),
    ("1340", "４歳以上９００万下", "000", "13", "4", ("000", "009", "009", "009"), "1800", "11", " ", 13),
    ("1415", "陣馬特別", "000", "13", "2", ("000", "016", "016", "016"), "1400", "11", "E", 15),
    ("1450", "府中ステークス", "000", "13", "1", ("000", "999", "999", "999"), "2000", "11", "E", 11),
    ("1540", "ＮＨＫマイルカップ", "003", "12", "4", ("000", "999", "000", "000"), "1600", "11", "A", 18),
    ("1620", "４歳以上９００万下", "000", "13", "4", ("000", "009", "009", "009"), "1600", "24", " ", 17),
]

# A scratched horse: (race, horse number).
SCRATCHED = {(6, 4), (11, 17)}

JOCKEYS = [
    ("0101", "山田", "太郎"), ("0102", "佐藤", "一郎"), ("0103", "鈴木", "健"),
    ("0104", "高橋", "誠"), ("0105", "田中", "勝"), ("0106", "伊藤", "学"),
    ("0107", "渡辺", "力"), ("0108", "中村", "翔太"), ("0109", "小林", "修"),
    ("0110", "加藤", "剛"), ("0111", "吉田", "豊"), ("0112", "山本", "優"),
    ("0113", "林", "正人"), ("0114", "森", "一"), ("0115", "関", "浩二郎"),
    ("0116", "長谷川", "亮"), ("0117", "佐々木", "大"), ("0118", "五十嵐", "剛志"),
    ("0119", "Ｊ．スミス", ""), ("0120", "Ｏ．マイヤー", ""),
]

NAME_HEADS = ["サクラ", "マチカネ", "メイショウ", "エイシン", "ダイワ", "ニシノ", "シルク",
              "タイキ", "ヤマニン", "トウカイ", "マヤノ", "ホッカイ", "アドマイヤ", "キング"]
NAME_TAILS = ["ローレル", "ブライト", "フラッシュ", "スピード", "ハヤテ", "ミラクル", "ドリーム",
              "サンライズ", "オーシャン", "グローリー", "スター", "ヴィクトリー", "ウインド",
              "カイザー", "プリンセス", "ムーン", "テイオー", "フェアリー", "スプリンター"]


def field(text, width, pad=" "):
    """CP932 bytes of `text`, padded with `pad` (encoded) and cut to exactly `width` bytes."""
    data = text.encode(ENCODING)
    pad_bytes = pad.encode(ENCODING)
    while len(data) + len(pad_bytes) <= width:
        data += pad_bytes
    return (data + b" " * width)[:width]


def put(record, offset, data):
    assert offset + len(data) <= len(record), (offset, data)
    record[offset:offset + len(data)] = data


def brackets_of(runners):
    """Bracket of each horse number: one horse per bracket up to 8 runners, otherwise the
    extra horses go to the last brackets."""
    if runners <= 8:
        return list(range(1, runners + 1))
    base, extra = divmod(runners, 8)
    result = []
    for b in range(1, 9):
        result += [b] * (base + (1 if b > 8 - extra else 0))
    return result


class Horse:
    def __init__(self, horse_id, name, sex, birth, weight, carried, jockey, bracket):
        self.id = horse_id
        self.name = name
        self.sex = sex
        self.birth = birth
        self.weight = weight
        self.carried = carried
        self.jockey = jockey
        self.bracket = bracket


def make_field(rng, race_no, race):
    post, name, edition, race_type, rule, classes, distance, course, grade, runners = race
    # The youngest running age group gives the birth year (ages counted as in 1998).
    youngest = 3 + next(i for i, c in enumerate(classes) if c != "000")
    horses = []
    used_names = set()
    for number, bracket in enumerate(brackets_of(runners), start=1):
        while True:
            horse_name = rng.choice(NAME_HEADS) + rng.choice(NAME_TAILS)
            if horse_name not in used_names and len(horse_name) <= 18:
                break
        used_names.add(horse_name)
        age = youngest + (rng.randrange(3) if classes[2] != "000" or youngest >= 5 else 0)
        birth_year = 98 - age + 1
        birth = "%02d%02d%02d" % (birth_year, rng.randint(2, 5), rng.randint(1, 28))
        sex = rng.choice("1112223") if youngest < 6 else rng.choice("113")
        weight = "000" if classes[1] == "701" else "%03d" % rng.randint(420, 530)
        carried = "%03d" % (rng.choice([540, 550, 570]) if rule != "1" else rng.randint(500, 580))
        if sex == "2" and rule in "34":
            carried = "%03d" % (int(carried) - 20)
        jockey = JOCKEYS[(race_no * 7 + number) % len(JOCKEYS)][0]
        horse_id = "%02d%02d%04d" % (birth_year, race_no, number)
        horses.append(Horse(horse_id, horse_name, sex, birth, weight, carried, jockey, bracket))
    return horses


def race_card_record(race_no, race, horses):
    post, name, edition, race_type, rule, classes, distance, course, grade, runners = race
    r = bytearray(b" " * 584)
    put(r, 0, field(VENUE_CODE, 2))
    put(r, 2, field(YEAR, 2))
    put(r, 4, field(MEETING, 1))
    put(r, 5, field(DAY, 1))
    put(r, 6, field("%02d" % race_no, 2))
    put(r, 8, field(MONTH_DAY, 4))
    put(r, 12, field(WEEKDAY, 1))
    put(r, 13, field(post, 4))
    put(r, 17, field(name, 60, FULL_SPACE))
    put(r, 77, field(edition, 3))
    put(r, 80, field(race_type, 2))
    put(r, 82, field("000", 3))
    put(r, 85, field(rule, 1))
    for i, code in enumerate(classes):
        put(r, 86 + 3 * i, field(code, 3))
    put(r, 98, field(distance, 4))
    put(r, 102, field(course, 2))
    put(r, 104, field(grade, 1))
    put(r, 105, field("%02d" % runners, 2))
    for i, h in enumerate(horses):
        at = 168 + 23 * i
        put(r, at, field(str(h.bracket), 1))
        put(r, at + 1, field(h.id, 8))
        put(r, at + 9, field(h.sex, 1))
        put(r, at + 10, field("0", 1))
        put(r, at + 11, field(h.carried, 3))
        put(r, at + 14, field(h.jockey, 4))
    put(r, 582, b"\r\n")
    return bytes(r)


def horse_record(h, rng):
    r = bytearray(b" " * 1825)
    put(r, 0, field(h.id, 8))
    put(r, 8, field("0", 1))
    put(r, 9, field(h.name, 36, FULL_SPACE))
    put(r, 89, field("", 40, FULL_SPACE))
    put(r, 130, field(h.sex, 1))
    put(r, 133, field(h.birth, 6))
    weights = [h.weight] + ["%03d" % (int(h.weight) + rng.randint(-8, 8)) if h.weight != "000"
                            else "000" for _ in range(4)]
    for k, w in enumerate(weights):
        put(r, 724 + 136 * k, field(w, 3))
    return bytes(r)


def jockey_record(code, family, given):
    r = bytearray(b" " * 1065)
    put(r, 0, field(code, 4))
    put(r, 11, field(family, 16, FULL_SPACE))
    put(r, 27, field(given, 16, FULL_SPACE))
    return bytes(r)


def odds_text(value, width):
    text = "%.1f" % min(value, 999.9 if width == 5 else 9999.9)
    return text.rjust(width).encode(ENCODING)


def pat_header(race_no, race, odds_time):
    post, name, edition, race_type, rule, classes, distance, course, grade, runners = race
    date8 = "19" + YEAR + MONTH_DAY
    race2 = ("%2d" % race_no) if race_no < 10 else "%02d" % race_no  # " 5" as PAT writes it
    h = b""
    h += field(date8, 8) + field(date8, 8) + b"02" + field(date8, 8) + b"01"
    h += field(VENUE_NAME, 4) + b"19" + field(YEAR, 2)
    h += field("0" + MEETING, 2) + field("0" + DAY, 2) + field(race2, 2)
    h += b"01" + field(odds_time, 4)
    h += field(name[:14], 28)
    h += field("", 64)
    h += field("%2d" % runners, 2)
    assert len(h) == 142
    return h


def harville(strengths):
    """Win probabilities and the probability of each horse pair filling the first two
    places, from the horses' strengths; scratched horses have strength 0."""
    total = sum(strengths)
    win = [s / total for s in strengths]
    pair = {}
    for a in range(len(win)):
        for b in range(a + 1, len(win)):
            pa, pb = win[a], win[b]
            pair[(a + 1, b + 1)] = pa * pb / (1 - pa) + pb * pa / (1 - pb) if pa < 1 > pb else 0
    return win, pair


def zo_file(race_no, race, horses, strengths, odds_time):
    runners = len(horses)
    out = bytearray(pat_header(race_no, race, odds_time))
    win, pair = harville(strengths)
    for i in range(18):
        number = i + 1
        if number > runners:
            out += b" " * 18
        elif (race_no, number) in SCRATCHED:
            out += b"9" + ("%2d" % number).encode() + " ﾄﾘｹｼ".encode(ENCODING) * 3
        else:
            odds = max(1.1, 0.8 / win[i])
            # Place odds stay below 100: the odds text shows only their last 4 bytes.
            high = min(99.9, max(1.1, (1.0 + (odds - 1.0) * 0.2) * 1.6))
            low = max(1.0, high / 1.6)
            out += b"0" + ("%2d" % number).encode()
            out += odds_text(odds, 5) + odds_text(low, 5) + odds_text(high, 5)
    members = {}
    for i, h in enumerate(horses):
        members.setdefault(h.bracket, []).append(i + 1)
    for a in range(1, 9):
        for b in range(a, 9):
            head = " {}-{}".format(a, b).encode()
            combos = [(x, y) for x in members.get(a, []) for y in members.get(b, []) if x < y]
            if not combos:
                out += b" " + head + b" " * 5
                continue
            p = sum(pair[c] for c in combos)
            if p == 0:
                out += b"9" + head + " ﾄﾘｹｼ".encode(ENCODING)
            else:
                out += b"0" + head + odds_text(max(1.5, 0.75 / p), 5)
    out += b"A\r\n"
    assert len(out) == 829
    return bytes(out)


def uo_file(race_no, race, horses, strengths, odds_time):
    runners = len(horses)
    out = bytearray(pat_header(race_no, race, odds_time))
    _, pair = harville(strengths)
    for a in range(1, runners + 1):
        for b in range(a + 1, runners + 1):
            slot = ("%2d-%2d" % (a, b)).encode()
            if pair[(a, b)] == 0:
                out += b"9" + slot + "  ﾄﾘｹｼ".encode(ENCODING)
            else:
                out += b"0" + slot + odds_text(max(2.0, 0.75 / pair[(a, b)]), 6)
    out += b" " * 12 * (153 - runners * (runners - 1) // 2)
    out += b"A\r\n"
    assert len(out) == 1981
    return bytes(out)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def stored_lzh(files):
    """An LZH archive of (name, bytes) pairs: level-0 headers, data stored (-lh0-)."""
    out = b""
    for name, data in files:
        crc = 0
        for byte in data:
            crc ^= byte
            for _ in range(8):
                crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
        head = b"-lh0-" + struct.pack("<IIIBBB", len(data), len(data), 0x24AA6000, 0x20, 0,
                                      len(name)) + name + struct.pack("<H", crc)
        out += bytes([len(head), sum(head) & 0xFF]) + head + data
    return out + b"\0"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("start_folder")
    parser.add_argument("--pat-folder", default="FILE",
                        help="folder below the start folder for the PAT odds files (FILE)")
    args = parser.parse_args(argv)

    start = args.start_folder
    for name in ("LZH", "DATA", "FILE", "Work", "SEISEKI"):
        os.makedirs(os.path.join(start, name), exist_ok=True)
    data = os.path.join(start, "DATA")
    pat = os.path.join(start, args.pat_folder)
    os.makedirs(os.path.join(pat, "File"), exist_ok=True)

    rng = random.Random(19980510)
    cards = b""
    horse_file = b""
    for race_no, race in enumerate(RACES, start=1):
        horses = make_field(rng, race_no, race)
        cards += race_card_record(race_no, race, horses)
        for h in horses:
            horse_file += horse_record(h, rng)

        # Odds: one favourite, a few fancied horses, a long tail; race 11 gets two very long
        # shots so that four-digit quinella odds appear.
        strengths = [rng.uniform(0.3, 2.0) ** 1.5 for _ in horses]
        strengths[rng.randrange(len(horses))] *= 2.5
        if race_no == 11:
            strengths[-3] = strengths[-1] = 0.15
        for number in range(1, len(horses) + 1):
            if (race_no, number) in SCRATCHED:
                strengths[number - 1] = 0.0
        post = race[0]
        fetched = int(post[:2]) * 60 + int(post[2:]) - 10
        odds_time = "%02d%02d" % divmod(fetched, 60)
        zo_name = "ZO-{}{}{}.JRA".format(VENUE_CHAR, DAY, "123456789ABC"[race_no - 1])
        zo_path = os.path.join(pat, zo_name)
        write(zo_path, zo_file(race_no, race, horses, strengths, odds_time))
        paths = [zo_path]
        if len(horses) > 8:
            uo_path = os.path.join(pat, "U" + zo_name[1:])
            write(uo_path, uo_file(race_no, race, horses, strengths, odds_time))
            paths.append(uo_path)
        stamp = datetime.datetime(1998, 5, 10, fetched // 60, fetched % 60).timestamp()
        for path in paths:
            os.utime(path, (stamp, stamp))

    write(os.path.join(data, STEM + ".DEN"), cards)
    write(os.path.join(data, STEM + ".UMA"), horse_file)
    jockeys = b"".join(jockey_record(*j) for j in JOCKEYS)
    write(os.path.join(data, "騎手.DAT"), jockeys)
    write(os.path.join(start, "LZH", "JV980510.LZH"),
          stored_lzh([(b"JRA#DEN1.DAT", cards), (b"JRA#UMAJ.DAT", horse_file),
                      (b"JRA#KISI.DAT", jockeys)]))

    # Sources of the two odds conversions, in the folder their open dialogs start in.
    samples = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data",
                           "convert")
    for source, name in (("forum.ODS", "KORVAN0510.ODS"), ("OD980510.CSV", "OD980510.CSV")):
        shutil.copyfile(os.path.join(samples, source), os.path.join(start, "FILE", name))
    print("sample meeting day written to " + os.path.abspath(start))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
