#!/usr/bin/env python3
"""Generates the keyboard files data/*.kbd from the layout tables below.

All layouts share one key geometry: keys of 32 x 32 pixels on a 33-pixel
pitch, five rows, drawn into the 502 x 250 keyboard picture of the drills
(the hands panel covers the picture below the fifth row). ANSI layouts (US,
Dvorak, Colemak) have a one-row Enter and a long left Shift; ISO layouts
(UK, German, French, Finnish/Swedish, Spanish) have a two-row Enter and an
extra key beside the left Shift.

A key is written "unshifted, shifted, AltGr" as a string of one to three
characters; a blank in the middle means "none". Every key line gives its
place as absolute numbers, so a reader never depends on the previous line.

The numeric keypad is present in every file but flagged hidden: it is drawn
over the right-hand part of the keyboard only while one of its keys is lit.
In the ordinary layouts it comes last, so the digit row wins every look-up
(the first key in file order that types a character is the one shown).
"numpad.kbd" lists the keypad first, which is what the keypad course needs,
and shows it in its own place: the keypad keys are drawn, the main keys are
hidden (drawn only while lit) except the space bar for the thumb, which ends
before the keypad's zero.

Run: python3 tools/keyboards/make_kbd.py   (writes into data/)
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from ansifile import data_dir, write_lines  # noqa: E402

PITCH = 33
KEY = 32
LEFT = 4
TOP = 4


def units_to_pixels(units):
    return int(units * PITCH + 0.5)  # halves up, so the gaps stay one pixel


def x_of(units):
    return LEFT + units_to_pixels(units)


def width_of(units):
    return units_to_pixels(units) - 1


def y_of(row):
    return TOP + row * PITCH


def height_of(rows):
    return rows * PITCH - 1


# Finger of each key column, counted from the first key of the row.
DIGIT_FINGERS = [1, 1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8]
LETTER_FINGERS = [1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8, 8]

US_DIGITS = ["`~", "1!", "2@", "3#", "4$", "5%", "6^", "7&", "8*", "9(", "0)", "-_", "=+"]

LAYOUTS = {
    "qwerty": dict(
        title="English (US) QWERTY",
        iso=False,
        row0=US_DIGITS,
        row1=["qQ", "wW", "eE", "rR", "tT", "yY", "uU", "iI", "oO", "pP", "[{", "]}"],
        backslash="\\|",
        row2=["aA", "sS", "dD", "fF", "gG", "hH", "jJ", "kK", "lL", ";:", "'\""],
        row3=["zZ", "xX", "cC", "vV", "bB", "nN", "mM", ",<", ".>", "/?"],
    ),
    "uk": dict(
        title="English (UK) QWERTY",
        iso=True,
        row0=["`\u00ac\u00a6", "1!", "2\"", "3\u00a3", "4$\u20ac", "5%", "6^", "7&", "8*", "9(",
              "0)", "-_", "=+"],
        row1=["qQ", "wW", "eE\u00e9", "rR", "tT", "yY", "uU\u00fa", "iI\u00ed", "oO\u00f3", "pP",
              "[{", "]}"],
        row2=["aA\u00e1", "sS", "dD", "fF", "gG", "hH", "jJ", "kK", "lL", ";:", "'@", "#~"],
        isokey="\\|",
        row3=["zZ", "xX", "cC", "vV", "bB", "nN", "mM", ",<", ".>", "/?"],
    ),
    "german": dict(
        title="German QWERTZ",
        iso=True,
        row0=["^\u00b0", "1!", "2\"\u00b2", "3\u00a7\u00b3", "4$", "5%", "6&", "7/{", "8([",
              "9)]", "0=}", "\u00df?\\", "\u00b4`"],
        row1=["qQ@", "wW", "eE\u20ac", "rR", "tT", "zZ", "uU", "iI", "oO", "pP",
              "\u00fc\u00dc", "+*~"],
        row2=["aA", "sS", "dD", "fF", "gG", "hH", "jJ", "kK", "lL", "\u00f6\u00d6",
              "\u00e4\u00c4", "#'"],
        isokey="<>|",
        row3=["yY", "xX", "cC", "vV", "bB", "nN", "mM\u00b5", ",;", ".:", "-_"],
    ),
    "french": dict(
        title="French AZERTY",
        iso=True,
        row0=["\u00b2", "&1", "\u00e92~", "\"3#", "'4{", "(5[", "-6|", "\u00e87`", "_8\\",
              "\u00e79^", "\u00e00@", ")\u00b0]", "=+}"],
        row1=["aA", "zZ", "eE\u20ac", "rR", "tT", "yY", "uU", "iI", "oO", "pP",
              "^\u00a8", "$\u00a3\u00a4"],
        row2=["qQ", "sS", "dD", "fF", "gG", "hH", "jJ", "kK", "lL", "mM", "\u00f9%",
              "*\u00b5"],
        isokey="<>",
        row3=["wW", "xX", "cC", "vV", "bB", "nN", ",?", ";.", ":/", "!\u00a7"],
    ),
    "nordic": dict(
        title="Finnish and Swedish QWERTY",
        iso=True,
        row0=["\u00a7\u00bd", "1!", "2\"@", "3#\u00a3", "4\u00a4$", "5%\u20ac", "6&", "7/{",
              "8([", "9)]", "0=}", "+?\\", "\u00b4`"],
        row1=["qQ", "wW", "eE\u20ac", "rR", "tT", "yY", "uU", "iI", "oO", "pP",
              "\u00e5\u00c5", "\u00a8^~"],
        row2=["aA", "sS", "dD", "fF", "gG", "hH", "jJ", "kK", "lL", "\u00f6\u00d6",
              "\u00e4\u00c4", "'*"],
        isokey="<>|",
        row3=["zZ", "xX", "cC", "vV", "bB", "nN", "mM\u00b5", ",;", ".:", "-_"],
    ),
    "spanish": dict(
        title="Spanish QWERTY",
        iso=True,
        row0=["\u00ba\u00aa\\", "1!|", "2\"@", "3\u00b7#", "4$~", "5%", "6&\u00ac", "7/", "8(",
              "9)", "0=", "'?", "\u00a1\u00bf"],
        row1=["qQ", "wW", "eE\u20ac", "rR", "tT", "yY", "uU", "iI", "oO", "pP", "`^[",
              "+*]"],
        row2=["aA", "sS", "dD", "fF", "gG", "hH", "jJ", "kK", "lL", "\u00f1\u00d1",
              "\u00b4\u00a8{", "\u00e7\u00c7}"],
        isokey="<>",
        row3=["zZ", "xX", "cC", "vV", "bB", "nN", "mM", ",;", ".:", "-_"],
    ),
    "dvorak": dict(
        title="English (US) Dvorak",
        iso=False,
        row0=["`~", "1!", "2@", "3#", "4$", "5%", "6^", "7&", "8*", "9(", "0)", "[{", "]}"],
        row1=["'\"", ",<", ".>", "pP", "yY", "fF", "gG", "cC", "rR", "lL", "/?", "=+"],
        backslash="\\|",
        row2=["aA", "oO", "eE", "uU", "iI", "dD", "hH", "tT", "nN", "sS", "-_"],
        row3=[";:", "qQ", "jJ", "kK", "xX", "bB", "mM", "wW", "vV", "zZ"],
    ),
    "colemak": dict(
        title="English (US) Colemak",
        iso=False,
        row0=US_DIGITS,
        row1=["qQ", "wW", "fF", "pP", "gG", "jJ", "lL", "uU", "yY", ";:", "[{", "]}"],
        backslash="\\|",
        row2=["aA", "rR", "sS", "tT", "dD", "hH", "nN", "eE", "iI", "oO", "'\""],
        row3=["zZ", "xX", "cC", "vV", "bB", "kK", "mM", ",<", ".>", "/?"],
    ),
}

# The keypad: (label, finger, column, row, width in units, height in rows,
# extra flags). The decimal key's label is given per layout.
KEYPAD = [
    ("Num", 5, 0, 0, 1, 1, "ds"),
    ("/", 6, 1, 0, 1, 1, ""),
    ("*", 7, 2, 0, 1, 1, ""),
    ("-", 8, 3, 0, 1, 1, ""),
    ("7", 5, 0, 1, 1, 1, ""),
    ("8", 6, 1, 1, 1, 1, ""),
    ("9", 7, 2, 1, 1, 1, ""),
    ("+", 8, 3, 1, 1, 2, ""),
    ("4", 5, 0, 2, 1, 1, ""),
    ("5", 6, 1, 2, 1, 1, "n"),
    ("6", 7, 2, 2, 1, 1, ""),
    ("1", 5, 0, 3, 1, 1, ""),
    ("2", 6, 1, 3, 1, 1, ""),
    ("3", 7, 2, 3, 1, 1, ""),
    ("ENTER", 8, 3, 3, 1, 2, "d"),
    ("0", 9, 0, 4, 2, 1, ""),
    ("DECIMAL", 7, 2, 4, 1, 1, ""),
]
KEYPAD_LEFT_UNITS = 11  # the keypad covers the last four key columns


def label_fields(plan):
    """The label fields of a key plan "abc" (unshifted, shifted, AltGr)."""
    fields = ["" if c == " " else c for c in plan]
    while fields and fields[-1] == "":
        fields.pop()
    return fields


def escape_label(label):
    if label == "%":
        return "% "  # the file's spelling of a lone percent sign
    if label == ";":
        return "%;"
    if label == "":
        raise ValueError("empty label in the middle of a key")
    return label


def key_line(keyword, finger, x, y, w, h, flags, labels):
    fields = [keyword, str(finger), str(x), str(y), str(w), str(h), flags or "-"]
    fields += [escape_label(lab) for lab in labels]
    return ";".join(fields).rstrip()


class Writer:
    def __init__(self):
        self.lines = []

    def comment(self, text=""):
        self.lines.append(("' " + text).rstrip())

    def key(self, *args):
        self.lines.append(key_line(*args))


def key_flags(row, column):
    # The home keys of the index fingers carry the ridge.
    return "n" if row == 2 and column in (3, 6) else ""


def write_main_block(w, lay):
    iso = lay["iso"]
    altgr = any(len(k) >= 3 for row in ("row0", "row1", "row2", "row3") for k in lay[row]) or \
        len(lay.get("isokey", "")) >= 3
    y0, y1, y2, y3, y4 = (y_of(r) for r in range(5))

    w.comment("Digit row")
    for i, plan in enumerate(lay["row0"]):
        w.key("key", DIGIT_FINGERS[i], x_of(i), y0, KEY, KEY, "", label_fields(plan))
    w.key("backspacekey", 8, x_of(13), y0, width_of(2), KEY, "da", [])

    w.comment()
    w.comment("Top letter row")
    w.key("tabkey", 1, x_of(0), y1, width_of(1.5), KEY, "da", [])
    for i, plan in enumerate(lay["row1"]):
        w.key("key", LETTER_FINGERS[i], x_of(1.5 + i), y1, KEY, KEY, "", label_fields(plan))
    if iso:
        w.comment("The two-row Enter of this layout")
        w.key("enterkey", 8, x_of(13.75), y1, width_of(1.25), height_of(2), "da", [])
    else:
        w.key("key", 8, x_of(13.5), y1, width_of(1.5), KEY, "", label_fields(lay["backslash"]))

    w.comment()
    w.comment("Home row: the left hand rests on the first four keys, the right hand on")
    w.comment("the four from the seventh on; the ridged keys guide the index fingers.")
    w.key("capslockkey", 1, x_of(0), y2, width_of(1.75), KEY, "das", ["Caps"])
    for i, plan in enumerate(lay["row2"]):
        w.key("key", LETTER_FINGERS[i], x_of(1.75 + i), y2, KEY, KEY, key_flags(2, i),
              label_fields(plan))
    if not iso:
        w.key("enterkey", 8, x_of(12.75), y2, width_of(2.25), KEY, "da", [])

    w.comment()
    w.comment("Bottom letter row. The Shift keys are modifiers of label slot 1: a capital")
    w.comment("of a right-hand key is typed with the left Shift and the other way round.")
    if iso:
        w.key("shiftcontrolkey", 1, x_of(0), y3, width_of(1.25), KEY, "da", ["1", "Shift"])
        w.key("key", 1, x_of(1.25), y3, KEY, KEY, "", label_fields(lay["isokey"]))
    else:
        w.key("shiftcontrolkey", 1, x_of(0), y3, width_of(2.25), KEY, "da", ["1", "Shift"])
    for i, plan in enumerate(lay["row3"]):
        w.key("key", LETTER_FINGERS[i], x_of(2.25 + i), y3, KEY, KEY, "", label_fields(plan))
    w.key("shiftcontrolkey", 8, x_of(12.25), y3, width_of(2.75), KEY, "da", ["1", "Shift"])

    w.comment()
    w.comment("Space row")
    w.key("key", 1, x_of(0), y4, width_of(1.75), KEY, "das", ["Ctrl"])
    w.key("key", 10, x_of(1.75), y4, width_of(1.75), KEY, "das", ["Alt"])
    w.key("spacekey", 9, x_of(3.5), y4, width_of(8), KEY, "a", [])
    if altgr:
        w.comment("AltGr selects label slot 2. It is pressed with the right thumb; the")
        w.comment("hidden copy at the same place files it under the left hand as well, so")
        w.comment("that AltGr characters of right-hand keys light it too.")
        w.key("controlkey", 9, x_of(11.5), y4, width_of(1.75), KEY, "das", ["2", "AltGr"])
        w.key("controlkey", 4, x_of(11.5), y4, width_of(1.75), KEY, "dash", ["2", "AltGr"])
    else:
        w.key("key", 9, x_of(11.5), y4, width_of(1.75), KEY, "das", ["Alt"])
    w.key("key", 8, x_of(13.25), y4, width_of(1.75), KEY, "das", ["Ctrl"])


def write_keypad(w, decimal, shown=False):
    if shown:
        w.comment("Numeric keypad, drawn in its own place at the right of the keyboard.")
        w.comment("The ridge marks 5, the home of the middle finger.")
    else:
        w.comment("Numeric keypad: hidden keys, drawn over the right of the keyboard only")
        w.comment("while one of them is lit. The ridge marks 5, the home of the middle finger.")
    for label, finger, col, row, wu, hr, extra in KEYPAD:
        x = x_of(KEYPAD_LEFT_UNITS + col)
        y = y_of(row)
        width = width_of(wu)
        height = height_of(hr)
        flags = ("" if shown else "h") + extra
        if label == "ENTER":
            # Shown, the narrow keypad Enter takes the small label.
            w.key("enterkey", finger, x, y, width, height, flags + "a" + ("s" if shown else ""),
                  [])
        elif label == "DECIMAL":
            w.key("key", finger, x, y, width, height, flags, [decimal])
        else:
            w.key("key", finger, x, y, width, height, flags, [label])


def keypad_course_line(line):
    """A main-block line of the keypad course's layout: hidden, but the space
    bar shown and shortened."""
    if line.startswith("'"):
        return line
    fields = line.split(";")
    if fields[0] == "spacekey":
        fields[4] = str(x_of(KEYPAD_LEFT_UNITS) - int(fields[2]) - 12)
        return ";".join(fields)
    flags = fields[6]
    fields[6] = "h" if flags == "-" else (flags if "h" in flags else flags + "h")
    return ";".join(fields)


def header(lay, name):
    return [
        "$version=5",
        f"$description={lay['title']}",
        "$author=Tapquill",
        "$copyright=Tapquill project. Drawn for this program.",
        "$end",
    ]


# The labels that are dead keys on each layout (as the system's layouts of
# the same names have them).
DEAD_KEYS = {
    "german": "^\u00b4`",
    "french": "^\u00a8",
    "nordic": "\u00b4`\u00a8^~",
    "spanish": "`^\u00b4\u00a8",
}


def write_file(name, lay, keypad_first=False, decimal=".", commadot=False):
    w = Writer()
    w.lines += header(lay, name)
    w.comment(f"{lay['title']} keyboard for the drills' on-screen keyboard.")
    w.comment("Made by tools/keyboards/make_kbd.py; edit the tables there, not this file.")
    w.comment()
    w.comment("key;finger;x;y;width;height;flags;unshifted;shifted;AltGr")
    w.comment("Fingers: 1 left little, 2 ring, 3 middle, 4 index; 5 right index,")
    w.comment("6 middle, 7 ring, 8 little; 9 right thumb, 10 left thumb.")
    w.comment("Flags: n ridge, d dark, a label always black, h hidden, s small label, - none.")
    w.comment()
    w.lines.append("defaultsize;32;32")
    w.lines.append("fontsize;12;10;8")
    dead = DEAD_KEYS.get(name, "")
    if dead:
        w.comment("Dead keys: an accented letter without a key of its own is typed as")
        w.comment("the accent's dead key, then the plain letter.")
        w.lines.append("deadkey;" + dead)
    if commadot:
        w.comment("Typed \",\" and \".\" both count as the keypad's decimal key.")
        w.lines.append("commadot;1")
    w.comment()
    if keypad_first:
        w.comment("The keypad comes first here: a digit is looked up on the keypad before")
        w.comment("the digit row, so the keypad course lights the keypad keys.")
        write_keypad(w, decimal, shown=True)
        w.comment()
        w.comment("The main keys, hidden: the keypad takes their place on the screen. The")
        w.comment("space bar stays, shortened so that it ends before the keypad's zero.")
        main = Writer()
        write_main_block(main, lay)
        w.lines += [keypad_course_line(line) for line in main.lines]
    else:
        write_main_block(w, lay)
        w.comment()
        write_keypad(w, decimal)
    path = os.path.join(data_dir(), name + ".kbd")
    write_lines(path, w.lines)
    return path


def main():
    decimals = {"german": ",", "french": ".", "nordic": ",", "spanish": "."}
    for name, lay in LAYOUTS.items():
        write_file(name, lay, decimal=decimals.get(name, "."))
    numpad = dict(LAYOUTS["qwerty"])
    numpad["title"] = "Numeric keypad (with the US keyboard)"
    write_file("numpad", numpad, keypad_first=True, decimal=".|,", commadot=True)


if __name__ == "__main__":
    main()
