"""Synthesises the game's six sound effects into OUTDIR/wave/<id>.wav.

Every sound is computed from the recipe below (sine partials, filtered noise
from a fixed-seed generator, envelopes), so the files come out byte for byte
the same on every run. The container layouts are fixed by the catalogue: the
exact chunk list, chunk sizes and total byte count of each resource.

Usage: /usr/bin/python3 make_sounds.py OUTDIR
"""
import math
import os
import struct
import sys

import ids

LOW_RATE = 22050   # the 8-bit mono sounds
HIGH_RATE = 44100  # the stereo match chime


# ---------------------------------------------------------------- synthesis

class Noise:
    """White noise in [-1, 1) from a xorshift32 generator: the same every run."""

    def __init__(self, seed):
        # Spread a small seed over all 32 bits; xorshift starts slowly from
        # a state with few bits set.
        self.state = (seed * 2654435761) & 0xFFFFFFFF or 1
        for _ in range(16):
            self.next()

    def next(self):
        x = self.state
        x ^= (x << 13) & 0xFFFFFFFF
        x ^= x >> 17
        x ^= (x << 5) & 0xFFFFFFFF
        self.state = x
        return x / 2147483648.0 - 1.0


def silence(count):
    return [0.0] * count


def add_note(buf, rate, start, freq, partials, attack=0.002, gain=1.0):
    """Adds a struck tone: each partial (ratio, amplitude, decay time constant)
    rings from `start` seconds and dies away exponentially."""
    first = int(round(start * rate))
    attack_n = max(1, int(attack * rate))
    nyquist = rate / 2
    for ratio, amp, tau in partials:
        f = freq * ratio
        if f >= nyquist * 0.95:
            continue  # would fold back as an off-key whistle
        w = 2 * math.pi * f / rate
        for i in range(len(buf) - first):
            env = math.exp(-i / (tau * rate))
            if i < attack_n:
                env *= 0.5 - 0.5 * math.cos(math.pi * i / attack_n)
            buf[first + i] += gain * amp * env * math.sin(w * i)


def bandpass(samples, rate, centre_at, q):
    """Two-pole band-pass whose centre frequency may move: centre_at(t) in Hz."""
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for i, x in enumerate(samples):
        w = 2 * math.pi * centre_at(i / rate) / rate
        alpha = math.sin(w) / (2 * q)
        a0 = 1 + alpha
        b0, b2 = alpha / a0, -alpha / a0
        a1, a2 = -2 * math.cos(w) / a0, (1 - alpha) / a0
        y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, x
        y2, y1 = y1, y
        out.append(y)
    return out


