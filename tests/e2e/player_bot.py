"""A player that plays whole games through the real window: it clicks with
xdotool and knows only what screenshots showed it. How well it remembers the
pictures it saw is up to its memory; every step checks what the game shows.
It writes down which sounds its clicks should have made, in order, for the
sound check."""
import json
import os
import time

import layout
import pictures
from board_view import BLANK_ID, HIDDEN
from game_window import QUIET

PICK_SHOWN = 1.0       # seconds a picked card shows its face
BLINKS = 8             # times the completed line turns off or on
RESULT_SHOWN = 5.0     # seconds the result panel stays
DEAL_TICKS = 17        # the button's own tick, then one per card laid
DEAL_STEP = 0.1        # seconds between two of them
REFUSAL = 0.3          # seconds the refusal sound takes, and a little more


class SoundLog:
    """The sounds the player's clicks should make, at the clock times they were
    caused; written as JSON lines for the sound check."""

    def __init__(self, path):
        self.path = path
        self.to_wall = time.time() - time.monotonic()
        self.entries = []

    def add(self, sound, at, count=1, why=''):
        self.entries.append({'sound': sound, 'at': at + self.to_wall, 'count': count, 'why': why})
        with open(self.path, 'w') as f:
            f.writelines(json.dumps(e) + '\n' for e in self.entries)


# ---- memories: which card to pick against the drawn picture -------------

class Game:
    """What the player knows of the game in play."""

    def __init__(self):
        self.known = {}        # face-down card -> the picture a wrong pick showed on it
        self.face_up = {}      # matched card -> its picture
        self.shown_wrong = set()
        self.misses = 0
        self.turns = 0

    def face_down(self):
        return [k for k in layout.CARDS if k not in self.face_up]

    def card_with(self, picture):
        return next((k for k, p in self.known.items() if p == picture), None)

    def unknown(self):
        return [k for k in self.face_down() if k not in self.known]

    def completes_line(self, k):
        """The row or column (row first) a match on card k would complete."""
        for line in layout.line_of(k):
            if all(c == k or c in self.face_up for c in line):
                return line
        return None


def perfect(game, picture):
    """Picks the card the picture was seen on, else a card never seen."""
    card = game.card_with(picture)
    return card if card is not None else game.unknown()[0]


def wrong_on_purpose(game, picture):
    """Another face-down card than the one the picture was seen on: a miss."""
    card = game.card_with(picture)
    others = [k for k in game.known if k != card] + [k for k in game.unknown() if k != card]
    return others[0] if others else card


def sloppy(misses_wanted):
    """Misses on purpose the first times it could, then plays perfectly."""
    def choose(game, picture):
        if game.misses < misses_wanted and game.card_with(picture) is not None:
            return wrong_on_purpose(game, picture)
        return perfect(game, picture)
    return choose


def forgetful(game, picture):
    """Misses whenever it could; learns new cards only where a lucky match
    cannot complete a line, so that it loses."""
    if game.card_with(picture) is not None:
        return wrong_on_purpose(game, picture)
    safe = [k for k in game.unknown() if not game.completes_line(k)]
    return (safe or list(game.known) or game.unknown())[0]


# ---- the player ------------------------------------------------------------

