"""The game's own pictures, read from the resource folder, and exact pixel
comparisons of screenshot regions against them. Places are in window pixels;
under a scale factor of 2 the pictures are their twins drawn twice as large."""
import io
import os
import struct

from PIL import Image

import layout

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources')

FIXED_BACK = 255
MASTER_BACK = 350
PLAY_RELEASED, HELP_RELEASED = 300, 301
LOSE_PANEL, WIN_PANEL = 400, 401
FACES = range(501, 555)
BLANK = Image.new('RGB', layout.scaled((51, 51)), 'white')  # a card with no picture, as the deal leaves it


def read_dib(path):
    """A bare DIB (info header, pixels, 4 trailing bytes) as an RGB image."""
    with open(path, 'rb') as f:
        dib = f.read()
    header_size = struct.unpack_from('<I', dib)[0]
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(dib), 0, 0, 14 + header_size)
    return Image.open(io.BytesIO(file_header + dib)).convert('RGB')


def stored(folder, name):
    path = os.path.join(RESOURCES, folder, str(name))
    if layout.SCALE == 1:
        return read_dib(f'{path}.dib')
    return Image.open(f'{path}@{layout.SCALE}x.png').convert('RGB')


def bitmap(ident):
    return stored('bitmap', ident)


def layout_picture(name):
    return stored('layout', name)


def pixels(image):
    """The RGB bytes of an image, for exact comparison."""
    return image.convert('RGB').tobytes()


def region(shot, place):
    """The part of a screenshot at place = (x, y, w, h)."""
    x, y, w, h = layout.scaled(place)
    return shot.crop((x, y, x + w, y + h))


def differing(shot, place, picture, ignore=()):
    """How many pixels of shot at place differ from picture, leaving out the
    pixels inside the places (picture coordinates) listed in ignore."""
    a = region(shot, place).load()
    b = picture.load()
    w, h = picture.size
    count = 0
    for y in range(h):
        for x in range(w):
            if any(ix <= x < ix + iw and iy <= y < iy + ih for ix, iy, iw, ih in map(layout.scaled, ignore)):
                continue
            if a[x, y] != b[x, y]:
                count += 1
    return count


def shows(shot, place, picture):
    return pixels(region(shot, place)) == pixels(picture)


class Catalogue:
    """Tells which of the game's pictures a region shows, by exact pixels."""

    def __init__(self, idents):
        self.by_pixels = {pixels(bitmap(i)): i for i in idents}

    def which(self, shot, place):
        """The id of the picture shown at place, or None for anything else."""
        return self.by_pixels.get(pixels(region(shot, place)))
