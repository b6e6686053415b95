# Whole games through the real window, played by a bot that knows only what
# screenshots showed it: a deal with a card clicked during it, a win, a loss at
# the eighth miss with a click held during a pause, the help over the board, a
# new game and the exit.
# Usage: bot_e2e.py GAME ARTIFACTS
import sys

from game_window import (BLANK, CARDS, EXIT, FACES, FIXED_BACK, HELP, MASTER_BACK, MASTER_BOX,
                         PATIENCE, PLAY, BoardView, Failure, GameWindow, card_box)

MISSES_TO_LOSE = 8
LINES = [[4 * r + c + 1 for c in range(4)] for r in range(4)] + [[4 * r + c + 1 for r in range(4)] for c in range(4)]


def perfect(bot, drawn):
    # The card the picture was seen on, else a card never seen.
    return bot.card_with(drawn) or bot.unknown()[0]


def forgetful(bot, drawn):
    # A wrong card whenever it can; new cards only where a lucky match
    # completes no line, so that it loses.
    right = bot.card_with(drawn)
    wrong = [k for k in [*bot.known, *bot.unknown()] if k != right]
    safe = [k for k in bot.unknown() if not bot.completes_line(k)]
    return (wrong if right else safe or wrong or [right])[0]


# What a player remembers of a game: cards seen on a wrong pick, matched cards,
# pictures shown, misses.
class Memory:
    def __init__(self):
        self.known, self.face_up, self.shown, self.misses = {}, {}, set(), 0

    def card_with(self, picture):
        return next((k for k, p in self.known.items() if p == picture), None)

    def unknown(self):
        return [k for k in CARDS if k not in self.face_up and k not in self.known]

    def completes_line(self, k):
        return next((line for line in LINES if k in line and all(c == k or c in self.face_up for c in line)), None)

    def remember(self, card, face, drawn):
        # Card showed face against the drawn picture; False if it had shown another.
        if face == drawn:
            self.face_up[card] = self.known.pop(card, face)
            return True
        before, self.known[card] = self.known.get(card, face), face
        self.shown.add(face)
        self.misses += drawn in self.shown
        return before == face


