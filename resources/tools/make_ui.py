"""Draws the game's interface pictures: the window face, the card backs, the
mode buttons, the sad-face miss marker, the win and lose panels, the hand
cursor and the program icon (with larger copies for the desktop).

Everything comes from the drawing code below, the cursor's pixel art in
resources/art/ui/ and the DejaVu fonts. The speckled textures come from a
hash of each pixel's place, not from a random generator, so every run writes
the same bytes.

Every picture is drawn twice: at one pixel per unit of the window's layout
(the stored bitmaps) and at two, its twin for high-density screens, written
beside it as "<name>@2x.png". The drawing code measures in layout units and
takes k, the pixels per unit.

Usage: /usr/bin/python3 make_ui.py OUTDIR
"""
import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ids  # noqa: E402
import layout  # noqa: E402
from dib import write_dib  # noqa: E402

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art", "ui")
FONTS = "/usr/share/fonts/truetype/dejavu/"

SS = 4  # supersampling factor for anti-aliased shapes

# Colours shared by several pictures.
FACE_BLUE = (34, 78, 168)
PANEL_BLUE = (156, 182, 242)
INK = (18, 42, 83)              # the miss count's colour on the win panel
MONOGRAM = ((255, 236, 90), (250, 190, 0))   # top and bottom of the yellow
MONOGRAM_EDGE = (96, 58, 0)
PINK = (246, 136, 190)
BUTTON_BLUE = (28, 76, 206)

# Where the window's controls lie on the face (x, y, width, height), as
# window/Layout.h places them.
FACE_SIZE = layout.kFace
BOARD, MASTER, PLAY_BUTTON, HELP_BUTTON = layout.kBoard, layout.kMasterCard, layout.kPlayButton, layout.kHelpButton
MINI, EXIT, LINK = layout.kMinimise, layout.kExit, layout.kLink
MARKER_X, MARKER_TOP, MARKER_SIZE = layout.kLowestMarker[0], layout.kLowestMarker[1], layout.kLowestMarker[2:]
MARKER_STEP, MARKER_COUNT = layout.kMarkerStep, layout.kMissesToLose

# The product's initial, an L with slab serifs, as rectangles on a 32-unit
# grid (left, top, right, bottom). Every edge is even, so the letter stays
# sharp at 16, 32 and 48 pixels and every larger icon size.
MONOGRAM_RECTS = [(4, 2, 18, 4), (6, 2, 16, 26), (6, 20, 26, 26),
                  (4, 24, 6, 26), (24, 16, 26, 20)]
MONOGRAM_SPAN = (4, 2, 26, 26)  # the letter's bounds, shadow not counted
MONOGRAM_SHADOW = 2  # units the shadow falls right and down


def font(name, size):
    return ImageFont.truetype(FONTS + name, size, layout_engine=ImageFont.Layout.BASIC)


# ---------------------------------------------------------------- helpers

def hash01(x, y, seed):
    """A fixed pseudo-random number in [0, 1) for a pixel place."""
    h = (x * 0x27D4EB2F + y * 0x165667B1 + seed * 0x9E3779B9) & 0xFFFFFFFF
    h = ((h ^ (h >> 15)) * 0x85EBCA6B) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 0xC2B2AE35) & 0xFFFFFFFF
    return (h ^ (h >> 16)) / 4294967296.0


def shade(colour, amount):
    """Lightens towards white (amount > 0) or darkens towards black."""
    if amount >= 0:
        return tuple(round(c + (255 - c) * min(amount, 1.0)) for c in colour)
    return tuple(round(c * max(1.0 + amount, 0.0)) for c in colour)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def in_units(p, k):
    """Where pixel p lies in layout units at k pixels per unit, measured as
    a pixel index at k = 1 is: from the first pixel's centre."""
    return (p + 0.5) / k - 0.5


