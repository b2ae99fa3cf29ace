#!/usr/bin/env python3
"""Draws SW's toolbar bitmap (five 19 x 19 images, 16 colours), its two
icons (the application and the document) and the About box's banner
(400 x 50, 24 bits), and for screens of 150 % and 200 % the toolbar (29
and 38 pixels an image) and the banner (600 x 75 and 800 x 100, 8 bits)
drawn anew at that size, not stretched. Run from anywhere; writes beside
this script. Pure Python, no imaging library."""
import math
import os
import struct
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette (RGB).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, \
    BLUE, FUCHSIA, AQUA, WHITE = range(16)


class Canvas:
    """Drawing in units of the 100 % picture; a scale above 1 gives each
    unit a block of pixels (edges on whole pixels, so nothing blurs)."""
    def __init__(self, width, height, fill, scale=Fraction(1)):
        self.scale = scale
        self.width, self.height = math.floor(width * scale), math.floor(height * scale)
        self.pixels = [[fill] * self.width for _ in range(self.height)]

    def pixel(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def put(self, x, y, colour):
        self.rect(x, y, x, y, colour)

    def rect(self, x0, y0, x1, y1, colour):  # inclusive
        s = self.scale
        for y in range(math.floor(y0 * s), math.floor((y1 + 1) * s)):
            for x in range(math.floor(x0 * s), math.floor((x1 + 1) * s)):
                self.pixel(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour); self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour); self.put(x1, y, colour)

    def disc(self, cx, cy, r, colour):
        # Each pixel's centre in units; at 100 % the unit's own position.
        s = self.scale
        for py in range(math.floor((cy - r) * s), math.floor((cy + r + 1) * s)):
            for px in range(math.floor((cx - r) * s), math.floor((cx + r + 1) * s)):
                x = (px + Fraction(1, 2)) / s - Fraction(1, 2)
                y = (py + Fraction(1, 2)) / s - Fraction(1, 2)
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r // 2:
                    self.pixel(px, py, colour)


def draw_print(c, ox):
    c.rect(ox + 5, 2, ox + 13, 7, WHITE); c.frame(ox + 5, 2, ox + 13, 7, BLACK)      # paper in
    c.rect(ox + 2, 7, ox + 16, 13, SILVER); c.frame(ox + 2, 7, ox + 16, 13, BLACK)   # body
    c.put(ox + 14, 9, LIME)                                                          # lamp
    c.rect(ox + 5, 12, ox + 13, 17, WHITE); c.frame(ox + 5, 12, ox + 13, 17, BLACK)  # paper out
    for y in (14, 16):
        for x in range(ox + 7, ox + 12):
            c.put(x, y, GREY)


def draw_properties(c, ox):
    # A piece of fretboard: wood, frets, strings and one marked note.
    c.rect(ox + 1, 4, ox + 17, 14, OLIVE); c.frame(ox + 1, 4, ox + 17, 14, BLACK)
    for x in (ox + 6, ox + 11, ox + 16):
        for y in range(5, 14):
            c.put(x, y, SILVER)
    for y in (6, 8, 10, 12):
        for x in range(ox + 2, ox + 17):
            c.put(x, y, WHITE)
    c.disc(ox + 9, 9, 2, RED)


def draw_position_step(c, ox, forward):
    # A strip of neck, lit in the middle, with an arrow along it: the
    # position before or after.
    c.rect(ox + 1, 12, ox + 17, 17, OLIVE); c.frame(ox + 1, 12, ox + 17, 17, BLACK)
    for x in (ox + 6, ox + 12):
        for y in range(13, 17):
            c.put(x, y, SILVER)
    c.rect(ox + 7, 13, ox + 11, 16, YELLOW)
    # The arrow: a shaft and a head of rows narrowing to the point.
    c.rect(ox + 4, 5, ox + 14, 6, NAVY)
    for i in range(5):
        x = ox + (10 + i if forward else 8 - i)
        c.rect(x, 1 + i, x, 10 - i, NAVY)


