"""The Accents course: accented letters on the European layouts, one short
lesson each for German, French, Spanish and the Nordic letters, with a word
drill and a text each.

The course names no keyboard ("ALL"): the student types on his own layout.
Letters that have no key of their own there are typed with a dead key (the
accent first, then the plain letter); the keyboard files say which keys are
dead. Each lesson is checked against its layout: every character must have
a key or a dead-key stroke there.

Run through tools/courses/make_courses.py.
"""

import os

from ansifile import data_dir
from course_lib import Course, GeneratorError, Lesson, typeable_chars, wrap_words

# Accent, plain letter -> composed letter, as the program composes them.
COMPOSE = {}
for accent, pairs in (("\u00b4", "a\u00e1e\u00e9i\u00edo\u00f3u\u00fay\u00fdA\u00c1E\u00c9I\u00cdO\u00d3U\u00daY\u00dd"),
                      ("`", "a\u00e0e\u00e8i\u00eco\u00f2u\u00f9A\u00c0E\u00c8I\u00ccO\u00d2U\u00d9"),
                      ("^", "a\u00e2e\u00eai\u00eeo\u00f4u\u00fbA\u00c2E\u00caI\u00ceO\u00d4U\u00db"),
                      ("\u00a8", "a\u00e4e\u00ebi\u00efo\u00f6u\u00fcy\u00ffA\u00c4E\u00cbI\u00cfO\u00d6U\u00dc"),
                      ("~", "a\u00e3n\u00f1o\u00f5A\u00c3N\u00d1O\u00d5")):
    for i in range(0, len(pairs), 2):
        COMPOSE[pairs[i + 1]] = (accent, pairs[i])

# (layout file, title, introduction, words, text)
LESSONS = [
    ("german.kbd", "German: \u00e4 \u00f6 \u00fc \u00df",
     ["On the German keyboard \u00e4, \u00f6 and \u00fc have keys of their own at the right of "
      "the letters, and \u00df sits beside the zero.",
      "A letter with an accent, as in Caf\u00e9, is typed with the accent key at the top right "
      "first (it types nothing by itself), then the letter."],
     ["\u00e4", "\u00f6", "\u00fc", "\u00df", "gr\u00fc\u00dfe", "sch\u00f6n", "\u00fcber",
      "M\u00e4rz", "K\u00e4se", "B\u00f6den", "gro\u00df", "s\u00fc\u00df", "Caf\u00e9",
      "\u00c4pfel", "\u00d6fen", "\u00dcbung"],
     ["Gr\u00fc\u00dfe aus M\u00fcnchen!",
      "J\u00f6rg a\u00df s\u00fc\u00dfe \u00c4pfel im Caf\u00e9.",
      "\u00dcber die Stra\u00dfe gehen",
      "sch\u00f6ne gro\u00dfe H\u00fcte."]),
    ("french.kbd", "French: \u00e9 \u00e8 \u00e0 \u00e7 \u00ea",
     ["On the French keyboard \u00e9, \u00e8, \u00e7, \u00e0 and \u00f9 have keys of their own "
      "in the digit row and beside the letters.",
      "\u00ea, \u00e2, \u00ee, \u00f4 and \u00fb take the circumflex key beside P first, then "
      "the letter; with Shift that key gives the diaeresis of \u00eb and \u00ef."],
     ["\u00e9t\u00e9", "\u00e8re", "l\u00e0", "\u00e7a", "f\u00eate", "\u00e2ge", "\u00eele",
      "h\u00f4tel", "s\u00fbr", "No\u00ebl", "na\u00eff", "o\u00f9", "gar\u00e7on",
      "for\u00eat", "tr\u00e8s", "d\u00e9j\u00e0"],
     ["L'\u00e9t\u00e9 dernier, le gar\u00e7on",
      "a vu la f\u00eate sur l'\u00eele.",
      "Pour No\u00ebl, l'h\u00f4tel pr\u00e8s de",
      "la for\u00eat \u00e9tait tr\u00e8s s\u00fbr."]),
    ("spanish.kbd", "Spanish: \u00f1 \u00e1 \u00e9 \u00ed \u00f3 \u00fa",
     ["On the Spanish keyboard \u00f1 has its own key beside L.",
      "\u00e1, \u00e9, \u00ed, \u00f3 and \u00fa take the accent key beside \u00f1 first, then "
      "the letter; with Shift that key gives the diaeresis of \u00fc."],
     ["a\u00f1o", "ni\u00f1o", "ma\u00f1ana", "m\u00e1s", "caf\u00e9", "s\u00ed", "adi\u00f3s",
      "t\u00fa", "ping\u00fcino", "Espa\u00f1a", "canci\u00f3n", "\u00e1rbol", "r\u00edo",
      "\u00fanico", "\u00e9l", "verg\u00fcenza"],
     ["El ni\u00f1o canta una canci\u00f3n",
      "en Espa\u00f1a por la ma\u00f1ana.",
      "Un ping\u00fcino toma caf\u00e9 junto",
      "al r\u00edo; \u00e9l dice adi\u00f3s."]),
    ("nordic.kbd", "Nordic: \u00e5 \u00e4 \u00f6",
     ["On the Finnish and Swedish keyboard \u00e5, \u00e4 and \u00f6 have keys of their own "
      "at the right of the letters, where the little finger reaches them.",
      "Their capitals \u00c5, \u00c4 and \u00d6 come with Shift as usual."],
     ["\u00e5", "\u00e4", "\u00f6", "s\u00e5", "p\u00e5", "b\u00e5t", "\u00e4r", "h\u00e4r",
      "\u00f6ga", "k\u00f6ra", "m\u00e5ne", "v\u00e4g", "\u00c5sa", "\u00d6land", "\u00c4lv",
      "gr\u00f6n"],
     ["P\u00e5 \u00d6land g\u00e5r \u00c5sa",
      "l\u00e4ngs v\u00e4gen till b\u00e5ten.",
      "H\u00e4r \u00e4r sj\u00f6n gr\u00f6n",
      "och m\u00e5nen stor."]),
]


