"""A player that plays through the real window, knowing only what screenshots
showed it; how well it remembers the pictures it saw is up to its memory."""
from game_window import CARDS, FACES, FIXED_BACK, MASTER_BACK, MASTER_BOX, PLAY, BLANK, BoardView, card_box

MISSES_TO_LOSE = 8
LINES = [[4 * r + c + 1 for c in range(4)] for r in range(4)] + [[4 * r + c + 1 for r in range(4)] for c in range(4)]


def perfect(player, drawn):
    """The card the picture was seen on, else a card never seen."""
    return player.card_with(drawn) or player.unknown()[0]


def forgetful(player, drawn):
    """A wrong card whenever it can; new cards only where a lucky match
    completes no line, so that it loses."""
    right = player.card_with(drawn)
    wrong = [k for k in [*player.known, *player.unknown()] if k != right]
    if right or not wrong:
        return (wrong or [right])[0]
    safe = [k for k in player.unknown() if not player.completes_line(k)]
    return (safe or wrong)[0]


class PlayerBot:
    def __init__(self, window):
        self.window, self.view = window, BoardView()
        self.new_game()

    def new_game(self):
        self.known, self.face_up, self.shown, self.misses = {}, {}, set(), 0

    def card_with(self, picture):
        return next((k for k, p in self.known.items() if p == picture), None)

    def unknown(self):
        return [k for k in CARDS if k not in self.face_up and k not in self.known]

    def completes_line(self, k):
        return next((line for line in LINES if k in line and all(c == k or c in self.face_up for c in line)), None)

    def expect(self, ok, message, shot=None):
        self.window.expect(ok, message, shot)

    def look(self):
        shot = self.window.grab()
        return self.view.read(shot), shot

    def wait_until(self, seen, what):
        return self.window.wait_for(lambda shot: seen(v := self.view.read(shot)) and v, what)

    def check_board(self, seen, shot, master=MASTER_BACK):
        """Matched cards face up, the rest face down, the Master Card as given."""
        want = {k: self.face_up.get(k, FIXED_BACK) for k in CARDS}
        self.expect(seen.cards == want and seen.master == master, f'the board shows {seen}', shot)

    def deal(self, held_card=None):
        """Deals a new game; a card clicked as the deal begins shows nothing."""
        self.window.click(PLAY)
        if held_card:
            self.window.click(card_box(held_card))

        def dealing(seen):
            self.expect(not held_card or seen.cards[held_card] not in FACES, f'a card showed its face during the deal: {seen}')
            return seen
        self.wait_until(lambda s: dealing(s) and BLANK in s.cards.values(), 'the deal to begin')
        seen, shot = self.wait_until(lambda s: dealing(s) and s.cards[16] == FIXED_BACK, 'the deal to end')
        self.new_game()
        self.check_board(seen, shot)

    def draw(self):
        self.window.click(MASTER_BOX)
        seen, shot = self.wait_until(lambda s: s.master in FACES, 'the Master Card to show a picture')
        self.check_board(seen, shot, master=seen.master)
        return seen.master

    def pick(self, card, drawn, during_pause=None):
        """Picks card against the drawn picture; returns 'win' or 'lose' when
        that ends the game. during_pause(face) runs while the card shows its
        face, and returns the Master Card pictures allowed after the pause."""
        self.window.click(card_box(card))
        face, shot = self.window.wait_for(
            lambda s: 'lose' if (v := self.view.read(s)).panel == 'lose' else v.cards[card] in FACES and v.cards[card],
            f'card {card} to show its face')
        if face == 'lose':
            self.expect(self.misses == MISSES_TO_LOSE - 1 and drawn in self.shown and self.known.get(card, drawn) != drawn,
                        f'the lose panel came after {self.misses} misses', shot)
            self.result_shot = shot
            return 'lose'
        if face == drawn:
            self.face_up[card] = self.known.pop(card, face)
        else:
            self.expect(self.known.get(card, face) == face, f'card {card} showed {face}, before {self.known.get(card)}')
            self.known[card] = face
            self.shown.add(face)
            self.misses += drawn in self.shown
        masters = during_pause(face) if during_pause else {MASTER_BACK}
        line = face == drawn and self.completes_line(card)
        if line:
            return self.see_win(line)
        want = self.face_up.get(card, FIXED_BACK)
        seen, shot = self.wait_until(lambda s: s.master in masters and s.cards[card] == want, f'the pick of {card} to end')
        self.check_board(seen, shot, master=seen.master)

    def see_win(self, line):
        """The line blinks, then the win panel shows. A card clicked while the
        match shows, and again while the line is off, waits for the game's end,
        which has locked it."""
        held = next(k for k in CARDS if k not in line and k not in self.face_up)
        self.window.click(card_box(held))
        others = {k: self.face_up.get(k, FIXED_BACK) for k in CARDS if k not in line}
        clicked = []

        def look(seen):
            if seen.panel == 'win':
                return True
            self.expect({k: seen.cards[k] for k in others} == others, f'cards outside the line changed: {seen}')
            if not clicked and seen.cards[line[0]] is None:
                clicked.append(self.window.click(card_box(held)))
            return False
        _, self.result_shot = self.wait_until(look, 'the line to blink and the win panel')
        self.expect(clicked, 'the line never went off', self.result_shot)
        seen, shot = self.wait_until(lambda s: s.panel is None, 'the win panel to go')
        self.check_board(seen, shot)
        self.window.click(MASTER_BOX)
        self.window.watch(1.5, lambda s: self.expect(self.view.read(s) == seen, 'the board after a win took a click', s))
        return 'win'

    def play(self, choose):
        """Turns until the game ends; returns 'win' or 'lose'."""
        for _ in range(200):
            drawn = self.draw()
            result = self.pick(choose(self, drawn), drawn)
            if result:
                return result
        self.expect(False, 'no end after 200 turns')
