"""Finds the game's sounds in a recording of the sound server and checks them
against the sounds the player bot's clicks should have made.

  heard_sounds.py RECORDING EXPECTED WAVE_DIR

RECORDING: raw signed 16-bit mono at 22050 Hz, with RECORDING.start beside it
(a clock time and the byte count the file had then); EXPECTED: the bot's JSON
lines (sound, at, count, why). Each sound is told by its loudness envelope
(1 ms steps) against those of the WAVE files. Prints what it heard and exits
1 when the sounds, their order or their timing are off."""
import array
import json
import sys
import wave

RATE = 22050
SMOOTH_MS = 7          # longer than one period of the lowest tone
SILENCE = 0.01           # an envelope below this is silence
GAP_MS = 5             # silence at least this long ends a sound
TAIL_MS = 15           # silence compared after each sound's end
SHIFTS = range(-3, 4)  # ms the recording may lie off the onset found
LOOK_MS = 150          # how much of a sound its name is told from
SAME = 0.9             # envelopes at least this alike are the same sound
WHOLE_MS = 8           # a whole sound lasts its file's length within this
AUDIO_JITTER_MS = 40   # how far the sound server may shift one sound's start
DEAL_PAUSE_MS = 100    # between two cards laid
STEP_WORK_MS = 10      # starting the tick and drawing the card, around each such pause
PICK_PAUSE_MS = 1000   # while a picked card shows its face

SOUNDS = {'flip': 102, 'jingle': 103, 'tick': 104, 'match': 105, 'refuse': 106, 'spare': 108}


