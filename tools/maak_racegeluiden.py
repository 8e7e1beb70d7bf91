#!/usr/bin/env python3
"""Synthesises the four sounds of the two-player race into sound/: attention.wav (the start), auto.wav (a car
driving on after a right answer), fout1.aif (a wrong answer, as an AIFF file) and applaus.wav (the winner), mono
16-bit at 22050 Hz, each at most three seconds.

Built on the tones of maak_geluiden.py; the applause is the one sound made of noise: many short hand claps. The
output is deterministic.

    python3 tools/maak_racegeluiden.py [output folder]
"""

import math
import random
import struct
import sys
import wave
from pathlib import Path

from maak_geluiden import FLUTE, MARIMBA, RATE, SINE, Sound, note_frequency
from maak_geluiden import write as write_wav

PEAK = 0.45
LONGEST = 3.0  # seconds; the program keeps four at most

# An engine: many harmonics of a low tone, the higher ones fading faster.
ENGINE = [(m, 1.0 / m, 9.0 / m) for m in range(1, 9)]
HORN = [(1, 1.0, 9.0), (2, 0.55, 9.0), (3, 0.35, 9.0), (4, 0.15, 9.0)]


def attention():
    """Three short beeps and a long higher one, like the lights at the start of a race."""
    sound = Sound(2.0)
    for i in range(3):
        sound.add(i * 0.45, 0.16, note_frequency("A5"), FLUTE, 0.5, attack=0.01)
    sound.add(1.35, 0.65, note_frequency("A6"), FLUTE, 0.8, attack=0.01)
    return sound


def auto():
    """Vroom: the engine revs up and drives off."""
    sound = Sound(0.9)
    sound.add(0.0, 0.5, 80, ENGINE, 2.0, attack=0.03, glide_to=190, tremolo=(28, 0.35))
    sound.add(0.42, 0.48, 190, ENGINE, 0.4, attack=0.04, glide_to=150, tremolo=(34, 0.35))
    sound.add(0.0, 0.9, 40, SINE, 1.0, attack=0.05, level=0.6)
    return sound


def fout():
    """Two soft honks going down: not this time."""
    sound = Sound(0.75)
    sound.add(0.0, 0.25, note_frequency("D4"), HORN, 0.6, attack=0.02)
    sound.add(0.3, 0.45, note_frequency("A3"), HORN, 0.4, attack=0.02, glide_to=note_frequency("G3"))
    return sound


def applaus():
    """A short fanfare and a crowd clapping: the claps are bursts of filtered noise, thick at first and then
    thinning out."""
    rng = random.Random(2024)
    seconds = 2.8
    sound = Sound(seconds)
    for i, name in enumerate(("C5", "E5", "G5")):
        sound.add(i * 0.09, 0.2, note_frequency(name), MARIMBA, 0.2, level=0.3)
    sound.add(0.27, 0.6, note_frequency("C6"), MARIMBA, 0.3, level=0.35)
    for _ in range(600):
        start = rng.random() * (seconds - 0.1)
        density = min(1.0, start / 0.3) * math.exp(-max(0.0, start - 1.2) / 0.7)
        if rng.random() > density:
            continue
        clap(sound, start, rng.uniform(0.3, 1.0), rng.uniform(0.6, 1.4), rng)
    return sound


def clap(sound, start, level, colour, rng):
    first = int(start * RATE)
    length = min(int(0.06 * RATE), len(sound.samples) - first)
    low = high = 0.0
    for i in range(length):
        noise = rng.uniform(-1.0, 1.0)
        low += (noise - low) * 0.35 * colour  # a gentle low-pass, and the rest of it below as a high-pass: a band
        high += (low - high) * 0.08
        envelope = min(1.0, i / 40) * math.exp(-i / (0.012 * RATE))
        sound.samples[first + i] += level * envelope * (low - high)


def extended(value):
    """An 80-bit IEEE extended number, as AIFF stores its sample rate (a positive whole number here)."""
    exponent = value.bit_length() - 1
    return struct.pack(">HQ", 16383 + exponent, value << (63 - exponent))


def write_aiff(path, samples):
    data = struct.pack(f">{len(samples)}h", *samples)
    comm = struct.pack(">hIh", 1, len(samples), 16) + extended(RATE)
    ssnd = struct.pack(">II", 0, 0) + data
    chunks = b"COMM" + struct.pack(">I", len(comm)) + comm + b"SSND" + struct.pack(">I", len(ssnd)) + ssnd
    Path(path).write_bytes(b"FORM" + struct.pack(">I", 4 + len(chunks)) + b"AIFF" + chunks)


def read_back(path):
    """The samples of a written file, checking its format on the way."""
    raw = Path(path).read_bytes()
    if path.suffix == ".wav":
        with wave.open(str(path), "rb") as inp:
            assert (inp.getnchannels(), inp.getsampwidth(), inp.getframerate()) == (1, 2, RATE), path
            frames = inp.getnframes()
            return struct.unpack(f"<{frames}h", inp.readframes(frames))
    assert raw[:4] == b"FORM" and raw[8:12] == b"AIFF", path
    channels, frames, bits = struct.unpack(">hIh", raw[20:28])
    assert (channels, bits, raw[28:38]) == (1, 16, extended(RATE)), path
    start = raw.index(b"SSND") + 16
    return struct.unpack(f">{frames}h", raw[start:start + 2 * frames])


def check(path):
    samples = read_back(path)
    assert len(samples) <= LONGEST * RATE, f"{path}: {len(samples) / RATE:.2f} s"
    top = max(abs(s) for s in samples)
    assert top <= round(32767 * PEAK), f"{path}: peak {top}"
    assert abs(samples[0]) < 50 and abs(samples[-1]) < 50, f"{path}: starts or ends with a click"
    return len(samples) / RATE, top / 32767


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "sound"
    folder.mkdir(parents=True, exist_ok=True)
    for name, make, writer in (("attention.wav", attention, write_wav), ("auto.wav", auto, write_wav),
                               ("fout1.aif", fout, write_aiff), ("applaus.wav", applaus, write_wav)):
        path = folder / name
        writer(path, make().finish(PEAK))
        seconds, top = check(path)
        print(f"{name:14} {seconds:.2f} s  peak {20 * math.log10(top):.1f} dBFS")


if __name__ == "__main__":
    main()
