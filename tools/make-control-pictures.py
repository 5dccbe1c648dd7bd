#!/usr/bin/env python3
"""Draws the pictures of the shared controls (list rows, ratings, check marks) as 24-bit
.bmp files and the two drag cursors as .cur files, into res/. Run it after changing a
drawing and commit the files it writes."""
import math
import os
import struct
import sys

from picture_canvas import BLACK, BROWN, GOLD, GREEN, GREY, PAPER, RED, SKY, WHITE, Canvas


def recipe_card(c, x=1):
    c.box(x, 1, x + 12, 14, BLACK, PAPER)
    for y in (4, 7, 10):
        c.line(x + 3, y, x + 9, y, GREY)


def picture_R():
    c = Canvas(16, 16)
    recipe_card(c)
    return c


def picture_RP():
    c = Canvas(16, 16)
    recipe_card(c, 0)
    c.box(8, 7, 15, 14, BLACK, SKY)
    c.line(9, 13, 11, 10, GREEN)
    c.line(11, 10, 14, 13, GREEN)
    return c


def picture_M():
    c = Canvas(16, 16)
    c.disc(8, 8, 7, GREY)
    c.disc(8, 8, 6, WHITE)
    c.disc(8, 8, 3, BROWN)
    return c


def picture_C():
    c = Canvas(16, 16)
    c.box(1, 3, 7, 5, BLACK, GOLD)
    c.box(1, 5, 14, 13, BLACK, GOLD)
    return c


def picture_check(checked):
    c = Canvas(16, 16)
    c.box(2, 2, 13, 13, BLACK, WHITE)
    if checked:
        c.line(4, 8, 6, 11, GREEN)
        c.line(5, 8, 7, 11, GREEN)
        c.line(6, 11, 11, 4, GREEN)
        c.line(7, 11, 12, 4, GREEN)
    return c


def picture_stars(count):
    c = Canvas(48, 16)
    for i in range(count):
        c.star(8 + 16 * i, 8, 7.5, GOLD)
    return c


def picture_bad():
    c = Canvas(48, 16)
    c.disc(8, 8, 7, RED)
    c.line(4, 8, 12, 8, WHITE)
    c.line(4, 7, 12, 7, WHITE)
    return c


def cursor(draw):
    """A 32x32 monochrome cursor, hot spot at the top left; draw marks (x, y) black or white."""
    size = 32
    colour = [[None] * size for _ in range(size)]
    draw(colour)
    xor_rows, and_rows = b"", b""
    for row in reversed(colour):
        xor_bits = and_bits = 0
        for x, pixel in enumerate(row):
            bit = 1 << (31 - x)
            if pixel is None:
                and_bits |= bit
            elif pixel == WHITE:
                xor_bits |= bit
        xor_rows += struct.pack(">I", xor_bits)
        and_rows += struct.pack(">I", and_bits)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    image = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor_rows + and_rows
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 2, 0, 0, 0, len(image), 22)
    return directory + image


def arrow(colour):
    for y in range(16):
        for x in range(y // 2 + 1 if y < 12 else 12 - y // 2):
            colour[y][x] = WHITE if 0 < x < y // 2 and y < 14 else BLACK


def drag_cursor(colour):
    arrow(colour)
    for y in range(16, 28):
        for x in range(12, 26):
            colour[y][x] = BLACK if y in (16, 27) or x in (12, 25) else WHITE
    for y in (19, 22, 25):
        for x in range(15, 23):
            colour[y][x] = BLACK


def no_drop_cursor(colour):
    arrow(colour)
    for y in range(14, 32):
        for x in range(12, 30):
            d = math.hypot(x - 21, y - 23)
            if 6 <= d <= 8.5 or (d < 7 and abs((x - 21) - (y - 23)) < 1.5):
                colour[y][x] = BLACK


FACE = (192, 192, 192)
LIGHT = (255, 255, 255)
SHADE = (128, 128, 128)


def picture_button(glyph, state):
    """A 24 by 22 push button: raised (UP), pressed (DN, the glyph one pixel down and right)
    or greyed (GR), with the glyph drawn by glyph(canvas, dx, dy, colour)."""
    c = Canvas(24, 22, FACE)
    pressed = state == "DN"
    top, bottom = (SHADE, LIGHT) if pressed else (LIGHT, SHADE)
    for x in range(24):
        c.dot(x, 0, top)
        c.dot(x, 21, BLACK)
        c.dot(x, 20, bottom)
    for y in range(22):
        c.dot(0, y, top)
        c.dot(23, y, BLACK)
        c.dot(22, y, bottom)
    shift = 1 if pressed else 0
    glyph(c, shift, shift, SHADE if state == "GR" else BLACK)
    return c


def arrow_glyph(up):
    def draw(c, dx, dy, colour):
        for row in range(6):
            y = (5 + row) if up else (16 - row)
            for x in range(12 - row, 12 + row + 1):
                c.dot(x + dx, y + dy, colour)
        for y in range(11, 17) if up else range(5, 11):
            for x in range(10, 15):
                c.dot(x + dx, y + dy, colour)
    return draw


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res")
    pictures = {
        "R": picture_R(), "RP": picture_RP(), "M": picture_M(), "C": picture_C(),
        "CHKYES": picture_check(True), "CHKNO": picture_check(False),
        "RTXCLNT": picture_stars(3), "RTGREAT": picture_stars(2), "RTGOOD": picture_stars(1),
        "RTBAD": picture_bad(),
    }
    for name, glyph in (("MOVUP", arrow_glyph(True)), ("MOVDN", arrow_glyph(False))):
        for state in ("UP", "DN", "GR"):
            pictures[name + state] = picture_button(glyph, state)
    for name, canvas in pictures.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(canvas.bmp())
    for name, draw in (("DragRow", drag_cursor), ("NoDrop", no_drop_cursor)):
        with open(os.path.join(out, name + ".cur"), "wb") as f:
            f.write(cursor(draw))


if __name__ == "__main__":
    main()
