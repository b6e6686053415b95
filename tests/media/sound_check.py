"""Makes the tones for the real-sound test, gives the request script that
plays them, and checks a recording of the sound server against it.

  sound_check.py tones DIR          writes the test tones into DIR
  sound_check.py script DIR         prints the requests for lumidex_wave_script
  sound_check.py analyse REC LOG FLIP MATCH
      REC: raw recording, signed 16-bit mono at RATE; LOG: the script's output;
      FLIP, MATCH: the WAVE files behind the sndFlip and sndMatch slots.
Prints what was heard and exits 1 if anything is off.
"""
import array
import math
import re
import struct
import sys
import wave

RATE = 22050          # the test sink records mono at this rate
SILENCE = 300         # a sample louder than this is sound
GAP_MS = 5            # a quieter stretch at least this long separates sounds
WHOLE_MS = 3          # a whole sound is heard within this of its length
LOW, HIGH = 0.3, 0.8  # amplitudes of the long tone and of the tone that cuts it in

# name: (milliseconds, amplitude, channels, rate, bits); all 1 kHz, from phase 0,
# in whole periods, so that a tone is loud from its first to its last millisecond.
TONES = {
    'whole16': (500, 0.5, 2, 44100, 16),
    'whole8': (200, HIGH, 1, 22050, 8),
    'long': (1000, LOW, 2, 44100, 16),
}

# (ms, request, what the analysis calls the phase it starts or None)
SCRIPT = [
    (0, 'file:{dir}/whole16.wav', 'whole16'),
    (1000, 'file:{dir}/whole8.wav', 'whole8'),
    (2000, 'file:{dir}/long.wav', 'cut'),
    (2300, 'file:{dir}/whole8.wav', None),
    (3000, 'file:{dir}/long.wav', 'stop'),
    (3300, 'slot:sndClick', None),        # still empty: LoadWaves comes later
    (4000, 'load', None),
    (4100, 'slot:sndFlip', 'flip'),
    (4500, 'slot:sndMatch', 'match'),
    (5500, 'end', None),
]


