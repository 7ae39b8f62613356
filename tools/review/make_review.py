#!/usr/bin/env python3
"""Writes the review wizard's material into data/: for each course that
reviews, an index "<name>.hdr" and its entries "<name>.dta".

Index: records of five little-endian int16 values (character code, lesson,
kind 1 words / 2 crazy sentences, first entry, entry count), at most 200.
Entries: 256-byte records, a length byte and up to 255 characters, zero
padded. Each entry is tagged with the lesson by which every one of its
characters is learned, so the wizard never offers a key the student has not
studied. The words come from our own word bank and theme lists; the crazy
sentences are strung together from them. Output is the same on every run.

Run: python3 tools/review/make_review.py
"""

import os
import random
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.dirname(HERE)
sys.path.insert(0, TOOLS)
sys.path.insert(0, os.path.join(TOOLS, "courses"))
sys.path.insert(0, os.path.join(TOOLS, "texts"))

from ansifile import data_dir  # noqa: E402
import beginner  # noqa: E402
import word_lists  # noqa: E402
from words import all_words  # noqa: E402

INDEX_MAX = 200
ENTRY_SIZE = 256
WORDS = 1
SENTENCES = 2
FIRST_SENTENCE_LESSON = 4
BUCKETS = 3           # index records per key and kind
WORDS_PER_BUCKET = 24
SENTENCES_PER_BUCKET = 8
ALPHABET = "abcdefghijklmnopqrstuvwxyz"


def word_pool():
    """Every word of the bank and the theme lists, letters a-z only, sorted."""
    pool = set(all_words())
    for _title, text in word_lists.LISTS.values():
        pool |= set(word_lists.words(text))
    return sorted(w for w in pool if w.isalpha() and w.isascii() and w.islower() and 2 <= len(w) <= 12)


def learned_lessons(key_groups):
    """Character -> the lesson that brings it (the first, if several do)."""
    learned = {" ": 1}
    for number, keys in enumerate(key_groups, 1):
        for c in keys:
            learned.setdefault(c, number)
    return learned


def tag(text, learned):
    """The lesson by which every character of text is learned, or None."""
    lessons = [learned.get(c) for c in text]
    if any(x is None for x in lessons):
        return None
    return max(lessons)


def split_buckets(groups):
    """Lesson-sorted (lesson, items) groups merged into at most BUCKETS
    runs; a run's lesson is its last (highest) lesson. The earliest group
    keeps a run of its own, so a key has material from the lesson that
    brings it."""
    if len(groups) <= BUCKETS:
        return groups
    rest = groups[1:]
    size = -(-len(rest) // (BUCKETS - 1))
    out = [groups[0]]
    for i in range(0, len(rest), size):
        run = rest[i:i + size]
        out.append((run[-1][0], [w for _, items in run for w in items]))
    return out


def build_material(key_groups, lesson_count):
    """Index records and entries for a course with these key groups (one
    per lesson); a course without groups has every letter from lesson 1."""
    if key_groups:
        learned = learned_lessons(key_groups)
    else:
        learned = {c: 1 for c in ALPHABET + ALPHABET.upper() + " .,"}
    pool = word_pool()
    tagged = [(tag(w, learned), w) for w in pool]
    tagged = [(t, w) for t, w in tagged if t is not None]
    index, entries = [], []
    keys = sorted((c for c in ALPHABET if c in learned), key=lambda c: (learned[c], c))
    for key in keys:
        rng = random.Random(ord(key) * 7919)
        with_key = {}
        for t, w in tagged:
            if key in w:
                with_key.setdefault(t, []).append(w)
        groups = split_buckets(sorted(with_key.items()))
        for lesson, words in groups:
            picked = sorted(rng.sample(words, min(WORDS_PER_BUCKET, len(words))))
            index.append((ord(key), lesson, WORDS, len(entries), len(picked)))
            entries += picked
        for lesson, _ in groups:
            lesson = max(lesson, FIRST_SENTENCE_LESSON) if key_groups else lesson
            if key_groups and lesson > lesson_count:
                continue
            usable = sorted(w for t, w in tagged if t <= lesson)
            keyed = sorted(w for w in usable if key in w)
            if len(keyed) < 3 or len(usable) < 10:
                continue
            sentences = []
            for _ in range(SENTENCES_PER_BUCKET):
                parts = [rng.choice(keyed) if rng.random() < 0.7 else rng.choice(usable)
                         for _ in range(rng.randint(5, 8))]
                s = " ".join(parts)
                if tag(s[0].upper(), learned) is not None and tag(s[0].upper(), learned) <= lesson:
                    s = s[0].upper() + s[1:]
                sentences.append(s)
            index.append((ord(key), lesson, SENTENCES, len(entries), len(sentences)))
            entries += sentences
    if len(index) > INDEX_MAX:
        raise SystemExit(f"make_review: {len(index)} index records (at most {INDEX_MAX})")
    return index, entries


def write_material(base, index, entries):
    folder = data_dir()
    with open(os.path.join(folder, base + ".hdr"), "wb") as f:
        for record in index:
            f.write(struct.pack("<5h", *record))
    with open(os.path.join(folder, base + ".dta"), "wb") as f:
        for e in entries:
            data = e.encode("cp1252")
            if len(data) > ENTRY_SIZE - 1:
                raise SystemExit(f"make_review: entry too long: {e}")
            f.write(bytes([len(data)]) + data + bytes(ENTRY_SIZE - 1 - len(data)))


def main():
    groups = [plan["keys"] for plan in beginner.LESSONS]
    write_material("Beginner", *build_material(groups, len(groups)))
    # The speed course is for students who know every key: all its material
    # is there from its first lesson.
    write_material("Speed", *build_material([], 10))


if __name__ == "__main__":
    main()
