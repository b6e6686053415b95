"""Plays one game through the real window with the end-to-end tests' player
bot and keeps three screenshots of it in OUTDIR: board (a dealt board), play
(cards face up and a picture drawn), win (the win panel). Under a scale
factor of 2 (QT_SCALE_FACTOR) the names end in @2x; given the language the
game shows (as LANGUAGE chooses it), they end in -LANGUAGE.
Usage: screenshots.py GAME ARTIFACTS OUTDIR [LANGUAGE]"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
from game_window import MASTER_BACK, SCALE, Failure, GameWindow  # noqa: E402
from bot_e2e import PlayerBot, forgetful, perfect  # noqa: E402

FACE_UP_IN_PLAY = 3   # cards face up in the picture of a game in play: too few for a line
MISSES = 2            # memory misses on purpose, so that sad faces show


def main():
    game, artifacts, out = sys.argv[1:4]
    suffix = ''.join(f'-{language}' for language in sys.argv[4:]) + ('' if SCALE == 1 else f'@{SCALE}x')
    window = GameWindow(game, artifacts)
    bot = PlayerBot(window)

    def keep(shot, name):
        path = os.path.join(out, f'{name}{suffix}.png')
        shot.save(path, optimize=True)
        print(f'  {path}')

    try:
        _, shot = bot.wait_until(lambda s: s.master == MASTER_BACK, 'the first board')
        keep(shot, 'board')

        def memory(player, drawn):
            wrong = player.misses < MISSES and player.card_with(drawn)
            return (forgetful if wrong else perfect)(player, drawn)
        result = None
        while not result and len(bot.face_up) < FACE_UP_IN_PLAY:
            drawn = bot.draw()
            result = bot.pick(memory(bot, drawn), drawn)
        if not result:
            drawn = bot.draw()
            keep(window.grab(), 'play')
            result = bot.pick(memory(bot, drawn), drawn) or bot.play(memory)
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
