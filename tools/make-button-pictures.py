#!/usr/bin/env python3
"""Draws the pictures of the tool-bar and form buttons as 24-bit .bmp files into res/: for each
button a raised (UP), a pressed (DN) and a greyed (GR) picture, each with an emblem and the
button's word; for each page tab of the related-items panel its four states, available (R) or
greyed (G), each flat (F) or selected (D); and the key picture of the contents form's row emblems. Run it after changing a
drawing and commit the files it writes."""
import os
import sys

from picture_canvas import (BLACK, BLUE, BROWN, GLYPH_HEIGHT, GOLD, GREEN, GREY, PAPER, RED, SILVER, SKY, WHITE,
                            Canvas, text_width)

WIDTH = 90
HEIGHT = 32
EMBLEM = 20
SHADOW = (64, 64, 64)


def house(c, x, y):
    c.polygon([(x, y + 10), (x + 10, y), (x + 20, y + 10)], RED)
    c.box(x + 3, y + 10, x + 16, y + 19, BLACK, PAPER)
    c.box(x + 8, y + 13, x + 11, y + 19, BLACK, BROWN)


def book(c, x, y):
    c.box(x + 2, y, x + 17, y + 19, BLACK, PAPER)
    c.box(x + 2, y, x + 4, y + 19, BLACK, BLUE)
    for row in (4, 8, 12, 16):
        c.line(x + 7, y + row, x + 14, y + row, GREY)


def magnifier(c, x, y):
    c.disc(x + 8, y + 8, 7, BLACK)
    c.disc(x + 8, y + 8, 5, SKY)
    for step in range(3):
        c.line(x + 12 + step, y + 13, x + 18 + step, y + 19, BROWN)


def links(c, x, y):
    for cx, cy in ((x + 6, y + 7), (x + 13, y + 12)):
        c.disc(cx, cy, 6, GREEN)
        c.disc(cx, cy, 3, SILVER)


def plate(c, x, y):
    c.disc(x + 11, y + 10, 9, GREY)
    c.disc(x + 11, y + 10, 8, WHITE)
    c.disc(x + 11, y + 10, 4, GOLD)
    c.line(x + 1, y + 2, x + 1, y + 19, BLACK)


def basket(c, x, y):
    c.polygon([(x, y + 7), (x + 20, y + 7), (x + 17, y + 19), (x + 3, y + 19)], BROWN)
    c.line(x + 4, y + 7, x + 8, y + 1, BLACK)
    c.line(x + 16, y + 7, x + 12, y + 1, BLACK)
    for column in (6, 10, 14):
        c.line(x + column, y + 9, x + column, y + 17, GOLD)


def printer(c, x, y):
    c.box(x + 5, y, x + 15, y + 7, BLACK, WHITE)
    c.box(x, y + 7, x + 19, y + 15, BLACK, GREY)
    c.box(x + 5, y + 13, x + 15, y + 19, BLACK, WHITE)
    c.dot(x + 16, y + 10, GREEN)


def star_list(c, x, y):
    c.box(x + 2, y, x + 17, y + 19, BLACK, PAPER)
    c.polygon([(x + 10, y + 3), (x + 13, y + 9), (x + 10, y + 15), (x + 7, y + 9)], GOLD)


def jar(c, x, y):
    c.box(x + 5, y, x + 14, y + 3, BLACK, BROWN)
    c.box(x + 3, y + 4, x + 16, y + 19, BLACK, SKY)
    c.box(x + 5, y + 9, x + 14, y + 15, BLACK, PAPER)


def pencil(c, x, y):
    c.polygon([(x + 2, y + 19), (x + 4, y + 13), (x + 16, y + 1), (x + 19, y + 4), (x + 7, y + 16)], GOLD)
    c.line(x + 2, y + 19, x + 5, y + 16, BLACK)


def cross(c, x, y):
    for step in range(3):
        c.line(x + 2 + step, y + 2, x + 16 + step, y + 17, RED)
        c.line(x + 16 + step, y + 2, x + 2 + step, y + 17, RED)


