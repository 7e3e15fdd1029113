#!/usr/bin/env python3
"""Writes the made-up data-service files packed into tests/data/archive/full.lzh.

    python3 tools/make_archive_fixture.py FOLDER
    (cd FOLDER && jlha co5 full.lzh JRA#DEN1.DAT JRA#UMAJ.DAT JRA#SEI1.DAT \
        JRA#KISI.DAT JRA#CHOK.DAT JRA#HYO1.DAT)

Race cards of two venues (東京 "05", 京都 "08") on Saturday 16 and Sunday 17 May 1998, the
horses they name, results of 東京's two days, three jockeys, two trainers and a file with no
action. Race 東京 Saturday R1 has 12 runners. The horse file is not in race-card order,
holds one horse twice and lacks one horse.
"""

import os
import sys

ENC = "cp932"


def put(record, offset, text):
    data = text.encode(ENC)
    record[offset:offset + len(data)] = data


def record(length, fields):
    r = bytearray(b" " * length)
    for offset, text in fields:
        put(r, offset, text)
    r[length - 2:] = b"\r\n"
    return bytes(r)


# (venue, meeting, day, month-day, weekday, races: list of horse-id lists)
DAYS = [
    ("05", "3", "1", "0516", "1", [[f"9710{i:04d}" for i in range(1, 13)],
                                   ["97200001", "97200002", "97200003"]]),
    ("08", "2", "1", "0516", "1", [["97300001", "97300002"], ["97300003", "97300004"]]),
    ("05", "3", "2", "0517", "2", [["97400001", "97400002", "97400003"],
                                   ["97400001", "97999999"]]),
    ("08", "2", "2", "0517", "2", [["97500001", "97500002"]]),
]


def race_card(venue, meeting, day, month_day, weekday, race, ids):
    fields = [(0, venue + "98" + meeting + day + f"{race:02d}" + month_day + weekday),
              (13, "1000"), (17, "テストレース".ljust(30, "\u3000")), (77, "000"), (80, "12"),
              (85, "3"), (86, "000999000000"), (98, "1600"), (102, "11"), (105, f"{len(ids):02d}")]
    for i, horse in enumerate(ids):
        fields.append((168 + 23 * i, f"{i % 8 + 1}{horse}1 550J{i:03d}"))
    return record(584, fields)


def horse(horse_id, name, note):
    return record(1825, [(0, horse_id), (9, name.ljust(18, "\u3000")), (89, note),
                         (130, "1"), (133, "950401"), (724, "480")])


def main(argv):
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    cards = b""
    ids = []
    for venue, meeting, day, month_day, weekday, races in DAYS:
        for race, race_ids in enumerate(races, start=1):
            cards += race_card(venue, meeting, day, month_day, weekday, race, race_ids)
            ids += [h for h in race_ids if h != "97999999"]
    # Horses in card order, except that 京都's Saturday horses come last; 97400001 twice.
    order = [h for h in dict.fromkeys(ids) if not h.startswith("973")]
    order += [h for h in dict.fromkeys(ids) if h.startswith("973")]
    horses = b"".join(horse(h, "ウマ" + h[-2:], "1") for h in order)
    horses += horse("97400001", "ウマ０１", "2")
    results = b"".join(
        record(1323, [(0, "0598" + m + d + f"{r:02d}" + md + w), (13, "12")])
        for m, d, md, w in [("3", "1", "0516", "1"), ("3", "2", "0517", "2")] for r in (1, 2))
    jockeys = b"".join(record(1065, [(0, f"J{i:03d}"), (11, "キシュ"), (27, str(i))])
                       for i in range(3))
    trainers = b"".join(record(600, [(0, f"T{i:03d}")]) for i in range(2))
    files = {"JRA#DEN1.DAT": cards, "JRA#UMAJ.DAT": horses, "JRA#SEI1.DAT": results,
             "JRA#KISI.DAT": jockeys, "JRA#CHOK.DAT": trainers,
             "JRA#HYO1.DAT": b"HYO1 stays in Work\r\n"}
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv)
