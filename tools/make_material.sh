#!/usr/bin/env bash
# Regenerates everything under data/ from the generators in tools/, in the
# order they depend on each other, and the contact sheet of the pictures.
# The courses are checked key by key while they are written. Pictures need
# rsvg-convert (librsvg2-bin) and the contact sheet ImageMagick; neither is
# needed to build or run the program, since the results are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 tools/keyboards/make_kbd.py
python3 tools/texts/make_ini.py
python3 tools/texts/make_texts.py
python3 tools/courses/make_courses.py
python3 tools/review/make_review.py
python3 tools/sounds/make_sounds.py
python3 tools/art/make_art.py
python3 tools/art/contact_sheet.py