def fade(samples, rate, fade_in, fade_out):
    """Raised-cosine edges, so a sound starts and ends exactly at silence."""
    n = len(samples)
    n_in, n_out = int(fade_in * rate), int(fade_out * rate)
    for i in range(n_in):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(n_out):
        samples[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return samples


def normalise(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples]


# ------------------------------------------------------------------ recipes

def tick(count):
    """A crisp wooden tick: a short knock of a small bar plus a grain of noise."""
    rate = LOW_RATE
    buf = silence(count)
    add_note(buf, rate, 0, 1300, [(1.0, 1.0, 0.014), (2.4, 0.6, 0.005), (4.1, 0.35, 0.003)],
             attack=0.0004)
    noise = Noise(104)
    grain = int(0.002 * rate)
    for i in range(grain):
        buf[i] += 0.5 * noise.next() * (1 - i / grain)
    return fade(normalise(buf, 0.8), rate, 0.0003, 0.02)


def flip(count):
    """A card flip: a swish of noise that sweeps upward, over a soft slap."""
    rate = LOW_RATE
    duration = count / rate
    noise = Noise(102)
    raw = [noise.next() for _ in range(count)]
    swish = bandpass(raw, rate, lambda t: 1200 * (4500 / 1200) ** (t / duration), 2.5)
    peak_at = 0.008
    buf = []
    for i, s in enumerate(swish):
        t = i / rate
        env = math.sin(0.5 * math.pi * t / peak_at) if t < peak_at else math.exp(-(t - peak_at) / 0.012)
        buf.append(s * env)
    buf = normalise(buf, 1.0)
    add_note(buf, rate, 0, 380, [(1.0, 0.35, 0.008)], attack=0.001)
    return fade(normalise(buf, 0.75), rate, 0.001, 0.008)


GLOCKENSPIEL = [(1.0, 1.0, 0.20), (2.756, 0.35, 0.09), (5.404, 0.14, 0.05), (8.933, 0.05, 0.025)]


def chime(frames):
    """A bright match chime: two glockenspiel bars a fifth apart, one leaning
    left and one right, the right channel a hair sharp so the pair shimmers."""
    rate = HIGH_RATE
    left, right = silence(frames), silence(frames)
    e6, b6, e7 = 1318.51, 1975.53, 2637.02
    for start, freq, gain_l, gain_r in ((0.0, e6, 1.0, 0.6), (0.06, b6, 0.6, 1.0),
                                        (0.06, e7, 0.2, 0.25)):
        add_note(left, rate, start, freq, GLOCKENSPIEL, gain=gain_l)
        add_note(right, rate, start, freq * 1.0012, GLOCKENSPIEL, gain=gain_r)
    top = max(max(abs(s) for s in left), max(abs(s) for s in right))
    left = [s * 0.8 / top for s in left]
    right = [s * 0.8 / top for s in right]
    return fade(left, rate, 0.002, 0.12), fade(right, rate, 0.002, 0.12)


def buzz(count):
    """A refusal buzz: two low square-ish pulses, the second a step lower."""
    rate = LOW_RATE
    buf = silence(count)
    for start, end, freq in ((0.0, 0.105, 155.0), (0.125, count / rate, 130.0)):
        first, last = int(start * rate), int(end * rate)
        harmonics = [k for k in range(1, 40, 2) if k * freq < 3500]
        edge = int(0.006 * rate)
        for i in range(last - first):
            t = i / rate
            s = sum(math.sin(2 * math.pi * k * freq * t) / k ** 1.3 for k in harmonics)
            env = 1.0
            if i < edge:
                env = 0.5 - 0.5 * math.cos(math.pi * i / edge)
            elif last - first - i < 3 * edge:
                env = 0.5 - 0.5 * math.cos(math.pi * (last - first - i) / (3 * edge))
            buf[first + i] = s * env * math.exp(-t / 0.3)
    # A square wave sounds far louder than a tone of the same peak.
    return fade(normalise(buf, 0.4), rate, 0.001, 0.01)


def blip(count):
    """A spare blip: a soft tone that glides up a fifth and fades away."""
    rate = LOW_RATE
    buf = []
    phase = 0.0
    for i in range(count):
        t = i / rate
        freq = 660 * 1.5 ** min(1.0, t / 0.06)
        phase += 2 * math.pi * freq / rate
        tone = math.sin(phase) + 0.2 * math.sin(2 * phase) + 0.05 * math.sin(3 * phase)
        buf.append(tone * math.exp(-t / 0.07))
    return fade(normalise(buf, 0.7), rate, 0.004, 0.04)


CELESTA = [(1.0, 1.0, 0.35), (2.0, 0.3, 0.12), (3.0, 0.12, 0.06), (4.0, 0.06, 0.04)]
FINAL_CHORD = [(1.0, 1.0, 0.75), (2.0, 0.25, 0.25), (3.0, 0.08, 0.1)]
BASS = [(1.0, 1.0, 0.5), (2.0, 0.3, 0.2)]


def jingle(count):
    """A cheerful jingle for a row of four: a rising C major run, a little
    answer, then a ringing chord over a soft bass."""
    rate = LOW_RATE
    g5, c6, e6, g6, c7 = 783.99, 1046.50, 1318.51, 1567.98, 2093.00
    c4, g4 = 261.63, 392.00
    buf = silence(count)
    run = [(0.00, g5), (0.10, c6), (0.20, e6), (0.30, g6), (0.45, e6), (0.55, g6)]
    for start, freq in run:
        add_note(buf, rate, start, freq, CELESTA)
    for freq in (c7, g6, e6):
        add_note(buf, rate, 0.70, freq, FINAL_CHORD, gain=0.7)
        add_note(buf, rate, 0.70, freq * 1.003, FINAL_CHORD, gain=0.25)  # gentle beating
    add_note(buf, rate, 0.0, c4, BASS, attack=0.01, gain=0.5)
    add_note(buf, rate, 0.70, c4, BASS, attack=0.01, gain=0.5)
    add_note(buf, rate, 0.70, g4, BASS, attack=0.01, gain=0.3)
    return fade(normalise(buf, 0.85), rate, 0.002, 0.3)


# --------------------------------------------------------------- containers

def chunk(tag, payload):
    pad = b"\0" if len(payload) % 2 else b""
    return tag + struct.pack("<I", len(payload)) + payload + pad


def fmt_chunk(rate, channels, bits, with_cb_size):
    block = channels * bits // 8
    payload = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, bits)
    if with_cb_size:
        payload += struct.pack("<H", 0)  # PCM has no extra format bytes
    return chunk(b"fmt ", payload)


