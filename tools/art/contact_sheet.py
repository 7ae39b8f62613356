#!/usr/bin/env python3
"""Assembles every picture in data/ into one contact sheet, docs/contact_sheet.png.

Each tile shows the picture scaled down to fit (never enlarged, except the
tiny lamps and arrows, shown at twice their size) on a light grey ground, so
that transparent parts show, with its file name and real size below it.
Needs ImageMagick's montage. Run: python3 tools/art/contact_sheet.py
"""

import glob
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def size_of(path):
    out = subprocess.run(["identify", "-format", "%w %h", path + "[0]"], capture_output=True,
                         text=True, check=True).stdout.split()
    return int(out[0]), int(out[1])


def main():
    data = os.path.join(ROOT, "data")
    files = sorted(glob.glob(os.path.join(data, "*.pic")),
                   key=lambda p: (os.path.basename(p)[:2], len(p), p))
    files += sorted(glob.glob(os.path.join(data, "art", "*.png")))
    out = os.path.join(ROOT, "docs", "contact_sheet.png")
    with tempfile.TemporaryDirectory() as tmp:
        tiles = []
        for i, f in enumerate(files):
            w, h = size_of(f)
            tile = os.path.join(tmp, f"{i:03d}.png")
            zoom = ["-scale", "200%"] if max(w, h) <= 32 else []
            subprocess.run(["convert", "png:" + f] + zoom + ["-resize", "230x230>",
                            "-background", "#d9d9d9", "-flatten", tile], check=True)
            label = f"{os.path.relpath(f, data)}  {w}x{h}"
            tiles += ["-label", label, tile]
        subprocess.run(["montage"] + tiles + [
            "-tile", "8x", "-geometry", "230x230+8+8", "-pointsize", "12",
            "-background", "#f4f1ea", "-title", "Tapquill pictures", "-depth", "8", out], check=True)
    print(out)


if __name__ == "__main__":
    sys.exit(main())
