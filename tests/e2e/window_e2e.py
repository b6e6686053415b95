# The game window on a desktop whose sound server stops answering, and whose
# display goes away; moved with no window manager, under openbox and under
# GNOME's mutter, or with "soak", a minute of quick play.
# Usage: window_e2e.py GAME ARTIFACTS RECORDING [soak]
import array
import os
import signal
import subprocess
import sys
import time

from game_window import (BLANK, EXIT, FACES, FIXED_BACK, HELP, MASTER_BACK, MASTER_BOX, PATIENCE, PLAY, BoardView,
                         Failure, GameWindow, card_box, run)

AT_ONCE = 5.0       # seconds an exit may take on a loaded machine; a wait for a hung server never ends
SILENCE = 300       # a recorded sample louder than this is sound
game_path, view, games = sys.argv[1], BoardView(), []


def fresh(shot):
    seen = view.read(shot)
    return seen.master == MASTER_BACK and all(c == FIXED_BACK for c in seen.cards.values()) and seen.panel is None


def start():
    games.append(game := GameWindow(game_path, sys.argv[2]))
    game.wait_for(fresh, 'the first board')
    return game


def heard(start=0, gap=22050 // 20):
    # How many sounds were recorded since byte start, parted by gaps of 50 ms,
    # and where the recording ends.
    samples = array.array('h', open(sys.argv[3], 'rb').read()[start:])
    loud = [i for i, v in enumerate(samples) if abs(v) > SILENCE]
    return sum(b - a > gap for a, b in zip([-gap - 1] + loud, loud)), start + len(samples) * 2


def exits_at_once(game):
    game.click(EXIT)
    game.expect(game.wait_exit(AT_ONCE) == 0, f'the exit spot did not end the game with status 0 within {AT_ONCE} s')


def deal(game, meanwhile=lambda: None):
    game.click(PLAY)
    game.wait_for(lambda s: BLANK in view.read(s).cards.values(), 'the deal to begin')
    meanwhile()
    game.wait_for(fresh, 'the deal to end')


def hung_sound_server():
    # While the sound server hangs the game plays on, silent; once it
    # answers, nothing asked meanwhile is heard, new sounds are, from a stream
    # that names the game. The exit spot ends the game at once, the server hung.
    server = int(os.environ['SOUND_SERVER_PID'])
    os.kill(server, signal.SIGSTOP)
    game = start()
    game.click(MASTER_BOX)
    game.wait_for(lambda s: view.read(s).master in FACES, 'the Master Card to show a picture')
    game.click(card_box(1))
    game.wait_for(lambda s: view.read(s).cards[1] in FACES, 'card 1 to show its picture')
    deal(game)
    time.sleep(1)
    os.kill(server, signal.SIGCONT)
    time.sleep(1)
    late, quiet = heard()
    game.expect(late == 0, 'a sound asked for while the server hung was played')
    deal(game)
    streams = run('pactl', 'list', 'sink-inputs')
    for shown in ('application.name = "Lumidex"', 'media.role = "game"'):
        game.expect(shown in streams, f'the mixer does not show {shown}:\n{streams}')
    game.expect(heard(quiet)[0] > 0, 'no sound came back with the server')
    os.kill(server, signal.SIGSTOP)
    exits_at_once(game)
    os.kill(server, signal.SIGCONT)


def quick_play():
    # A Fixed Card and the Master Card in turn, the help and a new game every
    # 15 rounds: the game lives, says nothing, and its memory and open files
    # level off.
    # AddressSanitizer's hold on freed memory would count as growth.
    os.environ['ASAN_OPTIONS'] = os.environ.get('ASAN_OPTIONS', '') + ':quarantine_size_mb=16'
    game = start()
    use, began = [], time.monotonic()
    while time.monotonic() - began < 60:
        rounds = len(use) + 1
        for place, wait in [(card_box(rounds % 16 + 1), 0.3), (MASTER_BOX, 0.7)] + \
                [(HELP, 0.3), (PLAY, 2.0)] * (rounds % 15 == 0):
            game.click(place)
            time.sleep(wait)
        proc = f'/proc/{game.process.pid}'
        with open(f'{proc}/status') as f:  # gone if the game ended
            rss = next(int(line.split()[1]) for line in f if line.startswith('VmRSS:'))
        use.append((rss, len(os.listdir(f'{proc}/fd'))))
    settled = use[15]  # after the first help and new game, which keep what they load
    print(f'quick play: {len(use)} rounds; RSS, open files: at first {use[0]}, settled {settled}, last {use[-1]}')
    game.expect(max(u[1] for u in use) <= use[0][1] + 2 and use[-1][0] <= settled[0] * 1.1, 'the use kept growing')
    exits_at_once(game)
    said = game.process.stderr.read().decode()
    game.expect(not said, f'the game said:\n{said}')


def pointer(at, dx, dy, *then):
    # The pointer to the background of a window at `at` (its face between the
    # Master Card and the play button), moved by dx, dy; then more xdotool steps.
    run('xdotool', 'mousemove', str(at[0] + 135 + dx), str(at[1] + 345 + dy), 'sleep', '0.05', *then)


def window_moves(*manager):
    # A drag of the background moves the window by the pointer's travel
    # exactly, as does one through a deal; a click held by a deal leaves it
    # where it was while the pointer moves on. (A manager left running by a
    # failure goes with the X server.)
    wm = manager and subprocess.Popen(manager, stderr=subprocess.DEVNULL)
    time.sleep(1.5 if wm else 0)  # the manager takes the screen
    game = start()
    # The first drag comes before any click, which would have the manager
    # tell Qt again where the window is.
    drag = ('mousedown', ['mouseup', '1'], (100, 50))
    for dealt, press, release, travel in ((False, *drag), (True, 'click', [], (0, 0)), (True, *drag)):
        at, begin = game.position(), lambda: pointer(at, 0, 0, press, '1')
        deal(game, begin) if dealt else begin()
        time.sleep(0.3)  # a deal ends 100 ms after its last card shows
        for step in range(1, 11):
            pointer(at, 10 * step, 5 * step)
        run('xdotool', *release, 'sleep', '0.5')
        moved = tuple(a - b for a, b in zip(game.position(), at))
        game.expect(moved == travel, f'{(manager or ["no window manager"])[0]}: {press}, travel {travel}: the window moved {moved}')
    game.stop()
    wm and wm.terminate()


def display_lost():
    # The display goes away after a sound has played: status 1, no crash.
    game = start()
    game.click(MASTER_BOX)
    game.wait_for(lambda s: view.read(s).master in FACES, 'the Master Card to show a picture')
    os.kill(int(os.environ['X_SERVER_PID']), signal.SIGTERM)
    status, said = game.wait_exit(PATIENCE), game.process.stderr.read().decode()
    game.expect(status == 1 and 'Sanitizer' not in said, f'lost display: status {status}, said:\n{said}')


try:
    hung_sound_server()
    if sys.argv[4:] == ['soak']:
        quick_play()
    else:
        for manager in ([], ['openbox', '--sm-disable'], ['mutter', '--x11', '--replace']):
            window_moves(*manager)
    display_lost()
except Failure as failure:
    sys.exit(f'FAIL: {failure}')
finally:
    for game in games:
        game.stop()
print('window_e2e: all passed')
