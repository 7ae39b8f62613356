"""Building blocks of the course generator: lessons, exercises, event lines,
the text files they name, and the checks that run while a course is written.

A course is written as a contents file (".cnt" or ".kls") plus the text files
its event lines name with "FILE:". Every typed text is checked here against
the keys the student has learned by then, so a generator run that would ship
a text with an unknown key stops with the lesson, exercise and character.
"""

import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from ansifile import data_dir, write_lines  # noqa: E402

# Characters that are never "keys to learn": word and line separators.
FREE = set(" \r\n")

# Event types whose text (field 3) the student types.
TYPED = {"NEWKEYS", "KEYBOARD", "WORD", "SENTENCE", "PARAGRAPH", "TEXT", "EXAM"}
# Events that type their text a line (block) at a time.
BLOCKS = {"SENTENCE", "PARAGRAPH"}
# A block text line starting with this is a credit shown under the block.
CREDIT_MARKER = '"\u00a4|w"'
# Games whose field 3 names a word file.
WORD_GAMES = {"WORDTRIS", "CLOUDS"}


class GeneratorError(Exception):
    pass


# Advance widths of the exercise view's serif text font (Times metrics, as
# the shipped fall-back Liberation Serif has them) in thousandths of an em,
# for the characters 32..126.
SERIF_WIDTHS = [
    250, 333, 408, 500, 500, 833, 778, 180, 333, 333, 500, 564, 250, 333, 250, 278,
    500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 278, 278, 564, 564, 564, 444,
    921, 722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889, 722, 722,
    556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611, 333, 278, 333, 469, 500,
    333, 444, 500, 444, 500, 444, 333, 500, 500, 278, 278, 500, 278, 778, 500, 500,
    500, 500, 333, 389, 278, 500, 500, 722, 500, 500, 444, 480, 200, 480, 541,
]
# The exercise view is 500 pixels wide with 3-pixel margins, and a word
# starts a new line unless the room of "WW" is left after it. Texts are shown
# at 14 points (19 pixels on a 96-dpi screen), sentences at 20 (27 pixels).
VIEW_ROOM = 500 - 3 - 3
TEXT_PIXELS = 19
SENTENCE_PIXELS = 27


# Advance widths of the message pages' sans-serif font (Arial metrics) in
# thousandths of an em, for the characters 32..126.
SANS_WIDTHS = [
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,
]
# A message page beside a 300-pixel picture has a text column of 330 pixels
# in 11-point Arial (15 pixels, a little more than the 14.7 of a 96-dpi
# screen); the console covers the page below its 16th line of 17 pixels.
MESSAGE_ROOM = 330 - 3 - 3
MESSAGE_PIXELS = 15
MESSAGE_LINES = 16


def message_line_count(lines):
    """Display lines of a message page's text, wrapped as the page wraps it."""
    def width(s):
        return sum(SANS_WIDTHS[ord(c) - 32] if 32 <= ord(c) < 127 else 1000
                   for c in s) * MESSAGE_PIXELS / 1000
    count = 0
    for line in lines:
        x, rows = 0, 1
        for word in line.split():
            if x and x + width(word) + width("WW") > MESSAGE_ROOM:
                rows, x = rows + 1, 0
            x += width(word) + width(" ")
        count += rows
    return count