def dead_keys(kbd_path):
    with open(kbd_path, "rb") as f:
        for raw in f.read().decode("cp1252").splitlines():
            if raw.lower().startswith("deadkey;"):
                return raw.split(";", 1)[1].strip()
    return ""


def layout_chars(kbd):
    """The characters a layout types: its keys and its dead-key strokes."""
    path = os.path.join(data_dir(), kbd)
    keys = typeable_chars(path)
    dead = dead_keys(path)
    composed = {ch for ch, (accent, letter) in COMPOSE.items()
                if ch not in keys and accent in dead and accent in keys and letter in keys}
    return keys | composed | {" "}


class AccentsCourse(Course):
    def write(self, typeable=None):
        # Each lesson is typed on its own layout, not on the US keyboard.
        problems = []
        for number, (kbd, _title, _intro, words, text) in enumerate(LESSONS, 1):
            chars = layout_chars(kbd)
            bad = sorted({ch for line in words + text for ch in line if ch not in chars})
            if bad:
                problems.append(f"{self.file_name}: lesson {number}: {bad!r} not typeable on {kbd}")
        if problems:
            raise GeneratorError("\n".join(problems))
        super().write(None)


def build():
    course = AccentsCourse(
        "Accents.cnt", "Accents",
        "Accents - the letters of German, French, Spanish and the Nordic languages",
        "Four short lessons on accented letters, one each for German, French, Spanish and "
        "Finnish or Swedish, typed on your own keyboard: letters with keys of their own and "
        "letters typed with a dead key (the accent first, then the letter).",
        default_time=25, keyboard="ALL", wizard="", loops=(3, 5, 1, 2))
    course.comments = [
        "Tapquill Accents course: accented letters on the European layouts.",
        "Made by tools/courses/make_courses.py; edit the generator, not this file.",
        "Lesson 1 is typed on german.kbd, 2 on french.kbd, 3 on spanish.kbd, 4 on nordic.kbd.",
    ]
    for number, (kbd, title, intro, words, text) in enumerate(LESSONS, 1):
        p = f"Accents\\A{number}"
        lesson = Lesson(title, "", "", f"Layout: {kbd[:-4]}", percent=100)
        lesson.add("Introduction", 1, course.message(p + "Intro.kls", intro, title))
        lesson.add("Word drill", 4, course.typed("WORD", 1, p + "Word.kls", wrap_words(words, 40)))
        lesson.add("Text", 4, course.typed("TEXT", 1, p + "Text.kls", text, "FALSE"))
        course.lessons.append(lesson)
    return course
