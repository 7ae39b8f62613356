#!/usr/bin/env python3
"""Draws every picture the program shows and renders it to PNG.

Pictures in data/ ("*.pic", PNG images that the program loads by content):
  Book.pic                 the closed book's cover (329 x 504)
  Welcome.pic, Goodbye.pic the welcome and course-completed pages
  Review.pic               the review page
  Ch1.pic .. Ch19.pic      Beginner lessons: the keyboard with the lesson's keys
  Sp1.pic .. Sp10.pic      Speed lessons: a dial at the lesson's exam speed
  Np1.pic .. Np6.pic       Numpad lessons: the keypad with the lesson's keys
  Intro1.pic .. Intro6.pic the introduction's pages

Window artwork and the storage forms' pictures in data/art/ (PNG), named
after the control that shows them; docs/material.md lists them with sizes.

The drawings are SVG made here and rendered with rsvg-convert (Debian
package librsvg2-bin); only this script needs it, the build does not.

Run: python3 tools/art/make_art.py [--svg DIR]   (--svg keeps the SVG sources)
"""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.dirname(HERE))

from ansifile import data_dir  # noqa: E402
from svgkit import (AMBER, BLUE, CLOTH, CLOTH_DARK, CLOTH_LIGHT, CORAL, FONT, GOLD, INK,  # noqa
                    INK_SOFT, KEY_DARK, KEY_EDGE, KEY_FACE, KEY_GREY, LIT, LIT_DARK, PAPER,
                    PAPER_SHADE, SAGE, SAGE_DARK, SAGE_LIGHT, SERIF, SKIN, SKIN_EDGE, SKY,
                    SKY_DEEP, circle, line, linear, path, radial, rect, render, svg, text)

OUT = data_dir()
ART = os.path.join(OUT, "art")
SVG_DIR = None
MADE = []  # (path, width, height) of everything drawn


def emit(name, width, height, body, defs="", folder=None):
    out = os.path.join(folder or OUT, name)
    render(svg(width, height, body, defs), out, width, height, SVG_DIR)
    MADE.append((out, width, height))
    return out


# ---------------------------------------------------------------------------
# The keyboard, as the keyboard file draws it.

class Key:
    def __init__(self, kind, finger, x, y, w, h, flags, labels):
        self.kind, self.finger = kind, finger
        self.x, self.y, self.w, self.h = x, y, w, h
        self.flags, self.labels = flags, labels

    @property
    def hidden(self):
        return "h" in self.flags

    @property
    def main(self):
        return self.labels[0] if self.labels else ""


def load_keys(kbd_name):
    keys = []
    with open(os.path.join(OUT, kbd_name), "rb") as f:
        for raw in f.read().decode("cp1252").splitlines():
            s = raw.strip()
            if not s or s[0] in "'$":
                continue
            fields = []
            cur = ""
            for c in s:
                if c == ";":
                    if cur.endswith("%"):
                        cur = cur[:-1] + c
                        continue
                    if cur:
                        fields.append(cur)
                    cur = ""
                else:
                    cur += c
            if cur:
                fields.append(cur)
            kind = fields[0].lower()
            if kind in ("defaultsize", "fontsize", "commadot"):
                continue
            nums = [int(v) for v in fields[1:6]]
            flags = fields[6].lower() if len(fields) > 6 else ""
            labels = [("%" if x == "% " else x) for x in fields[7:]]
            if kind in ("controlkey", "shiftcontrolkey"):
                labels = labels[1:]
                if kind == "shiftcontrolkey":
                    labels = ["Shift"]
            names = {"tabkey": "Tab", "enterkey": "Enter", "spacekey": "",
                     "backspacekey": "Back"}
            if kind in names:
                labels = [names[kind]]
            keys.append(Key(kind, nums[0], *nums[1:5], flags, labels))
    return keys


QWERTY = None


def qwerty():
    global QWERTY
    if QWERTY is None:
        QWERTY = [k for k in load_keys("qwerty.kbd") if not k.hidden]
    return QWERTY


def key_caption(k):
    if len(k.labels) >= 2 and k.labels[1] != k.labels[0].upper():
        return k.labels[1], k.labels[0]
    main = k.main
    if len(main) == 1:
        main = main.upper()
    return None, main


def draw_key(k, sx, sy, scale, face, label_color, edge=KEY_EDGE, ridge=True, font_scale=1.0):
    x, y = sx + k.x * scale, sy + k.y * scale
    w, h = k.w * scale - 1, k.h * scale - 1
    r = max(2, 4 * scale)
    out = [rect(round(x, 1), round(y, 1), round(w, 1), round(h, 1), face, edge, 1, r)]
    # A soft lower lip gives the key some depth.
    out.append(rect(round(x + 1, 1), round(y + h - 3 * scale, 1), round(w - 2, 1),
                    round(2.5 * scale, 1), "#000", extra='opacity="0.08"'))
    top, main = key_caption(k)
    fs = 12 * scale * font_scale
    if len(main) > 1:
        fs = 7.5 * scale * font_scale
    if top:
        cs = 9 * scale * font_scale
        out.append(text(round(x + 5 * scale, 1), round(y + 11 * scale, 1), top, round(cs, 1),
                        label_color, anchor="start"))
        out.append(text(round(x + 5 * scale, 1), round(y + h - 6 * scale, 1), main,
                        round(cs, 1), label_color, anchor="start"))
    elif main:
        out.append(text(round(x + w / 2, 1), round(y + h / 2 + fs * 0.36, 1), main,
                        round(fs, 1), label_color))
    if ridge and "n" in k.flags:
        cx = x + w / 2
        out.append(line(round(cx - 4 * scale, 1), round(y + h * 0.72, 1),
                        round(cx + 4 * scale, 1), round(y + h * 0.72, 1), label_color,
                        max(1, 1.5 * scale)))
    return "".join(out)


def keyboard(sx, sy, scale, style, keys=None):
    return "".join(draw_key(k, sx, sy, scale, *style(k)) for k in (keys or qwerty()))


def types_any(k, chars):
    if k.kind in ("key", "capslockkey"):
        return any(c in k.labels[:2] for c in chars)
    return False


# ---------------------------------------------------------------------------
# Lesson pictures.

BEGINNER_KEYS = ["asdfjkl;", "eh", "to", "ir", "nu", "c,.", "gm", "wy", "pb", "vx", "qz",
                 "HJKLYUIOPNM", "ASDFGQWERTZXCVB", "'\"?!-:", "12345", "67890", "()/&", "@#$%",
                 "*+=[]"]


