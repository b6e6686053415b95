"""What a screenshot of the game window shows, told from exact pixels: which
picture each card shows, the sad faces, the result panel."""
from dataclasses import dataclass

import layout
import pictures
from pictures import BLANK, LOSE_PANEL, WIN_PANEL

BLANK_ID = 0   # a card that shows no picture
HIDDEN = None  # anything that is not one of the game's card pictures: a hidden card, a panel over it


@dataclass
class View:
    master: object
    cards: dict            # card number -> picture id, BLANK_ID or HIDDEN
    sad_faces: tuple       # shown or not, for each of the eight places
    panel: object          # 'win', 'lose' or None

    def misses(self):
        """How many sad faces show; they must fill their places bottom-up."""
        n = self.sad_faces.count(True)
        return n if all(f is True for f in self.sad_faces[:n]) and not any(self.sad_faces[n:]) \
            else f'sad faces misplaced or partly drawn: {self.sad_faces}'


class BoardView:
    def __init__(self):
        self.catalogue = pictures.Catalogue([pictures.FIXED_BACK, pictures.MASTER_BACK, *pictures.FACES])
        self.catalogue.by_pixels[pictures.pixels(BLANK)] = BLANK_ID
        self.sad = pictures.layout_picture('imgBad')
        self.face = pictures.layout_picture('Picture1')
        self.win_panel = pictures.bitmap(WIN_PANEL)
        self.lose_panel = pictures.bitmap(LOSE_PANEL)

    def read(self, shot):
        return View(master=self.catalogue.which(shot, layout.MASTER),
                    cards={k: self.catalogue.which(shot, layout.card(k)) for k in layout.CARDS},
                    sad_faces=tuple(self._sad_face(shot, i) for i in range(layout.MISSES_TO_LOSE)),
                    panel=self.panel(shot))

    def _sad_face(self, shot, i):
        # Neighbouring places overlap by two rows: look only at the rows between.
        x, y, w, h = layout.sad_face(i)
        inner = (x, y + 2, w, h - 4)
        if pictures.shows(shot, inner, pictures.region(self.sad, (0, 2, w, h - 4))):
            return True
        if pictures.shows(shot, inner, pictures.region(self.face, inner)):
            return False
        return 'neither'

    def panel(self, shot):
        if pictures.shows(shot, layout.PANEL, self.lose_panel):
            return 'lose'
        x, y, w, _ = layout.PANEL
        top = (x, y, w, layout.COUNT[1])  # the strip above the count: a quick first look
        if (pictures.shows(shot, top, pictures.region(self.win_panel, (0, 0, w, layout.COUNT[1])))
                and pictures.differing(shot, layout.PANEL, self.win_panel, ignore=[layout.COUNT]) == 0):
            return 'win'
        return None

    def count_pixels(self, shot):
        """The pixels where the win panel writes the miss count."""
        x, y, w, h = layout.COUNT
        return pictures.pixels(pictures.region(shot, (layout.PANEL[0] + x, layout.PANEL[1] + y, w, h)))

    def bare_count_pixels(self):
        return pictures.pixels(pictures.region(self.win_panel, layout.COUNT))
