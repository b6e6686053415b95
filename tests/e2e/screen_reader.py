# Starts the Orca screen reader as its launcher does, but beside any other
# Orca of the same user, which the launcher would refuse to run with, or kill
# with --replace: a desktop's own screen reader, or another test's. Its debug
# log, with every utterance, goes to the terminal.
# Usage: screen_reader.py SETTINGS_FOLDER (holding user-settings.conf)
import sys

from orca import debug, orca

debug.debugLevel, debug.eventDebugLevel, debug.debugFile = debug.LEVEL_ALL, debug.LEVEL_OFF, open('/dev/tty', 'w')
orca.getSettingsManager().activate(sys.argv[1], {})
sys.exit(orca.main())
