#!/usr/bin/env python3
"""Writes the stories (data/*.exm) and the game word lists (data/*.vcb).

A story file starts with the four headers the story page shows ($author,
$description, $longdesc, $copyright); its paragraphs follow one a line, cut
at sentence ends where a paragraph is longer than a line may be.

Run: python3 tools/texts/make_texts.py
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.dirname(HERE))

from ansifile import MAX_LINE, data_dir, write_lines  # noqa: E402
import stories  # noqa: E402
import word_lists  # noqa: E402

COPYRIGHT = "\u00a9 Tapquill project. Written for this program, free to use in teaching."


def header_value(text):
    # Header lines are split at "=" and ";": neither may appear in a value.
    if ";" in text or "=" in text:
        raise ValueError(f"header value with ';' or '=': {text}")
    if len(text) > 240:
        raise ValueError(f"header value too long: {text}")
    return text


def split_paragraph(p, limit=MAX_LINE):
    """A paragraph as lines of at most limit characters, cut after sentences."""
    p = " ".join(p.split())
    if len(p) <= limit:
        return [p]
    sentences = re.findall(r'.+?[.!?]["\']?(?=\s|$)', p)
    if "".join(sentences).replace(" ", "") != p.replace(" ", ""):
        raise ValueError(f"cannot cut paragraph: {p[:60]}")
    lines, cur = [], ""
    for s in (x.strip() for x in sentences):
        if cur and len(cur) + 1 + len(s) > limit:
            lines.append(cur)
            cur = s
        else:
            cur = (cur + " " + s) if cur else s
    lines.append(cur)
    if any(len(x) > limit for x in lines):
        raise ValueError(f"sentence too long: {p[:60]}")
    return lines


def story_lines(s):
    out = [
        "$version=1",
        "$author=" + header_value(s["author"]),
        "$description=" + header_value(s["title"]),
        "$longdesc=" + header_value(s["longdesc"]),
        "$copyright=" + header_value(COPYRIGHT),
        "$end",
    ]
    paragraphs = [p.strip() for p in s["text"].strip().split("\n\n") if p.strip()]
    for p in paragraphs:
        out += split_paragraph(p)
    return out


def word_list_lines(title, text):
    words = word_lists.words(text)
    for w in words:
        if not (w.isascii() and w.isalpha() and w.islower()):
            raise ValueError(f"word list {title}: {w!r} is not a plain word")
    return ["$version=1", "$description=" + header_value(title), "$author=Tapquill",
            "$end"] + words


def main():
    word_lists.check_lists()
    out = data_dir()
    for s in stories.STORIES:
        write_lines(os.path.join(out, s["file"] + ".exm"), story_lines(s))
    for name, (title, text) in word_lists.LISTS.items():
        write_lines(os.path.join(out, name + ".vcb"), word_list_lines(title, text))


if __name__ == "__main__":
    main()
