#!/usr/bin/env python3
"""Checks a captured WAV file of the ostrel host: a 440 Hz tone of about 2 s, then an 880 Hz tone of
about 1.5 s. Prints the measured lengths and dominant frequencies; exits 1 when they are off.

    check_capture.py CAPTURE.wav
"""
import math
import struct
import sys
import wave

TONES = [(440.0, 2.0), (880.0, 1.5)]
SILENCE = 200  # peak amplitude below which a 10 ms block counts as silent


def mono_samples(path):
    with wave.open(path, "rb") as capture:
        channels, width, rate = capture.getnchannels(), capture.getsampwidth(), capture.getframerate()
        frames = capture.readframes(capture.getnframes())
    if width not in (2, 4):
        sys.exit(f"capture: {width * 8}-bit samples, expected 16 or 32")
    code, scale = ("h", 1) if width == 2 else ("i", 65536)
    values = [v // scale for v in struct.unpack(f"<{len(frames) // width}{code}", frames)]
    return [sum(values[i:i + channels]) // channels for i in range(0, len(values), channels)], rate


def sounding_runs(samples, rate):
    """(start, end) sample indices of the stretches that are not silent, gaps under 50 ms joined."""
    block = rate // 100
    loud = [max(abs(s) for s in samples[i:i + block] or [0]) > SILENCE for i in range(0, len(samples), block)]
    runs, start, quiet = [], None, 0
    for index, is_loud in enumerate(loud + [False] * 6):
        if is_loud:
            start, quiet = (index if start is None else start), 0
        elif start is not None:
            quiet += 1
            if quiet > 5:
                runs.append((start * block, (index - quiet + 1) * block))
                start, quiet = None, 0
    return runs


def dominant(samples, rate):
    """The strongest frequency from 100 to 2000 Hz in 10 Hz steps (Goertzel over a 4096-sample window)."""
    window = samples[len(samples) // 2 - 2048:len(samples) // 2 + 2048]
    best, best_power = 0.0, -1.0
    for hertz in range(100, 2001, 10):
        coefficient = 2 * math.cos(2 * math.pi * hertz / rate)
        s1 = s2 = 0.0
        for sample in window:
            s1, s2 = sample + coefficient * s1 - s2, s1
        power = s1 * s1 + s2 * s2 - coefficient * s1 * s2
        if power > best_power:
            best, best_power = hertz, power
    return best


def main():
    samples, rate = mono_samples(sys.argv[1])
    runs = sounding_runs(samples, rate)
    print(f"capture: {len(samples) / rate:.2f} s at {rate} Hz, {len(runs)} sounding stretches")
    if len(runs) != len(TONES):
        sys.exit(1)
    failed = False
    for (start, end), (hertz, seconds) in zip(runs, TONES):
        length, found = (end - start) / rate, dominant(samples[start:end], rate)
        print(f"  {length:.2f} s (expected {seconds}), dominant {found} Hz (expected {hertz:.0f})")
        failed |= abs(length - seconds) > 0.25 or abs(found - hertz) > 15
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
