#!/usr/bin/env python3
"""Writes the call's built-in tone, a soft chime of about a second, as a PCM WAV file.

  gen_tone.py OUTPUT.wav

Two bell strikes a fourth apart (E5, then A5 a quarter of a second later), each a few
inharmonic partials that fade away, at a third of full scale: heard across a room without
startling anyone. 22,050 samples a second, 16-bit mono, the format every sound device
plays. Standard library only; the program embeds the file as a resource.
"""
import math
import struct
import sys

RATE = 22050            # samples per second
SECONDS = 1.1
PEAK = 0.33             # of full scale
# (onset in seconds, fundamental in hertz) of each strike.
STRIKES = [(0.0, 659.25), (0.25, 880.0)]
# Partials of a small bell: (ratio to the fundamental, relative amplitude, decay in seconds).
PARTIALS = [(1.0, 1.0, 0.45), (2.76, 0.30, 0.18), (5.40, 0.12, 0.08)]
ATTACK = 0.006          # seconds: a soft start, no click
FADE_OUT = 0.08         # seconds: the last samples reach silence


def sample(t):
    value = 0.0
    for onset, frequency in STRIKES:
        s = t - onset
        if s < 0:
            continue
        envelope = min(1.0, s / ATTACK)
        for ratio, amplitude, decay in PARTIALS:
            value += envelope * amplitude * math.exp(-s / decay) * math.sin(
                2 * math.pi * frequency * ratio * s)
    return value


def tone():
    count = int(RATE * SECONDS)
    raw = [sample(i / RATE) for i in range(count)]
    scale = PEAK / max(abs(v) for v in raw)
    fade = int(RATE * FADE_OUT)
    samples = []
    for i, v in enumerate(raw):
        gain = min(1.0, (count - 1 - i) / fade)
        samples.append(int(round(v * scale * gain * 32767)))
    return struct.pack("<%dh" % count, *samples)


def wave(data):
    channels, bits = 1, 16
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, RATE, RATE * block, block, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + \
        b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(wave(tone()))


if __name__ == "__main__":
    main()
