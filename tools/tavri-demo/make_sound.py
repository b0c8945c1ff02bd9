#!/usr/bin/env python3
"""Writes the short sound "bip.wav": a soft two-note chime, 16-bit mono PCM.

    make_sound.py OUT
"""
import math
import os
import struct
import sys
import tempfile
import wave

RATE = 22050
NOTES = [(880.0, 0.0), (1318.5, 0.11)]   # A5, then E6 a little later
LENGTH = 0.45


def samples():
    count = int(RATE * LENGTH)
    for i in range(count):
        t = i / RATE
        value = 0.0
        for frequency, start in NOTES:
            if t >= start:
                age = t - start
                attack = min(1.0, age / 0.005)
                value += attack * math.exp(-age * 9.0) * math.sin(2 * math.pi * frequency * age)
        fade = min(1.0, (LENGTH - t) / 0.02)
        yield int(max(-1.0, min(1.0, 0.35 * value * fade)) * 32767)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("Uso: make_sound.py USCITA\n")
        return 2
    folder = os.path.dirname(os.path.abspath(argv[1]))
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    os.close(fd)
    with wave.open(tmp, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", s) for s in samples()))
    os.chmod(tmp, 0o644)
    os.replace(tmp, argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
