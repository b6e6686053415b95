"""Writes the help text, OUTDIR/text/107.txt, as the help panel reads it:
ASCII lines ending in CR LF, then three NUL bytes. The blanks at the ends of
some lines belong to the text; they are written out in quotes here so that
no editor trims them.

Usage: /usr/bin/python3 make_text.py OUTDIR
"""
import os
import sys

import ids

LINES = [
    "",
    "Lumidex - Game Instructions",
    "",
    "Single Player:",
    "Clicking the Master Card (Red) will cause ",
    "a random picture to appear.",
    "Try to find a match by clicking on one of the ",
    "16 Fixed Cards (Blue). If a match is found, ",
    "the card will remain face up.",
    "Lumidex expects you to memorize ",
    "the location of Fixed Cards that were already ",
    "exposed. If the Master Card depicts a ",
    "picture that you have already exposed, but ",
    "the matching Fixed Card is not selected, ",
    "Lumidex will record a ",
    '"memory miss". ',
    "The object of the game is to create four  ",
    "face-up cards in a row.",
    "",
    "Two Players:",
    "The players play in turns. A player who ",
    "finds a match, holds on to his/her turn.",
    "Remember: The winner is determined not by ",
    "the number of matches, but by being the ",
    "last to create four face-up cards in a row.",
    "",
    # Who made it and where to find it.
    "Lumidex is free software made by the",
    "Lumidex team. Share and enjoy!",
    "",
    "https://lumidex.example.org",
]

SIZE = 904  # the resource's size in the catalogue


def help_text() -> bytes:
    return "".join(line + "\r\n" for line in LINES).encode("ascii") + b"\0\0\0"


def main(outdir):
    text = help_text()
    if len(text) != SIZE:
        sys.exit(f"TEXT {ids.kInstructions}: {len(text)} bytes, the catalogue says {SIZE}")
    folder = os.path.join(outdir, "text")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, f"{ids.kInstructions}.txt"), "wb") as f:
        f.write(text)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_text.py OUTDIR")
    main(sys.argv[1])
