#!/usr/bin/env python3
"""Draws the program's five sound cues into resources/sounds/.

Each cue is a plain PCM RIFF WAVE file of a fixed format and length; the
content is ours: short synthesised tones, nothing sampled.
Run from the repository root: python3 tools/make_sounds.py
"""
import math
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "resources" / "sounds"


def wave_file(frames, rate, channels, bits):
    """frames: list of floats in [-1, 1]; the same signal goes to every channel."""
    if bits == 8:
        sample = lambda v: struct.pack("<B", max(0, min(255, round(128 + v * 127))))
    else:
        sample = lambda v: struct.pack("<h", max(-32768, min(32767, round(v * 32767))))
    data = b"".join(sample(v) * channels for v in frames)
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def envelope(i, n, attack=0.01):
    t = i / n
    a = min(1.0, t / attack) if attack > 0 else 1.0
    return a * (1.0 - t) ** 2


def sweep(n, rate, f0, f1, volume=0.6):
    out, phase = [], 0.0
    for i in range(n):
        f = f0 + (f1 - f0) * i / n
        phase += 2 * math.pi * f / rate
        out.append(volume * envelope(i, n) * math.sin(phase))
    return out


def buzz(n, rate, f, volume=0.5):
    # A square-ish low tone with a wobble: the "no" sound.
    out = []
    for i in range(n):
        t = i / rate
        s = math.sin(2 * math.pi * f * t + 0.8 * math.sin(2 * math.pi * 6 * t))
        out.append(volume * envelope(i, n, 0.02) * max(-0.7, min(0.7, 2 * s)))
    return out


def chime(n, rate, notes, volume=0.5):
    # Notes one after another, each with its own decay.
    out, step = [], n // len(notes)
    for i in range(n):
        k = min(i // step, len(notes) - 1)
        j = i - k * step
        out.append(volume * envelope(j, step, 0.005) * math.sin(2 * math.pi * notes[k] * j / rate))
    return out


# name, file size in bytes, rate, channels, bits, signal
CUES = [
    ("arm.wav", 7864, 22050, 1, 8, lambda n, r: sweep(n, r, 600, 1400)),   # armed: rising blip
    ("disarm.wav", 7496, 22050, 1, 8, lambda n, r: sweep(n, r, 1400, 500)),   # captured: falling blip
    ("refuse.wav", 97016, 22050, 2, 16, lambda n, r: buzz(n, r, 110)),        # refused: low buzz
    ("menu.wav", 13336, 22050, 2, 8, lambda n, r: chime(n, r, [880, 1320])),  # menu: two-note click
    ("credit.wav", 16256, 11025, 1, 8, lambda n, r: chime(n, r, [523, 659, 784, 1047])),  # credit: arpeggio
]


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, size, rate, channels, bits, signal in CUES:
        frames = (size - 44) // (channels * bits // 8)
        data = wave_file(signal(frames, rate), rate, channels, bits)
        assert len(data) == size, (name, len(data), size)
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