def lesson_picture(number):
    learned = "".join(BEGINNER_KEYS[:number - 1])
    new = BEGINNER_KEYS[number - 1]
    W, H = 300, 200

    def style(k):
        chars = k.labels[:2]
        if k.kind == "shiftcontrolkey":
            left = k.finger < 5
            if new.isupper() and ((left and new[0] == "H") or (not left and new[0] == "A")):
                return (LIT, "#ffffff")
            if number > 13:
                return (KEY_FACE, INK)
            return (KEY_DARK, INK_SOFT)
        if k.kind != "key" and k.kind != "capslockkey":
            return (KEY_DARK, INK_SOFT)
        if any(c in new for c in chars if c):
            return (LIT, "#ffffff")
        if any(c in learned for c in chars if c):
            return (KEY_FACE, INK)
        return (KEY_GREY, "#a19d95")

    body = [rect(0, 0, W, H, PAPER, rx=10)]
    # The new keys, large, along the top.
    caps = list(dict.fromkeys(new))
    rows = 1 if len(caps) <= 8 else 2
    per_row = math.ceil(len(caps) / rows)
    size = min(40 if rows == 1 else 26, int((W - 20) / per_row) - 4)
    for i, c in enumerate(caps):
        row, col = divmod(i, per_row)
        in_row = min(per_row, len(caps) - row * per_row)
        x = (W - (in_row * (size + 4) - 4)) / 2 + col * (size + 4)
        y = (12 if rows == 1 else 6) + row * (size + 4)
        body.append(rect(round(x, 1), y, size, size, LIT, LIT_DARK, 1.5, 6))
        body.append(rect(round(x + 2, 1), y + 2, size - 4, round(size * 0.35, 1), "#ffffff",
                         extra='opacity="0.18"'))
        body.append(text(round(x + size / 2, 1), round(y + size * 0.7, 1), c,
                         round(size * 0.6, 1), "#ffffff"))
    # The keyboard with learned, new and coming keys.
    scale = 0.57
    kx = (W - 498 * scale) / 2
    body.append(rect(round(kx - 6, 1), 70, round(498 * scale + 12, 1), round(170 * scale + 12, 1),
                     "#e3dccb", rx=8))
    body.append(keyboard(round(kx, 1), 76, scale, style))
    emit(f"Ch{number}.pic", W, H, "".join(body))


def keypad_picture(number):
    groups = ["456", "789", "123", "0.", "+-", "*/"]
    learned = "".join(groups[:number - 1])
    new = groups[number - 1]
    W, H = 300, 200
    pad = [k for k in load_keys("numpad.kbd") if k.hidden]
    body = [rect(0, 0, W, H, PAPER, rx=10)]
    scale = 1.0
    minx = min(k.x for k in pad)
    miny = min(k.y for k in pad)
    ox = W - 4 * 33 * scale - 24 - minx * scale
    oy = 16 - miny * scale
    body.append(rect(round(ox + minx * scale - 10, 1), 6, round(4 * 33 * scale + 18, 1),
                     round(5 * 33 * scale + 18, 1), "#e3dccb", rx=10))

    def style(k):
        chars = k.main.split("|") if k.main else []
        if any(c in new for c in chars):
            return (LIT, "#ffffff")
        if any(c in learned for c in chars) or k.kind == "enterkey":
            return (KEY_FACE, INK)
        return (KEY_GREY, "#a19d95")

    for k in pad:
        kk = Key(k.kind, k.finger, k.x, k.y, k.w, k.h, k.flags.replace("h", ""),
                 [k.main.split("|")[0]] if k.main else k.labels)
        body.append(draw_key(kk, round(ox, 1), round(oy, 1), scale, *style(k)))
    # Beside the keypad: which finger takes which keys.
    for i, (name, col) in enumerate([("index", "7 4 1"), ("middle", "/ 8 5 2"),
                                     ("ring", "* 9 6 3 ."), ("little", "- + Enter"),
                                     ("thumb", "0")]):
        y = 34 + i * 34
        b_fill = SAGE_LIGHT if i % 2 == 0 else "#e9e3d6"
        body.append(rect(14, y - 14, 118, 26, b_fill, rx=6))
        body.append(text(22, y + 4, name, 11, INK, anchor="start"))
        body.append(text(70, y + 4, col, 11, INK_SOFT, weight="normal", anchor="start"))
    emit(f"Np{number}.pic", W, H, "".join(body))


