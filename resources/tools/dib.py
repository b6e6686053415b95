"""Writes pictures the way the game stores them: a bare device-independent
bitmap (40-byte info header, bottom-up 24-bit rows padded to 4 bytes), with
no 14-byte file header, followed by 4 zero bytes so that a 51 x 51 card is
exactly 8000 bytes, as the catalogue lists it."""
import struct

from PIL import Image

TRAILER = b"\0\0\0\0"


def dib_bytes(image: Image.Image) -> bytes:
    image = image.convert("RGB")
    width, height = image.size
    stride = (width * 3 + 3) & ~3
    rows = []
    pixels = image.tobytes()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        line = pixels[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            r, g, b = line[x * 3:x * 3 + 3]
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data),
                         3780, 3780, 0, 0)
    return header + data + TRAILER


def write_dib(path, image: Image.Image) -> None:
    with open(path, "wb") as f:
        f.write(dib_bytes(image))
