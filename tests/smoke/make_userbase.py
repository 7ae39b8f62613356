#!/usr/bin/env python3
"""Writes a user base of made-up students with results, for screenshots and
benchmarks of the statistics pages: userbase.kl4 in the folder given.

  make_userbase.py FOLDER [LESSONS]

Records follow the layout documented in src/core/records/user.h (2584 bytes,
little-endian, strings as a length byte and 255 characters, results in
tenths, -1 for "no result yet")."""
import random
import struct
import sys

RECORD = 2584


def record(name, course, lessons, seed):
    rnd = random.Random(seed)
    b = bytearray(RECORD)

    def text(at, s):
        raw = s.encode("cp1252")[:255]
        b[at] = len(raw)
        b[at + 1:at + 1 + len(raw)] = raw

    def i16(at, v):
        struct.pack_into("<h", b, at, v)

    text(0, name)
    text(256, course)
    i16(512, 1)          # sounds
    i16(516, 45)         # lesson duration
    i16(518, 40 * lessons + 17)  # study minutes
    i16(522, min(lessons + 1, 12))  # key level
    i16(784, 3)          # exercise reached
    i16(786, lessons)    # lesson reached
    i16(828, 190)
    i16(830, 74)
    i16(832, 951)
    i16(834, 68)
    for c in range(1, 21):
        k = (c - 1) * 2
        if c <= lessons:
            speed = 90 + c * 11 + rnd.randint(-15, 15)
            acc = min(99.5, 88 + c * 0.5 + rnd.uniform(-2, 2))
            eff = min(98, 35 + c * 4 + rnd.randint(-6, 6))
            i16(788 + k, 4)
            i16(1036 + k, round(eff * 10))
            i16(1076 + k, round(acc * 10))
            i16(1116 + k, round(speed * 10))
            i16(1156 + k, 1500)
            i16(1196 + k, 60 + rnd.randint(0, 20))
            for e in range(1, 11):
                b[836 + (c - 1) * 10 + e - 1] = 1 if e <= 4 else 0
        else:
            for table in (1036, 1076, 1116):
                i16(table + k, -10)
            i16(1156 + k, -1)
            i16(1196 + k, -1)
    # Lesson 2 was skipped over: no speed stored.
    if lessons >= 3:
        i16(1116 + 2, -10)
    i16(1238, lessons)   # bookmark: lesson, exercise, event, spare
    i16(1240, 3)
    # Per-key history: letters typed often, a few of them badly.
    errors = {"q": 9, "z": 8, "p": 7, "x": 6, "b": 5, "y": 4, "v": 4, "m": 3, "k": 2, "w": 2}
    for ch in "abcdefghijklmnopqrstuvwxyz,.":
        code = ord(ch) - 33
        i16(1246 + code * 2, 400)
        i16(1692 + code * 2, 40)
        i16(2138 + code * 2, errors.get(ch, 0 if rnd.random() < 0.6 else 1))
    return bytes(b)


def main():
    folder = sys.argv[1]
    lessons = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    students = [("Zoe Quill", lessons, 1), ("Bo Tapper", 3, 2), ("Cy Keys", 17, 3)]
    with open(folder.rstrip("/") + "/userbase.kl4", "wb") as f:
        for name, n, seed in students:
            f.write(record(name, "Beginner.cnt", n, seed))


if __name__ == "__main__":
    main()