def draw_about(c, ox):
    c.disc(ox + 9, 9, 8, NAVY)
    c.disc(ox + 9, 9, 7, BLUE)
    c.rect(ox + 8, 4, ox + 10, 5, WHITE)     # the dot of the "i"
    c.rect(ox + 8, 7, ox + 10, 14, WHITE)    # its stem
    c.rect(ox + 7, 14, ox + 11, 14, WHITE)


def bmp4(canvas):
    """A bottom-up 4 bits-per-pixel BMP file."""
    row = ((canvas.width * 4 + 31) // 32) * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray(row)
        for x in range(canvas.width):
            v = canvas.pixels[y][x]
            line[x // 2] |= v << 4 if x % 2 == 0 else v
        data += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0, len(data),
                       2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def bmp8(canvas):
    """A bottom-up 8 bits-per-pixel BMP file of a canvas holding RGB tuples
    (at most 256 colours)."""
    colours = sorted({p for row in canvas.pixels for p in row})
    assert len(colours) <= 256, len(colours)
    index = {c: i for i, c in enumerate(colours)}
    row = ((canvas.width + 3) // 4) * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray(row)
        for x in range(canvas.width):
            line[x] = index[canvas.pixels[y][x]]
        data += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 0, len(data),
                       2835, 2835, len(colours), len(colours))
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def bmp24(canvas):
    """A bottom-up 24 bits-per-pixel BMP file of a canvas holding RGB tuples."""
    row = ((canvas.width * 3 + 3) // 4) * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        line = bytearray(row)
        for x in range(canvas.width):
            r, g, b = canvas.pixels[y][x]
            line[x * 3:x * 3 + 3] = bytes((b, g, r))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + bytes(data)


def icon_image(canvas, transparent):
    """One 32-bit icon image: BITMAPINFOHEADER (double height), XOR, AND mask."""
    w, h = canvas.width, canvas.height
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            v = canvas.pixels[y][x]
            r, g, b = PALETTE[v]
            xor += struct.pack("<BBBB", b, g, r, 0 if v == transparent else 255)
    mask_row = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray(mask_row)
        for x in range(w):
            if canvas.pixels[y][x] == transparent:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico(canvases, transparent):
    images = [icon_image(c, transparent) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def app_icon(size):
    # A guitar neck seen from above: wood, frets, six strings, scale dots.
    c = Canvas(size, size, FUCHSIA)
    s = size / 32
    c.rect(int(2 * s), int(6 * s), int(29 * s), int(25 * s), OLIVE)
    c.frame(int(2 * s), int(6 * s), int(29 * s), int(25 * s), BLACK)
    for fx in (9, 16, 23):
        c.rect(int(fx * s), int(7 * s), int(fx * s), int(24 * s), SILVER)
    for i in range(6):
        y = int((8 + i * 3.2) * s)
        c.rect(int(3 * s), y, int(28 * s), y, WHITE)
    for fx, string in ((12, 1), (19, 3), (26, 4)):
        c.disc(int(fx * s), int((8 + string * 3.2) * s), max(1, int(2 * s)), RED)
    return c


def doc_icon(size):
    c = Canvas(size, size, FUCHSIA)
    s = size / 32
    c.rect(int(5 * s), int(2 * s), int(26 * s), int(29 * s), WHITE)
    c.frame(int(5 * s), int(2 * s), int(26 * s), int(29 * s), BLACK)
    c.rect(int(8 * s), int(9 * s), int(23 * s), int(22 * s), OLIVE)
    for i in range(4):
        y = int((11 + i * 3.3) * s)
        c.rect(int(8 * s), y, int(23 * s), y, WHITE)
    c.rect(int(15 * s), int(9 * s), int(15 * s), int(22 * s), SILVER)
    c.disc(int(19 * s), int(14 * s), max(1, int(2 * s)), RED)
    return c


# A 5 x 7 capital alphabet, just the letters of the product's name.
GLYPHS = {
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "C": [".####", "#....", "#....", "#....", "#....", "#....", ".####"],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "G": [".####", "#....", "#....", "#.###", "#...#", "#...#", ".###."],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
}

# The banner fills its whole rectangle: a header band looks the same on any
# dialog face colour. (It has no pixels of the usual face colours, so the
# transparent drawing copies it whole.)
BANNER_TOP = (18, 40, 92)
BANNER_BOTTOM = (44, 92, 164)


def draw_word(c, word, x, y, scale, colour):
    for letter in word:
        for row, bits in enumerate(GLYPHS[letter]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    c.rect(x + col * scale, y + row * scale,
                           x + col * scale + scale - 1, y + row * scale + scale - 1, colour)
        x += 6 * scale


def banner(scale=Fraction(1)):
    """400 x 50 units: the product's name beside a piece of fretboard with a
    scale marked on it."""
    c = Canvas(400, 50, BANNER_TOP, scale)
    for y in range(50):
        t = y / 49
        shade = tuple(int(a + (b - a) * t) for a, b in zip(BANNER_TOP, BANNER_BOTTOM))
        c.rect(0, y, 399, y, shade)
    c.rect(0, 48, 399, 49, (212, 170, 64))                    # a brass rule below
    draw_word(c, "SCALEWRIGHT", 12, 15, 3, (8, 16, 40))       # shadow
    draw_word(c, "SCALEWRIGHT", 10, 13, 3, (255, 255, 255))
    left, right, top, bottom = 222, 392, 6, 44
    c.rect(left, top, right, bottom, (92, 56, 32))           # rosewood
    c.frame(left, top, right, bottom, (48, 28, 16))
    c.rect(left, top, left + 4, bottom, (236, 228, 200))     # the nut
    # Frets closing in towards the body, as on a real neck.
    frets, x, width = [], left + 4, 22.0
    while x + width < right:
        x += width
        frets.append(int(x))
        width *= 0.944
    for fx in frets:
        c.rect(fx, top + 1, fx + 1, bottom - 1, (200, 200, 208))
    # Position dots between frets 2-3, 4-5, 6-7, 8-9.
    mid = (top + bottom) // 2
    edges = [left + 4] + frets
    for fret in (3, 5, 7, 9):
        if fret < len(edges):
            cx = (edges[fret - 1] + edges[fret]) // 2
            c.disc(cx, mid, 2, (236, 228, 200))
    strings = [top + 4 + i * 6 for i in range(6)]
    for i, sy in enumerate(strings):
        shade = 170 + i * 12
        c.rect(left + 5, sy, right - 1, sy + (1 if i >= 3 else 0), (shade, shade, shade - 20))
    # A minor pentatonic box at the fifth fret: notes in red, roots in blue.
    notes = [(5, 0), (8, 0), (5, 1), (8, 1), (5, 2), (7, 2), (5, 3), (7, 3), (5, 4), (7, 4),
             (5, 5), (8, 5)]
    for fret, string in notes:
        if fret < len(edges):
            cx = (edges[fret - 1] + edges[fret]) // 2
            colour = (32, 64, 208) if (fret, string) in ((5, 0), (7, 3), (5, 5)) else (208, 32, 32)
            c.disc(cx, strings[string], 3, (255, 255, 255))
            c.disc(cx, strings[string], 2, colour)
    return c


def toolbar(image):
    """The five images, |image| pixels square each, in the buttons' order."""
    strip = Canvas(95, 19, SILVER, Fraction(image, 19))  # silver shows as the button face
    draw_print(strip, 0)
    draw_properties(strip, 19)
    draw_position_step(strip, 38, forward=False)
    draw_position_step(strip, 57, forward=True)
    draw_about(strip, 76)
    return strip


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    write("toolbar.bmp", bmp4(toolbar(19)))
    write("toolbar_150.bmp", bmp4(toolbar(29)))
    write("toolbar_200.bmp", bmp4(toolbar(38)))
    # The sizes a shell and the About box ask for up to 200 %.
    write("sw.ico", ico([app_icon(32), app_icon(16), app_icon(48), app_icon(64)], FUCHSIA))
    write("sw_doc.ico", ico([doc_icon(32), doc_icon(16), doc_icon(48), doc_icon(64)], FUCHSIA))
    write("about_banner.bmp", bmp24(banner()))
    write("about_banner_150.bmp", bmp8(banner(Fraction(3, 2))))
    write("about_banner_200.bmp", bmp8(banner(Fraction(2))))


if __name__ == "__main__":
    main()
