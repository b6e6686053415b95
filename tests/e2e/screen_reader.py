# Writes down what a screen reader hears from the game over AT-SPI, one line
# per event: its type, then the name it carries (a new name, or the name of
# what took the focus). Usage: screen_reader.py FILE; "listening" comes first.
import sys

import pyatspi

heard = open(sys.argv[1], 'w', buffering=1)


def note(event):
    # A control losing the focus says nothing: the one gaining it is what is spoken.
    if event.detail1 or not event.type.endswith(':focused'):
        heard.write(f'{event.type}: {event.any_data if isinstance(event.any_data, str) else event.source.name}\n')


pyatspi.Registry.registerEventListener(note, 'object:state-changed:focused', 'object:property-change:accessible-name',
                                       'object:announcement')
heard.write('listening\n')
pyatspi.Registry.start()
