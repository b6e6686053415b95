"""Where things lie in the game window, in window pixels: (x, y, w, h)."""
import os

# Screen pixels per window pixel: the scale factor the game runs under, read
# from the same environment (a whole number: pictures are compared exactly).
SCALE = int(os.environ.get('QT_SCALE_FACTOR') or 1)

WINDOW_SIZE = (302, 390)
BOARD = (28, 76, 233, 231)           # the board frame, 1-px border
BOARD_INSIDE = (29, 77, 231, 229)
MASTER = (30, 314, 51, 51)           # the Master Card's picture
MASTER_BOX = (28, 312, 55, 55)
PLAY = (172, 312, 45, 47)
HELP = (218, 312, 43, 47)
EXIT = (274, 2, 25, 23)
MINIMISE = (2, 2, 23, 23)
PANEL = (33, 81, 223, 221)           # the result panel's picture
COUNT = (186, 104, 37, 40)           # panel-picture place the miss count is written in
CARDS = range(1, 17)
MISSES_TO_LOSE = 8

_COLUMNS = (3, 60, 117, 174)
_ROWS = (3, 59, 115, 171)


def card_box(k):
    """The 55 x 55 box of Fixed Card k (1..16), its sunken border included."""
    return (29 + _COLUMNS[(k - 1) % 4], 77 + _ROWS[(k - 1) // 4], 55, 55)


def card(k):
    """The 51 x 51 picture of Fixed Card k."""
    x, y, _, _ = card_box(k)
    return (x + 2, y + 2, 51, 51)


def sad_face(i):
    """Miss marker i (0 for the first miss), 37 x 32; they fill bottom-up."""
    return (265, 282 - 30 * i, 37, 32)


def scaled(place):
    """A place or point in screen pixels."""
    return tuple(v * SCALE for v in place)


def centre(place):
    x, y, w, h = place
    return (x + w // 2, y + h // 2)


def line_of(k):
    """The row and the column card k lies in, as lists of cards."""
    row, column = (k - 1) // 4, (k - 1) % 4
    return [4 * row + c + 1 for c in range(4)], [4 * r + column + 1 for r in range(4)]