class PlayerBot(Memory):
    def __init__(self, window):
        super().__init__()
        self.window, self.view = window, BoardView()

    def wait_until(self, seen, what):
        return self.window.wait_for(lambda shot: seen(v := self.view.read(shot)) and v, what)

    def check_board(self, seen, shot, master=MASTER_BACK):
        # Matched cards face up, the rest face down, the Master Card as given.
        want = {k: self.face_up.get(k, FIXED_BACK) for k in CARDS}
        self.window.expect(seen.cards == want and seen.master == master, f'the board shows {seen}', shot)

    def deal(self, held_card=None):
        # Deals a new game; a card clicked as the deal begins shows nothing.
        self.window.click(PLAY)
        if held_card:
            self.window.click(card_box(held_card))

        def dealing(seen):
            self.window.expect(not held_card or seen.cards[held_card] not in FACES, f'a card showed during the deal: {seen}')
            return seen
        self.wait_until(lambda s: dealing(s) and BLANK in s.cards.values(), 'the deal to begin')
        seen, shot = self.wait_until(lambda s: dealing(s) and s.cards[16] == FIXED_BACK, 'the deal to end')
        Memory.__init__(self)
        self.check_board(seen, shot)

    def draw(self):
        self.window.click(MASTER_BOX)
        seen, shot = self.wait_until(lambda s: s.master in FACES, 'the Master Card to show a picture')
        self.check_board(seen, shot, master=seen.master)
        return seen.master

    def pick(self, card, drawn, during_pause=None):
        # Picks card against the drawn picture; returns 'win' or 'lose' when
        # that ends the game. during_pause(face) runs while the card shows its
        # face, and gives the Master Card pictures allowed after the pause.
        self.window.click(card_box(card))
        face, shot = self.window.wait_for(
            lambda s: 'lose' if (v := self.view.read(s)).panel == 'lose' else v.cards[card] in FACES and v.cards[card],
            f'card {card} to show its face')
        if face == 'lose':  # the eighth miss: the panel covers the card at once
            self.result_shot = shot
            self.window.expect(self.misses == MISSES_TO_LOSE - 1 and drawn in self.shown and
                               self.known.get(card, drawn) != drawn, f'lost after {self.misses} misses', shot)
            return 'lose'
        self.window.expect(self.remember(card, face, drawn), f'card {card} showed {face}, before {self.known.get(card)}')
        masters = during_pause(face) if during_pause else {MASTER_BACK}
        line = face == drawn and self.completes_line(card)
        if line:
            return self.see_win(line)
        want = self.face_up.get(card, FIXED_BACK)
        seen, shot = self.wait_until(lambda s: s.master in masters and s.cards[card] == want, f'the pick of {card} to end')
        self.check_board(seen, shot, master=seen.master)

    def see_win(self, line):
        # The line blinks, then the win panel shows. A card clicked while the
        # match shows, and again while the line is off, waits for the game's end,
        # which has locked it.
        held = next(k for k in CARDS if k not in line and k not in self.face_up)
        self.window.click(card_box(held))
        others = {k: self.face_up.get(k, FIXED_BACK) for k in CARDS if k not in line}
        clicked = []

        def look(seen):
            if seen.panel == 'win':
                return True
            self.window.expect({k: seen.cards[k] for k in others} == others, f'cards outside the line changed: {seen}')
            if not clicked and seen.cards[line[0]] is None:
                clicked.append(self.window.click(card_box(held)))
        _, self.result_shot = self.wait_until(look, 'the line to blink and the win panel')
        self.window.expect(clicked, 'the line never went off', self.result_shot)
        seen, shot = self.wait_until(lambda s: s.panel is None, 'the win panel to go')
        self.check_board(seen, shot)
        return 'win'

    def play(self, choose):
        # Turns until the game ends; returns 'win' or 'lose'.
        return self.pick(choose(self, drawn := self.draw()), drawn) or self.play(choose)


def lose_with_held_click(bot):
    # Forgets until the eighth miss loses. Once, the Master Card is clicked
    # during a wrong pick's pause: the drawn picture stays until the pause ends,
    # then the draw comes.
    held = False
    drawn = None
    while True:
        bot.window.expect(bot.misses < MISSES_TO_LOSE, f'no lose panel after {bot.misses} misses')
        drawn = drawn or bot.draw()
        card, pause = forgetful(bot, drawn), None
        if not held and not bot.card_with(drawn):
            def pause(face):
                if face == drawn:
                    return {MASTER_BACK}
                bot.window.click(MASTER_BOX)
                bot.window.watch(0.3, lambda s: (v := bot.view.read(s)).cards[card] != face or
                                 bot.window.expect(v.master == drawn, 'the Master Card changed during the pause', s))
                return FACES
        if result := bot.pick(card, drawn, pause):
            bot.window.expect(result == 'lose' and held, f'{result}, held click missed', bot.result_shot)
            return
        seen = bot.view.read(bot.window.grab())
        held |= bool(pause and seen.master in FACES)
        drawn = seen.master if seen.master in FACES else None


if __name__ == '__main__':
    bot = PlayerBot(window := GameWindow(sys.argv[1], sys.argv[2]))
    try:
        bot.wait_until(lambda s: s.master == MASTER_BACK, 'the first board')
        bot.draw()
        bot.deal(held_card=16)
        window.expect(bot.play(perfect) == 'win', 'a perfect memory did not win', bot.result_shot)
        bot.deal()
        lose_with_held_click(bot)
        window.click(HELP)
        bot.wait_until(lambda s: all(c is None for c in s.cards.values()), 'the help over the board')
        bot.deal()
        window.click(EXIT)
        window.expect(window.wait_exit(PATIENCE) == 0, 'the exit spot did not end the game with status 0')
    except Failure as failure:
        sys.exit(f'FAIL: {failure}')
    finally:
        window.stop()
    print('bot_e2e: all passed')