def disk(c, x, y):
    c.box(x + 1, y + 1, x + 18, y + 18, BLACK, BLUE)
    c.box(x + 5, y + 1, x + 14, y + 7, BLACK, WHITE)
    c.box(x + 4, y + 11, x + 15, y + 18, BLACK, SILVER)


def eraser(c, x, y):
    c.polygon([(x, y + 14), (x + 10, y + 4), (x + 19, y + 10), (x + 9, y + 19)], RED)
    c.line(x + 5, y + 9, x + 14, y + 15, WHITE)


def shop_front(c, x, y):
    c.polygon([(x, y + 6), (x + 3, y), (x + 17, y), (x + 20, y + 6)], RED)
    c.box(x + 2, y + 6, x + 18, y + 19, BLACK, PAPER)
    c.box(x + 8, y + 11, x + 12, y + 19, BLACK, BROWN)


def arrow(c, x, y, pointing_right):
    tip, tail = (x + 19, x) if pointing_right else (x, x + 19)
    middle = x + 10
    c.polygon([(tip, y + 10), (middle, y), (middle, y + 20)], BLUE)
    c.box(min(middle, tail), y + 6, max(middle, tail), y + 13, BLUE, BLUE)


def label(c, x, y):
    c.box(x + 3, y, x + 16, y + 19, BLACK, WHITE)
    for row in (y + 4, y + 8, y + 12, y + 16):
        c.line(x + 5, row, x + 14, row, BLACK)


def camera(c, x, y):
    c.box(x, y + 5, x + 19, y + 18, BLACK, GREY)
    c.box(x + 6, y + 2, x + 12, y + 5, BLACK, GREY)
    c.box(x + 6, y + 8, x + 13, y + 15, BLACK, SKY)


def information(c, x, y):
    c.box(x + 2, y, x + 17, y + 19, BLUE, WHITE)
    c.box(x + 8, y + 3, x + 11, y + 5, BLUE, BLUE)
    c.box(x + 8, y + 8, x + 11, y + 16, BLUE, BLUE)


def show(c, x, y):
    arrow(c, x, y, True)


def back(c, x, y):
    arrow(c, x, y, False)


def folder_tabs(c, x, y):
    c.box(x + 1, y + 2, x + 8, y + 5, BLACK, GOLD)
    c.box(x + 1, y + 5, x + 18, y + 18, BLACK, GOLD)
    c.line(x + 4, y + 10, x + 15, y + 10, BROWN)


def page_with_link(c, x, y):
    c.box(x + 1, y, x + 12, y + 17, BLACK, PAPER)
    c.disc(x + 13, y + 13, 5, GREEN)
    c.disc(x + 13, y + 13, 2, SILVER)


BUTTONS = {
    "STAR": (house, ("GO TO", "START")),
    "TOC": (book, ("CONTENTS",)),
    "FIND": (magnifier, ("FIND",)),
    "REL": (links, ("RELATED",)),
    "MEAL": (plate, ("MEAL", "PLANS")),
    "SHOP": (basket, ("SHOPPING",)),
    "PRINT": (printer, ("PRINT",)),
    "VIEW": (show, ("SHOW",)),
    "BACK": (back, ("BACK",)),
    "EDIT": (pencil, ("EDIT",)),
    "PREV": (back, ("PREV",)),
    "NEXT": (show, ("NEXT",)),
    "CAT": (folder_tabs, ("ATTACH", "CATEGORY")),
    "REF": (page_with_link, ("ATTACH", "REFERENCE")),
    "NUT": (label, ("NUTRITION",)),
    "PHOT": (camera, ("PHOTOS",)),
    "INFO": (information, ("INFO",)),
    "FREQ": (star_list, ("FREQUENT",)),
    "PANT": (jar, ("PANTRY",)),
    "EDITM": (pencil, ("EDIT",)),
    "DLITM": (cross, ("DELETE",)),
    "SAVE": (disk, ("SAVE",)),
    "CLR": (eraser, ("CLEAR",)),
    "STOR": (shop_front, ("STORE", "SECTIONS")),
}


