"""The game window as a person meets it: when and where it appears, what it
shows, dragging it, the minimise and exit spots, a sound server that stops
answering, the display going away; with "soak", a minute of quick play.
Usage: window_e2e.py GAME ARTIFACTS RECORDING [soak]"""
import array
import os
import signal
import sys
import time

import layout
import pictures
from board_view import BLANK_ID, BoardView
from game_window import PATIENCE, Failure, GameWindow, run
from map_watch import MapWatch

HIDDEN_DEAL = 1.6      # seconds of the first deal, laid before the window shows
EXIT_AT_ONCE = 2.0     # seconds an exit may take on a loaded machine
CATCH_UP = 1.0         # seconds a sound server that answers again takes to catch up
LATE = 1.0             # seconds after which a sound that could not start is not wanted any more
SILENCE = 300          # a recorded sample louder than this is sound
SOAK = 60.0            # seconds of quick play
NEW_GAME_EVERY = 15    # rounds of quick play between two looks at the help and new games

# Controls that lie on the window's face; everywhere else the face shows.
ON_THE_FACE = [layout.BOARD, layout.MASTER_BOX, layout.PLAY, layout.HELP]

view = BoardView()
face = pictures.layout_picture('Picture1')


class SoundServer:
    """The desktop's sound server, made to hang and to answer again, and what
    its sink played."""

    def __init__(self, recording):
        self.pid = int(os.environ['SOUND_SERVER_PID'])
        self.recording = recording

    def hang(self):
        os.kill(self.pid, signal.SIGSTOP)

    def answer(self):
        os.kill(self.pid, signal.SIGCONT)

    def recorded(self):
        """Bytes recorded so far: a place in the recording."""
        return os.path.getsize(self.recording) // 2 * 2

    def loudest(self, start, end):
        samples = array.array('h')
        with open(self.recording, 'rb') as f:
            f.seek(start)
            samples.frombytes(f.read(end - start))
        return max(map(abs, samples), default=0)

    def game_stream(self):
        """The game's stream as the desktop's mixer sees it (pactl list
        sink-inputs), as soon as there is one."""
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            for stream in run('pactl', 'list', 'sink-inputs').split('Sink Input #')[1:]:
                if 'application.process.binary = "lumidex"' in stream:
                    return stream
        return ''


sound = SoundServer(sys.argv[3])


def fresh_board(shot):
    """The window as a new game leaves it: the face, 16 card backs, the
    Master Card's back, both buttons released, no sad face, no panel."""
    seen = view.read(shot)
    return (pictures.differing(shot, (0, 0, *layout.WINDOW_SIZE), face, ignore=ON_THE_FACE) == 0
            and all(c == pictures.FIXED_BACK for c in seen.cards.values())
            and seen.master == pictures.MASTER_BACK
            and pictures.shows(shot, layout.PLAY, pictures.bitmap(pictures.PLAY_RELEASED))
            and pictures.shows(shot, layout.HELP, pictures.bitmap(pictures.HELP_RELEASED))
            and seen.misses() == 0 and seen.panel is None)


def exits_at_once(game, what):
    clicked = game.click(layout.EXIT)
    status = game.wait_exit(EXIT_AT_ONCE + 5)
    took = time.monotonic() - clicked
    print(f'{what}: the game ended {took * 1000:.0f} ms after the click, status {status}')
    game.expect(status == 0, f'{what}: exit status {status}, not 0')
    game.expect(took <= EXIT_AT_ONCE, f'{what}: the exit took {took:.2f} s')


