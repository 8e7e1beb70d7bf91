#!/usr/bin/env python3
"""Synthesises the twenty feedback sounds into sound/: goed1..10.wav (approval) and fout1..10.wav
(disapproval), mono 16-bit at 22050 Hz, each shorter than a second.

Approval sounds are bright and rising; disapproval sounds are soft and falling, meant as a friendly
"try again" for young children: sine-like tones only, no noise, no buzz, no distortion. Every note has
its own soft attack and the whole sound fades in and out, so nothing clicks. The output is deterministic.

    python3 tools/maak_geluiden.py [output folder]
"""

import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
FADE_IN = 0.005
FADE_OUT = 0.04
PEAK_GOED = 0.45  # modest: about -7 dBFS
PEAK_FOUT = 0.35  # softer still: a wrong answer is no alarm


def note_frequency(name):
    """'C5', 'F#4', 'Bb3' -> Hz, equal temperament with A4 = 440 Hz."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest[0] in "#b":
        semitone += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 440.0 * 2 ** ((semitone + 12 * (int(rest) - 4)) / 12)


class Sound:
    def __init__(self, seconds):
        self.samples = [0.0] * int(seconds * RATE)

    def add(self, start, seconds, frequency, partials, decay, attack=0.006, level=1.0, glide_to=None,
            vibrato=(0.0, 0.0), tremolo=(0.0, 0.0)):
        """Adds one note: partials are (multiple, strength, extra decay) of the fundamental; decay is the
        time constant of the exponential fade; glide_to bends the pitch linearly over the note."""
        first = int(start * RATE)
        count = min(int(seconds * RATE), len(self.samples) - first)
        phase = 0.0
        end_frequency = glide_to or frequency
        vib_rate, vib_depth = vibrato
        trem_rate, trem_depth = tremolo
        # Partials above the Nyquist frequency would fold back as stray, unrelated tones.
        highest = max(frequency, end_frequency) * (1 + vib_depth)
        partials = [p for p in partials if p[0] * highest < 0.45 * RATE]
        for i in range(count):
            t = i / RATE
            f = frequency + (end_frequency - frequency) * i / count
            f *= 1 + vib_depth * math.sin(2 * math.pi * vib_rate * t)
            phase += 2 * math.pi * f / RATE
            envelope = min(1.0, t / attack) * math.exp(-t / decay)
            envelope *= 1 - trem_depth * (0.5 - 0.5 * math.cos(2 * math.pi * trem_rate * t))
            release = min(1.0, (count - i) / (0.01 * RATE))  # each note ends softly too
            value = sum(s * math.exp(-t / d) * math.sin(m * phase) for m, s, d in partials)
            self.samples[first + i] += level * envelope * release * value

    def finish(self, peak):
        """Scales to the given peak and applies the overall fade in and out."""
        top = max(abs(s) for s in self.samples) or 1.0
        n = len(self.samples)
        fade_in, fade_out = int(FADE_IN * RATE), int(FADE_OUT * RATE)
        out = []
        for i, s in enumerate(self.samples):
            gain = 1.0
            if i < fade_in:
                gain = 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
            elif i >= n - fade_out:
                gain = 0.5 - 0.5 * math.cos(math.pi * (n - 1 - i) / fade_out)
            out.append(round(32767 * peak * s / top * gain))
        return out


# Timbres: (multiple of the fundamental, strength, decay of that partial in seconds).
MARIMBA = [(1, 1.0, 9.0), (4, 0.25, 0.05), (10, 0.05, 0.02)]
CHIME = [(1, 1.0, 9.0), (2.76, 0.35, 0.25), (5.4, 0.12, 0.08)]
BELL = [(1, 1.0, 9.0), (2, 0.3, 0.4), (3, 0.12, 0.2)]
FLUTE = [(1, 1.0, 9.0), (2, 0.12, 9.0)]
SINE = [(1, 1.0, 9.0)]


def arpeggio(notes, step, ring, timbre, decay, last_louder=1.0):
    sound = Sound(step * (len(notes) - 1) + ring)
    for i, name in enumerate(notes):
        level = last_louder if i == len(notes) - 1 else 1.0
        length = ring if i == len(notes) - 1 else step + 0.15
        sound.add(i * step, length, note_frequency(name), timbre, decay, level=level)
    return sound


def goed_tada():
    sound = Sound(0.8)
    sound.add(0.0, 0.12, note_frequency("G5"), BELL, 0.2, level=0.7)
    for name in ("C6", "E6", "G6"):
        sound.add(0.11, 0.69, note_frequency(name), BELL, 0.35, attack=0.01, vibrato=(5.5, 0.004))
    return sound


def goed_woop():
    sound = Sound(0.55)
    sound.add(0.0, 0.25, 520, FLUTE, 0.5, attack=0.02, glide_to=1040)
    sound.add(0.22, 0.33, note_frequency("C6"), CHIME, 0.15)
    sound.add(0.28, 0.27, note_frequency("G6"), CHIME, 0.12, level=0.6)
    return sound


def goed_terts():
    sound = Sound(0.65)
    for name in ("D5", "F#5"):
        sound.add(0.0, 0.2, note_frequency(name), MARIMBA, 0.15)
    for name in ("A5", "D6"):
        sound.add(0.16, 0.49, note_frequency(name), MARIMBA, 0.2)
    return sound


def goed_vijfde():
    sound = Sound(0.6)
    sound.add(0.0, 0.25, note_frequency("G5"), BELL, 0.2)
    sound.add(0.14, 0.46, note_frequency("D6"), BELL, 0.22)
    return sound


GOED = [
    lambda: arpeggio(["C5", "E5", "G5"], 0.11, 0.45, MARIMBA, 0.18),
    lambda: arpeggio(["C5", "E5", "G5", "C6"], 0.085, 0.45, CHIME, 0.2),
    goed_vijfde,
    goed_tada,
    goed_woop,
    lambda: arpeggio(["F5", "A5", "C6", "F6"], 0.075, 0.5, MARIMBA, 0.2, last_louder=1.2),
    lambda: arpeggio(["E6", "G#6", "B6"], 0.06, 0.55, CHIME, 0.25),
    goed_terts,
    lambda: arpeggio(["C6", "D6", "E6", "G6", "A6", "C7"], 0.045, 0.35, BELL, 0.12),
    lambda: arpeggio(["A4", "C#5", "E5", "A5"], 0.1, 0.45, MARIMBA, 0.22, last_louder=1.3),
]


def fout_uh_oh(first, second, timbre=FLUTE, gap=0.24):
    sound = Sound(gap + 0.3)
    sound.add(0.0, gap, note_frequency(first), timbre, 0.5, attack=0.03)
    sound.add(gap, 0.3, note_frequency(second), timbre, 0.3, attack=0.03)
    return sound


def fout_boop():
    sound = Sound(0.4)
    sound.add(0.0, 0.4, note_frequency("D4"), FLUTE, 0.2, attack=0.02, glide_to=260)
    return sound


def fout_wiebel():
    sound = Sound(0.6)
    sound.add(0.0, 0.6, note_frequency("G4"), FLUTE, 0.35, attack=0.04, glide_to=350, vibrato=(6, 0.03))
    return sound


def fout_dalend():
    sound = Sound(0.7)
    for i, name in enumerate(("C5", "A4", "F4")):
        sound.add(i * 0.19, 0.32, note_frequency(name), FLUTE, 0.3, attack=0.03)
    return sound


def fout_hmm():
    sound = Sound(0.5)
    sound.add(0.0, 0.5, 440, SINE, 0.35, attack=0.05, glide_to=370)
    return sound


def fout_bloop():
    sound = Sound(0.45)
    sound.add(0.0, 0.16, 500, SINE, 0.1, attack=0.008, glide_to=350)
    sound.add(0.2, 0.25, 420, SINE, 0.12, attack=0.008, glide_to=280)
    return sound


def fout_golf():
    sound = Sound(0.7)
    sound.add(0.0, 0.7, note_frequency("E4"), FLUTE, 0.45, attack=0.04, glide_to=260, tremolo=(7, 0.5))
    return sound


FOUT = [
    lambda: fout_uh_oh("E5", "C#5"),
    lambda: fout_uh_oh("A4", "G4", gap=0.2),
    fout_boop,
    fout_wiebel,
    lambda: fout_uh_oh("G4", "F4", timbre=SINE, gap=0.18),
    fout_dalend,
    lambda: fout_uh_oh("F4", "C4", timbre=MARIMBA, gap=0.22),
    fout_hmm,
    fout_bloop,
    fout_golf,
]


def write(path, samples):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack(f"<{len(samples)}h", *samples))


def check(path, peak):
    """Reads a written file back: the right format, under a second, and well below clipping."""
    with wave.open(str(path), "rb") as inp:
        assert (inp.getnchannels(), inp.getsampwidth(), inp.getframerate()) == (1, 2, RATE), path
        frames = inp.getnframes()
        samples = struct.unpack(f"<{frames}h", inp.readframes(frames))
    assert frames < RATE, f"{path}: {frames / RATE:.2f} s"
    top = max(abs(s) for s in samples)
    assert top <= round(32767 * peak) < 32767, f"{path}: peak {top}"
    assert abs(samples[0]) < 50 and abs(samples[-1]) < 50, f"{path}: starts or ends with a click"
    return frames / RATE, top / 32767


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "sound"
    folder.mkdir(parents=True, exist_ok=True)
    for kind, makers, peak in (("goed", GOED, PEAK_GOED), ("fout", FOUT, PEAK_FOUT)):
        for n, make in enumerate(makers, start=1):
            path = folder / f"{kind}{n}.wav"
            write(path, make().finish(peak))
            seconds, top = check(path, peak)
            print(f"{path.name:12} {seconds:.2f} s  peak {20 * math.log10(top):.1f} dBFS")


if __name__ == "__main__":
    main()
