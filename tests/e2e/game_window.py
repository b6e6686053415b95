"""The real game running in the test's X server, seen and used only the way a
person does: screenshots of its window and xdotool's pointer."""
import io
import os
import subprocess
import time

from PIL import Image

import layout

POLL = 0.03                  # seconds between two looks while waiting
PATIENCE = 20.0              # how long anything may take to show on a loaded machine
QUIET = 1.5                  # how long to look for a change after a click that should change nothing
PARKED = (0, 0)              # where the pointer rests between clicks: off the window, no tooltips


class Failure(Exception):
    """What the player saw that the game should not have shown."""


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


class GameWindow:
    def __init__(self, executable, artifacts):
        self.artifacts = artifacts
        self.started = time.monotonic()
        self.process = subprocess.Popen([executable], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.id = self._find_window()
        self.shots = 0
        self.keys = False

    def _find_window(self):
        """The process's viewable window of the game's size."""
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise Failure(f'the game ended before its window showed (status {self.process.returncode})')
            found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(self.process.pid)],
                                   capture_output=True, text=True).stdout.split()
            for window in found:
                if self.geometry(window)[2:] == layout.scaled(layout.WINDOW_SIZE):
                    return window
            time.sleep(POLL)
        raise Failure('no window of 302 x 390 showed')

    @staticmethod
    def geometry(window):
        """(x, y, width, height) of a top-level window on the screen."""
        values = dict(line.split('=') for line in run('xdotool', 'getwindowgeometry', '--shell', str(window)).split())
        return tuple(int(values[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT'))

    def position(self):
        return self.geometry(self.id)[:2]

    # ---- looking ---------------------------------------------------------

    def grab(self):
        png = subprocess.run(['import', '-window', self.id, 'png:-'], check=True, capture_output=True).stdout
        shot = Image.open(io.BytesIO(png)).convert('RGB')
        if shot.size != layout.scaled(layout.WINDOW_SIZE):
            raise Failure(f'the window grabbed as {shot.size}')
        return shot

    def keep(self, shot, name):
        """Keeps a screenshot among the run's artifacts; returns its path."""
        self.shots += 1
        path = os.path.join(self.artifacts, f'{self.shots:03d}-{name}.png')
        shot.save(path)
        return path

    def expect(self, ok, message, shot=None):
        """Fails with message, keeping the screenshot that shows why."""
        if not ok:
            where = f'; see {self.keep(shot, "failed")}' if shot else ''
            raise Failure(message + where)

    def wait_for(self, seen, what, timeout=PATIENCE):
        """Looks until seen(shot) gives a true value and returns (value, shot)."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.grab()
            value = seen(shot)
            if value:
                return value, shot
            if time.monotonic() > deadline:
                path = self.keep(shot, 'timeout')
                raise Failure(f'waited {timeout:.0f} s for {what}; last look: {path}')
            time.sleep(POLL)

    def watch(self, seconds, look):
        """Calls look(shot, t) on every screenshot taken for the given time."""
        end = time.monotonic() + seconds
        while (now := time.monotonic()) < end:
            look(self.grab(), now)

    def expect_unchanged(self, before, what):
        """Looks for the given time; every screenshot must equal before."""
        def look(shot, _):
            self.expect(shot.tobytes() == before.tobytes(), f'{what} changed the window', shot)
        self.watch(QUIET, look)

    # ---- using the pointer -----------------------------------------------

    def screen_point(self, point):
        x, y = self.position()
        dx, dy = layout.scaled(point)
        return x + dx, y + dy

    def click(self, place):
        """A left click in the middle of place, then the pointer parks off the
        window; returns the clock time just before the click. With keys on,
        the cards, the Master Card and the play button are used from the keyboard."""
        if self.keys:
            return self.press(place)
        x, y = self.screen_point(layout.centre(place))
        clicked = time.monotonic()
        run('xdotool', 'mousemove', '--sync', str(x), str(y), 'click', '1',
            'mousemove', '--sync', *map(str, PARKED))
        return clicked

    def use_keys(self, on):
        self.keys = on
        if on:
            run('xdotool', 'windowfocus', '--sync', self.id)

    def press(self, place):
        """The arrow keys take the focus ring to the card or Master Card at
        place (the first key only shows the ring), then Space; the play button
        is Ctrl+N. Returns the clock time just before the last key."""
        if place == layout.PLAY:
            moves, last = [], 'ctrl+n'
        else:
            k = next((k for k in layout.CARDS if layout.card_box(k) == place), None)
            column, row = (0, 4) if k is None else ((k - 1) % 4, (k - 1) // 4)
            moves, last = ['Up'] * 5 + ['Left'] * 3 + ['Right'] * column + ['Down'] * row, 'space'
        if moves:
            run('xdotool', 'key', *moves)
        pressed = time.monotonic()
        run('xdotool', 'key', last)
        return pressed

    def drag(self, start, by, steps=8):
        """Presses at window point start, moves by (dx, dy) in steps, releases."""
        x, y = self.screen_point(start)
        by = layout.scaled(by)
        command = ['xdotool', 'mousemove', '--sync', str(x), str(y), 'mousedown', '1']
        for i in range(1, steps + 1):
            command += ['mousemove', '--sync', str(x + by[0] * i // steps), str(y + by[1] * i // steps)]
        run(*command, 'mouseup', '1', 'mousemove', '--sync', *map(str, PARKED))

    # ---- ending ----------------------------------------------------------

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
