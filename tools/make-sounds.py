#!/usr/bin/env python3
"""Writes the three sound cues into resources/wav: RIFF WAVE, PCM, mono, 11,025 samples/s,
8-bit unsigned.

16: a short tick for a step (791 samples), 17: a small fanfare at the exit (20,608 samples),
19: a dull bump against a hedge (2,148 samples). Run it again after changing a sound; the
WAV files are kept in the repository so the build needs no Python.
"""
import math
import pathlib
import struct

RATE = 11025
OUT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "wav"


def to_bytes(samples):
    return bytes(max(0, min(255, int(round(128 + 127 * s)))) for s in samples)


def tick(n=791):
    return [math.exp(-i / 90.0) * math.sin(2 * math.pi * 1800 * i / RATE) * 0.8 for i in range(n)]


def bump(n=2148):
    out = []
    for i in range(n):
        t = i / RATE
        envelope = math.exp(-t * 22.0)
        out.append(envelope * (0.7 * math.sin(2 * math.pi * 95 * t) + 0.25 * math.sin(2 * math.pi * 190 * t)))
    return out


def fanfare(n=20608):
    # C5 E5 G5 then a held C6 with a little vibrato.
    notes = [(523.25, 0.18), (659.25, 0.18), (783.99, 0.18), (1046.5, 0.0)]
    out = []
    start = 0.0
    for index, (freq, length) in enumerate(notes):
        last = index == len(notes) - 1
        end = n / RATE if last else start + length
        i0, i1 = int(start * RATE), int(end * RATE)
        for i in range(i0, min(i1, n)):
            t = (i - i0) / RATE
            attack = min(1.0, t / 0.01)
            decay = math.exp(-t * (2.2 if last else 6.0))
            vibrato = 1 + (0.004 * math.sin(2 * math.pi * 5.5 * t) if last else 0)
            phase = 2 * math.pi * freq * vibrato * t
            out.append(0.6 * attack * decay * (math.sin(phase) + 0.3 * math.sin(2 * phase)) / 1.3)
        start = end
    out += [0.0] * (n - len(out))
    return out[:n]


def wav(data: bytes) -> bytes:
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\x00"  # chunks are padded to an even length
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for number, samples in ((16, tick()), (17, fanfare()), (19, bump())):
        (OUT / f"{number}.wav").write_bytes(wav(to_bytes(samples)))


if __name__ == "__main__":
    main()
