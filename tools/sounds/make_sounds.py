#!/usr/bin/env python3
"""Synthesises the program's five sound effects into data/*.wav.

Click.wav   a page button: a short soft wooden tick
Theend.wav  an exercise ends: two bell notes going up
Error.wav   a wrong key: a low, muffled knock
Error2.wav  a missed item or a failed exam: two notes going down
Intro.wav   the start-up theme: a calm tune of about four seconds

Everything is made here from sine partials with smooth envelopes (16-bit mono
PCM, 22050 Hz), so the files are reproducible: the same script gives the same
bytes. Run: python3 tools/sounds/make_sounds.py
"""

import math
import os
import random
import struct
import sys
import wave

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from ansifile import data_dir  # noqa: E402

RATE = 22050


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def note_freq(semitones_from_a4):
    return 440.0 * 2 ** (semitones_from_a4 / 12.0)


def bell(freq, seconds, volume=0.5, decay=4.0, partials=((1, 1.0), (2, 0.35), (3, 0.12))):
    """A soft struck tone: a few harmonic partials under an exponential decay."""
    n = int(seconds * RATE)
    attack = int(0.006 * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t)
        if i < attack:
            env *= i / attack
        # Fade the very end so no tone stops with a click.
        tail = n - i
        if tail < 200:
            env *= tail / 200
        s = 0.0
        for mult, amp in partials:
            s += amp * math.sin(2 * math.pi * freq * mult * t)
        out.append(volume * env * s)
    return out


def mix(*tracks):
    length = max(len(t) for t in tracks)
    out = [0.0] * length
    for t in tracks:
        for i, v in enumerate(t):
            out[i] += v
    return out


def place(track, offset_seconds, into):
    start = int(offset_seconds * RATE)
    need = start + len(track)
    if len(into) < need:
        into.extend([0.0] * (need - len(into)))
    for i, v in enumerate(track):
        into[start + i] += v
    return into


def normalise(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def write_wave(name, samples):
    path = os.path.join(data_dir(), name)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767)) for s in samples)
        w.writeframes(frames)
    return path


def click():
    # A band of quickly fading noise plus a short high tone: a wooden tick.
    rng = random.Random(7)
    n = int(0.035 * RATE)
    out = []
    prev = 0.0
    for i in range(n):
        t = i / RATE
        env = math.exp(-160 * t)
        noise = rng.uniform(-1, 1)
        prev = 0.6 * prev + 0.4 * noise  # gentle low-pass: soft, not hissy
        tone = math.sin(2 * math.pi * 1900 * t)
        out.append(env * (0.5 * prev + 0.5 * tone))
    return normalise(out, 0.35)


def the_end():
    c6 = note_freq(15)  # C6
    g6 = note_freq(22)  # G6
    out = []
    place(bell(c6, 0.45, decay=6), 0.0, out)
    place(bell(g6, 0.7, decay=5), 0.16, out)
    return normalise(out, 0.45)


def error():
    # A low knock: a falling pitch under a fast decay, no sharp edges.
    n = int(0.12 * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        freq = 210 - 500 * t
        phase += 2 * math.pi * freq / RATE
        env = math.exp(-30 * t) * min(1.0, i / (0.004 * RATE))
        out.append(env * (math.sin(phase) + 0.25 * math.sin(2 * phase)))
    return normalise(out, 0.45)


def error2():
    e5 = note_freq(7)   # E5
    b4 = note_freq(2)   # B4
    soft = ((1, 1.0), (2, 0.5), (3, 0.25), (4, 0.1))
    out = []
    place(bell(e5, 0.22, decay=9, partials=soft), 0.0, out)
    place(bell(b4, 0.4, decay=7, partials=soft), 0.17, out)
    return normalise(out, 0.42)


def intro():
    # An original little tune in D major: a rising figure, a turn, and a
    # settling close over two held chords. (semitones from A4, beats)
    beat = 0.24
    melody = [
        (5, 1), (9, 1), (12, 1), (17, 2), (16, 1), (12, 1), (14, 2),
        (12, 1), (9, 1), (7, 1), (9, 1), (5, 3),
    ]
    out = []
    t = 0.0
    for semis, beats in melody:
        place(bell(note_freq(semis), beats * beat + 0.5, volume=0.5, decay=3.2), t, out)
        t += beats * beat
    # Two soft chords under the tune: D major, then G to D.
    chords = [((-7, -3, 0), 0.0, 8 * beat), ((-2, 2, 5), 8 * beat, 4 * beat),
              ((-7, -3, 0), 12 * beat, 6 * beat)]
    for notes, start, length in chords:
        for semis in notes:
            place(bell(note_freq(semis - 12), length + 0.8, volume=0.16, decay=1.6,
                       partials=((1, 1.0), (2, 0.2))), start, out)
    out.extend(silence(0.1))
    return normalise(out, 0.5)


def main():
    write_wave("Click.wav", click())
    write_wave("Theend.wav", the_end())
    write_wave("Error.wav", error())
    write_wave("Error2.wav", error2())
    write_wave("Intro.wav", intro())


if __name__ == "__main__":
    main()
