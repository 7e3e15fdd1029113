#!/usr/bin/env python3
"""Writes the results of the sample meeting day into a start folder.

    python3 tools/make_sample_results.py START_FOLDER

Run after tools/make_sample_data.py: it reads the day's race cards and horses from DATA and
writes, for the same 12 races of 東京 3回8日 (10 May 1998),

  LZH/SE980510.LZH           the results as the data service delivers them: JRA#SEI1.DAT,
                             results records of 1323 bytes, race r is record r (stored, -lh0-);
                             `mir_tote extract LZH/SE980510.LZH` writes SEISEKI/東京19980510.SEI
  FILE/KS-5038?.JRA          PAT result files of the races, in the PAT installation folder

Race 3 has a dead heat for 2nd, race 5 a demoted horse, race 6 and race 11 a scratched
horse, race 10 two horses excluded at the start, race 12 a horse that did not finish.
The finishing orders are drawn from a fixed seed, so every run writes the same bytes.
"""

import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_sample_data import (ENCODING, STEM, SCRATCHED, VENUE_CHAR,  # noqa: E402
                              brackets_of, field, put, stored_lzh, write)

CARD, HORSE, RESULT = 584, 1825, 1323
MARGINS = ["1  ", "A  ", "K  ", "H  ", " 12", " 34", "112", "2  ", "3  ", "5  "]
ABNORMAL = {(6, 4): "1", (11, 17): "1", (10, 2): "2", (10, 9): "2", (12, 5): "4"}


def text(data, offset, width):
    return data[offset:offset + width].decode(ENCODING)


def digits(value, width):
    return ("%0*d" % (width, value)).encode()


def amount(value, width):
    return str(value).rjust(width).encode()


def race_results(rng, race_no, card, horses):
    """Finishing order, payouts and the slot fields of one race."""
    runners = int(text(card, 105, 2))
    numbers = list(range(1, runners + 1))
    out = [n for n in numbers if (race_no, n) in ABNORMAL]
    order = [n for n in numbers if n not in out]
    rng.shuffle(order)
    positions = {n: i + 1 for i, n in enumerate(order)}
    if race_no == 3:
        positions[order[2]] = 2  # dead heat for 2nd
    popularity = numbers[:]
    rng.shuffle(popularity)
    base = 60 + rng.randrange(40)
    slots = []
    for n in numbers:
        entry = card[168 + 23 * (n - 1):168 + 23 * n]
        horse = horses.get(entry[1:9], b" " * HORSE)
        code = ABNORMAL.get((race_no, n), "0")
        if race_no == 5 and positions.get(n) == 3:
            code = "7"
        place = positions.get(n, 0)
        seconds = base + place // 2 if place else 0
        weight = text(horse, 724, 3)
        body = "000" if weight == "000" or code == "1" else "%03d" % (int(weight) + rng.randint(-6, 6))
        slot = bytearray(b"0" * 52)
        put(slot, 0, b" " + (b"02" if code == "7" else b"  ") + digits(place, 2) + code.encode())
        put(slot, 6, (MARGINS[(place + race_no) % len(MARGINS)] if place > 1 else "   ").encode())
        put(slot, 9, b"1" + digits(seconds % 60 if place else 0, 2) + digits(place % 10, 1))
        put(slot, 13, entry[11:14] + body.encode())
        put(slot, 33, entry[1:9] + b" " + entry[14:18] + b"    " + digits(popularity[n - 1], 2))
        slots.append(bytes(slot))
    return runners, order, positions, slots


def payouts(rng, race_no, runners, order):
    brackets = brackets_of(runners)
    win = [(order[0], rng.randint(150, 3000))]
    if race_no == 3:
        place_horses = order[:3]
    else:
        place_horses = order[:3] if runners >= 8 else order[:2]
    place = [(n, rng.randint(110, 900)) for n in place_horses]
    pair = sorted(order[:2])
    bracket = [(sorted([brackets[pair[0] - 1], brackets[pair[1] - 1]]), rng.randint(300, 5000))]
    quinella = [(pair, rng.randint(400, 9000))]
    if race_no == 3:  # 2nd dead heat: the second pair pays too
        pair2 = sorted([order[0], order[2]])
        bracket.append((sorted([brackets[pair2[0] - 1], brackets[pair2[1] - 1]]), 980))
        quinella.append((pair2, 1240))
    return win, place, bracket, quinella