def envelope(samples, rate, full_scale):
    """Half the peak-to-peak of each millisecond, as a fraction of full scale,
    taken over SMOOTH_MS around it so that a low tone's phase does not matter."""
    each = []
    for i in range(len(samples) * 1000 // rate):
        block = samples[i * rate // 1000:(i + 1) * rate // 1000]
        each.append((max(block) - min(block)) / (2 * full_scale))
    half = SMOOTH_MS // 2
    return [max(each[max(i - half, 0):i + half + 1]) for i in range(len(each))]


def wave_envelope(path):
    with wave.open(path) as w:
        channels, width, rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        data = w.readframes(w.getnframes())
    if width == 1:
        samples, full = array.array('h', (b - 128 for b in data[::channels])), 128
    else:
        samples, full = array.array('h', data)[::channels], 32768
    return envelope(samples, rate, full)


def sounding_ms(env, start=0):
    """Milliseconds from start until GAP_MS of silence."""
    i = start
    while i < len(env):
        if all(e < SILENCE for e in env[i:i + GAP_MS]):
            return i - start
        i += 1
    return len(env) - start


def likeness(a, b):
    """Normalised correlation of two envelopes of the same length."""
    ab = sum(x * y for x, y in zip(a, b))
    aa = sum(x * x for x in a)
    bb = sum(y * y for y in b)
    return ab / ((aa * bb) ** 0.5) if aa and bb else 0.0


class Listener:
    def __init__(self, wave_dir):
        self.templates = {}
        for name, ident in SOUNDS.items():
            env = wave_envelope(f'{wave_dir}/{ident}.wav')
            loud = [i for i, e in enumerate(env) if e >= SILENCE]
            env = env[loud[0]:loud[-1] + 1]
            self.templates[name] = (env + [0.0] * TAIL_MS, len(env))

    def name(self, env, onset):
        """The sound that starts at onset, how alike it is, and where it starts exactly."""
        best = (None, 0.0, onset)
        for name, (template, _) in self.templates.items():
            n = min(len(template), LOOK_MS)
            for shift in SHIFTS:
                at = onset + shift
                if at < 0 or at + n > len(env):
                    continue
                score = likeness(env[at:at + n], template[:n])
                if score > best[1]:
                    best = (name, score, at)
        return best

    def hear(self, env):
        """[(name, onset ms, duration ms, likeness)] in order."""
        heard, i = [], 0
        while i < len(env):
            if env[i] < SILENCE:
                i += 1
                continue
            name, score, onset = self.name(env, i)
            if score < SAME:
                name = 'unknown'
            # Skip to the sound's quiet end; a sound's own short gaps lie within its length.
            length = self.templates[name][1] if name in self.templates else 0
            end = onset + max(length - GAP_MS - 10, 0)
            end += sounding_ms(env, end)
            heard.append((name, onset, end - onset, score))
            i = end + 1
        return heard


def expected_sounds(path):
    out = []
    with open(path) as f:
        for line in f:
            entry = json.loads(line)
            out += [entry] * entry['count']
    return out


def main():
    recording, expected_path, wave_dir = sys.argv[1:4]
    with open(recording + '.start') as f:
        wall, size = f.read().split()
    start = float(wall) - int(size) / (2 * RATE)
    samples = array.array('h')
    with open(recording, 'rb') as f:
        samples.frombytes(f.read())
    listener = Listener(wave_dir)
    heard = listener.hear(envelope(samples, RATE, 32768))
    expected = expected_sounds(expected_path)
    failures = []

    print(f'heard {len(heard)} sounds in {len(samples) / RATE:.1f} s; the clicks should have made {len(expected)}')
    names = [h[0] for h in heard]
    want = [e['sound'] for e in expected]
    if names != want:
        first = next((i for i, (a, b) in enumerate(zip(names, want)) if a != b), min(len(names), len(want)))
        for i in range(max(0, first - 3), min(max(len(names), len(want)), first + 4)):
            h = heard[i] if i < len(heard) else None
            e = expected[i] if i < len(expected) else None
            print(f'  #{i}: heard {h and h[0]} at {h and h[1]} ms; expected {e and e["sound"]} ({e and e["why"]})')
        failures.append(f'the sounds differ from the clicks\' from #{first} on')

    for name in SOUNDS:
        found = [h for h in heard if h[0] == name]
        if not found:
            continue
        whole = listener.templates[name][1]
        durations = sorted({h[2] for h in found})
        print(f'{name}: {len(found)} heard, lasting {durations} ms (the file: {whole} ms), '
              f'likeness {min(h[3] for h in found):.3f} at the least')
        if any(abs(h[2] - whole) > WHOLE_MS for h in found):
            failures.append(f'not every {name} played whole')

    if names == want:
        failures += check_timing(heard, expected, start)
    for failure in failures:
        print(f'FAIL: {failure}')
    return 1 if failures else 0


def check_timing(heard, expected, start):
    failures = []
    lags = {}
    for i, (h, e) in enumerate(zip(heard, expected)):
        lag = start + h[1] / 1000 - e['at']
        if lag < -0.1:
            failures.append(f'{h[0]} at {h[1]} ms came before its click ({e["why"]})')
        if i == 0 or expected[i - 1] is not e:  # the first of the sounds one click made
            lags.setdefault(f'{e["sound"]} ({e["why"]})' if e['sound'] == 'tick' else e['sound'],
                            []).append(lag)
    for what, values in sorted(lags.items()):
        print(f'{what}: heard {min(values) * 1000:.0f} to {max(values) * 1000:.0f} ms after its click or pause')

    for i, e in enumerate(expected):
        onset = heard[i][1]
        if e['why'].startswith('deal') and (i == 0 or expected[i - 1] is not e):
            ticks = [h[1] for h in heard[i:i + e['count']]]
            steps = [b - a for a, b in zip(ticks, ticks[1:])]
            span = ticks[-1] - ticks[0]
            print(f'{e["why"]} at {onset} ms: {len(ticks)} ticks, ms apart {steps}, first to last {span} ms')
            most = DEAL_PAUSE_MS + STEP_WORK_MS
            # Screenshots taken meanwhile slow a 2-core machine: only an unwatched deal keeps time.
            if 'unwatched' in e['why'] and not len(steps) * DEAL_PAUSE_MS - AUDIO_JITTER_MS <= span <= len(steps) * most + AUDIO_JITTER_MS \
                    or any(not DEAL_PAUSE_MS - AUDIO_JITTER_MS <= s <= most + AUDIO_JITTER_MS for s in steps):
                failures.append(f'the deal at {onset} ms did not tick every {DEAL_PAUSE_MS} ms')
        elif e['sound'] in ('jingle', 'refuse') or 'during a pause' in e['why']:
            # These wait for the pause that the sound before began.
            pause = DEAL_PAUSE_MS if 'during the deal' in e['why'] else PICK_PAUSE_MS
            after = onset - heard[i - 1][1]
            print(f'{e["sound"]} ({e["why"]}) at {onset} ms, {after} ms after the sound before')
            if after < pause - AUDIO_JITTER_MS:
                failures.append(f'{e["sound"]} at {onset} ms came within the pause before')
    return failures


if __name__ == '__main__':
    sys.exit(main())
