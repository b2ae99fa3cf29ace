#!/usr/bin/env python3
"""Writes fretboard16.bmp, the control's toolbox bitmap (resource 102):
16 x 16 pixels, 16 colours, a short neck with nut, frets, strings and one
marker. Run it again after changing the picture:
    python3 make_fretboard_bmp.py fretboard16.bmp
"""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BACK, WOOD, NUT, FRET, STRING, MARKER, EDGE = 7, 1, 15, 8, 11, 9, 0

# Top row first; one character per pixel.
KEYS = {".": BACK, "w": WOOD, "n": NUT, "f": FRET, "s": STRING, "m": MARKER, "e": EDGE}
PICTURE = [
    "................",
    "................",
    "................",
    "eeeeeeeeeeeeeeee",
    "wnwwwfwwwwfwwwwf",
    "snssssssssssssss",
    "wnwwwfwwwwfwwwwf",
    "snsssssmmsssssss",
    "wnwwwfwmmwfwwwwf",
    "snssssssssssssss",
    "wnwwwfwwwwfwwwwf",
    "snssssssssssssss",
    "eeeeeeeeeeeeeeee",
    "................",
    "................",
    "................",
]


def bitmap_bytes():
    rows = []
    for line in reversed(PICTURE):  # a BMP stores the bottom row first
        indexes = [KEYS[c] for c in line]
        rows.append(bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, 16, 2)))
    pixels = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "fretboard16.bmp", "wb") as out:
        out.write(bitmap_bytes())
