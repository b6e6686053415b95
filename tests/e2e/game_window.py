# The real game in the test's X server, used only as a person does: xdotool's
# pointer and keys, and screenshots told apart by exact pixels against the
# game's own pictures. Places are (x, y, w, h) in window pixels.
import io
import os
import struct
import subprocess
import sys
import time
from collections import namedtuple

from PIL import Image

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources', 'tools'))
import layout  # noqa: E402  (the window's places, from window/Layout.h)

SCALE = int(os.environ.get('QT_SCALE_FACTOR') or 1)  # as the game reads it
RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources', 'bitmap')
PATIENCE = 20.0   # how long anything may take to show on a loaded machine
WINDOW_SIZE = tuple(v * SCALE for v in layout.kFace)
MASTER_BOX, PLAY, HELP, EXIT = layout.kMasterCard, layout.kPlayButton, layout.kHelpButton, layout.kExit
# The result panel's foot, inside its border below its words in any language:
# stars on the win panel, a sad face on the lose panel.
PANEL_FOOT_TOP = 158
PANEL_FOOT = (layout.kShownPanel[0] + 1, layout.kShownPanel[1] + 1 + PANEL_FOOT_TOP,
              layout.kStoredPanel[2] - 2, layout.kStoredPanel[3] - 2 - PANEL_FOOT_TOP)
FIXED_BACK, MASTER_BACK, FACES, BLANK = 255, 350, range(501, 555), 0  # BLANK: a card not laid yet
CARDS = range(1, 17)


# What the player saw that the game should not have shown.
class Failure(Exception):
    pass


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True).stdout


def card_box(k):
    x, y = (v + 1 for v in layout.kBoard[:2])  # inside the board's border
    return (x + layout.kCardColumns[(k - 1) % 4], y + layout.kCardRows[(k - 1) // 4], *layout.kCard)


def region(shot, place, border=0):
    x, y, w, h = (v * SCALE for v in place)
    b = border * SCALE
    return shot.crop((x + b, y + b, x + w - b, y + h - b))


def picture(ident):
    if SCALE != 1:
        return Image.open(f'{RESOURCES}/{ident}@{SCALE}x.png').convert('RGB')
    with open(f'{RESOURCES}/{ident}.dib', 'rb') as f:  # a bare DIB: give it a file header
        dib = f.read()
    head = struct.pack('<2sIHHI', b'BM', 14 + len(dib), 0, 0, 14 + struct.unpack_from('<I', dib)[0])
    return Image.open(io.BytesIO(head + dib)).convert('RGB')


# master: a picture id, or None for anything else; cards: card -> picture id,
# BLANK or None; panel: 'win', 'lose' or None.
View = namedtuple('View', 'master cards panel')


class BoardView:
    def __init__(self):
        self.known = {picture(i).tobytes(): i for i in [FIXED_BACK, MASTER_BACK, *FACES]}
        self.known[Image.new('RGB', (51 * SCALE, 51 * SCALE), 'white').tobytes()] = BLANK
        self.panels = {region(picture(p), (0, PANEL_FOOT_TOP, *PANEL_FOOT[2:])).tobytes(): name for p, name in ((401, 'win'), (400, 'lose'))}

    def read(self, shot):
        return View(self.known.get(region(shot, MASTER_BOX, 2).tobytes()),
                    {k: self.known.get(region(shot, card_box(k), 2).tobytes()) for k in CARDS},
                    self.panels.get(region(shot, PANEL_FOOT).tobytes()))


class GameWindow:
    # wrapper: a command that sets the game's conditions and runs it in its place (prlimit, env).
    def __init__(self, executable, artifacts, said=subprocess.PIPE, wrapper=()):
        self.artifacts, self.started = artifacts, time.monotonic()
        self.process = subprocess.Popen([*wrapper, executable], stdout=subprocess.DEVNULL, stderr=said)
        while time.monotonic() < self.started + PATIENCE and self.process.poll() is None:
            for self.id in run('xdotool', 'search', '--onlyvisible', '--pid', str(self.process.pid), check=False).split():
                if self.geometry()[2:] == WINDOW_SIZE:
                    return
        told = self.process.stderr.read().decode(errors='replace') if said == subprocess.PIPE and self.process.poll() is not None else ''
        raise Failure(f'no game window showed (status {self.process.poll()}) {told}')

    def geometry(self):
        values = dict(line.split('=') for line in run('xdotool', 'getwindowgeometry', '--shell', self.id).split())
        return tuple(int(values[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT'))

    def position(self):
        return self.geometry()[:2]

    def grab(self):
        png = subprocess.run(['import', '-window', self.id, 'png:-'], check=True, capture_output=True).stdout
        return Image.open(io.BytesIO(png)).convert('RGB')

    def expect(self, ok, message, shot=None):
        if not ok and shot:
            shot.save(path := os.path.join(self.artifacts, 'failed.png'))
            message += f'; see {path}'
        if not ok:
            raise Failure(message)

    def wait_for(self, seen, what):
        # Looks until seen(shot) gives a true value; returns (value, shot).
        deadline = time.monotonic() + PATIENCE
        while not (value := seen(shot := self.grab())):
            self.expect(time.monotonic() < deadline, f'waited for {what}', shot)
        return value, shot

    def watch(self, seconds, look):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            look(self.grab())

    def click(self, place):
        # A left click in the middle of place, the pointer then parked off the window.
        x, y = (at + (p + size // 2) * SCALE for at, p, size in zip(self.position(), place, place[2:]))
        run('xdotool', 'mousemove', '--sync', str(x), str(y), 'click', '1', 'mousemove', '--sync', '0', '0')

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        self.process.kill()
        self.process.wait()
