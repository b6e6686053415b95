# A game played by ear: a bot that reads only what the Orca screen reader
# says (the SPEECH OUTPUT lines of its debug log), presses only keys and
# remembers what it heard. It hears the help twice, wins a game with a perfect
# memory, loses the next at the eighth memory miss on purpose, and hears each
# ended game's cards as unavailable ("grayed"). It learns what is due and its
# misses from the state key, S, hears a refused Space on the drawn Master Card
# tell what is due, reads the board in flat review once a game, and counts
# the keys each game took.
# Usage: listen_e2e.py GAME ARTIFACTS ORCA_LOG
import re
import sys
import time

from bot_e2e import MISSES_TO_LOSE, Memory, forgetful, perfect
from game_window import PATIENCE, Failure, GameWindow, run

SPOKEN = re.compile(rb"SPEECH OUTPUT: '(.*?)'\[?(\{[^}]*\})?\]?\r?$")  # flat review's lines come in a list


class Listener(Memory):
    def __init__(self, log):
        super().__init__()
        self.log, self.rest, self.heard, self.at = open(log, 'rb'), b'', [], (0, 4)  # the ring; row 4: the Master Card
        self.keys = 0

    def hear(self, pattern, what, *keys, since=None):
        # Presses keys, then waits for the next utterance that matches (from
        # the one numbered since, if given), passing over the others but announcements.
        keys and run('xdotool', 'key', '--delay', '200', *keys)
        self.keys += len(keys)
        deadline, checked = time.monotonic() + PATIENCE, len(self.heard) if since is None else since
        while True:
            for checked, said in enumerate(self.heard[checked:], checked + 1):
                if found := re.fullmatch(pattern, said):
                    return found
                if pattern.startswith('notification') and said.startswith('notification'):
                    raise Failure(f'heard {said!r}, waiting for {what}')  # each once, none unasked for
            if time.monotonic() > deadline:
                raise Failure(f'waited to hear {what}; last heard: {self.heard[-6:]}')
            time.sleep(0.02)
            *lines, self.rest = (self.rest + self.log.read()).split(b'\n')  # whole lines only
            self.heard += [m[1].decode(errors='replace') for line in lines if (m := SPOKEN.search(line))]

    def focus(self, card, state=''):
        # The ring to the Master Card (0), or from it to card 1 to 16, by the
        # fewest arrow keys; Orca names what it reaches, but no face-down picture.
        (x, y), col, row = self.at, (card - 1) % 4, (card - 1) // 4
        keys = ['Up'] * (4 - row) + ['Right' if col > x else 'Left'] * abs(col - x) if card else ['Down'] * (4 - y)
        self.at = (col, row) if card else (x, 4)
        name = f'Card {card}, row {row + 1}, column {col + 1}' if card else 'Master Card'
        if keys and self.hear(rf'{name}, (.+) push button{state}\.', name, *keys)[1] != self.face_up.get(card, 'face down'):
            raise Failure(f'heard a picture on {name}, not matched: {self.heard[-1]}')

    def turn(self, choose, first):
        # A draw, then a pick of the card choose gives; 'win' or 'lose' when it ends the game.
        self.hear(rf'notification Draw the Master Card\. {self.misses} of {MISSES_TO_LOSE} memory misses\. .*', 'the state', 's')
        self.focus(0)
        drawn = self.hear(r'notification Master Card, (.+)\.', 'a draw', 'space')[1]
        first and self.hear(rf'notification Master Card, {re.escape(drawn)}\.', 'R: the draw again', 'r')
        # Space again on the drawn card, refused, tells what is due each time.
        for _ in range(2 * first):
            self.hear(rf'notification Find the {re.escape(drawn)}\.', 'a refusal', 'space')
        self.focus(card := choose(self, drawn))
        said = self.hear(rf'notification Card {card}, row \d, column \d, (.+?): (a match|no match, turned back)\.(.*)',
                         'a pick', 'Return')
        missed, face = self.misses, said[1]
        self.remember(card, face, drawn)
        want = f' {self.misses} of {MISSES_TO_LOSE} memory misses.' * (self.misses > missed) + \
            ' Too many memory misses.' * (self.misses == MISSES_TO_LOSE)
        if said[3] != want or (said[2] == 'a match') != (face == drawn):
            raise Failure(f'heard {said[0]!r} after {self.misses} misses')
        if face == drawn and (line := self.completes_line(card)):
            row = line[1] - line[0] == 1
            self.hear(f'notification A row of four: {("column", "row")[row]} {(line[0] - 1) // 4 + 1 if row else line[0]}!', 'the row')
            self.hear(f'notification You won with {self.misses} memory miss{"es" * (self.misses != 1)}.', 'the win')
            return 'win'
        return 'lose' if self.misses == MISSES_TO_LOSE else None

    def review(self):
        # Orca's flat review, line by line from the top, reads every card as
        # the bot knows it, the Master Card and the miss markers shown.
        keys, start = self.keys, len(self.heard)
        self.hear('Entering flat review.', 'flat review', 'KP_Subtract')
        self.hear('Web page', 'the last line', 'Insert+KP_Home', *['KP_Prior'] * 12, since=start)
        self.hear('Leaving flat review.', 'the end of flat review', 'KP_Subtract')
        lines, self.keys = self.heard[start:], keys
        text = ' '.join(lines)
        cards = dict(sum((re.findall(r'Card (\d+), row \d, column \d, (.+?)(?= Card \d|$)', line) for line in lines), []))
        want = {str(k): self.face_up.get(k, 'face down') for k in range(1, 17)}
        if cards != want or 'Master Card, face down' not in text or \
                self.misses and f'{self.misses} of {MISSES_TO_LOSE} memory misses' not in text:
            raise Failure(f'flat review read {lines}, not {want} with {self.misses} misses')

    def play(self, choose):
        self.hear(r'notification New game\. (Master Card|Card \d+, row \d, column \d), face down\.', 'the deal', 'ctrl+n')
        Memory.__init__(self)
        self.keys, turns = 1, 0
        while not (result := self.turn(choose, turns == 0)):
            turns += 1
            turns == 4 and self.review()
        print(f'listen_e2e: {self.keys} keys to {result}')
        # The ended game's cards can't be clicked; a matched one is named by its picture.
        self.focus(0, ' grayed')
        self.focus(next(iter(self.face_up), 1), ' grayed')
        return result


if __name__ == '__main__':
    window = GameWindow(sys.argv[1], sys.argv[2], open(f'{sys.argv[2]}/game.log', 'w'))
    bot = Listener(sys.argv[3])
    try:
        run('xdotool', 'windowactivate', '--sync', window.id)
        bot.hear(r'Lumidex frame\.', 'the game window')
        if told := [said for said in bot.heard if said.startswith('notification')]:
            raise Failure(f'heard {told} before the window: the unseen first deal is no news')
        for _ in range(2):  # F1 again reads it again
            bot.hear(r'notification Lumidex - Game Instructions .* https://\S+ Keys: .*', 'the help', 'F1')
        # The first key shows the ring, on the Master Card, locked under the help.
        bot.hear(r'Master Card, face down push button grayed\.', 'the Master Card under the help', 'Down')
        if bot.play(perfect) != 'win' or bot.play(forgetful) != 'lose':
            raise Failure('a perfect memory did not win, or a forgetful one did not lose')
    except Failure as failure:
        sys.exit(f'FAIL: {failure}')
    finally:
        window.stop()
    print(f'listen_e2e: all passed; heard {len(bot.heard)} utterances')
