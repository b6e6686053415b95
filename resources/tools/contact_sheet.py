"""Lays every picture under OUTDIR (bitmaps, layout pictures, cursor, icon,
and their twins for high-density screens) side by side at their real size,
each with its name beneath, in
OUTDIR/contact-sheet.png, so that a person can check them at a glance.
The sheet is for looking at only; it is not part of the game.

Usage: /usr/bin/python3 contact_sheet.py OUTDIR
"""
import io
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

SHEET_WIDTH = 1200
GAP = 14
LABEL_HEIGHT = 16
BACKGROUND = (200, 200, 204)
LABEL = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 11)


def checker(size):
    """A grey checkerboard that shows through see-through pixels."""
    image = Image.new("RGB", size, (236, 236, 236))
    draw = ImageDraw.Draw(image)
    for y in range(0, size[1], 4):
        for x in range((y // 4 % 2) * 4, size[0], 8):
            draw.rectangle([x, y, x + 3, y + 3], fill=(180, 180, 180))
    return image


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


def decode_bitmap(data):
    """A bare 24-bit DIB: give it back its 14-byte file header."""
    header = b"BM" + struct.pack("<IHHI", 14 + len(data), 0, 0, 14 + u32(data, 0))
    return Image.open(io.BytesIO(header + data)).convert("RGB")


def mask_bit(data, at, stride, height, x, y):
    return data[at + (height - 1 - y) * stride + x // 8] >> (7 - x % 8) & 1


def decode_cursor(data):
    """Hot spot, then a 1-bit bitmap of twice the height: XOR mask above
    the AND mask. The hot spot is marked with a small red cross."""
    hot_x, hot_y = struct.unpack_from("<HH", data)
    dib = data[4:]
    width, height = u32(dib, 4), u32(dib, 8) // 2
    stride = (width + 31) // 32 * 4
    xor_at = 40 + 8
    and_at = xor_at + stride * height
    image = checker((width, height))
    for y in range(height):
        for x in range(width):
            if not mask_bit(dib, and_at, stride, height, x, y):
                white = mask_bit(dib, xor_at, stride, height, x, y)
                image.putpixel((x, y), (255, 255, 255) if white else (0, 0, 0))
    image.putpixel((hot_x, hot_y), (255, 0, 0))
    return image


def decode_icon(data):
    """An 8-bit icon image: header, 256-entry colour table, pixel rows and
    AND mask, both bottom row first."""
    width, height = u32(data, 4), u32(data, 8) // 2
    table = data[40:40 + 1024]
    pixels_at = 40 + 1024
    and_at = pixels_at + width * height
    stride = (width + 31) // 32 * 4
    image = checker((width, height))
    for y in range(height):
        for x in range(width):
            if not mask_bit(data, and_at, stride, height, x, y):
                i = data[pixels_at + (height - 1 - y) * width + x] * 4
                image.putpixel((x, y), (table[i + 2], table[i + 1], table[i]))
    return image


def decode_png(data):
    """A twin for high-density screens, see-through pixels on the checkerboard."""
    image = Image.open(io.BytesIO(data)).convert("RGBA")
    ground = checker(image.size)
    ground.paste(image, (0, 0), image)
    return ground


def pictures(outdir):
    """(name, image) for every picture, bitmaps in the order of their ids."""
    found = []
    folder = os.path.join(outdir, "bitmap")
    if os.path.isdir(folder):
        names = sorted(os.listdir(folder), key=lambda n: (len(n), n))
        found += [(f"bitmap {n[:-4]}", decode_bitmap(read(folder, n))) for n in names if n.endswith(".dib")]
        found += [(f"bitmap {n[:-4]}", decode_png(read(folder, n))) for n in names if n.endswith("@2x.png")]
    for kind, decode in (("layout", decode_bitmap), ("cursor", decode_cursor), ("icon", decode_icon)):
        folder = os.path.join(outdir, kind)
        if os.path.isdir(folder):
            for name in sorted(os.listdir(folder)):
                if os.path.isfile(os.path.join(folder, name)):
                    read_as = decode_png if name.endswith(".png") else decode
                    found.append((f"{kind} {os.path.splitext(name)[0]}", read_as(read(folder, name))))
    hicolor = os.path.join(outdir, "icon", "hicolor")
    if os.path.isdir(hicolor):
        sizes = sorted(os.listdir(hicolor), key=lambda n: int(n.split("x")[0]))
        for size in sizes:
            for name in sorted(os.listdir(os.path.join(hicolor, size))):
                found.append((f"icon {size}", Image.open(os.path.join(hicolor, size, name)).convert("RGB")))
    return found


def read(folder, name):
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def sheet(items):
    """Places the pictures left to right in rows, wrapping at the sheet's
    width, each named just below; a row is as tall as its tallest picture."""
    places, x, y, row_height = [], GAP, GAP, 0
    for name, image in items:
        w = max(image.width, round(LABEL.getlength(name)))
        if x + w + GAP > SHEET_WIDTH and x > GAP:
            x, y, row_height = GAP, y + row_height + LABEL_HEIGHT + GAP, 0
        places.append((x, y))
        x += w + GAP
        row_height = max(row_height, image.height)
    result = Image.new("RGB", (SHEET_WIDTH, y + row_height + LABEL_HEIGHT + GAP), BACKGROUND)
    draw = ImageDraw.Draw(result)
    for (px, py), (name, image) in zip(places, items):
        result.paste(image, (px, py))
        draw.text((px, py + image.height + 3), name, fill=(20, 20, 30), font=LABEL)
    return result


def main(outdir):
    items = pictures(outdir)
    if not items:
        sys.exit(f"no pictures under {outdir}")
    sheet(items).save(os.path.join(outdir, "contact-sheet.png"))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
