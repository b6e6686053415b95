"""Plays one game through the real window with the end-to-end tests' player
bot and keeps three screenshots of it in OUTDIR: board (a dealt board), play
(cards face up and a picture drawn), win (the win panel). Under a scale
factor of 2 (QT_SCALE_FACTOR) the names end in @2x.
Usage: screenshots.py GAME ARTIFACTS OUTDIR"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
import layout  # noqa: E402
import pictures  # noqa: E402
from board_view import BoardView  # noqa: E402
from game_window import Failure, GameWindow  # noqa: E402
from player_bot import Game, PlayerBot, SoundLog, sloppy  # noqa: E402

FACE_UP_IN_PLAY = 3   # cards face up in the picture of a game in play: too few for a line
MISSES = 2            # memory misses on purpose, so that sad faces show


def main():
    game, artifacts, out = sys.argv[1:4]
    suffix = '' if layout.SCALE == 1 else f'@{layout.SCALE}x'
    view = BoardView()
    window = GameWindow(game, artifacts)
    bot = PlayerBot(window, view, SoundLog(os.path.join(artifacts, f'sounds{suffix}.jsonl')))

    def keep(shot, name):
        path = os.path.join(out, f'{name}{suffix}.png')
        shot.save(path, optimize=True)
        print(f'  {path}')

    try:
        bot.game = Game()
        _, shot = bot.wait_until(lambda s: s.master == pictures.MASTER_BACK, 'the first board')
        keep(shot, 'board')
        memory = sloppy(MISSES)
        result = None
        while not result and len(bot.game.face_up) < FACE_UP_IN_PLAY:
            result = bot.turn(memory)
        if not result:
            drawn = bot.draw()
            keep(bot.look()[1], 'play')
            result = bot.pick(memory(bot.game, drawn), drawn) or bot.play(memory)
        window.expect(result == 'win', f'the game ended with a {result}, not a win')
        keep(bot.result_shot, 'win')
    except Failure as failure:
        print(f'FAIL: {failure}')
        return 1
    finally:
        window.stop()
    return 0


if __name__ == '__main__':
    sys.exit(main())
