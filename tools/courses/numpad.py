"""The Numpad course: the numeric keypad in six short lessons.

It uses "numpad.kbd", whose keypad keys come before the digit row, so every
digit lights its keypad key; the keypad is hidden on the keyboard picture and
appears key by key as it is lit. Numbers end with the keypad's Enter in the
word drills, as they do when figures are keyed into a form.
"""

import random

from course_lib import Course, Lesson, exam_minimums, wrap_words

# (new keys, title, message, exam speed, exam accuracy as the results page
# shows it: 50 means 95 % of the characters right)
LESSONS = [
    ("456", "The home keys 4 5 6",
     ["Right hand on the keypad: index finger on 4, middle on 5, ring on 6. The 5 has a "
      "small ridge.",
      "The little finger waits by Enter at the right edge; the thumb hangs over 0.",
      "Every number ends with Enter, typed with the little finger, as in a form. In the "
      "figures and the exam the space bar works too, but Enter keeps your hand on the "
      "keypad."], 40, 40),
    ("789", "The top row 7 8 9",
     ["7, 8 and 9 sit right above 4, 5 and 6. Each finger reaches straight up one key and "
      "comes back home: index to 7, middle to 8, ring to 9.",
      "Keep your wrist still and let only the fingers move."], 45, 40),
    ("123", "The bottom row 1 2 3",
     ["1, 2 and 3 sit right below 4, 5 and 6. Each finger reaches straight down one key: "
      "index to 1, middle to 2, ring to 3.",
      "You now know nine digits. Numbers of several digits are typed as one smooth movement."],
     50, 45),
    ("0.", "Zero and the decimal point",
     ["0 is the wide key at the bottom left; your thumb presses it. The decimal point is "
      "beside it, under 3, typed with the ring finger.",
      "Prices and measurements use the point: 12.50, 0.75, 3.5."], 55, 50),
    ("+-", "Plus and minus",
     ["Plus is the tall key at the right edge above Enter, and minus sits at the top right. "
      "Both belong to your little finger.",
      "A sum is typed number, sign, number: 12+30, 45-8."], 55, 50),
    ("*/", "Times, divide and the final exam",
     ["The star (times) and the slash (divide) sit on the top row of the keypad, above 9 and "
      "8. The ring finger takes the star and the middle finger the slash.",
      "The lesson ends with the final exam of the keypad course: figures of every kind."],
     60, 55),
]


def natural(digits, rng, length):
    """A number as people write it: no leading zero."""
    first = [d for d in digits if d != "0"] or digits
    return rng.choice(first) + "".join(rng.choice(digits) for _ in range(length - 1))


def numbers(known_digits, rng, count, min_len=2, max_len=4, decimal=False, ops="", new_ops=""):
    """Numbers of the known digits; with signs known, sums. A lesson that
    brings signs puts one in every number, most often a new one."""
    out = []
    for _ in range(count):
        n = natural(known_digits, rng, rng.randint(min_len, max_len))
        if decimal and rng.random() < 0.5:
            if "0" in known_digits and rng.random() < 0.2:
                n = "0"
            n += "." + "".join(rng.choice(known_digits) for _ in range(rng.choice((1, 2, 2))))
        if new_ops:
            sign = rng.choice(new_ops) if rng.random() < 0.75 else rng.choice(ops)
            n = n + sign + natural(known_digits, rng, rng.randint(1, 2))
        elif ops and rng.random() < 0.6:
            n = n + rng.choice(ops) + natural(known_digits, rng, rng.randint(1, 3))
        out.append(n)
    return out


def build():
    course = Course(
        "Numpad.cnt", "Numpad",
        "Numeric keypad - figures by touch",
        "Six short lessons on the numeric keypad: the home keys 4 5 6, the rows above and "
        "below, zero and the point, and the signs for sums. For anyone who keys in figures.",
        default_time=25, keyboard="numpad.kbd", wizard="", loops=(3, 5, 1, 2))
    course.comments = [
        "Tapquill Numpad course: the numeric keypad.",
        "Made by tools/courses/make_courses.py; edit the generator, not this file.",
        "Uses numpad.kbd, where the keypad keys come first and light up for digits.",
    ]
    known = ""
    for number, (new, title, intro, speed, accuracy) in enumerate(LESSONS, 1):
        known += new
        rng = random.Random(number * 31)
        digits = sorted(c for c in known if c.isdigit())
        decimal = "." in known
        ops = "".join(sorted(c for c in known if c in "+-*/"))
        new_ops = "".join(c for c in new if c in "+-*/")
        pic = f"Np{number}.pic"
        lesson = Lesson(title, new, pic, f"New keys: {' '.join(new)}", percent=80)
        p = f"Numpad\\N{number:02d}"
        drill = " ".join(c * 4 for c in new) + " " + " ".join(
            "".join(rng.choice(new) for _ in range(4)) for _ in range(3))
        intro = intro + [exam_minimums(speed, accuracy, 0)]
        lesson.add("New keys", 2, course.message(p + "Intro.kls", intro, title, pic),
                   course.typed("NEWKEYS", 1, p + "New.kls", [drill], "ENTER"))
        keyb = []
        for _ in range(5):
            keyb.append(" ".join(numbers(digits, rng, 5, 2, 3, decimal, ops=ops, new_ops=new_ops)))
        lesson.add("Keyboard drill", 3, course.typed("KEYBOARD", 1, p + "Keyb.kls", keyb, "ENTER"))
        wd = numbers(digits, rng, 14, 2, 5, decimal, ops=ops, new_ops=new_ops)
        lesson.add("Number drill", 3,
                   course.typed("WORD", 1, p + "Word.kls", wrap_words(wd, 40), "ENTER"))
        text = [" ".join(numbers(digits, rng, 5, 2, 5, decimal, ops=ops, new_ops=new_ops))
                for _ in range(8)]
        lesson.add("Figures", 4, course.typed("TEXT", 1, p + "Text.kls", text, "FALSE"))
        if number in (2, 4):
            lesson.add("Game: Bubbles", 2, course.game("BUBBLES", 1))
        exam = [" ".join(numbers(digits, rng, 5, 2, 5, decimal, ops=ops, new_ops=new_ops))
                for _ in range(5)]
        lesson.add("Lesson exam", 3,
                   course.typed("EXAM", 1, p + "Exam.kls", exam, "FALSE", str(speed),
                                str(accuracy), "0"))
        course.lessons.append(lesson)
    return course