class PlayerBot:
    def __init__(self, window, view, sounds):
        self.window = window
        self.view = view
        self.sounds = sounds
        self.game = None

    def expect(self, ok, message, shot=None):
        self.window.expect(ok, message, shot)

    def look(self):
        shot = self.window.grab()
        return self.view.read(shot), shot

    def wait_until(self, seen, what):
        """Looks until seen(view) holds; returns that view and its screenshot."""
        def look(shot):
            view = self.view.read(shot)
            return view if seen(view) else None
        return self.window.wait_for(look, what)

    def check_board(self, seen, shot, master=pictures.MASTER_BACK):
        """Between turns: matched cards face up, the rest face down, one sad face per miss."""
        for k in layout.CARDS:
            want = self.game.face_up.get(k, pictures.FIXED_BACK)
            self.expect(seen.cards[k] == want, f'card {k} shows {seen.cards[k]}, not {want}', shot)
        self.expect(seen.master == master, f'the Master Card shows {seen.master}, not {master}', shot)
        self.expect(seen.misses() == self.game.misses,
                    f'{seen.misses()} sad faces after {self.game.misses} memory misses', shot)

    # ---- dealing -----------------------------------------------------------

    def deal(self, watched=True, held_card=None):
        """Clicks the play button and watches the cards laid one by one; or,
        unwatched, leaves the machine to the deal so that its ticks keep time.
        A held card, clicked as the deal begins, waits for its end: it shows
        no face meanwhile, and is refused then."""
        clicked = self.window.click(layout.PLAY)
        self.sounds.add('tick', clicked, DEAL_TICKS, 'deal' if watched else 'deal, unwatched')
        if held_card:
            self.sounds.add('refuse', self.window.click(layout.card_box(held_card)),
                            why=f'card {held_card} clicked during the deal')
        if watched:
            self.see_cards_laid()
        else:
            time.sleep(DEAL_TICKS * DEAL_STEP + 0.5)
        seen, shot = self.wait_until(
            lambda s: s.misses() == 0 and s.panel is None and s.master == pictures.MASTER_BACK, 'a fresh board')
        self.game = Game()
        self.check_board(seen, shot)
        if held_card:
            time.sleep(REFUSAL)  # heard whole, before the next click cuts it off

    def see_cards_laid(self):
        laid = []

        def look(seen):
            cards = [seen.cards[k] for k in layout.CARDS]
            if BLANK_ID not in cards and not laid:
                return False  # not begun: the old board still shows
            n = next((i for i, c in enumerate(cards) if c != pictures.FIXED_BACK), 16)
            self.expect(all(c == BLANK_ID for c in cards[n:]), f'cards laid out of order: {cards}')
            self.expect(not laid or n >= laid[-1], f'the deal went back from {laid and laid[-1]} to {n} cards')
            if not laid or n != laid[-1]:
                laid.append(n)
            return n == 16

        self.wait_until(look, 'the deal to lay 16 cards')
        print(f'  deal: saw {laid} cards laid')
        self.expect(len([n for n in laid if 0 < n < 16]) >= 3, f'saw only {laid} cards laid: not one by one')

    # ---- one turn ----------------------------------------------------------

    def draw(self):
        """Clicks the Master Card and reads the picture it draws."""
        clicked = self.window.click(layout.MASTER_BOX)
        self.sounds.add('flip', clicked, why='draw')
        seen, shot = self.wait_until(lambda s: s.master in pictures.FACES, 'the Master Card to show a picture')
        self.check_board(seen, shot, master=seen.master)
        self.expect(seen.master not in self.game.face_up.values(),
                    f'drew {seen.master}, which lies face up already', shot)
        return seen.master

    def pick(self, card, drawn, during_pause=None):
        """Clicks Fixed Card card against the drawn picture; returns the result
        panel it ended the game with, if any. during_pause(face), if given, runs
        while the picked card shows its face and may return what the Master
        Card shows once the pick is over (by default its back)."""
        game = self.game
        clicked = self.window.click(layout.card_box(card))
        face, shot = self.window.wait_for(lambda s: self.face_or_loss(s, card), f'card {card} to show its face')
        game.turns += 1
        if face == 'lose':
            # The eighth miss: the lose panel covers the picked card at once.
            face = game.known.get(card)
            self.expect(face not in (None, drawn) and drawn in game.shown_wrong
                        and game.misses == layout.MISSES_TO_LOSE - 1, 'the lose panel came before the eighth miss', shot)
        if face == drawn:
            self.sounds.add('match', clicked, why=f'card {card} matches')
            game.face_up[card] = face
            game.known.pop(card, None)
        else:
            self.sounds.add('flip', clicked, why=f'card {card} is wrong')
            self.expect(game.known.get(card, face) == face, f'card {card} showed {face}, before {game.known.get(card)}')
            game.known[card] = face
            game.shown_wrong.add(face)
            if drawn in game.shown_wrong:
                game.misses += 1
        self.trace(f'turn {game.turns}: drew {drawn}, picked card {card}, saw {face}, misses {game.misses}')
        master_after = during_pause(face) if during_pause else None
        line = game.completes_line(card) if face == drawn else None
        if line:
            return self.see_line_blink(line, clicked)
        if game.misses == layout.MISSES_TO_LOSE:
            return self.see_loss()
        return self.end_of_pick(card, master_after or pictures.MASTER_BACK)

    def end_of_pick(self, card, master):
        """Waits for the pick's pause to end: the picked card turns back unless
        it matched, the Master Card shows master (a picture, or the range of faces)."""
        drawing = isinstance(master, range)
        masters = master if drawing else {master}
        want = self.game.face_up.get(card, pictures.FIXED_BACK)
        shows = 'a picture drawn after the pause' if drawing else f'picture {master}'
        seen, shot = self.wait_until(lambda s: s.master in masters and s.cards[card] == want,
                                     f'the pick of card {card} to end with the Master Card showing {shows}')
        self.check_board(seen, shot, master=seen.master)
        return None

    def face_or_loss(self, shot, card):
        seen = self.view.read(shot)
        if seen.panel == 'lose':
            return 'lose'
        return seen.cards[card] in pictures.FACES and seen.cards[card]

    def trace(self, line):
        with open(os.path.join(self.window.artifacts, 'bot-turns.log'), 'a') as f:
            f.write(line + '\n')

    def turn(self, choose):
        drawn = self.draw()
        return self.pick(choose(self.game, drawn), drawn)

    # ---- the end of a game -------------------------------------------------

    def see_line_blink(self, line, clicked):
        """After a match completing line: the line blinks 8 times, the eighth
        (the line back on) together with the win panel. Another card clicked
        while the match shows, and again while the line blinks, waits for the
        game's end, which has locked it."""
        self.sounds.add('jingle', clicked + PICK_SHOWN, why=f'line {line}')
        others = {k: self.game.face_up.get(k, pictures.FIXED_BACK) for k in layout.CARDS if k not in line}
        held = next(k for k in self.game.face_down() if k not in line)
        self.window.click(layout.card_box(held))
        states, changes = [], []

        def look(seen):
            if seen.panel == 'win':
                return True
            for k, want in others.items():
                self.expect(seen.cards[k] == want, f'card {k} outside the line shows {seen.cards[k]} while it blinks')
            faces = [seen.cards[k] for k in line]
            if faces == [self.game.face_up[k] for k in line]:
                state = 'on'
            elif all(f is HIDDEN for f in faces):
                state = 'off'
            else:
                self.expect(False, f'the line {line} shows {faces}: neither on nor off')
            if not states or state != states[-1]:
                states.append(state)
                changes.append(time.monotonic())
                if len(states) == 2:
                    self.window.click(layout.card_box(held))
            return False

        _, shot = self.wait_until(look, f'the line {line} to blink and the win panel')
        panel_at = time.monotonic()
        steps = [round((b - a) * 1000) for a, b in zip(changes[1:], changes[2:])]
        print(f'  line {line} blinked: {"/".join(states)}; ms between blinks {steps}')
        self.expect(len(states) == BLINKS and states[0] == 'on',
                    f'the line went {states}, not {BLINKS} times off and on', shot)
        return self.see_result('win', shot, panel_at)

    def see_loss(self):
        _, shot = self.wait_until(lambda s: s.panel == 'lose', 'the lose panel')
        return self.see_result('lose', shot, time.monotonic())

    def see_result(self, panel, shot, shown_at):
        seen = self.view.read(shot)
        self.expect(seen.misses() == self.game.misses,
                    f'{seen.misses()} sad faces on the {panel} panel after {self.game.misses} misses', shot)
        self.window.keep(shot, f'{panel}-{self.game.misses}-misses')
        self.result_shot, self.shown_at = shot, shown_at
        return panel

    def see_result_go_and_board_locked(self):
        """Waits for the panel to go; then clicking any card or the Master Card changes nothing."""
        _, shot = self.wait_until(lambda s: s.panel is None, 'the result panel to go')
        after = time.monotonic() - self.shown_at
        print(f'  the result panel went {after:.2f} s after it was first seen')
        self.expect(RESULT_SHOWN - 0.3 <= after <= RESULT_SHOWN + 1.5, f'the panel showed {after:.2f} s', shot)
        for place in [layout.card_box(k) for k in self.game.face_down()[:3]] + [layout.MASTER_BOX]:
            self.window.click(place)
        # What the board shows must stay; a key's focus ring may move over it.
        before = self.view.read(shot)
        self.window.watch(QUIET, lambda s, _: self.expect(self.view.read(s) == before,
                                                           'a click on the locked board changed it', s))

    def play(self, choose):
        """Plays turns until the game ends; returns 'win' or 'lose'."""
        while True:
            result = self.turn(choose)
            if result:
                print(f'  {result} after {self.game.turns} turns, {self.game.misses} misses')
                return result
            self.expect(self.game.turns < 200, 'no end after 200 turns')
