#!/usr/bin/env python3
"""Draws the program's icon, a desktop computer with a red magnifying glass that holds a
question mark, as a 32 x 32, 16-colour Locate.ico and a Locate.png of the same picture.

Run it from this folder: python3 make_icon.py
"""
import math
import struct
import zlib

SIZE = 32
# The 16 colours of the standard VGA palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, NAVY, TEAL, SILVER, GREY, RED, LIME, AQUA, WHITE = (
    0, 1, 2, 4, 6, 7, 8, 9, 10, 14, 15)
CLEAR = None

QUESTION_MARK = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
]


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def rect(img, x0, y0, x1, y1, fill, edge=None):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            on_edge = x in (x0, x1) or y in (y0, y1)
            img[y][x] = edge if (edge is not None and on_edge) else fill


def disc(img, cx, cy, radius, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            if math.hypot(x - cx, y - cy) <= radius:
                img[y][x] = colour


def thick_line(img, x0, y0, x1, y1, width, colour):
    steps = 64
    for i in range(steps + 1):
        t = i / steps
        disc(img, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, colour)


def computer(img):
    rect(img, 1, 1, 21, 16, SILVER, BLACK)          # monitor case
    rect(img, 3, 3, 19, 13, NAVY, BLACK)            # screen
    for y in range(4, 13, 2):                       # lines of text on the screen
        for x in range(5, 5 + (y * 3) % 11 + 4):
            img[y][x] = AQUA
    img[15][18] = LIME                               # power light of the monitor
    rect(img, 8, 17, 14, 18, GREY, BLACK)           # stand
    rect(img, 0, 19, 23, 25, SILVER, BLACK)         # system unit
    rect(img, 3, 21, 11, 22, GREY, BLACK)           # drive slot
    img[23][20] = GREEN
    img[23][21] = GREEN
    rect(img, 1, 26, 22, 30, WHITE, BLACK)          # keyboard
    for y in (27, 29):
        for x in range(3, 21, 2):
            img[y][x] = GREY


def magnifier(img):
    cx, cy = 20.5, 13.5
    thick_line(img, cx + 5, cy + 5, 30, 30, 4.2, MAROON)   # handle
    thick_line(img, cx + 5, cy + 5, 29.5, 29.5, 2.4, RED)
    disc(img, cx, cy, 8.6, MAROON)                        # rim
    disc(img, cx, cy, 7.6, RED)
    disc(img, cx, cy, 5.6, WHITE)                         # lens
    img[int(cy) - 3][int(cx) - 3] = AQUA                  # glint
    top, left = int(cy) - 4, int(cx) - 3
    for dy, row in enumerate(QUESTION_MARK):
        for dx, cell in enumerate(row):
            if cell == "#":
                img[top + dy][left + dx] = BLACK


def write_ico(img, path):
    rows = []
    for y in reversed(range(SIZE)):                        # bottom-up
        row = bytearray()
        for x in range(0, SIZE, 2):
            hi = img[y][x] if img[y][x] is not None else 0
            lo = img[y][x + 1] if img[y][x + 1] is not None else 0
            row.append(hi << 4 | lo)
        rows.append(bytes(row))
    masks = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if img[y][x] is None else 0)
        masks.append(struct.pack(">I", bits))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, 0, 0, 0, 16, 0)
    image = header + palette + b"".join(rows) + b"".join(masks)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


def write_png(img, path):
    raw = bytearray()
    for y in range(SIZE):
        raw.append(0)
        for x in range(SIZE):
            c = img[y][x]
            raw += bytes(PALETTE[c] + (255,)) if c is not None else bytes(4)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
                  chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    img = blank()
    computer(img)
    magnifier(img)
    write_ico(img, "Locate.ico")
    write_png(img, "Locate.png")


if __name__ == "__main__":
    main()