def bevel(c, light, dark):
    c.line(0, 0, WIDTH - 1, 0, light)
    c.line(0, 0, 0, HEIGHT - 1, light)
    c.line(1, HEIGHT - 2, WIDTH - 2, HEIGHT - 2, dark)
    c.line(WIDTH - 2, 1, WIDTH - 2, HEIGHT - 2, dark)
    c.line(0, HEIGHT - 1, WIDTH - 1, HEIGHT - 1, BLACK)
    c.line(WIDTH - 1, 0, WIDTH - 1, HEIGHT - 1, BLACK)


def face(draw, words, shift):
    c = Canvas(WIDTH, HEIGHT, SILVER)
    draw(c, 5 + shift, (HEIGHT - EMBLEM) // 2 + shift)
    left = 5 + EMBLEM + 4 + shift
    space = WIDTH - left - 4
    top = (HEIGHT - len(words) * (GLYPH_HEIGHT + 2) + 2) // 2 + shift
    for i, word in enumerate(words):
        c.text(left + (space - text_width(word)) // 2, top + i * (GLYPH_HEIGHT + 2), word, BLACK)
    return c


def raised(draw, words):
    c = face(draw, words, 0)
    bevel(c, WHITE, GREY)
    return c


def pressed(draw, words):
    c = face(draw, words, 1)
    bevel(c, SHADOW, WHITE)
    return c


def greyed(draw, words):
    """The raised picture in greys only: dark for the word and the emblem's outlines, light for
    its colours."""
    c = face(draw, words, 0)

    def grey(colour):
        if colour == SILVER:
            return SILVER
        return GREY if sum(colour) < 200 else (170, 170, 170)

    c.recolour(grey)
    bevel(c, WHITE, GREY)
    return c


TAB_WIDTH = 70
TAB_HEIGHT = 18
TABS = {"NUTLB": "NUTRITION", "PHOLB": "PHOTOS", "INFLB": "INFO"}


def page_tab(word, available, selected):
    """A selected tab stands in front of the page, in the page's colour, open at the bottom."""
    c = Canvas(TAB_WIDTH, TAB_HEIGHT, PAPER if selected else SILVER)
    ink = BLACK if available else GREY
    c.line(0, TAB_HEIGHT - 1, 0, 2, WHITE)
    c.line(2, 0, TAB_WIDTH - 3, 0, WHITE)
    c.dot(1, 1, WHITE)
    c.line(TAB_WIDTH - 1, 2, TAB_WIDTH - 1, TAB_HEIGHT - 1, SHADOW)
    c.dot(TAB_WIDTH - 2, 1, SHADOW)
    if not selected:
        c.line(0, TAB_HEIGHT - 1, TAB_WIDTH - 1, TAB_HEIGHT - 1, SHADOW)
    top = (TAB_HEIGHT - GLYPH_HEIGHT) // 2 + (0 if selected else 1)
    c.text((TAB_WIDTH - text_width(word)) // 2, top, word, ink)
    return c


def key_picture():
    emblems = ((BLACK, PAPER, "RECIPE"), (BLUE, SKY, "PHOTO"), (GREY, WHITE, "MEAL"), (BLACK, GOLD, "CATEGORY"))
    c = Canvas(sum(15 + text_width(word) + 8 for _, _, word in emblems), 20, SILVER)
    x = 2
    for outline, fill, word in emblems:
        c.box(x, 4, x + 11, 15, outline, fill)
        c.text(x + 15, 7, word, BLACK)
        x += 15 + text_width(word) + 8
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "res")
    pictures = {"TOC_KEY": key_picture()}
    for name, (draw, words) in BUTTONS.items():
        pictures[name + "UP"] = raised(draw, words)
        pictures[name + "DN"] = pressed(draw, words)
        pictures[name + "GR"] = greyed(draw, words)
    for name, word in TABS.items():
        for state, available in (("R", True), ("G", False)):
            pictures[name + state + "F"] = page_tab(word, available, False)
            pictures[name + state + "D"] = page_tab(word, available, True)
    for name, canvas in pictures.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(canvas.bmp())


if __name__ == "__main__":
    main()
