"""Draws the 54 card faces, bitmaps 501 to 554: each object from its SVG under
resources/art/ (a Noto Emoji glyph or one of our own drawings), given a dark
outline so it reads as a bold cartoon at 51 x 51, centred on its own colour.
Each face is also written at twice the size for high-density screens, and
the names screen readers say for them into pictureNames.cpp.

Usage: /usr/bin/python3 make_cards.py OUTDIR
       (writes OUTDIR/bitmap/5xx.dib, OUTDIR/bitmap/5xx@2x.png and
       OUTDIR/pictureNames.cpp)
"""
import io
import os
import re
import subprocess
import sys

from PIL import Image, ImageChops

import ids
from dib import write_dib

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art")

# (bitmap id, drawing under resources/art/, background colour, the name a
# screen reader says for it). The backgrounds are bright, far enough apart to
# tell cards by colour alone (at least 14 in CIELAB), and each stands off the
# main colours of its own object. A name is a few plain words, translated
# through the game's catalogues; a face and its name change together.
CARDS = [
    (501, "cards/501-coffee-jug.svg", "#e2e25a", "coffee jug"),
    (502, "noto/minibus.svg", "#bcdd3c", "minibus"),
    (503, "noto/carrot.svg", "#ed97e4", "carrot"),
    (504, "cards/504-dragonfly.svg", "#ffb061", "dragonfly"),
    (505, "noto/leafy-green.svg", "#ff3d47", "leafy greens"),
    (506, "cards/506-chocolate-ice-lolly.svg", "#c28ef6", "chocolate ice lolly"),
    (507, "cards/507-bird-on-branch.svg", "#f36dcb", "bird on a branch"),
    (508, "noto/rooster.svg", "#3dd8ff", "rooster"),
    (509, "noto/alarm-clock.svg", "#e7dc79", "alarm clock"),
    (510, "noto/hot-pepper.svg", "#12e2b9", "hot pepper"),
    (511, "noto/croissant.svg", "#ff1a75", "croissant"),
    (512, "cards/512-bitten-apple.svg", "#1abaff", "bitten apple"),
    (513, "cards/513-ring-biscuit.svg", "#e25a97", "ring biscuit"),
    (514, "cards/514-cup-of-tea.svg", "#ff3da8", "cup of tea"),
    (515, "noto/sushi.svg", "#9ef04c", "sushi"),
    (516, "cards/516-soda-can.svg", "#ddac3c", "soda can"),
    (517, "noto/ear-of-corn.svg", "#ce5ae2", "ear of corn"),
    (518, "noto/teacup-without-handle.svg", "#e25a61", "teacup"),
    (519, "noto/lady-beetle.svg", "#f5ab00", "ladybird"),
    (520, "cards/520-sports-helmet.svg", "#ffcf3d", "sports helmet"),
    (521, "cards/521-spring-onion.svg", "#e25b12", "spring onion"),
    (522, "noto/bell-pepper.svg", "#dd5c3c", "bell pepper"),
    (523, "cards/523-hot-air-balloon.svg", "#00f5f5", "hot-air balloon"),
    (524, "cards/524-coffee-press.svg", "#ff3d64", "coffee press"),
    (525, "noto/house-with-garden.svg", "#dd3cc4", "house with garden"),
    (526, "cards/526-tree-biscuit.svg", "#f6938e", "tree biscuit"),
    (527, "noto/jack-o-lantern.svg", "#f68eb2", "jack-o'-lantern"),
    (528, "noto/hot-dog.svg", "#79e7c1", "hot dog"),
    (529, "noto/hamburger.svg", "#8b85ff", "hamburger"),
    (530, "noto/hammer.svg", "#e2d812", "hammer"),
    (531, "noto/magnifying-glass-tilted-left.svg", "#ff811a", "magnifying glass"),
    (532, "cards/532-mayonnaise-jar.svg", "#8e98f6", "mayonnaise jar"),
    (533, "cards/533-milk-carton.svg", "#ff9061", "milk carton"),
    (534, "noto/owl.svg", "#b06df3", "owl"),
    (535, "noto/pizza.svg", "#25d0bf", "pizza"),
    (536, "cards/536-oven-glove.svg", "#1aa3ff", "oven glove"),
    (537, "cards/537-red-leaf-lettuce.svg", "#0087f5", "red lettuce"),
    (538, "noto/rocket.svg", "#00f59f", "rocket"),
    (539, "noto/watermelon.svg", "#85b6ff", "watermelon"),
    (540, "noto/ribbon.svg", "#e7bb79", "ribbon"),
    (541, "noto/wrapped-gift.svg", "#97edac", "wrapped gift"),
    (542, "noto/doughnut.svg", "#79e789", "doughnut"),
    (543, "cards/543-toaster.svg", "#25d08c", "toaster"),
    (544, "noto/soft-ice-cream.svg", "#ff6188", "soft ice cream"),
    (545, "noto/sport-utility-vehicle.svg", "#d07225", "car"),
    (546, "noto/package.svg", "#5ae25a", "parcel"),
    (547, "noto/soccer-ball.svg", "#25d069", "football"),
    (548, "noto/pencil.svg", "#1a75ff", "pencil"),
    (549, "noto/artist-palette.svg", "#f985ff", "paint palette"),
    (550, "noto/sandwich.svg", "#2594d0", "sandwich"),
    (551, "cards/551-radish.svg", "#ee962b", "radish"),
    (552, "cards/552-cauliflower.svg", "#ee482b", "cauliflower"),
    (553, "noto/butterfly.svg", "#ffaf85", "butterfly"),
    (554, "cards/554-candy-cane.svg", "#aae779", "candy cane"),
]

