#!/usr/bin/env python3
"""Writes the courses into data/: Beginner.cnt, Speed.cnt, Numpad.cnt, the
introduction introd.kls and the efficiency text Effic.kls, with the text
files their event lines name (data/Beginner/, data/Speed/, data/Numpad/,
data/Intro/).

Every typed text is checked against the keys learned up to its exercise and
against the US keyboard file, so run tools/keyboards/make_kbd.py and
tools/texts/make_texts.py (the word lists) first.

Run: python3 tools/courses/make_courses.py
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from course_lib import GeneratorError, typeable_chars  # noqa: E402
from ansifile import data_dir  # noqa: E402
import beginner  # noqa: E402


def main():
    typeable = typeable_chars(os.path.join(data_dir(), "qwerty.kbd"))
    courses = [beginner.build()]
    for extra in ("speed", "numpad", "intro", "accents"):
        try:
            module = __import__(extra)
        except ImportError:
            continue
        courses.append(module.build())
    try:
        for c in courses:
            c.write(typeable)
    except GeneratorError as e:
        sys.exit(f"make_courses: {e}")


if __name__ == "__main__":
    main()
