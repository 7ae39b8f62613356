#!/usr/bin/env python3
"""Writes the letter pairs of a made-up student into the student's coaching
file beside the user base, for screenshots of the pair list and the review
wizard's pair drill: the pairs a student at lesson 7 of the Beginner course
might have typed, eight of them slow.

  make_letter_pairs.py FOLDER "STUDENT NAME"

The file is "userbase.kl4.<name key>.coach" (the key as
src/core/records/sign_in_marker.cpp makes it) and its [LetterPairs] section
follows src/core/records/letter_pairs.h: "pair=attempts errors ms ms ..."."""
import random
import sys


def name_key(name):
    h = 1469598103934665603
    for c in name.strip().upper().encode("cp1252"):
        h = ((h ^ c) * 1099511628211) & 0xFFFFFFFFFFFFFFFF
    return "%016x" % h


def main():
    folder, name = sys.argv[1], sys.argv[2]
    rnd = random.Random(5)
    slow = {"ce": 520, "mu": 470, "gh": 455, "nc": 430, "ol": 410, "rn": 395, "sc": 380, "tr": 362}
    common = ["th", "he", "in", "er", "an", "re", "on", "at", "en", "nd", "ti", "es", "or", "te",
              "of", "ed", "is", "it", "al", "ar", "st", "to", "nt", "ng", "se", "ha", "as", "ou",
              "io", "le", "ve", "co", "me", "de", "hi", "ri", "ro", "ic", "ne", "ea", "ra", "li",
              "ch", "ll", "ma", "si", "om", "ur"]
    pairs = {p: rnd.randint(150, 320) for p in common}
    pairs.update(slow)
    lines = ["[LetterPairs]"]
    for p in sorted(pairs):
        times = [max(60, pairs[p] + rnd.randint(-60, 60)) for _ in range(15)]
        errors = rnd.randint(0, 4) + (3 if p in slow else 0)
        lines.append("%s=%d %d %s" % (p, rnd.randint(25, 40), errors, " ".join(map(str, times))))
    path = "%s/userbase.kl4.%s.coach" % (folder, name_key(name))
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main()
