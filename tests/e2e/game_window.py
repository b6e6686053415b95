"""The real game in the test's X server, used only as a person does: xdotool's
pointer and keys, and screenshots told apart by exact pixels against the
game's own pictures. Places are (x, y, w, h) in window pixels."""
import io
import os
import struct
import subprocess
import time
from dataclasses import dataclass

from PIL import Image

# The scale factor the game runs under, read from the same environment.
SCALE = int(os.environ.get('QT_SCALE_FACTOR') or 1)
RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources')
PATIENCE = 20.0   # how long anything may take to show on a loaded machine
QUIET = 1.5       # how long to watch after a click that should change nothing
WINDOW_SIZE = (302, 390)
MASTER_BOX, PLAY, HELP, EXIT = (28, 312, 55, 55), (172, 312, 45, 47), (218, 312, 43, 47), (274, 2, 25, 23)
BOARD_INSIDE = (29, 77, 212, 229)  # the scroll bar left out
PANEL_TOP = (33, 81, 223, 104)     # the result panel above the miss count
FIXED_BACK, MASTER_BACK, LOSE_PANEL, WIN_PANEL, FACES = 255, 350, 400, 401, range(501, 555)
CARDS = range(1, 17)
BLANK = 0  # a card the deal has not laid yet


class Failure(Exception):
    """What the player saw that the game should not have shown."""


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def card_box(k):
    return (32 + 57 * ((k - 1) % 4), 80 + 56 * ((k - 1) // 4), 55, 55)


def inside(box):
    x, y, w, h = box
    return (x + 2, y + 2, w - 4, h - 4)


def centre(place):
    return (place[0] + place[2] // 2, place[1] + place[3] // 2)


def scaled(place):
    return tuple(v * SCALE for v in place)


def region(shot, place):
    x, y, w, h = scaled(place)
    return shot.crop((x, y, x + w, y + h)).tobytes()


def picture(ident):
    path = os.path.join(RESOURCES, 'bitmap', str(ident))
    if SCALE != 1:
        return Image.open(f'{path}@{SCALE}x.png').convert('RGB')
    with open(f'{path}.dib', 'rb') as f:  # a bare DIB: give it a file header
        dib = f.read()
    head = struct.pack('<2sIHHI', b'BM', 14 + len(dib), 0, 0, 14 + struct.unpack_from('<I', dib)[0])
    return Image.open(io.BytesIO(head + dib)).convert('RGB')


@dataclass
class View:
    master: object   # picture id, or None for anything else
    cards: dict      # card -> picture id, BLANK or None
    panel: object    # 'win', 'lose' or None


class BoardView:
    def __init__(self):
        self.known = {picture(i).tobytes(): i for i in [FIXED_BACK, MASTER_BACK, *FACES]}
        self.known[Image.new('RGB', scaled((51, 51)), 'white').tobytes()] = BLANK
        self.panels = {picture(p).crop((0, 0, *scaled(PANEL_TOP[2:]))).tobytes(): name
                       for p, name in ((WIN_PANEL, 'win'), (LOSE_PANEL, 'lose'))}

    def read(self, shot):
        return View(self.known.get(region(shot, inside(MASTER_BOX))),
                    {k: self.known.get(region(shot, inside(card_box(k)))) for k in CARDS},
                    self.panels.get(region(shot, PANEL_TOP)))


class GameWindow:
    def __init__(self, executable, artifacts):
        self.artifacts, self.shots, self.keys = artifacts, 0, False
        self.started = time.monotonic()
        self.process = subprocess.Popen([executable], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.unseen_until = 0.0  # seconds after the start when the window was last seen missing
        while time.monotonic() < self.started + PATIENCE:
            if self.process.poll() is not None:
                raise Failure(f'the game ended before its window showed (status {self.process.returncode})')
            found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(self.process.pid)],
                                   capture_output=True, text=True).stdout
            for window in found.split():
                if self.geometry(window)[2:] == scaled(WINDOW_SIZE):
                    self.id = window
                    return
            self.unseen_until = time.monotonic() - self.started
        raise Failure('the game window did not show')

    @staticmethod
    def geometry(window):
        values = dict(line.split('=') for line in run('xdotool', 'getwindowgeometry', '--shell', window).split())
        return tuple(int(values[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT'))

    def position(self):
        return self.geometry(self.id)[:2]

    def grab(self):
        png = subprocess.run(['import', '-window', self.id, 'png:-'], check=True, capture_output=True).stdout
        return Image.open(io.BytesIO(png)).convert('RGB')

    def keep(self, shot, name):
        self.shots += 1
        path = os.path.join(self.artifacts, f'{self.shots:03d}-{name}.png')
        shot.save(path)
        return path

    def expect(self, ok, message, shot=None):
        if not ok:
            raise Failure(message + (f'; see {self.keep(shot, "failed")}' if shot else ''))

    def wait_for(self, seen, what):
        """Looks until seen(shot) gives a true value; returns (value, shot)."""
        deadline = time.monotonic() + PATIENCE
        while not (value := seen(shot := self.grab())):
            self.expect(time.monotonic() < deadline, f'waited for {what}', shot)
        return value, shot

    def watch(self, seconds, look):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            look(self.grab())

    def click(self, place):
        """A left click in the middle of place, the pointer parked off the
        window after it; with keys on, cards, Master Card and play button are
        used from the keyboard."""
        if self.keys:
            return self.press(place)
        x, y = self.position()
        dx, dy = scaled(centre(place))
        run('xdotool', 'mousemove', '--sync', str(x + dx), str(y + dy), 'click', '1', 'mousemove', '--sync', '0', '0')

    def use_keys(self, on):
        self.keys = on
        if on:
            run('xdotool', 'windowfocus', '--sync', self.id)

    def press(self, place):
        """The arrow keys take the focus ring to the place (the first key only
        shows the ring), then Space; the play button is Ctrl+N."""
        if place == PLAY:
            return run('xdotool', 'key', 'ctrl+n')
        k = next((k for k in CARDS if card_box(k) == place), 17)
        moves = ['Up'] * 5 + ['Left'] * 3 + ['Right'] * ((k - 1) % 4) + ['Down'] * ((k - 1) // 4)
        run('xdotool', 'key', *moves, 'space')

    def drag(self, start, by, steps=8):
        x, y = (a + b for a, b in zip(self.position(), scaled(start)))
        command = ['xdotool', 'mousemove', '--sync', str(x), str(y), 'mousedown', '1']
        for i in range(1, steps + 1):
            command += ['mousemove', '--sync', str(x + by[0] * SCALE * i // steps), str(y + by[1] * SCALE * i // steps)]
        run(*command, 'mouseup', '1', 'mousemove', '--sync', '0', '0')

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