def speckle(x, y, seed, k):
    """Brightness change of the speckled texture at pixel (x, y): a grain as
    fine as the pixels, scattered 2 x 2 unit flecks both light and dark, and
    a few bright one-unit sparks, at the same places whatever k is."""
    amount = (hash01(x, y, seed) - 0.5) * 0.16
    fleck = hash01(x // (2 * k), y // (2 * k), seed + 1)
    if fleck < 0.04:
        amount += 0.20
    elif fleck > 0.97:
        amount -= 0.20
    if hash01(x // k, y // k, seed + 2) < 0.015:
        amount += 0.35
    return amount


def smooth(t):
    t = min(max(t, 0.0), 1.0)
    return t * t * (3 - 2 * t)


def bevel(x, y, size, width, strengths):
    """Light of a raised edge: strengths for the left, top, right and bottom
    edges, strongest at the edge and gone `width` pixels in."""
    w, h = size
    distance, strength = min(zip((x, y, w - 1 - x, h - 1 - y), strengths))
    if distance >= width:
        return 0.0
    return strength * (1 - distance / width) ** 1.5


def downsample(image, size):
    """Averages a supersampled RGBA layer down, colours weighted by alpha."""
    return image.convert("RGBa").resize(size, Image.BOX).convert("RGBA")


def sampled(size, colour_at, k=1, samples=SS, within=None):
    """An RGBA layer of size pixels whose every pixel averages colour_at(x, y)
    -> RGBA (or None for clear), x and y in layout units, over samples x
    samples points inside the pixel. Only the pixels within the rectangle
    (x, y, w, h) of units are sampled, when one is given; the rest stay clear."""
    left, top, w, h = (0, 0, *size) if within is None else times(within, k)
    layer = Image.new("RGBA", size)
    pixels = layer.load()
    n = samples * samples
    for py in range(top, top + h):
        for px in range(left, left + w):
            r = g = b = a = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / k, (py + (sy + 0.5) / samples) / k)
                    if c is not None:
                        alpha = c[3] / 255.0
                        r += c[0] * alpha
                        g += c[1] * alpha
                        b += c[2] * alpha
                        a += alpha
            if a:
                pixels[px, py] = (round(r / a), round(g / a), round(b / a), round(a / n * 255))
    return layer


def times(values, k):
    return tuple(v * k for v in values)


def over(base, layer):
    """Lays an RGBA layer over an RGBA picture of the same size."""
    base.alpha_composite(layer)


def soft_shadow(mask, offset, blur, opacity, colour=(0, 0, 0)):
    """A blurred, shifted copy of a mask as a dark layer of the same size."""
    moved = Image.new("L", mask.size)
    moved.paste(mask, offset)
    moved = moved.filter(ImageFilter.GaussianBlur(blur)).point(lambda v: round(v * opacity))
    layer = Image.new("RGBA", mask.size, colour + (0,))
    layer.putalpha(moved)
    return layer


def gradient_fill(mask, top, bottom, y0, y1):
    """A layer painting `mask` with a vertical gradient from y0 to y1."""
    w, h = mask.size
    column = Image.new("RGB", (1, h))
    for y in range(h):
        column.putpixel((0, y), mix(top, bottom, (y - y0) / max(y1 - y0, 1)))
    layer = column.resize((w, h)).convert("RGBA")
    layer.putalpha(mask)
    return layer


def text_mask(size, xy, text, face, anchor="ls"):
    mask = Image.new("L", size)
    ImageDraw.Draw(mask).text(xy, text, fill=255, font=face, anchor=anchor)
    return mask


# ---------------------------------------------------------------- monogram

def monogram_mask(size, origin, unit, shadow=False):
    """Coverage of the L (or of its shadow) drawn `unit` pixels per grid
    unit with the grid's origin at `origin`, exact to a quarter pixel."""
    big = Image.new("L", (size[0] * SS, size[1] * SS))
    draw = ImageDraw.Draw(big)
    shift = MONOGRAM_SHADOW if shadow else 0
    for left, top, right, bottom in MONOGRAM_RECTS:
        box = [round((origin[i % 2] + (v + shift) * unit) * SS)
               for i, v in enumerate((left, top, right, bottom))]
        draw.rectangle([box[0], box[1], box[2] - 1, box[3] - 1], fill=255)
    return big.resize(size, Image.BOX)


def monogram_layer(size, origin, unit, outline, shadow, k=1):
    """The yellow L with a dark edge one unit wide and its black shadow, on
    clear ground; size, origin and unit in pixels, k pixels per unit.
    `shadow` is (blur, opacity): a hard shadow when blur is 0."""
    letter = monogram_mask(size, origin, unit)
    layer = Image.new("RGBA", size)
    blur, opacity = shadow
    if blur:
        layer = soft_shadow(letter, (round(unit * MONOGRAM_SHADOW),) * 2, blur, opacity)
    else:
        dark = monogram_mask(size, origin, unit, shadow=True).point(lambda v: round(v * opacity))
        layer.paste((0, 0, 0, 255), (0, 0), dark)
    if outline:
        edge = letter.filter(ImageFilter.MaxFilter(2 * k + 1))
        over(layer, gradient_fill(edge, MONOGRAM_EDGE, MONOGRAM_EDGE, 0, 1))
    top, bottom = (origin[1] + v * unit for v in MONOGRAM_SPAN[1::2])
    over(layer, gradient_fill(letter, MONOGRAM[0], MONOGRAM[1], top, bottom))
    return layer


# ---------------------------------------------------------------- textures

def face_place(x, y, k):
    """The texture place a face pixel takes its speckles from. The miss
    markers show one picture at eight places 30 units apart down the
    right-hand column, so the speckles there repeat every 30 units and the
    marker's own ground matches the face wherever it lies."""
    top, step = MARKER_TOP * k, MARKER_STEP * k
    if x >= MARKER_X * k and top - step * (MARKER_COUNT - 1) <= y < top + MARKER_SIZE[1] * k:
        return x, top + (y - top) % step
    return x, y


def face_light(x, y):
    """A raised slab lit from the top left: bright top and left edges, dark
    right and bottom edges, and a soft glow that fades out before the
    column of miss markers so that their ground stays even."""
    edge = bevel(x, y, FACE_SIZE, 6, (0.45, 0.55, -0.55, -0.65))
    glow = 0.16 * smooth(1 - x / (MARKER_X - 3)) * smooth(1 - y / FACE_SIZE[1])
    return edge + glow


def face_texture(k):
    image = Image.new("RGB", (FACE_SIZE[0] * k, FACE_SIZE[1] * k))
    pixels = image.load()
    for y in range(image.height):
        for x in range(image.width):
            tx, ty = face_place(x, y, k)
            light = face_light(in_units(x, k), in_units(y, k))
            pixels[x, y] = shade(FACE_BLUE, speckle(tx, ty, 7, k) + light)
    return image


def control_shadow(image, rect, limit_x, k):
    """The soft shadow a control lying on the face casts down and right."""
    mask = Image.new("L", image.size)
    x, y, w, h = (v * k for v in rect)
    ImageDraw.Draw(mask).rectangle([x, y, x + w - 1, y + h - 1], fill=255)
    layer = soft_shadow(mask, (2 * k, 2 * k), 1.2 * k, 0.45, (6, 16, 50))
    # Only around the control: the face beneath it stays plain texture.
    layer.paste((0, 0, 0, 0), (x, y, x + w, y + h))
    layer = layer.crop((0, 0, limit_x * k, image.size[1]))
    image.paste(layer, (0, 0), layer)


# ---------------------------------------------------------------- card backs

def card_back(field, deep, line, k):
    """A 51 x 51 card back: a dark rim, a thin light frame, a diamond
    lattice, and the monogram in a round medallion."""
    size = 51
    image = Image.new("RGB", (size * k, size * k))
    pixels = image.load()
    lattice = shade(field, 0.18)
    for y in range(size * k):
        for x in range(size * k):
            inset = min(x, y, size * k - 1 - x, size * k - 1 - y) // k
            if inset == 0:
                colour = deep
            elif inset == 3:
                colour = line
            elif (x + y) // k % 6 == 1 or (x - y) // k % 6 == 1:
                colour = lattice
            else:
                colour = field
            at = in_units(x, k), in_units(y, k)
            light = bevel(*at, (size, size), 3, (0.25, 0.3, -0.3, -0.35)) if inset else 0
            pixels[x, y] = shade(colour, light)
    image = image.convert("RGBA")
    centre, radius = 25.5, 20.0

    def medallion(x, y):
        r = math.hypot(x - centre, y - centre)
        if r > radius:
            return None
        if r > radius - 1.3:
            return MONOGRAM[1] + (255,)
        if r > radius - 2.3:
            return deep + (255,)
        return mix(shade(field, 0.12), deep, (y - centre + radius) / (2 * radius)) + (255,)
    over(image, sampled(image.size, medallion, k))
    # The L with its shadow spans units 4 to 28 by 2 to 28: centre it, on
    # whole pixels so that it stays sharp.
    over(image, monogram_layer(image.size, (9 * k, 10 * k), k, True, (0, 1.0), k))
    return image.convert("RGB")


# ---------------------------------------------------------------- buttons

BUTTON_RADIUS = 18.5
LIGHT = (-0.45, -0.55, 0.70)


def normalised(v):
    n = math.sqrt(sum(c * c for c in v))
    return tuple(c / n for c in v)


def button_face(size, centre, pressed, k):
    """The round pink button: a bevelled rim around a dome that bulges out
    when released and sinks in, lit the other way, when pressed."""
    cx, cy = centre
    rim = BUTTON_RADIUS - 2.6
    light = normalised(LIGHT)
    half = normalised((light[0], light[1], light[2] + 1))
    bulge = -0.45 if pressed else 0.75

    def colour_at(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        if r > BUTTON_RADIUS:
            return None
        if r > rim:
            facing = -(dx * light[0] + dy * light[1]) / (r * math.hypot(light[0], light[1]))
            return shade(shade(PINK, -0.18), -0.38 * facing) + (255,)
        nx, ny = dx / rim * bulge, dy / rim * bulge
        nz = math.sqrt(max(1 - nx * nx - ny * ny, 0.05))
        normal = normalised((nx, ny, nz))
        diffuse = sum(a * b for a, b in zip(normal, light))
        colour = shade(PINK, max((diffuse - 0.8) * 0.75, -0.5) - (0.08 if pressed else 0))
        if not pressed:
            gloss = max(sum(a * b for a, b in zip(normal, half)), 0) ** 40
            colour = shade(colour, 0.75 * gloss)
        return colour + (255,)
    return sampled(size, colour_at, k)


def play_glyph(size, centre, k):
    cx, cy = centre
    big = Image.new("L", (size[0] * SS, size[1] * SS))
    points = [(cx - 5.5, cy - 8.5), (cx + 9.0, cy), (cx - 5.5, cy + 8.5)]
    ImageDraw.Draw(big).polygon([(x * k * SS, y * k * SS) for x, y in points], fill=255)
    return big.resize(size, Image.BOX)


def help_glyph(size, centre, k):
    mask = Image.new("L", size)
    ImageDraw.Draw(mask).text((centre[0] * k, (centre[1] + 1) * k), "i", fill=255,
                              font=font("DejaVuSerif-Bold.ttf", 27 * k), anchor="mm")
    return mask


def mode_button(ground, glyph, pressed, k):
    """A mode button on its piece of the window face."""
    image = ground.convert("RGBA")
    size = image.size
    # Near the left edge, leaving the rest on the right for the drop shadow,
    # which must fade out before the picture's edge meets the window face.
    centre = (21.0, 22.0)
    disc = Image.new("L", size)
    ImageDraw.Draw(disc).ellipse([(centre[0] - BUTTON_RADIUS) * k, (centre[1] - BUTTON_RADIUS) * k,
                                  (centre[0] + BUTTON_RADIUS) * k, (centre[1] + BUTTON_RADIUS) * k], fill=255)
    # Pushed in, the button stands lower, casts less shadow and its glyph
    # moves a pixel down and right, lit now from its lower edge.
    if pressed:
        lift, lift_shade, sink, glyph_shadow = (0, 1), 0.45, 1, ((-1, -1), 0.35)
    else:
        lift, lift_shade, sink, glyph_shadow = (1, 2), 0.6, 0, ((1, 1), 0.5)
    over(image, soft_shadow(disc, times(lift, k), 1.0 * k, lift_shade, (4, 12, 40)))
    over(image, button_face(size, centre, pressed, k))
    mark = glyph(size, (centre[0] + sink, centre[1] + sink), k)
    over(image, soft_shadow(mark, times(glyph_shadow[0], k), 0.6 * k, glyph_shadow[1], (60, 0, 40)))
    over(image, gradient_fill(mark, shade(BUTTON_BLUE, 0.2), shade(BUTTON_BLUE, -0.25),
                              (centre[1] - 9) * k, (centre[1] + 9) * k))
    return image.convert("RGB")


# ---------------------------------------------------------------- sad face

def sad_face(ground, centre, radius, k):
    """A yellow face with a turned-down mouth and tears on its cheeks."""
    image = ground.convert("RGBA")
    size = image.size
    cx, cy = centre
    disc = Image.new("L", size)
    ImageDraw.Draw(disc).ellipse([(cx - radius) * k, (cy - radius) * k, (cx + radius) * k, (cy + radius) * k],
                                 fill=255)
    over(image, soft_shadow(disc, (k, k), 1.0 * k, 0.55, (4, 12, 40)))

    def ball(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        if r > radius:
            return None
        if r > radius - 1.1:
            return (150, 80, 0, 255)
        lit = math.hypot(dx + radius * 0.35, dy + radius * 0.4) / (radius * 1.4)
        return mix((255, 244, 120), (236, 150, 0), lit) + (255,)
    over(image, sampled(size, ball, k))

    big = Image.new("RGBA", (size[0] * SS, size[1] * SS))
    draw = ImageDraw.Draw(big)
    u = radius * k / 13.0 * SS

    def at(dx, dy):
        return (cx * k * SS + dx * u, cy * k * SS + dy * u)

    brown = (70, 34, 0, 255)
    for side in (-1, 1):
        ex, ey = at(side * 4.6, -2.2)
        draw.ellipse([ex - 1.6 * u, ey - 2.3 * u, ex + 1.6 * u, ey + 2.3 * u], fill=brown)
        # Brows rise towards the middle: the look of someone about to cry.
        draw.line([at(side * 7.2, -5.8), at(side * 2.4, -8.2)], fill=brown, width=round(1.4 * u))
    draw.arc([*at(-5.6, 3.2), *at(5.6, 12.0)], 200, 340, fill=brown, width=round(1.6 * u))
    tear_blue, tear_edge = (150, 220, 255, 255), (20, 90, 190, 255)
    for side, drop in ((-1, 4.5), (1, 2.5)):
        tx, ty = at(side * 5.4, drop)
        for colour, grow in ((tear_edge, 0.7 * u), (tear_blue, 0)):
            w = 1.9 * u + grow
            draw.polygon([(tx, ty - 3.4 * u - grow), (tx - w, ty), (tx + w, ty)], fill=colour)
            draw.ellipse([tx - w, ty - w, tx + w, ty + w], fill=colour)
    over(image, downsample(big, size))
    return image.convert("RGB")


# ---------------------------------------------------------------- panels

PANEL_SIZE = tuple(v - 2 for v in layout.kStoredPanel[2:])  # inside the panel's border
COUNT_AT = layout.kMissCount[:2]   # where the game writes the miss count
BASELINE = 121          # that label's baseline: its top plus the font's ascent
LINE_STEP = 27


def panel_ground(k):
    image = Image.new("RGB", times(PANEL_SIZE, k))
    pixels = image.load()
    h = PANEL_SIZE[1]
    for py in range(image.height):
        y = in_units(py, k)
        for px in range(image.width):
            light = bevel(in_units(px, k), y, PANEL_SIZE, 4, (0.55, 0.6, -0.45, -0.5))
            light += 0.12 * (1 - y / h) - 0.04
            pixels[px, py] = shade(PANEL_BLUE, speckle(px, py, 11, k) * 0.8 + light)
    return image


def brush_stroke(box, k):
    """A yellow brush stroke over box: a rounded start, wavy edges, streaks
    where the bristles ran, and bristles giving out one by one at the end.
    Each streak is one unit high."""
    left, top, right, bottom = box
    layer = Image.new("RGBA", times(PANEL_SIZE, k))
    pixels = layer.load()
    middle, half = (top + bottom) / 2, (bottom - top) / 2
    for py in range((top - 3) * k, (bottom + 3) * k):
        row = py // k
        across = min(abs((py + 0.5) / k - middle) / (half + 2), 1.0)
        streak = hash01(0, row, 21) - 0.5
        start = left + 9 * (1 - math.sqrt(1 - across * across)) + 3 * hash01(1, row, 21)
        end = right - 24 * hash01(2, row, 21) ** 2 - 8 * across
        for px in range((left - 2) * k, (right + 2) * k):
            x = px / k
            upper = top + 1.6 * math.sin(x * 0.07) + 0.8 * math.sin(x * 0.23 + 1)
            lower = bottom + 1.8 * math.sin(x * 0.05 + 2) + 0.8 * math.sin(x * 0.19)
            # How much of the pixel each edge leaves covered, in pixels.
            cover = min(((py + 1) / k - upper) * k, (lower - py / k) * k, ((px + 1) / k - start) * k,
                        (end - x) / 8, 1.0)
            if cover <= 0:
                continue
            colour = shade((255, 212, 28), 0.25 * streak + 0.08 * (hash01(px, py, 23) - 0.5))
            pixels[px, py] = colour + (round(255 * cover),)
    return layer


def panel(headline, headline_font, lines, k):
    """A win or lose panel: the red headline on a yellow brush stroke, then
    the lines of dark blue text, each given as (text, x or None to centre,
    baseline). Fonts are (file, size in units); the words are placed by
    their width at one pixel per unit. Without a headline, the panel's ground
    for the game to write words of any language on: the stroke as wide as
    the widest headline's, no words."""
    image = panel_ground(k).convert("RGBA")
    size = image.size
    w = PANEL_SIZE[0]
    # The stroke reaches past the words, further on the right where it frays.
    half = font(*headline_font).getlength(headline) / 2 if headline else w / 2
    stroke = (max(round(w / 2 - half - 12), 5), 42, min(round(w / 2 + half + 24), w - 5), 78)
    over(image, brush_stroke(stroke, k))
    if not headline:
        return image
    heading = text_mask(size, (w // 2 * k, 69 * k), headline, font(headline_font[0], headline_font[1] * k),
                        anchor="ms")
    over(image, soft_shadow(heading, (k, k), 0.5 * k, 0.8, (110, 0, 0)))
    over(image, gradient_fill(heading, (236, 40, 36), (190, 10, 20), 50 * k, 70 * k))
    body = font("DejaVuSans.ttf", 18 * k)
    for text, x, baseline in lines:
        xy, anchor = ((w // 2, baseline), "ms") if x is None else ((x, baseline), "ls")
        over(image, gradient_fill(text_mask(size, times(xy, k), text, body, anchor), INK, INK, 0, 1))
    return image


WIN_HEADLINE = ("DejaVuSansCondensed-Bold.ttf", 20)
LOSE_HEADLINE = ("DejaVuSans-Bold.ttf", 32)


def win_panel(k, words=True):
    line = "you made it with"
    width = font("DejaVuSans.ttf", 18).getlength(line)
    # The count follows after a space; centre the whole line with it.
    left = round((PANEL_SIZE[0] - width - 4 - 11) / 2)
    assert left + width < COUNT_AT[0] - 3, "the line would run into the count"
    image = panel("Congratulations!" if words else "", WIN_HEADLINE,
                  [(line, left, BASELINE), ("mistakes.", None, BASELINE + LINE_STEP)], k)
    for x, y, r in ((52, 186, 11), (111, 180, 15), (170, 186, 11)):
        over(image, star(x, y, r, k))
    return image.convert("RGB")


def lose_panel(k, words=True):
    image = panel("Oops!!" if words else "", LOSE_HEADLINE,
                  [("too many mistakes.", None, BASELINE), ("try again.", None, BASELINE + LINE_STEP)], k)
    box = times((88, 160, 135, 205), k)
    ground = image.crop(box).convert("RGB")
    image.paste(sad_face(ground, (23.5, 21.5), 19, k), box[:2])
    return image.convert("RGB")


def star(cx, cy, radius, k):
    """A five-pointed yellow star with a dark edge."""
    size = times(PANEL_SIZE, k)
    big = Image.new("RGBA", (size[0] * SS, size[1] * SS))
    draw = ImageDraw.Draw(big)
    for grow, colour in ((1.2, (150, 80, 0, 255)), (0, (255, 220, 40, 255))):
        points = []
        for n in range(10):
            r = (radius + grow) if n % 2 == 0 else (radius * 0.45 + grow * 0.5)
            angle = -math.pi / 2 + n * math.pi / 5
            points.append(((cx + r * math.cos(angle)) * k * SS, (cy + r * math.sin(angle)) * k * SS))
        draw.polygon(points, fill=colour)
    return downsample(big, size)


# ---------------------------------------------------------------- window face

def corner_button(image, rect, glyph, k):
    """A small round dimple holding the minimize or exit glyph."""
    x, y, w, h = rect
    cx, cy = x + w / 2, y + h / 2
    radius = 8.5

    def dimple(px, py):
        dx, dy = px - cx, py - cy
        r = math.hypot(dx, dy)
        if r > radius:
            return None
        if r > radius - 1.2:   # lit on the lower right edge: it is sunk in
            facing = (dx + dy) / (r * math.sqrt(2))
            return shade(FACE_BLUE, 0.3 * facing - 0.15) + (255,)
        return shade(FACE_BLUE, -0.3 + 0.1 * (dy / radius)) + (255,)
    over(image, sampled(image.size, dimple, k, within=rect))
    big = Image.new("L", (image.size[0] * SS, image.size[1] * SS))
    draw = ImageDraw.Draw(big)
    s = lambda px, py: (px * k * SS, py * k * SS)  # noqa: E731
    if glyph == "minus":
        draw.rectangle([*s(cx - 4, cy - 1), *s(cx + 4, cy + 1)], fill=255)
    else:
        for a, b in (((-3.5, -3.5), (3.5, 3.5)), ((-3.5, 3.5), (3.5, -3.5))):
            draw.line([s(cx + a[0], cy + a[1]), s(cx + b[0], cy + b[1])], fill=255, width=round(2.1 * SS * k))
    mark = big.resize(image.size, Image.BOX)
    over(image, gradient_fill(mark, (236, 242, 255), (236, 242, 255), 0, 1))


def publisher_mark(image, k):
    """The team's small mark: a fan of three cards and the name."""
    x, y, w, h = LINK
    s = SS * k   # drawn at SS pixels per pixel, then filtered down
    big = Image.new("RGBA", (w * s, h * s))
    card_w, card_h = 8 * s, 12 * s
    pivot, reach = (10 * s, 25 * s), 10 * s   # reach: pivot to card centre
    for angle, colour in ((24, (220, 40, 50)), (0, (255, 200, 20)), (-24, (40, 110, 230))):
        card = Image.new("RGBA", (card_w, card_h))
        draw = ImageDraw.Draw(card)
        draw.rounded_rectangle([0, 0, card_w - 1, card_h - 1], radius=s, fill=(250, 250, 255, 255),
                               outline=(10, 30, 80, 255), width=round(0.8 * s))
        draw.rectangle([1.8 * s, 1.8 * s, card_w - 1.8 * s, card_h - 1.8 * s], fill=colour + (255,))
        turned = card.rotate(angle, resample=Image.BICUBIC, expand=True)
        # Turned about a point below the cards, as a hand holds a fan.
        a = math.radians(angle)
        cx = pivot[0] - reach * math.sin(a)
        cy = pivot[1] - reach * math.cos(a)
        big.alpha_composite(turned, (round(cx - turned.width / 2), round(cy - turned.height / 2)))
    layer = Image.new("RGBA", image.size)
    layer.alpha_composite(downsample(big, (w * k, h * k)), (x * k, y * k))
    over(image, soft_shadow(layer.getchannel("A"), (k, k), 0.7 * k, 0.6, (0, 8, 30)))
    over(image, layer)
    name = text_mask(image.size, ((x + 21) * k, (y + 17) * k), "lumidex",
                     font("DejaVuSansCondensed-Bold.ttf", 9 * k))
    over(image, soft_shadow(name, (k, k), 0.5 * k, 0.8, (0, 8, 30)))
    over(image, gradient_fill(name, (226, 234, 255), (226, 234, 255), 0, 1))


def title(image, k):
    """The monogram with its circled R, and the product's name."""
    grid, top, bottom = 2, 12, 60     # the letter's units and place in the band above the board
    name_width = font("DejaVuSans-Bold.ttf", 35).getlength("Lumidex")
    letter_width = (MONOGRAM_SPAN[2] - MONOGRAM_SPAN[0]) * grid
    gap = 20
    left = round((FACE_SIZE[0] - letter_width - gap - name_width) / 2)
    origin = (left - MONOGRAM_SPAN[0] * grid, top - MONOGRAM_SPAN[1] * grid)
    over(image, monogram_layer(image.size, times(origin, k), grid * k, True, (1.8 * k, 0.7), k))
    # The circled R sits above the end of the foot.
    rx, ry = left + letter_width + 6, 30
    ring = Image.new("L", (image.size[0] * SS, image.size[1] * SS))
    draw = ImageDraw.Draw(ring)
    draw.ellipse([(rx - 5.5) * k * SS, (ry - 5.5) * k * SS, (rx + 5.5) * k * SS, (ry + 5.5) * k * SS],
                 outline=255, width=round(1.1 * SS * k))
    ring = ring.resize(image.size, Image.BOX)
    draw = ImageDraw.Draw(ring)
    draw.text(((rx + 0.5) * k, (ry + 0.5) * k), "R", fill=255, font=font("DejaVuSans-Bold.ttf", 8 * k),
              anchor="mm")
    over(image, soft_shadow(ring, (k, k), 0.6 * k, 0.6, (0, 8, 30)))
    over(image, gradient_fill(ring, MONOGRAM[0], MONOGRAM[0], 0, 1))
    baseline = bottom - 3
    name = text_mask(image.size, times((left + letter_width + gap, baseline), k), "Lumidex",
                     font("DejaVuSans-Bold.ttf", 35 * k))
    over(image, soft_shadow(name, (2 * k, 3 * k), 2.2 * k, 0.85, (0, 6, 28)))
    over(image, gradient_fill(name, (255, 255, 255), (214, 228, 255), (baseline - 26) * k, baseline * k))


def window_face(texture, k):
    image = texture.copy()
    control_shadow(image, BOARD, MARKER_X, k)
    control_shadow(image, MASTER, MARKER_X, k)
    image = image.convert("RGBA")
    title(image, k)
    corner_button(image, MINI, "minus", k)
    corner_button(image, EXIT, "cross", k)
    publisher_mark(image, k)
    return image.convert("RGB")


# ---------------------------------------------------------------- cursor

CURSOR_HOT_SPOT = (12, 4)   # the tip of the index finger


def cursor_art():
    """The hand as rows of characters: o white, X black, . see-through."""
    with open(os.path.join(ART, "hand-cursor.txt")) as f:
        art = [line.rstrip("\n") for line in f]
    assert len(art) == 32 and all(len(row) == 32 for row in art), "hand-cursor.txt must be 32 x 32"
    assert art[CURSOR_HOT_SPOT[1]][CURSOR_HOT_SPOT[0]] == "o", "the hot spot must be on the hand"
    return art


def cursor_bytes(art):
    """A 32 x 32 monochrome cursor: the hot spot, then a 1-bit bitmap of
    twice the height holding the XOR mask (1 = white) above the AND mask
    (1 = see-through), both bottom row first."""

    def mask(row, lit):
        bits = 0
        for c in row:
            bits = bits << 1 | (c in lit)
        return struct.pack(">I", bits)
    xor = b"".join(mask(row, "o") for row in reversed(art))
    and_ = b"".join(mask(row, ".") for row in reversed(art))
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor + and_), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return struct.pack("<HH", *CURSOR_HOT_SPOT) + header + palette + xor + and_


def doubled(art):
    """Pixel art at twice the size, its diagonal edges smoothed the way of
    the Scale2x rule: each pixel becomes four, and a quarter takes the
    colour of the two neighbours it touches when they agree and the others
    do not."""
    h, w = len(art), len(art[0])
    at = lambda x, y: art[min(max(y, 0), h - 1)][min(max(x, 0), w - 1)]  # noqa: E731
    rows = []
    for y in range(h):
        top, bottom = [], []
        for x in range(w):
            p, up, left, right, down = at(x, y), at(x, y - 1), at(x - 1, y), at(x + 1, y), at(x, y + 1)
            top += [up if left == up != down and up != right else p,
                    up if up == right != left and right != down else p]
            bottom += [left if down == left != up and left != right else p,
                       down if right == down != up and down != left else p]
        rows += ["".join(top), "".join(bottom)]
    return rows


def cursor_picture(art):
    """The hand as a picture with see-through ground."""
    colours = {"o": (255, 255, 255, 255), "X": (0, 0, 0, 255), ".": (0, 0, 0, 0)}
    image = Image.new("RGBA", (len(art[0]), len(art)))
    image.putdata([colours[c] for row in art for c in row])
    return image


# ---------------------------------------------------------------- icon

ICON_SIZES = (16, 32, 48, 64, 128, 256)


def icon(size):
    """The yellow L with its black shadow filling a red square."""
    def red(x, y):
        t = (x + y) / (2 * size)
        return mix((236, 52, 44), (168, 14, 22), t) + (255,)
    image = sampled((size, size), red, samples=1)
    over(image, monogram_layer((size, size), (0, 0), size / 32, False, (0, 1.0)))
    return image.convert("RGB")


def icon_bytes(image):
    """A 256-colour icon image: header for twice the height, the colour
    table, the pixel rows bottom first, and an all-opaque AND mask."""
    w, h = image.size
    indexed = image.quantize(256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = indexed.getpalette()[:768]
    palette += [0] * (768 - len(palette))
    table = b"".join(bytes((palette[i + 2], palette[i + 1], palette[i], 0)) for i in range(0, 768, 3))
    rows = indexed.tobytes()
    pixels = b"".join(rows[y * w:(y + 1) * w] for y in range(h - 1, -1, -1))
    and_mask = bytes(4 * h)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0, len(pixels + and_mask), 0, 0, 256, 0)
    return header + table + pixels + and_mask


# ---------------------------------------------------------------- output

PLAY, HELP = 0, 1  # mode button indices
EXPECTED_BYTES = {f"bitmap/{ids.kFixedBack}.dib": 8000, f"bitmap/{ids.kMasterBack}.dib": 8000,
                  f"bitmap/{ids.kModeReleased + PLAY}.dib": 6436, f"bitmap/{ids.kModePressed + PLAY}.dib": 6436,
                  f"bitmap/{ids.kModeReleased + HELP}.dib": 6248, f"bitmap/{ids.kModePressed + HELP}.dib": 6248,
                  f"bitmap/{ids.kLosePanel}.dib": 148556, f"bitmap/{ids.kWinPanel}.dib": 148556,
                  f"bitmap/{ids.kLoseGround}.dib": 148556, f"bitmap/{ids.kWinGround}.dib": 148556,
                  f"cursor/{ids.kHandCursor}.cur": 308, f"icon/{ids.kIcon}.dib": 2216}


def pictures(k):
    """Every bitmap this tool makes at k pixels per unit, by its path under
    OUTDIR without the file's ending."""
    texture = face_texture(k)

    def ground(rect):
        x, y, w, h = times(rect, k)
        return texture.crop((x, y, x + w, y + h))

    play, help_ = ground(PLAY_BUTTON), ground(HELP_BUTTON)
    marker = ground(layout.kLowestMarker)
    return {
        f"bitmap/{ids.kFixedBack}": card_back((30, 80, 200), (10, 28, 90), (170, 200, 255), k),
        f"bitmap/{ids.kMasterBack}": card_back((206, 32, 40), (96, 6, 14), (255, 190, 180), k),
        f"bitmap/{ids.kModeReleased + PLAY}": mode_button(play, play_glyph, False, k),
        f"bitmap/{ids.kModePressed + PLAY}": mode_button(play, play_glyph, True, k),
        f"bitmap/{ids.kModeReleased + HELP}": mode_button(help_, help_glyph, False, k),
        f"bitmap/{ids.kModePressed + HELP}": mode_button(help_, help_glyph, True, k),
        f"bitmap/{ids.kLosePanel}": lose_panel(k),
        f"bitmap/{ids.kWinPanel}": win_panel(k),
        f"bitmap/{ids.kLoseGround}": lose_panel(k, words=False),
        f"bitmap/{ids.kWinGround}": win_panel(k, words=False),
        f"layout/{ids.kWindowFace}": window_face(texture, k),
        f"layout/{ids.kSadFace}": sad_face(marker, (18.5, 15.5), 13.5, k),
    }


def main(outdir):
    for folder in ("bitmap", "layout", "cursor", "icon"):
        os.makedirs(os.path.join(outdir, folder), exist_ok=True)
    for path, image in pictures(1).items():
        write_dib(os.path.join(outdir, path + ".dib"), image)
    for path, image in pictures(2).items():
        image.save(os.path.join(outdir, path + "@2x.png"))
    art = cursor_art()
    with open(os.path.join(outdir, f"cursor/{ids.kHandCursor}.cur"), "wb") as f:
        f.write(cursor_bytes(art))
    cursor_picture(doubled(art)).save(os.path.join(outdir, f"cursor/{ids.kHandCursor}@2x.png"))
    with open(os.path.join(outdir, f"icon/{ids.kIcon}.dib"), "wb") as f:
        f.write(icon_bytes(icon(32)))
    icon(64).save(os.path.join(outdir, f"icon/{ids.kIcon}@2x.png"))
    for size in ICON_SIZES:
        folder = os.path.join(outdir, "icon", "hicolor", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        icon(size).save(os.path.join(folder, "lumidex.png"), "PNG")
    for path, size in EXPECTED_BYTES.items():
        actual = os.path.getsize(os.path.join(outdir, path))
        if actual != size:
            sys.exit(f"{path}: {actual} bytes, the catalogue says {size}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
