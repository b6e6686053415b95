# With too few file descriptors, no pipe or no thread to be had, the game
# shows its window, plays draws and picks without sound, says so once on
# stderr and ends from the exit spot.
# Usage: short_e2e.py GAME ARTIFACTS SHORT_SYSTEM_LIBRARY (run by bot_e2e.sh)
import sys

from bot_e2e import PlayerBot, perfect
from game_window import EXIT, PATIENCE, Failure, GameWindow

# Qt's own connection to the session bus takes two of eight descriptors, and
# then Qt can't draw the window, with or without sound: these runs go without.
SHORTAGES = {**{f'{n} file descriptors': ['env', '-u', 'DBUS_SESSION_BUS_ADDRESS', 'prlimit', f'--nofile={n}'] for n in (8, 9)},
             **{f'no {what}': ['env', f'LD_PRELOAD={sys.argv[3]}', f'LUMIDEX_REFUSE={what}'] for what in ('pipe', 'thread')}}


for shortage, wrapper in SHORTAGES.items():
    bot = PlayerBot(window := GameWindow(sys.argv[1], sys.argv[2], wrapper=wrapper))
    try:
        for _ in range(3):
            bot.pick(perfect(bot, drawn := bot.draw()), drawn)
        window.click(EXIT)
        window.expect(window.wait_exit(PATIENCE) == 0, 'the exit spot did not end the game with status 0')
        said = window.process.stderr.read().decode()
        window.expect(said.count('lumidex: playing without sound: ') == 1, f'not once that there is no sound:\n{said}')
    except Failure as failure:
        sys.exit(f'FAIL: {shortage}: {failure}')
    finally:
        window.stop()