SIZE = 51
SCALE = 4                # work at 4x and filter down: smooth edges at 51 px and at 102
OBJECT = 42              # longest side of the object, before its outline
OUTLINE = 1.5            # outline width in final pixels
OUTLINE_COLOUR = (38, 28, 46)

# Our own drawings place Noto glyphs with <image href="../noto/x.svg">, which a
# browser shows but librsvg refuses (it only reads files beside or below the
# drawing), so those glyphs are pasted in as nested <svg> elements instead.
IMAGE_REF = re.compile(r'<image href="\.\./noto/([a-z-]+)\.svg"([^>]*)/>')
SVG_ROOT = re.compile(r'<svg [^>]*viewBox="([^"]+)"[^>]*>(.*)</svg>', re.S)


def read_svg(relative):
    with open(os.path.join(ART, relative), encoding="utf-8") as f:
        return f.read()


def inline_glyphs(svg):
    def nested(match):
        view_box, body = SVG_ROOT.search(read_svg(f"noto/{match[1]}.svg")).groups()
        return f'<svg viewBox="{view_box}"{match[2]}>{body}</svg>'
    return IMAGE_REF.sub(nested, svg)


def render(svg, pixels):
    png = subprocess.run(["rsvg-convert", "-w", str(pixels), "-h", str(pixels)],
                         input=svg.encode("utf-8"), capture_output=True, check=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def fitted_object(relative):
    """The drawing cropped to what it covers and scaled so that its longest
    side is OBJECT pixels, centred on a transparent SIZE x SIZE square (at 4x)."""
    drawing = render(inline_glyphs(read_svg(relative)), 512)
    drawing = drawing.crop(drawing.getchannel("A").point(lambda a: 255 if a > 24 else 0).getbbox())
    longest = OBJECT * SCALE
    ratio = longest / max(drawing.size)
    size = (max(1, round(drawing.width * ratio)), max(1, round(drawing.height * ratio)))
    drawing = drawing.resize(size, Image.LANCZOS)
    canvas = Image.new("RGBA", (SIZE * SCALE, SIZE * SCALE), (0, 0, 0, 0))
    canvas.paste(drawing, ((canvas.width - size[0]) // 2, (canvas.height - size[1]) // 2))
    return canvas


def outline_mask(alpha):
    """The object's coverage grown by a disc of the outline's width."""
    radius = OUTLINE * SCALE
    reach = int(radius)
    grown = alpha
    for dy in range(-reach, reach + 1):
        for dx in range(-reach, reach + 1):
            if (dx or dy) and dx * dx + dy * dy <= radius * radius:
                grown = ImageChops.lighter(grown, ImageChops.offset(alpha, dx, dy))
    return grown


def card_face(relative, background):
    """The face at its working size, SCALE times the card's."""
    drawing = fitted_object(relative)
    face = Image.new("RGBA", drawing.size, background)
    face.paste(OUTLINE_COLOUR, (0, 0), outline_mask(drawing.getchannel("A")))
    face.alpha_composite(drawing)
    return face.convert("RGB")


NAMES_CPP = """\
// What each card face shows, for screen readers. Written by
// resources/tools/make_cards.py from its table of faces, where each face's
// drawing and name stand together: change a name there, then run
// resources/regenerate.
#include "pictureNames.h"

#include <QCoreApplication>
#include <array>

#include "ResourceIds.h"

namespace {{
constexpr std::array<const char *, ResourceIds::kLastFace - ResourceIds::kFirstFace + 1> kNames{{
{names}
}};
}} // namespace

QString PictureName(int id)
{{
    const int n = id - ResourceIds::kFirstFace;
    return n >= 0 && n < int(kNames.size()) ? QCoreApplication::translate("PictureName", kNames[std::size_t(n)]) : QString();
}}
"""


def names_cpp():
    assert all(re.fullmatch(r"[a-z' -]+", card[3]) for card in CARDS), "a name is a few plain words"
    return NAMES_CPP.format(names="\n".join(f'    QT_TRANSLATE_NOOP("PictureName", "{name}"), // {bitmap_id}'
                                             for bitmap_id, _, _, name in CARDS))


def main():
    if [card[0] for card in CARDS] != list(range(ids.kFirstFace, ids.kLastFace + 1)):
        sys.exit(f"CARDS must list bitmaps {ids.kFirstFace} to {ids.kLastFace} in order")
    with open(os.path.join(sys.argv[1], "pictureNames.cpp"), "w", encoding="utf-8") as f:
        f.write(names_cpp())
    out = os.path.join(sys.argv[1], "bitmap")
    os.makedirs(out, exist_ok=True)
    for bitmap_id, relative, background, _ in CARDS:
        face = card_face(relative, background)
        write_dib(os.path.join(out, f"{bitmap_id}.dib"), face.resize((SIZE, SIZE), Image.LANCZOS))
        face.resize((2 * SIZE, 2 * SIZE), Image.LANCZOS).save(os.path.join(out, f"{bitmap_id}@2x.png"))


if __name__ == "__main__":
    main()
