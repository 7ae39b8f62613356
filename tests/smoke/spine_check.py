#!/usr/bin/env python3
"""Checks a screenshot of a wide exercise page (the book window's client
area, as `import -window` takes it) for the fold between the two pages.

On a wide page the white page spans the whole book, so the columns where the
two-page spread draws its spine must show the page's white at the rows of
the typing display and the keyboard. So that a blank or half-drawn window
cannot pass, the same rows must also show the keyboard (dark key captions
and edges beside the spine) and the book's cloth cover at its left edge. Below the page, the paper's
bottom edge must run on under the fold without a notch.

  spine_check.py SCREENSHOT.png

Exit status 0 when the page is clean, 1 with the reasons otherwise.
"""
import subprocess
import sys

# The book's place in the 898 x 739 client area, and what lies on it (book
# coordinates): the fold of the spread, the rows from the typing display
# down to the bottom of the keyboard, the keyboard's columns.
CLIENT = (898, 739)
BOOK_LEFT, BOOK_TOP = 59, 109
SPINE = (372, 404)
ROWS = (96, 452)
KEYBOARD_COLUMNS = (60, 560)
# The paper's bottom edge below the wide page (the stacked page edges).
EDGE_ROWS = (516, 519)
WHITE = (255, 255, 255)


def read_ppm(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                          stdout=subprocess.PIPE).stdout
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos:]

    def pixel(x, y):
        i = (y * width + x) * 3
        return tuple(pixels[i:i + 3])
    return width, height, pixel


def main():
    width, height, pixel = read_ppm(sys.argv[1])
    faults = []
    if (width, height) != CLIENT:
        faults.append(f"screenshot is {width} x {height}, not the {CLIENT[0]} x {CLIENT[1]} window")
        print("\n".join(faults))
        return 1
    rows = range(BOOK_TOP + ROWS[0], BOOK_TOP + ROWS[1])
    spine = range(BOOK_LEFT + SPINE[0], BOOK_LEFT + SPINE[1] + 1)

    # The book is there: its cloth cover at the left edge.
    cover = [pixel(BOOK_LEFT + 2, y) for y in range(BOOK_TOP + 100, BOOK_TOP + 400, 10)]
    if not all(sum(c) < 450 for c in cover):
        faults.append("no book cover at the book's left edge")
    # The keyboard is there: dark captions and key edges beside the spine.
    dark = sum(1 for y in rows for x in range(BOOK_LEFT + KEYBOARD_COLUMNS[0],
                                             BOOK_LEFT + KEYBOARD_COLUMNS[1], 2)
               if x not in spine and sum(pixel(x, y)) < 400)
    if dark < 500:
        faults.append(f"no keyboard on the page ({dark} dark pixels beside the spine)")

    # The fold: in every spine column the page's white shows between the
    # keys and around the typing display, as it does beside the spine; the
    # fold's shading and the cloth between the pages would hide it.
    for x in spine:
        column = [pixel(x, y) for y in rows]
        white = sum(1 for c in column if c == WHITE)
        if white * 5 < len(column):
            faults.append(f"spine column {x - BOOK_LEFT}: {white} of {len(column)} rows page white")
    # The paper's bottom edge runs on under the fold: no notch of the cover
    # between the two stacks of page edges.
    for y in range(BOOK_TOP + EDGE_ROWS[0], BOOK_TOP + EDGE_ROWS[1] + 1):
        beside = pixel(BOOK_LEFT + SPINE[0] - 4, y)
        notch = [x for x in spine if sum(abs(a - b) for a, b in zip(pixel(x, y), beside)) > 30]
        if notch:
            faults.append(f"bottom edge row {y - BOOK_TOP}: {len(notch)} spine columns differ from the edge beside them")
    if faults:
        print("\n".join(faults))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
