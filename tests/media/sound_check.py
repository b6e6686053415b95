# Makes the tones for the real-sound test, gives the request script that
# plays them, and checks a recording of the sound server against it.
#
# sound_check.py tones DIR                 writes the test tones into DIR
# sound_check.py script DIR                prints the requests for lumidex_wave_script
# sound_check.py analyse REC LOG FLIP      REC: raw signed 16-bit mono at RATE;
# LOG: the script's output; FLIP: the WAVE file behind the sndFlip slot.
import array
import math
import re
import struct
import sys
import wave

RATE = 22050          # the test sink records mono at this rate
SILENCE = 300         # a sample louder than this is sound
GAP = RATE * 5 // 1000  # a quieter stretch this long separates two sounds
WHOLE_MS = 15         # a whole sound is heard within this of its length, on a busy machine

# name: (ms, amplitude, channels, rate, bits); 1 kHz from phase 0 in whole
# periods, loud from its first to its last millisecond. The short tone is
# louder, so that it shows where it cuts the long one without a gap.
TONES = {'whole16': (500, 0.5, 2, 44100, 16), 'whole8': (200, 0.8, 1, 22050, 8), 'long': (1000, 0.3, 2, 44100, 16)}
SCRIPT = ['0:file:{d}/whole16.wav', '2000:file:{d}/long.wav', '2300:file:{d}/whole8.wav',
          '3000:file:{d}/long.wav', '3300:slot:2',  # still empty: "load" comes later
          '4000:load', '4100:slot:0', '5000:end']


def write_tone(path, ms, amplitude, channels, rate, bits):
    frames = bytearray()
    for i in range(rate * ms // 1000):
        v = amplitude * math.sin(2 * math.pi * 1000 * i / rate)
        frames += (bytes([round(128 + 127 * v)]) if bits == 8 else struct.pack('<h', round(32767 * v))) * channels
    with wave.open(path, 'wb') as w:
        w.setnchannels(channels)
        w.setsampwidth(bits // 8)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def sounds(rec, frm, to):
    # (first, end) sample of each sound in rec[frm:to], split by silent gaps
    # or where the quiet long tone turns into the loud short one.
    runs, last = [], None
    for i in range(frm, min(to, len(rec))):
        if abs(rec[i]) > SILENCE:
            jump = (last is not None and i - runs[-1][0] > 60 and abs(rec[i]) > 0.55 * 32767
                    and max(map(abs, rec[i - 60:i])) <= 0.55 * 32767)
            if last is None or i - last > GAP or jump:
                runs.append([i, i + 1])
            runs[-1][1] = last = i + 1
    return [(a, b) for a, b in runs]


def analyse(rec_path, log_path, flip_path):
    rec = array.array('h', open(rec_path, 'rb').read())
    times = [float(m.group(1)) for m in re.finditer(r'([\d.]+) ms: ', open(log_path).read())]
    assert len(times) == len(SCRIPT), f'the script log has {len(times)} requests'
    heard = sounds(rec, 0, len(rec))
    assert heard, 'nothing was heard'
    # The first sound is the first request: place the recording on the script's clock.
    origin = heard[0][0] - round(times[0] * RATE / 1000)
    sample = lambda ms: origin + round(ms * RATE / 1000)
    length = lambda s: (s[1] - s[0]) * 1000 / RATE
    failed = False

    def check(ok, text, got):
        nonlocal failed
        failed |= not ok
        print(('ok    ' if ok else 'FAIL  ') + text + ': heard ' + ', '.join(f'{length(s):.1f} ms' for s in got))

    def between(a, b):
        return sounds(rec, sample(times[a] - 30), sample(times[b] - 30))

    got = between(0, 1)
    check(len(got) == 1 and abs(length(got[0]) - 500) <= WHOLE_MS, '16-bit stereo 500 ms tone whole', got)
    got, cut = between(1, 3), times[2] - times[1]
    check(len(got) == 2 and length(got[0]) < cut + WHOLE_MS and abs(length(got[1]) - 200) <= WHOLE_MS,
          f'long tone cut off by the next, {cut:.0f} ms in, which is heard whole (8-bit mono)', got)
    got, cut = between(3, 5), times[4] - times[3]
    check(len(got) == 1 and length(got[0]) < cut + WHOLE_MS, f'long tone stopped by an empty slot {cut:.0f} ms in', got)
    with wave.open(flip_path) as w:
        flip = array.array('h', [(b - 128) * 256 for b in w.readframes(w.getnframes())])
    found = rec.tobytes().find(flip.tobytes())
    check(found >= 0 and found % 2 == 0 and abs(found // 2 - sample(times[6])) < RATE // 10,
          'sndFlip heard sample for sample, where it was requested', between(6, 7))
    return 1 if failed else 0


if __name__ == '__main__':
    command, *args = sys.argv[1:]
    if command == 'tones':
        for name, tone in TONES.items():
            write_tone(f'{args[0]}/{name}.wav', *tone)
    elif command == 'script':
        print(' '.join(s.format(d=args[0]) for s in SCRIPT))
    else:
        sys.exit(analyse(*args))