def results_record(rng, race_no, card, horses):
    runners, order, positions, slots = race_results(rng, race_no, card, horses)
    win, place, bracket, quinella = payouts(rng, race_no, runners, order)
    classes = [text(card, 86 + 3 * i, 3) for i in range(4)]
    r = bytearray(b"0" * RESULT)
    put(r, 0, card[0:13] + card[80:82] + b"000")
    put(r, 18, next((c for c in classes if c != "000"), "000").encode())
    put(r, 21, card[85:86] + card[98:104] + card[17:77] + card[77:80] + card[104:105])
    put(r, 92, b"11" + digits(runners, 2))
    for i, prize in enumerate([6500, 2600, 1600, 980, 650]):
        put(r, 96 + 7 * i, digits(prize * (10 if race_no == 11 else 1), 7))
    put(r, 145, digits(100, 6) + digits(29, 6))
    for i, (n, yen) in enumerate(win):
        put(r, 175 + 9 * i, digits(n, 2) + digits(yen, 7))
    for i, (n, yen) in enumerate(place):
        put(r, 202 + 9 * i, digits(n, 2) + digits(yen, 7))
    for i, ((a, b), yen) in enumerate(bracket):
        put(r, 247 + 9 * i, ("%d%d" % (a, b)).encode() + digits(yen, 7))
    for i, ((a, b), yen) in enumerate(quinella):
        put(r, 274 + 12 * i, digits(a, 2) + digits(b, 2) + digits(yen, 8))
    for n, slot in enumerate(slots):
        put(r, 385 + 52 * n, slot)
    put(r, 1321, b"\r\n")
    return bytes(r), positions, win, place, bracket, quinella


def ks_file(race_no, positions, win, place, bracket, quinella):
    k = bytearray(b" " * 560)
    put(k, 0, b"19980510")
    put(k, 14, b"980308" + ("%2d" % race_no).encode())
    put(k, 26, field("良", 3))
    put(k, 30, field("稍", 3))
    placed = sorted((p, n) for n, p in positions.items())[:3]
    for i, (p, n) in enumerate(placed):
        put(k, 90 + 40 * i, str(p).encode() + b" " + ("%2d" % n).encode())
        put(k, 112 + 40 * i, ("1.%02d.%d" % (30 + race_no, p)).encode())
    for i, (n, yen) in enumerate(win):
        put(k, 374 + 10 * i, ("%2d" % n).encode() + amount(yen, 8))
    for i, (n, yen) in enumerate(place):
        put(k, 404 + 10 * i, ("%2d" % n).encode() + amount(yen, 8))
    for i, ((a, b), yen) in enumerate(bracket):
        put(k, 455 + 12 * i, ("%d-%d" % (a, b)).encode() + amount(yen, 8))
    for i, ((a, b), yen) in enumerate(quinella):
        put(k, 491 + 14 * i, ("%02d-%02d" % (a, b)).encode() + amount(yen, 8))
    out = [n for (race, n) in SCRATCHED if race == race_no]
    if out:
        put(k, 532, b"1")
        for i, n in enumerate(out):
            put(k, 534 + 3 * i, ("%2d" % n).encode())
    return bytes(k)


def main(argv):
    if len(argv) != 1:
        print(__doc__)
        return 2
    start = argv[0]
    data = os.path.join(start, "DATA")
    with open(os.path.join(data, STEM + ".DEN"), "rb") as f:
        cards = f.read()
    with open(os.path.join(data, STEM + ".UMA"), "rb") as f:
        uma = f.read()
    horses = {uma[i:i + 8]: uma[i:i + HORSE] for i in range(0, len(uma), HORSE)}
    rng = random.Random(19980511)
    sei = b""
    for race_no in range(1, len(cards) // CARD + 1):
        card = cards[(race_no - 1) * CARD:race_no * CARD]
        record, positions, win, place, bracket, quinella = results_record(rng, race_no, card, horses)
        sei += record
        name = "KS-{}038{}.JRA".format(VENUE_CHAR, "123456789ABC"[race_no - 1])
        write(os.path.join(start, "FILE", name), ks_file(race_no, positions, win, place, bracket,
                                                         quinella))
    write(os.path.join(start, "LZH", "SE980510.LZH"), stored_lzh([(b"JRA#SEI1.DAT", sei)]))
    print("sample results written to " + os.path.abspath(start))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
