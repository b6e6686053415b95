"""Whole games through the real window: a deal with a card clicked during it,
a win from the keyboard alone, a loss at the eighth miss with clicks held
during pauses, the help over the board, a new game and the exit.
Usage: bot_e2e.py GAME ARTIFACTS"""
import sys

from game_window import (BOARD_INSIDE, EXIT, FACES, FIXED_BACK, HELP, MASTER_BACK, MASTER_BOX, PATIENCE, QUIET,
                         Failure, GameWindow, card_box, scaled)
from player_bot import MISSES_TO_LOSE, PlayerBot, forgetful, perfect


def lose_with_held_clicks(bot):
    """Forgets on purpose until the eighth miss loses. Once, the Master Card is
    clicked during a wrong pick's pause: the drawn picture stays until the
    pause ends, then the draw comes. Once, the right card is clicked during a
    wrong pick's pause: it is not picked against that picture."""
    held_master = held_card = False
    drawn = None
    while True:
        bot.expect(bot.misses < MISSES_TO_LOSE, f'no lose panel after {bot.misses} misses')
        drawn = drawn or bot.draw()
        card, right, pause = forgetful(bot, drawn), bot.card_with(drawn), None
        if not held_master and not right:
            def pause(face):
                if face == drawn:
                    return {MASTER_BACK}
                bot.window.click(MASTER_BOX)
                bot.window.watch(0.3, lambda s: (v := bot.view.read(s)).cards[card] != face or
                                 bot.expect(v.master == drawn, 'the Master Card changed during the pause', s))
                return FACES
        elif not held_card and right and bot.misses < MISSES_TO_LOSE - 1:
            def pause(face):
                bot.window.click(card_box(right))
                return {MASTER_BACK}
        result = bot.pick(card, drawn, pause)
        if result:
            bot.expect(result == 'lose' and held_master and held_card, f'{result} in the losing game', bot.result_shot)
            return
        seen = bot.look()[0]
        if pause and right:
            bot.window.watch(QUIET, lambda s: bot.expect(bot.view.read(s).cards[right] == FIXED_BACK,
                                                         'a card clicked during a pause was picked', s))
        held_card |= bool(pause and right)
        held_master |= bool(pause and seen.master in FACES)
        drawn = seen.master if seen.master in FACES else None


def help_shown(view, shot):
    """The cards hidden by at least ten lines of dark text."""
    x, y, w, h = scaled(BOARD_INSIDE)
    board = shot.crop((x, y, x + w, y + h)).convert('L')
    dark = [min(board.crop((0, j, w, j + 1)).getdata()) < 100 for j in range(h)]
    lines = sum(d and not before for before, d in zip([False] + dark, dark))
    return all(c is None for c in view.read(shot).cards.values()) and lines >= 10


window = GameWindow(sys.argv[1], sys.argv[2])
bot = PlayerBot(window)
try:
    bot.wait_until(lambda s: s.master == MASTER_BACK, 'the first board')
    bot.draw()
    bot.deal(held_card=16)
    window.use_keys(True)
    window.expect(bot.play(perfect) == 'win', 'a perfect memory did not win from the keyboard', bot.result_shot)
    bot.deal()
    window.use_keys(False)
    lose_with_held_clicks(bot)
    window.click(HELP)
    window.wait_for(lambda s: help_shown(bot.view, s), 'the help over the board')
    bot.deal()
    window.click(EXIT)
    window.expect(window.wait_exit(PATIENCE) == 0, 'the exit spot did not end the game with status 0')
except Failure as failure:
    sys.exit(f'FAIL: {failure}')
finally:
    window.stop()
print('bot_e2e: all passed')
