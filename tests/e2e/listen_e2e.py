# A game played by ear: a bot that reads only what the Orca screen reader
# says (the SPEECH OUTPUT lines of its debug log), presses only keys and
# remembers what it heard. It hears the help, wins a game with a perfect
# memory, loses the next at the eighth memory miss on purpose, and hears each
# ended game's cards as unavailable ("grayed").
# Usage: listen_e2e.py GAME ARTIFACTS ORCA_LOG
import re
import sys
import time

from bot_e2e import MISSES_TO_LOSE, Memory, forgetful, perfect
from game_window import CARDS, PATIENCE, Failure, GameWindow, run

SPOKEN = re.compile(rb"SPEECH OUTPUT: '(.*?)'(\{[^}]*\})?\r?$")


class Listener(Memory):
    def __init__(self, log):
        super().__init__()
        self.log, self.read, self.heard, self.at = log, 0, [], (0, 4)  # the ring; row 4: the Master Card

    def hear(self, pattern, what):
        # Waits for the next utterance that matches, passing over the others.
        deadline, checked = time.monotonic() + PATIENCE, len(self.heard)
        while True:
            for said in self.heard[checked:]:
                checked += 1
                if found := re.fullmatch(pattern, said):
                    return found
            if time.monotonic() > deadline:
                raise Failure(f'waited to hear {what}; last heard: {self.heard[-6:]}')
            time.sleep(0.02)
            with open(self.log, 'rb') as f:
                f.seek(self.read)
                lines = f.read().split(b'\n')[:-1]  # whole lines only
            self.read += sum(len(line) + 1 for line in lines)
            self.heard += [m[1].decode(errors='replace') for line in lines if (m := SPOKEN.search(line))]

    def key(self, *keys, hear, what):
        run('xdotool', 'key', *keys)
        return self.hear(hear, what)

    def focus(self, card, state=''):
        # The ring to card 1 to 16, or 0 for the Master Card, by the fewest
        # arrow keys; Orca names what it reaches, but no face-down picture.
        col, row = ((card - 1) % 4, (card - 1) // 4) if card else (self.at[0], 4)
        keys = []
        while self.at != (col, row):
            x, y = self.at
            keys.append('Down' if row == 4 else 'Up' if y == 4 or (x == col and row < y) else
                        'Down' if x == col else 'Right' if col > x else 'Left')
            self.at = (x + (keys[-1] == 'Right') - (keys[-1] == 'Left'), y + (keys[-1] == 'Down') - (keys[-1] == 'Up'))
        if keys:
            name = f'Card {card}' if card else 'Master Card'
            said = self.key(*keys, hear=rf'{name}, (.+) push button{state}\.', what=f'the ring on {name}')
            if card and said[1] not in ('face down', self.face_up.get(card)):
                raise Failure(f'heard {said[0]!r}, not matched')

    def pick(self, card, drawn):
        # Returns 'win' or 'lose' when the pick ends the game.
        self.focus(card)
        said = self.key('space', hear=rf'notification Card {card}, (.+?): (a match|no match, turned back)\.(.*)', what='a pick')
        missed = self.misses
        if not self.remember(card, face := said[1], drawn):
            raise Failure(f'card {card} showed {face}, before {self.known.get(card)}')
        want = ''.join([f' {self.misses} of {MISSES_TO_LOSE} memory misses.'] * (self.misses > missed) +
                       [' Too many memory misses.'] * (self.misses == MISSES_TO_LOSE))
        if said[3] != want or (said[2] == 'a match') != (face == drawn):
            raise Failure(f'heard {said[0]!r} after {self.misses} misses')
        if self.misses == MISSES_TO_LOSE:
            return 'lose'
        if face == drawn and self.completes_line(card):
            self.hear('notification A row of four!', 'the row')
            self.hear(f'notification You won with {self.misses} memory miss{"es" * (self.misses != 1)}.', 'the win')
            return 'win'

    def play(self, choose):
        self.key('ctrl+n', hear=r'notification New game\. (Master Card|Card \d+), face down\.', what='the deal and the ring')
        Memory.__init__(self)
        begun = len(self.heard)
        while not (result := self.pick(choose(self, drawn := self.draw()), drawn)):
            if self.misses > MISSES_TO_LOSE:
                raise Failure(f'no loss after {self.misses} misses')
        # The ended game's cards can't be clicked; each moment was told once.
        self.focus(0, ' grayed')
        self.focus(next(k for k in CARDS if k not in self.face_up), ' grayed')
        told = [said for said in self.heard[begun:] if said.startswith('notification')]
        if again := [a for a, b in zip(told, told[1:]) if a == b]:
            raise Failure(f'heard twice: {again}')
        return result

    def draw(self):
        self.focus(0)
        return self.key('space', hear=r'notification Master Card, (.+)\.', what='a draw')[1]


if __name__ == '__main__':
    window = GameWindow(sys.argv[1], sys.argv[2], open(f'{sys.argv[2]}/game.log', 'w'))
    bot = Listener(sys.argv[3])
    try:
        run('xdotool', 'windowactivate', '--sync', window.id)
        bot.hear(r'Lumidex frame\.', 'the game window')
        bot.key('F1', hear=r'notification Lumidex - Game Instructions .* https://\S+', what='the help')
        # The first key shows the ring, on the Master Card, locked under the help.
        bot.key('Down', hear=r'Master Card, face down push button grayed\.', what='the Master Card under the help')
        if bot.play(perfect) != 'win' or bot.play(forgetful) != 'lose':
            raise Failure('a perfect memory did not win, or a forgetful one did not lose')
    except Failure as failure:
        sys.exit(f'FAIL: {failure}')
    finally:
        window.stop()
    print(f'listen_e2e: all passed; heard {len(bot.heard)} utterances')