def text_width(text, pixels):
    """Width of a line in whole pixels, each character rounded up (hinted
    glyphs never grow by more than that, and kerning only narrows)."""
    total = 0
    for ch in text:
        code = ord(ch)
        units = SERIF_WIDTHS[code - 32] if 32 <= code < 127 else 1000
        total += -(-units * pixels // 1000)
    return total


def fits_view(line, pixels):
    return text_width(line, pixels) + text_width("WW", pixels) <= VIEW_ROOM


def wrap_to_view(text, pixels=TEXT_PIXELS):
    """A paragraph cut into lines that the exercise view shows whole."""
    lines, cur = [], ""
    for word in text.split():
        trial = (cur + " " + word) if cur else word
        if cur and not fits_view(trial, pixels):
            lines.append(cur)
            cur = word
        else:
            cur = trial
    if cur:
        lines.append(cur)
    return lines


def escape_field(text):
    """A value as it must appear between ";" delimiters of a course line."""
    return text.replace(";", "%;").replace("=", "%=")


class TextFile:
    """A text data file written next to the course (path relative to data/)."""

    def __init__(self, rel_path, lines, description=None):
        self.rel_path = rel_path  # with backslashes, as the course names it
        self.lines = list(lines)
        self.description = description

    def content_lines(self):
        out = []
        if self.description:
            out.append("$description=" + self.description)
            out.append("$author=Tapquill")
            out.append("$end")
        for line in self.lines:
            if line.startswith("$"):
                raise GeneratorError(f"{self.rel_path}: a text line may not start with '$'")
            out.append(line)
        return out

    def text(self):
        return "\r\n".join(self.lines) + "\r\n"

    def write(self):
        path = os.path.join(data_dir(), *self.rel_path.split("\\"))
        write_lines(path, self.content_lines())


class Event:
    def __init__(self, kind, weight, source, extra=(), text_file=None):
        self.kind = kind
        self.weight = weight
        self.source = source
        self.extra = list(extra)
        self.text_file = text_file

    def line(self):
        fields = [self.kind, str(self.weight), self.source] + [escape_field(x) for x in self.extra]
        return "event=" + ";".join(fields)


class Exercise:
    def __init__(self, type_text, duration, events):
        self.type_text = type_text
        self.duration = duration
        self.events = events


class Lesson:
    def __init__(self, title, new_keys="", picture="", extradesc="", percent=100):
        self.title = title
        self.new_keys = new_keys
        self.picture = picture
        self.extradesc = extradesc
        self.percent = percent
        self.exercises = []

    def add(self, type_text, duration, *events):
        self.exercises.append(Exercise(type_text, duration, list(events)))


class Course:
    def __init__(self, file_name, name, description, longdesc, default_time=25,
                 keyboard="ALL", wizard="", loops=(3, 5, 1, 2)):
        self.file_name = file_name
        self.name = name
        self.description = description
        self.longdesc = longdesc
        self.default_time = default_time
        self.keyboard = keyboard
        self.wizard = wizard
        self.loops = loops
        self.lessons = []
        self.comments = []
        # Lesson pages must fit above the console (the introduction's pages
        # are longer and are not checked).
        self.lesson_pages_checked = file_name != "introd.kls"
        self.files = {}

    # Text files -----------------------------------------------------------
    def file(self, rel_path, lines, description=None):
        if rel_path in self.files:
            raise GeneratorError(f"{rel_path} written twice")
        tf = TextFile(rel_path, lines, description)
        self.files[rel_path] = tf
        return tf

    # Event helpers ----------------------------------------------------------
    def message(self, rel_path, paragraphs, title, picture="", left=True):
        tf = self.file(rel_path, paragraphs_to_lines(paragraphs))
        extra = [title]
        if picture:
            extra.append(picture)
            extra.append("LEFT" if left else "RIGHT")
        return Event("MESSAGE", 0, "FILE:" + rel_path, extra, tf)

    def typed(self, kind, weight, rel_path, lines, *extra):
        tf = self.file(rel_path, lines)
        return Event(kind, weight, "FILE:" + rel_path, extra, tf)

    def game(self, kind, weight, word_file=None, words=None, storm=None):
        """A game event. Bubbles takes no word file ("NIL"); WordTris and
        Clouds name one, written here when words are given."""
        source = "NIL"
        if word_file:
            source = word_file
            if words is not None:
                self.file(word_file, words)
        extra = [] if storm is None else ["TRUE" if storm else "FALSE"]
        return Event(kind, weight, source, extra)

    # Output -------------------------------------------------------------------
    def contents_lines(self):
        out = [
            "$version=1",
            "$description=" + self.description,
            "$longdesc=" + self.longdesc,
            "$author=Tapquill",
            "$copyright=Tapquill project. Written for this program.",
            "$end",
        ]
        out += ["' " + c if c else "'" for c in self.comments]
        word_loop, word_max, sentence_loop, sentence_max = self.loops
        out += [
            "contents name=" + self.name,
            f"default time={self.default_time}",
            "keyboard=" + self.keyboard,
            "wizardname=" + self.wizard,
            f"wordloop={word_loop}",
            f"wordmaxloop={word_max}",
            f"sentenceloop={sentence_loop}",
            f"sentencemaxloop={sentence_max}",
        ]
        for number, lesson in enumerate(self.lessons, 1):
            out.append("")
            out.append(f"' Lesson {number}")
            out.append("begin chapter")
            out.append(f"chapter name={number};{escape_field(lesson.title)}")
            if lesson.picture:
                out.append("picture=" + lesson.picture)
            if lesson.new_keys:
                out.append("new keys=" + escape_field(lesson.new_keys))
            if lesson.extradesc:
                out.append("extradesc=" + escape_field(lesson.extradesc))
            if lesson.percent:
                out.append(f"durationpercent={lesson.percent}")
            for ex in lesson.exercises:
                out.append("begin exercise")
                out.append("type=" + ex.type_text)
                out.append(f"duration={ex.duration}")
                for ev in ex.events:
                    out.append(ev.line())
                out.append("end exercise")
            out.append("end chapter")
        return out

    def check(self, typeable=None):
        """Limits and the known-keys rule; raises GeneratorError."""
        if len(self.lessons) > 20:
            raise GeneratorError(f"{self.file_name}: {len(self.lessons)} lessons (at most 20)")
        known = set()
        problems = []
        has_groups = any(lesson.new_keys for lesson in self.lessons)
        for number, lesson in enumerate(self.lessons, 1):
            known |= set(lesson.new_keys)
            if len(lesson.exercises) > 7:
                raise GeneratorError(f"{self.file_name}: lesson {number} has "
                                     f"{len(lesson.exercises)} exercises (at most 7)")
            for ordinal, ex in enumerate(lesson.exercises, 1):
                if len(ex.events) > 20:
                    raise GeneratorError(f"{self.file_name}: {number}.{ordinal}: too many events")
                for ev in ex.events:
                    text = None
                    if ev.kind in TYPED and ev.text_file:
                        lines = ev.text_file.lines
                        if ev.kind in BLOCKS:
                            # A credit line is shown under the block, never typed.
                            lines = [x for x in lines if not x.startswith(CREDIT_MARKER)]
                        text = "\n".join(lines)
                    elif ev.kind in WORD_GAMES:
                        path = os.path.join(data_dir(), *ev.source.split("\\"))
                        if not os.path.exists(path):
                            problems.append(f"{self.file_name}: {number}.{ordinal}: "
                                            f"missing word file {ev.source}")
                            continue
                        with open(path, "rb") as f:
                            text = f.read().decode("cp1252").lower()
                        if text.startswith("$"):
                            text = "\n".join(x for x in text.splitlines()
                                             if not x.startswith("$"))
                    if text is None:
                        continue
                    for word in text.split():
                        bad = [ch for ch in word
                               if (has_groups and ch not in known)
                               or (typeable is not None and ch not in typeable)]
                        if bad:
                            problems.append(
                                f"{self.file_name}: lesson {number}, exercise {number}.{ordinal}"
                                f" ({ev.source}): {bad[0]!r} not learned or not typeable"
                                f" in {word!r}")
        problems += self.practice_problems()
        if problems:
            raise GeneratorError("\n".join(problems))

    def practice_problems(self):
        """Lines within the view, credits before their saying, and each
        lesson's new keys practised in its word drill, text and exam."""
        problems = []
        has_groups = any(lesson.new_keys for lesson in self.lessons)
        for number, lesson in enumerate(self.lessons, 1):
            where = f"{self.file_name}: lesson {number}"
            by_kind = {}
            for ex in lesson.exercises:
                for ev in ex.events:
                    if ev.kind == "MESSAGE" and ev.text_file and self.lesson_pages_checked:
                        n = message_line_count(ev.text_file.lines)
                        if n > MESSAGE_LINES:
                            problems.append(f"{where} ({ev.source}): the page needs {n} "
                                            f"lines (at most {MESSAGE_LINES})")
                    if not ev.text_file or ev.kind not in TYPED:
                        continue
                    lines = ev.text_file.lines
                    by_kind.setdefault(ev.kind, []).extend(lines)
                    if ev.kind in BLOCKS:
                        for i, line in enumerate(lines):
                            if line.startswith(CREDIT_MARKER) and (
                                    i + 1 >= len(lines) or not lines[i + 1].strip()
                                    or lines[i + 1].startswith(CREDIT_MARKER)):
                                problems.append(f"{where} ({ev.source}): the credit "
                                                f"{line[5:]!r} is followed by no saying")
                        lines = [x for x in lines if not x.startswith(CREDIT_MARKER)]
                    if ev.kind in BLOCKS or ev.kind in ("TEXT", "EXAM"):
                        pixels = SENTENCE_PIXELS if ev.kind == "SENTENCE" else TEXT_PIXELS
                        for line in lines:
                            if not fits_view(line, pixels):
                                problems.append(f"{where} ({ev.source}): wider than the "
                                                f"view: {line!r}")
            if not has_groups or not lesson.new_keys:
                continue
            new = lesson.new_keys
            words = " ".join(by_kind.get("WORD", []))
            for ch in new:
                if ch.isalpha() and ch not in words:
                    problems.append(f"{where}: {ch!r} is not in the word drill")
            for kind in ("TEXT", "EXAM"):
                text = "".join("".join(by_kind.get(kind, [])).split())
                least = 3 if len(new) <= 4 else 1
                for ch in new:
                    if text.count(ch) < least:
                        problems.append(f"{where}: {ch!r} {text.count(ch)} times in the "
                                        f"{kind.lower()} (at least {least})")
                share = sum(text.count(ch) for ch in new) / max(1, len(text))
                if share < 0.08:
                    problems.append(f"{where}: new keys are {share:.1%} of the "
                                    f"{kind.lower()} (at least 8 %)")
        return problems

    def write(self, typeable=None):
        for tf in self.files.values():
            tf.write()
        self.check(typeable)
        write_lines(os.path.join(data_dir(), self.file_name), self.contents_lines())


def exam_minimums(speed, accuracy, rhythm):
    """A message paragraph telling what the lesson's exam asks, in both speed
    units (the page cannot know which one the student chose). Accuracy is
    the results page's figure: 90 % correct characters show 0, 100 % 100."""
    correct = f"{90 + accuracy / 10:g}"
    text = (f"Exam: {speed} characters ({speed / 5:g} words) a minute, accuracy "
            f"{accuracy} % ({correct} % of the characters right)")
    if rhythm:
        text += f", rhythm {rhythm} %"
    return text + "."


def paragraphs_to_lines(paragraphs, limit=255):
    """Message text: one paragraph a line, a blank line between them. A
    paragraph longer than a line may be is cut after a whole sentence, never
    inside one."""
    out = []
    for i, p in enumerate(paragraphs):
        if i:
            out.append("")
        p = " ".join(p.split())
        while len(p) > limit:
            cut = max(p.rfind(". ", 0, limit), p.rfind("? ", 0, limit), p.rfind("! ", 0, limit))
            if cut < 0:
                raise GeneratorError(f"paragraph without a sentence end: {p[:50]}")
            out.append(p[:cut + 1])
            p = p[cut + 2:]
        out.append(p)
    return out


def wrap_words(words, width=42):
    lines, cur = [], ""
    for w in words:
        if cur and len(cur) + 1 + len(w) > width:
            lines.append(cur)
            cur = w
        else:
            cur = (cur + " " + w) if cur else w
    if cur:
        lines.append(cur)
    return lines


def words_from(bank, known, must=None, count=18, seed=1, exclude=()):
    """Words of the bank typed with known keys only, those with a key of
    'must' first; shuffled deterministically."""
    ok = [w for w in bank if set(w) <= known and w not in exclude]
    rng = random.Random(seed)
    if must:
        first = [w for w in ok if set(w) & set(must)]
        rest = [w for w in ok if not set(w) & set(must)]
        rng.shuffle(first)
        rng.shuffle(rest)
        ok = first + rest
    else:
        rng.shuffle(ok)
    return ok[:count]


def typeable_chars(kbd_path):
    """The characters a keyboard file types (slots 0 and 1 and AltGr slots)."""
    chars = set()
    with open(kbd_path, "rb") as f:
        for raw in f.read().decode("cp1252").splitlines():
            line = raw.strip()
            if not line or line.startswith("'") or line.startswith("$"):
                continue
            fields = split_fields(line, ";")
            kw = fields[0].lower()
            if kw in ("key", "capslockkey") and len(fields) > 7:
                for lab in fields[7:]:
                    if lab == "% ":
                        lab = "%"
                    for alt in (lab.split("|") if "|" in lab[1:] else [lab]):
                        if len(alt) == 1:
                            chars.add(alt)
    return chars


def split_fields(text, delims):
    fields, cur = [], ""
    has_pct = "%" in text
    i = 0
    while i < len(text):
        c = text[i]
        if c in delims:
            if has_pct and cur.endswith("%"):
                cur = cur[:-1] + c
            else:
                if cur:
                    fields.append(cur)
                cur = ""
        else:
            cur += c
        i += 1
    if cur:
        fields.append(cur)
    return fields