def start_up_and_drag(artifacts):
    watch = MapWatch()
    game = GameWindow(sys.argv[1], artifacts)
    try:
        mapped = watch.time_mapped(int(game.id), 5)
        game.expect(mapped is not None, 'no MapNotify came for the game window')
        print(f'the window was mapped {mapped - game.started:.3f} s after the start')
        game.expect(mapped - game.started >= HIDDEN_DEAL,
                    f'the window showed {mapped - game.started:.3f} s after the start, before the hidden deal ended')

        title = run('xdotool', 'getwindowname', game.id).strip()
        game.expect(title == 'Lumidex', f'the window is titled {title!r}')
        screen_w, screen_h = map(int, run('xdotool', 'getdisplaygeometry').split())
        x, y, w, h = game.geometry(game.id)
        print(f'window at {x},{y} size {w}x{h} on a {screen_w}x{screen_h} screen')
        game.expect((x, y) == ((screen_w - w) // 2, (screen_h - h) // 2), f'the window is not centred: {x},{y}')

        _, shot = game.wait_for(fresh_board, 'the face with 16 card backs')
        game.keep(shot, 'start')

        # Dragging the background moves the window by exactly the drag.
        game.drag((140, 30), (-37, 23))
        moved = game.position()
        print(f'dragged the background by -37,23: the window went from {x},{y} to {moved[0]},{moved[1]}')
        game.expect(moved == (x - 37, y + 23), f'the window moved to {moved}, not by the drag')
        _, shot = game.wait_for(fresh_board, 'the window whole after the move')

        # A drag that starts on a card is the card's own.
        game.drag(layout.centre(layout.card(6)), (60, 40))
        game.expect(game.position() == moved, f'a drag from a card moved the window to {game.position()}')
        game.expect_unchanged(shot, 'a drag from a card')

        exits_at_once(game, 'exit at the start')
    finally:
        game.stop()


def deal(game):
    """Releases the play button and waits for the new board."""
    game.click(layout.PLAY)
    game.wait_for(lambda s: BLANK_ID in view.read(s).cards.values(), 'the deal to begin')
    game.wait_for(fresh_board, 'the deal to end')


def hung_sound_server(artifacts):
    """The sound server stops answering before the game starts: the game
    plays on, silent. Once the server answers, what was asked meanwhile stays
    unheard, and new sounds play from a stream that names the game. The exit
    spot ends the game at once, the server hung again."""
    sound.hang()
    game = GameWindow(sys.argv[1], artifacts)
    try:
        game.wait_for(fresh_board, 'the face with 16 card backs')
        game.click(layout.MASTER_BOX)
        _, shot = game.wait_for(lambda s: view.read(s).master in pictures.FACES, 'the Master Card to show a picture')

        game.click(layout.MINIMISE)
        game.expect(game.process.poll() is None, 'the minimise spot ended the game')
        game.expect_unchanged(shot, 'the minimise spot')
        game.expect(game.process.poll() is None, 'the game ended after the minimise spot')

        # The game goes on where it was: the drawn picture is picked against.
        game.click(layout.card_box(1))
        game.wait_for(lambda s: view.read(s).cards[1] in pictures.FACES, 'card 1 to show its picture')
        game.wait_for(lambda s: view.read(s).master == pictures.MASTER_BACK, 'the pick to end')
        deal(game)

        time.sleep(LATE)
        sound.answer()
        time.sleep(CATCH_UP)
        quiet = sound.recorded()
        game.expect(sound.loudest(0, quiet) <= SILENCE, 'a sound asked for while the server hung was played')
        deal(game)
        stream = sound.game_stream()
        print('the game\'s stream in the mixer:', *[line.strip() for line in stream.splitlines()
                                                     if 'application.' in line or 'media.' in line], sep='\n  ')
        for shown in ('application.name = "Lumidex"', 'application.icon_name = "org.example.Lumidex"',
                      'media.role = "game"'):
            game.expect(shown in stream, f'the mixer does not show {shown} for the game')
        game.expect(sound.loudest(quiet, sound.recorded()) > SILENCE, 'no sound came back with the server')

        sound.hang()
        exits_at_once(game, 'exit with the sound server hung')
    finally:
        sound.answer()
        game.stop()


def quick_play(artifacts):
    """A minute of quick play: a Fixed Card and the Master Card in turn, the
    help and a new game every few rounds. The game lives, says nothing, and its
    memory and open files stop growing."""
    # Under AddressSanitizer: the freed memory it holds back to catch late
    # uses would count as growth.
    os.environ['ASAN_OPTIONS'] = os.environ.get('ASAN_OPTIONS', '') + ':quarantine_size_mb=16'
    game = GameWindow(sys.argv[1], artifacts)
    try:
        game.wait_for(fresh_board, 'the face with 16 card backs')
        start, rounds, use = time.monotonic(), 0, []
        while time.monotonic() - start < SOAK:
            rounds += 1
            # The Master Card is clicked while the pick shows its card, and waits.
            clicks = [(layout.card_box(rounds % 16 + 1), 0.3), (layout.MASTER_BOX, 0.7)]
            if rounds % NEW_GAME_EVERY == 0:
                clicks += [(layout.HELP, 0.3), (layout.PLAY, 2.0)]
            for place, wait in clicks:
                game.click(place)
                time.sleep(wait)
            game.expect(game.process.poll() is None, f'the game ended in round {rounds}')
            proc = f'/proc/{game.process.pid}'
            with open(f'{proc}/status') as f:
                rss = next(int(line.split()[1]) for line in f if line.startswith('VmRSS:')) / 1024
            use.append((rounds, rss, len(os.listdir(f'{proc}/fd'))))
        # The first help text and new game take what they keep for good.
        settled = [u for u in use if u[0] > NEW_GAME_EVERY]
        first, last = settled[0], use[-1]
        print(f'quick play: {rounds} rounds; RSS {use[0][1]:.1f} MiB at first, {first[1]:.1f} MiB after '
              f'round {first[0]}, {last[1]:.1f} MiB at the end; open files {use[0][2]}, {first[2]}, {last[2]}')
        game.expect(max(u[2] for u in use) <= use[0][2] + 2, 'open files kept growing')
        game.expect(last[1] <= first[1] * 1.1, 'memory kept growing')
        exits_at_once(game, 'exit after quick play')
        said = game.process.stderr.read().decode()
        game.expect(not said, f'the game said:\n{said}')
    finally:
        game.stop()


def display_lost(artifacts):
    """The display goes away after a sound has played: the game ends with
    status 1, without a crash."""
    game = GameWindow(sys.argv[1], artifacts)
    try:
        game.wait_for(fresh_board, 'the face with 16 card backs')
        game.click(layout.MASTER_BOX)
        game.wait_for(lambda s: view.read(s).master in pictures.FACES, 'the Master Card to show a picture')
        os.kill(int(os.environ['X_SERVER_PID']), signal.SIGTERM)
        status = game.wait_exit(PATIENCE)
        said = game.process.stderr.read().decode()
        print(f'display lost: the game ended with status {status}, saying:\n{said}')
        game.expect(status == 1 and 'Sanitizer' not in said, 'the game did not end with status 1 alone')
    finally:
        game.stop()


def main():
    artifacts = sys.argv[2]
    try:
        start_up_and_drag(artifacts)
        hung_sound_server(artifacts)
        if sys.argv[4:] == ['soak']:
            quick_play(artifacts)
        display_lost(artifacts)
    except Failure as failure:
        print(f'FAIL: {failure}')
        return 1
    print('window_e2e: all passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
