#!/usr/bin/env python3
"""Draws the pictures of the start page and the category form into the program's resource
directory (the build runs it): the title in 24-bit colour and in 16 colours, the side stripe,
the logo, the category picture in 24-bit colour and in 16 colours, and the picture shown where a
record has no photo."""
import os
import sys

from picture_canvas import BLACK, BROWN, GOLD, GREEN, GREY, PAPER, RED, SILVER, SKY, WHITE, Canvas, text_width

CREAM = (250, 240, 210)
TOMATO = (220, 60, 40)
LEAF = (60, 160, 60)


def plate(c, cx, cy, r):
    c.disc(cx, cy, r, GREY)
    c.disc(cx, cy, r - 2, WHITE)
    c.disc(cx, cy, r * 2 // 3, CREAM)
    c.disc(cx - r // 4, cy - r // 5, r // 4, TOMATO)
    c.disc(cx + r // 4, cy + r // 6, r // 5, LEAF)


def centred_text(c, y, text, colour, scale):
    c.text((c.width - text_width(text, scale)) // 2, y, text, colour, scale)


def title():
    c = Canvas(540, 192, CREAM)
    c.box(0, 0, c.width - 1, c.height - 1, BROWN)
    plate(c, 60, 70, 42)
    plate(c, c.width - 60, 70, 42)
    centred_text(c, 34, "SAVORUM", RED, 8)
    centred_text(c, 124, "RECIPES AND MEAL PLANS", BROWN, 3)
    centred_text(c, 160, "YOUR COOKBOOK", GREEN, 2)
    return c


def stripe():
    c = Canvas(42, 395, CREAM)
    bands = (TOMATO, GOLD, LEAF)
    for y in range(c.height):
        for x in range(c.width):
            c.dot(x, y, bands[((x + y) // 14) % len(bands)])
    return c


def logo():
    c = Canvas(66, 52, SILVER)
    plate(c, 33, 22, 18)
    c.text((c.width - text_width("SAVORUM")) // 2, 43, "SAVORUM", RED)
    return c


def folder(c, x, y, colour):
    c.box(x, y, x + 14, y + 5, BLACK, colour)
    c.box(x, y + 4, x + 39, y + 27, BLACK, colour)


def categories():
    c = Canvas(150, 130, CREAM)
    c.box(0, 0, c.width - 1, c.height - 1, BROWN)
    folder(c, 10, 12, GOLD)
    for row, colour in enumerate((SKY, PAPER, LEAF)):
        top = 46 + row * 26
        c.line(30, 40 + row * 26, 30, top + 12, BLACK)
        c.line(30, top + 12, 52, top + 12, BLACK)
        folder(c, 54, top, colour)
    return c


def camera(c, x, y):
    c.box(x + 8, y, x + 24, y + 6, BLACK, GREY)
    c.box(x, y + 6, x + 52, y + 36, BLACK, GREY)
    c.disc(x + 26, y + 21, 11, BLACK)
    c.disc(x + 26, y + 21, 8, SKY)


def no_photo():
    c = Canvas(150, 120, CREAM)
    c.box(0, 0, c.width - 1, c.height - 1, BROWN)
    camera(c, 49, 24)
    for step in range(3):
        c.line(40 + step, 18, 108 + step, 70, TOMATO)
    centred_text(c, 86, "NO PHOTO", BROWN, 2)
    return c


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    picture = title()
    category = categories()
    files = {
        "TITLE256": picture.bmp(), "TITLE16": picture.bmp16(), "BVSTRIPE": stripe().bmp(), "LOGO": logo().bmp(),
        "CAT256": category.bmp(), "CAT16": category.bmp16(), "NOFOTO": no_photo().bmp(),
    }
    for name, data in files.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