def riff(chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def pcm8(samples):
    return bytes(max(0, min(255, math.floor(128 + 127 * s + 0.5))) for s in samples)


def pcm16_stereo(left, right):
    def q(s):
        return max(-32768, min(32767, math.floor(32767 * s + 0.5)))
    return b"".join(struct.pack("<hh", q(l), q(r)) for l, r in zip(left, right))


def info_list(fields):
    """A LIST/INFO chunk of NUL-terminated texts."""
    return chunk(b"LIST", b"INFO" + b"".join(chunk(tag, text.encode("ascii") + b"\0")
                                             for tag, text in fields))


def mono8(samples, fmt_with_cb_size, with_fact):
    chunks = [fmt_chunk(LOW_RATE, 1, 8, fmt_with_cb_size)]
    if with_fact:
        chunks.append(chunk(b"fact", struct.pack("<I", len(samples))))
    chunks.append(chunk(b"data", pcm8(samples)))
    return riff(chunks)


def match_chime_image():
    left, right = chime(88484 // 4)
    image = riff([fmt_chunk(HIGH_RATE, 2, 16, False),
                  chunk(b"data", pcm16_stereo(left, right)),
                  info_list([(b"INAM", "Lumidex match chime"),
                             (b"ISFT", "Lumidex resources, make_sounds.py")])])
    # The stored resource runs two bytes past the RIFF image; players stop
    # at the RIFF size, so they are never heard.
    return image + b"\0\0"


# id -> (the file image, its size in the catalogue)
def sounds():
    return {
        ids.kFlipWave: (mono8(flip(924), fmt_with_cb_size=False, with_fact=True), 980),
        ids.kWinWave: (mono8(jingle(42378), fmt_with_cb_size=True, with_fact=True), 42436),
        ids.kClickWave: (mono8(tick(1344), fmt_with_cb_size=False, with_fact=False), 1388),
        ids.kMatchWave: (match_chime_image(), 88612),
        ids.kRefuseWave: (mono8(buzz(5385), fmt_with_cb_size=True, with_fact=False), 5432),
        ids.kSpareWave: (mono8(blip(4620), fmt_with_cb_size=False, with_fact=False), 4664),
    }


def main(outdir):
    folder = os.path.join(outdir, "wave")
    os.makedirs(folder, exist_ok=True)
    for ident, (image, size) in sounds().items():
        if len(image) != size:
            sys.exit(f"WAVE {ident}: {len(image)} bytes, the catalogue says {size}")
        with open(os.path.join(folder, f"{ident}.wav"), "wb") as f:
            f.write(image)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_sounds.py OUTDIR")
    main(sys.argv[1])