def speed_picture(number, target):
    W, H = 300, 200
    cx, cy, r = 150, 150, 112
    top = 300.0
    body = [rect(0, 0, W, H, PAPER, rx=10)]

    def at(value, radius):
        a = math.pi * (1 - value / top)
        return cx + radius * math.cos(a), cy - radius * math.sin(a)

    # Dial face.
    x1, y1 = at(0, r)
    x2, y2 = at(top, r)
    body.append(path(f"M {x1:.1f} {y1:.1f} A {r} {r} 0 0 1 {x2:.1f} {y2:.1f} Z", "#ffffff",
                     KEY_EDGE, 1.5))
    # The band up to the target, then the rest.
    rb = r - 12
    bx, by = at(target, rb)
    sx, sy = at(0, rb)
    ex, ey = at(top, rb)
    body.append(path(f"M {sx:.1f} {sy:.1f} A {rb} {rb} 0 0 1 {bx:.1f} {by:.1f}", "none",
                     SAGE, 14))
    body.append(path(f"M {bx:.1f} {by:.1f} A {rb} {rb} 0 0 1 {ex:.1f} {ey:.1f}", "none",
                     "#e9e3d6", 14))
    for v in range(0, 301, 25):
        a1 = at(v, r - 3)
        a2 = at(v, r - (14 if v % 50 == 0 else 8))
        body.append(line(f"{a1[0]:.1f}", f"{a1[1]:.1f}", f"{a2[0]:.1f}", f"{a2[1]:.1f}",
                         INK_SOFT, 1.5 if v % 50 == 0 else 1))
        if v % 50 == 0:
            tx, ty = at(v, r - 30)
            body.append(text(f"{tx:.1f}", f"{ty + 4:.1f}", str(v // 5), 11, INK_SOFT))
    # Needle at the lesson's exam speed.
    nx, ny = at(target, r - 22)
    body.append(line(cx, cy, f"{nx:.1f}", f"{ny:.1f}", CORAL, 4))
    body.append(circle(cx, cy, 9, INK))
    body.append(circle(cx, cy, 3.5, "#ffffff"))
    body.append(text(cx, 186, f"{target // 5}", 20, INK))
    # A small flag marks the lesson number.
    body.append(line(262, 20, 262, 62, INK_SOFT, 2))
    body.append(path("M 262 20 L 292 28 L 262 38 Z", AMBER))
    body.append(text(277, 33, str(number), 9, "#ffffff"))
    emit(f"Sp{number}.pic", W, H, "".join(body))


# ---------------------------------------------------------------------------
# Hands: the picture of both hands and each finger lit on its own.

# Finger k: (tip, base, radius) before it is moved to its place; then moved so
# that its box starts exactly at the place the finger panel draws it.
FINGER_PLACES = {1: (4, 69), 2: (31, 25), 3: (53, 0), 4: (90, 13), 5: (275, 8),
                 6: (307, -4), 7: (335, 18), 8: (360, 52), 9: (221, 90), 10: (136, 90)}
FINGER_SHAPES = {
    1: ((16, 84), (40, 132), 10.5),
    2: ((42, 38), (58, 128), 11.5),
    3: ((70, 12), (80, 128), 12.5),
    4: ((104, 26), (102, 128), 12),
    10: ((176, 108), (140, 142), 12),
    5: ((292, 21), (296, 128), 12),
    6: ((326, 8), (318, 128), 12.5),
    7: ((352, 31), (338, 128), 11.5),
    8: ((380, 67), (356, 132), 10.5),
    9: ((232, 108), (268, 142), 12),
}
HANDS_W, HANDS_H = 412, 146  # wide enough for the right little finger at x 360


def finger_geometry():
    out = {}
    for k, ((tx, ty), (bx, by), r) in FINGER_SHAPES.items():
        minx = min(tx, bx) - r - 1
        miny = min(ty, by) - r - 1
        px, py = FINGER_PLACES[k]
        dx, dy = px - minx, py - miny
        tip = (tx + dx, ty + dy)
        base = (bx + dx, by + dy)
        w = math.ceil(abs(tx - bx) + 2 * r + 2)
        h = math.ceil(abs(ty - by) + 2 * r + 2)
        out[k] = (tip, base, r, (px, py, w, h))
    return out


def capsule(tip, base, r):
    (tx, ty), (bx, by) = tip, base
    return (f'<line x1="{tx:.1f}" y1="{ty:.1f}" x2="{bx:.1f}" y2="{by:.1f}" '
            f'stroke-width="{2 * r:.1f}" stroke-linecap="round"')


def palm_paths(geo):
    left = [geo[k][1] for k in (1, 2, 3, 4, 10)]
    right = [geo[k][1] for k in (9, 5, 6, 7, 8)]
    lp = (f"M {left[0][0] - 6:.1f} {left[0][1] - 4:.1f} "
          f"Q {left[1][0]:.1f} {left[1][1] - 18:.1f} {left[2][0]:.1f} {left[2][1] - 16:.1f} "
          f"Q {left[3][0] + 10:.1f} {left[3][1] - 16:.1f} {left[4][0]:.1f} {left[4][1] - 8:.1f} "
          f"L {left[4][0] + 4:.1f} 160 L {left[0][0] - 10:.1f} 160 Z")
    rp = (f"M {right[0][0]:.1f} {right[0][1] - 8:.1f} "
          f"Q {right[1][0] - 10:.1f} {right[1][1] - 16:.1f} {right[2][0]:.1f} {right[2][1] - 16:.1f} "
          f"Q {right[3][0]:.1f} {right[3][1] - 18:.1f} {right[4][0] + 6:.1f} {right[4][1] - 4:.1f} "
          f"L {right[4][0] + 10:.1f} 160 L {right[0][0] - 4:.1f} 160 Z")
    return lp, rp


def finger_svg(tip, base, r, fill, edge, nail=True):
    out = [capsule(tip, base, r) + f' stroke="{edge}"/>',
           capsule(tip, base, r - 1.3) + f' stroke="{fill}"/>']
    if nail:
        (tx, ty), (bx, by) = tip, base
        d = math.hypot(bx - tx, by - ty)
        ux, uy = (bx - tx) / d, (by - ty) / d
        nx, ny = tx + ux * r * 0.55, ty + uy * r * 0.55
        ang = math.degrees(math.atan2(uy, ux)) - 90
        out.append(f'<ellipse cx="{nx:.1f}" cy="{ny:.1f}" rx="{r * 0.45:.1f}" '
                   f'ry="{r * 0.55:.1f}" transform="rotate({ang:.1f} {nx:.1f} {ny:.1f})" '
                   f'fill="#ffffff" opacity="0.45"/>')
    return "".join(out)


def hands():
    geo = finger_geometry()
    lp, rp = palm_paths(geo)
    palms = path(lp, SKIN, SKIN_EDGE, 1.4) + path(rp, SKIN, SKIN_EDGE, 1.4)
    body = []
    for k in geo:
        tip, base, r, _ = geo[k]
        body.append(finger_svg(tip, base, r, SKIN, SKIN_EDGE))
    body.append(palms)
    emit("FingersPic.png", HANDS_W, HANDS_H, "".join(body), folder=ART)
    # Each lit finger: the same finger in green, cut where the palm covers it,
    # drawn into its own picture that the panel places at the finger's spot.
    for k, (tip, base, r, (px, py, w, h)) in geo.items():
        mask = (f'<mask id="m" maskUnits="userSpaceOnUse" x="{px}" y="{py}" width="{w}" '
                f'height="{h}"><rect x="{px}" y="{py}" width="{w}" height="{h}" fill="#fff"/>'
                f'<path d="{lp}" fill="#000"/><path d="{rp}" fill="#000"/></mask>')
        inner = finger_svg(tip, base, r, LIT, LIT_DARK)
        body_k = (f'<g transform="translate({-px} {-py})"><g mask="url(#m)">{inner}</g>'
                  f'</g>')
        emit(f"Finger{k}.png", w, h, body_k, mask, folder=ART)


# ---------------------------------------------------------------------------
# Window artwork.

def window_art():
    # Background of the whole window: a calm blue-grey with a soft light.
    defs = radial("bg", [(0, "#e6edf0"), (1, "#b9c9cf")], cx=0.5, cy=0.35, r=0.8)
    emit("BackGround32.png", 898, 739, rect(0, 0, 898, 739, "url(#bg)"), defs, ART)

    # Tab row: every tab in its selected look. Large tabs teal, small tabs
    # slate, the exit tab warm.
    tabs = [(28, 18, 113, 43, CLOTH), (141, 18, 114, 43, CLOTH), (255, 18, 129, 43, CLOTH),
            (406, 31, 43, 21, "#55687a"), (472, 31, 77, 21, "#55687a"),
            (677, 27, 66, 30, "#efe0c9")]
    body = [rect(0, 56, 779, 5, CLOTH_DARK)]
    for x, y, w, h, c in tabs:
        body.append(tab_shape(x, y, w, h, c, selected=True))
    emit("TabRowPic.png", 779, 61, "".join(body), folder=ART)

    for name, (x, y, w, h, c) in zip(
            ["MenuGuided", "MenuRevision", "MenuInfo", "MenuLogo", "MenuOptions", "MenuExit"],
            tabs):
        muted = {CLOTH: "#8fb2b0", "#55687a": "#9aa7b3", "#efe0c9": "#d9cdbb"}[c]
        emit(name + ".png", w, h, tab_shape(0, 0, w, h, muted, selected=False), folder=ART)
    emit("HideSettings.png", 97, 21,
         rect(0, 0, 97, 21, "#9aa7b3", rx=5) + rect(0, 10, 97, 11, "#9aa7b3"), folder=ART)

    # Paper: two pages inside the cloth cover, with a gentle shade to the spine.
    defs = (linear("lp", [(0, "#fffdf7"), (0.85, PAPER), (1, "#e8dcc4")], x2=1, y2=0)
            + linear("rp", [(0, "#e8dcc4"), (0.15, PAPER), (1, "#fffdf7")], x2=1, y2=0))
    body = [rect(0, 0, 779, 469, CLOTH, rx=6),
            rect(6, 0, 381, 458, "#e9e0cd"), rect(392, 0, 381, 458, "#e9e0cd"),
            rect(8, 0, 377, 454, "url(#lp)"), rect(394, 0, 377, 454, "url(#rp)")]
    for i in range(3):  # page edges below the pages
        body.append(line(10, 455 + i * 1.5, 384, 455 + i * 1.5, "#d8ccb4", 0.8))
        body.append(line(395, 455 + i * 1.5, 769, 455 + i * 1.5, "#d8ccb4", 0.8))
    emit("Paper.png", 779, 469, "".join(body), defs, ART)

    defs = linear("sp", [(0, "#fbf7ee"), (0.35, "#e6dbc4"), (0.5, "#cbbd9f"),
                         (0.65, "#e6dbc4"), (1, "#fbf7ee")], x2=1, y2=0)
    emit("PageSeparator.png", 35, 442, rect(0, 0, 35, 442, "url(#sp)"), defs, ART)

    # Title strip behind the page title: a fine rule and a small quill.
    body = line(6, 47, 339, 47, "#c9bba0", 1.2) + quill(318, 8, 0.55)
    emit("TitlePic.png", 345, 52, body, folder=ART)

    # Console backgrounds for the buttons (two styles) and the buttons.
    for n, (a, b) in enumerate([(CLOTH_LIGHT, CLOTH_DARK), ("#5e7182", "#3c4a57")], 1):
        defs = linear("c", [(0, a), (1, b)])
        body = (rect(0, 0, 193, 80, "url(#c)", rx=10) +
                rect(3, 3, 187, 74, "none", "#ffffff", 1, 8, 'opacity="0.25"'))
        emit(f"ConsolePic{n}.png", 193, 80, body, defs, ART)
    icons = {
        "BeginB": "M 20 12 L 36 22 L 20 32 Z",
        "Next": "M 15 22 L 33 22 M 26 14 L 34 22 L 26 30",
        "Back": "M 37 22 L 19 22 M 26 14 L 18 22 L 26 30",
        "SkipF": "M 14 14 L 24 22 L 14 30 M 25 14 L 35 22 L 25 30 M 38 13 L 38 31",
        "SkipB": "M 38 14 L 28 22 L 38 30 M 27 14 L 17 22 L 27 30 M 14 13 L 14 31",
        "Cancel": "M 18 14 L 34 30 M 34 14 L 18 30",
    }
    for name, d in icons.items():
        defs = linear("f", [(0, "#fffdf6"), (1, "#e4dccb")])
        face = (rect(4, 4, 46, 38, "#000000", rx=9, extra='opacity="0.22"') +
                rect(3, 2, 46, 38, "url(#f)", "#8b8372", 1, 9))
        if name == "BeginB":
            mark = path(d, SAGE_DARK, SAGE_DARK, 2.5)
        else:
            mark = path(d, "none", CORAL if name == "Cancel" else INK, 3.2)
        emit(name + ".png", 52, 44, face + mark, defs, ART)

    # Key face texture: ivory with a faint grain; tiles without seams.
    defs = ('<filter id="n" x="0" y="0" width="100%" height="100%">'
            '<feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="2" '
            'stitchTiles="stitch" seed="4"/>'
            '<feColorMatrix values="0 0 0 0 0.55  0 0 0 0 0.5  0 0 0 0 0.42  0 0 0 0.07 0"/>'
            '</filter>')
    emit("KeyFace.png", 64, 64, rect(0, 0, 64, 64, KEY_FACE) +
         rect(0, 0, 64, 64, "#000", extra='filter="url(#n)"'), defs, ART)


def tab_shape(x, y, w, h, color, selected):
    r = min(9, h / 2.2)
    d = (f"M {x} {y + h} L {x} {y + r} Q {x} {y} {x + r} {y} L {x + w - r} {y} "
         f"Q {x + w} {y} {x + w} {y + r} L {x + w} {y + h} Z")
    out = path(d, color, "#00000033" if selected else "#00000022", 1)
    if selected:
        out += path(f"M {x + 3} {y + h * 0.45} L {x + 3} {y + r} Q {x + 3} {y + 3} {x + r} "
                    f"{y + 3} L {x + w - r} {y + 3}", "none", "#ffffff", 1,
                    'opacity="0.35"')
    return out


def quill(x, y, s):
    # A simple feather pen: the project's little emblem.
    d = (f"M {x + 36 * s} {y} C {x + 14 * s} {y + 10 * s} {x + 4 * s} {y + 34 * s} "
         f"{x + 2 * s} {y + 58 * s} C {x + 16 * s} {y + 40 * s} {x + 32 * s} {y + 26 * s} "
         f"{x + 36 * s} {y} Z")
    return (path(d, "#ffffff", INK_SOFT, 1.2) +
            line(x + 30 * s, y + 10 * s, x + 0 * s, y + 66 * s, INK_SOFT, 1.3))


# ---------------------------------------------------------------------------
# Small pictures of the storage forms.

def small_art():
    # Trend arrows of the results page: set 1 green/red, set 2 (efficiency)
    # blue/amber. 16 x 16, drawn on a 24-unit grid.
    def arrow(name, d, color):
        emit(name + ".png", 16, 16,
             f'<g transform="scale(0.6667)">{path(d, "none", color, 3.4)}</g>', folder=ART)

    for suffix, up, down in [("", SAGE_DARK, CORAL), ("b", BLUE, AMBER)]:
        arrow(f"ArrowUp2{suffix}", "M 5 13 L 12 6 L 19 13 M 5 20 L 12 13 L 19 20", up)
        arrow(f"ArrowUp1{suffix}", "M 5 16 L 12 9 L 19 16", up)
        arrow(f"ArrowHorizontal{suffix}", "M 4 12 L 20 12 M 15 7 L 20 12 L 15 17", INK_SOFT)
        arrow(f"ArrowDown1{suffix}", "M 5 8 L 12 15 L 19 8", down)
        arrow(f"ArrowDown2{suffix}", "M 5 4 L 12 11 L 19 4 M 5 11 L 12 18 L 19 11", down)
        emit(f"ClearPic{suffix}.png", 16, 16, "", folder=ART)
        emit(f"ClearCircle{suffix}.png", 64, 64, "", folder=ART)

    # Lamps of the mistake-free attempts.
    defs = radial("on", [(0, "#d8ffd0"), (0.45, "#6fdc5f"), (1, "#2f8a3a")], fx=0.35, fy=0.3)
    emit("OkOn.png", 18, 18, circle(9, 9, 7.5, "url(#on)", "#1f5e27", 1), defs, ART)
    defs = radial("off", [(0, "#6a7470"), (1, "#2e3533")], fx=0.35, fy=0.3)
    emit("OkOff.png", 18, 18, circle(9, 9, 7.5, "url(#off)", "#1c2120", 1), defs, ART)

    # Feedback after an attempt: a calm green tick or a soft coral cross.
    emit("OkCircle.png", 64, 64, circle(32, 32, 29, SAGE_DARK, "#ffffff", 3) +
         path("M 19 33 L 28 42 L 46 22", "none", "#ffffff", 6), folder=ART)
    emit("ErrorCircle.png", 64, 64, circle(32, 32, 29, CORAL, "#ffffff", 3) +
         path("M 22 22 L 42 42 M 42 22 L 22 42", "none", "#ffffff", 6), folder=ART)

    # Missed-count lamps of Bubbles and Clouds: lit means missed.
    defs = radial("b", [(0, "#ffffff"), (0.5, "#d7ecfa"), (1, "#7fb2d9")], fx=0.35, fy=0.3)
    emit("BubbleOff.png", 18, 18, circle(9, 9, 7, "url(#b)", "#5d8fb8", 1) +
         circle(6.5, 6.5, 1.6, "#ffffff"), defs, ART)
    defs = radial("b", [(0, "#ffe1d6"), (0.5, "#f0967c"), (1, "#b9523b")], fx=0.35, fy=0.3)
    emit("BubbleOn.png", 18, 18, circle(9, 9, 7, "url(#b)", "#8f3b28", 1) +
         circle(6.5, 6.5, 1.6, "#ffffff"), defs, ART)
    emit("CloudOff.png", 22, 16, cloud_shape(1, 2, 20, 13, "#e9eef2", "#9fb0bd"), folder=ART)
    emit("CloudOn.png", 22, 16, cloud_shape(1, 2, 20, 13, "#55606b", "#2c333a"), folder=ART)

    # The clouds of the Clouds game, 120 x 64.
    emit("WhiteCloud.png", 120, 64, cloud_shape(4, 6, 112, 54, "#ffffff", "#c9d6e0"),
         folder=ART)
    emit("GrayCloud.png", 120, 64, cloud_shape(4, 6, 112, 54, "#c3cbd2", "#8c98a3"),
         folder=ART)
    emit("DarkCloud.png", 120, 64, cloud_shape(4, 6, 112, 54, "#5a6470", "#353c44") +
         path("M 64 40 L 56 54 L 64 53 L 58 63", "none", "#f2d36b", 2.5), folder=ART)
    sun = "".join(line(92 + 16 * math.cos(a), 18 + 16 * math.sin(a),
                       92 + 21 * math.cos(a), 18 + 21 * math.sin(a), AMBER, 2.2)
                  for a in [i * math.pi / 4 for i in range(8)])
    emit("BonusCloud.png", 120, 64, sun + circle(92, 18, 12, "#f6c453", AMBER, 1.5) +
         cloud_shape(2, 16, 100, 46, "#ffffff", "#e0b04a"), folder=ART)
    defs = linear("sky", [(0, "#9cc7ea"), (1, "#e3f0fa")])
    emit("CloudSky.png", 718, 363, rect(0, 0, 718, 363, "url(#sky)"), defs, ART)

    # Rows of the exercise list, 265 x 24.
    emit("InactivePic.png", 265, 24, rect(0, 0, 265, 24, "#c0dcc0") +
         line(6, 23.5, 259, 23.5, "#a9c8a9", 1), folder=ART)
    emit("ActivePic.png", 265, 24, rect(0.5, 0.5, 264, 23, "#fff3c8", "#d9b45a", 1, 5),
         folder=ART)
    emit("CompletedPic.png", 265, 24, rect(0, 0, 265, 24, "#dcecd8") +
         line(6, 23.5, 259, 23.5, "#a9c8a9", 1) +
         path("M 8 12 L 13 17 L 22 7", "none", SAGE_DARK, 2.6), folder=ART)

    # WordTris: the falling beam, a missed beam, walls, floor and blocks.
    defs = linear("a", [(0, "#f3c26e"), (1, "#d9893a")])
    emit("TrisActive.png", 220, 30, rect(1, 2, 218, 26, "url(#a)", "#a8652a", 1, 8), defs, ART)
    emit("TrisInactive.png", 220, 30, rect(1, 2, 218, 26, "#d7d4cd", "#9e9a91", 1, 8),
         folder=ART)
    emit("TrisWall.png", 12, 320, rect(0, 0, 12, 320, CLOTH_LIGHT, CLOTH_DARK, 1, 3),
         folder=ART)
    emit("TrisFloor.png", 244, 14, rect(0, 0, 244, 14, CLOTH_LIGHT, CLOTH_DARK, 1, 3),
         folder=ART)
    for name, colors in [("TrisBlockLeft", [SAGE, SKY_DEEP, AMBER, CORAL]),
                         ("TrisBlockRight", [AMBER, SAGE, CORAL, SKY_DEEP])]:
        cells = [(0, 1), (1, 1), (1, 0), (2, 1)] if name.endswith("Left") else \
            [(0, 0), (0, 1), (1, 1), (2, 1)]
        body = "".join(rect(4 + cx * 26, 4 + cy * 26, 24, 24, colors[i], "#00000040", 1, 4)
                       for i, (cx, cy) in enumerate(cells))
        emit(name + ".png", 86, 60, body, folder=ART)


def cloud_shape(x, y, w, h, fill, edge):
    # Three puffs on a flat base.
    d = (f"M {x + w * 0.12:.1f} {y + h:.1f} "
         f"C {x - w * 0.02:.1f} {y + h:.1f} {x - w * 0.02:.1f} {y + h * 0.5:.1f} "
         f"{x + w * 0.16:.1f} {y + h * 0.5:.1f} "
         f"C {x + w * 0.16:.1f} {y + h * 0.12:.1f} {x + w * 0.45:.1f} {y + h * 0.05:.1f} "
         f"{x + w * 0.52:.1f} {y + h * 0.3:.1f} "
         f"C {x + w * 0.62:.1f} {y:.1f} {x + w * 0.92:.1f} {y + h * 0.1:.1f} "
         f"{x + w * 0.86:.1f} {y + h * 0.45:.1f} "
         f"C {x + w * 1.02:.1f} {y + h * 0.5:.1f} {x + w * 1.02:.1f} {y + h:.1f} "
         f"{x + w * 0.88:.1f} {y + h:.1f} Z")
    return path(d, fill, edge, 1.2)


# ---------------------------------------------------------------------------
# Page pictures.

def cover():
    W, H = 329, 504
    defs = (linear("cl", [(0, CLOTH_LIGHT), (1, CLOTH_DARK)], x2=0.3, y2=1) +
            '<pattern id="weave" width="4" height="4" patternUnits="userSpaceOnUse">'
            '<path d="M 0 4 L 4 0" stroke="#ffffff" stroke-width="0.4" opacity="0.08"/>'
            '</pattern>')
    body = [rect(0, 0, W, H, "url(#cl)", rx=8), rect(0, 0, W, H, "url(#weave)", rx=8),
            rect(0, 0, 16, H, "#00000030", rx=4),
            rect(30, 22, W - 50, H - 44, "none", GOLD, 1.5, 6),
            rect(36, 28, W - 62, H - 56, "none", GOLD, 0.7, 4),
            text(W / 2 + 6, 92, "Tapquill", 46, GOLD, family=SERIF),
            line(90, 108, W - 78, 108, GOLD, 1)]
    # Emblem: a key cap with a quill resting on it.
    body.append(rect(W / 2 - 30, 128, 60, 52, "#f6efdc", "#b79a52", 1.5, 8))
    body.append(text(W / 2, 165, "T", 30, CLOTH, family=SERIF))
    body.append(quill(W / 2 + 12, 112, 0.9))
    emit("Book.pic", W, H, "".join(body), defs)


def desk_scene(W, H):
    """A quiet study corner: window, shelf of books, desk with a keyboard."""
    dy = H - 262  # the desk stands on the floor at the bottom of the picture
    body = [rect(0, 0, W, H, PAPER, rx=12),
            rect(0, H - 14, W, 14, "#e6dcc8", rx=6),
            # window with sky and sun
            rect(30, 28, 130, 110, "#dcecf7", "#b9a98a", 4, 4),
            circle(130, 62, 14, "#f6d37a"),
            line(95, 28, 95, 138, "#b9a98a", 3), line(30, 83, 160, 83, "#b9a98a", 3),
            # shelf with books
            rect(190, 112, 120, 7, "#b98b5e", "#8d6540", 1, 2)]
    for i, c in enumerate([SAGE, SKY_DEEP, AMBER, CORAL, CLOTH_LIGHT]):
        x = 198 + i * 21
        h = 50 + (i * 7) % 13
        body.append(rect(x, 112 - h, 17, h, c, "#00000030", 1, 2))
        body.append(line(x + 4, 112 - h + 8, x + 13, 112 - h + 8, "#ffffff", 1.5,
                         'opacity="0.6"'))
    body += [
        # plant on the desk
        rect(232, dy + 150, 40, 40, "#d98c5f", "#a9643e", 1.5, 4),
        path(f"M 252 {dy + 150} C 240 {dy + 120} 226 {dy + 112} 218 {dy + 104} "
             f"M 252 {dy + 150} C 254 {dy + 118} 262 {dy + 104} 270 {dy + 92} "
             f"M 252 {dy + 150} C 262 {dy + 130} 280 {dy + 126} 292 {dy + 122}",
             "none", SAGE_DARK, 3),
        circle(218, dy + 104, 9, SAGE), circle(270, dy + 92, 10, SAGE),
        circle(292, dy + 122, 9, SAGE), circle(238, dy + 126, 7, SAGE_LIGHT),
        # desk
        rect(10, dy + 190, W - 20, 14, "#b98b5e", "#8d6540", 1.5, 3),
        rect(30, dy + 204, 12, H - 14 - dy - 204, "#8d6540"),
        rect(W - 42, dy + 204, 12, H - 14 - dy - 204, "#8d6540")]
    # keyboard on the desk
    scale = 0.34
    body.append(rect(56, dy + 128, 498 * scale + 8, 170 * scale + 4, "#e3dccb", "#b9b3a6", 1, 5))
    body.append(keyboard(60, dy + 130, scale, lambda k: (KEY_FACE, INK)))
    # cup
    body.append(rect(20, dy + 164, 22, 26, "#ffffff", INK_SOFT, 1.5, 4))
    body.append(path(f"M 42 {dy + 170} C 50 {dy + 170} 50 {dy + 184} 42 {dy + 184}", "none",
                     INK_SOFT, 1.5))
    body.append(path(f"M 27 {dy + 158} C 24 {dy + 152} 30 {dy + 150} 27 {dy + 144} "
                     f"M 34 {dy + 158} C 31 {dy + 152} 37 {dy + 150} 34 {dy + 144}",
                     "none", "#c4b8a4", 1.5))
    return "".join(body)


def welcome():
    W, H = 330, 360
    emit("Welcome.pic", W, H, desk_scene(W, H))


def goodbye():
    W, H = 330, 360
    body = [rect(0, 0, W, H, PAPER, rx=12)]
    # Confetti in the palette.
    import random
    rng = random.Random(11)
    for _ in range(46):
        x, y = rng.uniform(14, W - 14), rng.uniform(14, H - 60)
        if 90 < x < 240 and 60 < y < 300:
            continue
        c = rng.choice([SAGE, AMBER, CORAL, SKY_DEEP, GOLD])
        a = rng.uniform(0, 180)
        body.append(rect(round(x, 1), round(y, 1), 8, 4, c,
                         extra=f'transform="rotate({a:.0f} {x:.1f} {y:.1f})"'))
    # Ribbons and a rosette medal.
    body.append(path("M 140 190 L 118 300 L 140 286 L 156 306 L 165 200 Z", CLOTH_LIGHT,
                     CLOTH_DARK, 1.5))
    body.append(path("M 190 190 L 212 300 L 190 286 L 174 306 L 165 200 Z", CLOTH, CLOTH_DARK,
                     1.5))
    petals = "".join(
        circle(round(165 + 62 * math.cos(a), 1), round(140 + 62 * math.sin(a), 1), 20, "#f3d27a",
               "#c9a245", 1.2) for a in [i * math.pi / 8 for i in range(16)])
    body.append(petals)
    body.append(circle(165, 140, 62, "#f6dc8f", "#c9a245", 2))
    body.append(circle(165, 140, 48, "#fff6dc", "#c9a245", 1.5))
    body.append(path("M 140 142 L 158 160 L 192 122", "none", SAGE_DARK, 9))
    emit("Goodbye.pic", W, H, "".join(body))


def review():
    W, H = 300, 180
    body = [rect(0, 0, W, H, PAPER, rx=12)]
    letters = "ASDF"
    for i, c in enumerate(letters):
        x = 40 + i * 56
        fill = LIT if c == "D" else KEY_FACE
        body.append(rect(x, 66, 46, 46, fill, KEY_EDGE, 1.5, 7))
        body.append(text(x + 23, 98, c, 22, "#ffffff" if c == "D" else INK))
    # Circular arrows around the keys: practise again.
    body.append(path("M 60 52 C 90 16 210 16 240 52", "none", SAGE_DARK, 4))
    body.append(path("M 232 40 L 242 54 L 226 56", "none", SAGE_DARK, 4))
    body.append(path("M 240 128 C 210 164 90 164 60 128", "none", AMBER, 4))
    body.append(path("M 68 140 L 58 126 L 74 124", "none", AMBER, 4))
    emit("Review.pic", W, H, "".join(body))


def intro_pictures():
    # 1. Sitting well: a person at a desk, seen from the side.
    W, H = 300, 300
    b = [rect(0, 0, W, H, PAPER, rx=12),
         rect(20, 270, 260, 6, "#d8ccb4", rx=3),  # floor
         # desk and screen
         rect(170, 170, 110, 10, "#b98b5e", "#8d6540", 1.5, 2),
         rect(262, 180, 8, 90, "#8d6540"),
         rect(236, 96, 10, 64, INK_SOFT, rx=3),
         rect(214, 150, 54, 8, INK_SOFT, rx=3),
         rect(228, 84, 16, 70, "#3f4f5d", rx=4),
         rect(178, 162, 46, 8, "#e3dccb", "#b9b3a6", 1, 2),  # keyboard
         # chair
         rect(78, 186, 70, 12, CLOTH, rx=4), rect(74, 110, 12, 88, CLOTH, rx=5),
         rect(106, 198, 8, 60, INK_SOFT), rect(84, 254, 52, 6, INK_SOFT, rx=3),
         # person
         circle(112, 72, 20, SKIN, SKIN_EDGE, 1.5),
         path("M 100 96 C 96 130 98 160 104 188 L 132 188 C 138 160 136 128 126 96 Z",
              SAGE, SAGE_DARK, 1.5),
         path("M 120 110 L 132 156 L 184 160", "none", SAGE_DARK, 10),  # arm
         path("M 120 110 L 132 156 L 184 160", "none", SAGE, 7),
         path("M 112 188 L 168 192 L 168 262", "none", "#4f6272", 14),  # leg
         path("M 160 264 L 186 264", "none", INK, 8),  # foot
         # guide: eyes level with the top of the screen
         line(132, 68, 226, 88, AMBER, 1.5, 'stroke-dasharray="4 4"')]
    emit("Intro1.pic", W, H, "".join(b))

    # 2. The home row: fingers resting on their keys, the ridges marked.
    W, H = 300, 200
    home = [k for k in qwerty() if k.y == 70 and k.kind == "key"][:10]
    scale = 0.85
    b = [rect(0, 0, W, H, PAPER, rx=12)]
    x0 = (W - 10 * 33 * scale) / 2 - home[0].x * scale
    for k in home:
        kk = Key(k.kind, k.finger, k.x, 0, k.w, k.h, k.flags, k.labels)
        resting = k.main in "asdfjkl;"
        b.append(draw_key(kk, round(x0, 1), 110, scale, SAGE_LIGHT if resting else KEY_FACE,
                          INK))
        cx = x0 + (k.x + k.w / 2) * scale
        if resting:
            top = 40 if k.main in "dk" else (46 if k.main in "sfjl" else 56)
            b.append(finger_svg((cx, 99), (cx, top), 10, SKIN, SKIN_EDGE, nail=False))
        if "n" in k.flags:
            b.append(path(f"M {cx - 6:.1f} 156 L {cx:.1f} 149 L {cx + 6:.1f} 156", "none",
                          AMBER, 2.5))
    for k0, k3 in ((home[0], home[3]), (home[6], home[9])):
        x1 = x0 + k0.x * scale - 2
        x2 = x0 + (k3.x + k3.w) * scale + 2
        b.append(rect(round(x1, 1), 6, round(x2 - x1, 1), 52, SKIN, SKIN_EDGE, 1.2, 16))
    b.append(text(x0 + (home[0].x + home[3].x + 32) / 2 * scale, 30, "left hand", 12,
                  INK_SOFT, weight="normal"))
    b.append(text(x0 + (home[6].x + home[9].x + 32) / 2 * scale, 30, "right hand", 12,
                  INK_SOFT, weight="normal"))
    b.append(rect(70, 170, 160, 14, KEY_FACE, KEY_EDGE, 1, 4))  # space bar
    emit("Intro2.pic", W, H, "".join(b))

    # 3. Fingers and keys: every key in the colour of its finger.
    colors = {1: "#e9b8b0", 2: "#f1d39a", 3: "#cfe3a8", 4: "#a9d7c4", 5: "#a9cbe6",
              6: "#c6b8e6", 7: "#e6b8d7", 8: "#d9c2a8", 9: KEY_FACE, 10: KEY_FACE}
    scale = 0.57
    b = [rect(0, 0, W, H, PAPER, rx=12)]
    kx = (W - 498 * scale) / 2
    b.append(keyboard(round(kx, 1), 40, scale,
                      lambda k: (colors.get(k.finger, KEY_FACE), INK)))
    for i in range(8):
        x = 34 + i * 30 + (14 if i >= 4 else 0)
        b.append(rect(x, 150, 22, 30, colors[i + 1], KEY_EDGE, 1, 10))
    b.append(text(W / 2, 24, "one colour for each finger", 12, INK_SOFT, weight="normal"))
    emit("Intro3.pic", W, H, "".join(b))

    # 4. How a lesson works: a small open book, picture left, list right.
    W, H = 300, 220
    b = [rect(0, 0, W, H, PAPER, rx=12),
         rect(18, 30, 264, 170, CLOTH, rx=6),
         rect(24, 34, 124, 160, "#fffdf7"), rect(152, 34, 124, 160, "#fffdf7"),
         rect(146, 34, 8, 160, "#e6dbc4")]
    b.append(rect(38, 56, 96, 70, SKY, rx=4))
    b.append(circle(112, 76, 9, "#f6d37a"))
    b.append(path("M 38 126 L 70 92 L 94 114 L 108 102 L 134 126 Z", SAGE))
    b.append(text(86, 166, "5", 34, INK, family=SERIF))
    for i in range(6):
        y = 50 + i * 20
        fill = "#fff3c8" if i == 2 else ("#dcecd8" if i < 2 else "#c0dcc0")
        b.append(rect(162, y, 104, 16, fill, "#d9b45a" if i == 2 else "none", 1, 3))
        if i < 2:
            b.append(path(f"M 166 {y + 8} L 169 {y + 11} L 174 {y + 5}", "none", SAGE_DARK, 1.6))
        b.append(rect(180, y + 6, 40 + (i * 7) % 30, 4, INK_SOFT, rx=2))
    b.append(rect(226, 172, 40, 16, CLOTH_LIGHT, rx=4))
    b.append(path("M 241 175 L 251 180 L 241 185 Z", "#ffffff"))
    emit("Intro4.pic", W, H, "".join(b))

    # 5. Your results: five small signs for the five figures.
    W, H = 300, 220
    b = [rect(0, 0, W, H, PAPER, rx=12)]
    cx = [50, 150, 250, 100, 200]
    cy = [60, 60, 60, 160, 160]
    # speed: a small dial
    b.append(path("M 22 72 A 28 28 0 0 1 78 72", "none", SAGE, 8))
    b.append(line(50, 72, 68, 52, CORAL, 3) + circle(50, 72, 4, INK))
    # accuracy: a target
    b += [circle(cx[1], cy[1], 28, "#ffffff", CORAL, 4), circle(cx[1], cy[1], 17, "none", CORAL, 4),
          circle(cx[1], cy[1], 6, CORAL)]
    # rhythm: an even wave
    b.append(path("M 222 60 Q 229 40 236 60 T 250 60 T 264 60 T 278 60", "none", BLUE, 4))
    # backspace: a key with a left arrow
    b.append(rect(72, 138, 56, 42, KEY_FACE, KEY_EDGE, 1.5, 6))
    b.append(path("M 116 159 L 86 159 M 95 150 L 86 159 L 95 168", "none", INK, 3))
    # efficiency: a star
    pts = []
    for i in range(10):
        r = 28 if i % 2 == 0 else 12
        a = -math.pi / 2 + i * math.pi / 5
        pts.append(f"{cx[4] + r * math.cos(a):.1f} {cy[4] + r * math.sin(a):.1f}")
    b.append(path("M " + " L ".join(pts) + " Z", "#f6c453", AMBER, 2))
    emit("Intro5.pic", W, H, "".join(b))

    # 6. Efficiency: speed and accuracy make one bar, as long as the weaker.
    W, H = 300, 200
    b = [rect(0, 0, W, H, PAPER, rx=12),
         rect(40, 40, 200, 22, "#e9e3d6", rx=6), rect(40, 40, 170, 22, SKY_DEEP, rx=6),
         rect(40, 80, 200, 22, "#e9e3d6", rx=6), rect(40, 80, 90, 22, CORAL, rx=6),
         path("M 250 51 C 270 51 270 91 250 91", "none", INK_SOFT, 2),
         path("M 262 71 L 262 126 M 255 118 L 262 128 L 269 118", "none", INK_SOFT, 2),
         rect(40, 140, 200, 26, "#e9e3d6", rx=6), rect(40, 140, 112, 26, SAGE_DARK, rx=6)]
    b.append(circle(24, 51, 7, SKY_DEEP) + circle(24, 91, 7, CORAL) + circle(24, 153, 8, SAGE_DARK))
    emit("Intro6.pic", W, H, "".join(b))


def main():
    global SVG_DIR
    if "--svg" in sys.argv:
        SVG_DIR = sys.argv[sys.argv.index("--svg") + 1]
    window_art()
    hands()
    small_art()
    cover()
    welcome()
    goodbye()
    review()
    intro_pictures()
    for n in range(1, len(BEGINNER_KEYS) + 1):
        lesson_picture(n)
    for n in range(1, 7):
        keypad_picture(n)
    speeds = [120, 130, 140, 150, 165, 180, 195, 210, 230, 250]
    for n, s in enumerate(speeds, 1):
        speed_picture(n, s)
    print(f"make_art: {len(MADE)} pictures")


if __name__ == "__main__":
    main()