def write_tone(path, ms, amplitude, channels, rate, bits):
    frames = bytearray()
    for i in range(rate * ms // 1000):
        v = amplitude * math.sin(2 * math.pi * 1000 * i / rate)
        sample = bytes([round(128 + 127 * v)]) if bits == 8 else struct.pack('<h', round(32767 * v))
        frames += sample * channels
    with wave.open(path, 'wb') as w:
        w.setnchannels(channels)
        w.setsampwidth(bits // 8)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def ms(samples):
    return samples * 1000 / RATE


def sounds(rec):
    """(first, last) sample of each sound: runs of loud samples separated by
    silent gaps."""
    gap = RATE * GAP_MS // 1000
    runs, start, last = [], None, None
    for i, x in enumerate(rec):
        if abs(x) > SILENCE:
            if start is not None and i - last > gap:
                runs.append((start, last))
                start = None
            if start is None:
                start = i
            last = i
    if start is not None:
        runs.append((start, last))
    return runs


def split_where_louder(rec, sounds):
    """Splits a sound where the quiet long tone turns into the loud one, in
    case no silence lies between them."""
    split = []
    loud = (LOW + HIGH) / 2 * 32767
    for first, end in sounds:
        jump = next((i for i in range(first, end + 1) if abs(rec[i]) > loud), None)
        if jump is not None and ms(jump - first) > GAP_MS:
            split += [(first, jump - 1), (jump, end)]
        else:
            split.append((first, end))
    return split


def request_times(log):
    """Request -> times it was made, from lumidex_wave_script's output."""
    times = []
    for line in open(log):
        m = re.match(r'([\d.]+) ms: (\S+)', line)
        if m:
            times.append((float(m.group(1)), m.group(2)))
    return times


def flip_samples(path):
    """The sndFlip sound as the test sink records it."""
    with wave.open(path) as w:
        if (w.getnchannels(), w.getframerate(), w.getsampwidth()) != (1, RATE, 1):
            sys.exit(f'{path}: expected 8-bit mono at {RATE} Hz')
        return array.array('h', [(b - 128) * 256 for b in w.readframes(w.getnframes())])


def loud_span_ms(path):
    """From the first to the last loud sample of a 16-bit stereo WAVE file,
    its channels mixed as the mono test sink mixes them."""
    with wave.open(path) as w:
        if (w.getnchannels(), w.getsampwidth()) != (2, 2):
            sys.exit(f'{path}: expected 16-bit stereo')
        frames = array.array('h', w.readframes(w.getnframes()))
        loud = [i for i in range(0, len(frames), 2)
                if abs(frames[i] + frames[i + 1]) / 2 > SILENCE]
        return (loud[-1] - loud[0] + 2) / 2 * 1000 / w.getframerate()


class Check:
    def __init__(self):
        self.failed = False

    def __call__(self, ok, text):
        print(('ok    ' if ok else 'FAIL  ') + text)
        self.failed |= not ok


def analyse(rec_path, log_path, flip_path, match_path):
    rec = array.array('h')
    rec.frombytes(open(rec_path, 'rb').read())
    times = request_times(log_path)
    check = Check()
    if len(times) != len(SCRIPT):
        sys.exit(f'script log has {len(times)} requests, expected {len(SCRIPT)}')
    heard = sounds(rec)
    if not heard:
        sys.exit('nothing was heard')
    # The first sound is the first request; place the recording on the script's clock.
    origin = heard[0][0] - round(times[0][0] * RATE / 1000)
    at = lambda sample: ms(sample - origin)

    print('heard (ms on the script clock):')
    for first, last in heard:
        print(f'  {at(first):8.1f} .. {at(last + 1):8.1f}  length {ms(last + 1 - first):7.2f}')

    phases = {}
    starts = [(t, name) for (t, _), (_, _, name) in zip(times, SCRIPT) if name]
    for i, (t, name) in enumerate(starts):
        end = starts[i + 1][0] if i + 1 < len(starts) else math.inf
        phases[name] = (t, [s for s in heard if t - 30 <= at(s[0]) < end - 30])
    request = {name: t for (t, _), (_, _, name) in zip(times, SCRIPT) if name}

    def length(s):
        return ms(s[1] + 1 - s[0])

    for name in ('whole16', 'whole8'):
        nominal = TONES[name][0]
        got = phases[name][1]
        check(len(got) == 1 and abs(length(got[0]) - nominal) <= WHOLE_MS,
              f'{name}: a {nominal} ms tone is heard whole: '
              + ', '.join(f'{length(s):.2f} ms' for s in got))

    for name, what in (('cut', 'the next tone'), ('stop', 'an empty slot')):
        t, got = phases[name]
        got = split_where_louder(rec, got)
        interval = times[[n for _, _, n in SCRIPT].index(name) + 1][0] - t
        first = got[0] if got else None
        check(first is not None and length(first) < interval + WHOLE_MS,
              f'{name}: the 1000 ms tone, cut by {what} requested {interval:.1f} ms after it, '
              f'is heard for {length(first) if first else 0:.2f} ms')
        if name == 'cut':
            check(len(got) == 2 and abs(length(got[1]) - TONES['whole8'][0]) <= WHOLE_MS,
                  'cut: the tone that cut it in is heard whole: '
                  + (f'{length(got[1]):.2f} ms, after {ms(got[1][0] - got[0][1] - 1):.2f} ms '
                     'of silence' if len(got) == 2 else f'{len(got)} sounds'))
        else:
            check(len(got) == 1, f'stop: nothing more is heard ({len(got) - 1} further sounds)')

    expected = flip_samples(flip_path)
    found = rec.tobytes().find(expected.tobytes())
    check(found >= 0 and found % 2 == 0 and abs(at(found // 2) - request['flip']) < 100,
          f'flip: all {len(expected)} samples of sndFlip ({ms(len(expected)):.2f} ms) are heard '
          'unchanged, where it was requested')

    got = phases['match'][1]
    span = ms(got[-1][1] + 1 - got[0][0]) if got else 0
    nominal = loud_span_ms(match_path)
    check(abs(span - nominal) <= WHOLE_MS,
          f'match: sndMatch (16-bit stereo) is heard whole: {span:.2f} ms from its first to '
          f'its last loud sample, {nominal:.2f} ms in the file')
    return 1 if check.failed else 0


def main():
    command, *args = sys.argv[1:]
    if command == 'tones':
        for name, tone in TONES.items():
            write_tone(f'{args[0]}/{name}.wav', *tone)
    elif command == 'script':
        print(' '.join(f'{t}:{r.format(dir=args[0])}' for t, r, _ in SCRIPT))
    elif command == 'analyse':
        sys.exit(analyse(*args))
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main()
