"""The game window as a person meets it: when and where it appears, what it
shows, dragging it, the minimise and exit spots.
Usage: window_e2e.py GAME ARTIFACTS"""
import sys
import time

import layout
import pictures
from board_view import BoardView
from game_window import Failure, GameWindow, run
from map_watch import MapWatch

HIDDEN_DEAL = 1.6      # seconds of the first deal, laid before the window shows
EXIT_AT_ONCE = 2.0     # seconds an exit may take on a loaded machine

# Controls that lie on the window's face; everywhere else the face shows.
ON_THE_FACE = [layout.BOARD, layout.MASTER_BOX, layout.PLAY, layout.HELP]

view = BoardView()
face = pictures.layout_picture('Picture1')


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


def minimise_and_exit_mid_game(artifacts):
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
        _, shot = game.wait_for(lambda s: view.read(s).master == pictures.MASTER_BACK, 'the pick to end')
        game.click(layout.MASTER_BOX)
        _, shot = game.wait_for(lambda s: view.read(s).master in pictures.FACES, 'a second draw')
        game.keep(shot, 'mid-game')
        exits_at_once(game, 'exit in the middle of a game')
    finally:
        game.stop()


def main():
    artifacts = sys.argv[2]
    try:
        start_up_and_drag(artifacts)
        minimise_and_exit_mid_game(artifacts)
    except Failure as failure:
        print(f'FAIL: {failure}')
        return 1
    print('window_e2e: all passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
