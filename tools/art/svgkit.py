"""Small helpers for drawing the artwork as SVG and rendering it to PNG."""

import os
import shutil
import subprocess
import tempfile

# One palette for every picture: calm, warm paper with teal and sage.
INK = "#34424f"
INK_SOFT = "#6b7885"
PAPER = "#fbf7ee"
PAPER_SHADE = "#efe6d3"
CLOTH = "#2f5f66"
CLOTH_DARK = "#234a50"
CLOTH_LIGHT = "#3f7880"
GOLD = "#d9b45a"
SAGE = "#8fbf9a"
SAGE_LIGHT = "#cfe5d2"
SAGE_DARK = "#4f8a5e"
LIT = "#5cc15c"
LIT_DARK = "#2f8a3a"
AMBER = "#e8a64b"
CORAL = "#d9735b"
SKY = "#bcd8ee"
SKY_DEEP = "#6f9fc8"
BLUE = "#4f7fae"
KEY_FACE = "#fdfaf2"
KEY_EDGE = "#8d8a82"
KEY_GREY = "#d6d3cc"
KEY_DARK = "#b9b5ac"
SKIN = "#f1dfcc"
SKIN_EDGE = "#9b806a"

FONT = "Liberation Sans, Arial, sans-serif"
SERIF = "Liberation Serif, Times New Roman, serif"


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">'
            f"<defs>{defs}</defs>{body}</svg>")


def rect(x, y, w, h, fill, stroke="none", sw=1, rx=0, extra=""):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="{sw}" {extra}/>')


def circle(cx, cy, r, fill, stroke="none", sw=1, extra=""):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}" stroke="{stroke}" '
            f'stroke-width="{sw}" {extra}/>')


def line(x1, y1, x2, y2, stroke, sw=1, extra=""):
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{stroke}" '
            f'stroke-width="{sw}" stroke-linecap="round" {extra}/>')


def path(d, fill="none", stroke="none", sw=1, extra=""):
    return (f'<path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}" '
            f'stroke-linejoin="round" stroke-linecap="round" {extra}/>')


def text(x, y, s, size, fill=INK, weight="bold", anchor="middle", family=FONT, extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>'
            f"{esc(s)}</text>")


def linear(id_, stops, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{id_}" x1="0" y1="0" x2="{x2}" y2="{y2}">{s}'
            f"</linearGradient>")


def radial(id_, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
    f = ""
    if fx is not None:
        f = f' fx="{fx}" fy="{fy}"'
    return f'<radialGradient id="{id_}" cx="{cx}" cy="{cy}" r="{r}"{f}>{s}</radialGradient>'


def shadow_filter(id_, dx=1, dy=2, blur=2, opacity=0.25):
    return (f'<filter id="{id_}" x="-20%" y="-20%" width="140%" height="140%">'
            f'<feDropShadow dx="{dx}" dy="{dy}" stdDeviation="{blur}" '
            f'flood-color="#000" flood-opacity="{opacity}"/></filter>')


def render(svg_text, out_path, width, height, keep_svg_dir=None):
    """Renders SVG text to a PNG file at exactly width x height."""
    if not shutil.which("rsvg-convert"):
        raise SystemExit("make_art: rsvg-convert is missing (apt-get install librsvg2-bin)")
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False) as f:
        f.write(svg_text)
        src = f.name
    try:
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png",
                        "-o", out_path, src], check=True)
        if keep_svg_dir:
            os.makedirs(keep_svg_dir, exist_ok=True)
            name = os.path.splitext(os.path.basename(out_path))[0] + ".svg"
            shutil.copy(src, os.path.join(keep_svg_dir, name))
    finally:
        os.unlink(src)
    # rsvg writes a timestamp-free PNG; strip nothing else.
    return out_path
