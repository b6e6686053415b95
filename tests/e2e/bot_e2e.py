"""Whole games played through the real window by the player bot: a deal with
a card clicked during it, a win with a perfect memory from the keyboard, a win
with two misses, a loss with a bad memory (clicking during pauses on the way),
the help, and the exit.
Usage: bot_e2e.py GAME ARTIFACTS"""
import os
import sys
import time

import layout
import pictures
from board_view import BoardView, HIDDEN
from game_window import QUIET, Failure, GameWindow
from player_bot import Game, PlayerBot, SoundLog, forgetful, perfect, sloppy

HELP_TEXT_LINES = 10   # text lines the help shows over the board at the least


def win(bot, memory, misses):
    result = bot.play(memory)
    shot = bot.result_shot
    bot.expect(result == 'win' and bot.game.misses == misses,
               f'{result} with {bot.game.misses} misses; wanted a win with {misses}', shot)
    count = bot.view.count_pixels(shot)
    bot.expect(count != bot.view.bare_count_pixels(), 'the win panel shows no miss count', shot)
    return count


def held_master_click(bot, drawn):
    """During a wrong pick's pause, clicks the Master Card: the draw must come
    after the pause, not be refused. Returns the picture drawn then, or None
    when the pick matched and so gave no such pause."""
    card = forgetful(bot.game, drawn)
    held = []

    def during_pause(face):
        if face == drawn:
            return None
        clicked = bot.window.click(layout.MASTER_BOX)
        bot.sounds.add('flip', clicked, why='Master Card clicked during a pause')
        seen, shot = bot.look()
        bot.expect(seen.cards[card] == face, 'the pause was over before the held click', shot)

        def check(s, _):  # while the picked card shows its face, the drawn picture stays
            v = bot.view.read(s)
            if v.cards[card] == face:
                bot.expect(v.master == drawn, f'the Master Card changed to {v.master} during the pause', s)
        bot.window.watch(0.3, check)
        held.append(clicked)
        return pictures.FACES

    bot.pick(card, drawn, during_pause)
    if not held:
        return None
    drew = bot.look()[0].master
    print(f'  the Master Card clicked during the pause of card {card} drew {drew} after it')
    return drew


def held_second_card(bot, drawn):
    """During the pause of a wrong pick, clicks the card the drawn picture lies
    on: it must not be picked against that picture."""
    right = bot.game.card_with(drawn)
    wrong = forgetful(bot.game, drawn)

    def during_pause(face):
        clicked = bot.window.click(layout.card_box(right))
        bot.sounds.add('refuse', clicked, why=f'card {right} clicked during a pause')
        seen, shot = bot.look()
        bot.expect(seen.cards[wrong] == face, 'the pause was over before the held click', shot)
        return None
    result = bot.pick(wrong, drawn, during_pause)

    def check(s, _):
        bot.expect(bot.view.read(s).cards[right] == pictures.FIXED_BACK,
                   f'card {right} was picked against the picture of the pause before', s)
    bot.window.watch(QUIET, check)
    print(f'  card {right}, clicked during the pause of card {wrong}, stayed face down')
    return result


def lose_with_held_clicks(bot):
    held_master = held_card = False
    drawn = None
    while True:
        drawn = drawn or bot.draw()
        game = bot.game
        result = None
        if not held_master and not game.card_with(drawn):
            drawn = held_master_click(bot, drawn)
            held_master = drawn is not None
        elif not held_card and game.card_with(drawn) and game.misses < layout.MISSES_TO_LOSE - 1:
            result = held_second_card(bot, drawn)
            held_card = True
            drawn = None
        else:
            result = bot.pick(forgetful(game, drawn), drawn)
            drawn = None
        if result:
            bot.expect(result == 'lose' and game.misses == layout.MISSES_TO_LOSE and held_master and held_card,
                       f'{result} after {game.misses} misses', bot.result_shot)
            print(f'  lose after {game.turns} turns, {game.misses} misses')
            return


def see_help(bot):
    """The help button shows the instructions over the board."""
    clicked = bot.window.click(layout.HELP)
    bot.sounds.add('tick', clicked, why='help button')

    def text_lines(shot):
        """Rows of the board that hold dark text, counted as runs of such rows."""
        x, y, w, h = layout.BOARD_INSIDE
        board = pictures.region(shot, (x, y, w - 20, h)).convert('L')  # the scroll bar left out
        dark = [any(board.getpixel((i, j)) < 100 for i in range(board.width)) for j in range(board.height)]
        return sum(1 for j in range(1, len(dark)) if dark[j] and not dark[j - 1])

    def shown(shot):
        seen = bot.view.read(shot)
        return all(c is HIDDEN for c in seen.cards.values()) and text_lines(shot) >= HELP_TEXT_LINES

    _, shot = bot.window.wait_for(shown, 'the help text over the board')
    bot.window.keep(shot, 'help')
    print(f'  the help shows {text_lines(shot)} lines of text over the board')


def main():
    executable, artifacts = sys.argv[1:3]
    window = GameWindow(executable, artifacts)
    bot = PlayerBot(window, BoardView(), SoundLog(os.path.join(artifacts, 'expected-sounds.jsonl')))
    try:
        bot.game = Game()
        seen, shot = bot.wait_until(lambda s: s.master == pictures.MASTER_BACK, 'the first board')
        bot.check_board(seen, shot)

        print('a deal after a draw, with card 16 clicked as it begins')
        bot.draw()
        bot.deal(held_card=16)

        print('game 1: a perfect memory, from the keyboard alone')
        window.use_keys(True)
        zero = win(bot, perfect, 0)
        bot.see_result_go_and_board_locked()
        bot.deal()
        window.use_keys(False)

        print('game 2: two misses on purpose, then a perfect memory')
        two = win(bot, sloppy(2), 2)
        bot.expect(two != zero, 'the win panel wrote the same count for 0 and 2 misses', bot.result_shot)
        bot.deal()

        print('game 3: a bad memory')
        lose_with_held_clicks(bot)

        see_help(bot)
        print('the play button hides the help and deals')
        bot.deal(watched=False)
        clicked = window.click(layout.EXIT)
        status = window.wait_exit(5)
        print(f'  the exit spot ended the game after {time.monotonic() - clicked:.2f} s with status {status}')
        window.expect(status == 0, f'the exit spot left status {status}')
    except Failure as failure:
        print(f'FAIL: {failure}')
        return 1
    finally:
        window.stop()
    print('bot_e2e: all passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
