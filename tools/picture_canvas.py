"""A pixel canvas for the program's drawn pictures: boxes, lines, discs, stars, polygons and a
5 by 7 capital-letter font, written as 24-bit or 16-colour .bmp files."""
import math
import struct

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
PAPER = (255, 255, 224)
RED = (200, 0, 0)
GOLD = (230, 180, 0)
BLUE = (0, 64, 192)
GREEN = (0, 140, 0)
BROWN = (170, 110, 40)
SKY = (160, 200, 255)

# The sixteen colours of a 4-bit picture: the standard display palette.
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

GLYPHS = {
    "A": (" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"),
    "B": ("#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "),
    "C": (" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "),
    "D": ("#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "),
    "E": ("#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"),
    "F": ("#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "),
    "G": (" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"),
    "H": ("#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"),
    "I": (" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "),
    "J": ("  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "),
    "K": ("#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"),
    "L": ("#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"),
    "M": ("#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"),
    "N": ("#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"),
    "O": (" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "),
    "P": ("#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "),
    "Q": (" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"),
    "R": ("#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"),
    "S": (" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "),
    "T": ("#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "),
    "U": ("#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "),
    "V": ("#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "),
    "W": ("#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "),
    "X": ("#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"),
    "Y": ("#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "),
    "Z": ("#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"),
    " ": ("     ",) * 7,
}
GLYPH_WIDTH = 5
GLYPH_HEIGHT = 7


def text_width(text, scale=1):
    return (len(text) * (GLYPH_WIDTH + 1) - 1) * scale


class Canvas:
    def __init__(self, width, height, background=WHITE):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def box(self, x0, y0, x1, y1, colour, fill=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge:
                    self.dot(x, y, colour)
                elif fill is not None:
                    self.dot(x, y, fill)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def disc(self, cx, cy, r, colour):
        for y in range(self.height):
            for x in range(self.width):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.dot(x, y, colour)

    def polygon(self, points, colour):
        for y in range(self.height):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.dot(x, y, colour)

    def star(self, cx, cy, r, colour):
        points = []
        for i in range(10):
            radius = r if i % 2 == 0 else r * 0.45
            angle = math.pi / 2 + i * math.pi / 5
            points.append((cx + radius * math.cos(angle), cy - radius * math.sin(angle)))
        self.polygon(points, colour)

    def text(self, x, y, text, colour, scale=1):
        for i, letter in enumerate(text.upper()):
            rows = GLYPHS[letter]
            left = x + i * (GLYPH_WIDTH + 1) * scale
            for row, bits in enumerate(rows):
                for column, bit in enumerate(bits):
                    if bit == "#":
                        for dy in range(scale):
                            for dx in range(scale):
                                self.dot(left + column * scale + dx, y + row * scale + dy, colour)

    def recolour(self, mapping):
        """Every pixel through mapping(colour)."""
        self.pixels = [[mapping(colour) for colour in row] for row in self.pixels]

    def bmp(self):
        row_size = (self.width * 3 + 3) // 4 * 4
        rows = b""
        for row in reversed(self.pixels):
            data = b"".join(bytes((b, g, r)) for r, g, b in row)
            rows += data + b"\0" * (row_size - len(data))
        return bmp_file(24, b"", rows, self.width, self.height)

    def bmp16(self):
        """A 4-bit picture: each pixel becomes the nearest colour of the display palette."""
        row_size = (self.width + 7) // 8 * 4
        rows = b""
        for row in reversed(self.pixels):
            indexes = [nearest_16(colour) for colour in row] + [0]
            data = bytes(indexes[i] << 4 | indexes[i + 1] for i in range(0, self.width, 2))
            rows += data + b"\0" * (row_size - len(data))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE_16)
        return bmp_file(4, palette, rows, self.width, self.height)


def bmp_file(bits, palette, rows, width, height):
    colours = len(palette) // 4
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(rows), 2835, 2835, colours, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + rows


def nearest_16(colour):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, PALETTE_16[i])))


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result
